#include "skat/engine/TableWindows.h"

#include "skat/engine/TableServices.h"

#include <mutex>

TABLE_WINDOWS::~TABLE_WINDOWS() = default;

void TABLE_WINDOWS::beginCut(SKATTISCH&) { }
void TABLE_WINDOWS::offerBid(SKATTISCH&, int, const std::wstring&) { }
void TABLE_WINDOWS::beginSkatOrHand(SKATTISCH&) { }
void TABLE_WINDOWS::beginDiscard(SKATTISCH&, const SKAT&) { }
void TABLE_WINDOWS::openAnnounceDialog(SKATTISCH&, CardSet, const SKAT&) { }
void TABLE_WINDOWS::openHandGameDialog(SKATTISCH&, CardSet) { }
void TABLE_WINDOWS::beginCardChoice(SKATTISCH&, CardId) { }
void TABLE_WINDOWS::beginTrickConfirmation(SKATTISCH&) { }
void TABLE_WINDOWS::showSettlement(SKATTISCH&, const SPIELSTRUCT&) { }
void TABLE_WINDOWS::showPassedGame(SKATTISCH&) { }
void TABLE_WINDOWS::showListComplete(SKATTISCH&) { }
bool TABLE_WINDOWS::confirmFreeGame(SKATTISCH&) { return false; }
void TABLE_WINDOWS::refreshMainWindow(SKATTISCH&) { }
void TABLE_WINDOWS::announceComputerCard(SKATTISCH&, int) { }

bool TABLE_WINDOWS::hasMainWindow() const { return false; }
void TABLE_WINDOWS::setInputMode(InputMode) { }
void TABLE_WINDOWS::setPileMode(PileMode) { }
void TABLE_WINDOWS::clearBubbles() { }
void TABLE_WINDOWS::clearSelectedCards() { }
void TABLE_WINDOWS::updateView() { }
void TABLE_WINDOWS::clearHighlight() { }
void TABLE_WINDOWS::repaint() { }
void TABLE_WINDOWS::layoutViews() { }
void TABLE_WINDOWS::relayout() { }
void TABLE_WINDOWS::refreshGameDialogs() { }
void TABLE_WINDOWS::showMainWindow() { }
void TABLE_WINDOWS::updateInfoText() { }
void TABLE_WINDOWS::updateInfoTextOnce() { }
void TABLE_WINDOWS::clearInfoShown() { }
void TABLE_WINDOWS::refreshBidding() { }
void TABLE_WINDOWS::refreshTricksWindow() { }
void TABLE_WINDOWS::refreshSheetWindow(bool) { }
void TABLE_WINDOWS::rebuildCardViews() { }
void TABLE_WINDOWS::setHand(Seat, CardSet) { }
void TABLE_WINDOWS::refreshHands() { }
void TABLE_WINDOWS::showOpenHands(Seat) { }
void TABLE_WINDOWS::setCalculatorHand(Seat) { }
void TABLE_WINDOWS::invalidateHandView() { }
void TABLE_WINDOWS::showWinningCard() { }
void TABLE_WINDOWS::onSettlement() { }
void TABLE_WINDOWS::showExerciseDialog() { }
void TABLE_WINDOWS::showShuffle() { }
void TABLE_WINDOWS::showCut() { }
void TABLE_WINDOWS::dealCards(int) { }
void TABLE_WINDOWS::animateCardToTrick(Seat, CardId, int) { }
void TABLE_WINDOWS::removeCard(Seat, CardId) { }
void TABLE_WINDOWS::showOverlay(const std::wstring&, Seat, int, bool) { }
void TABLE_WINDOWS::hideOverlay() { }
void TABLE_WINDOWS::playSpeaker(const std::wstring&) { }
void TABLE_WINDOWS::playVoice(const std::wstring&, Seat) { }
void TABLE_WINDOWS::announceGame(const SPIELSTRUCT&) { }
void TABLE_WINDOWS::playCardSound() { }
void TABLE_WINDOWS::pause(int ms) { tableServices()->sleepMs(ms); }

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
