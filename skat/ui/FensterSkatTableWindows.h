#pragma once
// What the table asks of the main game window, posted to the GUI thread.
// The table's threads never wait for the GUI thread here: the GUI thread
// may itself be waiting for them (stopping a game joins its threads). The
// window's owner installs it (installTableWindowsFor); the window knows
// nothing of it.

#include "skat/engine/TableWindows.h"

#include <functional>
#include <memory>

class FENSTER_SKAT;
class FENSTER_SKAT_CONTROLLER;

class FENSTER_SKAT_TABLE_WINDOWS : public TABLE_WINDOWS {
public:
    explicit FENSTER_SKAT_TABLE_WINDOWS(FENSTER_SKAT& window);
    // The window goes: work still queued for it is dropped (GUI thread).
    void detach();

    void offerBid(SKATTISCH& table, int value, const std::wstring& playerName) override;
    void beginCardChoice(SKATTISCH& table, CardId hint) override;
    void beginTrickConfirmation(SKATTISCH& table) override;
    void refreshMainWindow(SKATTISCH& table) override;
    void announceComputerCard(SKATTISCH& table, int trickPlace) override;
    // The skat, the announcement and the end of a game (FensterSkatTableDialogs.cpp).
    void beginSkatOrHand(SKATTISCH& table) override;
    void beginDiscard(SKATTISCH& table, const SKAT& proposal) override;
    void openAnnounceDialog(SKATTISCH& table, CardSet hand, const SKAT& skat) override;
    void openHandGameDialog(SKATTISCH& table, CardSet hand) override;
    void showSettlement(SKATTISCH& table, const SPIELSTRUCT& record) override;
    void showPassedGame(SKATTISCH& table) override;
    void showListComplete(SKATTISCH& table) override;

    // What the table events say and refresh (FensterSkatTableEvents.cpp):
    // texts in the seats' balloons or the middle of the table, the voices
    // and sounds, and the windows the application owns.
    void showOverlay(const std::wstring& phrase, Seat seat, int value, bool firstFlag) override;
    void hideOverlay() override;
    void playSpeaker(const std::wstring& phrase) override;
    void playVoice(const std::wstring& phrase, Seat seat) override;
    void announceGame(const SPIELSTRUCT& record) override;
    void playCardSound() override;
    void clearSelectedCards() override;
    void clearHighlight() override;
    void showMainWindow() override;
    void updateInfoTextOnce() override;
    void clearInfoShown() override;
    void refreshBidding() override;
    void refreshTricksWindow() override;
    void refreshSheetWindow(bool withTitle) override;
    void showExerciseDialog() override;
    void setCalculatorHand(Seat seat) override;
    // The change-game-state question over the main window (GUI thread).
    bool confirmFreeGame(SKATTISCH& table) override;
    void refreshGameDialogs() override;
    // The text shown for a phrase of table talk (its value written into a
    // bid); the announcement names the declarer and the game, or says "you"
    // when the user is the declarer.
    static std::wstring overlayText(const std::wstring& phrase, int value, const SPIELSTRUCT* record,
                                    const std::wstring& declarerName, bool declarerIsUser = false);

    // The table events' steps that the hands and the trick show.
    bool hasMainWindow() const override { return true; }
    void setInputMode(InputMode mode) override;
    void updateView() override;
    void repaint() override;
    void layoutViews() override;
    void relayout() override;
    void rebuildCardViews() override;
    void setHand(Seat seat, CardSet hand) override;
    void refreshHands() override;
    void invalidateHandView() override;
    void beginCut(SKATTISCH& table) override;
    void setPileMode(PileMode mode) override;
    void showShuffle() override;
    void dealCards(int cutPosition) override;
    void animateCardToTrick(Seat seat, CardId card, int trickPlace) override;
    void showOpenHands(Seat actingSeat) override;
    void removeCard(Seat seat, CardId card) override;
    void showWinningCard() override;
    // The texts on the table.
    void clearBubbles() override;
    void updateInfoText() override;
    void onSettlement() override;

private:
    void post(std::function<void(FENSTER_SKAT_CONTROLLER&)> work);
    // Brings the seat of the human asked now to the bottom when the user
    // plays every seat (on the table's thread, before the request's work).
    void faceAwaitedHuman(SKATTISCH& table);

    // Read and cleared on the GUI thread only.
    std::shared_ptr<FENSTER_SKAT*> window_;
};

// Makes the window the one the table's events and requests reach (GUI
// thread, after its create): installs its table windows, which detach and
// uninstall themselves when the window goes.
std::shared_ptr<FENSTER_SKAT_TABLE_WINDOWS> installTableWindowsFor(FENSTER_SKAT& window);
