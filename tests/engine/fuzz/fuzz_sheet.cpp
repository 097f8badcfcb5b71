// libFuzzer target for the score-sheet reader: any text read as a sheet
// file leaves rows the sheet window and the totals can work with, and what
// was read is written, read (without a word about damage) and written again
// to the same text.

#include "skat/engine/Liste.h"
#include "tests/support/fuzz/FuzzSupport.h"

#include <cstdlib>

using fuzzsupport::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzsupport::quietMessages();
    LISTE sheet;
    if (!fuzzsupport::readDocumentText(sheet, {reinterpret_cast<const char*>(data), size}))
        return 0;
    require(sheet.places == 3 || sheet.places == 4, "three or four places");
    for (int i = 0; i < sheet.rowCount(); ++i) {
        const SPIELSTRUCT& record = sheet.rowAt(i).record;
        require(record.SPIELART.SPIEL_TYP >= GAME_NONE && record.SPIELART.SPIEL_TYP <= GAME_RAMSCH, "game type");
        require(record.declarer() >= SEAT_NONE && record.declarer() <= 2, "declarer seat");
        require(sheet.rowAt(i).trickCount() <= STAPEL::MAX_TRICKS, "ten tricks at most");
        require(sheet.declarerColumnOfRow(i) < sheet.places, "declarer column");
    }
    // Every scoring of every column, as the sheet window and the list end draw them.
    for (int column = 0; column < sheet.places; ++column)
        for (Scoring scoring : {SCORING_CLASSIC, SCORING_SEEGER_FABIAN, SCORING_BIERLACHS})
            (void)sheet.score(column, scoring);
    (void)sheet.moneyBalance(SCORING_SEEGER_FABIAN, 10.0);
    (void)sheet.listEndTotals();

    const std::string once = fuzzsupport::documentText(sheet);
    LISTE again;
    const int shown = fuzzsupport::quietMessages().shown;
    require(fuzzsupport::readDocumentText(again, once), "a written sheet reads back");
    require(fuzzsupport::quietMessages().shown == shown, "a sheet the program wrote is never called damaged");
    require(again.rowCount() == sheet.rowCount(), "every row reads back");
    fuzzsupport::requireSameText(once, fuzzsupport::documentText(again), "the score sheet");
    return 0;
}
