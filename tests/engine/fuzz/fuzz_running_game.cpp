// libFuzzer target for the running-game reader: a game read from any text
// resumes only from a whole, consistent deal with a state the game flow
// knows, and is written, read and written again to the same text.

#include "skat/engine/LaufendesSpielDokument.h"
#include "tests/support/fuzz/FuzzSupport.h"

using fuzzsupport::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzsupport::quietMessages();
    LAUFENDES_SPIEL_DOKUMENT running;
    if (!fuzzsupport::readDocumentText(running, {reinterpret_cast<const char*>(data), size}))
        return 0;
    require(running.stateIndex >= 0 && running.stateIndex <= 10, "state index");
    if (running.canResume()) {
        require(running.cards.isConsistent(), "a resumed game's cards are consistent");
        const CardSet dealt = running.cards.hands[0].cardSet() | running.cards.hands[1].cardSet()
                              | running.cards.hands[2].cardSet() | running.cards.trick.cardSet()
                              | running.cards.pile.cardSet() | running.cards.skat.cardSet();
        require(dealt == ALL_CARDS, "a resumed game holds all 32 cards");
        require(isValidSeat(running.cards.leader()) || running.cards.leader() == SEAT_NONE, "leading seat");
        if (running.record.SPIELART.SPIEL_TYP != GAME_NONE && !running.record.isPassedIn()) {
            SPIELSTRUCT settled = running.record;
            settled.settle(running.cards.pile);
        }
    }

    const std::string once = fuzzsupport::documentText(running);
    LAUFENDES_SPIEL_DOKUMENT again;
    require(fuzzsupport::readDocumentText(again, once), "a written running game reads back");
    require(again.stateIndex == running.stateIndex, "the state reads back");
    fuzzsupport::requireSameText(once, fuzzsupport::documentText(again), "the running game");
    return 0;
}
