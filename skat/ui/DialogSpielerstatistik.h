#pragma once
// The player statistics: the three players' games, points and Seeger-Fabian
// totals over every game the table server keeps, ranked by the total scaled
// to 36 games, and the best ten series of the high-score list. "Löschen"
// asks on the yes/no sheet and then empties both and saves them. Filled
// afresh every time it is shown.

#include "vordix/Dialog.h"

#include <memory>
#include <mutex>

class BESTENLISTE;
class SHEET_JA_NEIN;
class SKAT_SERVER;

// Where the statistics come from: the high-score list with the lock its
// writer (the end of a list) takes, and the table server's sheet of all games.
struct STATISTICS_SOURCES {
    BESTENLISTE* highScores = nullptr;
    std::mutex* highScoreMutex = nullptr;
    SKAT_SERVER* server = nullptr;
};

class DIALOG_SPIELERSTATISTIK : public VORDIX_DIALOG {
public:
    static constexpr int FORM_ID = 230;
    static constexpr int DELETE = 231;
    // Rows 0 to 9 of the high-score list: base + row.
    static constexpr int LIST_NAME = 232, LIST_SCORE = 242, LIST_DATE = 252;
    static constexpr int LIST_ROWS = 10;
    // Ranks 0 to 2 of the statistics: base + rank.
    static constexpr int RANK_NAME = 262, RANK_GAMES = 265, RANK_POINTS = 268, RANK_TOTAL = 271, RANK_AVERAGE = 274,
                         RANK_WON_LOST = 279;
    static constexpr int PASSED_IN = 277, RECORDED = 278;

    DIALOG_SPIELERSTATISTIK(VORDIX_FENSTER* parent, STATISTICS_SOURCES sources);
    ~DIALOG_SPIELERSTATISTIK() override;

    // Fills the dialog and runs it (modal).
    void run();
    void initDialog() override;
    void onCommand(int controlId) override;

    // Writes the list rows and the statistics into the controls.
    void fill();
    // Empties the high-score list and the statistics, saves both, fills again.
    void deleteAll();

    bool filled = false;
    // The question before deleting; made at the first fill.
    std::unique_ptr<SHEET_JA_NEIN> sheet;

private:
    STATISTICS_SOURCES sources_;
};
