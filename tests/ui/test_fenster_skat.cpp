// The main game window on the offscreen platform: clicks and keys reach its
// one dispatcher, the start buttons start a list on the table server, and a
// table button shows its pressed look while it flashes.

#include "skat/app/Bilder.h"
#include "skat/app/SkatText.h"
#include "skat/app/UserPrefs.h"
#include "skat/engine/Skattisch.h"
#include "skat/engine/TableWindows.h"
#include "skat/ui/DialogReizwerte.h"
#include "skat/ui/FensterSkat.h"
#include "skat/ui/FensterSkatTableWindows.h"
#include "skat/ui/LocalTableServer.h"
#include "skat/ui/MainWindowShell.h"
#include "skat/ui/SeatPositions.h"
#include "skat/ui/TableServerAccess.h"
#include "skat/ui/TableTexts.h"
#include "skat/windows/ControlFactories.h"
#include "skat/windows/ControlIdTable.h"
#include "tests/engine/test_table_support.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/ui/form_test_suite.h"
#include "tests/ui/pointer_gesture.h"
#include "vordix/Application.h"
#include "vordix/Message.h"
#include "vordix/MessageSink.h"
#include "vordix/WinFilePath.h"
#include "vordix/Zeichenbereich.h"
#include "vordix/windows/ClientFenster.h"
#include "vordix/windows/WinFenster.h"
#include "vordix/windows/WinImageView.h"
#include "vordix/windows/WinImplementorFactory.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPointer>
#include <QPolygonF>
#include <QTest>
#include <QTimer>
#include <QTransform>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace {

// Sleeping is where a flash holds its pressed look; the test looks then.
class SleepWatchingApplication : public VORDIX_APPLICATION_imp {
public:
    void quit() override { }
    void setLanguage(bool) override { }
    unsigned processEvents(std::uint16_t, int) override { return 0; }
    void sleep(unsigned ms) override
    {
        slept.push_back(ms);
        if (onSleep)
            onSleep();
    }
    void postMessage(const PostedMessage&) override { }
    void setOwner(VORDIX_APPLICATION*) override { }
    bool isEnglish() const override { return false; }
    bool isServiceDiscoveryAvailable() const override { return false; }
    VORDIX_APPLICATION* getOwner() const override { return nullptr; }

    std::vector<unsigned> slept;
    std::function<void()> onSleep;
};

class RecordingShell : public MAIN_WINDOW_SHELL {
public:
    void runCommand(const VORDIX_MESSAGE& message) override { commands.push_back(message.commandId); }
    void shutdown() override { ++shutdowns; }
    void runSettingsDialog() override { ++settings; }
    void showHelp(HelpPage page) override
    {
        ++help;
        helpPages.push_back(page);
    }
    void showAssistanceDialog() override { ++assistance; }
    void showShorteningDialog() override { ++shortening; }
    void runExerciseDialog() override { ++exercises; }
    VORDIX_APPLICATION_imp* applicationImplementor() override { return &app; }

    std::vector<int> commands;
    std::vector<HelpPage> helpPages;
    int shutdowns = 0, settings = 0, help = 0, assistance = 0, shortening = 0, exercises = 0;
    SleepWatchingApplication app;
};

class StubServer : public TABLE_SERVER_ACCESS {
public:
    SKATTISCH* currentTable() override { return withTable ? &table : nullptr; }
    bool isReady() const override { return ready; }
    void startNewSheet() override { ++newSheets; }
    void startNewGameOfList() override { ++nextGames; }

    SKATTISCH_SERVER table;
    bool withTable = true;
    bool ready = true;
    int newSheets = 0;
    int nextGames = 0;
};

// The window with every message it is handed on record.
class ObservedWindow : public FENSTER_SKAT {
public:
    using FENSTER_SKAT::FENSTER_SKAT;
    void onMessage(VORDIX_MESSAGE& message) override
    {
        seen.push_back(message);
        FENSTER_SKAT::onMessage(message);
    }
    std::vector<VORDIX_MESSAGE> seen;
};

class GameWindow : public FormTestSuite {
protected:
    void SetUp() override
    {
        savedSpeed = USER_PREFS::instance().playDelayMs;
        USER_PREFS::instance().playDelayMs = 0; // cards go to their places at once
        server = std::make_shared<StubServer>();
        installTableServer(server);
        window = std::make_unique<ObservedWindow>(shell);
        window->create();
        installTableWindowsFor(*window);
        window->show();
        client = dynamic_cast<WIN_FENSTER*>(window->implementor().get())->clientWidget();
        ASSERT_NE(client, nullptr);
        // The offscreen screen is smaller than the table; the tests use the
        // table's own size.
        window->resize(1024, 768);
        QTest::qWait(20);
        ASSERT_EQ(client->size(), QSize(1024, 768));
        ASSERT_EQ(window->originX, 0);
        ASSERT_EQ(window->originY, 0);
    }

    void TearDown() override
    {
        window.reset();
        installTableServer(nullptr);
        USER_PREFS::instance().playDelayMs = savedSpeed;
    }

    // A press and release at a point of the client area; the release comes
    // while a button follows the press.
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QPointer<QWidget> target = client;
        QTimer::singleShot(0, [target, at, button] {
            if (target)
                QTest::mouseRelease(target, button, {}, at);
        });
        QTest::mousePress(client, button, {}, at);
        QTest::qWait(5);
    }

    QPoint centreOf(int index) const
    {
        const SKAT_BUTTON& b = window->buttons[index];
        if (b.text.empty())
            return {b.x + b.image->getWidth() / 2, b.y + b.image->getHeight() / 2};
        return {b.x + b.drawnWidth() / 2, b.y + 2 * b.fontSize};
    }

    // Paints the whole window, overlay included, so the start buttons get
    // their labels as the user sees them.
    QImage grabbed() { return client->grab().toImage(); }

    int savedSpeed = 0;
    RecordingShell shell;
    std::shared_ptr<StubServer> server;
    std::unique_ptr<ObservedWindow> window;
    ClientFenster* client = nullptr;
};

TEST_F(GameWindow, BeforeCreationNothingIsPaintedAndWithoutTableNothingIsShown)
{
    RecordingShell otherShell;
    FENSTER_SKAT unopened(otherShell);
    EXPECT_EQ(unopened.windowController(), nullptr);
    VORDIX_BITMAP target;
    {
        VORDIX_ZEICHENBEREICH area(&target, 64, 64);
        area.beginPaint();
        unopened.paint(area);
        area.endPaint();
    }
    EXPECT_EQ(unopened.backgroundPaints(), 0);

    server->withTable = false;
    FENSTER_SKAT_CONTROLLER& controller = *window->windowController();
    controller.analysisWanted = controller.courseWanted = true;
    EXPECT_FALSE(controller.hasTable());
    EXPECT_FALSE(controller.isAnalysisShown());
    EXPECT_FALSE(controller.isCourseShown());
    EXPECT_EQ(window->activeSeat(), -1);
    server->withTable = true;
    EXPECT_TRUE(controller.isCourseShown());
    EXPECT_TRUE(controller.isAnalysisShown()) << "landscape layout, a table of this program";
}

TEST_F(GameWindow, OpensWithTheLandscapeLayoutAndTheStartButtons)
{
    EXPECT_EQ(window->currentLayout, landscapeLayout());
    EXPECT_TRUE(window->isOpen);
    grabbed();
    EXPECT_TRUE(window->buttons[BUTTON_NEW_LIST].visible);
    EXPECT_TRUE(window->buttons[BUTTON_EXERCISES].visible);
    EXPECT_FALSE(window->buttons[BUTTON_NEW_LIST].text.empty());
    for (int icon : {BUTTON_SCORE_SHEET, BUTTON_SETTINGS, BUTTON_HELP, BUTTON_ASSISTANCE, BUTTON_FULL_SCREEN})
        EXPECT_TRUE(window->buttons[icon].visible) << icon;
    EXPECT_FALSE(window->buttons[BUTTON_SHORTEN].visible) << "only during card play";
}

TEST_F(GameWindow, NewListStartsASheetOrContinuesTheCurrentOne)
{
    struct Case {
        int rows;
        int newSheets, nextGames;
    };
    // An empty or a full sheet starts anew; 1 to 35 rows continue.
    for (const Case& c : {Case{0, 1, 0}, Case{1, 0, 1}, Case{35, 0, 1}, Case{36, 1, 0}}) {
        SCOPED_TRACE(c.rows);
        server->newSheets = server->nextGames = 0;
        server->table.sheet.reset();
        for (int i = 0; i < c.rows; ++i)
            server->table.sheet.addGame(SPIELSTRUCT(), SPIELKARTEN(), true);
        ASSERT_EQ(server->table.sheet.rowCount(), c.rows);
        grabbed();
        click(centreOf(BUTTON_NEW_LIST));
        EXPECT_EQ(server->newSheets, c.newSheets);
        EXPECT_EQ(server->nextGames, c.nextGames);
        EXPECT_FALSE(window->buttons[BUTTON_NEW_LIST].pressed) << "the window clears it before acting";
    }
}

TEST_F(GameWindow, AButtonCountsOnlyWhenReleasedOverItself)
{
    struct Case {
        const char* name;
        std::vector<QPoint> moves; // with the button held, before the release
        bool releaseInside;
        int newSheets;
    };
    const QPoint inside = centreOf(BUTTON_NEW_LIST);
    const QPoint outside(inside.x(), inside.y() + 200);
    const Case cases[] = {
        {"released outside", {outside}, false, 0},
        {"moved out and back", {outside, inside}, true, 1},
        {"moved within", {inside + QPoint(10, 0)}, true, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        server->newSheets = 0;
        grabbed();
        const QPoint end = c.releaseInside ? (c.moves.empty() ? inside : c.moves.back()) : outside;
        ASSERT_TRUE(pressMoveRelease(client, inside, c.moves, end));
        EXPECT_EQ(server->newSheets, c.newSheets);
        EXPECT_FALSE(window->buttons[BUTTON_NEW_LIST].pressed);
    }
}

TEST_F(GameWindow, ClicksReachTheirTargets)
{
    grabbed();
    click(centreOf(BUTTON_EXERCISES));
    EXPECT_EQ(shell.exercises, 1);
    // The score-sheet icon, then the corner beside it where no button lies.
    click(centreOf(BUTTON_SCORE_SHEET));
    click({60, 12});
    EXPECT_EQ(shell.commands, (std::vector<int>{471, 471}));
    click(centreOf(BUTTON_SETTINGS));
    click(centreOf(BUTTON_HELP));
    click(centreOf(BUTTON_ASSISTANCE));
    EXPECT_EQ(shell.settings + shell.help + shell.assistance, 3);
    EXPECT_EQ(shell.helpPages, std::vector<HelpPage>{HelpPage::Program})
        << "the table's help icon opens the program help";
    click({400, 300});
    EXPECT_EQ(shell.commands.size(), 2u) << "the empty table sends nothing";
    EXPECT_EQ(server->newSheets, 0);
    // Every click came through the one handler as a left press.
    int presses = 0;
    for (const VORDIX_MESSAGE& m : window->seen)
        presses += m.kind == MESSAGE_MOUSE_PRESS;
    EXPECT_EQ(presses, 7);
}

TEST_F(GameWindow, NothingIsTakenWhileTheServerIsNotReadyOrHasNoTable)
{
    grabbed();
    server->ready = false;
    click(centreOf(BUTTON_NEW_LIST));
    EXPECT_EQ(server->newSheets, 0);
    server->ready = true;
    server->withTable = false;
    click(centreOf(BUTTON_NEW_LIST));
    click({20, 10});
    EXPECT_EQ(server->newSheets, 0);
    EXPECT_TRUE(shell.commands.empty());
    // Closing still reaches the application.
    VORDIX_MESSAGE close(MESSAGE_CLOSE);
    window->onMessage(close);
    EXPECT_EQ(shell.shutdowns, 1);
}

TEST_F(GameWindow, StartButtonsDoNotReactWhileAGameLoopRuns)
{
    LOCAL_TABLE_SERVER local;
    auto previous = server;
    installTableServer(std::shared_ptr<TABLE_SERVER_ACCESS>(&local, [](TABLE_SERVER_ACCESS*) {}));
    grabbed();
    click(centreOf(BUTTON_NEW_LIST));
    EXPECT_TRUE(local.table().isLoopRunning()) << "a click on new list starts a game on the table";
    const auto runId = local.table().tableRunId.load();
    click(centreOf(BUTTON_NEW_LIST));
    EXPECT_EQ(local.table().tableRunId.load(), runId) << "the running game is left alone";
    local.stop();
    EXPECT_FALSE(local.table().isLoopRunning());
    installTableServer(previous);
}

TEST_F(GameWindow, RightPressBelowTheHandRowOpensShorteningInCardPlayOnly)
{
    const int handRow = window->originY + landscapeLayout()[TableLayout::OWN_HAND_Y];
    struct Case {
        int state;
        int y;
        int shown;
    };
    const Case cases[] = {
        {STATE_KARTE_AUSSPIELEN, handRow + 40, 1},
        {STATE_STICH_ABLEGEN, handRow + 40, 1},
        {STATE_KARTE_AUSSPIELEN, handRow - 40, 0},
        {STATE_REIZEN, handRow + 40, 0},
    };
    for (const Case& c : cases) {
        shell.shortening = 0;
        server->table.currentIndex = c.state;
        click({500, c.y}, Qt::RightButton);
        EXPECT_EQ(shell.shortening, c.shown) << c.state << " at " << c.y;
    }
    server->table.currentIndex = STATE_NONE;
    bool sawRight = false;
    for (const VORDIX_MESSAGE& m : window->seen) {
        sawRight |= m.kind == FENSTER_SKAT::MESSAGE_RIGHT_PRESS;
        EXPECT_NE(static_cast<int>(m.kind), FENSTER_SKAT::MESSAGE_UNDO_REQUEST);
    }
    EXPECT_TRUE(sawRight);
}

TEST_F(GameWindow, KeysAndMenuCommandsReachTheDispatcher)
{
    QTest::keyClick(client, Qt::Key_Return);
    QTest::keyClick(client, Qt::Key_Left);
    std::vector<int> keys;
    for (const VORDIX_MESSAGE& m : window->seen)
        if (m.kind == MESSAGE_KEY)
            keys.push_back(m.keyCode);
    EXPECT_NE(std::find(keys.begin(), keys.end(), 13), keys.end());
    EXPECT_NE(std::find(keys.begin(), keys.end(), 202), keys.end());

    // A menu action reports its id to the window, which hands it on.
    auto* host = dynamic_cast<QWidget*>(window->implementor().get());
    ASSERT_NE(host, nullptr);
    for (const char* name : {"Hil_programm", "Spi_neu", "Liste_weiter"}) {
        QAction* action = host->findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        action->trigger();
    }
    QTest::qWait(5);
    EXPECT_EQ(shell.commands, (std::vector<int>{486, 460, 462}));
}

TEST_F(GameWindow, FlashShowsThePressedLookThenTheNormalOne)
{
    const QImage before = grabbed();
    SKAT_BUTTON& button = window->buttons[BUTTON_NEW_LIST];
    const QPoint face(button.x + 12, button.y + 10);
    QImage during;
    shell.app.onSleep = [&] { during = grabbed(); };
    button.flashPressed();
    shell.app.onSleep = nullptr;
    ASSERT_EQ(shell.app.slept, std::vector<unsigned>{200u});
    ASSERT_FALSE(during.isNull());
    const QImage after = grabbed();
    EXPECT_NE(during.pixel(face), before.pixel(face)) << "pressed while the flash lasts";
    EXPECT_EQ(after.pixel(face), before.pixel(face)) << "back to normal afterwards";
    EXPECT_FALSE(button.pressed);
}

} // namespace

namespace {

TEST_F(GameWindow, BackgroundIsPaintedAgainOnlyWhenItsKeyChanges)
{
    grabbed();
    const int first = window->backgroundPaints();
    ASSERT_GE(first, 1);
    grabbed();
    grabbed();
    EXPECT_EQ(window->backgroundPaints(), first) << "nothing changed: the cache is reused";

    USER_PREFS& prefs = USER_PREFS::instance();
    const int theme = prefs.tableTheme;
    prefs.tableTheme = theme == 1 ? 2 : 1;
    grabbed();
    EXPECT_EQ(window->backgroundPaints(), first + 1) << "another theme";
    prefs.tableTheme = theme;
    grabbed();
    EXPECT_EQ(window->backgroundPaints(), first + 2);

    window->resize(1100, 800);
    QTest::qWait(5);
    grabbed();
    EXPECT_EQ(window->backgroundPaints(), first + 3) << "another size";
    EXPECT_EQ(window->originX, 38) << "the landscape table stays centred";
    EXPECT_EQ(window->originY, 16);

    server->table.currentIndex = STATE_KARTE_AUSSPIELEN;
    grabbed();
    EXPECT_EQ(window->backgroundPaints(), first + 4) << "card play begins";
    EXPECT_TRUE(window->buttons[BUTTON_SHORTEN].visible);
    server->table.currentIndex = STATE_NONE;
}

TEST_F(GameWindow, FullScreenKeepsTheLandscapeLayoutAndSwitchesTheIcon)
{
    BILDER& images = BILDER::instance();
    VORDIX_MESSAGE full(MESSAGE_FULL_SCREEN);
    window->onMessage(full);
    EXPECT_EQ(window->currentLayout, landscapeLayout());
    EXPECT_EQ(window->buttons[BUTTON_FULL_SCREEN].image, &images.uiImage(4));
    VORDIX_MESSAGE resized(MESSAGE_RESIZE);
    window->onMessage(resized);
    EXPECT_EQ(window->currentLayout, landscapeLayout());
}

TEST_F(GameWindow, TopRightCornerTogglesFullScreen)
{
    BILDER& images = BILDER::instance();
    USER_PREFS& prefs = USER_PREFS::instance();
    const bool saved = prefs.fullScreen;
    ASSERT_EQ(window->buttons[BUTTON_FULL_SCREEN].image, &images.uiImage(3));
    click({1024 - 10, 70}); // beside the icon, still in the corner
    EXPECT_TRUE(prefs.fullScreen);
    EXPECT_EQ(window->buttons[BUTTON_FULL_SCREEN].image, &images.uiImage(4)) << "the leave icon";
    QTest::qWait(400); // the window's own animation
    click({1024 - 10, 10});
    EXPECT_FALSE(prefs.fullScreen);
    EXPECT_EQ(window->buttons[BUTTON_FULL_SCREEN].image, &images.uiImage(3));
    QTest::qWait(400);
    click({1024 - 40, 100}); // outside the corner
    EXPECT_FALSE(prefs.fullScreen);
    prefs.fullScreen = saved;
}

} // namespace

namespace {

class HarnessServer : public TABLE_SERVER_ACCESS {
public:
    explicit HarnessServer(SKATTISCH_SERVER& table) : table_(table) { }
    SKATTISCH* currentTable() override { return &table_; }
    void startNewSheet() override { }
    void startNewGameOfList() override { }

private:
    SKATTISCH_SERVER& table_;
};

// A human player held at a finished trick that waits for a click.
// The finished trick waits for the user: for ever when tricks are cleared
// by hand, else for the hold of the speed setting (long here), and a click
// or a key takes it away at once.
TEST_F(GameWindow, AClickOrAKeyTakesTheFinishedTrickAway)
{
    const struct {
        const char* name;
        bool byKey;
        bool clickTricks;
    } cases[] = {
        {"click, cleared by hand", false, true},
        {"key, cleared by hand", true, true},
        {"click while the trick is held", false, false},
        {"key while the trick is held", true, false},
    };
    for (const auto& c : cases) {
        const bool byKey = c.byKey;
        SCOPED_TRACE(c.name);
        table_test::TableHarness harness;
        harness.services->clickTricks = c.clickTricks;
        harness.services->trickHold = c.clickTricks ? 0 : 3600 * 1000;
        ASSERT_TRUE(harness.holdHumanAt(REQUEST_CONFIRM_TRICK, table_test::DEAL, SEAT_2));
        installTableServer(std::make_shared<HarnessServer>(*harness.table));
        ASSERT_EQ(harness.table->currentIndex, STATE_STICH_ABLEGEN);
        ASSERT_NE(HUMAN_PLAYER::awaited(), nullptr);
        const int before = harness.observer->count(TRICK_COMPLETE);
        if (byKey)
            QTest::keyClick(client, Qt::Key_Return);
        else
            click({500, 300});
        EXPECT_TRUE(table_test::eventually([&] { return harness.observer->count(TRICK_COMPLETE) > before; }));
        installTableServer(server);
    }
}

// A grand at the stub table after the scripted deal: seat 0 has led the
// spade ace, so the user in seat 1 must play the spade ten.
void dealGrandWithSpadeLead(SKATTISCH_SERVER& table)
{
    table.standardSeating();
    for (Seat seat = SEAT_0; seat < 3; ++seat)
        table.cards.hands[seat].setCardSet(table_test::DEAL[seat]);
    table.record.SPIELART.SPIEL_TYP = GAME_GRAND;
    table.currentIndex = STATE_KARTE_AUSSPIELEN;
    table.cards.AUSP = 0;
    table.cards.playCard(cardIdFromCode("PA"));
}

// A point on the visible strip at the left of the card at a position.
QPoint onCard(const PLAYER_EINBLATT_VIEW& hand, int position)
{
    const RECTANGLE r = hand.cardRect(position);
    return {r.x + 12, r.y + r.height / 2};
}

TEST_F(GameWindow, OwnHandIsAFanOfFacesAndTheOthersShowBacks)
{
    dealGrandWithSpadeLead(server->table);
    window->attachSeats();
    window->windowController()->updateView();
    const PLAYER_EINBLATT_VIEW& own = window->handViews[0];
    ASSERT_EQ(own.cardViews().size(), 10u);
    const HandFan fan = own.fan();
    for (int i = 1; i <= 10; ++i) {
        SCOPED_TRACE(i);
        const VORDIX_IMAGEVIEW& view = *own.cardViews()[i - 1];
        EXPECT_EQ(view.bitmap, &BILDER::instance().cardFace(own.controller->shownHand.cardIdAt(i)));
        EXPECT_EQ(view.rectangle(), own.cardRect(i));
        EXPECT_FLOAT_EQ(view.rotation, fan.cardAngle(i, 10));
        EXPECT_EQ(view.shade, 0);
    }
    EXPECT_EQ(own.controller->shownHand.cardSet(), table_test::DEAL[1]);
    struct Side {
        int view;
        Seat seat;
        std::size_t cards;
    };
    // Seat 2 sits on the left, seat 0 (who led a card) on the right.
    for (const Side& side : {Side{1, SEAT_2, 10}, Side{2, SEAT_0, 9}}) {
        SCOPED_TRACE(side.view);
        const PLAYER_EINBLATT_VIEW& hand = window->handViews[side.view];
        EXPECT_EQ(hand.controller->shownHand.cardSet(), server->table.cards.hands[side.seat].cardSet());
        ASSERT_EQ(hand.cardViews().size(), side.cards);
        for (const auto& view : hand.cardViews())
            EXPECT_EQ(view->bitmap, &BILDER::instance().back);
    }
}

// The computer declarer of an open game plays with its cards face up; the
// other side hand shows its backs until every hand is opened.
TEST_F(GameWindow, TheOpenDeclarersHandLiesFaceUp)
{
    dealGrandWithSpadeLead(server->table);
    window->attachSeats();
    FENSTER_SKAT_CONTROLLER& controller = *window->windowController();
    const int seat = window->handControllers[1].seat;
    ASSERT_EQ(server->table.playerAtSeat(static_cast<Seat>(seat))->kind(), PLAYER_KIND_COMPUTER);
    struct Case {
        const char* name;
        int winLevel;
        bool allOpen;
        bool declarerDown, otherDown;
    };
    const Case cases[] = {
        {"a closed game", WIN_LEVEL_HAND, false, true, true},
        {"null ouvert", WIN_LEVEL_OUVERT, false, false, true},
        {"an open hand game", WIN_LEVEL_OUVERT_HAND, false, false, true},
        {"every hand open", WIN_LEVEL_WITH_SKAT, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        server->table.record.ALLEIN = seat;
        server->table.record.SPIELART.GEWINN_STUFE = c.winLevel;
        controller.allHandsOpen = c.allOpen;
        controller.updateView();
        EXPECT_EQ(window->handViews[1].faceDown, c.declarerDown);
        EXPECT_EQ(window->handViews[2].faceDown, c.otherDown);
        ASSERT_FALSE(window->handViews[1].cardViews().empty());
        EXPECT_EQ(window->handViews[1].cardViews()[0]->bitmap == &BILDER::instance().back, c.declarerDown);
    }
}

// Once the game is announced the own hand is sorted for it: the trumps of
// a suit game stand together; in null the jacks go back to their suits. A
// hand whose game did not change keeps the order the user gave it.
TEST_F(GameWindow, TheAnnouncedGameSortsTheOwnHandAgain)
{
    dealGrandWithSpadeLead(server->table);
    SKATTISCH_SERVER& table = server->table;
    table.currentIndex = STATE_REIZEN;
    table.record.SPIELART = SPIELART();
    window->attachSeats();
    window->windowController()->updateView();
    PLAYER_EINBLATT_CONTROLLER& hand = window->handControllers[0];
    ASSERT_EQ(hand.shownHand.cardCount(), 10);
    hand.moveCard(1, 10);
    const EINBLATT_SORTIERBAR moved = hand.shownHand;
    window->windowController()->updateView();
    EXPECT_TRUE(hand.shownHand == moved) << "the same game keeps the user's order";

    // Where the trumps of the game stand in the shown hand.
    auto trumpPlaces = [&](GameType type) {
        std::vector<int> places;
        for (int i = 1; i <= hand.shownHand.cardCount(); ++i)
            if (trumpMask(type) & cardMaskOfId(hand.shownHand.cardIdAt(i)))
                places.push_back(i);
        return places;
    };
    for (const GameType type : {GAME_HEARTS, GAME_DIAMONDS, GAME_GRAND, GAME_NULL}) {
        SCOPED_TRACE(type);
        table.record.SPIELART = SPIELART(type, WIN_LEVEL_WITH_SKAT);
        table.currentIndex = STATE_KARTE_AUSSPIELEN;
        window->windowController()->updateView();
        EINBLATT_SORTIERBAR expected = hand.shownHand;
        hand.sortHandFor(type);
        EXPECT_TRUE(hand.shownHand == expected) << "sorted for the announced game";
        const std::vector<int> places = trumpPlaces(type);
        if (!places.empty())
            EXPECT_EQ(places.back() - places.front() + 1, static_cast<int>(places.size())) << "the trumps together";
        // The user's order holds while the game stays.
        hand.moveCard(1, 10);
        expected = hand.shownHand;
        window->windowController()->updateView();
        EXPECT_TRUE(hand.shownHand == expected);
    }
}

TEST_F(GameWindow, AnIllegalCardDimsTheOthersAndIsNotPlayed)
{
    dealGrandWithSpadeLead(server->table);
    window->attachSeats();
    window->windowController()->beginCardChoice(NO_CARD);
    PLAYER_EINBLATT_VIEW& own = window->handViews[0];
    PLAYER_EINBLATT_CONTROLLER& hand = window->handControllers[0];
    ASSERT_EQ(hand.inputMode, HAND_INPUT_PLAY);
    const int heartAce = hand.shownHand.positionOf(cardIdFromCode("HA"));
    const int spadeTen = hand.shownHand.positionOf(cardIdFromCode("P1"));
    ASSERT_GT(heartAce, 0);
    click(onCard(own, heartAce));
    EXPECT_EQ(hand.shownHand.cardCount(), 10) << "the heart ace may not be played";
    EXPECT_TRUE(hand.legalDisplay);
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(own.cardViews()[i - 1]->shade, i == spadeTen ? 0 : 1) << i;
    // The legal card goes; the dimming ends with it.
    click(onCard(own, spadeTen));
    EXPECT_EQ(hand.shownHand.cardCount(), 9);
    EXPECT_EQ(hand.chosen, cardIdFromCode("P1"));
    EXPECT_FALSE(hand.legalDisplay);
    EXPECT_EQ(hand.inputMode, HAND_INPUT_NONE);
    for (const auto& view : own.cardViews())
        EXPECT_EQ(view->shade, 0);
}

// The outline of a card widget as it is drawn on the client, its card's
// rectangle grown (or shrunk) by margin pixels.
QPolygonF drawnOutline(const WIN_IMAGEVIEW& widget, double margin)
{
    const QRectF image = widget.imageRect();
    const double diagonal = std::hypot(image.width(), image.height());
    const double scale = widget.width() / diagonal;
    const double w = image.width() * scale;
    const double h = image.height() * scale;
    const QPointF centre = QPointF(widget.geometry().topLeft()) + widget.imageOffset() * scale + QPointF(w / 2, h / 2);
    QTransform turn;
    turn.translate(centre.x(), centre.y());
    turn.rotate(-widget.rotation());
    return turn.map(QPolygonF(QRectF(-w / 2 - margin, -h / 2 - margin, w + 2 * margin, h + 2 * margin)));
}

// A press on the fanned, overlapping hand takes the card the user sees under
// the pointer: the topmost card as the card widgets are drawn and stacked.
TEST_F(GameWindow, APressOnTheFanTakesTheTopmostCardDrawnThere)
{
    for (const QSize size : {QSize(1024, 768), QSize(1920, 1080)}) {
        SCOPED_TRACE(size.width());
        dealGrandWithSpadeLead(server->table);
        server->table.currentIndex = STATE_REIZEN; // a press chooses a card and plays nothing
        window->resize(size.width(), size.height());
        QTest::qWait(20);
        window->attachSeats();
        window->windowController()->updateView();
        PLAYER_EINBLATT_VIEW& own = window->handViews[0];
        PLAYER_EINBLATT_CONTROLLER& hand = window->handControllers[0];
        hand.setInputMode(HAND_INPUT_PRESS);
        hand.setHighlightedCard(hand.shownHand.cardIdAt(4)); // one card stands raised
        QTest::qWait(300);                                   // the cards reach their places
        ASSERT_EQ(own.cardViews().size(), 10u);
        // The card widgets in the order they are stacked, bottom first.
        std::vector<std::pair<CardId, const WIN_IMAGEVIEW*>> stacked;
        auto widgetOf = [&](int i) {
            return dynamic_cast<WIN_IMAGEVIEW*>(own.cardViews()[i - 1]->implementor().get());
        };
        for (QObject* child : client->children())
            for (int i = 1; i <= 10; ++i)
                if (child == widgetOf(i))
                    stacked.emplace_back(hand.shownHand.cardIdAt(i), widgetOf(i));
        ASSERT_EQ(stacked.size(), 10u);
        // The topmost card whose outline (grown or shrunk by the margin) holds the point.
        auto topmost = [&](QPointF p, double margin) {
            CardId card = NO_CARD;
            for (const auto& [id, widget] : stacked)
                if (drawnOutline(*widget, margin).containsPoint(p, Qt::OddEvenFill))
                    card = id;
            return card;
        };
        QRectF area;
        for (const auto& entry : stacked)
            area = area.united(drawnOutline(*entry.second, 0).boundingRect());
        HitRegion region = own.cardRegion();
        int checked = 0;
        for (int py = static_cast<int>(area.top()) - 4; py <= area.bottom() + 4; py += 5)
            for (int px = static_cast<int>(area.left()) - 4; px <= area.right() + 4; px += 3) {
                const QPointF p(px, py);
                const CardId seen = topmost(p, 0);
                // Points within two pixels of an outline may go either way.
                if (topmost(p, 2) != seen || topmost(p, -2) != seen)
                    continue;
                ++checked;
                hand.chosen = NO_CARD;
                if (region.covers(px, py))
                    if (std::optional<PressFollower> follower = region.pressed(px, py); follower && follower->released)
                        follower->released(px, py);
                ASSERT_EQ(hand.chosen, seen) << "press at " << px << "," << py;
            }
        EXPECT_GT(checked, 1000);
    }
}

// A hand shakes a little between press and release: the pressed card is
// chosen and the hand keeps its order; only a pointer that went further is a
// drag, which chooses nothing when the card ends back in the row.
TEST_F(GameWindow, AClickThatShakesAFewPixelsChoosesThePressedCard)
{
    dealGrandWithSpadeLead(server->table);
    server->table.currentIndex = STATE_REIZEN; // a press chooses a card and plays nothing
    window->attachSeats();
    window->windowController()->updateView();
    PLAYER_EINBLATT_VIEW& own = window->handViews[0];
    PLAYER_EINBLATT_CONTROLLER& hand = window->handControllers[0];
    hand.setInputMode(HAND_INPUT_PRESS);
    QTest::qWait(300); // the cards reach their places
    struct Case {
        const char* name;
        std::vector<QPoint> moves; // offsets from the press, the last one is the release
        bool chosen;
    };
    const Case cases[] = {
        {"one pixel left", {{-1, 0}}, true},
        {"one pixel right", {{1, 0}}, true},
        {"a few pixels about", {{-2, 1}, {-4, 3}, {-3, -2}}, true},
        {"to the slack's corner", {{-9, 9}}, true},
        {"up and right", {{8, -9}}, true},
        {"out and back", {{-30, 0}, {-2, 0}}, false},
    };
    const EINBLATT_SORTIERBAR before = hand.shownHand;
    for (const Case& c : cases)
        for (int position : {2, 5, 9}) {
            SCOPED_TRACE(std::string(c.name) + " on " + std::to_string(position));
            hand.shownHand = before;
            own.rebuildCardViews();
            hand.chosen = NO_CARD;
            const CardId pressed = hand.shownHand.cardIdAt(position);
            const QPoint at = onCard(own, position);
            HitRegion region = own.cardRegion();
            ASSERT_TRUE(region.covers(at.x(), at.y()));
            std::optional<PressFollower> follower = region.pressed(at.x(), at.y());
            ASSERT_TRUE(follower);
            for (const QPoint& offset : c.moves)
                follower->moved(at.x() + offset.x(), at.y() + offset.y());
            const QPoint end = at + c.moves.back();
            follower->released(end.x(), end.y());
            EXPECT_EQ(hand.chosen, c.chosen ? pressed : NO_CARD);
            if (c.chosen)
                EXPECT_TRUE(hand.shownHand == before) << "a click does not reorder the hand";
        }
}

TEST_F(GameWindow, LeftAndRightMoveTheHighlightWithinTheHand)
{
    dealGrandWithSpadeLead(server->table);
    window->attachSeats();
    PLAYER_EINBLATT_CONTROLLER& hand = window->handControllers[0];
    window->windowController()->updateView();
    QTest::keyClick(client, Qt::Key_Right);
    EXPECT_EQ(hand.highlighted, NO_CARD) << "keys do nothing while the hand takes no input";
    window->windowController()->beginCardChoice(NO_CARD);
    struct Case {
        const char* name;
        int from; // highlighted position before, 0: none
        Qt::Key key;
        int to;
    };
    const Case cases[] = {
        {"Right without a highlight takes the first", 0, Qt::Key_Right, 1},
        {"Left without a highlight takes the last", 0, Qt::Key_Left, 10},
        {"Right moves on", 4, Qt::Key_Right, 5},
        {"Left moves back", 4, Qt::Key_Left, 3},
        {"Left stays on the first", 1, Qt::Key_Left, 1},
        {"Right stays on the last", 10, Qt::Key_Right, 10},
        {"Down changes nothing", 6, Qt::Key_Down, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        hand.setHighlightedCard(c.from ? hand.shownHand.cardIdAt(c.from) : NO_CARD);
        QTest::keyClick(client, c.key);
        EXPECT_EQ(hand.highlighted, hand.shownHand.cardIdAt(c.to));
    }
    // The raised card stands higher than the row.
    hand.setHighlightedCard(hand.shownHand.cardIdAt(5));
    const PLAYER_EINBLATT_VIEW& own = window->handViews[0];
    EXPECT_EQ(own.cardViews()[4]->y, own.fan().cardY(5, 10) + own.rowTop - static_cast<int>(10 * own.scale));
    EXPECT_EQ(own.cardViews()[3]->y, own.fan().cardY(4, 10) + own.rowTop);
    // A card the hand does not hold clears the highlight.
    hand.setHighlightedCard(cardIdFromCode("KB"));
    EXPECT_EQ(hand.highlighted, NO_CARD);
}

// The human in seat 1 leads the first trick; the card chosen in the window
// reaches the game.
TEST_F(GameWindow, AClickOrEnterPlaysTheCardForTheWaitingHuman)
{
    for (bool byKeys : {false, true}) {
        SCOPED_TRACE(byKeys ? "keys" : "click");
        table_test::TableHarness harness;
        ASSERT_TRUE(harness.holdHumanAt(REQUEST_PLAY_CARD, table_test::DEAL, SEAT_1));
        installTableServer(std::make_shared<HarnessServer>(*harness.table));
        window->attachSeats();
        window->windowController()->beginCardChoice(NO_CARD);
        PLAYER_EINBLATT_CONTROLLER& hand = window->handControllers[0];
        ASSERT_EQ(hand.shownHand.cardCount(), 10);
        const CardId card = hand.shownHand.cardIdAt(2);
        if (byKeys) {
            QTest::keyClick(client, Qt::Key_Right);
            QTest::keyClick(client, Qt::Key_Right);
            QTest::keyClick(client, Qt::Key_Return);
        } else {
            click(onCard(window->handViews[0], 2));
        }
        EXPECT_TRUE(table_test::eventually([&] {
            std::lock_guard lock(harness.table->tableLock);
            return !harness.table->cards.hands[1].hasCard(card);
        }));
        // The table still shows the game (names, piles, title) while the
        // others play and while a trick the card finished is held.
        EXPECT_EQ(window->windowController()->input.mode, INPUT_OTHERS_PLAY);
        installTableServer(server);
        window->attachSeats();
    }
}

// With the game course shown, its hint button plays the card the hint
// proposed for the user; without the course it does nothing.
TEST_F(GameWindow, TheCourseHintButtonPlaysTheProposedCard)
{
    for (bool course : {false, true}) {
        SCOPED_TRACE(course ? "course shown" : "no course");
        table_test::TableHarness harness;
        ASSERT_TRUE(harness.holdHumanAt(REQUEST_PLAY_CARD, table_test::DEAL, SEAT_1));
        installTableServer(std::make_shared<HarnessServer>(*harness.table));
        window->attachSeats();
        window->windowController()->courseWanted = course;
        PLAYER_EINBLATT_CONTROLLER& hand = window->handControllers[0];
        window->windowController()->beginCardChoice(NO_CARD);
        const CardId proposed = hand.shownHand.cardIdAt(2);
        window->windowController()->beginCardChoice(proposed);
        window->buttons[BUTTON_HINT].visible = true; // drawn once a trick was taken
        click(centreOf(BUTTON_HINT));
        auto played = [&] {
            std::lock_guard lock(harness.table->tableLock);
            return !harness.table->cards.hands[1].hasCard(proposed);
        };
        if (course)
            EXPECT_TRUE(table_test::eventually(played));
        else
            EXPECT_FALSE(played());
        window->windowController()->courseWanted = false;
        installTableServer(server);
        window->attachSeats();
    }
}

// While the user plays every seat, the seat asked for a card comes to the
// bottom: its hand is the own hand, takes the click and plays the card for
// that seat. A table with one human puts every seat back at its number.
TEST_F(GameWindow, PlayingEverySeatBringsTheSeatAskedToTheBottom)
{
    for (Seat asked : {SEAT_0, SEAT_2}) {
        SCOPED_TRACE(asked);
        table_test::TableHarness harness;
        for (Seat seat = SEAT_0; seat < 3; ++seat)
            harness.seatHuman(seat);
        ASSERT_TRUE(harness.holdHumanAt(REQUEST_PLAY_CARD, table_test::DEAL, asked));
        installTableServer(std::make_shared<HarnessServer>(*harness.table));
        FENSTER_SKAT_TABLE_WINDOWS windows(*window);
        windows.beginCardChoice(*harness.table, NO_CARD); // on this thread: at once
        for (int seat = 0; seat < 3; ++seat)
            EXPECT_EQ(screenPositionOfSeat(harness.table.get(), seat), (seat - asked + 4) % 3) << seat;
        PLAYER_EINBLATT_CONTROLLER& hand = window->handControllers[0];
        EXPECT_EQ(hand.seat, asked);
        CardSet held = 0;
        {
            std::lock_guard lock(harness.table->tableLock);
            held = harness.table->cards.hands[asked].cardSet();
        }
        ASSERT_EQ(hand.shownHand.cardSet(), held);
        const CardId card = hand.shownHand.cardIdAt(2);
        click(onCard(window->handViews[0], 2));
        EXPECT_TRUE(table_test::eventually([&] {
            std::lock_guard lock(harness.table->tableLock);
            return !harness.table->cards.hands[asked].hasCard(card);
        }));

        installTableServer(server);
        window->windowController()->updateView();
        EXPECT_EQ(facedSeat(), -1);
        for (int seat = 0; seat < 3; ++seat)
            EXPECT_EQ(screenPositionOfSeat(&server->table, seat), seat);
        EXPECT_EQ(window->handControllers[0].seat, SEAT_1);
    }
}

// Once the table has the user's card it is no longer on its way: a later deal
// that gives the same card to the hand again must not show it in the trick.
TEST_F(GameWindow, APlayedCardStopsBeingOnItsWayWhenTheTableHasIt)
{
    dealGrandWithSpadeLead(server->table);
    window->attachSeats();
    PLAYER_EINBLATT_CONTROLLER& hand = window->handControllers[0];
    const CardId card = hand.shownHand.cardIdAt(1);
    // As left by the last card the user played in the game before.
    hand.chosen = card;
    window->windowController()->input.ownCardOnItsWay = true;
    tableWindows()->animateCardToTrick(static_cast<Seat>(hand.seat), card, 0);
    QTest::qWait(10);
    EXPECT_EQ(hand.chosen, NO_CARD);
    EXPECT_FALSE(window->windowController()->input.ownCardOnItsWay);
    for (int slot = 0; slot < 3; ++slot)
        EXPECT_NE(window->trickCards.card(slot), card) << slot;
    // A game that ended before its table took the card: the next deal ends it.
    hand.chosen = card;
    window->windowController()->input.ownCardOnItsWay = true;
    tableWindows()->dealCards(0);
    QTest::qWait(10);
    EXPECT_EQ(hand.chosen, NO_CARD);
    EXPECT_FALSE(window->windowController()->input.ownCardOnItsWay);
}

// The table's threads hand work to the window without waiting for the GUI
// thread (which may be joining them), and work for a window that is gone
// is dropped.
TEST_F(GameWindow, TableRequestsNeverWaitForTheGuiThread)
{
    dealGrandWithSpadeLead(server->table);
    window->attachSeats();
    std::shared_ptr<TABLE_WINDOWS> windows = tableWindows();
    std::thread worker([&] {
        windows->refreshMainWindow(server->table);
        windows->beginCardChoice(server->table, NO_CARD);
    });
    worker.join(); // would hang if the worker waited for this thread
    EXPECT_EQ(window->handControllers[0].inputMode, HAND_INPUT_NONE) << "not yet run";
    QTest::qWait(10);
    EXPECT_EQ(window->handControllers[0].inputMode, HAND_INPUT_PLAY);
    EXPECT_EQ(window->handViews[0].cardViews().size(), 10u);

    std::thread late([&] { windows->refreshMainWindow(server->table); });
    late.join();
    window.reset();
    EXPECT_EQ(tableWindows().get() == windows.get(), false) << "the window uninstalls itself";
    QTest::qWait(10); // the queued refresh finds no window
}

TEST_F(GameWindow, TrickCardsLieAtTheSeatsScreenPositions)
{
    struct Case {
        const char* name;
        const TableLayout& layout;
        int position;
        RECTANGLE rect;
    };
    const Case cases[] = {
        {"landscape, right", landscapeLayout(), 0, {512, 314, 144, 216}},
        {"landscape, own seat", landscapeLayout(), 1, {464, 336, 144, 216}},
        {"landscape, left", landscapeLayout(), 2, {424, 292, 144, 216}},
        {"portrait, own seat", portraitLayout(), 1, {336, 460, 144, 216}},
        {"small, right", smallLayout(), 0, {219, 76, 91, 136}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        window->currentLayout = c.layout;
        EXPECT_EQ(window->trickCardRect(c.position), c.rect);
    }
    // At this program's own table every seat keeps its number.
    for (int seat = 0; seat < 3; ++seat)
        EXPECT_EQ(screenPositionOfSeat(&server->table, seat), seat);
}

TEST_F(GameWindow, BiddingPanelOffersTheValueAndTakesKeysAndClicks)
{
    EXPECT_EQ(bidLabel(18), L"  18 ");
    EXPECT_EQ(bidLabel(240), L" 240 ");
    REIZEN_CONTROLLER& bidding = window->biddingController;
    REIZEN_VIEW& panel = window->biddingView;
    struct Offer {
        const char* name;
        int mode, index;
        int expectedMode, value;
        std::wstring text;
    };
    const Offer offers[] = {
        {"naming offers the next value", 1, 0, 1, 18, L"  18 "},
        {"naming after 22", 1, 3, 1, 23, L"  23 "},
        {"answering holds the value named", 2, 3, 2, 22, L"Ja"},
        {"another mode changes nothing", 5, 3, 0, 0, L""},
    };
    for (const Offer& o : offers) {
        SCOPED_TRACE(o.name);
        bidding.refresh();
        bidding.offerBid(L"", o.mode, o.index);
        EXPECT_EQ(bidding.mode, o.expectedMode);
        EXPECT_EQ(bidding.value, o.value);
        EXPECT_EQ(bidding.bidText, o.text);
    }
    bidding.refresh();
    grabbed();
    EXPECT_FALSE(panel.bidButton.visible) << "idle: nothing is drawn";
    QTest::keyClick(client, Qt::Key_Up);
    EXPECT_FALSE(panel.bidButton.pressed) << "idle: keys are ignored";

    bidding.offerBid(L"", 1, 0);
    grabbed();
    EXPECT_TRUE(panel.bidButton.visible);
    EXPECT_TRUE(panel.passButton.visible);
    QTest::keyClick(client, Qt::Key_Return);
    EXPECT_EQ(bidding.mode, 1) << "Enter with no button chosen does nothing";
    QTest::keyClick(client, Qt::Key_Up);
    EXPECT_TRUE(panel.bidButton.pressed);
    QTest::keyClick(client, Qt::Key_Down);
    EXPECT_TRUE(panel.passButton.pressed);
    EXPECT_FALSE(panel.bidButton.pressed);
    QTest::keyClick(client, Qt::Key_Return);
    EXPECT_EQ(bidding.mode, 0) << "decided";

    bidding.offerBid(L"", 2, 1);
    grabbed();
    click({panel.passButton.x + 40, panel.passButton.y + 26});
    EXPECT_EQ(bidding.mode, 0) << "a click on pass decides";
}

} // namespace

// A card played by key leaves no card of the hand stacked against the view
// of the card that went (it used to point at the freed view).
TEST_F(GameWindow, APlayedCardLeavesNoStackingReferenceBehind)
{
    // The user leads, so the first card of the hand may be played.
    SKATTISCH_SERVER& table = server->table;
    table.standardSeating();
    for (Seat seat = SEAT_0; seat < 3; ++seat)
        table.cards.hands[seat].setCardSet(table_test::DEAL[seat]);
    table.record.SPIELART.SPIEL_TYP = GAME_GRAND;
    table.currentIndex = STATE_KARTE_AUSSPIELEN;
    table.cards.AUSP = 1;
    window->attachSeats();
    window->windowController()->beginCardChoice(NO_CARD);
    PLAYER_EINBLATT_VIEW& own = window->handViews[0];
    PLAYER_EINBLATT_CONTROLLER& hand = window->handControllers[0];
    hand.setHighlightedCard(hand.shownHand.cardIdAt(1));
    QTest::keyClick(client, Qt::Key_Return);
    ASSERT_EQ(hand.shownHand.cardCount(), 9);
    auto isCurrent = [&](const VORDIX_IMAGEVIEW* view) {
        for (const auto& other : own.cardViews())
            if (other.get() == view)
                return true;
        return false;
    };
    for (const auto& view : own.cardViews())
        EXPECT_TRUE(view->referenceView == nullptr || isCurrent(view->referenceView));
    // The views are rebuilt from the table's hand; the first one stacks on nothing.
    window->windowController()->updateView();
    EXPECT_EQ(own.cardViews().front()->referenceView, nullptr);
    for (const auto& view : own.cardViews())
        EXPECT_TRUE(view->referenceView == nullptr || isCurrent(view->referenceView));
}

// The row of the cards a side took fits the client area, whatever it holds.
TEST_F(GameWindow, TheSettlementTrickRowStaysInsideTheWindow)
{
    dealGrandWithSpadeLead(server->table);
    SKATTISCH_SERVER& table = server->table;
    table.record.ALLEIN = 1;
    STAPEL pile;
    pile.setSkat(SKAT(cardIdFromCode("K7"), cardIdFromCode("K8")));
    // Ten tricks of the declarer's side, made of the remaining cards.
    std::vector<CardId> cards;
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 8; ++rank)
            if (suit * 10 + rank != cardIdFromCode("K7") && suit * 10 + rank != cardIdFromCode("K8"))
                cards.push_back(static_cast<CardId>(suit * 10 + rank));
    for (std::size_t k = 0; k + 2 < cards.size() && pile.trickCount() < 10; k += 3) {
        STICH trick;
        for (std::size_t j = 0; j < 3; ++j)
            trick.addCard(cards[k + j]);
        pile.addToParty(0, trick, SEAT_0, SEAT_1);
    }
    for (const QSize size : {QSize(1024, 768), QSize(1280, 1024)}) {
        SCOPED_TRACE(size.width());
        window->resize(size.width(), size.height());
        QTest::qWait(10);
        window->prepareTrickDisplay(0, pile);
        VORDIX_BITMAP target;
        VORDIX_ZEICHENBEREICH area(&target, size.width(), size.height());
        area.beginPaint();
        window->paintTrickDisplay(area);
        area.endPaint();
        const std::vector<CardId>& shown = window->trickDisplayCards();
        ASSERT_EQ(shown.size(), 2u + 3u * static_cast<std::size_t>(pile.trickCount()));
        EXPECT_EQ(shown[0], cardIdFromCode("K7"));
        const RECTANGLE row = window->trickDisplayRect();
        EXPECT_GE(row.x, 0);
        EXPECT_LE(row.x + row.width, size.width());
        EXPECT_LE(row.y + row.height, size.height());
        for (int i = 1; i < static_cast<int>(shown.size()); ++i)
            EXPECT_GT(window->trickDisplayX(i), window->trickDisplayX(i - 1));
    }
    // A defenders' side without a trick shows no card.
    window->prepareTrickDisplay(1, pile);
    EXPECT_TRUE(window->trickDisplayCards().empty());
}

// The row names the card points of both sides; null and Ramsch games keep
// their piles instead of the row.
TEST_F(GameWindow, TheSettlementRowShowsTheCardPointsOutsideNullAndRamsch)
{
    dealGrandWithSpadeLead(server->table);
    SKATTISCH_SERVER& table = server->table;
    table.record.ALLEIN = 1;
    STAPEL pile;
    pile.setSkat(SKAT(cardIdFromCode("K1"), cardIdFromCode("K7"))); // 10 points
    STICH taken;
    for (const char* code : {"PA", "P1", "PK"}) // 25 points for the declarer
        taken.addCard(cardIdFromCode(code));
    pile.addToParty(PARTY_DECLARER, taken, SEAT_0, SEAT_1);
    STICH lost;
    for (const char* code : {"HA", "H1", "H7"}) // 21 points for the defenders
        lost.addCard(cardIdFromCode(code));
    pile.addToParty(PARTY_DEFENDERS, lost, SEAT_1, SEAT_2);
    table.currentIndex = STATE_ABRECHNUNG;
    const std::wstring points = skat::text(TextKey::Stapel_Punkte);
    window->prepareTrickDisplay(0, pile);
    EXPECT_NE(window->trickDisplayCaption(table).find(L"35 : 21 " + points), std::wstring::npos)
        << "the declarer's side first";
    window->prepareTrickDisplay(1, pile);
    EXPECT_NE(window->trickDisplayCaption(table).find(L"21 : 35 " + points), std::wstring::npos);

    const struct {
        GameType type;
        int state;
        bool row;
    } cases[] = {
        {GAME_GRAND, STATE_ABRECHNUNG, true},        {GAME_HEARTS, STATE_ABRECHNUNG, true},
        {GAME_NULL, STATE_ABRECHNUNG, false},        {GAME_RAMSCH, STATE_ABRECHNUNG, false},
        {GAME_GRAND, STATE_KARTE_AUSSPIELEN, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        table.record.SPIELART.SPIEL_TYP = c.type;
        table.currentIndex = c.state;
        EXPECT_EQ(window->settlementRowShown(table), c.row);
    }
}

// Seat labels, the centred box and balloons keep inside the client area,
// sized from their measured text.
TEST_F(GameWindow, TableTextsKeepInsideTheWindow)
{
    dealGrandWithSpadeLead(server->table);
    window->attachSeats();
    VORDIX_BITMAP target;
    VORDIX_ZEICHENBEREICH area(&target, 1024, 768);
    area.beginPaint();
    auto inside = [](const RECTANGLE& r) {
        return r.width > 0 && r.x >= 4 && r.y >= 0 && r.x + r.width <= 1020 && r.y + r.height <= 768;
    };
    const std::wstring longText = L"Ein sehr langer Name, der weit über den Rand hinaus reichen würde";
    for (Seat seat = SEAT_0; seat < 3; ++seat) {
        SCOPED_TRACE(seat);
        VORDIX_TEXT label;
        label.text = longText;
        label.size = 17;
        EXPECT_TRUE(inside(window->drawSeatLabel(label, seat, area, -20)));
        SeatText balloon;
        balloon.shown = true;
        balloon.seat = seat;
        balloon.text = longText;
        const RECTANGLE box = window->paintBalloon(area, balloon, true);
        EXPECT_TRUE(inside(box));
        EXPECT_GE(box.height, 20 * 3 + 34) << "three wrapped lines at least";
    }
    VORDIX_TEXT line;
    line.text = L" Du spielst Grand Hand Schneider angesagt Kontra von Torvo, Re ";
    const RECTANGLE box = window->drawCentredBoxedText(line, area);
    EXPECT_TRUE(inside(box));
    EXPECT_EQ(line.red, 500) << "the boxed text is always grey";
    area.endPaint();
}

// While the user chooses between the skat and a hand game, and while putting
// cards away, the other seats' names and roles stand clear of the buttons
// below them.
TEST_F(GameWindow, SeatLabelsClearTheTakeSkatButtons)
{
    dealGrandWithSpadeLead(server->table);
    window->attachSeats();
    const struct {
        InputMode mode;
        std::vector<int> buttons;
    } cases[] = {{INPUT_SKAT_OR_HAND, {BUTTON_TAKE_SKAT, BUTTON_PLAY_HAND}}, {INPUT_PUT_AWAY, {BUTTON_PUT_AWAY}}};
    for (const auto& c : cases)
        for (const QSize size : {QSize(1024, 768), QSize(1280, 1024)}) {
            SCOPED_TRACE(c.mode);
            SCOPED_TRACE(size.width());
            window->windowController()->input.mode = c.mode;
            window->resize(size.width(), size.height());
            QTest::qWait(10);
            VORDIX_BITMAP target;
            VORDIX_ZEICHENBEREICH area(&target, size.width(), size.height());
            area.beginPaint();
            for (Seat seat = SEAT_0; seat < 3; ++seat) {
                const int position = screenPositionOfSeat(&server->table, seat);
                if (position == 1)
                    continue;
                SCOPED_TRACE(seat);
                VORDIX_TEXT role;
                role.size = 13;
                role.text = table_texts::seatRoleText(server->table, c.mode, position);
                ASSERT_FALSE(role.text.empty());
                const RECTANGLE box = window->drawSeatLabel(role, seat, area, 0);
                for (int index : c.buttons) {
                    const SKAT_BUTTON& b = window->buttons[index];
                    const bool apart =
                        box.x + box.width <= b.x || b.x + b.drawnWidth() <= box.x || box.y + box.height <= b.y;
                    EXPECT_TRUE(apart) << "button " << index << " at " << b.x << "," << b.y << " under the role at "
                                       << box.x << "," << box.y << " " << box.width << "x" << box.height;
                }
            }
            area.endPaint();
        }
}

// What a seat says shows in its balloon, sent from the table's worker;
// hiding the talk clears the balloons and the message in the middle.
TEST_F(GameWindow, TableTalkShowsInTheSeatsBalloonsAndGoes)
{
    dealGrandWithSpadeLead(server->table);
    window->attachSeats();
    std::shared_ptr<TABLE_WINDOWS> windows = tableWindows();
    std::thread([&] {
        windows->showOverlay(L"kontra", SEAT_0, 0, false);
        windows->showOverlay(L"ramsch", SEAT_NONE, 0, true);
    }).join();
    QTest::qWait(10);
    EXPECT_TRUE(window->seatTexts[0].shown);
    EXPECT_EQ(window->seatTexts[0].text, skat::text(TextKey::Sprechblase_Kontra));
    EXPECT_FALSE(window->seatTexts[1].shown);
    EXPECT_TRUE(window->windowController()->overlayMessage.shown);
    std::thread([&] { windows->hideOverlay(); }).join();
    QTest::qWait(10);
    EXPECT_FALSE(window->seatTexts[0].shown);
    EXPECT_FALSE(window->windowController()->overlayMessage.shown);
}

// The status text beside the table: an exercise's commentary by phase and
// trick; an ordinary game without the analysis shows nothing.
TEST_F(GameWindow, TheStatusTextFollowsTheExerciseCommentary)
{
    SKATTISCH_SERVER& table = server->table;
    table.standardSeating();
    RecordTexts& texts = table.modus.storedGame.record.texts();
    for (int i = 0; i < RECORD_TEXT_COUNT; ++i)
        texts[i] = L"Text " + std::to_wstring(i);
    table.modus.exerciseFlag = true;
    table.modus.deviationIndex = -1;
    const struct {
        int state;
        int deviation;
        std::wstring text;
    } cases[] = {
        {STATE_REIZEN, -1, L"Text 3"},    {STATE_SPIEL_ANSAGEN, -1, L"Text 4"}, {STATE_KARTE_AUSSPIELEN, -1, L"Text 5"},
        {STATE_KARTE_AUSSPIELEN, 0, L""}, {STATE_ABRECHNUNG, -1, L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        table.currentIndex = c.state;
        table.modus.deviationIndex = c.deviation;
        EXPECT_EQ(window->composeStatusText(table), c.text);
    }
    table.modus.exerciseFlag = false;
    table.currentIndex = STATE_REIZEN;
    window->windowController()->setAnalysisShown(false);
    window->statusTextLength = 7;
    window->updateInfoText();
    EXPECT_EQ(window->composeStatusText(table), L"");
    EXPECT_EQ(window->statusTextLength, 7) << "the stored length is left as it was";
}

// Kontra and Re stand beside the declarer's label, inside the client area,
// for a declarer at every place of the table.
TEST_F(GameWindow, KontraAndReStandInsideTheWindowBesideTheDeclarer)
{
    SKATTISCH_SERVER& table = server->table;
    table.standardSeating();
    for (Seat declarer = SEAT_0; declarer < 3; ++declarer) {
        table.record.ALLEIN = declarer;
        for (int index : {BUTTON_KONTRA, BUTTON_RE}) {
            SCOPED_TRACE(declarer * 100 + index);
            window->placeKontraRe(table, index);
            const SKAT_BUTTON& button = window->buttons[index];
            EXPECT_GE(button.x, 4);
            EXPECT_LE(button.x + button.drawnWidth(), 1020);
            EXPECT_GE(button.y, 4);
            EXPECT_LE(button.y, 768 - 20);
        }
    }
    // A declarer opposite the user puts Kontra 40 pixels left of its label offset.
    table.record.ALLEIN = 0;
    window->placeKontraRe(table, BUTTON_KONTRA);
    EXPECT_EQ(window->buttons[BUTTON_KONTRA].x,
              window->promptButtonOffsetX(0) + window->currentLayout[TableLayout::MIDDLE_X] + window->originX - 40);
}

// Help in a game of the sheet asks first, with the change-game-state
// question over the window, whether the game may become a free game; only
// "Weiter" makes it one (by pub rules), and a free game is not asked again.
TEST_F(GameWindow, TheFreeGameWarningIsTheChangeOfGameStateQuestion)
{
    auto sink = std::make_shared<testsupport::RecordingMessageSink>();
    const auto previous = vordix::setMessageSink(sink);
    SKATTISCH_SERVER& table = server->table;
    const struct {
        const char* button; // null: closed by its frame
        bool free;
    } cases[] = {{"F_wfs_weiter", true}, {"F_wfs_abbr", false}, {nullptr, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button ? c.button : "closed");
        table.modus.mode = MODE_NEXT_OF_LIST;
        table.modus.freeGame = false;
        table.record.ruleSet = RULESET_INTERNATIONAL;
        QString title;
        QTimer::singleShot(0, [&] {
            QWidget* question = QApplication::activeModalWidget();
            if (!question)
                return;
            title = question->windowTitle();
            if (c.button)
                question->findChild<QAbstractButton*>(c.button)->click();
            else
                question->close();
        });
        table.confirmInterruption();
        EXPECT_EQ(title, QString::fromUtf8("Spielstatus ändern"));
        EXPECT_EQ(table.modus.freeGame, c.free);
        EXPECT_EQ(table.record.ruleSet == RULESET_PUB, c.free);
    }
    table.modus.freeGame = true;
    bool asked = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* question = QApplication::activeModalWidget()) {
            asked = true;
            question->close();
        }
    });
    table.confirmInterruption();
    EXPECT_FALSE(asked) << "a free game is not asked again";
    vordix::setMessageSink(previous);
    EXPECT_TRUE(sink->texts.empty()) << "no message box besides the question";
}

// The calculator's proposal asks the same question; hints come only when the
// game became a free game.
TEST_F(GameWindow, TheCalculatorsProposalShowsHintsOnlyInAFreeGame)
{
    SKATTISCH_SERVER& table = server->table;
    DIALOG_REIZWERTE_KALKULATOR calculator;
    for (const auto& [button, free] : {std::pair{"F_wfs_weiter", true}, std::pair{"F_wfs_abbr", false}}) {
        SCOPED_TRACE(button);
        table.modus.mode = MODE_NEXT_OF_LIST;
        table.modus.freeGame = false;
        window->windowController()->setAnalysisShown(false);
        QTimer::singleShot(0, [button = button] {
            if (QWidget* question = QApplication::activeModalWidget())
                question->findChild<QAbstractButton*>(button)->click();
        });
        calculator.onCommand(DIALOG_REIZWERTE_KALKULATOR::PROPOSAL);
        EXPECT_EQ(table.modus.freeGame, free);
        EXPECT_EQ(window->windowController()->isAnalysisShown(), free);
    }
}
