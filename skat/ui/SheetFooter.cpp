#include "skat/ui/SheetFooter.h"

#include "skat/app/PdfSheetRules.h"

SheetFooter sheetFooter(const LISTE& sheet, Scoring scoring, double tariffCents)
{
    SheetFooter footer;
    footer.players = sheet.places == 4 ? 4 : 3;
    footer.scoring = scoring;
    footer.hasMoney = scoring != SCORING_BIERLACHS;
    const int bonusPerLoss = footer.players == 4 ? 30 : 40;
    std::array<int, 4> values{};
    for (int p = 0; p < footer.players; ++p) {
        SheetFooterColumn& c = footer.columns[p];
        const int points = sheet.lastRowPoints(p);
        c.total = scoring == SCORING_BIERLACHS ? sheet.rowValue(sheet.rowCount(), p) : points;
        c.won = sheet.lastRowValue(p);
        c.lost = sheet.lastRowGamesLost(p);
        c.bonus = bonusPerLoss * sheet.sumOfOtherColumns(p);
        c.seegerFabian = points + 50 * c.won - 50 * c.lost + c.bonus;
        values[p] = scoring == SCORING_SEEGER_FABIAN ? c.seegerFabian : points;
    }
    if (footer.hasMoney) {
        const auto cents = pdfsheet::moneyInCents(values, footer.players, tariffCents);
        for (int p = 0; p < footer.players; ++p)
            footer.columns[p].cents = cents[p];
    }
    return footer;
}
