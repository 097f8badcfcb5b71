#include "skat/engine/TableWindows.h"

#include <mutex>

TABLE_WINDOWS::~TABLE_WINDOWS() = default;

void TABLE_WINDOWS::beginCut(SKATTISCH&) {}
void TABLE_WINDOWS::offerBid(SKATTISCH&, int, const std::wstring&) {}
void TABLE_WINDOWS::beginSkatOrHand(SKATTISCH&) {}
void TABLE_WINDOWS::beginDiscard(SKATTISCH&, const SKAT&) {}
void TABLE_WINDOWS::openAnnounceDialog(SKATTISCH&, CardSet, const SKAT&) {}
void TABLE_WINDOWS::openHandGameDialog(SKATTISCH&, CardSet) {}
void TABLE_WINDOWS::beginCardChoice(SKATTISCH&, CardId) {}
void TABLE_WINDOWS::beginTrickConfirmation(SKATTISCH&) {}
void TABLE_WINDOWS::showSettlement(SKATTISCH&, const SPIELSTRUCT&) {}
void TABLE_WINDOWS::showPassedGame(SKATTISCH&) {}
void TABLE_WINDOWS::showListComplete(SKATTISCH&) {}
bool TABLE_WINDOWS::confirmFreeGame(SKATTISCH&) { return false; }
void TABLE_WINDOWS::refreshMainWindow(SKATTISCH&) {}
void TABLE_WINDOWS::announceComputerCard(SKATTISCH&, int) {}

namespace {
std::mutex windowsMutex;
std::shared_ptr<TABLE_WINDOWS>& slot()
{
    static std::shared_ptr<TABLE_WINDOWS> windows = std::make_shared<TABLE_WINDOWS>();
    return windows;
}
} // namespace

std::shared_ptr<TABLE_WINDOWS> tableWindows()
{
    std::lock_guard lock(windowsMutex);
    return slot();
}

void installTableWindows(std::shared_ptr<TABLE_WINDOWS> windows)
{
    std::lock_guard lock(windowsMutex);
    slot() = windows ? std::move(windows) : std::make_shared<TABLE_WINDOWS>();
}
