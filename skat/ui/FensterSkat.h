#pragma once
// The program's main window: the card table with its menu bar. It is the
// view half of a view and controller pair; its controller holds what the
// table expects of the user and is the one handler of the user's actions
// (FensterSkatActions.cpp). The window owns the table's 18 owner-drawn
// buttons, its layout records, the views of the table (to which it is the
// TABLE_VIEW_HOST), the game's dialogs (to which it is the
// TABLE_DIALOG_HOST) and a transparent overlay view that paints what lies
// above the cards. Everything it shows of the table server's current table
// is read from one snapshot taken at paint time (TableSnapshot). The
// table reaches it through FENSTER_SKAT_TABLE_WINDOWS, which its owner
// installs (installTableWindowsFor).

#include "skat/engine/Skat.h"
#include "skat/engine/Stapel.h"
#include "skat/ui/EinblattView.h"
#include "skat/ui/GenericView.h"
#include "skat/ui/ReizenView.h"
#include "skat/ui/SeatPositions.h"
#include "skat/ui/SkatButton.h"
#include "skat/ui/StapelView.h"
#include "skat/ui/TableAnimation.h"
#include "skat/ui/TableDialogSupport.h"
#include "skat/ui/TableInputState.h"
#include "skat/ui/TableLayout.h"
#include "skat/ui/TablePress.h"
#include "skat/ui/TableSnapshot.h"
#include "skat/ui/TableViewHost.h"
#include "skat/ui/TrickCardViews.h"
#include "skat/ui/UserActions.h"
#include "vordix/Bitmap.h"
#include "vordix/Hauptfenster.h"
#include "vordix/Text.h"
#include "vordix/View.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class FENSTER_SKAT;
class FENSTER_SKAT_CONTROLLER;
class MAIN_WINDOW_SHELL;
struct BackgroundFit;
class SKATTISCH;
struct TABLE_DIALOGS;

// A text shown in a balloon beside a seat, or the overlay's message box.
struct SeatText {
    bool shown = false;
    std::wstring text;
    bool centred = false;
    std::int32_t seat = 0;
};

// The transparent view over the whole client area.
class SKAT_OVERLAY_VIEW : public VORDIX_VIEW {
public:
    void draw(VORDIX_ZEICHENBEREICH& area) override;
    FENSTER_SKAT* hostWindow = nullptr; // not owned
};

class FENSTER_SKAT_CONTROLLER : public GENERIC_CONTROLLER<FENSTER_SKAT>, public USER_ACTIONS {
public:
    // The user's actions become the human player's answers here, and
    // nowhere else (FensterSkatActions.cpp).
    void report(const UserAction& action) override;

    // True when the table server has a current table.
    bool hasTable() const;
    bool isAnalysisShown() const;
    bool isCourseShown() const;
    void setAnalysisShown(bool shown);
    // Shows every seat's hand as the table holds it now.
    void updateView();
    // The table asks the user for a card: the own hand takes input; hint is
    // the proposed card (none: 0).
    void beginCardChoice(CardId hint);
    // While the user plays every seat, the seat asked now is brought to the
    // bottom, so that the own hand is always the one to act with; at any
    // other table every seat goes back to its place.
    void faceActingSeat(int seat);
    // The message box of the overlay; an empty text is ignored.
    void showOverlayMessage(const std::wstring& text, bool centred, bool second);
    void hideOverlayMessage();
    // The table asks the user to cut on the pile.
    void beginCut();

    // The skat (SkatHandling.cpp): the choice of skat or hand, the skat
    // shown and taken into the hand, two cards put away on its places.
    void beginSkatOrHand();
    void takeUpSkat(const SKAT& proposal);
    void beginDiscard();
    // Keys, and the regions of the table's press machine, while the user
    // chooses between the skat and a hand game and while putting away.
    void onSkatOrHandKey(int key);
    void addSkatOrHandRegions(std::vector<HitRegion>& regions);
    void onDiscardKey(int key);
    void addDiscardRegions(std::vector<HitRegion>& regions);
    bool takesDiscardInput() const;
    // A skat place (0, 1) in window coordinates.
    RECTANGLE skatPlaceRect(int place) const;
    // The own hand shows no card that lies on a skat place.
    void hidePutAwayCards();
    bool putAway(CardId card);
    void takeBack(int place);

    TableInputState input;
    SeatText overlayMessage;
    bool infoTextShown = false;
    bool analysisWanted = false;
    bool courseWanted = false;
    bool allHandsOpen = false;

private:
    // The handler's steps (FensterSkatActions.cpp).
    void playOwnCard(CardId card);
    void putAwayPair(const SKAT& pair);
    void takeCut(int value);
};

class FENSTER_SKAT : public VORDIX_HAUPTFENSTER,
                     public GENERIC_VIEW<FENSTER_SKAT_CONTROLLER, FENSTER_SKAT>,
                     public TABLE_VIEW_HOST,
                     public TABLE_DIALOG_HOST {
public:
    static constexpr int MAIN_WINDOW_FORM = 3;
    static constexpr int TUTOR_TEXT_CONTROL = 9;
    static constexpr int MIN_WIDTH = 800;
    static constexpr int MIN_HEIGHT = 600;
    static constexpr int MAX_WIDTH = 3000;
    static constexpr int MAX_HEIGHT = 2000;
    // Menu commands the table sends itself.
    static constexpr int COMMAND_TAKE_BACK = 480;   // Frei_undo
    static constexpr int COMMAND_SCORE_SHEET = 471; // Spi_liste
    static constexpr int COMMAND_LAST_TRICK = 474;  // Opt_stich
    static constexpr int MESSAGE_UNDO_REQUEST = 16;
    static constexpr int MESSAGE_RIGHT_PRESS = 17;
    // The height of the menu bar over the top of the client area in full screen.
    static constexpr int FULL_SCREEN_MENU_STRIP = 22;

    explicit FENSTER_SKAT(MAIN_WINDOW_SHELL& shell);
    ~FENSTER_SKAT() override;

    // Builds the platform window with its menu, applies the landscape
    // layout and centres the window in the work area. Runs once.
    void create();
    // Runs when the window goes, before anything of it is taken down (the
    // table adapter detaches here).
    void whenGone(std::function<void()> done);

    // Framework window.
    void onMessage(VORDIX_MESSAGE& message) override;
    void paint(VORDIX_ZEICHENBEREICH& area) override;
    // View half (the window's own handler takes pointer and keys).
    void setPosition(std::int32_t, std::int32_t) override { }
    void redrawNow() override;
    void invalidate() override;
    void draw(VORDIX_ZEICHENBEREICH& area) override { paint(area); }
    void onMouse(VORDIX_MESSAGE&) override { }
    void onKey(VORDIX_MESSAGE&) override { }
    void invalidateOverlay();

    // What the views are given (TABLE_VIEW_HOST).
    TableGeometry geometry() const override;
    const TableInputState& inputState() const override;
    bool sidePanelShown() const override;
    void repaint() override { invalidate(); }
    void repaintNow() override { redrawNow(); }
    void repaintOverlay() override { invalidateOverlay(); }
    void repaintPart(const RECTANGLE& rect) override;
    void showNote(const std::wstring& text) override;
    void hideNote() override;
    void sleepMs(unsigned ms) override;

    // What the dialogs are given (TABLE_DIALOG_HOST).
    VORDIX_FENSTER* dialogParent() override { return this; }
    bool statusPanelBeside() const override;
    USER_ACTIONS& userActions() override { return *controller; }

    void applyLayout(const TableLayout& layout);
    void prepareImages(TableLayout layout);
    // The image cache loaded its pictures: bind the take-back and hint
    // buttons and lay the table out again.
    void onCardSetChanged();
    // What takes a press of the left button on the table now, in order:
    // the icons along the edges, the trick piles, the start buttons, then
    // what the table expects of the user (FensterSkatInput.cpp).
    std::vector<HitRegion> hitRegions(SKATTISCH& table);
    // The settings were applied: the theme, the sorting and the names show
    // at once (FensterSkatPreferences.cpp).
    void preferencesChanged();
    // A player's own picture changed: the table background is painted anew.
    void seatPicturesChanged();

    // The screen was put into full screen (or out of it) from outside the
    // window: the table makes room for the menu bar over it.
    void fullScreenChanged(bool fullScreen);

    // The seat the table highlights; -1 without a table.
    int activeSeat() const;
    // The client size as the platform reports it.
    RECTANGLE clientRect() const;

    FENSTER_SKAT_CONTROLLER* windowController() const { return controller; }
    // The hand view at a screen position (see SeatPositions.h): handViews[0]
    // shows position 1, [1] position 2, [2] position 0.
    PLAYER_EINBLATT_VIEW& handAtPosition(int position);
    // Binds the hand controllers to the seats of the current table.
    void attachSeats();
    // Whether every hand controller shows the seat placed at its position.
    bool seatsAttached() const;
    // Whether the side hand of position 2 or 3 (view 1 or 2) shows its backs:
    // not when every hand is open, nor for the computer declarer of an open
    // game, whose cards lie face up on the table; a hand this program was
    // not shown (the other seats at a joined table) always does.
    bool sideHandFaceDown(int view) const;
    // The trick cards' places (left, top) by screen position, and their size.
    RECTANGLE trickCardRect(int position) const;
    SKAT_OVERLAY_VIEW& overlay() { return overlay_; }
    const TablePlacement& placement() const { return placement_; }
    // How often the table background was painted anew (it is cached).
    int backgroundPaints() const { return backgroundPaints_; }

    std::int32_t scaleFactor = 2;
    std::int32_t originX = 0;
    std::int32_t originY = 0;
    TableLayout currentLayout;
    std::int32_t buttonRowOffset = 0;
    std::array<SKAT_BUTTON, TABLE_BUTTON_COUNT> buttons;
    TableLayout small = smallLayout();
    TableLayout landscape = landscapeLayout();
    TableLayout portrait = portraitLayout();
    VORDIX_TEXT text;
    std::int32_t statusTextLength = 0;
    RECTANGLE tutorTextRect;
    RECTANGLE cornerRect;
    std::wstring statusText;
    std::array<SeatText, 3> seatTexts;
    std::array<PLAYER_EINBLATT_VIEW, 3> handViews;
    std::array<PLAYER_EINBLATT_CONTROLLER, 3> handControllers;
    REIZEN_VIEW biddingView;
    REIZEN_CONTROLLER biddingController;
    STAPEL_VIEW pileView;
    STAPEL_CONTROLLER pileController;
    // The cards of the current trick.
    TRICK_CARD_VIEWS trickCards{*this, *this, [this](int position) { return &handControllerAt(position); }};
    // The application's show-last-trick option (command 474) changed.
    void toggleLastTrick();
    // The card set was switched: every card view is made anew.
    void reloadCardImages();
    // The bid-value calculator with the own hand.
    void openBidCalculator();

    // The table dialogs of a game (null before create).
    TABLE_DIALOGS* tableDialogs() const { return tableDialogs_.get(); }
    MAIN_WINDOW_SHELL& mainShell() { return shell_; }
    PLAYER_EINBLATT_CONTROLLER& handControllerAt(int position);
    // The index of the hand view and controller at a screen position.
    static std::size_t viewOfPosition(int position);
    // The two put-away cards fly to the declarer's pile on the GUI thread;
    // done runs once they arrived.
    void animateDiscard(const SKAT& pair, std::function<void()> done);
    TABLE_ANIMATIONS skatAnimations;

    // What the overlay draws (also painted by tests straight into a bitmap).
    void paintOverlay(VORDIX_ZEICHENBEREICH& area);
    // Runs a paint with one snapshot of the table's state, which every
    // part of the paint reads (a paint inside it shares it).
    void paintWithTable(const std::function<void()>& paint);
    // The table below the overlay, without locking.
    void layoutAndPaint(VORDIX_ZEICHENBEREICH& area);

    // ---- The texts on the table (FensterSkatTexts.cpp).
    // Below the overlay: names, roles, the Skat places and the trick row.
    void paintTableTexts(VORDIX_ZEICHENBEREICH& area, const TableSnapshot& table);
    // In the overlay: the panel, the own role, the title and the balloons.
    void paintOverlayTexts(VORDIX_ZEICHENBEREICH& area, const TableSnapshot& table);
    // The panel in the top-left corner: the game line and the totals.
    void paintGameInfo(VORDIX_ZEICHENBEREICH& area);
    // The names of the two other players beside their hands.
    void paintSeatNames(VORDIX_ZEICHENBEREICH& area);
    // One label at a seat's place, kept inside the client area; its box.
    RECTANGLE drawSeatLabel(VORDIX_TEXT& label, int seat, VORDIX_ZEICHENBEREICH& area, int yAdjust);
    int seatLabelLift(int position);
    // Forehand, middlehand, rearhand, who cuts and deals.
    void paintSeatRoles(VORDIX_ZEICHENBEREICH& area);
    void paintOwnSeatRole(VORDIX_ZEICHENBEREICH& area);
    // The game being played, at the bottom (local declarer) or at the declarer.
    void paintGameTitle(VORDIX_ZEICHENBEREICH& area);
    // One line in a light box at the bottom centre of the table; its box.
    RECTANGLE drawCentredBoxedText(VORDIX_TEXT& label, VORDIX_ZEICHENBEREICH& area);
    // A speech balloon (wrap: a seat text wrapped at 25 characters; else the
    // overlay message with lines separated by "|"); its box.
    RECTANGLE paintBalloon(VORDIX_ZEICHENBEREICH& area, const SeatText& balloon, bool wrap);
    // What a seat says, in a balloon beside it; an empty text hides it.
    void showSeatText(int seat, const std::wstring& text);
    void clearSeatTexts();
    // The two Skat places with their cards (none: an empty frame).
    void paintSkatPair(VORDIX_ZEICHENBEREICH& area, CardId first, CardId second);
    RECTANGLE skatPlaceRect(int place) const;
    // Rebuilds the status text beside the table and shows or hides it.
    void updateInfoText();
    std::wstring composeStatusText(const TableSnapshot& table) const;
    // After the game: the row of the cards one side took (party 0 the
    // declarer's side with the skat, 1 the defenders).
    void onSettlement();
    void prepareTrickDisplay(int party, const STAPEL& pile);
    void hideTrickDisplay();
    bool trickDisplayShown() const { return trickRow_.shown; }
    // The row stands in place of the trick piles while the game is settled;
    // null and Ramsch games keep their piles.
    bool settlementRowShown(const TableSnapshot& table) const;
    int trickDisplayX(int position) const;
    RECTANGLE trickDisplayRect() const;
    int trickDisplayCardWidth() const { return trickRow_.cardWidth; }
    const std::vector<CardId>& trickDisplayCards() const { return trickRow_.cards; }
    // "Deine Stiche" and the like, with the card points of both sides.
    std::wstring trickDisplayCaption(const TableSnapshot& table) const;
    void paintTrickDisplay(VORDIX_ZEICHENBEREICH& area);
    void drawBoxedText(VORDIX_TEXT& label, int x, int y, VORDIX_ZEICHENBEREICH& area);
    // Kontra and Re stand beside the declarer's label.
    int promptButtonOffsetX(int seat) const;
    void placeKontraRe(const TableSnapshot& table, int index);
    struct LabelAnchor {
        int x = 0;
        int y = 0;
    };
    LabelAnchor seatLabelOffset(int position) const;
    int localSeat() const;
    int clientWidth();
    int clientHeight();

private:
    struct TrickRow {
        bool shown = false;
        int party = 0;
        STAPEL pile;
        std::vector<CardId> cards;
        int startX = 0;
        int top = 0;
        int smallGap = 0;
        int bigGap = 0;
        int extra = 0;
        int cardWidth = 0;
        int cardHeight = 0;
    };
    void layoutTrickRow();
    int gapAfter(int i, int smallGap, int bigGap, int extra) const;
    bool isLocalTurnToPlay(const TableSnapshot& table) const;
    // The snapshot of the running paint; outside a paint one taken now into
    // taken. Null without a table.
    const TableSnapshot* shownTable(std::optional<TableSnapshot>& taken) const;
    const TableSnapshot* painted_ = nullptr;

    struct BackgroundKey {
        int width = -1;
        int height = -1;
        bool displayActive = false;
        bool hasTable = false;
        int activeSeat = -2;
        int theme = 0;
        bool cardPlay = false;
        bool operator==(const BackgroundKey&) const = default;
    };

    void paintTable(VORDIX_ZEICHENBEREICH& area, int width, int height);
    // The two other players' own pictures in their frames; true when one
    // was drawn (FensterSkatPreferences.cpp).
    bool paintSeatPictures(VORDIX_ZEICHENBEREICH& area, const BackgroundFit& fit);
    void paintIconButtons(VORDIX_ZEICHENBEREICH& area, const TableSnapshot* table);
    void paintStartButtons(VORDIX_ZEICHENBEREICH& area, const TableSnapshot* table);
    bool showsStartButtons(SKATTISCH* table) const;
    void paintModeContent(VORDIX_ZEICHENBEREICH& area, const TableSnapshot& table);
    void paintTricksTaken(VORDIX_ZEICHENBEREICH& area, const TableSnapshot& table);
    void paintKontraRe(VORDIX_ZEICHENBEREICH& area, const TableSnapshot& table);
    void placeHandViews();
    void showTextButton(VORDIX_ZEICHENBEREICH& area, int index, const std::wstring& label, bool enabled = true);
    void bindButtonImages();
    // ---- Input (FensterSkatInput.cpp).
    void handleKey(VORDIX_MESSAGE& message, SKATTISCH& table);
    void toggleFullScreen();
    void sendCommand(int commandId);
    // A fresh score sheet, or the next game of the current one.
    void startList();
    // The corner of the score-sheet icon, where any press opens the sheet.
    bool inSheetCorner(int x, int y) const;

    MAIN_WINDOW_SHELL& shell_;
    SKAT_OVERLAY_VIEW overlay_;
    BackgroundKey backgroundKey_;
    VORDIX_BITMAP background_;
    TablePlacement placement_;
    std::unique_ptr<FENSTER_SKAT_CONTROLLER> ownedController_;
    bool isFullScreen_ = false;
    // The balloon's pointers (left, right), loaded at their first paint.
    std::array<VORDIX_BITMAP, 2> balloonPointers_;
    int backgroundPaints_ = 0;
    bool hookedImages_ = false; // the image cache calls onCardSetChanged
    std::vector<std::function<void()>> whenGone_;
    TABLE_PRESS press_;
    TrickRow trickRow_;
    std::unique_ptr<TABLE_DIALOGS> tableDialogs_;
};
