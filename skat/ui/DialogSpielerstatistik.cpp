#include "skat/ui/DialogSpielerstatistik.h"

#include "skat/app/Bestenliste.h"
#include "skat/app/SkatText.h"
#include "skat/app/UserPrefs.h"
#include "skat/engine/Liste.h"
#include "skat/net/SkatServer.h"
#include "skat/ui/DialogJaNein.h"
#include "skat/ui/PlayerStatistics.h"
#include "vordix/MessageSink.h"

DIALOG_SPIELERSTATISTIK::DIALOG_SPIELERSTATISTIK(VORDIX_FENSTER* parent, STATISTICS_SOURCES sources)
    : VORDIX_DIALOG(parent, FORM_ID)
    , sources_(sources)
{
}

DIALOG_SPIELERSTATISTIK::~DIALOG_SPIELERSTATISTIK() = default;

void DIALOG_SPIELERSTATISTIK::run()
{
    if (!implementor())
        return;
    // The first show fills it through initDialog.
    if (filled)
        fill();
    implementor()->show();
}

void DIALOG_SPIELERSTATISTIK::initDialog() { fill(); }

void DIALOG_SPIELERSTATISTIK::onCommand(int controlId)
{
    const auto& imp = implementor();
    if (!imp)
        return;
    if (controlId == 2) {
        imp->done = true;
        return;
    }
    if (controlId != DELETE || !sheet)
        return;
    sheet->question = skat::text(TextKey::Dialog_Spielerstatisik_loeschen_jn);
    if (sheet->ask())
        deleteAll();
}

void DIALOG_SPIELERSTATISTIK::fill()
{
    sheet = std::make_unique<SHEET_JA_NEIN>(this);
    const auto& imp = implementor();
    std::vector<BESTENLISTE::SKATENTRY> best;
    if (sources_.highScores && sources_.highScoreMutex) {
        std::lock_guard lock(*sources_.highScoreMutex);
        best = bestEntries(*sources_.highScores);
    }
    PlayerStatistics statistics;
    if (sources_.server)
        sources_.server->withStatisticsSheet([&](LISTE& sheet) { statistics = playerStatistics(sheet); });
    if (!imp) {
        filled = true;
        return;
    }
    for (int row = 0; row < LIST_ROWS; ++row) {
        const bool shown = row < static_cast<int>(best.size());
        const auto* entry = shown ? &best[static_cast<std::size_t>(row)] : nullptr;
        imp->setControlText(LIST_NAME + row, entry ? entry->name : L"");
        imp->setControlText(LIST_SCORE + row, entry ? entry->pointsText : L"");
        imp->setControlText(LIST_DATE + row, entry ? entry->date : L"");
    }
    const auto& names = USER_PREFS::instance().playerNames;
    for (int rank = 0; rank < 3; ++rank) {
        const PlayerStatisticsRow& r = statistics.ranked[static_cast<std::size_t>(rank)];
        imp->setControlText(RANK_NAME + rank, names[static_cast<std::size_t>(r.player)]);
        imp->setControlText(RANK_GAMES + rank, std::to_wstring(r.won + r.lost));
        imp->setControlText(RANK_WON_LOST + rank,
                            L"(" + std::to_wstring(r.won) + L"/" + std::to_wstring(r.lost) + L")");
        imp->setControlText(RANK_POINTS + rank, std::to_wstring(r.points));
        imp->setControlText(RANK_TOTAL + rank, std::to_wstring(r.total));
        imp->setControlText(RANK_AVERAGE + rank, std::to_wstring(r.score));
    }
    imp->setControlText(RECORDED, std::to_wstring(statistics.games));
    imp->setControlText(PASSED_IN, std::to_wstring(statistics.passedIn));
    const bool nothing = best.empty() && statistics.games == 0;
    imp->setControlState(DELETE, nothing ? OB_DISABLED : OB_ENABLED);
    filled = true;
}

void DIALOG_SPIELERSTATISTIK::deleteAll()
{
    {
        // A failed save is told once the lock is released: the end of a
        // list may be waiting for it on the game's thread.
        const vordix::HeldMessages held;
        if (sources_.highScores && sources_.highScoreMutex) {
            std::lock_guard lock(*sources_.highScoreMutex);
            sources_.highScores->clear();
            sources_.highScores->save();
        }
    }
    if (sources_.server) {
        sources_.server->resetStatisticsSheet();
        sources_.server->saveStatisticsSheet();
    }
    fill();
}
