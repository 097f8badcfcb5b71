#include "skat/engine/KartenverteilungDoc.h"

#include "vordix/XmlHelpers.h"

#include <cstring>
#include <tinyxml2.h>

namespace {
const char* const HAND_ELEMENTS[3] = {"Blatt1", "Blatt2", "Blatt3"};
}

KARTENVERTEILUNG_DOC::KARTENVERTEILUNG_DOC() { fileKind = 5; }

KARTENVERTEILUNG_DOC::~KARTENVERTEILUNG_DOC() = default;

bool KARTENVERTEILUNG_DOC::read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument& document)
{
    readError_.clear();
    auto refuse = [this](std::wstring why) {
        readError_ = std::move(why);
        onLoadFailed();
        return false;
    };
    if (element == nullptr || std::strcmp(element->Name(), elementName()) != 0)
        return refuse(L"Die Datei enth\u00e4lt keine Kartenverteilung.");
    const int version = vordix::xml::intAttribute(element, "DokumentVersion", 0);
    if (version != VERSION)
        return refuse(L"Die Kartenverteilung hat die Version " + std::to_wstring(version)
                      + L", die dieses Programm nicht lesen kann.");

    KARTENVERTEILUNG read;
    for (Seat seat = SEAT_0; seat < SEAT_COUNT; ++seat) {
        const auto* hand = vordix::xml::firstChild(vordix::xml::firstChild(element, HAND_ELEMENTS[seat]), "EINBLATT");
        if (hand)
            read.hands[seat].read(hand, document);
    }
    if (const auto* vh = element->FirstChildElement("VH_POS")) {
        const auto seat = vordix::xml::parseInt(vh->GetText() ? vh->GetText() : "");
        if (!seat || *seat < SEAT_NONE || *seat > 2)
            return refuse(L"Die Kartenverteilung nennt keine g\u00fcltige Vorhand.");
        read.vhPos = static_cast<Seat>(*seat);
    }
    read.fillSkatFromRest();
    deal = read;
    comment = vordix::xml::elementText(element->FirstChildElement("Kommentar"));
    modified = false;
    return true;
}

void KARTENVERTEILUNG_DOC::write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument&) const
{
    vordix::xml::setIntAttribute(element, "DokumentVersion", VERSION);
    for (Seat seat = SEAT_0; seat < SEAT_COUNT; ++seat) {
        auto* holder = vordix::xml::appendChild(element, HAND_ELEMENTS[seat]);
        vordix::xml::appendStream(*holder, deal.hands[seat]);
    }
    vordix::xml::setElementText(*vordix::xml::appendChild(element, "VH_POS"), std::to_wstring(deal.vhPos));
    vordix::xml::setElementText(*vordix::xml::appendChild(element, "Kommentar"), comment);
}

int KARTENVERTEILUNG_DOC::onLoadFailed()
{
    modified = true;
    return 1;
}

void KARTENVERTEILUNG_DOC::reset()
{
    file = defaultFile;
    deal.clear();
}
