// libFuzzer target for the card-distribution reader: a deal read from any
// text holds only cards each hand can hold, and is written, read and written
// again to the same text.

#include "skat/engine/KartenverteilungDoc.h"
#include "tests/support/fuzz/FuzzSupport.h"

using fuzzsupport::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzsupport::quietMessages();
    KARTENVERTEILUNG_DOC document;
    if (!fuzzsupport::readDocumentText(document, {reinterpret_cast<const char*>(data), size}))
        return 0;
    require(document.deal.vhPos >= SEAT_NONE && document.deal.vhPos <= 2, "forehand seat");
    for (const EINBLATT_SORTIERBAR& hand : document.deal.hands) {
        require(hand.cardCount() <= EINBLATT_SORTIERBAR::MAX_CARDS, "cards of a hand");
        for (int place = 1; place <= hand.cardCount(); ++place)
            require(hand.hasCard(hand.cardIdAt(place)), "a hand's places hold its cards");
    }
    (void)document.deal.isValid();

    const std::string once = fuzzsupport::documentText(document);
    KARTENVERTEILUNG_DOC again;
    require(fuzzsupport::readDocumentText(again, once), "a written deal reads back");
    fuzzsupport::requireSameText(once, fuzzsupport::documentText(again), "the deal");
    return 0;
}
