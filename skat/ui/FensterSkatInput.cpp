// The game window's input: the messages the platform delivers, the keys,
// and the table of hit regions that the press machine (TablePress.h) runs
// through on a press of the left button. What the user did goes to the
// controller's handler as a UserAction; menu-like wishes go to the shell.

#include "skat/app/SkatText.h"
#include "skat/app/UserPrefs.h"
#include "skat/engine/Player.h"
#include "skat/engine/Skattisch.h"
#include "skat/ui/FensterSkat.h"
#include "skat/ui/MainWindowShell.h"
#include "skat/ui/TableDialogs.h"
#include "skat/ui/TableServerAccess.h"
#include "skat/ui/TableSnapshot.h"
#include "vordix/Application.h"
#include "vordix/Message.h"
#include "vordix/Screen.h"

namespace {

constexpr int KEY_ESCAPE = 27;

int cardsPlayed(const TableSnapshot& table) { return table.cards.pile.trickCount() * 3 + table.cards.trick.count(); }

// The take-back command's own condition (takeBackPossible): the quick undo
// must not announce a take-back that the command then refuses (in the
// first trick).
bool undoPossible(const SKATTISCH& table) { return table.isInCardPlayStrict(); }

// No game loop runs: the start buttons take presses.
bool startable(SKATTISCH& table)
{
    auto* server = dynamic_cast<SKATTISCH_SERVER*>(&table);
    return server ? !server->isLoopRunning() : table.currentIndex == STATE_NONE;
}

} // namespace

void FENSTER_SKAT::sendCommand(int commandId)
{
    VORDIX_MESSAGE command(MESSAGE_COMMAND);
    command.commandId = commandId;
    shell_.runCommand(command);
}

void FENSTER_SKAT::onMessage(VORDIX_MESSAGE& message)
{
    const int kind = message.kind;
    // Closing always reaches the application, table or not.
    if (kind == MESSAGE_CLOSE) {
        if (!confirmQuit(this))
            return;
        shell_.shutdown();
        return;
    }
    if (kind == MESSAGE_COMMAND) {
        if (handleTableCommand(message.commandId, this))
            return;
        shell_.runCommand(message);
        return;
    }
    // A press that a region follows gets its moves and its release
    // whatever happens to the table meanwhile.
    if (kind == MESSAGE_MOUSE_MOVE) {
        press_.move(message.x, message.y);
        return;
    }
    if (kind == MESSAGE_MOUSE_RELEASE) {
        press_.release(message.x, message.y);
        return;
    }
    SKATTISCH* table = currentTable();
    if (!table)
        return;
    auto server = tableServer();
    const bool ready = !server || server->isReady();
    switch (kind) {
    case MESSAGE_FULL_SCREEN:
    case MESSAGE_RESIZE:
        // The landscape layout serves the window and full screen alike.
        if (kind == MESSAGE_FULL_SCREEN)
            isFullScreen_ = true;
        prepareImages(landscape);
        invalidate();
        return;
    case MESSAGE_KEY:
        if (ready)
            handleKey(message, *table);
        return;
    case MESSAGE_RIGHT_PRESS:
        if (ready && table->isInCardPlay() && message.y - originY > currentLayout[TableLayout::OWN_HAND_Y])
            shell_.showShorteningDialog();
        return;
    case MESSAGE_UNDO_REQUEST:
        if (!ready)
            return;
        if (undoPossible(*table) && USER_PREFS::instance().takeBackShortcut && controller) {
            controller->showOverlayMessage(skat::text(TextKey::Zug_widerrufen), true, false);
            if (VORDIX_APPLICATION_imp* app = shell_.applicationImplementor())
                app->sleep(1000);
            controller->hideOverlayMessage();
            sendCommand(COMMAND_TAKE_BACK);
        }
        // Then a click at the point.
        press_.press(hitRegions(*table), message.x, message.y);
        press_.release(message.x, message.y);
        return;
    case MESSAGE_MOUSE_PRESS:
        if (ready)
            press_.press(hitRegions(*table), message.x, message.y);
        return;
    default: return;
    }
}

bool FENSTER_SKAT::inSheetCorner(int x, int y) const
{
    const int scaledX = (x - originX) / scaleFactor;
    const int scaledY = (y - originY) / scaleFactor;
    return scaleFactor * scaledX < 100 && scaleFactor * scaledY < 30;
}

void FENSTER_SKAT::startList()
{
    SKATTISCH* table = currentTable();
    auto access = tableServer();
    if (!table || !access)
        return;
    const int rows = TableSnapshot(*table).sheet.rowCount();
    if (rows >= 1 && rows < LISTE::MAX_GAMES)
        access->startNewGameOfList();
    else
        access->startNewSheet();
}

std::vector<HitRegion> FENSTER_SKAT::hitRegions(SKATTISCH& table)
{
    // The regions are asked at once, about the state the user saw.
    const TableSnapshot shown(table);
    const int state = shown.currentIndex;
    const bool cardPlayStarted = state == STATE_KARTE_AUSSPIELEN && cardsPlayed(shown) > 0;
    std::vector<HitRegion> regions;
    // The icons along the edges; any press in the score sheet's corner opens it.
    regions.push_back(buttonRegion(
        "take back", buttons[BUTTON_TAKE_BACK],
        [this, &table] { return undoPossible(table) && controller && controller->isCourseShown(); },
        [this] { sendCommand(COMMAND_TAKE_BACK); }));
    // The game course's hint button plays the card the hint proposes.
    regions.push_back(buttonRegion(
        "hint", buttons[BUTTON_HINT],
        [this] {
            const PLAYER_EINBLATT_CONTROLLER& own = handControllers[0];
            return controller && controller->isCourseShown() && own.inputMode == HAND_INPUT_PLAY
                   && own.shownHand.positionOf(controller->input.suggestedCard) >= 1;
        },
        [this] { handViews[0].playAsClicked(controller->input.suggestedCard); }));
    regions.push_back(actingRegion(
        "score sheet corner", [this](int x, int y) { return inSheetCorner(x, y); },
        [this](int, int) { sendCommand(COMMAND_SCORE_SHEET); }));
    regions.push_back(
        buttonRegion("score sheet", buttons[BUTTON_SCORE_SHEET], {}, [this] { sendCommand(COMMAND_SCORE_SHEET); }));
    regions.push_back(buttonRegion("settings", buttons[BUTTON_SETTINGS], {}, [this] { shell_.runSettingsDialog(); }));
    regions.push_back(buttonRegion("help", buttons[BUTTON_HELP], {}, [this] { shell_.showHelp(HelpPage::Program); }));
    regions.push_back(
        buttonRegion("assistance", buttons[BUTTON_ASSISTANCE], {}, [this] { shell_.showAssistanceDialog(); }));
    regions.push_back(actingRegion(
        "full screen corner", [this](int x, int y) { return x > clientRect().width - 30 && y < 80; },
        [this](int, int) {
            buttons[BUTTON_FULL_SCREEN].flashPressed();
            toggleFullScreen();
        }));
    regions.push_back(buttonRegion("shorten", buttons[BUTTON_SHORTEN], {}, [this] { shell_.showShorteningDialog(); }));
    // In card play a trick pile shows or hides the last trick.
    regions.push_back(actingRegion(
        "trick piles",
        [this, cardPlayStarted](int x, int y) {
            return cardPlayStarted && (pileView.hitsDeck(0, x, y) || pileView.hitsDeck(1, x, y));
        },
        [this](int, int) { sendCommand(COMMAND_LAST_TRICK); }));
    // The start buttons while no game runs.
    regions.push_back(buttonRegion(
        "new list", buttons[BUTTON_NEW_LIST], [&table] { return startable(table); }, [this] { startList(); }));
    regions.push_back(buttonRegion(
        "exercises", buttons[BUTTON_EXERCISES], [&table] { return startable(table); },
        [this] { shell_.runExerciseDialog(); }));
    if (!controller)
        return regions;
    // What the table expects of the user.
    const InputMode mode = controller->input.mode;
    if (mode == INPUT_SKAT_OR_HAND) {
        controller->addSkatOrHandRegions(regions);
        return regions;
    }
    if (mode == INPUT_PUT_AWAY) {
        controller->addDiscardRegions(regions);
        return regions;
    }
    // Kontra and Re while the user is to play a card and may call them.
    for (const bool kontra : {true, false}) {
        auto mayCall = [this, &table, kontra] {
            HUMAN_PLAYER* human = HUMAN_PLAYER::awaited();
            if (controller->input.mode < INPUT_CARD_PLAY || !human)
                return false;
            const Seat seat = table.seatOf(human);
            return kontra ? table.mayCallKontra(seat) : table.mayCallRe(seat);
        };
        regions.push_back(buttonRegion(
            kontra ? "Kontra" : "Re", buttons[kontra ? BUTTON_KONTRA : BUTTON_RE], mayCall, [this, kontra] {
                controller->report(UserAction::of(kontra ? UserAction::KONTRA : UserAction::RE));
                invalidate();
            }));
    }
    pileView.addHitRegions(regions);
    biddingView.addHitRegions(regions);
    regions.push_back(handViews[0].cardRegion());
    // A click anywhere takes a finished trick away.
    regions.push_back(actingRegion(
        "finished trick",
        [state](int, int) { return state == STATE_STICH_ABLEGEN && HUMAN_PLAYER::awaited() != nullptr; },
        [this](int, int) { controller->report(UserAction::of(UserAction::CONFIRM, CONFIRM_NEXT_GAME)); }));
    return regions;
}

void FENSTER_SKAT::handleKey(VORDIX_MESSAGE& message, SKATTISCH& table)
{
    if (message.keyCode == KEY_ESCAPE && isFullScreen_) {
        USER_PREFS::instance().fullScreen = false;
        VORDIX_SCREEN::instance().leaveFullScreen(this);
        fullScreenChanged(false);
    }
    // The open table dialog takes its keys first; then what the table
    // expects: the skat handling, the own hand, the bidding panel and the
    // pile. A finished trick is taken away by any key.
    if (tableDialogs_ && tableDialogs_->handleKey(message.keyCode))
        return;
    const InputMode mode = controller ? controller->input.mode : INPUT_NONE;
    if (mode == INPUT_SKAT_OR_HAND) {
        controller->onSkatOrHandKey(message.keyCode);
        return;
    }
    handViews[0].onKey(message);
    if (mode == INPUT_PUT_AWAY) {
        controller->onDiscardKey(message.keyCode);
        return;
    }
    biddingView.onKey(message);
    if (mode == INPUT_CUT)
        pileView.onKey(message);
    if (table.currentIndex == STATE_STICH_ABLEGEN && HUMAN_PLAYER::awaited() && controller)
        controller->report(UserAction::of(UserAction::CONFIRM, CONFIRM_NEXT_GAME));
}

void FENSTER_SKAT::fullScreenChanged(bool fullScreen)
{
    isFullScreen_ = fullScreen;
    prepareImages(currentLayout);
    invalidate();
}

void FENSTER_SKAT::toggleFullScreen()
{
    USER_PREFS& prefs = USER_PREFS::instance();
    if (!isFullScreen_) {
        prefs.fullScreen = true;
        VORDIX_SCREEN::instance().enterFullScreen(this);
        isFullScreen_ = true;
    } else {
        prefs.fullScreen = false;
        VORDIX_SCREEN::instance().leaveFullScreen(this);
        isFullScreen_ = false;
        if (VORDIX_SCREEN_imp* screen = VORDIX_SCREEN::instance().implementor()) {
            const RECTANGLE work = screen->getWorkArea();
            const RECTANGLE frame = implementor() ? implementor()->getFrameGeometry() : RECTANGLE{};
            move((work.width - frame.width) / 2 + work.x, frame.y);
        }
    }
    fullScreenChanged(isFullScreen_);
    redrawNow();
}
