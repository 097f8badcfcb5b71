#include "skat/app/Bestenliste.h"

#include "skat/app/SkatFolders.h"
#include "skat/app/SkatPaths.h"
#include "vordix/XmlHelpers.h"

#include <tinyxml2.h>

namespace {

constexpr int DOCUMENT_VERSION = 1;

std::wstring cut(const std::wstring& text, size_t limit) { return text.size() > limit ? text.substr(0, limit) : text; }

} // namespace

BESTENLISTE::SKATENTRY::SKATENTRY(int points_, const std::wstring& name_, const std::wstring& date_)
    : points(points_)
    , pointsText(cut(std::to_wstring(points_), MAX_POINTS_TEXT))
    , name(cut(name_, MAX_NAME))
    , date(cut(date_, MAX_DATE))
{
}

int BESTENLISTE::load()
{
    static const SKAT_PATHS paths;
    return loadFrom(skat::userDataFile({}, paths.fileHighScores));
}

int BESTENLISTE::loadFrom(const VORDIX_FILE& source)
{
    file = source;
    const int result = VORDIX_DOKUMENT::load();
    if (result == DOCUMENT_OK) {
        loadedFromFile = true;
        return result;
    }
    loadedFromFile = false;
    onLoadFailed();
    modified = true;
    return result;
}

int BESTENLISTE::onLoadFailed()
{
    clear();
    return 0;
}

bool BESTENLISTE::read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument&)
{
    using namespace vordix::xml;
    if (!element || std::string(element->Name()) != elementName()) {
        clear();
        return false;
    }
    if (intAttribute(element, "DokumentVersion", 0) != DOCUMENT_VERSION) {
        clear();
        return false;
    }
    // Appended in file order and sorted once at the end: the stable sort
    // gives the order that sorting after every entry gives, without the
    // quadratic cost on a long file.
    for (const tinyxml2::XMLElement* player = element->FirstChildElement("Spieler"); player;
         player = player->NextSiblingElement("Spieler")) {
        entries_.emplace_back(intAttribute(player, "Punktezahl", 0), textAttribute(player, "Name").value_or(L""),
                              textAttribute(player, "Datum").value_or(L""));
    }
    modified = false;
    sortEntries();
    return true;
}

void BESTENLISTE::write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument&) const
{
    using namespace vordix::xml;
    setIntAttribute(element, "DokumentVersion", DOCUMENT_VERSION);
    int written = 0;
    for (const SKATENTRY& entry : entries_) {
        if (written++ == SHOWN_ENTRIES)
            break;
        tinyxml2::XMLElement* player = appendChild(element, "Spieler");
        setIntAttribute(*player, "Punktezahl", entry.points);
        setTextAttribute(*player, "Datum", entry.date);
        setTextAttribute(*player, "Name", entry.name);
    }
}

void BESTENLISTE::clear()
{
    entries_.clear();
    cursor_ = entries_.end();
    modified = true;
}

void BESTENLISTE::addEntry(int points, const std::wstring& name, const std::wstring& date)
{
    entries_.emplace_back(points, name, date);
    sortEntries();
    modified = true;
}

void BESTENLISTE::sortEntries()
{
    // std::list::sort is stable: equal points keep their order.
    entries_.sort([](const SKATENTRY& a, const SKATENTRY& b) { return a.points > b.points; });
}

int BESTENLISTE::firstEntry(SKATENTRY& out)
{
    cursor_ = entries_.begin();
    walkCounter_ = 1;
    if (cursor_ == entries_.end())
        return 1;
    out = *cursor_;
    return 0;
}

int BESTENLISTE::nextEntry(SKATENTRY& out)
{
    ++walkCounter_;
    if (cursor_ != entries_.end())
        ++cursor_;
    if (walkCounter_ > SHOWN_ENTRIES || cursor_ == entries_.end())
        return 1;
    out = *cursor_;
    return 0;
}
