#include "skat/shell/ShellServices.h"

#include "skat/app/PdfExport.h"
#include "skat/app/UserPrefs.h"
#include "skat/net/SkatServer.h"
#include "vordix/Application.h"
#include "vordix/MessageSink.h"
#include "vordix/Random.h"

SHELL_TABLE_SERVICES::SHELL_TABLE_SERVICES(VORDIX_APPLICATION_imp* platform, VORDIX_RANDOM& random,
                                           std::mutex& randomMutex)
    : platform_(platform)
    , random_(random)
    , randomMutex_(randomMutex)
{
}

void SHELL_TABLE_SERVICES::processEvents(int ms)
{
    if (ms <= 0)
        return;
    // Off the GUI thread the platform only sleeps.
    if (platform_)
        platform_->processEvents(static_cast<std::uint16_t>(ms));
    else
        sleepMs(ms);
}

int SHELL_TABLE_SERVICES::playDelayMs() const { return USER_PREFS::instance().playDelayMs; }

std::wstring SHELL_TABLE_SERVICES::seatName(int playerId) const
{
    const auto& names = USER_PREFS::instance().playerNames;
    if (playerId < 0 || playerId >= 3)
        return TABLE_SERVICES::seatName(playerId);
    return names[static_cast<std::size_t>(playerId)];
}

bool SHELL_TABLE_SERVICES::manualCut() const { return USER_PREFS::instance().manualCut; }

bool SHELL_TABLE_SERVICES::confirmTricksByClick() const { return USER_PREFS::instance().manualTrickClearing; }

// "Kommentare der Mitspieler" in the settings, kept as the mouse option.
bool SHELL_TABLE_SERVICES::playerComments() const { return USER_PREFS::instance().mouseOption; }

int SHELL_TABLE_SERVICES::drawApplicationRandom(int n)
{
    std::lock_guard lock(randomMutex_);
    return static_cast<int>(random_.next(n));
}

void SHELL_TABLE_SERVICES::addHighScore(const std::wstring& name, int total, const std::wstring& dateText)
{
    // A failed save is told after the lock is released: the statistics
    // dialog takes it on the GUI thread.
    const vordix::HeldMessages held;
    std::lock_guard lock(highScoreMutex);
    highScores.addEntry(total, name, dateText);
    highScores.save();
}

void SHELL_TABLE_SERVICES::loadHighScores()
{
    const vordix::HeldMessages held;
    std::lock_guard lock(highScoreMutex);
    highScores.load();
}

void SHELL_TABLE_SERVICES::addToStatisticsSheet(const SPIELSTRUCT& record, const SPIELKARTEN& cards)
{
    SKAT_SERVER::instance().addToStatisticsSheet(record, cards);
}

void SHELL_TABLE_SERVICES::saveStatisticsSheet() { SKAT_SERVER::instance().saveStatisticsSheet(); }

std::wstring SHELL_TABLE_SERVICES::serverId() const { return SKAT_SERVER::instance().idString(); }

std::array<std::wstring, 4> SHELL_SHEET_SERVICES::playerNames() const { return USER_PREFS::instance().playerNames; }

bool SHELL_SHEET_SERVICES::enterFreeGames() const { return USER_PREFS::instance().enterFreeGames; }

bool SHELL_SHEET_SERVICES::exportPdf(const LISTE& sheet) const { return printScoreSheetForUser(sheet); }
