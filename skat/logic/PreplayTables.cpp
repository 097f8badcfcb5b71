#include "skat/logic/PreplayTables.h"

#include "skat/engine/Karte.h"
#include "skat/logic/LogicTexts.h"
#include "vordix/MessageSink.h"
#include "vordix/SafeSave.h"
#include "vordix/Utf8.h"
#include "vordix/XmlHelpers.h"

#include <tinyxml2.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <mutex>
#include <optional>
#include <sstream>

namespace xml = vordix::xml;
using tinyxml2::XMLElement;

namespace {

// Attribute names of the six components, by offset (pm, pd, ps, nm, nd, ns).
constexpr const char* COMPONENT_NAMES[6] = {"pm", "pd", "ps", "nm", "nd", "ns"};
// The order the writer puts them in.
constexpr int WRITE_ORDER[6] = {COMP_PS, COMP_PD, COMP_PM, COMP_NS, COMP_ND, COMP_NM};

std::string componentAttribute(int component, int group)
{
    return std::string(COMPONENT_NAMES[component]) + static_cast<char>('0' + group);
}

int attr(const XMLElement* e, const char* name) { return xml::intAttribute(e, name, 0); }

// The key of an entry: "I", else the older "Index" (a missing one reads as 0).
int entryKey(const XMLElement* e, bool& oldNames)
{
    oldNames = e->Attribute("I") == nullptr;
    return attr(e, oldNames ? "Index" : "I");
}

template <typename F>
void forEntries(const XMLElement* root, const char* name, F&& f)
{
    const XMLElement* table = xml::firstChild(root, name);
    if (!table)
        return;
    for (const XMLElement* e = table->FirstChildElement(); e; e = e->NextSiblingElement())
        f(e);
}

XMLElement* entry(XMLElement& table, int key)
{
    XMLElement* e = xml::appendChild(table, "F");
    xml::setIntAttribute(*e, "I", key);
    return e;
}

Rank rankFromText(const char* text) { return text && *text ? rankFromChar(*text) : RANK_NONE; }

std::string rankText(Rank rank) { return std::string(1, rankCharOf(rank)); }

std::mutex instanceMutex;
std::filesystem::path sharedFolder;
std::unique_ptr<VL_TABELLEN> sharedTables;

std::filesystem::path defaultLogicFolder()
{
    VORDIX_FOLDER folder;
    folder.setStandardFolder(FOLDER_PROGRAM);
    folder.changeFolder(L"Ressourcen");
    folder.changeFolder(L"Spiellogik");
    return std::filesystem::path(folder.path());
}

void reportFile(const char* name)
{
    const std::wstring text = formatLogicText(logicText(TEXT_FILE_MISSING_OR_DAMAGED), vordix::fromUtf8(name));
    vordix::showMessage(vordix::MessageKind::Error, text.substr(0, 1000));
}

} // namespace

VL_TABELLEN::VL_TABELLEN() { clearTables(); }
VL_TABELLEN::~VL_TABELLEN() = default;

void VL_TABELLEN::clearTables()
{
    nullLoaded = false;
    for (auto& t : suitTables)
        t.values.fill(0);
    for (auto& t : trumpTables)
        t.values.fill(0);
    discardTable.values.fill(DRUECKEN_TUPEL{});
    pairings.clear();
    for (auto& t : jackTables)
        t.values.fill(0);
    for (auto& t : openTables)
        t.values.fill(0);
    nullTable = {};
    skippedEntries = 0;
}

const VL_TABELLEN& VL_TABELLEN::instance()
{
    std::lock_guard lock(instanceMutex);
    if (!sharedTables) {
        sharedTables = std::make_unique<VL_TABELLEN>();
        sharedTables->loadFromFolder(sharedFolder.empty() ? defaultLogicFolder() : sharedFolder);
    }
    return *sharedTables;
}

void VL_TABELLEN::useFolder(const std::filesystem::path& folder)
{
    std::lock_guard lock(instanceMutex);
    sharedFolder = folder;
}

bool VL_TABELLEN::loadFromFolder(const std::filesystem::path& folder, bool report)
{
    clearTables();
    VORDIX_FOLDER dir;
    dir.setPath(folder.wstring());
    file = VORDIX_FILE(dir, vordix::fromUtf8(TABLE_FILE));
    if (load() != DOCUMENT_OK) {
        // A damaged document may have filled some tables before it failed.
        clearTables();
        if (report)
            reportFile(TABLE_FILE);
        return false;
    }
    loadedFromFile = true;
    if (!readNullFile(folder / NULL_FILE)) {
        if (report)
            reportFile(NULL_FILE);
        return false;
    }
    return true;
}

bool VL_TABELLEN::saveToFolder(const std::filesystem::path& folder)
{
    VORDIX_FOLDER dir;
    dir.setPath(folder.wstring());
    file = VORDIX_FILE(dir, vordix::fromUtf8(TABLE_FILE));
    return save() && writeNullFile(folder / NULL_FILE);
}

int VL_TABELLEN::onLoadFailed()
{
    clearTables();
    return 0;
}

const std::vector<VL_TABELLEN::NullCell>& VL_TABELLEN::nullCells()
{
    static const std::vector<NullCell> cells = [] {
        std::vector<NullCell> list;
        for (int a = 1; a <= 7; a += 2)
            for (int c = 1; c <= 8 - a; ++c)
                for (int b = 1; b <= 9 - a - c; ++b)
                    list.push_back({a, b, c});
        return list;
    }();
    return cells;
}

bool VL_TABELLEN::readNullFile(const std::filesystem::path& path)
{
    nullTable = {};
    nullLoaded = false;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream text;
    text << in.rdbuf();
    return readNullText(text.str());
}

bool VL_TABELLEN::readNullText(const std::string& text)
{
    nullTable = {};
    nullLoaded = false;
    std::array<std::array<std::array<int, 8>, 8>, 8> values{};
    const char* at = text.c_str();
    for (const NullCell& cell : nullCells()) {
        // As "%d" reads it: blanks, a sign and digits; a number too large
        // for an int is damage.
        char* end = nullptr;
        errno = 0;
        const long value = std::strtol(at, &end, 10);
        if (end == at || errno == ERANGE || value < INT_MIN || value > INT_MAX)
            return false;
        at = end;
        values[static_cast<std::size_t>(cell.a)][static_cast<std::size_t>(cell.b)][static_cast<std::size_t>(cell.c)] =
            static_cast<int>(value);
    }
    nullTable = values;
    nullLoaded = true;
    return true;
}

std::string VL_TABELLEN::nullText() const
{
    std::string text;
    for (const NullCell& cell : nullCells())
        text += std::to_string(nullValue(cell.a, cell.b, cell.c)) + "\n";
    return text;
}

bool VL_TABELLEN::writeNullFile(const std::filesystem::path& path) const
{
    return static_cast<bool>(vordix::saveFile(path, nullText()));
}

int VL_TABELLEN::suitValue(int table, int pattern) const
{
    return table >= 0 && table < SUIT_TABLES ? suitTables[static_cast<std::size_t>(table)].at(pattern) : 0;
}

int VL_TABELLEN::trumpValue(int table, int pattern) const
{
    return table >= 0 && table < TRUMP_TABLES ? trumpTables[static_cast<std::size_t>(table)].at(pattern) : 0;
}

int VL_TABELLEN::jackValue(int table, int index) const
{
    return table >= 0 && table < JACK_TABLES ? jackTables[static_cast<std::size_t>(table)].at(index) : 0;
}

int VL_TABELLEN::openValue(int table, int index) const
{
    return table >= 0 && table < OPEN_TABLES ? openTables[static_cast<std::size_t>(table)].at(index) : 0;
}

const VL_TABELLEN::DRUECKEN_TUPEL& VL_TABELLEN::discardProposal(int pattern) const
{
    static const DRUECKEN_TUPEL none;
    return FARBKARTEN_TABELLE<DRUECKEN_TUPEL>::inRange(pattern) ? discardTable.values[static_cast<std::size_t>(pattern)]
                                                                : none;
}

int VL_TABELLEN::nullValue(int a, int b, int c) const
{
    if (a < 0 || a > 7 || b < 0 || b > 7 || c < 0 || c > 7)
        return 0;
    return nullTable[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)][static_cast<std::size_t>(c)];
}

void VL_TABELLEN::setNullValue(int a, int b, int c, int value)
{
    if (a < 0 || a > 7 || b < 0 || b > 7 || c < 0 || c > 7)
        return;
    nullTable[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)][static_cast<std::size_t>(c)] = value;
}

bool VL_TABELLEN::read(const tinyxml2::XMLElement* root, const tinyxml2::XMLDocument&)
{
    if (!root || std::string_view(root->Name()) != elementName())
        return false;
    skippedEntries = 0;
    auto keyIn = [this](const XMLElement* e, int limit, bool& oldNames) -> std::optional<int> {
        const auto key = entryKey(e, oldNames);
        if (key < 0 || key >= limit) {
            ++skippedEntries;
            return std::nullopt;
        }
        return key;
    };

    forEntries(root, "FARBSPIEL", [&](const XMLElement* e) {
        bool old = false;
        const auto key = keyIn(e, SUIT_PATTERN_COUNT, old);
        if (!key)
            return;
        const auto p = static_cast<std::size_t>(*key);
        suitTables[T_T].values[p] = attr(e, old ? "Trumpf" : "T");
        suitTables[T_B].values[p] = attr(e, old ? "BB" : "B");
        for (int g = 0; g < 3; ++g)
            for (int c = 0; c < 6; ++c)
                suitTables[static_cast<std::size_t>(suitGameTable(g, c))].values[p] =
                    attr(e, componentAttribute(c, g).c_str());
    });
    forEntries(root, "GRAND", [&](const XMLElement* e) {
        bool old = false;
        const auto key = keyIn(e, SUIT_PATTERN_COUNT, old);
        if (!key)
            return;
        const auto p = static_cast<std::size_t>(*key);
        suitTables[T_VH].values[p] = attr(e, "VH");
        suitTables[T_MH].values[p] = attr(e, "MH");
        suitTables[T_HH].values[p] = attr(e, "HH");
        for (int g = 0; g < 3; ++g)
            for (int c = 0; c < 6; ++c)
                suitTables[static_cast<std::size_t>(grandTable(g, c))].values[p] =
                    attr(e, componentAttribute(c, g).c_str());
    });
    forEntries(root, "TRUMPF", [&](const XMLElement* e) {
        bool old = false;
        const auto key = keyIn(e, TRUMP_PATTERN_COUNT, old);
        if (!key)
            return;
        for (int c = 0; c < 6; ++c)
            trumpTables[static_cast<std::size_t>(c)].values[static_cast<std::size_t>(*key)] =
                attr(e, ("tr_" + componentAttribute(c, 0)).c_str());
    });
    forEntries(root, "DRUECKEN", [&](const XMLElement* e) {
        bool old = false;
        const auto key = keyIn(e, SUIT_PATTERN_COUNT, old);
        if (!key)
            return;
        // Pattern 0 is a suit the hand lacks: there is nothing to put away,
        // and the table is written without it, so it is not taken either.
        if (*key == 0) {
            ++skippedEntries;
            return;
        }
        DRUECKEN_TUPEL tuple;
        tuple.Wert = attr(e, "Wert");
        tuple.Karte = rankFromText(e->Attribute("Karte"));
        tuple.Wert2 = attr(e, "Wert2");
        tuple.Karte2 = rankFromText(e->Attribute("Karte2"));
        tuple.Wizzard = xml::textAttribute(e, "Wizzard").value_or(std::wstring());
        discardTable.values[static_cast<std::size_t>(*key)] = std::move(tuple);
    });
    forEntries(root, "PAARUNGEN", [&](const XMLElement* e) {
        PAARUNG pairing;
        pairing.Index1 = attr(e, "Index1");
        pairing.Index2 = attr(e, "Index2");
        pairing.Wizzard = xml::textAttribute(e, "Wizzard").value_or(std::wstring());
        pairings.push_back(std::move(pairing));
    });
    auto readJacks = [&](const char* name, auto&& store) {
        forEntries(root, name, [&](const XMLElement* e) {
            bool old = false;
            if (const auto key = keyIn(e, JACK_INDEX_COUNT, old))
                store(e, static_cast<std::size_t>(*key));
        });
    };
    readJacks("FS_BUBEN", [&](const XMLElement* e, std::size_t i) { jackTables[0].values[i] = attr(e, "VH"); });
    readJacks("GRAND_BUBEN", [&](const XMLElement* e, std::size_t i) {
        jackTables[1].values[i] = attr(e, "VH");
        jackTables[2].values[i] = attr(e, "MH");
        jackTables[3].values[i] = attr(e, "HH");
        for (int c = 0; c < 6; ++c)
            jackTables[static_cast<std::size_t>(grandJackTable(c))].values[i] =
                attr(e, componentAttribute(c, 0).c_str());
    });
    readJacks("FS_BUBEN_SCHWARZ", [&](const XMLElement* e, std::size_t i) {
        openTables[0].values[i] = attr(e, "VH");
        openTables[1].values[i] = attr(e, "MH");
        openTables[2].values[i] = attr(e, "HH");
    });
    readJacks("GRAND_BUBEN_SCHWARZ", [&](const XMLElement* e, std::size_t i) {
        openTables[3].values[i] = attr(e, "VH");
        openTables[4].values[i] = attr(e, "MH");
        openTables[5].values[i] = attr(e, "HH");
    });
    return true;
}

void VL_TABELLEN::write(tinyxml2::XMLElement& root, tinyxml2::XMLDocument&) const
{
    auto writeGroups = [&](XMLElement& e, auto tableOf, std::size_t p) {
        for (int g = 0; g < 3; ++g)
            for (int c : WRITE_ORDER)
                xml::setIntAttribute(e, componentAttribute(c, g).c_str(),
                                     suitTables[static_cast<std::size_t>(tableOf(g, c))].values[p]);
    };
    XMLElement& suit = *xml::appendChild(root, "FARBSPIEL");
    for (int p = 0; p < SUIT_PATTERN_COUNT; ++p) {
        XMLElement& e = *entry(suit, p);
        const auto i = static_cast<std::size_t>(p);
        xml::setIntAttribute(e, "T", suitTables[T_T].values[i]);
        xml::setIntAttribute(e, "B", suitTables[T_B].values[i]);
        writeGroups(e, suitGameTable, i);
    }
    XMLElement& trump = *xml::appendChild(root, "TRUMPF");
    for (int q = 0; q < TRUMP_PATTERN_COUNT; ++q) {
        XMLElement& e = *entry(trump, q);
        for (int c : WRITE_ORDER)
            xml::setIntAttribute(e, ("tr_" + componentAttribute(c, 0)).c_str(),
                                 trumpTables[static_cast<std::size_t>(c)].values[static_cast<std::size_t>(q)]);
    }
    XMLElement& grand = *xml::appendChild(root, "GRAND");
    for (int p = 0; p < SUIT_PATTERN_COUNT; ++p) {
        XMLElement& e = *entry(grand, p);
        const auto i = static_cast<std::size_t>(p);
        xml::setIntAttribute(e, "VH", suitTables[T_VH].values[i]);
        xml::setIntAttribute(e, "MH", suitTables[T_MH].values[i]);
        xml::setIntAttribute(e, "HH", suitTables[T_HH].values[i]);
        writeGroups(e, grandTable, i);
    }
    XMLElement& discard = *xml::appendChild(root, "DRUECKEN");
    for (int p = 1; p < SUIT_PATTERN_COUNT; ++p) {
        const DRUECKEN_TUPEL& t = discardTable.values[static_cast<std::size_t>(p)];
        XMLElement& e = *entry(discard, p);
        xml::setIntAttribute(e, "Wert", t.Wert);
        e.SetAttribute("Karte", rankText(t.Karte).c_str());
        xml::setIntAttribute(e, "Wert2", t.Wert2);
        e.SetAttribute("Karte2", rankText(t.Karte2).c_str());
        if (!t.Wizzard.empty())
            xml::setTextAttribute(e, "Wizzard", t.Wizzard);
    }
    XMLElement& pairs = *xml::appendChild(root, "PAARUNGEN");
    for (const PAARUNG& pairing : pairings) {
        XMLElement& e = *xml::appendChild(pairs, "PAARUNG");
        xml::setIntAttribute(e, "Index1", pairing.Index1);
        xml::setIntAttribute(e, "Index2", pairing.Index2);
        if (!pairing.Wizzard.empty())
            xml::setTextAttribute(e, "Wizzard", pairing.Wizzard);
    }
    XMLElement& fs = *xml::appendChild(root, "FS_BUBEN");
    XMLElement& gb = *xml::appendChild(root, "GRAND_BUBEN");
    XMLElement& fss = *xml::appendChild(root, "FS_BUBEN_SCHWARZ");
    XMLElement& gbs = *xml::appendChild(root, "GRAND_BUBEN_SCHWARZ");
    for (int j = 0; j < JACK_INDEX_COUNT; ++j) {
        const auto i = static_cast<std::size_t>(j);
        xml::setIntAttribute(*entry(fs, j), "VH", jackTables[0].values[i]);
        XMLElement& g = *entry(gb, j);
        xml::setIntAttribute(g, "VH", jackTables[1].values[i]);
        xml::setIntAttribute(g, "MH", jackTables[2].values[i]);
        xml::setIntAttribute(g, "HH", jackTables[3].values[i]);
        for (int c : WRITE_ORDER)
            xml::setIntAttribute(g, componentAttribute(c, 0).c_str(),
                                 jackTables[static_cast<std::size_t>(grandJackTable(c))].values[i]);
        for (auto [element, first] : {std::pair<XMLElement*, std::size_t>{&fss, 0}, {&gbs, 3}}) {
            XMLElement& o = *entry(*element, j);
            xml::setIntAttribute(o, "VH", openTables[first].values[i]);
            xml::setIntAttribute(o, "MH", openTables[first + 1].values[i]);
            xml::setIntAttribute(o, "HH", openTables[first + 2].values[i]);
        }
    }
}
