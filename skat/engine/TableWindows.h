#pragma once
// What the table and its local players ask of the game windows: preparing
// the main window for a human decision, the dialogs that run over it, and
// the hints shown on the hand. The windows answer later through the human
// player's answer entries. The defaults do nothing, so a table without
// windows (tests) waits until a test answers.

#include "skat/engine/Skat.h"
#include "skat/engine/Spielstruct.h"
#include "skat/engine/WindowModes.h"

#include <memory>
#include <string>

class SKATTISCH;

class TABLE_WINDOWS {
public:
    virtual ~TABLE_WINDOWS();

    // The user cuts on the pile view.
    virtual void beginCut(SKATTISCH& table);
    // The bidding panel offers the value (naming or answering).
    virtual void offerBid(SKATTISCH& table, int value, const std::wstring& playerName);
    virtual void beginSkatOrHand(SKATTISCH& table);
    // The skat goes into the hand; the proposal is highlighted when hints are shown.
    virtual void beginDiscard(SKATTISCH& table, const SKAT& proposal);
    // The game dialog (with the skat) or the hand-game dialog.
    virtual void openAnnounceDialog(SKATTISCH& table, CardSet hand, const SKAT& skat);
    virtual void openHandGameDialog(SKATTISCH& table, CardSet hand);
    // The hand view takes a card; hint is the proposed card (0: none).
    virtual void beginCardChoice(SKATTISCH& table, CardId hint);
    // The user clears the finished trick with a click.
    virtual void beginTrickConfirmation(SKATTISCH& table);
    virtual void showSettlement(SKATTISCH& table, const SPIELSTRUCT& record);
    virtual void showPassedGame(SKATTISCH& table);
    // The score-sheet-complete dialog (modal); returns when it is closed.
    virtual void showListComplete(SKATTISCH& table);
    // The free-game warning; true when the user agrees.
    virtual bool confirmFreeGame(SKATTISCH& table);
    // The main window controller is refreshed.
    virtual void refreshMainWindow(SKATTISCH& table);
    // A computer card is about to be shown at this place (0..2) of the trick.
    virtual void announceComputerCard(SKATTISCH& table, int trickPlace);

    // The steps by which table events are shown (the local observer runs
    // them on the table server's worker; the windows marshal them to the
    // GUI thread). Seats are table seats 0..2; texts are text-table keys,
    // with the value written into the text where it has a place for one.
    // Without a main window no event is shown.
    virtual bool hasMainWindow() const;
    virtual void setInputMode(InputMode mode);
    virtual void setPileMode(PileMode mode);
    virtual void clearBubbles();
    virtual void clearSelectedCards();
    virtual void updateView();
    virtual void clearHighlight();
    virtual void repaint();
    virtual void layoutViews();
    virtual void relayout();
    virtual void refreshGameDialogs();
    virtual void showMainWindow();
    virtual void updateInfoText();
    virtual void updateInfoTextOnce();
    virtual void clearInfoShown();
    virtual void refreshBidding();
    virtual void refreshTricksWindow();
    virtual void refreshSheetWindow(bool withTitle);
    virtual void rebuildCardViews();
    // Each hand view shows its seat's hand; refreshHands re-sorts them.
    virtual void setHand(Seat seat, CardSet hand);
    virtual void refreshHands();
    virtual void showOpenHands(Seat actingSeat);
    virtual void setCalculatorHand(Seat seat);
    virtual void invalidateHandView();
    virtual void showWinningCard();
    virtual void onSettlement();
    virtual void showExerciseDialog();
    // The pile shuffles and is cut (a new deal), then the hands are dealt
    // from the cut position.
    virtual void showShuffle();
    virtual void showCut();
    virtual void dealCards(int cutPosition);
    // A computer's card flies from its hand to the trick place (0..2).
    virtual void animateCardToTrick(Seat seat, CardId card, int trickPlace);
    virtual void removeCard(Seat seat, CardId card);
    // The overlay message at the seat (-1: the middle of the table).
    virtual void showOverlay(const std::wstring& textKey, Seat seat, int value, bool firstFlag);
    virtual void hideOverlay();
    virtual void playSpeaker(const std::wstring& phrase);
    virtual void playVoice(const std::wstring& phrase, Seat seat);
    virtual void announceGame(const SPIELSTRUCT& record);
    virtual void playCardSound();
    // Holds the game (the worker waits, the GUI goes on).
    virtual void pause(int ms);
};

std::shared_ptr<TABLE_WINDOWS> tableWindows();
// Installs the windows; null restores the defaults.
void installTableWindows(std::shared_ptr<TABLE_WINDOWS> windows);
