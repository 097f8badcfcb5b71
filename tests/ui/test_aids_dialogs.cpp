// The aids around a game: the statistics and the high-score rows with
// their arithmetic and deleting, the free game's aids and seat, the hints
// panel, shortening and the change-game-state question, and which help
// page each help button opens.

#include "skat/app/Bestenliste.h"
#include "skat/app/SkatText.h"
#include "skat/app/UserPrefs.h"
#include "skat/engine/EinSpiel.h"
#include "skat/engine/Liste.h"
#include "skat/engine/Player.h"
#include "skat/engine/Skattisch.h"
#include "skat/net/SkatServer.h"
#include "skat/ui/DialogAbrechnung.h"
#include "skat/ui/DialogFreiesSpiel.h"
#include "skat/ui/DialogHilfestellungen.h"
#include "skat/ui/DialogJaNein.h"
#include "skat/ui/DialogReizwerte.h"
#include "skat/ui/DialogSpielAbkuerzen.h"
#include "skat/ui/DialogSpielansage.h"
#include "skat/ui/DialogSpielerstatistik.h"
#include "skat/ui/DialogWirdFrei.h"
#include "skat/ui/FensterSkat.h"
#include "skat/ui/HelpPages.h"
#include "skat/ui/MainWindowShell.h"
#include "skat/ui/PlayerStatistics.h"
#include "skat/ui/TableAids.h"
#include "skat/ui/TableDialogs.h"
#include "skat/ui/TablePress.h"
#include "skat/ui/TableServerAccess.h"
#include "skat/ui/TableTexts.h"
#include "skat/windows/ControlFactories.h"
#include "skat/windows/ControlIdTable.h"
#include "tests/engine/test_table_support.h"
#include "tests/ui/form_test_suite.h"
#include "tests/vordix/TempFolder.h"
#include "vordix/Message.h"
#include "vordix/Stream.h"
#include "vordix/WinFilePath.h"
#include "vordix/windows/WinImplementorFactory.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

// ---------------------------------------------------------------- fixtures

// One row of a sheet: the declarer's seat and the game's value (negative:
// lost); a seat of SEAT_NONE is a game all three passed.
std::unique_ptr<EIN_SPIEL> row(Seat declarer, int value)
{
    auto game = std::make_unique<EIN_SPIEL>();
    SPIELSTRUCT& r = game->record;
    if (declarer == SEAT_NONE)
        return game; // bid 0: passed in
    r.ALLEIN = declarer;
    r.GEREIZT = 18;
    r.SPIELART = SPIELART(GAME_CLUBS, WIN_LEVEL_WITH_SKAT, LEVEL_NONE);
    r.SPIELWERT = value;
    return game;
}

// The seats whose games land in the sheet's columns 0, 1 and 2.
constexpr Seat COLUMN_0 = SEAT_1, COLUMN_1 = SEAT_2, COLUMN_2 = SEAT_0;

void fillSheet(LISTE& sheet, const std::vector<std::pair<Seat, int>>& games)
{
    sheet.reset();
    for (const auto& [seat, value] : games)
        sheet.insertRow(row(seat, value));
}

// Column 0 wins 24 twice and loses 48, column 1 wins 60, column 2 loses
// 36, and one game is passed in: totals 90, 190 and -46 by the
// Seeger-Fabian count (points + 50 per won - 50 per lost + 40 per game
// another lost).
const std::vector<std::pair<Seat, int>> SIX_GAMES = {{COLUMN_0, 24},  {COLUMN_1, 60}, {COLUMN_0, -48},
                                                     {COLUMN_2, -36}, {SEAT_NONE, 0}, {COLUMN_0, 24}};

TEST(PlayerStatistics, ArithmeticAndRankingScaledTo36Games)
{
    struct Case {
        const char* what;
        std::vector<std::pair<Seat, int>> games;
        std::array<int, 3> order;  // players by rank
        std::array<int, 3> totals; // by rank
        std::array<int, 3> scores; // by rank
        int passedIn;
    };
    std::vector<std::pair<Seat, int>> seven = SIX_GAMES;
    seven.push_back({SEAT_NONE, 0});
    std::vector<std::pair<Seat, int>> eighteen(17, {SEAT_NONE, 0});
    eighteen.push_back({COLUMN_0, 50});
    const Case cases[] = {
        {"six games", SIX_GAMES, {1, 0, 2}, {190, 90, -46}, {1140, 540, -276}, 1},
        // 90 x 36 / 7 = 462.9 and -46 x 36 / 7 = -236.6: cut toward zero.
        {"seven games", seven, {1, 0, 2}, {190, 90, -46}, {977, 462, -236}, 2},
        {"a total of 100 in 18 games", eighteen, {0, 1, 2}, {100, 0, 0}, {200, 0, 0}, 17},
        {"no games", {}, {0, 1, 2}, {0, 0, 0}, {0, 0, 0}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LISTE sheet;
        fillSheet(sheet, c.games);
        const PlayerStatistics s = playerStatistics(sheet);
        EXPECT_EQ(s.games, static_cast<int>(c.games.size()));
        EXPECT_EQ(s.passedIn, c.passedIn);
        for (int rank = 0; rank < 3; ++rank) {
            EXPECT_EQ(s.ranked[rank].player, c.order[rank]) << rank;
            EXPECT_EQ(s.ranked[rank].total, c.totals[rank]) << rank;
            EXPECT_EQ(s.ranked[rank].score, c.scores[rank]) << rank;
        }
    }
    LISTE sheet;
    fillSheet(sheet, SIX_GAMES);
    const PlayerStatisticsRow first = playerStatistics(sheet).ranked[1]; // column 0
    EXPECT_EQ(first.won, 2);
    EXPECT_EQ(first.lost, 1);
    EXPECT_EQ(first.points, 0);
}

// ---------------------------------------------------------------- on the forms

class RecordingShell : public MAIN_WINDOW_SHELL {
public:
    void runCommand(const VORDIX_MESSAGE& message) override
    {
        commands.push_back(message.commandId);
        if (onCommand)
            onCommand(message.commandId);
    }
    void shutdown() override { }
    void showHelp(HelpPage page) override { pages.push_back(page); }
    std::vector<int> commands;
    std::vector<HelpPage> pages;
    std::function<void(int)> onCommand;
};

class HarnessServer : public TABLE_SERVER_ACCESS {
public:
    explicit HarnessServer(SKATTISCH_SERVER& table) : table_(table) { }
    SKATTISCH* currentTable() override { return &table_; }
    void startNewSheet() override { }
    void startNewGameOfList() override { }

private:
    SKATTISCH_SERVER& table_;
};

class ClientServer : public TABLE_SERVER_ACCESS {
public:
    explicit ClientServer(SKATTISCH_CLIENT& table) : table_(table) { }
    SKATTISCH* currentTable() override { return &table_; }
    void startNewSheet() override { }
    void startNewGameOfList() override { }

private:
    SKATTISCH_CLIENT& table_;
};

class AidsOnTheTable : public FormTestSuite {
protected:
    void SetUp() override
    {
        installTableServer(std::make_shared<HarnessServer>(*harness.table));
        window = std::make_unique<FENSTER_SKAT>(shell);
        window->create();
        window->show();
        installTableWindows(harness.windows);
    }
    void TearDown() override
    {
        harness.table->stopGameLoop();
        window.reset();
        installTableServer(nullptr);
    }

    static QWidget* widgetOf(VORDIX_DIALOG& dialog) { return dynamic_cast<QWidget*>(dialog.implementor().get()); }
    template <class T = QAbstractButton>
    static T* control(VORDIX_DIALOG& dialog, const char* name)
    {
        return widgetOf(dialog)->findChild<T*>(name);
    }
    static QString label(VORDIX_DIALOG& dialog, const char* name) { return control<QLabel>(dialog, name)->text(); }

    // Puts the table in a state of card play with that many finished tricks.
    void position(int state, int tricks, GameType type = GAME_GRAND)
    {
        SKATTISCH_SERVER& t = *harness.table;
        std::lock_guard lock(t.tableLock);
        t.cards = SPIELKARTEN();
        t.cards.pile.setVh(SEAT_1);
        for (int n = 0; n < tricks; ++n) {
            STICH trick;
            for (CardId id :
                 {static_cast<CardId>(11 + n % 8), static_cast<CardId>(21 + n % 8), static_cast<CardId>(31 + n % 8)})
                trick.addCard(id);
            t.cards.pile.addToParty(PARTY_DECLARER, trick, SEAT_1, SEAT_1);
        }
        t.record.SPIELART = SPIELART(type, WIN_LEVEL_WITH_SKAT, LEVEL_NONE);
        t.currentIndex = state;
    }

    table_test::TableHarness harness;
    RecordingShell shell;
    std::unique_ptr<FENSTER_SKAT> window;
};

// ---------------------------------------------------------------- statistics

class StatisticsDialog : public AidsOnTheTable {
protected:
    void SetUp() override
    {
        AidsOnTheTable::SetUp();
        names = USER_PREFS::instance().playerNames;
        USER_PREFS::instance().playerNames = {L"Anna", L"Bert", L"Cleo", L"Dora"};
        VORDIX_FOLDER where;
        where.setPath(folder.wpath());
        highScoreFile = VORDIX_FILE(where, L"bestenliste");
        historyFile = VORDIX_FILE(where, L"Historie.skt");
        highScores.loadFrom(highScoreFile); // a first start: empty
        highScores.addEntry(310, L"Cleo", L"03.02.2026");
        highScores.addEntry(450, L"Anna", L"01.02.2026");
        highScores.addEntry(120, L"Bert", L"05.02.2026");
        server.withStatisticsSheet([&](LISTE& sheet) {
            fillSheet(sheet, SIX_GAMES);
            sheet.file = historyFile;
        });
    }
    void TearDown() override
    {
        USER_PREFS::instance().playerNames = names;
        AidsOnTheTable::TearDown();
    }
    STATISTICS_SOURCES sources() { return {&highScores, &highScoreMutex, &server}; }
    std::string fileText(const VORDIX_FILE& file)
    {
        std::ifstream in(file.fsPath(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    TempFolder folder;
    VORDIX_FILE highScoreFile;
    VORDIX_FILE historyFile;
    BESTENLISTE highScores;
    std::mutex highScoreMutex;
    SKAT_SERVER server;
    std::array<std::wstring, 4> names;
};

TEST_F(StatisticsDialog, ShowsTheBestSeriesAndThePlayersRanked)
{
    DIALOG_SPIELERSTATISTIK dialog(window.get(), sources());
    dialog.fill();
    // Three entries fill rows 1 to 3, best first; the other seven stay empty.
    EXPECT_EQ(label(dialog, "F_blist_name_base"), "Anna");
    EXPECT_EQ(label(dialog, "F_blist_score_base"), "450");
    EXPECT_EQ(label(dialog, "F_blist_date_base"), "01.02.2026");
    EXPECT_EQ(label(dialog, "F_blist_name_2"), "Cleo");
    EXPECT_EQ(label(dialog, "F_blist_score_3"), "120");
    for (int n = 4; n <= 10; ++n)
        for (const char* column : {"name", "score", "date"}) {
            const std::string name = std::string("F_blist_") + column + "_" + std::to_string(n);
            EXPECT_EQ(label(dialog, name.c_str()), "") << name;
        }
    // Ranked by the score of 36 games: Bert (column 1), Anna, Cleo.
    struct Rank {
        const char* suffix;
        const char *name, *games, *wonLost, *points, *total, *average;
    };
    for (const Rank& r :
         {Rank{"", "Bert", "1", "(1/0)", "60", "190", "1140"}, Rank{"_1", "Anna", "3", "(2/1)", "0", "90", "540"},
          Rank{"_2", "Cleo", "1", "(0/1)", "-36", "-46", "-276"}}) {
        SCOPED_TRACE(r.name);
        const auto cell = [&](const char* column) {
            return label(dialog, (std::string("F_stats_") + column + r.suffix).c_str());
        };
        EXPECT_EQ(cell("name"), r.name);
        EXPECT_EQ(cell("games"), r.games);
        EXPECT_EQ(cell("gew_verl"), r.wonLost);
        EXPECT_EQ(cell("points"), r.points);
        EXPECT_EQ(cell("tscore"), r.total);
        EXPECT_EQ(cell("average"), r.average);
    }
    EXPECT_EQ(label(dialog, "F_stats_total"), "6");
    EXPECT_EQ(label(dialog, "F_stats_eingepasst"), "1");
    EXPECT_TRUE(control(dialog, "F_blist_delete")->isEnabled());
}

TEST_F(StatisticsDialog, DeletingAsksOnTheSheetAndOnlyYesEmptiesAndSavesBoth)
{
    DIALOG_SPIELERSTATISTIK dialog(window.get(), sources());
    dialog.fill();
    const auto games = [&] {
        int rows = -1;
        server.withStatisticsSheet([&](LISTE& sheet) { rows = sheet.rowCount(); });
        return rows;
    };
    struct Case {
        const char* answer; // null: the sheet is closed by its frame
        bool deleted;
    };
    for (const Case& c : {Case{"Sheet_jn_nein", false}, Case{nullptr, false}, Case{"Sheet_jn_ja", true}}) {
        SCOPED_TRACE(c.answer ? c.answer : "closed");
        QString question;
        QTimer::singleShot(0, [&] {
            question = label(*dialog.sheet, "Sheet_jn_text");
            if (c.answer)
                control(*dialog.sheet, c.answer)->click();
            else
                widgetOf(*dialog.sheet)->close();
        });
        dialog.onCommand(DIALOG_SPIELERSTATISTIK::DELETE);
        EXPECT_EQ(question.toStdWString(), skat::text(TextKey::Dialog_Spielerstatisik_loeschen_jn));
        EXPECT_EQ(highScores.entries().size(), c.deleted ? 0u : 3u);
        EXPECT_EQ(games(), c.deleted ? 0 : 6);
        EXPECT_EQ(label(dialog, "F_blist_name_base"), c.deleted ? "" : "Anna");
    }
    EXPECT_EQ(label(dialog, "F_stats_total"), "0");
    for (const char* average : {"F_stats_average", "F_stats_average_1", "F_stats_average_2"})
        EXPECT_EQ(label(dialog, average), "0");
    EXPECT_EQ(label(dialog, "F_stats_name"), "Anna") << "no games: the players in their order";
    EXPECT_EQ(label(dialog, "F_stats_name_2"), "Cleo");
    EXPECT_FALSE(control(dialog, "F_blist_delete")->isEnabled()) << "nothing left to delete";
    // Both files were written empty.
    const std::string saved = fileText(highScoreFile);
    EXPECT_NE(saved.find("Bestenliste"), std::string::npos);
    EXPECT_EQ(saved.find("Spieler"), std::string::npos);
    const std::string history = fileText(historyFile);
    EXPECT_NE(history.find("Spielliste"), std::string::npos);
    for (const char* game : {"<Spiel>", "<Spiel "})
        EXPECT_EQ(history.find(game), std::string::npos) << game;
}

} // namespace

namespace {

// ---------------------------------------------------------------- free game

TEST(FreeGameSeat, TheChosenPlaceIsTheUsersPlaceInTheDeal)
{
    using F = DIALOG_FREIES_SPIEL;
    SKATTISCH_SERVER table;
    const struct {
        F::Role role;
        TextKey place;
    } cases[] = {{F::ROLE_FOREHAND, TextKey::Vorhand},
                 {F::ROLE_MIDDLEHAND, TextKey::Mittelhand},
                 {F::ROLE_REARHAND, TextKey::Hinterhand}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.role));
        table.modus.setForehand(F::forehandFor(SEAT_1, c.role));
        // Screen place 1 is the user's seat at this program's table; the
        // bidding shows each seat's place in the deal.
        EXPECT_EQ(table_texts::seatRoleText(table, INPUT_BID, 1), skat::text(c.place));
    }
    EXPECT_EQ(F::forehandFor(SEAT_1, F::ROLE_FOREHAND), SEAT_1);
    EXPECT_EQ(F::forehandFor(SEAT_1, F::ROLE_MIDDLEHAND), SEAT_0);
    EXPECT_EQ(F::forehandFor(SEAT_1, F::ROLE_REARHAND), SEAT_2);
}

TEST_F(AidsOnTheTable, TheFreeGameDialogSetsTheAidsOnTheTableAndKeepsTheSeat)
{
    DIALOG_FREIES_SPIEL dialog(window.get());
    FENSTER_SKAT_CONTROLLER& c = *window->windowController();
    c.allHandsOpen = true; // shown whatever the game
    c.courseWanted = true; // only in a free game
    harness.table->modus.freeGame = false;
    struct Seen {
        bool suggestions, points, otherHands, history, forehand;
    } seen{};
    QTimer::singleShot(0, [&] {
        seen = {control(dialog, "F_frei_vorschl")->isChecked(), control(dialog, "F_frei_punkte")->isChecked(),
                control(dialog, "F_frei_blattzeigen")->isChecked(), control(dialog, "F_frei_verlauf")->isChecked(),
                control(dialog, "F_frei_vh")->isChecked()};
        control(dialog, "F_frei_mh")->click();
        for (const char* aid : {"F_frei_vorschl", "F_frei_punkte", "F_frei_verlauf"})
            control(dialog, aid)->click();
        control(dialog, "F_frei_blattzeigen")->click(); // off
        control(dialog, "F_frei_start")->click();
    });
    EXPECT_EQ(dialog.run(), SEAT_0) << "middlehand: the seat before the user's leads";
    EXPECT_FALSE(seen.suggestions || seen.points || seen.history) << "not a free game: these aids are off";
    EXPECT_TRUE(seen.otherHands);
    EXPECT_TRUE(seen.forehand) << "forehand the first time";

    // The aids reached the table.
    EXPECT_TRUE(c.analysisWanted);
    EXPECT_TRUE(c.infoTextShown) << "the suggestion waits in the status text";
    EXPECT_TRUE(window->pileController.labels);
    EXPECT_TRUE(c.courseWanted);
    EXPECT_FALSE(c.allHandsOpen);
    EXPECT_TRUE(window->handViews[1].faceDown) << "the other hands are turned down again";

    // In the free game the dialog shows them again with the seat kept;
    // cancelling changes nothing.
    harness.table->modus.freeGame = true;
    QTimer::singleShot(0, [&] {
        seen = {control(dialog, "F_frei_vorschl")->isChecked(), control(dialog, "F_frei_punkte")->isChecked(),
                control(dialog, "F_frei_blattzeigen")->isChecked(), control(dialog, "F_frei_verlauf")->isChecked(),
                control(dialog, "F_frei_mh")->isChecked()};
        control(dialog, "F_frei_punkte")->click();
        control(dialog, "F_frei_abbr")->click();
    });
    EXPECT_EQ(dialog.run(), SEAT_NONE);
    EXPECT_TRUE(seen.suggestions && seen.points && seen.history && seen.forehand);
    EXPECT_FALSE(seen.otherHands);
    EXPECT_TRUE(window->pileController.labels) << "cancel leaves the aids";
}

// ---------------------------------------------------------------- hints panel

TEST_F(AidsOnTheTable, HintsPanelOffersTheTakeBackOnlyAfterAFinishedTrick)
{
    DIALOG_HILFESTELLUNGEN panel(window.get());
    const struct {
        const char* what;
        int state, tricks;
        bool undo;
    } cases[] = {
        {"no game", STATE_NONE, 0, false},
        {"bidding", STATE_REIZEN, 0, false},
        {"first card of the game", STATE_KARTE_AUSSPIELEN, 0, false},
        {"first trick complete", STATE_STICH_ABLEGEN, 0, true},
        {"second trick", STATE_KARTE_AUSSPIELEN, 1, true},
        {"settlement", STATE_ABRECHNUNG, 10, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        position(c.state, c.tricks);
        EXPECT_EQ(takeBackPossible(*harness.table), c.undo);
        panel.initDialog();
        EXPECT_EQ(control(panel, "F_wiz_undo")->isEnabled(), c.undo);
    }
}

TEST_F(AidsOnTheTable, HintsPanelSendsTheMenuCommandsAndShowsWhatTheyDid)
{
    DIALOG_HILFESTELLUNGEN panel(window.get());
    harness.table->modus.freeGame = true;
    FENSTER_SKAT_CONTROLLER& c = *window->windowController();
    // The command decides; here it turns the aid on or off as the menu does.
    shell.onCommand = [&](int command) {
        TableAids aids = wantedAids(*window);
        if (command == 476)
            aids.points = !aids.points;
        if (command == 478)
            aids.otherHands = !aids.otherHands;
        applyAids(*window, aids);
    };
    panel.open();
    const struct {
        const char* control;
        int command;
    } cases[] = {{"F_wiz_undo", 480},
                 {"F_wiz_vorschlaege", 475},
                 {"F_wiz_punktekonten", 476},
                 {"F_wiz_blatt_mitspieler", 478},
                 {"F_wiz_spielverlauf", 477}};
    position(STATE_KARTE_AUSSPIELEN, 2);
    panel.initDialog();
    for (const auto& k : cases) {
        SCOPED_TRACE(k.control);
        shell.commands.clear();
        control(panel, k.control)->click();
        EXPECT_EQ(shell.commands, std::vector<int>{k.command});
    }
    // Points and the other hands were turned on by their commands; the
    // suggestions and the course were refused (their commands did nothing):
    // the panel shows that, whatever the click did to the box.
    EXPECT_TRUE(control(panel, "F_wiz_punktekonten")->isChecked());
    EXPECT_TRUE(control(panel, "F_wiz_blatt_mitspieler")->isChecked());
    EXPECT_FALSE(control(panel, "F_wiz_vorschlaege")->isChecked());
    EXPECT_FALSE(control(panel, "F_wiz_spielverlauf")->isChecked());
    EXPECT_TRUE(c.allHandsOpen);
    EXPECT_TRUE(widgetOf(panel)->isVisible()) << "the panel stays open";
    // Flush right at the top of the table.
    EXPECT_EQ(widgetOf(panel)->x() + widgetOf(panel)->width(), widgetOf(panel)->parentWidget()->width());
}

// ---------------------------------------------------------------- shortening

TEST_F(AidsOnTheTable, ShorteningIsOfferedOnlyWhileTheCardsArePlayed)
{
    DIALOG_SPIEL_ABKUERZEN panel(window.get());
    const struct {
        const char* what;
        int state, tricks;
        GameType type;
        bool offered, layDown;
    } cases[] = {
        {"no game", STATE_NONE, 0, GAME_GRAND, false, false},
        {"bidding", STATE_REIZEN, 0, GAME_NONE, false, false},
        {"announcing", STATE_SPIEL_ANSAGEN, 0, GAME_NONE, false, false},
        {"first card", STATE_KARTE_AUSSPIELEN, 0, GAME_HEARTS, true, true},
        {"trick complete", STATE_STICH_ABLEGEN, 4, GAME_NULL, true, true},
        {"Ramsch", STATE_KARTE_AUSSPIELEN, 3, GAME_RAMSCH, true, false},
        {"settlement", STATE_ABRECHNUNG, 10, GAME_GRAND, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        position(c.state, c.tricks, c.type);
        EXPECT_EQ(shorteningOffered(*harness.table), c.offered);
        harness.table->endCardPlayFlag = 0;
        harness.table->playTheRestFlag = 0;
        EXPECT_EQ(shortenGame(*harness.table, true), c.offered && c.layDown);
        EXPECT_EQ(harness.table->endCardPlayFlag != 0, c.offered && c.layDown);
        EXPECT_EQ(shortenGame(*harness.table, false), c.offered);
        EXPECT_EQ(harness.table->playTheRestFlag != 0, c.offered) << "no request waits for the next game";
        panel.open();
        EXPECT_EQ(widgetOf(panel)->isVisible(), c.offered);
        if (c.offered) {
            EXPECT_EQ(control(panel, "F_abk_legen")->isEnabled(), c.layDown);
        }
        widgetOf(panel)->hide();
    }
    harness.table->endCardPlayFlag = 0;
    harness.table->playTheRestFlag = 0;
}

TEST_F(AidsOnTheTable, ShorteningPanelSendsItsCommandAndEnds)
{
    DIALOG_SPIEL_ABKUERZEN panel(window.get());
    position(STATE_KARTE_AUSSPIELEN, 1);
    for (const auto& [button, command] : {std::pair{"F_abk_legen", 481}, std::pair{"F_abk_alles_zu_mir", 482}}) {
        SCOPED_TRACE(button);
        shell.commands.clear();
        panel.open();
        ASSERT_TRUE(widgetOf(panel)->isVisible());
        // Its bottom edge lies on the window's bottom edge.
        EXPECT_EQ(widgetOf(panel)->y() + widgetOf(panel)->height(), widgetOf(panel)->parentWidget()->height());
        control(panel, button)->click();
        EXPECT_EQ(shell.commands, std::vector<int>{command});
        EXPECT_FALSE(widgetOf(panel)->isVisible());
    }
}

// The user lays the cards down at a card request, or lets them be played:
// the game ends at once given up, or is played to its end; and the request
// does not outlive the game.
TEST(ShorteningAGame, TheUsersSideGivesUpOrTheCardsArePlayedOut)
{
    for (const bool layDown : {true, false}) {
        SCOPED_TRACE(layDown ? "lay down" : "play out");
        table_test::TableHarness harness;
        harness.stopAfterGames = 1;
        harness.windows->game = SPIELART(GAME_GRAND, WIN_LEVEL_WITH_SKAT, LEVEL_NONE);
        ASSERT_TRUE(harness.holdHumanAt(REQUEST_PLAY_CARD, table_test::DEAL, SEAT_1));
        harness.windows->holdKind = REQUEST_NONE;
        ASSERT_TRUE(shortenGame(*harness.table, layDown));
        ASSERT_TRUE(harness.table->waitForLoopEnd(20000));
        const auto records = harness.settled();
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(records[0].ALSP_AUFGEGEBEN, layDown) << "the declarer's side gave up";
        EXPECT_EQ(harness.windows->cardRequests, 1) << "no further card was asked of the user";
        EXPECT_EQ(harness.table->endCardPlayFlag, 0);
        EXPECT_EQ(harness.table->playTheRestFlag, 0);
    }
}

// ---------------------------------------------------------------- help pages

TEST_F(AidsOnTheTable, EveryHelpButtonOpensItsOwnPage)
{
    TABLE_DIALOGS& dialogs = *window->tableDialogs();
    DIALOG_REIZWERTE_KALKULATOR calculator;
    const struct {
        const char* what;
        std::function<void()> click;
        HelpPage page;
    } cases[] = {
        {"announcement after the skat", [&] { dialogs.announce->onCommand(DIALOG_SPIEL_EINFACH::HELP); },
         HelpPage::Rules},
        {"hand game announcement", [&] { dialogs.announceHand->onCommand(DIALOG_SPIEL_HAND::HELP); }, HelpPage::Rules},
        {"settlement's bubble", [&] { dialogs.settlement->onCommand(DIALOG_ABRECHNUNG::MATADOR_HELP); },
         HelpPage::BidFactor},
        {"the skat-or-hand help",
         [&] {
             SKAT_BUTTON& help = window->buttons[BUTTON_SKAT_HELP];
             help.visible = true;
             std::vector<HitRegion> regions;
             window->windowController()->addSkatOrHandRegions(regions);
             TABLE_PRESS press;
             EXPECT_EQ(press.press(regions, help.x + 4, help.y + 4), "skat help");
         },
         HelpPage::HandGame},
        {"calculator", [&] { calculator.onCommand(DIALOG_REIZWERTE_KALKULATOR::HELP); }, HelpPage::GameValues},
        {"the calculator at a joined table",
         [&] {
             SKATTISCH_CLIENT joined;
             installTableServer(std::make_shared<ClientServer>(joined));
             calculator.onCommand(DIALOG_REIZWERTE_KALKULATOR::HELP);
             installTableServer(std::make_shared<HarnessServer>(*harness.table));
         },
         HelpPage::GameValues},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        shell.pages.clear();
        c.click();
        EXPECT_EQ(shell.pages, std::vector<HelpPage>{c.page});
    }
    // Each page has its file in both languages.
    for (HelpPage page : {HelpPage::Program, HelpPage::Introduction, HelpPage::Rules, HelpPage::HandGame,
                          HelpPage::GameValues, HelpPage::BidFactor})
        for (bool english : {false, true})
            EXPECT_FALSE(helpFileOf(page, english).empty());
    EXPECT_EQ(helpFileOf(HelpPage::HandGame, true), L"einfuehrung/handspiel.en.html");
    EXPECT_EQ(topicOf(HelpPage::GameValues), HelpTopic::Introduction);
}

} // namespace

namespace {

// The course of the game shows the take-back and hint buttons: their
// pictures are bound when the window is made (the card set was loaded
// before), so they do not draw their plain fallback.
TEST_F(AidsOnTheTable, TheCourseButtonsHaveTheirPictures)
{
    for (int index : {BUTTON_TAKE_BACK, BUTTON_HINT}) {
        SCOPED_TRACE(index);
        const SKAT_BUTTON& button = window->buttons[index];
        ASSERT_NE(button.image, nullptr);
        EXPECT_TRUE(button.image->isLoaded());
        ASSERT_NE(button.pressedImage, nullptr);
        EXPECT_TRUE(button.pressedImage->isLoaded());
    }
}

} // namespace
