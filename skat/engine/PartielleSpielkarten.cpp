#include "skat/engine/PartielleSpielkarten.h"

#include "skat/engine/Spielart.h"
#include "skat/engine/Spielstruct.h"
#include "vordix/XmlHelpers.h"

#include <tinyxml2.h>

PARTIELLE_SPIELKARTEN::PARTIELLE_SPIELKARTEN() = default;

PARTIELLE_SPIELKARTEN::~PARTIELLE_SPIELKARTEN() = default;

void PARTIELLE_SPIELKARTEN::assignView(const SPIELKARTEN& full, Seat seat, Seat declarer, GameType type, int winLevel)
{
    static_cast<SPIELKARTEN&>(*this) = full;
    viewSeat = seat;
    for (Seat s = SEAT_0; s < SEAT_COUNT; ++s) {
        handSizes[s] = hands[s].cardCount();
        hands[s].clearCards();
    }
    if (isValidSeat(seat))
        hands[seat] = full.hands[seat];
    const bool open = winLevel == WIN_LEVEL_OUVERT || winLevel == WIN_LEVEL_OUVERT_HAND;
    if (open && isValidSeat(declarer))
        hands[declarer] = full.hands[declarer];
    if (type != GAME_NONE) {
        // The declarer who took the skat knows it; in Ramsch nobody does.
        const bool knowsSkat = seat == declarer && type != GAME_RAMSCH && winLevel < WIN_LEVEL_HAND;
        if (!knowsSkat) {
            skat.clear();
            pile.setSkatHidden(true);
        }
    }
    viewReady = true;
}

void PARTIELLE_SPIELKARTEN::assignView(const SPIELKARTEN& full, Seat seat, const SPIELSTRUCT& game)
{
    assignView(full, seat, game.declarer(), game.SPIELART.SPIEL_TYP, game.SPIELART.GEWINN_STUFE);
}

namespace {
const char* const SIZE_ATTRIBUTES[3] = {"N0", "N1", "N2"};
constexpr int MAX_HAND = 12; // ten cards and the taken skat
} // namespace

void PARTIELLE_SPIELKARTEN::write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument& document) const
{
    SPIELKARTEN::write(element, document);
    vordix::xml::setIntAttribute(element, "SICHT", viewSeat);
    for (Seat s = SEAT_0; s < SEAT_COUNT; ++s)
        vordix::xml::setIntAttribute(element, SIZE_ATTRIBUTES[s], handSizes[s]);
}

bool PARTIELLE_SPIELKARTEN::read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument& document)
{
    viewReady = false;
    if (element == nullptr)
        return false;
    bool ok = readParts(*element, document);
    const int seat = vordix::xml::intAttribute(element, "SICHT", SEAT_NONE);
    ok = ok && seat >= SEAT_NONE && seat < SEAT_COUNT;
    viewSeat = ok ? static_cast<Seat>(seat) : SEAT_NONE;
    for (Seat s = SEAT_0; s < SEAT_COUNT; ++s) {
        const int size = vordix::xml::intAttribute(element, SIZE_ATTRIBUTES[s], hands[s].cardCount());
        ok = ok && size >= hands[s].cardCount() && size <= MAX_HAND;
        handSizes[s] = size;
    }
    // No card may lie in two places.
    CardSet seen = 0;
    const auto place = [&](CardSet cards) {
        ok = ok && (seen & cards) == 0;
        seen |= cards;
    };
    for (const auto& h : hands)
        place(h.cardSet());
    for (int n = 0; n < trick.count(); ++n)
        place(trick.card(n)->bitMask());
    for (Party party : {PARTY_DECLARER, PARTY_DEFENDERS})
        for (int n = 1; n <= pile.recordCount(party); ++n)
            place(cardMaskOfId(pile.recordCard(party, n)));
    if (pile.recordCount(PARTY_DECLARER) == 0)
        place(skat.cardSet());
    if (!ok) {
        clearPlay();
        pile.clear();
        skat.clear();
        handSizes = {};
        return false;
    }
    dealCounter = seen != 0 ? DEALT : 0;
    viewReady = true;
    return true;
}
