#pragma once
// What the table and the score sheet take from the running program: the
// user's preferences and names, the application's random numbers, event
// pumping on the GUI thread, the high-score list, the history sheet of the
// table server and the PDF score sheet.

#include "skat/app/Bestenliste.h"
#include "skat/app/SheetTextsFromTable.h"
#include "skat/engine/TableServices.h"

#include <atomic>
#include <mutex>

class VORDIX_APPLICATION_imp;
class VORDIX_RANDOM;

class SHELL_TABLE_SERVICES : public TABLE_SERVICES {
public:
    // The platform application pumps events; the generator is drawn under the lock.
    SHELL_TABLE_SERVICES(VORDIX_APPLICATION_imp* platform, VORDIX_RANDOM& random, std::mutex& randomMutex);

    bool applicationClosing() const override { return closing_; }
    void processEvents(int ms) override;
    int playDelayMs() const override;
    std::wstring seatName(int playerId) const override;
    bool manualCut() const override;
    bool confirmTricksByClick() const override;
    bool playerComments() const override;
    int drawApplicationRandom(int n) override;
    void addHighScore(const std::wstring& name, int total, const std::wstring& dateText) override;
    void addToStatisticsSheet(const SPIELSTRUCT& record, const SPIELKARTEN& cards) override;
    void saveStatisticsSheet() override;
    std::wstring serverId() const override;

    // Set once at shutdown and never cleared.
    void setClosing() { closing_ = true; }
    // Loads the high-score list (the data-loading thread).
    void loadHighScores();

    BESTENLISTE highScores;
    std::mutex highScoreMutex;

private:
    VORDIX_APPLICATION_imp* platform_;
    VORDIX_RANDOM& random_;
    std::mutex& randomMutex_;
    std::atomic<bool> closing_{false};
};

class SHELL_SHEET_SERVICES : public TABLE_SHEET_SERVICES {
public:
    std::array<std::wstring, 4> playerNames() const override;
    bool enterFreeGames() const override;
    bool exportPdf(const LISTE& sheet) const override;
};
