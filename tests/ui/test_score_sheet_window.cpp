// The score-sheet window and the game-history window on the offscreen
// platform: snapped heights, selection by pointer and keys, the toolbar, a
// row opening its game's history, and what the history shows of a game.

#include "skat/app/Bilder.h"
#include "skat/app/SkatFolders.h"
#include "skat/app/SkatText.h"
#include "skat/app/UserPrefs.h"
#include "skat/engine/Skattisch.h"
#include "skat/ui/FensterListe.h"
#include "skat/windows/ControlFactories.h"
#include "skat/windows/ControlIdTable.h"
#include "tests/app/pdf_test_sheets.h"
#include "tests/ui/form_test_suite.h"
#include "tests/ui/score_sheet_games.h"
#include "vordix/Bitmap.h"
#include "vordix/Message.h"
#include "vordix/WinFilePath.h"
#include "vordix/Zeichenbereich.h"
#include "vordix/windows/ClientFenster.h"
#include "vordix/windows/WinBitmap.h"
#include "vordix/windows/WinFenster.h"
#include "vordix/windows/WinImplementorFactory.h"

#include <QAction>
#include <QCoreApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTranslator>

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

TEST(ScoreSheetHeight, SnapsToWholeRowsBetweenHeaderAndFooter)
{
    struct Case {
        int dragged, snapped;
    };
    const Case cases[] = {{175, 175}, {189, 175}, {190, 190}, {220, 220},
                          {234, 220}, {600, 595}, {714, 700}, {715, 715}};
    for (const Case& c : cases) {
        int width = 480, height = c.dragged;
        FENSTER_LISTE::snapHeight(&width, &height);
        EXPECT_EQ(height, c.snapped) << c.dragged;
        EXPECT_EQ(width, 480);
        EXPECT_EQ((height - 175) % 15, 0);
    }
}

class ScoreSheetWindow : public FormTestSuite {
protected:
    void SetUp() override
    {
        sheet = std::make_unique<LISTE>();
        sheet->places = 3;
        sheet->playerNames = {L"Torvo", L"Kazzle", L"Brummo", L""};
        sheet->insertRow(sheettest::playedClubsGame());         // row 0: played out
        sheet->insertRow(pdftest::passedInRow());               // row 1: passed, no deal
        sheet->insertRow(pdftest::rowOf({GAME_CLUBS, 2, -48})); // row 2
        window = std::make_unique<FENSTER_LISTE>();
        window->sendCommand = [this](VORDIX_MESSAGE& m) { commands.push_back(m.commandId); };
        window->print = [this](const LISTE& list) {
            printed.push_back(&list);
            return true;
        };
        window->create();
        window->attachList(sheet.get());
        window->show();
        window->resize(window->minWidth, 400);
        QTest::qWait(20);
    }

    void TearDown() override
    {
        window->close();
        window.reset();
    }

    void send(FrameworkMessageKind kind, int y = 0, int key = 0, int command = 0)
    {
        VORDIX_MESSAGE m(kind);
        m.x = 100;
        m.y = y;
        m.keyCode = key;
        m.commandId = command;
        window->onMessage(m);
    }
    // A press in the middle of row r of the sheet (client coordinates).
    void pressRow(int r, FrameworkMessageKind kind = MESSAGE_MOUSE_PRESS) { send(kind, 72 + 15 * r + 7); }

    bool historyEnabled()
    {
        auto* host = dynamic_cast<WIN_FENSTER*>(window->implementor().get());
        auto* action = host->findChild<QAction*>(QStringLiteral("Liste_TB_Verlauf"));
        return action && action->isEnabled();
    }

    std::unique_ptr<LISTE> sheet;
    std::unique_ptr<FENSTER_LISTE> window;
    std::vector<int> commands;
    std::vector<const LISTE*> printed;
};

TEST_F(ScoreSheetWindow, ClientAreaKeepsTheSheetWidthAndRowLimits)
{
    EXPECT_EQ(window->minHeight, 220);
    EXPECT_EQ(window->maxHeight, 715);
    EXPECT_EQ(window->minWidth, window->maxWidth);
    EXPECT_GE(window->minWidth, 480);
    // The rows view holds 36 slots until the list is longer.
    EXPECT_EQ(window->rows.mapToGlobal().height, 15 * 36);
}

// On a 1024 x 768 screen the whole window, toolbar and frame included,
// stays above the lower edge, with whole rows; a taller screen gives it
// all its rows.
TEST_F(ScoreSheetWindow, TheWholeWindowFitsTheScreensWorkArea)
{
    struct Case {
        RECTANGLE work;
        int clientHeight; // 0: whatever fits
    };
    const Case cases[] = {{{0, 0, 1024, 768}, 0}, {{0, 0, 1280, 1024}, 715}, {{0, 24, 1920, 1056}, 715}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.work.height);
        window->fitInto(c.work);
        QTest::qWait(20);
        const RECTANGLE outer = window->implementor()->getFrameGeometry();
        const RECTANGLE client = window->mapToGlobal();
        EXPECT_EQ(outer.y, c.work.y);
        EXPECT_LE(outer.y + outer.height, c.work.y + c.work.height);
        EXPECT_EQ(FENSTER_LISTE::snappedHeight(client.height), client.height);
        if (c.clientHeight)
            EXPECT_EQ(client.height, c.clientHeight);
        else
            EXPECT_GT(outer.y + outer.height + FENSTER_LISTE::ROW_HEIGHT, c.work.y + c.work.height)
                << "no room for one row more is wasted";
    }
}

// Escape hides the sheet and the history window (the menu shows them again).
TEST_F(ScoreSheetWindow, EscapeHidesTheSheetAndTheHistory)
{
    pressRow(0, MESSAGE_DOUBLE_CLICK);
    for (VORDIX_FENSTER* shown : std::initializer_list<VORDIX_FENSTER*>{&window->tricks, window.get()}) {
        ASSERT_TRUE(shown->implementor()->isVisible());
        VORDIX_MESSAGE escape(MESSAGE_KEY);
        escape.keyCode = FENSTER_LISTE::KEY_ESCAPE;
        shown->onMessage(escape);
        EXPECT_FALSE(shown->implementor()->isVisible());
        EXPECT_TRUE(shown->isOpen) << "hidden, not closed";
    }
}

TEST_F(ScoreSheetWindow, PressesSelectAndDeselectRows)
{
    struct Step {
        int y;        // client y of the press
        int selected; // selection afterwards
    };
    const Step steps[] = {
        {30, -1},               // header: nothing
        {72 + 15 * 2 + 7, 2},   // row 3
        {72 + 15 * 0 + 3, 0},   // another row moves the selection
        {72 + 15 * 0 + 10, -1}, // the selected row again deselects
        {72 + 15 * 10 + 7, -1}, // an empty slot below the last game
        {72 + 15 * 1 + 7, 1},
        {50, 1}, // header again: unchanged
    };
    for (const Step& s : steps) {
        send(MESSAGE_MOUSE_PRESS, s.y);
        EXPECT_EQ(window->selectedRow(), s.selected) << "press at " << s.y;
    }
}

// A real click lands on the scrolling rows view; the row under it counts
// the scroll offset in.
TEST_F(ScoreSheetWindow, ClicksOnTheScrolledRowsSelectTheRowUnderThePointer)
{
    auto* host = dynamic_cast<WIN_FENSTER*>(window->implementor().get());
    window->resize(window->minWidth, 220);
    QTest::qWait(20);
    auto* area = host->findChild<QScrollArea*>();
    ASSERT_NE(area, nullptr);
    area->verticalScrollBar()->setValue(15);
    QTest::qWait(20);
    ClientFenster* client = host->clientWidget();
    const QPoint at(100, 72 + 7); // the first visible row: row 2 of the sheet
    QWidget* target = client->childAt(at);
    ASSERT_NE(target, nullptr);
    QTest::mousePress(target, Qt::LeftButton, {}, target->mapFrom(client, at));
    QTest::mouseRelease(target, Qt::LeftButton, {}, target->mapFrom(client, at));
    EXPECT_EQ(window->selectedRow(), 1);
}

// The highlight box of the selected row, drawn by the rows renderer on an
// off-screen canvas: only a row of the list gets one.
TEST_F(ScoreSheetWindow, OnlyARowOfTheListIsHighlighted)
{
    auto paintRows = [this](int highlighted) {
        LISTE_RENDERER renderer;
        renderer.mode = LISTE_RENDERER::MODE_ROWS;
        renderer.list = sheet.get();
        renderer.fallbackHeight = 15 * 36;
        renderer.setHighlightedRow(highlighted);
        VORDIX_BITMAP canvas;
        VORDIX_ZEICHENBEREICH area(&canvas, 480, 15 * 36);
        area.beginPaint();
        renderer.draw(area);
        area.endPaint();
        renderer.list = nullptr;
        auto* imp = dynamic_cast<WIN_BITMAP*>(canvas.implementor());
        return imp && imp->image() ? imp->image()->convertToFormat(QImage::Format_RGB32) : QImage();
    };
    const QColor outline(120, 84, 0); // the highlight colour
    auto outlined = [&](const QImage& image, int row) {
        const QColor c = image.pixelColor(240, 15 * row - 1);
        return std::abs(c.red() - outline.red()) < 3 && std::abs(c.green() - outline.green()) < 3
               && std::abs(c.blue() - outline.blue()) < 3;
    };
    const QImage none = paintRows(-1);
    ASSERT_FALSE(none.isNull());
    EXPECT_FALSE(outlined(none, 2));
    EXPECT_TRUE(outlined(paintRows(2), 2));
    // Row 5 is an empty slot: nothing to highlight.
    EXPECT_EQ(paintRows(5), none);
}

TEST_F(ScoreSheetWindow, UpAndDownKeysMoveTheSelectionWithinTheRows)
{
    struct Step {
        int key, selected;
    };
    const Step steps[] = {{200, 0}, {201, 1}, {201, 2}, {201, 2}, {200, 1}, {200, 0}, {200, 0}};
    for (const Step& s : steps) {
        send(MESSAGE_KEY, 0, s.key);
        EXPECT_EQ(window->selectedRow(), s.selected);
    }
    window->selectRow(-1);
    send(MESSAGE_KEY, 0, 201);
    EXPECT_EQ(window->selectedRow(), 0);
}

TEST_F(ScoreSheetWindow, HistoryActionOnlyForReplayableGames)
{
    window->selectRow(0);
    EXPECT_TRUE(historyEnabled());
    window->selectRow(1);
    EXPECT_FALSE(historyEnabled());
    window->selectRow(-1);
    EXPECT_FALSE(historyEnabled());
}

TEST_F(ScoreSheetWindow, DoubleClickOnAPlayedGameOpensItsHistory)
{
    pressRow(1, MESSAGE_DOUBLE_CLICK); // passed game: no history
    EXPECT_EQ(window->tricks.view.renderer.entry, nullptr);
    pressRow(0, MESSAGE_DOUBLE_CLICK);
    EXPECT_EQ(window->selectedRow(), 0);
    EXPECT_EQ(window->tricks.view.renderer.entry, sheet->rows[0].get());
    EXPECT_EQ(window->tricks.view.renderer.stapel.trickCount(), 10);
    EXPECT_TRUE(window->tricks.implementor()->isVisible());
}

TEST_F(ScoreSheetWindow, EnterAndTheToolbarOpenTheSelectedHistory)
{
    window->selectRow(0);
    send(MESSAGE_KEY, 0, 13);
    EXPECT_EQ(window->tricks.view.renderer.entry, sheet->rows[0].get());

    window->tricks.view.renderer.showListEntry(sheet->rows[2].get(), 0, 2);
    send(MESSAGE_COMMAND, 0, 0, FENSTER_LISTE::ACTION_HISTORY);
    EXPECT_EQ(window->tricks.view.renderer.entry, sheet->rows[0].get());
}

// The history window's replay actions hand the shown stored game to the
// table server, and only a game that can be played again.
TEST_F(ScoreSheetWindow, HistoryReplaysOnlyAReplayableStoredGame)
{
    struct Recorder : TRICKS_WINDOW_COMMANDS {
        void repeatTableGame() override { calls.push_back({"repeat", nullptr}); }
        void replayStoredGame(const EIN_SPIEL& g) override { calls.push_back({"replay", &g}); }
        void playGivenGame(const EIN_SPIEL& g) override { calls.push_back({"given", &g}); }
        std::vector<std::pair<std::string, const EIN_SPIEL*>>& calls;
        explicit Recorder(std::vector<std::pair<std::string, const EIN_SPIEL*>>& c) : calls(c) { }
    };
    std::vector<std::pair<std::string, const EIN_SPIEL*>> calls;
    FENSTER_STICHE& tricks = window->tricks;
    tricks.commands = std::make_unique<Recorder>(calls);
    auto* host = dynamic_cast<WIN_FENSTER*>(tricks.implementor().get());
    auto enabled = [host](const char* name) {
        auto* action = host->findChild<QAction*>(QString::fromLatin1(name));
        return action && action->isEnabled();
    };
    auto command = [&tricks](int id) {
        VORDIX_MESSAGE m(MESSAGE_COMMAND);
        m.commandId = id;
        tricks.onMessage(m);
    };

    tricks.showListGame(*sheet, 2); // booked without cards
    EXPECT_FALSE(enabled("Verlauf_TB_Spielen"));
    EXPECT_FALSE(enabled("Verlauf_TB_Nachspielen"));
    command(FENSTER_STICHE::ACTION_REPEAT);
    command(FENSTER_STICHE::ACTION_REPLAY_FREE);
    EXPECT_TRUE(calls.empty());

    tricks.showListGame(*sheet, 0); // played out
    EXPECT_TRUE(enabled("Verlauf_TB_Spielen"));
    EXPECT_TRUE(enabled("Verlauf_TB_Nachspielen"));
    EXPECT_FALSE(enabled("Verlauf_TB_Editor")); // no card-deal editor yet
    command(FENSTER_STICHE::ACTION_REPEAT);
    command(FENSTER_STICHE::ACTION_REPLAY_FREE);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0], std::make_pair(std::string("replay"), static_cast<const EIN_SPIEL*>(sheet->rows[0].get())));
    EXPECT_EQ(calls[1], std::make_pair(std::string("given"), static_cast<const EIN_SPIEL*>(sheet->rows[0].get())));
}

// An exercise is shown under its exercise number, or handed to the table
// server to be played as an exercise; a row outside the list does neither.
TEST_F(ScoreSheetWindow, ExercisesAreShownUnderTheirNumberOrPlayedAsExercises)
{
    struct Recorder : TRICKS_WINDOW_COMMANDS {
        void playExercise(const EIN_SPIEL& g) override { played.push_back(&g); }
        std::vector<const EIN_SPIEL*>& played;
        explicit Recorder(std::vector<const EIN_SPIEL*>& p) : played(p) { }
    };
    std::vector<const EIN_SPIEL*> played;
    FENSTER_STICHE& tricks = window->tricks;
    tricks.commands = std::make_unique<Recorder>(played);
    auto* host = dynamic_cast<WIN_FENSTER*>(tricks.implementor().get());
    ASSERT_NE(host, nullptr);

    tricks.showExercise(*sheet, 0);
    EXPECT_EQ(tricks.view.renderer.entry, sheet->rows[0].get());
    EXPECT_EQ(host->windowTitle().toStdWString(), skat::formatText(TextKey::Verlauf_Titel_Uebungspartie, {1}));
    EXPECT_TRUE(played.empty()) << "showing an exercise does not play it";

    tricks.showExerciseForReplay(*sheet, 2);
    ASSERT_EQ(played.size(), 1u);
    EXPECT_EQ(played[0], sheet->rows[2].get());

    for (int outside : {-1, sheet->rowCount()}) {
        tricks.showExercise(*sheet, outside);
        tricks.showExerciseForReplay(*sheet, outside);
    }
    EXPECT_EQ(tricks.view.renderer.entry, sheet->rows[0].get());
    EXPECT_EQ(played.size(), 1u);
}

TEST_F(ScoreSheetWindow, ToolbarSendsTheApplicationCommandsAndPrints)
{
    for (int id : {433, 434, 435, 436, 437, 999})
        send(MESSAGE_COMMAND, 0, 0, id);
    EXPECT_EQ(commands, (std::vector<int>{460, 461, 462, 469}));
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_EQ(printed[0], sheet.get());

    window->attachList(nullptr);
    send(MESSAGE_COMMAND, 0, 0, 437);
    EXPECT_EQ(printed.size(), 1u); // no list, nothing to print
}

TEST_F(ScoreSheetWindow, AListGoingAwayLeavesBothRenderersEmpty)
{
    pressRow(0, MESSAGE_DOUBLE_CLICK);
    sheet.reset();
    EXPECT_EQ(window->shownList(), nullptr);
    EXPECT_EQ(window->frame.list, nullptr);
    EXPECT_EQ(window->tricks.view.renderer.entry, nullptr);
    pressRow(0); // must not touch the old list
    EXPECT_EQ(window->rows.renderer.rowCapacity(), 36);
}

// The history's texts in German from the program's text file.
class GameHistory : public ::testing::Test {
protected:
    void SetUp() override
    {
        WIN_FILEPATH::setProgramFolder(WIN_FILEPATH::fromFsPath(SKAT_BINARY_DIR "/skat/windows"));
        SKAT_TEXT::installInstance(std::make_unique<SKAT_TEXT>(skat::resourceFile({}, L"Skat_Text.xml"), false));
    }
    void TearDown() override
    {
        SKAT_TEXT::installInstance(nullptr);
        WIN_FILEPATH::setProgramFolder(L"");
    }
};

TEST_F(GameHistory, BidLinesGameLineAndRunningPoints)
{
    USER_PREFS::instance().playerNames = {L"Du", L"Links", L"Rechts", L""};
    auto game = sheettest::playedClubsGame();
    VERLAUF_RENDERER r;
    r.showListEntry(game.get(), 0, 0);
    const auto lines = r.bidLines();
    ASSERT_EQ(lines.size(), 3u);
    // Seat 1 is forehand and "Du"; seat 0 ("Rechts") never bid.
    EXPECT_EQ(lines[1], L"Du (VH) reizt bis 36.");
    EXPECT_EQ(lines[2], L"Links (MH) reizt bis 33.");
    EXPECT_EQ(lines[0], L"Rechts (HH) reizt nicht.");
    EXPECT_EQ(r.gameLine(), L"spielt Kreuz");

    const auto running = r.runningPoints();
    ASSERT_EQ(running.declarer.size(), 10u);
    EXPECT_EQ(running.declarer.back(), 95);
    EXPECT_EQ(running.defenders.back(), 15);
    EXPECT_EQ(running.declarerMark, 8); // 50 after trick 7, 68 after trick 8
    EXPECT_EQ(running.defendersMark, 0);
}

// The head of each seat's column in either language: the user's own game
// reads "you play", another declarer's game follows the name, a defender
// shows the name only.
TEST_F(GameHistory, HeadLinesSayWhoPlaysInBothLanguages)
{
    auto game = sheettest::playedClubsGame();
    const struct {
        bool english;
        Seat declarer;
        std::array<std::wstring, 3> heads;
    } cases[] = {
        {false, SEAT_1, {L"Rechts", L"Du spielst Kreuz", L"Links"}},
        {false, SEAT_2, {L"Rechts", L"Du", L"Links spielt Kreuz"}},
        {true, SEAT_1, {L"Right", L"You play Clubs", L"Left"}},
        {true, SEAT_0, {L"Right plays Clubs", L"You", L"Left"}},
    };
    for (const auto& c : cases) {
        SKAT_TEXT::installInstance(std::make_unique<SKAT_TEXT>(skat::resourceFile({}, L"Skat_Text.xml"), c.english));
        USER_PREFS::instance().playerNames = c.english ? std::array<std::wstring, 4>{L"You", L"Left", L"Right", L""}
                                                       : std::array<std::wstring, 4>{L"Du", L"Links", L"Rechts", L""};
        SPIELSTRUCT record = game->record;
        record.ALLEIN = c.declarer;
        VERLAUF_RENDERER r;
        r.copyGame(game->pile, record);
        for (int seat = 0; seat < 3; ++seat)
            EXPECT_EQ(r.headLine(seat), c.heads[static_cast<std::size_t>(seat)]) << c.english << " seat " << seat;
    }
}

TEST_F(GameHistory, NoAnnouncedGameAndNoPointsForNullOrRamsch)
{
    USER_PREFS::instance().playerNames = {L"Du", L"Links", L"Rechts", L""};
    auto game = sheettest::playedClubsGame();
    VERLAUF_RENDERER r;
    SPIELSTRUCT none = game->record;
    none.SPIELART = SPIELART(GAME_NONE, 0);
    r.copyGame(game->pile, none);
    EXPECT_EQ(r.gameLine(), L"Noch kein Spiel angesagt.");
    none.SPIELART = SPIELART(GAME_GRAND, 2);
    none.KONTRA = true;
    none.KONTRA_WER = 0;
    none.RE = true;
    r.copyGame(game->pile, none);
    EXPECT_EQ(r.gameLine(), L"spielt Grand Hand, Kontra von Rechts, Re");
    for (GameType type : {GAME_NULL, GAME_RAMSCH}) {
        SPIELSTRUCT record = game->record;
        record.SPIELART = SPIELART(type, 0);
        r.copyGame(game->pile, record);
        const auto running = r.runningPoints();
        EXPECT_TRUE(running.declarer.empty());
        EXPECT_EQ(running.declarerMark + running.defendersMark, 0);
    }
}

// The running game's history keeps the skat as dealt apart from the cards
// the declarer put away, at every step of taking and pushing.
TEST_F(GameHistory, TheTablesDealtSkatAndTheCardsPutAway)
{
    SKATTISCH_SERVER table;
    table.cards.reset();
    table.cards.pile.setVh(SEAT_1);
    table.cards.deal();
    const SKAT dealt = table.cards.skat;
    ASSERT_TRUE(dealt.isComplete());
    std::vector<CardId> held;
    for (CardId id : table.cards.deck)
        if (table.cards.hands[SEAT_1].hasCard(id))
            held.push_back(id);
    ASSERT_EQ(held.size(), 10u);
    const SKAT laid(held[0], held[1]);
    VERLAUF_RENDERER r;

    table.currentIndex = STATE_REIZEN;
    r.loadFromTable(table);
    EXPECT_EQ(r.skat.cardSet(), dealt.cardSet());
    EXPECT_EQ(r.stapel.skat().cardSet(), 0u);

    table.currentIndex = STATE_SPIEL_ANSAGEN;
    table.cards.takeSkatCard(SEAT_1, dealt.cardId(1));
    table.cards.takeSkatCard(SEAT_1, dealt.cardId(2));
    r.loadFromTable(table);
    EXPECT_EQ(r.skat.cardSet(), dealt.cardSet()) << "taken up, the skat is still the one dealt";

    table.cards.pushSkat(SEAT_1, laid);
    table.currentIndex = STATE_KARTE_AUSSPIELEN;
    r.loadFromTable(table);
    EXPECT_EQ(r.skat.cardSet(), dealt.cardSet()) << "the cards put away are not the skat dealt";
    EXPECT_EQ(r.stapel.skat().cardSet(), laid.cardSet());

    // Before the deal the history shows no skat.
    table.currentIndex = STATE_ABHEBEN_UND_GEBEN;
    r.loadFromTable(table);
    EXPECT_EQ(r.skat.cardSet(), 0u);
}

TEST_F(GameHistory, SixtyExactlyMarksOnlyTheDefenders)
{
    // Both parties end on exactly 60 (the skat holds no points): the
    // defenders' last trick is marked, the declarer (who needs 61) never.
    STAPEL pile;
    pile.setVh(SEAT_1);
    pile.setSkat(SKAT(42, 41));
    struct Trick {
        CardId cards[3];
        Party party;
        int declarer, defenders; // running totals afterwards
    };
    const Trick tricks[] = {
        {{18, 17, 11}, PARTY_DECLARER, 21, 0},   {{28, 27, 21}, PARTY_DECLARER, 42, 0},
        {{38, 37, 31}, PARTY_DEFENDERS, 42, 21}, {{48, 47, 43}, PARTY_DEFENDERS, 42, 42},
        {{16, 26, 36}, PARTY_DECLARER, 54, 42},  {{15, 25, 35}, PARTY_DEFENDERS, 54, 51},
        {{14, 23, 33}, PARTY_DECLARER, 56, 51},  {{24, 22, 32}, PARTY_DEFENDERS, 56, 53},
        {{46, 13, 12}, PARTY_DECLARER, 60, 53},  {{34, 44, 45}, PARTY_DEFENDERS, 60, 60},
    };
    for (const Trick& t : tricks) {
        STICH trick;
        for (CardId id : t.cards)
            trick.addCard(id);
        pile.addToParty(t.party, trick, SEAT_1, t.party == PARTY_DECLARER ? SEAT_1 : SEAT_2);
    }
    SPIELSTRUCT record;
    record.ALLEIN = 1;
    record.SPIELART = SPIELART(GAME_GRAND, 0);
    VERLAUF_RENDERER r;
    r.copyGame(pile, record);
    const auto running = r.runningPoints();
    ASSERT_EQ(running.declarer.size(), 10u);
    for (std::size_t n = 0; n < 10; ++n) {
        EXPECT_EQ(running.declarer[n], tricks[n].declarer) << n + 1;
        EXPECT_EQ(running.defenders[n], tricks[n].defenders) << n + 1;
    }
    EXPECT_EQ(running.declarerMark, 0);
    EXPECT_EQ(running.defendersMark, 10);
}

} // namespace

// Pictures for the documentation, taken only when SKAT_SCREENSHOT_DIR names
// a folder (scripts/score-sheet-screenshots.sh runs this under Xvfb in
// either language).
namespace {

TEST_F(ScoreSheetWindow, ScreenshotsOfEachModeAndAHistory)
{
    const char* folder = std::getenv("SKAT_SCREENSHOT_DIR");
    if (!folder)
        GTEST_SKIP() << "SKAT_SCREENSHOT_DIR not set";
    const bool english = std::getenv("SKAT_SCREENSHOT_ENGLISH") != nullptr;
    SKAT_TEXT::installInstance(std::make_unique<SKAT_TEXT>(skat::resourceFile({}, L"Skat_Text.xml"), english));
    BILDER::instance().initialize();
    USER_PREFS& prefs = USER_PREFS::instance();
    prefs.playerNames = english ? std::array<std::wstring, 4>{L"You", L"Left", L"Right", L""}
                                : std::array<std::wstring, 4>{L"Du", L"Links", L"Rechts", L""};
    const std::string suffix = english ? "-en" : "";
    // The forms take their English texts from the program's translation.
    QTranslator translator;
    if (english) {
        ASSERT_TRUE(translator.load(QStringLiteral(SKAT_BINARY_DIR "/skat/windows/Skat.en.qm")));
        QCoreApplication::installTranslator(&translator);
    }
    auto shot = std::make_unique<FENSTER_LISTE>();
    shot->print = [](const LISTE&) { return true; };
    shot->create();
    shot->show();

    LISTE full;
    full.places = 3;
    full.insertRow(sheettest::playedClubsGame());
    pdftest::fillSheet(full, 3, 35, 11);
    full.playerNames = {prefs.playerNames[0], prefs.playerNames[1], prefs.playerNames[2], L""};
    shot->attachList(&full);
    shot->updateTitle();
    shot->resize(shot->minWidth, 715);
    auto* host = dynamic_cast<WIN_FENSTER*>(shot->implementor().get());
    const struct {
        Scoring scoring;
        const char* name;
    } modes[] = {{SCORING_CLASSIC, "classic"},
                 {SCORING_SEEGER_FABIAN, "seeger-fabian"},
                 {SCORING_BIERLACHS, "bierlachs"}};
    for (const auto& mode : modes) {
        prefs.scoring = mode.scoring;
        prefs.tariff = 0.5f;
        shot->selectRow(mode.scoring == SCORING_CLASSIC ? 0 : -1);
        QTest::qWait(50);
        const std::string file = std::string(folder) + "/score-sheet-" + mode.name + suffix + ".png";
        EXPECT_TRUE(host->grab().save(QString::fromStdString(file)));
    }
    prefs.scoring = SCORING_SEEGER_FABIAN;
    if (!english) {
        LISTE four;
        pdftest::fillSheet(four, 4, 36, 5);
        shot->attachList(&four);
        shot->selectRow(-1);
        QTest::qWait(50);
        EXPECT_TRUE(host->grab().save(QString::fromStdString(std::string(folder) + "/score-sheet-4-players.png")));
        shot->attachList(&full);
    }
    shot->selectRow(0);
    shot->showSelectedHistory();
    QTest::qWait(50);
    auto* history = dynamic_cast<WIN_FENSTER*>(shot->tricks.implementor().get());
    EXPECT_TRUE(history->grab().save(QString::fromStdString(std::string(folder) + "/game-history" + suffix + ".png")));
    shot->close();
    shot.reset();
    QCoreApplication::removeTranslator(&translator);
    SKAT_TEXT::installInstance(nullptr);
}

} // namespace
