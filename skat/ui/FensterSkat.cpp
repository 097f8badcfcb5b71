#include "skat/ui/FensterSkat.h"

#include "skat/app/Bilder.h"
#include "skat/app/SkatText.h"
#include "skat/app/UserPrefs.h"
#include "skat/engine/Player.h"
#include "skat/engine/Skattisch.h"
#include "skat/engine/Stich.h"
#include "skat/ui/MainWindowShell.h"
#include "skat/ui/RightButtonFilter.h"
#include "skat/ui/SeatPictures.h"
#include "skat/ui/TableDialogs.h"
#include "skat/ui/TableServerAccess.h"
#include "skat/ui/TableSnapshot.h"
#include "vordix/Application.h"
#include "vordix/Area.h"
#include "vordix/Message.h"
#include "vordix/Screen.h"
#include "vordix/Zeichenbereich.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <mutex>
#include <thread>

namespace {

// User-interface images of the image cache.
enum UiImage {
    UI_SCORE_SHEET = 1,
    UI_SETTINGS = 2,
    UI_ENTER_FULL_SCREEN = 3,
    UI_LEAVE_FULL_SCREEN = 4,
    UI_BUTTON = 5,
    UI_BUTTON_DOWN = 6,
    UI_BUTTON_INACTIVE = 7,
    UI_SKAT_HELP = 8,
    UI_SKAT_HELP_SELECTED = 9,
    UI_UNDO = 10,
    UI_UNDO_SELECTED = 11,
    UI_REDO = 12,
    UI_REDO_SELECTED = 13,
    UI_HELP = 14,
    UI_SCORE_SHEET_SELECTED = 18,
    UI_SETTINGS_SELECTED = 19,
    UI_HELP_SELECTED = 20,
    UI_ASSISTANCE = 21,
    UI_ASSISTANCE_SELECTED = 22,
    UI_SHORTEN = 23,
    UI_SHORTEN_SELECTED = 24
};
constexpr int TABLE_BACKGROUND = 1;

bool isServerTable(const SKATTISCH* table) { return dynamic_cast<const SKATTISCH_SERVER*>(table) != nullptr; }

// Hints, analysis and the game course are offered at a table of this
// program alone, not in a network game.
bool assistanceAllowed(const SKATTISCH& table) { return !table.isNetworkGame(); }
bool assistanceAllowed(const TableSnapshot& table) { return assistanceAllowed(table.table()); }

} // namespace

// ---------------------------------------------------------------- controller

bool FENSTER_SKAT_CONTROLLER::hasTable() const { return currentTable() != nullptr; }

bool FENSTER_SKAT_CONTROLLER::isAnalysisShown() const
{
    SKATTISCH* table = currentTable();
    return table && assistanceAllowed(*table) && analysisWanted && view
           && layoutKindOf(view->currentLayout) != LayoutKind::Small;
}

bool FENSTER_SKAT_CONTROLLER::isCourseShown() const
{
    SKATTISCH* table = currentTable();
    return table && assistanceAllowed(*table) && courseWanted;
}

void FENSTER_SKAT_CONTROLLER::setAnalysisShown(bool shown)
{
    analysisWanted = shown;
    if (!shown)
        infoTextShown = false;
    else if (view && layoutKindOf(view->currentLayout) != LayoutKind::Small && !infoTextShown)
        infoTextShown = true;
}

void FENSTER_SKAT_CONTROLLER::faceActingSeat(int seat)
{
    const int wanted = userPlaysEverySeat(currentTable()) && isValidSeat(seat) ? seat : -1;
    if (!view || wanted == facedSeat())
        return;
    faceSeat(wanted);
    view->attachSeats();
    view->reloadCardImages();
}

void FENSTER_SKAT_CONTROLLER::updateView()
{
    if (!view)
        return;
    faceActingSeat(facedSeat());
    // A joined table has the user's own seat at the bottom: the hands follow
    // whenever the table or its seating changed.
    if (!view->seatsAttached())
        view->attachSeats();
    for (int i = 1; i < 3; ++i) {
        const bool down = view->sideHandFaceDown(i);
        if (view->handViews[i].faceDown != down) {
            view->handViews[i].faceDown = down;
            view->handViews[i].rebuildCardViews();
        }
    }
    for (PLAYER_EINBLATT_CONTROLLER& hand : view->handControllers)
        hand.refreshHand();
    view->trickCards.layout(false);
    hidePutAwayCards();
    view->invalidate();
}

void FENSTER_SKAT_CONTROLLER::beginCardChoice(CardId hint)
{
    if (!view)
        return;
    input.mode = INPUT_CARD_PLAY;
    input.ownCardOnItsWay = false;
    input.suggestedCard = hint;
    updateView();
    PLAYER_EINBLATT_CONTROLLER& own = view->handControllers[0];
    own.setInputMode(HAND_INPUT_PLAY);
    // With the analysis shown the proposed card stands raised.
    if (hint != NO_CARD && isAnalysisShown())
        own.setHighlightedCard(hint);
    view->invalidate();
}

void FENSTER_SKAT_CONTROLLER::showOverlayMessage(const std::wstring& text, bool centred, bool second)
{
    if (text.empty())
        return;
    overlayMessage.shown = true;
    overlayMessage.text = text;
    overlayMessage.centred = centred;
    overlayMessage.seat = second ? 1 : 0;
    if (view)
        view->invalidateOverlay();
}

void FENSTER_SKAT_CONTROLLER::hideOverlayMessage()
{
    if (!overlayMessage.shown)
        return;
    overlayMessage.shown = false;
    if (view)
        view->invalidateOverlay();
}

// ---------------------------------------------------------------- overlay

void SKAT_OVERLAY_VIEW::draw(VORDIX_ZEICHENBEREICH& area)
{
    if (!hostWindow)
        return;
    hostWindow->paintWithTable([&] { hostWindow->paintOverlay(area); });
}

// ---------------------------------------------------------------- window

FENSTER_SKAT::FENSTER_SKAT(MAIN_WINDOW_SHELL& shell) : shell_(shell)
{
    hostWindow = this;
    currentLayout = landscape;
    for (SKAT_BUTTON& button : buttons)
        button.host = this;
    for (int i = 0; i < 3; ++i) {
        handViews[i].hostWindow = this;
        handViews[i].host = this;
        handViews[i].controller = &handControllers[i];
        handControllers[i].view = &handViews[i];
    }
    biddingView.hostWindow = this;
    biddingView.host = this;
    biddingView.controller = &biddingController;
    biddingController.view = &biddingView;
    pileView.hostWindow = this;
    pileView.host = this;
    pileView.controller = &pileController;
    pileController.view = &pileView;
}

FENSTER_SKAT::~FENSTER_SKAT()
{
    for (const auto& done : whenGone_)
        done();
    tableDialogs_.reset();
    if (tableDialogHost() == this)
        setTableDialogHost(nullptr);
    if (hookedImages_) {
        BILDER::instance().onCardSetChanged = nullptr;
        BILDER::instance().onReloadCardImages = nullptr;
    }
    trickCards.clear();
    for (PLAYER_EINBLATT_VIEW& hand : handViews)
        hand.clearCardViews();
    ownedController_.reset();
    controller = nullptr;
    background_.unload();
}

void FENSTER_SKAT::whenGone(std::function<void()> done) { whenGone_.push_back(std::move(done)); }

void FENSTER_SKAT::create()
{
    if (!controller) {
        ownedController_ = std::make_unique<FENSTER_SKAT_CONTROLLER>();
        controller = ownedController_.get();
        controller->view = this;
        // What the user does on the own hand, the bidding panel and the
        // pile goes to the controller.
        handControllers[0].actions = controller;
        biddingController.actions = controller;
        pileController.actions = controller;
    }
    auto imp = mainImplementor();
    if (!imp)
        return;
    imp->createMenuBar(MAIN_WINDOW_FORM);
    installRightButtonFilter(*this);
    currentLayout = landscape;
    imp->setFixedSize(landscape[TableLayout::MIN_CLIENT_WIDTH], landscape[TableLayout::MIN_CLIENT_HEIGHT], MAX_WIDTH,
                      MAX_HEIGHT);
    isOpen = true;

    const TablePlacement first =
        placeTable(landscape, landscape.designWidth(), landscape.designHeight(), USER_PREFS::instance().tableTheme);
    tutorTextRect = {std::max(first.originX, 10), landscape.designHeight() - 127, TUTOR_TEXT_WIDTH, TUTOR_TEXT_HEIGHT};
    imp->setControlGeometry(TUTOR_TEXT_CONTROL, tutorTextRect.x, tutorTextRect.y, tutorTextRect.width,
                            tutorTextRect.height);
    imp->setControlText(TUTOR_TEXT_CONTROL, L"");
    imp->hideControl(TUTOR_TEXT_CONTROL);
    cornerRect = {landscape.designWidth() - 160, landscape[TableLayout::OWN_HAND_Y] + 22, 140, 60};

    imp->setFocus(&overlay_);
    overlay_.hostWindow = this;
    BILDER::instance().onCardSetChanged = [this] { onCardSetChanged(); };
    BILDER::instance().onReloadCardImages = [this] { reloadCardImages(); };
    hookedImages_ = true;
    attachSeats();
    tableDialogs_ = std::make_unique<TABLE_DIALOGS>(*this);
    setTableDialogHost(this);

    RECTANGLE work{0, 0, landscape.designWidth(), landscape.designHeight()};
    if (VORDIX_SCREEN_imp* screen = VORDIX_SCREEN::instance().implementor())
        work = screen->getWorkArea();
    // The card set was loaded at start-up, before the hook above: bind the
    // take-back and hint buttons' pictures now (they drew their fallback).
    onCardSetChanged();
    applyLayout(landscape);
    RECTANGLE frame = imp->getFrameGeometry();
    // A work area smaller than the table keeps the window on the screen: the
    // client shrinks (not below its minimum) and the table stays centred in it.
    const RECTANGLE client = clientRect();
    const int overheadW = std::max(0, frame.width - client.width);
    const int overheadH = std::max(0, frame.height - client.height);
    if (frame.width > work.width || frame.height > work.height) {
        const int w = std::clamp(work.width - overheadW, MIN_WIDTH, client.width);
        const int h = std::clamp(work.height - overheadH, MIN_HEIGHT, client.height);
        resize(w, h);
        overlay_.resize(w, h);
        prepareImages(currentLayout);
        frame = imp->getFrameGeometry();
    }
    move((work.width - frame.width) / 2 + work.x, (work.height - frame.height) / 2 + work.y);
}

RECTANGLE FENSTER_SKAT::clientRect() const
{
    if (!implementor())
        return {};
    RECTANGLE rect = implementor()->mapToGlobal();
    return {0, 0, rect.width, rect.height};
}

void FENSTER_SKAT::redrawNow()
{
    if (!isOpen || !implementor() || !implementor()->isVisible())
        return;
    repaintRect({0, 0, -1, -1});
    overlay_.updateRect(0, 0, -1, -1);
}

void FENSTER_SKAT::invalidate()
{
    if (!isOpen || !implementor() || !implementor()->isVisible())
        return;
    updateRect(0, 0, -1, -1);
    overlay_.updateRect(0, 0, -1, -1);
}

void FENSTER_SKAT::invalidateOverlay() { overlay_.updateRect(0, 0, -1, -1); }

void FENSTER_SKAT::applyLayout(const TableLayout& layout)
{
    resize(layout.designWidth(), layout.designHeight());
    overlay_.resize(layout.designWidth(), layout.designHeight());
    prepareImages(layout);
}

void FENSTER_SKAT::prepareImages(TableLayout layout)
{
    currentLayout = layout;
    const RECTANGLE client = clientRect();
    const int W = client.width > 0 ? client.width : layout.designWidth();
    const int H = client.height > 0 ? client.height : layout.designHeight();
    // In full screen the menu bar lies over the top of the client area.
    placement_ =
        placeTable(layout, W, H, USER_PREFS::instance().tableTheme, isFullScreen_ ? FULL_SCREEN_MENU_STRIP : 0);
    originX = placement_.originX;
    originY = placement_.originY;
    buttonRowOffset = placement_.buttonRowOffset;
    for (int i = 0; i < TABLE_BUTTON_COUNT; ++i) {
        const ButtonPlace& place = placement_.buttons[i];
        if (!place.placed)
            continue;
        buttons[i].x = place.x;
        buttons[i].y = place.y;
        buttons[i].width = place.width;
    }
    bindButtonImages();
    if (layoutKindOf(layout) == LayoutKind::Small && controller)
        controller->infoTextShown = false;
    BILDER& images = BILDER::instance();
    const bool fullSize = layoutKindOf(layout) != LayoutKind::Small;
    if (images.fullSizeImages() != fullSize)
        images.setFullSizeImages(fullSize);
    const ViewPlace& tutor = placement_.tutorText;
    tutorTextRect = {tutor.x, tutor.y, tutorTextRect.width ? tutorTextRect.width : tutor.width,
                     tutorTextRect.height ? tutorTextRect.height : tutor.height};
    if (isOpen && implementor())
        implementor()->setControlGeometry(TUTOR_TEXT_CONTROL, tutorTextRect.x, tutorTextRect.y, tutorTextRect.width,
                                          tutorTextRect.height);
    placeHandViews();
    biddingView.setPosition(originX, originY);
    pileView.setPosition(placement_.pile.x, placement_.pile.y);
    // The trick piles lie below the side hands, clear of the own hand.
    const float cardScale = layout.cardScale;
    pileView.anchorX = placement_.pileInnerWidth - static_cast<int>(100 * cardScale);
    pileView.anchorY = static_cast<int>(140 * cardScale);
    pileView.labelLine = static_cast<int>(290 * cardScale);
}

void FENSTER_SKAT::reloadCardImages()
{
    for (int i : {1, 2, 0}) {
        PLAYER_EINBLATT_VIEW& hand = handViews[i];
        hand.clearCardViews();
        hand.rebuildCardViews();
        // In their places at once: nothing is dealt.
        for (const auto& card : hand.cardViews())
            card->setGeometry(card->rectangle(), card->rotation);
    }
    trickCards.clear();
    trickCards.layout(false);
    invalidate();
}

void FENSTER_SKAT::openBidCalculator()
{
    if (tableDialogs_)
        tableDialogs_->openCalculator(handControllers[0].shownHand.cardSet());
}

void FENSTER_SKAT::toggleLastTrick()
{
    pileController.showLastTrick = !pileController.showLastTrick;
    invalidate();
}

void FENSTER_SKAT::placeHandViews()
{
    const LayoutKind kind = layoutKindOf(currentLayout);
    for (int i = 0; i < 3; ++i) {
        PLAYER_EINBLATT_VIEW& hand = handViews[i];
        const ViewPlace& place = placement_.hands[i];
        hand.scale = place.scale;
        if (i == 0) {
            // The own hand shrinks until its fan ends inside the window.
            const RECTANGLE client = clientRect();
            if (client.height > 0)
                hand.scale = fittedOwnHandScale(hand.fan(), place.y, client.height);
        }
        hand.setPosition(place.x, place.y);
        hand.setSize(place.width, place.height);
        if (i == 0) {
            hand.fixedSpacing = placement_.ownHandSpacing;
            hand.orientation = 0.0f;
            hand.faceDown = false;
        } else {
            hand.fixedSpacing = kind == LayoutKind::Small ? 16 : 0;
            hand.orientation = i == 1 ? 1.0f : -1.0f;
            hand.faceDown = sideHandFaceDown(i);
        }
        hand.rebuildCardViews();
    }
}

std::size_t FENSTER_SKAT::viewOfPosition(int position) { return position == 1 ? 0 : position == 2 ? 1 : 2; }

PLAYER_EINBLATT_VIEW& FENSTER_SKAT::handAtPosition(int position) { return handViews[viewOfPosition(position)]; }

PLAYER_EINBLATT_CONTROLLER& FENSTER_SKAT::handControllerAt(int position)
{
    return handControllers[viewOfPosition(position)];
}

// ---------------------------------------------------------------- what the views and dialogs are given

TableGeometry FENSTER_SKAT::geometry() const
{
    const RECTANGLE client = clientRect();
    return {currentLayout, originX, originY, client.width, client.height};
}

const TableInputState& FENSTER_SKAT::inputState() const
{
    static const TableInputState none;
    return controller ? controller->input : none;
}

bool FENSTER_SKAT::sidePanelShown() const
{
    return controller && (controller->infoTextShown || controller->isAnalysisShown());
}

bool FENSTER_SKAT::statusPanelBeside() const
{
    return controller && controller->infoTextShown && layoutKindOf(currentLayout) != LayoutKind::Small;
}

void FENSTER_SKAT::repaintPart(const RECTANGLE& rect)
{
    if (isOpen && implementor())
        repaintRect(rect);
}

void FENSTER_SKAT::showNote(const std::wstring& text)
{
    if (controller)
        controller->showOverlayMessage(text, true, false);
}

void FENSTER_SKAT::hideNote()
{
    if (controller)
        controller->hideOverlayMessage();
}

void FENSTER_SKAT::sleepMs(unsigned ms)
{
    if (VORDIX_APPLICATION_imp* app = shell_.applicationImplementor()) {
        app->sleep(ms);
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

bool FENSTER_SKAT::sideHandFaceDown(int view) const
{
    SKATTISCH* table = currentTable();
    const int seat = handControllers[view].seat;
    if (!table || !isValidSeat(seat))
        return !(controller && controller->allHandsOpen);
    // A hand this program was not shown stays face down whatever the user asked.
    if (TableSnapshot(*table).handHidden(static_cast<Seat>(seat)))
        return true;
    if (controller && controller->allHandsOpen)
        return false;
    const SPIELSTRUCT record = table->recordCopy();
    const int level = record.SPIELART.GEWINN_STUFE;
    if ((level != WIN_LEVEL_OUVERT && level != WIN_LEVEL_OUVERT_HAND) || record.declarer() != seat)
        return true;
    const PLAYER* player = table->playerAtSeat(record.declarer());
    return !(player && player->kind() == PLAYER_KIND_COMPUTER);
}

bool FENSTER_SKAT::seatsAttached() const
{
    SKATTISCH* table = currentTable();
    for (int seat = 0; seat < 3; ++seat) {
        if (handControllers[viewOfPosition(screenPositionOfSeat(table, seat))].seat != seat)
            return false;
    }
    return true;
}

void FENSTER_SKAT::attachSeats()
{
    SKATTISCH* table = currentTable();
    for (int seat = 0; seat < 3; ++seat) {
        PLAYER_EINBLATT_VIEW& hand = handAtPosition(screenPositionOfSeat(table, seat));
        static_cast<PLAYER_EINBLATT_CONTROLLER*>(hand.controller)->attachSeat(seat);
    }
}

RECTANGLE FENSTER_SKAT::trickCardRect(int position) const { return geometry().trickCard(position); }

void FENSTER_SKAT::bindButtonImages()
{
    BILDER& images = BILDER::instance();
    for (int index : {0, 1, 10, 11, 12, 13, 14, 15, 16}) {
        SKAT_BUTTON& b = buttons[index];
        b.image = &images.uiImage(UI_BUTTON);
        b.pressedImage = &images.uiImage(UI_BUTTON_DOWN);
        b.disabledImage = &images.uiImage(UI_BUTTON_INACTIVE);
        b.stretched = true;
    }
    auto icon = [&](int index, int normal, int selected) {
        SKAT_BUTTON& b = buttons[index];
        b.image = &images.uiImage(normal);
        b.pressedImage = &images.uiImage(selected);
        b.stretched = false;
    };
    icon(BUTTON_SKAT_HELP, UI_SKAT_HELP, UI_SKAT_HELP_SELECTED);
    const int fullScreenIcon = isFullScreen_ ? UI_LEAVE_FULL_SCREEN : UI_ENTER_FULL_SCREEN;
    icon(BUTTON_FULL_SCREEN, fullScreenIcon, fullScreenIcon);
    icon(BUTTON_SETTINGS, UI_SETTINGS, UI_SETTINGS_SELECTED);
    icon(BUTTON_HELP, UI_HELP, UI_HELP_SELECTED);
    icon(BUTTON_ASSISTANCE, UI_ASSISTANCE, UI_ASSISTANCE_SELECTED);
    icon(BUTTON_SCORE_SHEET, UI_SCORE_SHEET, UI_SCORE_SHEET_SELECTED);
    icon(BUTTON_SHORTEN, UI_SHORTEN, UI_SHORTEN_SELECTED);
}

void FENSTER_SKAT::onCardSetChanged()
{
    BILDER& images = BILDER::instance();
    buttons[BUTTON_TAKE_BACK].image = &images.uiImage(UI_UNDO);
    buttons[BUTTON_TAKE_BACK].pressedImage = &images.uiImage(UI_UNDO_SELECTED);
    buttons[BUTTON_TAKE_BACK].stretched = false;
    buttons[BUTTON_HINT].image = &images.uiImage(UI_REDO);
    buttons[BUTTON_HINT].pressedImage = &images.uiImage(UI_REDO_SELECTED);
    buttons[BUTTON_HINT].stretched = false;
    if (controller) {
        controller->updateView();
        prepareImages(currentLayout);
    }
}

int FENSTER_SKAT::activeSeat() const
{
    std::optional<TableSnapshot> taken;
    const TableSnapshot* table = shownTable(taken);
    if (!table)
        return -1;
    const int forehand = table->modus.forehand;
    const InputMode mode = controller ? controller->input.mode : INPUT_NONE;
    int seat = 1;
    if (mode == INPUT_CUTTING || mode == INPUT_CUT_DONE)
        seat = (forehand + 2) % 3;
    else if (mode == INPUT_CUT)
        seat = (forehand + 1) % 3;
    else if (mode == INPUT_BID || mode == INPUT_OTHERS_BID)
        seat = table->record.REIZEN_DRAN;
    else if (mode >= INPUT_SKAT_SHOWN && mode <= INPUT_PUT_AWAY_DONE)
        seat = table->record.declarer();
    const int state = table->currentIndex;
    const STICH& trick = table->cards.trick;
    const int first = table->cards.leader();
    auto winner = [&] { return (first + trickWinnerIndex(table->record.SPIELART.SPIEL_TYP, trick.code())) % 3; };
    if (state == STATE_REIZEN) {
        seat = table->record.REIZEN_DRAN;
    } else if (state == STATE_SPIEL_ANSAGEN) {
        seat = table->record.declarer();
    } else if (state == STATE_KARTE_AUSSPIELEN && first >= 0) {
        seat = trick.count() < 3 ? (first + trick.count()) % 3 : winner();
    } else if (state == STATE_STICH_ABLEGEN && !USER_PREFS::instance().manualTrickClearing && first >= 0) {
        seat = trick.count() == 3 ? winner() : first;
    }
    return seat;
}

// ---------------------------------------------------------------- painting

void FENSTER_SKAT::paint(VORDIX_ZEICHENBEREICH& area)
{
    if (!controller)
        return;
    paintWithTable([&] { layoutAndPaint(area); });
}

const TableSnapshot* FENSTER_SKAT::shownTable(std::optional<TableSnapshot>& taken) const
{
    if (painted_)
        return painted_;
    const SKATTISCH* table = currentTable();
    return table ? &taken.emplace(*table) : nullptr;
}

void FENSTER_SKAT::paintWithTable(const std::function<void()>& paint)
{
    if (painted_) {
        paint(); // a paint inside a paint shows the same state
        return;
    }
    std::optional<TableSnapshot> taken;
    painted_ = shownTable(taken);
    struct Reset {
        const TableSnapshot*& painted;
        ~Reset() { painted = nullptr; }
    } reset{painted_};
    paint();
}

void FENSTER_SKAT::layoutAndPaint(VORDIX_ZEICHENBEREICH& area)
{
    const TableSnapshot* table = painted_;
    const RECTANGLE client = clientRect();
    const int W = client.width > 0 ? client.width : currentLayout.designWidth();
    const int H = client.height > 0 ? client.height : currentLayout.designHeight();
    auto server = tableServer();
    BackgroundKey key;
    key.width = W;
    key.height = H;
    key.displayActive = server && server->isDisplayActive();
    key.hasTable = table != nullptr;
    key.activeSeat = activeSeat();
    key.theme = USER_PREFS::instance().tableTheme;
    key.cardPlay = table && table->isInCardPlay();
    if (!(key == backgroundKey_) || !background_.isLoaded()) {
        backgroundKey_ = key;
        ++backgroundPaints_;
        VORDIX_ZEICHENBEREICH cache(&background_, W, H);
        cache.beginPaint();
        paintTable(cache, W, H);
        cache.endPaint();
    }
    background_.draw(area, 0, 0);
    if (table) {
        const bool settled = settlementRowShown(*table);
        if (assistanceAllowed(*table) && controller->courseWanted && !settled)
            paintTricksTaken(area, *table);
        paintModeContent(area, *table);
        // The row of the cards a side took replaces the trick piles.
        if (controller->input.mode > INPUT_NEW_GAME && !settled)
            pileView.draw(area);
        paintTableTexts(area, *table);
    }
    // Icons are drawn here, not into the cached background, so their pressed
    // look and the full-screen state show at once.
    paintIconButtons(area, table);
}

void FENSTER_SKAT::paintTable(VORDIX_ZEICHENBEREICH& area, int W, int H)
{
    BILDER& images = BILDER::instance();
    VORDIX_BITMAP& image = images.tableImage(TABLE_BACKGROUND);
    const USER_PREFS& prefs = USER_PREFS::instance();
    const int w = image.isLoaded() ? image.getWidth() : W;
    const int h = image.isLoaded() ? image.getHeight() : H;
    const BackgroundFit fit = fitBackground(W, H, w, h);
    if (W > w || H > h || !image.isLoaded()) {
        VORDIX_AREA fill;
        const ThemeColour& colour = prefs.themeColour[0];
        fill.setColor(colour.red, colour.green, colour.blue);
        fill.fillRect(area, {0, 0, W, H});
    }
    if (!image.isLoaded())
        return;
    const int x0 = originX;
    const int y0 = originY;
    const LayoutKind kind = layoutKindOf(currentLayout);
    drawBackgroundSides(image, area, kind, x0, y0, fit, W);
    drawTableBackground(image, area, kind, x0, y0, fit);
    const bool table = currentTable() != nullptr;
    const int seat = activeSeat();
    // The glow of the seat to act stands where no own picture does.
    const bool pictures = paintSeatPictures(area, fit);
    if (table && !pictures && prefs.tableTheme != USER_PREFS::THEME_MONO && seat >= 0 && seat != 1) {
        VORDIX_BITMAP& eyes = images.smallImage(seat);
        if (eyes.isLoaded()) {
            switch (layoutKindOf(currentLayout)) {
            case LayoutKind::Landscape:
                if (fit.scale <= 1.0f)
                    eyes.draw(area, x0 + 100, y0 + 73);
                else
                    eyes.drawRotated(area, static_cast<int>(x0 - 208 - fit.offsetX),
                                     static_cast<int>(y0 - 128 - fit.offsetY),
                                     static_cast<int>(eyes.getWidth() * fit.scale),
                                     static_cast<int>(eyes.getHeight() * fit.scale), 0.0f);
                break;
            case LayoutKind::Portrait: eyes.draw(area, x0 - 19, y0 + 201); break;
            case LayoutKind::Small: eyes.draw(area, x0 + 50, y0 + 50); break;
            }
        }
    }
}

void FENSTER_SKAT::paintIconButtons(VORDIX_ZEICHENBEREICH& area, const TableSnapshot* table)
{
    for (int index : {7, 6, 8, 9}) {
        buttons[index].visible = true;
        buttons[index].draw(area);
    }
    SKAT_BUTTON& shorten = buttons[BUTTON_SHORTEN];
    shorten.visible = table && table->isInCardPlay();
    shorten.draw(area);
    buttons[BUTTON_FULL_SCREEN].visible = true;
    buttons[BUTTON_FULL_SCREEN].draw(area);
}

void FENSTER_SKAT::showTextButton(VORDIX_ZEICHENBEREICH& area, int index, const std::wstring& label, bool enabled)
{
    SKAT_BUTTON& button = buttons[index];
    button.text = label;
    button.fontSize = 13;
    button.enabled = enabled;
    button.visible = true;
    button.draw(area);
}

void FENSTER_SKAT::paintModeContent(VORDIX_ZEICHENBEREICH& area, const TableSnapshot& table)
{
    const InputMode mode = controller->input.mode;
    const int theme = USER_PREFS::instance().tableTheme;
    for (int index : {3, 14, 15, 16})
        buttons[index].visible = false;
    // The Skat lies face down in the middle until it is taken, under the
    // buttons that take it or leave it.
    const bool skatLies = (mode >= INPUT_CUT_DONE && mode <= INPUT_SKAT_OR_HAND && controller->input.skatFromCut)
                          || mode == INPUT_SKAT_OR_HAND;
    if (skatLies && theme != USER_PREFS::THEME_MONO) {
        VORDIX_BITMAP& skatPicture = BILDER::instance().tableImage(7);
        if (skatPicture.isLoaded())
            skatPicture.draw(area,
                             currentLayout[TableLayout::SKAT_PLACE_X] + currentLayout[TableLayout::MIDDLE_X] + originX,
                             currentLayout[TableLayout::SKAT_PLACE_Y] + currentLayout[TableLayout::MIDDLE_Y] + originY);
    }
    if (mode == INPUT_SKAT_OR_HAND) {
        showTextButton(area, BUTTON_TAKE_SKAT, skat::text(TextKey::Button_Skataufnahme));
        showTextButton(area, BUTTON_PLAY_HAND, skat::text(TextKey::Button_Handspielen));
        buttons[BUTTON_SKAT_HELP].visible = true;
        buttons[BUTTON_SKAT_HELP].draw(area);
    } else if (mode == INPUT_PUT_AWAY) {
        showTextButton(area, BUTTON_PUT_AWAY, skat::text(TextKey::Button_Druecken),
                       controller->input.skatPlaces.isComplete());
    }
    const int state = table.currentIndex;
    const bool playing =
        (state == STATE_KARTE_AUSSPIELEN && table.cards.pile.trickCount() >= 1) || state == STATE_STICH_ABLEGEN;
    const bool course = playing && assistanceAllowed(table) && controller->courseWanted;
    for (int index : {BUTTON_TAKE_BACK, BUTTON_HINT}) {
        buttons[index].visible = course;
        buttons[index].draw(area);
    }
}

void FENSTER_SKAT::paintTricksTaken(VORDIX_ZEICHENBEREICH& area, const TableSnapshot& table)
{
    const LayoutKind kind = layoutKindOf(currentLayout);
    const STAPEL& pile = table.cards.pile;
    const int count = pile.trickCount();
    if (kind == LayoutKind::Small || count <= 0)
        return;
    BILDER& images = BILDER::instance();
    VORDIX_BITMAP& shadow = images.tableImage(17);
    const int baseX = currentLayout[TableLayout::MIDDLE_X] + originX;
    const int baseY = currentLayout[TableLayout::MIDDLE_Y] + originY + (kind == LayoutKind::Portrait ? 26 : -38);
    for (int k = 1; k <= count; ++k) {
        const int age = count - k + 1;
        const double f = std::pow(0.93, age);
        const double g = std::pow(0.96, age);
        const int width = static_cast<int>(144 * f);
        const int height = static_cast<int>(216 * f);
        const double lift = (1.0 - f) * 52.0 / 0.07;
        const STICH trick = pile.trick(k);
        const int leader = pile.leaderOfTrick(k);
        for (int j = 0; j < 3; ++j) {
            const KARTE* card = trick.card(j);
            if (!card || !isRealCard(card->id()))
                continue;
            const int position = (leader + j) % 3; // the screen position of a local seat is the seat
            const int p = position == 0 ? 176 : position == 1 ? 128 : 88;
            const int x = baseX + static_cast<int>(p + 0.5 * (148 - p) * age / count);
            const int y = baseY - static_cast<int>(lift - 11 * j * f);
            images.drawCard(card->id(), area, x, y, width, height, 0.0f);
            if (shadow.isLoaded())
                shadow.drawWithTransparency(area, x, y, width, height, static_cast<float>(1.1 - g), 0.0f);
        }
    }
}

void FENSTER_SKAT::paintKontraRe(VORDIX_ZEICHENBEREICH& area, const TableSnapshot& table)
{
    buttons[BUTTON_KONTRA].visible = false;
    buttons[BUTTON_RE].visible = false;
    HUMAN_PLAYER* human = HUMAN_PLAYER::awaited();
    if (controller->input.mode < INPUT_CARD_PLAY || !human)
        return;
    const Seat seat = table.seatOf(human);
    if (!table.record.KONTRA && !controller->input.kontraCalled) {
        if (!table.table().mayCallKontra(seat))
            return;
        placeKontraRe(table, BUTTON_KONTRA);
        showTextButton(area, BUTTON_KONTRA, skat::text(TextKey::Element_Kontra));
    } else if (!table.record.RE && !controller->input.reCalled && table.table().mayCallRe(seat)) {
        placeKontraRe(table, BUTTON_RE);
        showTextButton(area, BUTTON_RE, skat::text(TextKey::Element_Re));
    }
}

bool FENSTER_SKAT::showsStartButtons(SKATTISCH* table) const
{
    if (!table)
        return true;
    if (auto* server = dynamic_cast<SKATTISCH_SERVER*>(table))
        return !server->isLoopRunning()
               || (controller && controller->input.mode == INPUT_NONE && table->currentIndex == STATE_NONE);
    return table->currentIndex == STATE_NONE;
}

void FENSTER_SKAT::paintStartButtons(VORDIX_ZEICHENBEREICH& area, const TableSnapshot* table)
{
    SKAT_BUTTON& list = buttons[BUTTON_NEW_LIST];
    const bool continues = table && isServerTable(&table->table()) && table->sheet.rowCount() >= 1
                           && table->sheet.rowCount() < LISTE::MAX_GAMES;
    list.text = skat::text(continues ? TextKey::Button_Fortsetzen : TextKey::Button_Neues_Spiel);
    list.fontSize = 13;
    list.visible = true;
    list.draw(area);
    SKAT_BUTTON& exercises = buttons[BUTTON_EXERCISES];
    exercises.text = skat::text(TextKey::Button_Uebungspartien);
    exercises.fontSize = 13;
    exercises.visible = true;
    exercises.draw(area);
}

void FENSTER_SKAT::paintOverlay(VORDIX_ZEICHENBEREICH& area)
{
    std::optional<TableSnapshot> taken;
    const TableSnapshot* table = shownTable(taken);
    auto server = tableServer();
    if (table && server && !server->isDisplayActive())
        return;
    if (table)
        paintKontraRe(area, *table);
    biddingView.draw(area);
    pileView.drawLastTrick(area);
    if (showsStartButtons(currentTable())) {
        paintStartButtons(area, table);
    } else {
        buttons[BUTTON_NEW_LIST].visible = false;
        buttons[BUTTON_EXERCISES].visible = false;
        if (table)
            paintOverlayTexts(area, *table);
    }
}
