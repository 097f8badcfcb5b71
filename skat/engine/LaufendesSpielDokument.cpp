#include "skat/engine/LaufendesSpielDokument.h"

#include "skat/engine/SheetServices.h"
#include "vordix/XmlHelpers.h"

#include <tinyxml2.h>

namespace {

// Game-flow states (the table's GameStateIndex) that the document judges.
inline constexpr int FIRST_STATE = 1;
inline constexpr int LAST_STATE = 10;      // settlement
inline constexpr int FIRST_PLAY_STATE = 8; // card play, trick collection, settlement

// A game goes on only from a whole deal: every card in a hand, on the table,
// on the pile or in the skat (isConsistent sees that none lies twice). A
// place without a card counts as no card.
bool holdsDeal(const SPIELKARTEN& cards)
{
    CardSet dealt = cards.pile.cardSet() | cards.trick.cardSet();
    for (const auto& hand : cards.hands)
        dealt |= hand.cardSet();
    if (cards.pile.recordCount(PARTY_DECLARER) == 0 || cards.pile.skatHidden())
        dealt |= cards.skat.cardSet();
    return dealt == ALL_CARDS;
}

} // namespace

LAUFENDES_SPIEL_DOKUMENT::LAUFENDES_SPIEL_DOKUMENT() = default;

LAUFENDES_SPIEL_DOKUMENT::~LAUFENDES_SPIEL_DOKUMENT() = default;

void LAUFENDES_SPIEL_DOKUMENT::clearGame()
{
    cards.reset();
    record.reset();
}

void LAUFENDES_SPIEL_DOKUMENT::write(tinyxml2::XMLElement& root, tinyxml2::XMLDocument&) const
{
    tinyxml2::XMLElement* running = vordix::xml::appendChild(root, "Laufend");
    vordix::xml::setIntAttribute(*running, "ZUSTANDINDEX", stateIndex);
    vordix::xml::appendStream(*running, cards);
    vordix::xml::appendStream(*running, record);
}

bool LAUFENDES_SPIEL_DOKUMENT::read(const tinyxml2::XMLElement* root, const tinyxml2::XMLDocument& document)
{
    const tinyxml2::XMLElement* running = vordix::xml::firstChild(root, "Laufend");
    if (running == nullptr)
        return false;
    stateIndex = vordix::xml::intAttribute(running, "ZUSTANDINDEX", 0);
    if (stateIndex < FIRST_STATE || stateIndex > LAST_STATE) {
        stateIndex = 0;
        clearGame();
        return true;
    }

    clearGame();
    const tinyxml2::XMLElement* cardState = running->FirstChildElement(cards.elementName());
    const bool cardsRead = cardState != nullptr && cards.read(cardState, document);
    if (!cardsRead || !cards.isConsistent() || !holdsDeal(cards))
        stateIndex = 0;

    if (const tinyxml2::XMLElement* game = running->FirstChildElement(record.elementName()))
        record.read(game, document);

    // Card play needs the game, and every game but Ramsch its declarer.
    if (stateIndex >= FIRST_PLAY_STATE
        && (record.SPIELART.SPIEL_TYP == GAME_NONE
            || (record.SPIELART.SPIEL_TYP != GAME_RAMSCH && !isValidSeat(record.declarer()))))
        stateIndex = 0;
    if (stateIndex == 0)
        clearGame();
    return true;
}

void LAUFENDES_SPIEL_DOKUMENT::reset()
{
    if (file.name.empty())
        file = fileInSheetsFolder(sheetServices()->runningGameFileName());
}

int LAUFENDES_SPIEL_DOKUMENT::onLoadFailed()
{
    reset();
    return DOCUMENT_UNREADABLE;
}
