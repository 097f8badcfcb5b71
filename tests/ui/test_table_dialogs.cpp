// The dialogs of a game: the level logic of the two announcement panels and
// of the bid-value calculator, the settlement's rows, and how the panels
// answer the awaited human player (and only that player's request).

#include "skat/app/PrefDefaults.h"
#include "skat/app/SheetTextsFromTable.h"
#include "skat/app/SkatFolders.h"
#include "skat/app/SkatText.h"
#include "skat/app/UserPrefs.h"
#include "skat/engine/EngineTexts.h"
#include "skat/engine/Player.h"
#include "skat/engine/Skattisch.h"
#include "skat/ui/DialogAbrechnung.h"
#include "skat/ui/DialogJaNein.h"
#include "skat/ui/DialogReizwerte.h"
#include "skat/ui/DialogSpielansage.h"
#include "skat/ui/FensterSkat.h"
#include "skat/ui/MainWindowShell.h"
#include "skat/ui/TableDialogs.h"
#include "skat/ui/TableServerAccess.h"
#include "skat/ui/WindowServerDialogs.h"
#include "skat/windows/ControlFactories.h"
#include "skat/windows/ControlIdTable.h"
#include "skat/windows/ResourceStringTable.h"
#include "tests/app/MemoryPreferenceStore.h"
#include "tests/engine/test_table_support.h"
#include "tests/ui/form_test_suite.h"
#include "vordix/Message.h"
#include "vordix/WinFilePath.h"
#include "vordix/windows/ClientFenster.h"
#include "vordix/windows/WinFenster.h"
#include "vordix/windows/WinImplementorFactory.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

using D1 = DIALOG_SPIEL_EINFACH;
using DH = DIALOG_SPIEL_HAND;
using K = DIALOG_REIZWERTE_KALKULATOR;
using A = DIALOG_ABRECHNUNG;

bool sameGame(const SPIELART& game, int type, int winLevel, int level)
{
    return game.SPIEL_TYP == type && game.GEWINN_STUFE == winLevel && game.STUFE == level;
}

// ---------------------------------------------------------------- level logic

TEST(AnnouncementLevels, PanelAfterTheSkat)
{
    struct Case {
        const char* what;
        SimpleBoxes before;
        int control;
        bool schneider, schwarz, nullOuvert;
        int type, winLevel, level;
    };
    const Case cases[] = {
        {"null ouvert", {D1::NULL_GAME, true, false, false}, D1::NULL_OUVERT, false, false, true, 7, 1, 0},
        {"a suit clears ouvert", {D1::CLUBS, true, false, false}, D1::CLUBS, false, false, false, 1, 0, 0},
        {"Schwarz brings Schneider", {D1::HEARTS, false, false, true}, D1::SCHWARZ, true, true, false, 3, 0, 2},
        {"no Schneider, no Schwarz", {D1::GRAND, false, false, true}, D1::SCHNEIDER, false, false, false, 5, 0, 0},
        {"Schneider alone", {D1::SPADES, false, true, false}, D1::SCHNEIDER, true, false, false, 2, 0, 1},
        {"no game", {0, false, false, false}, D1::OK, false, false, false, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SimpleBoxes boxes = c.before;
        applySimpleLevelRules(c.control, boxes);
        EXPECT_EQ(boxes.schneider, c.schneider);
        EXPECT_EQ(boxes.schwarz, c.schwarz);
        EXPECT_EQ(boxes.nullOuvert, c.nullOuvert);
        EXPECT_TRUE(sameGame(simpleGame(boxes), c.type, c.winLevel, c.level));
    }
}

TEST(AnnouncementLevels, HandGamePanel)
{
    struct Case {
        const char* what;
        HandBoxes before;
        int control;
        HandBoxes after;
        int type, winLevel, level;
    };
    const HandBoxes all{DH::CLUBS, true, true, true, true, true, true};
    // clang-format off
    const Case cases[] = {
        {"open brings every level", {DH::CLUBS, false, false, false, false, true, true}, DH::OUVERT,
         all, 1, 5, 2},
        {"no Schneider takes the rest", {DH::CLUBS, false, true, true, true, true, true}, DH::SCHNEIDER,
         {DH::CLUBS, false, false, false, false, false, true}, 1, 2, 0},
        {"Schneider announced", {DH::HEARTS, false, true, false, false, false, true}, DH::SCHNEIDER_ANNOUNCED,
         {DH::HEARTS, true, true, false, false, false, true}, 3, 3, 1},
        {"null clears and locks the levels", {DH::NULL_GAME, true, true, true, true, false, true}, DH::NULL_GAME,
         {DH::NULL_GAME, false, false, false, false, false, false}, 7, 2, 0},
        {"null open", {DH::NULL_GAME, false, false, false, false, true, true}, DH::OUVERT,
         {DH::NULL_GAME, false, false, false, false, true, false}, 7, 5, 0},
        {"grand open is grand ouvert", {DH::GRAND, false, false, false, false, true, true}, DH::OUVERT,
         {DH::GRAND, true, true, true, true, true, true}, 6, 5, 2},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HandBoxes b = c.before;
        applyHandLevelRules(c.control, b);
        EXPECT_EQ(b.schneider, c.after.schneider);
        EXPECT_EQ(b.schneiderAnnounced, c.after.schneiderAnnounced);
        EXPECT_EQ(b.schwarz, c.after.schwarz);
        EXPECT_EQ(b.schwarzAnnounced, c.after.schwarzAnnounced);
        EXPECT_EQ(b.ouvert, c.after.ouvert);
        EXPECT_EQ(b.levelsEnabled, c.after.levelsEnabled);
        EXPECT_TRUE(sameGame(handGame(b), c.type, c.winLevel, c.level));
    }
}

TEST(AnnouncementLevels, AGameBelowTheBidCannotBeConfirmedAndTheTableGetsNoLevel)
{
    struct Case {
        SPIELART game;
        int matadors, bid;
        int value;
        bool ok;
    };
    const Case cases[] = {
        {SPIELART(GAME_CLUBS, 0, 0), 1, 18, 24, true},    {SPIELART(GAME_DIAMONDS, 0, 0), 1, 20, 18, false},
        {SPIELART(GAME_DIAMONDS, 0, 1), 1, 20, 27, true}, // counting on Schneider
        {SPIELART(GAME_NULL, 0, 0), 0, 24, 23, false},    {SPIELART(GAME_NONE, 0, 0), 0, 18, 0, false},
    };
    for (const Case& c : cases) {
        const BidCheck check = checkAgainstBid(c.game, c.matadors, c.bid);
        EXPECT_EQ(check.value, c.value);
        EXPECT_EQ(check.okEnabled, c.ok);
    }
    EXPECT_TRUE(sameGame(announcedForm(SPIELART(GAME_DIAMONDS, 3, 1)), GAME_DIAMONDS, 3, 0));
}

TEST(BidCalculator, LevelsFollowTheirBase)
{
    struct Case {
        const char* what;
        CalculatorBoxes before;
        int control;
        bool hand, schneider, snAng, schwarz, swAng, ouvert;
        bool schneiderEnabled, ouvertEnabled;
    };
    CalculatorBoxes grandHand;
    grandHand.typeButton = K::GRAND;
    grandHand.hand = true;
    CalculatorBoxes swAng = grandHand;
    swAng.schwarzAnnounced = true;
    CalculatorBoxes full = grandHand;
    full.schneider = full.schneiderAnnounced = full.schwarz = full.schwarzAnnounced = full.ouvert = true;
    CalculatorBoxes noSchneider = full;
    noSchneider.schneider = false;
    CalculatorBoxes nullBoxes;
    nullBoxes.typeButton = K::NULL_GAME;
    nullBoxes.schneider = nullBoxes.schwarz = true;
    // clang-format off
    const Case cases[] = {
        {"Schwarz announced brings the rest", swAng, K::SCHWARZ_ANNOUNCED, true, true, true, true, true, false, true, true},
        {"no Schneider takes the rest", noSchneider, K::SCHNEIDER, true, false, false, false, false, false, true, true},
        {"null has no Schneider", nullBoxes, K::NULL_GAME, false, false, false, false, false, false, false, true},
        {"without hand no announcements", {K::CLUBS, false, true, true, false, false, false}, K::HAND, false, true,
         false, false, false, false, true, false},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CalculatorBoxes b = c.before;
        applyCalculatorRules(c.control, b);
        EXPECT_EQ(b.hand, c.hand);
        EXPECT_EQ(b.schneider, c.schneider);
        EXPECT_EQ(b.schneiderAnnounced, c.snAng);
        EXPECT_EQ(b.schwarz, c.schwarz);
        EXPECT_EQ(b.schwarzAnnounced, c.swAng);
        EXPECT_EQ(b.ouvert, c.ouvert);
        EXPECT_EQ(b.schneiderEnabled, c.schneiderEnabled);
        EXPECT_EQ(b.ouvertEnabled, c.ouvertEnabled);
    }
}

TEST(BidCalculator, Values)
{
    struct Case {
        const char* what;
        CalculatorBoxes boxes;
        int matadors;
        int type, winLevel, level, value;
    };
    auto boxes = [](int type, bool hand, bool schneider, bool snAng, bool schwarz, bool swAng, bool ouvert) {
        CalculatorBoxes b;
        b.typeButton = type;
        b.hand = hand;
        b.schneider = schneider;
        b.schneiderAnnounced = snAng;
        b.schwarz = schwarz;
        b.schwarzAnnounced = swAng;
        b.ouvert = ouvert;
        return b;
    };
    const Case cases[] = {
        {"clubs with two", boxes(K::CLUBS, false, false, false, false, false, false), 2, 1, 0, 0, 36},
        {"spades without three", boxes(K::SPADES, false, false, false, false, false, false), -3, 2, 0, 0, 44},
        {"hearts hand Schneider", boxes(K::HEARTS, true, true, false, false, false, false), 1, 3, 2, 1, 40},
        {"grand hand with one", boxes(K::GRAND, true, false, false, false, false, false), 1, 5, 2, 0, 72},
        {"diamonds Schwarz announced", boxes(K::DIAMONDS, true, true, true, true, true, false), 1, 4, 4, 2, 63},
        {"null", boxes(K::NULL_GAME, false, false, false, false, false, false), 0, 7, 0, 0, 23},
        {"null ouvert", boxes(K::NULL_GAME, false, false, false, false, false, true), 0, 7, 1, 0, 46},
        {"null ouvert hand", boxes(K::NULL_GAME, true, false, false, false, false, true), 0, 7, 5, 0, 59},
        {"grand ouvert with four", boxes(K::GRAND, true, true, true, true, true, true), 4, 6, 5, 2, 264},
    };
    setCurrentRules(RuleSettings{});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const SPIELART game = calculatorGame(c.boxes);
        EXPECT_TRUE(sameGame(game, c.type, c.winLevel, c.level));
        EXPECT_EQ(game.gameValue(c.matadors), c.value);
    }
}

// ---------------------------------------------------------------- settlement texts

class SettlementTextsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        WIN_FILEPATH::setProgramFolder(WIN_FILEPATH::fromFsPath(SKAT_BINARY_DIR "/skat/windows"));
        SKAT_TEXT::installInstance(std::make_unique<SKAT_TEXT>());
        skat::installEngineTextsFromTable();
    }
    static void TearDownTestSuite() { WIN_FILEPATH::setProgramFolder(L""); }

    static SettlementFacts ramsch(std::array<int, 3> cards, std::array<int, 3> points, int skat, int bock = 0)
    {
        SettlementFacts f;
        f.record.SPIELART = SPIELART(GAME_RAMSCH, 0, 0);
        f.record.BOCKRUNDE_NR = bock;
        f.names = {L"Torvo", L"Du", L"Brummo"};
        f.cardsTaken = cards;
        f.pointsTaken = points;
        f.skatPoints = skat;
        return f;
    }
    static SettlementFacts suitGame(int winLevel, int matadors, int value)
    {
        SettlementFacts f;
        f.record.SPIELART = SPIELART(GAME_HEARTS, winLevel, 0);
        f.record.SPITZEN = matadors;
        f.record.SPIELWERT = value;
        f.record.GEREIZT = 18;
        f.record.ALLEIN = 1;
        f.declarerIsUser = true;
        f.hasDeclarer = true;
        f.dealtMatadors = matadors;
        f.declarerPoints = value > 0 ? 75 : 50;
        return f;
    }
    static std::wstring trimmed(std::wstring text)
    {
        while (!text.empty() && text.back() == L' ')
            text.pop_back();
        while (!text.empty() && text.front() == L' ')
            text.erase(0, 1);
        return text;
    }
};

TEST_F(SettlementTextsTest, RamschRows)
{
    struct Case {
        const char* what;
        SettlementFacts facts;
        std::wstring row1, row1Points, row2, row2Points, row3, row3Points, verdict, result, times;
    };
    const Case cases[] = {
        {"Durchmarsch", ramsch({30, 0, 0}, {120, 0, 0}, 0), L"Torvo", L"120", L"", L"", L"", L"", L"Durchmarsch!",
         L"120", L""},
        {"Durchmarsch in a Bock game", ramsch({30, 0, 0}, {120, 0, 0}, 0, 1), L"Torvo", L"120", L"", L"", L"", L"",
         L"Durchmarsch!", L"240", L"mal 2"},
        {"a tie goes to the lower seat", ramsch({9, 9, 12}, {40, 40, 30}, 10), L"Torvo", L"40", L"Du", L"40", L"Brummo",
         L"(30)", L"Verloren", L"-50", L""},
        {"Jungfrau doubles", ramsch({20, 10, 0}, {70, 40, 0}, 10), L"Torvo", L"70", L"Du", L"(40)", L"Brummo",
         L"Jungfrau", L"Verloren", L"-160", L"mal 2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const SettlementTexts t = buildSettlementTexts(c.facts);
        auto at = [&](int id) { return t.labels.at(id); };
        EXPECT_EQ(at(A::WHO), L"Ramsch");
        EXPECT_EQ(at(A::GAME), c.row1);
        EXPECT_EQ(at(A::GAME_VALUE), c.row1Points);
        EXPECT_EQ(at(A::WITH), c.row2);
        EXPECT_EQ(at(A::WITH_VALUE), c.row2Points);
        EXPECT_EQ(at(A::HAND), c.row3);
        EXPECT_EQ(at(A::HAND_VALUE), c.row3Points);
        EXPECT_EQ(at(A::EXTRA), L"Augen im Skat");
        EXPECT_EQ(at(A::VERDICT), c.verdict);
        EXPECT_EQ(at(A::RESULT), c.result);
        EXPECT_EQ(at(A::KONTRA_VALUE), c.times);
        EXPECT_FALSE(t.matadorHelpShown);
    }
}

TEST_F(SettlementTextsTest, SuitGameRows)
{
    // A won hand game with two matadors.
    SettlementFacts won = suitGame(WIN_LEVEL_HAND, 2, 40);
    SettlementTexts t = buildSettlementTexts(won);
    EXPECT_EQ(t.labels[A::WHO], L"Du hast gespielt:");
    EXPECT_EQ(t.labels[A::GAME], L"Herz            ");
    EXPECT_EQ(t.labels[A::GAME_VALUE], L"  10");
    EXPECT_EQ(t.labels[A::WITH], L"Mit             ");
    EXPECT_EQ(t.labels[A::WITH_VALUE], L"   2");
    EXPECT_EQ(trimmed(t.labels[A::HAND]), L"Hand");
    EXPECT_EQ(t.labels[A::HAND_VALUE], L"   4");
    EXPECT_EQ(t.labels[A::VERDICT], L"Gewonnen");
    EXPECT_EQ(t.labels[A::RESULT], L"  40");
    EXPECT_EQ(t.labels[A::LOST_HAND_NOTE], L"");

    // Lost as a hand game under the international rules.
    SettlementFacts lost = suitGame(WIN_LEVEL_HAND, 2, -80);
    t = buildSettlementTexts(lost);
    EXPECT_EQ(t.labels[A::VERDICT], L"Verloren");
    EXPECT_EQ(t.labels[A::RESULT], L" -80");
    EXPECT_EQ(t.labels[A::LOST_HAND_NOTE], skat::text(TextKey::Hinweis_International_Hand_Doppelt));
}

// Who played, in either language: the user or another player by name.
TEST_F(SettlementTextsTest, WhoPlayedInBothLanguages)
{
    const struct {
        bool english, user;
        std::wstring who;
    } cases[] = {
        {false, true, L"Du hast gespielt:"},
        {false, false, L"Kazzle spielte:"},
        {true, true, L"You played:"},
        {true, false, L"Kazzle played:"},
    };
    for (const auto& c : cases) {
        SKAT_TEXT::installInstance(std::make_unique<SKAT_TEXT>(skat::resourceFile({}, L"Skat_Text.xml"), c.english));
        SettlementFacts f = suitGame(WIN_LEVEL_WITH_SKAT, 1, 20);
        f.declarerIsUser = c.user;
        f.declarerName = L"Kazzle";
        EXPECT_EQ(buildSettlementTexts(f).labels[A::WHO], c.who);
    }
    SKAT_TEXT::installInstance(std::make_unique<SKAT_TEXT>());
}

TEST_F(SettlementTextsTest, OverbidShowsTheSettlementLevel)
{
    SettlementFacts f = suitGame(WIN_LEVEL_WITH_SKAT, 1, -60);
    f.record.GEREIZT = 30; // hearts with one is worth 20
    f.record.STUFE_DER_ABRECHNUNG = 3;
    const SettlementTexts t = buildSettlementTexts(f);
    EXPECT_EQ(trimmed(t.labels.at(A::EXTRA)), L"Überreizt");
    EXPECT_EQ(t.labels.at(A::EXTRA_VALUE), L"   3");
}

TEST_F(SettlementTextsTest, BockWithReCountsEightTimes)
{
    struct Case {
        bool bock, kontra, re;
        std::wstring text, times;
    };
    const Case cases[] = {
        {true, true, true, L"BockrundeRe", L"mal 8"},      {false, true, true, L"Re", L"mal 4"},
        {true, true, false, L"BockrundeKontra", L"mal 4"}, {false, true, false, L"Kontra", L"mal 2"},
        {true, false, false, L"Bockrunde", L"mal 2"},      {false, false, false, L"", L""},
    };
    for (const Case& c : cases) {
        SettlementFacts f = suitGame(WIN_LEVEL_WITH_SKAT, 1, 20);
        f.record.BOCKRUNDE_NR = c.bock ? 2 : 0;
        f.record.KONTRA = c.kontra;
        f.record.RE = c.re;
        const SettlementTexts t = buildSettlementTexts(f);
        EXPECT_EQ(t.labels.at(A::KONTRA), c.text);
        EXPECT_EQ(t.labels.at(A::KONTRA_VALUE), c.times);
    }
}

TEST_F(SettlementTextsTest, MatadorHelpWhenTheSkatChangedTheCount)
{
    SettlementFacts f = suitGame(WIN_LEVEL_WITH_SKAT, 3, 40);
    EXPECT_FALSE(buildSettlementTexts(f).matadorHelpShown);
    f.dealtMatadors = 2;
    EXPECT_TRUE(buildSettlementTexts(f).matadorHelpShown);
    f = suitGame(WIN_LEVEL_WITH_SKAT, -5, 60);
    EXPECT_TRUE(buildSettlementTexts(f).matadorHelpShown);
}

TEST(TableDialogAnswers, OnlyTheButtonsAnswersAreGiven)
{
    EXPECT_EQ(DIALOG_ABRECHNUNG::answerFor(A::NEXT), CONFIRM_NEXT_GAME);
    EXPECT_EQ(DIALOG_ABRECHNUNG::answerFor(A::REPEAT), CONFIRM_REPEAT_DEAL);
    EXPECT_EQ(DIALOG_ABRECHNUNG::answerFor(A::HISTORY), CONFIRM_NEXT_GAME);
    EXPECT_EQ(DIALOG_EINGEPASST::answerFor(DIALOG_EINGEPASST::NEXT), CONFIRM_NEXT_GAME);
    EXPECT_EQ(DIALOG_EINGEPASST::answerFor(DIALOG_EINGEPASST::REPEAT), CONFIRM_REPEAT_DEAL);
    EXPECT_EQ(DIALOG_EINGEPASST::answerFor(DIALOG_EINGEPASST::HISTORY), CONFIRM_NEXT_GAME);
}

// ---------------------------------------------------------------- on the forms

class NoShell : public MAIN_WINDOW_SHELL {
public:
    void runCommand(const VORDIX_MESSAGE& message) override { commands.push_back(message.commandId); }
    void shutdown() override { }
    std::vector<int> commands;
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

class TableDialogForms : public FormTestSuite {
protected:
    void SetUp() override
    {
        installTableServer(std::make_shared<HarnessServer>(*harness.table));
        window = std::make_unique<FENSTER_SKAT>(shell);
        window->create();
        window->show();
        // The harness answers through its own windows; the panels are ours.
        installTableWindows(harness.windows);
    }
    void TearDown() override
    {
        harness.table->stopGameLoop();
        window.reset();
        installTableServer(nullptr);
    }

    // The request the panel answered is no longer awaited. The harness holds
    // every request of its kind, so the next game's may already be waiting:
    // "nothing awaited" is a moment a loaded machine can miss.
    static bool answered(PlayerRequest kind, std::uint32_t serial)
    {
        return table_test::eventually([=] { return !stillAwaited(kind, serial); });
    }
    static QWidget* widgetOf(VORDIX_DIALOG& dialog) { return dynamic_cast<QWidget*>(dialog.implementor().get()); }
    static QAbstractButton* button(VORDIX_DIALOG& dialog, const char* name)
    {
        return widgetOf(dialog)->findChild<QAbstractButton*>(name);
    }

    table_test::TableHarness harness;
    NoShell shell;
    std::unique_ptr<FENSTER_SKAT> window;
};

TEST_F(TableDialogForms, ClosingTheAnnouncementPanelByItsFrameAnnouncesTheGameItHolds)
{
    ASSERT_TRUE(harness.holdHumanAt(REQUEST_ANNOUNCE, table_test::DEAL, SEAT_1));
    DIALOG_SPIEL_EINFACH& panel = *window->tableDialogs()->announce;
    panel.answersSerial = awaitedRequestSerial(REQUEST_ANNOUNCE);
    panel.setHandAndSkat(harness.table->cards.hands[1].cardSet(), harness.table->cards.skat);
    panel.implementor()->show();
    QWidget* widget = widgetOf(panel);
    ASSERT_TRUE(widget->isVisible());

    // OK reaching the panel with a game below the bid announces nothing.
    harness.table->record.GEREIZT = 264;
    panel.bid = 264;
    button(panel, "F_spe_grand")->click();
    panel.onCommand(D1::OK);
    EXPECT_FALSE(panel.implementor()->done);
    EXPECT_NE(HUMAN_PLAYER::awaited(), nullptr);
    EXPECT_TRUE(widget->isVisible());

    // The panel holds the game last confirmed (spades); a choice made after
    // it (clubs) is not confirmed. The frame's close announces the held game
    // at once, without a level, and the panel goes.
    panel.bid = 18;
    harness.table->record.GEREIZT = 18;
    button(panel, "F_spe_pik")->click();
    panel.onCommand(D1::OK);
    ASSERT_TRUE(panel.implementor()->done);
    EXPECT_EQ(panel.chosenGame().SPIEL_TYP, GAME_SPADES);
    panel.implementor()->done = false;
    button(panel, "F_spe_kreuz")->click();
    EXPECT_NE(HUMAN_PLAYER::awaited(), nullptr);
    widget->close();
    EXPECT_TRUE(answered(REQUEST_ANNOUNCE, panel.answersSerial));
    EXPECT_FALSE(widget->isVisible());
    // The game as it was settled.
    ASSERT_TRUE(table_test::eventually([&] { return !harness.settled().empty(); }));
    const SPIELSTRUCT played = harness.settled().front();
    EXPECT_EQ(played.SPIELART.SPIEL_TYP, GAME_SPADES);
    EXPECT_EQ(played.SPIELART.GEWINN_STUFE, WIN_LEVEL_WITH_SKAT);
}

TEST_F(TableDialogForms, TheSettlementPanelAnswersOnlyItsOwnRequest)
{
    harness.windows->game = SPIELART(GAME_GRAND, WIN_LEVEL_WITH_SKAT, LEVEL_NONE);
    ASSERT_TRUE(harness.holdHumanAt(REQUEST_CONFIRM_SETTLEMENT, table_test::DEAL, SEAT_1));
    DIALOG_ABRECHNUNG& panel = *window->tableDialogs()->settlement;
    panel.record = harness.table->record;
    const std::uint32_t serial = awaitedRequestSerial(REQUEST_CONFIRM_SETTLEMENT);
    // A panel left over from an earlier request clicks in vain.
    panel.answersSerial = serial + 1;
    panel.implementor()->show();
    button(panel, "F_abr_weiter")->click();
    QTest::qWait(20);
    EXPECT_NE(HUMAN_PLAYER::awaited(), nullptr);
    EXPECT_FALSE(stillAwaited(REQUEST_ANNOUNCE, serial));

    panel.answersSerial = serial;
    panel.implementor()->show();
    EXPECT_TRUE(button(panel, "F_abr_wiederholen")->isEnabled());
    const int before = harness.gamesEnded;
    button(panel, "F_abr_weiter")->click();
    EXPECT_TRUE(answered(REQUEST_CONFIRM_SETTLEMENT, serial));
    EXPECT_TRUE(table_test::eventually([&] { return harness.gamesEnded > before; }));
}

TEST_F(TableDialogForms, ClosingTheSettlementByItsFrameGoesOnWithTheNextGame)
{
    harness.windows->game = SPIELART(GAME_GRAND, WIN_LEVEL_WITH_SKAT, LEVEL_NONE);
    ASSERT_TRUE(harness.holdHumanAt(REQUEST_CONFIRM_SETTLEMENT, table_test::DEAL, SEAT_1));
    DIALOG_ABRECHNUNG& panel = *window->tableDialogs()->settlement;
    panel.record = harness.table->record;
    panel.answersSerial = awaitedRequestSerial(REQUEST_CONFIRM_SETTLEMENT);
    panel.implementor()->show();
    QWidget* widget = widgetOf(panel);
    ASSERT_TRUE(widget->isVisible());
    const int before = harness.gamesEnded;
    widget->close();
    EXPECT_TRUE(answered(REQUEST_CONFIRM_SETTLEMENT, panel.answersSerial));
    EXPECT_TRUE(table_test::eventually([&] { return harness.gamesEnded > before; }));
    QTest::qWait(20);
    EXPECT_FALSE(widget->isVisible()) << "the panel does not come back";
    EXPECT_FALSE(harness.table->modus.repeatFlag) << "the next game, not the same deal again";
}

TEST_F(TableDialogForms, YesNoAndQuitDialogsReportTheirButton)
{
    struct Case {
        const char* button;
        bool yes;
    };
    for (const Case& c : {Case{"F_jn_ja", true}, Case{"F_jn_nein", false}}) {
        DIALOG_JA_NEIN question(window.get());
        question.question = L"Neue Liste?";
        QTimer::singleShot(0, [&] {
            EXPECT_EQ(widgetOf(question)->findChild<QLabel*>("F_jn_text")->text(), QString("Neue Liste?"));
            button(question, c.button)->click();
        });
        EXPECT_EQ(question.ask(), c.yes);
    }
    {
        DIALOG_JA_NEIN question(window.get());
        QTimer::singleShot(0, [&] { widgetOf(question)->close(); });
        EXPECT_FALSE(question.ask()) << "any other close counts as no";
    }
    for (const Case& c : {Case{"F_abbr_ende", true}, Case{"F_abbr_abr", false}}) {
        DIALOG_ABBRUCH quit(window.get());
        QTimer::singleShot(0, [&] { button(quit, c.button)->click(); });
        EXPECT_EQ(quit.confirm(), c.yes);
    }
}

TEST_F(TableDialogForms, ListCompleteShowsTheResultsAndOffersTheHighScores)
{
    EXPECT_EQ(finalResults(harness.table->sheet), (std::array<int, 3>{0, 0, 0}));
    DIALOG_LISTE_KOMPLETT done(window.get());
    done.names = {L"Torvo", L"Du", L"Brummo"};
    done.results = {120, -40, 310};
    QTimer::singleShot(0, [&] {
        EXPECT_EQ(openListCompleteDialog, &done);
        EXPECT_EQ(widgetOf(done)->findChild<QLabel*>("F_lkp_brummo_punkte")->text(), QString("310"));
        EXPECT_EQ(widgetOf(done)->findChild<QLabel*>("F_lkp_kazzle_name")->text(), QString("Du"));
        button(done, "F_lkp_zeigen")->click();
    });
    done.implementor()->show();
    EXPECT_EQ(openListCompleteDialog, nullptr);
    ASSERT_EQ(shell.commands.size(), 1u);
    EXPECT_EQ(shell.commands[0], 472);
}

} // namespace

namespace {

TEST_F(TableDialogForms, KeysChooseAndAnnounceAGameOnThePanel)
{
    ASSERT_TRUE(harness.holdHumanAt(REQUEST_ANNOUNCE, table_test::DEAL, SEAT_1));
    DIALOG_SPIEL_EINFACH& panel = *window->tableDialogs()->announce;
    panel.answersSerial = awaitedRequestSerial(REQUEST_ANNOUNCE);
    panel.setHandAndSkat(harness.table->cards.hands[1].cardSet(), harness.table->cards.skat);
    panel.implementor()->show();
    QWidget* client = dynamic_cast<WIN_FENSTER*>(window->implementor().get())->clientWidget();
    // Left from no game is null, then grand; Up counts on Schneider only
    // while its box is offered (below the bid).
    QTest::keyClick(client, Qt::Key_Left);
    EXPECT_EQ(panel.selectedGame().SPIEL_TYP, GAME_NULL);
    QTest::keyClick(client, Qt::Key_Left);
    QTest::keyClick(client, Qt::Key_Up);
    EXPECT_TRUE(sameGame(panel.selectedGame(), GAME_GRAND, WIN_LEVEL_WITH_SKAT, LEVEL_NONE));
    QTest::keyClick(client, Qt::Key_Return);
    EXPECT_TRUE(answered(REQUEST_ANNOUNCE, panel.answersSerial));
    EXPECT_EQ(panel.chosenGame().SPIEL_TYP, GAME_GRAND);
}

// The below-bid warning is the panels' longest text: its wrapped lines fit the
// label's height, so the last words are not cut off.
TEST_F(TableDialogForms, TheBelowBidWarningFitsItsLabel)
{
    for (VORDIX_DIALOG* panel : std::initializer_list<VORDIX_DIALOG*>{window->tableDialogs()->announce.get(),
                                                                      window->tableDialogs()->announceHand.get()}) {
        panel->implementor()->show();
        for (auto* label : widgetOf(*panel)->findChildren<QLabel*>()) {
            if (!label->objectName().endsWith("_warnung"))
                continue;
            SCOPED_TRACE(label->objectName().toStdString());
            label->ensurePolished();
            EXPECT_LE(label->heightForWidth(label->width()), label->height());
        }
        panel->implementor()->hide();
    }
}

// The texts on the panels' white bubble are dark enough to read.
TEST_F(TableDialogForms, PanelTextsAreDarkOnTheBubble)
{
    const struct {
        VORDIX_DIALOG* panel;
        std::vector<const char*> labels;
    } panels[] = {
        {window->tableDialogs()->announce.get(),
         {"F_spe_text_gereizt_bis", "F_spe_text_sitzposition", "F_spe_text1", "F_spe_warnung"}},
        {window->tableDialogs()->announceHand.get(),
         {"F_sph_text_gereizt_bis", "F_sph_text_sitzposition", "F_sph_text1", "F_sph_warnung"}},
    };
    for (const auto& p : panels) {
        p.panel->implementor()->show();
        for (const char* name : p.labels) {
            SCOPED_TRACE(name);
            auto* label = widgetOf(*p.panel)->findChild<QLabel*>(name);
            ASSERT_NE(label, nullptr);
            label->ensurePolished();
            EXPECT_LT(label->palette().color(QPalette::WindowText).lightness(), 100);
        }
        p.panel->implementor()->hide();
    }
}

// The value line of a chosen game is in the program's language.
TEST_F(TableDialogForms, TheValueLineFollowsTheLanguage)
{
    installSheetServices(std::make_shared<TABLE_SHEET_SERVICES>());
    skat::installEngineTextsFromTable();
    DIALOG_SPIEL_EINFACH& panel = *window->tableDialogs()->announce;
    panel.setHandAndSkat(harness.table->cards.hands[1].cardSet(), harness.table->cards.skat);
    for (const bool english : {false, true}) {
        SCOPED_TRACE(english);
        SKAT_TEXT::installInstance(std::make_unique<SKAT_TEXT>(skat::resourceFile({}, L"Skat_Text.xml"), english));
        panel.implementor()->show();
        button(panel, "F_spe_grand")->click();
        button(panel, "F_spe_null")->click();
        const QString line = widgetOf(panel)->findChild<QLabel*>("F_spe_text1")->text();
        EXPECT_EQ(line.contains(QStringLiteral("Grundwert 23, 1 Stufe")), !english) << line.toStdString();
        EXPECT_EQ(line.contains(QStringLiteral("base value 23, 1 level")), english) << line.toStdString();
        panel.implementor()->hide();
    }
    SKAT_TEXT::installInstance(std::make_unique<SKAT_TEXT>());
    installEngineTexts(nullptr);
    installSheetServices(nullptr);
}

// The four suit buttons of both panels show the suit pictures of the
// chosen card set.
TEST_F(TableDialogForms, SuitButtonsShowThePicturesOfTheCardSet)
{
    registerResourceStrings();
    auto values = std::make_shared<PreferenceValues>();
    USER_PREFS::installInstance(std::make_unique<USER_PREFS>(std::make_unique<MemoryPreferenceStore>(values)));
    const struct {
        std::wstring cardSet;
        std::array<const char*, 4> pictures;
    } sets[] = {
        {skat::frenchCardSetName(),
         {":/dialogues/Kreuz.png", ":/dialogues/Pik.png", ":/dialogues/Coeur.png", ":/dialogues/Karo.png"}},
        {skat::text(TextKey::Kartenset_Deutsch),
         {":/dialogues/Eichel.png", ":/dialogues/Gruen.png", ":/dialogues/Herz.png", ":/dialogues/Schellen.png"}},
    };
    const struct {
        VORDIX_DIALOG* panel;
        std::array<const char*, 4> buttons;
    } panels[] = {
        {window->tableDialogs()->announce.get(), {"F_spe_kreuz", "F_spe_pik", "F_spe_herz", "F_spe_karo"}},
        {window->tableDialogs()->announceHand.get(), {"F_sph_kreuz", "F_sph_pik", "F_sph_herz", "F_sph_karo"}},
    };
    for (const auto& set : sets) {
        (*values)[PREF_CARD_SET] = set.cardSet;
        for (const auto& p : panels) {
            p.panel->implementor()->show();
            for (std::size_t i = 0; i < 4; ++i) {
                SCOPED_TRACE(set.pictures[i]);
                const QImage expected(QString::fromLatin1(set.pictures[i]));
                ASSERT_FALSE(expected.isNull());
                const QIcon icon = button(*p.panel, p.buttons[i])->icon();
                EXPECT_TRUE(icon.pixmap(expected.size()).toImage().convertToFormat(expected.format()) == expected)
                    << p.buttons[i] << " does not show its suit";
            }
            p.panel->implementor()->hide();
        }
    }
    USER_PREFS::destroyInstance();
}

// The question before quitting in the middle of a game tells the truth (the
// game is kept and goes on at the next start) and its texts fit their labels
// in both languages.
TEST_F(TableDialogForms, TheQuitQuestionSaysTheGameIsKeptAndFits)
{
    for (const bool english : {false, true}) {
        SCOPED_TRACE(english);
        SKAT_TEXT::installInstance(std::make_unique<SKAT_TEXT>(skat::resourceFile({}, L"Skat_Text.xml"), english));
        DIALOG_ABBRUCH quit(window.get());
        QTimer::singleShot(0, [&] {
            QWidget* form = widgetOf(quit);
            const std::pair<const char*, TextKey> labels[] = {{"label", TextKey::Dialog_Abbruch_Frage},
                                                              {"label_2", TextKey::Dialog_Abbruch_Hinweis}};
            for (const auto& [name, key] : labels) {
                SCOPED_TRACE(name);
                auto* label = form->findChild<QLabel*>(name);
                ASSERT_NE(label, nullptr);
                EXPECT_EQ(label->text().toStdWString(), skat::text(key));
                EXPECT_LE(label->heightForWidth(label->width()), label->height()) << "cut off";
                EXPECT_LE(label->geometry().right(), label->parentWidget()->width());
            }
            const QString note = form->findChild<QLabel*>("label_2")->text();
            EXPECT_FALSE(note.contains(english ? QStringLiteral("lost") : QStringLiteral("verloren")));
            button(quit, "F_abbr_abr")->click();
        });
        EXPECT_FALSE(quit.confirm());
    }
    SKAT_TEXT::installInstance(std::make_unique<SKAT_TEXT>());
}

// The table server's questions come over the game window in the program's
// own yes/no dialog with the text-table texts, not in a message box.
TEST_F(TableDialogForms, TheServersQuestionsUseTheYesNoDialogOverTheWindow)
{
    WINDOW_SERVER_DIALOGS dialogs;
    const struct {
        const char* name;
        std::function<bool()> ask;
        TextKey text;
        const char* button;
    } cases[] = {
        {"new sheet, yes", [&] { return dialogs.askStartNewSheet(3); }, TextKey::Dialog_aktuelle_Liste_loeschen,
         "F_jn_ja"},
        {"full sheet, no", [&] { return dialogs.askStartNewSheet(36); }, TextKey::Dialog_48_spiel_zuende, "F_jn_nein"},
        {"leave the game, yes", [&] { return dialogs.askLeaveGame(SERVER_DIALOGS::LEAVE_GAME); },
         TextKey::Dialog_aktuelles_Spiel_loeschen, "F_jn_ja"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QString shownText;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->objectName(), QStringLiteral("F_ja_nein"));
            shownText = dialog->findChild<QLabel*>("F_jn_text")->text();
            dialog->findChild<QAbstractButton*>(c.button)->click();
        });
        EXPECT_EQ(c.ask(), std::string(c.button) == "F_jn_ja");
        EXPECT_EQ(shownText.toStdWString(), skat::text(c.text));
    }
}

// At the end of a list the table waits until the user has closed the
// list-complete dialog; closing it lets the table go on (and end the loop).
TEST_F(TableDialogForms, TheTableWaitsUntilTheListCompleteDialogIsClosed)
{
    for (int row = 0; row < LISTE::MAX_GAMES - 1; ++row) {
        auto game = std::make_unique<EIN_SPIEL>();
        game->record.GEREIZT = 18;
        game->record.ALLEIN = static_cast<Seat>(row % 3);
        game->record.SPIELART = SPIELART(GAME_CLUBS, 0);
        game->record.SPIELWERT = row % 2 ? 24 : -48;
        harness.table->sheet.insertRow(std::move(game));
    }
    ASSERT_TRUE(harness.holdHumanAt(REQUEST_CONFIRM_LIST_END, table_test::DEAL, SEAT_1));
    QTest::qWait(50);
    EXPECT_NE(HUMAN_PLAYER::awaited(), nullptr);
    EXPECT_TRUE(harness.table->isLoopRunning()) << "the table went on without the user";

    DIALOG_LISTE_KOMPLETT done(window.get());
    done.answersSerial = awaitedRequestSerial(REQUEST_CONFIRM_LIST_END);
    QTimer::singleShot(0, [&] { button(done, "F_lkp_ok")->click(); });
    done.implementor()->show();
    EXPECT_TRUE(table_test::eventually([] { return HUMAN_PLAYER::awaited() == nullptr; }));
    EXPECT_TRUE(harness.table->waitForLoopEnd(20000));
    EXPECT_EQ(harness.table->sheet.rowCount(), LISTE::MAX_GAMES);
}

// The dark panels after a game: light texts, the lost-hand note below the
// rows instead of across them, the matador bubble's dark text whole on its
// bubble, and the hand-game button wide enough for its text, in German and
// English (the forms' English comes from the program's translation).
TEST_F(TableDialogForms, TextsOnTheDarkPanelsAreLightWholeAndApart)
{
    for (const bool english : {false, true}) {
        SCOPED_TRACE(english);
        QTranslator translator;
        if (english) {
            ASSERT_TRUE(translator.load(QStringLiteral(SKAT_BINARY_DIR "/skat/windows/Skat.en.qm")));
            QCoreApplication::installTranslator(&translator);
        }
        DIALOG_ABRECHNUNG settlement(window.get());
        DIALOG_EINGEPASST passed(window.get());
        DIALOG_SPIEL_HAND hand(window.get());
        for (VORDIX_DIALOG* dialog : std::initializer_list<VORDIX_DIALOG*>{&settlement, &passed, &hand})
            widgetOf(*dialog)->ensurePolished();
        auto label = [&](VORDIX_DIALOG& d, const char* name) {
            auto* found = widgetOf(d)->findChild<QLabel*>(name);
            EXPECT_NE(found, nullptr) << name;
            if (found)
                found->ensurePolished();
            return found;
        };
        auto lightness = [](QLabel* l) { return l ? l->palette().color(QPalette::WindowText).lightness() : -1; };
        for (const char* name : {"F_abr_du", "F_abr_spiel", "F_abr_hand", "F_abr_gewonnen", "F_abr_ergibt2"})
            EXPECT_GT(lightness(label(settlement, name)), 200) << name;
        EXPECT_GT(lightness(label(passed, "F_jn_text")), 200);
        EXPECT_GT(lightness(label(passed, "F_eing_hinweis_ramsch")), 150);
        QLabel* note = label(settlement, "F_abr_hinweis_verlorenes_hand");
        ASSERT_NE(note, nullptr);
        EXPECT_GT(lightness(note), 150);
        for (QLabel* row : widgetOf(settlement)->findChildren<QLabel*>()) {
            if (row != note && row->parentWidget() == note->parentWidget())
                EXPECT_FALSE(row->geometry().intersects(note->geometry())) << row->objectName().toStdString();
        }
        EXPECT_LE(note->heightForWidth(note->width()), note->height());
        QLabel* bubble = widgetOf(settlement)->findChild<QWidget*>("F_abr_show_help_spitzen")->findChild<QLabel*>();
        ASSERT_NE(bubble, nullptr);
        bubble->ensurePolished();
        EXPECT_LT(lightness(bubble), 100);
        EXPECT_LE(bubble->heightForWidth(bubble->width()), bubble->height()) << "the bubble's text is cut off";
        QAbstractButton* announce = button(hand, "F_sph_ok");
        EXPECT_LE(announce->sizeHint().width(), announce->width()) << announce->text().toStdString();
        QCoreApplication::removeTranslator(&translator);
    }
}

} // namespace
