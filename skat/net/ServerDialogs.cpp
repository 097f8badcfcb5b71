#include "skat/net/ServerDialogs.h"

#include "skat/engine/Liste.h"

#include <mutex>

SERVER_DIALOGS::~SERVER_DIALOGS() = default;

bool SERVER_DIALOGS::askStartNewSheet(int) { return true; }
bool SERVER_DIALOGS::askLeaveGame(LeaveQuestion) { return true; }
int SERVER_DIALOGS::runFreeGameDialog(Seat) { return -1; }
void SERVER_DIALOGS::openSheetWithDialog(LISTE& sheet) { sheet.openWithDialog(); }
void SERVER_DIALOGS::sheetReplaced(const LISTE&) { }
void SERVER_DIALOGS::refreshStartState() { }
void SERVER_DIALOGS::notAvailable(const std::wstring&) { }
bool SERVER_DIALOGS::endJoinDialog(int) { return false; }
void SERVER_DIALOGS::networkNotice(NetworkNotice) { }
bool SERVER_DIALOGS::hasNetworkDialogs() const { return false; }
bool SERVER_DIALOGS::runHostDialog() { return false; }
bool SERVER_DIALOGS::runJoinDialog() { return false; }
void SERVER_DIALOGS::networkSeatsChanged() { }

namespace {

std::mutex dialogsMutex;

std::shared_ptr<SERVER_DIALOGS>& installedDialogs()
{
    static std::shared_ptr<SERVER_DIALOGS> dialogs = std::make_shared<SERVER_DIALOGS>();
    return dialogs;
}

} // namespace

std::shared_ptr<SERVER_DIALOGS> serverDialogs()
{
    std::lock_guard lock(dialogsMutex);
    return installedDialogs();
}

void installServerDialogs(std::shared_ptr<SERVER_DIALOGS> dialogs)
{
    std::lock_guard lock(dialogsMutex);
    installedDialogs() = dialogs ? std::move(dialogs) : std::make_shared<SERVER_DIALOGS>();
}
