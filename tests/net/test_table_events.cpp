// The windows' side of table events: whole scripted games run through the
// table server's queue, and a recording fake of the windows shows which
// steps every event took, in order.

#include "skat/net/SkatServer.h"
#include "tests/engine/test_table_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace table_test;

namespace {

constexpr Seat V = SEAT_2, M = SEAT_0, H = SEAT_1; // forehand of the first game is seat 2

// Answers the human like ScriptedWindows and logs every event step.
class RecordingWindows : public ScriptedWindows {
public:
    bool hasMainWindow() const override { return withWindow; }
    void setInputMode(InputMode mode) override { log("input:" + std::to_string(mode)); }
    void setPileMode(PileMode mode) override { log("pile:" + std::to_string(mode)); }
    void showShuffle() override { log("shuffle"); }
    void showCut() override { log("cut"); }
    void dealCards(int) override { log("deal"); }
    void refreshBidding() override { log("bidding"); }
    void onSettlement() override { log("settlement"); }
    void relayout() override { log("relayout"); }
    void repaint() override { log("repaint"); }
    void animateCardToTrick(Seat seat, CardId, int) override { log("fly@" + std::to_string(seat)); }
    void playCardSound() override { log("cardsound"); }
    void showOverlay(const std::wstring& key, Seat seat, int, bool) override
    {
        log("overlay:" + std::string(key.begin(), key.end()) + "@" + std::to_string(seat));
    }
    void hideOverlay() override { log("hide"); }
    void playVoice(const std::wstring& phrase, Seat seat) override
    {
        log("voice:" + std::string(phrase.begin(), phrase.end()) + "@" + std::to_string(seat));
    }
    void announceGame(const SPIELSTRUCT&) override { log("announce"); }
    void pause(int) override { log("pause"); } // recorded, not waited for
    void showListComplete(SKATTISCH& table) override
    {
        log("listcomplete");
        ScriptedWindows::showListComplete(table);
    }

    void log(const std::string& step)
    {
        std::lock_guard lock(mutex);
        steps.push_back(step);
    }
    std::vector<std::string> all()
    {
        std::lock_guard lock(mutex);
        return steps;
    }
    // The steps of every occurrence of the event, each up to the next event.
    std::vector<std::vector<std::string>> stepsOf(int event, int value)
    {
        const std::string marker = "E" + std::to_string(event) + ":" + std::to_string(value);
        std::vector<std::vector<std::string>> result;
        const std::vector<std::string> log = all();
        for (std::size_t i = 0; i < log.size(); ++i) {
            if (log[i] != marker)
                continue;
            std::vector<std::string> steps;
            for (std::size_t j = i + 1; j < log.size() && log[j][0] != 'E'; ++j)
                steps.push_back(log[j]);
            result.push_back(steps);
        }
        return result;
    }

    bool withWindow = true;
    // The loop is stopped once a game was shown as finished or passed.
    bool stopAtGameEnd = true;
    std::mutex mutex;
    std::vector<std::string> steps;
};

// Marks each event in the windows' log, then shows it as the program does.
class MarkingObserver : public LOCAL_TISCH_BEOBACHTER {
public:
    MarkingObserver(SKATTISCH_SERVER& table, RecordingWindows& windows)
        : LOCAL_TISCH_BEOBACHTER(table)
        , table_(table)
        , windows_(windows)
    {
    }
    void handleEvent(int event) override
    {
        windows_.log("E" + std::to_string(event) + ":0");
        LOCAL_TISCH_BEOBACHTER::handleEvent(event);
        if ((event == GAME_FINISHED || event == ALL_PASSED) && windows_.stopAtGameEnd)
            table_.stopGameLoop();
    }
    void handleEventWithValue(int event, int value) override
    {
        windows_.log("E" + std::to_string(event) + ":" + std::to_string(value));
        LOCAL_TISCH_BEOBACHTER::handleEventWithValue(event, value);
    }

private:
    SKATTISCH_SERVER& table_;
    RecordingWindows& windows_;
};

bool inOrder(const std::vector<std::string>& expected, const std::vector<std::string>& steps)
{
    auto at = steps.begin();
    for (const std::string& step : expected) {
        at = std::find(at, steps.end(), step);
        if (at == steps.end())
            return false;
        ++at;
    }
    return true;
}

bool contains(const std::vector<std::string>& steps, const std::string& step)
{
    return std::find(steps.begin(), steps.end(), step) != steps.end();
}

class TableEventsTest : public testing::Test {
protected:
    void SetUp() override
    {
        seatScripts() = {};
        installTableServices(services);
        installTableWindows(windows);
        setComputerLogicFactory([] { return std::make_unique<ScriptedLogic>(); });
        server.setTableSetup([this](SKATTISCH_SERVER& table) {
            for (int slot = 0; slot < 3; ++slot)
                table.setPlayer(slot, slot == slotOfSeat(V) ? PLAYER_KIND_HUMAN : PLAYER_KIND_COMPUTER);
            table.setFixedSeed(4711);
            table.setSavesFiles(false);
            table.observers.clear();
            table.observers.add(std::make_unique<MarkingObserver>(table, *windows));
            table.setStateHook([&table](int index) {
                if (index == STATE_REIZ_VORSCHLAG) {
                    std::lock_guard lock(table.tableLock);
                    KARTENVERTEILUNG deal;
                    CardSet all = 0;
                    for (Seat s = SEAT_0; s < 3; ++s) {
                        deal.hands[s].assignCards(DEAL[static_cast<std::size_t>(s)]);
                        all |= DEAL[static_cast<std::size_t>(s)];
                    }
                    const CardId first = cardIdOfBit(lowestBit(~all));
                    deal.skat = SKAT(first, cardIdOfBit(lowestBit(~all & ~cardMaskOfId(first))));
                    deal.vhPos = V;
                    table.cards.setUpFromDeal(deal);
                }
            });
        });
    }
    void TearDown() override
    {
        server.shutdown();
        setComputerLogicFactory({});
        installTableWindows(nullptr);
        installTableServices(nullptr);
        setCurrentRules(RuleSettings{});
    }

    void playOneGame()
    {
        server.startNewGameOfList();
        ASSERT_TRUE(eventually(
            [&] { return !windows->stepsOf(GAME_FINISHED, 0).empty() || !windows->stepsOf(ALL_PASSED, 0).empty(); }));
        ASSERT_TRUE(server.serverTable()->waitForLoopEnd(20000));
        server.waitUntilIdle();
    }

    std::shared_ptr<TestServices> services = std::make_shared<TestServices>();
    std::shared_ptr<RecordingWindows> windows = std::make_shared<RecordingWindows>();
    SKAT_SERVER server;
};

TEST_F(TableEventsTest, AGameWithKontraAndReTakesEveryEventsStepsInOrder)
{
    RuleSettings rules;
    rules.kontraRe = true;
    rules.kontraVariant = 1;
    setCurrentRules(rules);
    windows->holdUpTo = 18;
    windows->game = SPIELART(GAME_DIAMONDS, WIN_LEVEL_WITH_SKAT, LEVEL_NONE);
    seatScripts()[M] = {0, GAME_CLUBS, WIN_LEVEL_WITH_SKAT, 0, 100, {}}; // Kontra
    seatScripts()[H] = {0, GAME_HEARTS, WIN_LEVEL_WITH_SKAT, 0, 0, {}};
    windows->onCard = [](SKATTISCH&, CardId hint, int n) {
        return n == 2 && HUMAN_PLAYER::answerCard(hint, false, true);
    };
    playOneGame();

    struct Case {
        int event;
        int value;
        std::vector<std::string> steps; // in this order, others may come between
    };
    const Case cases[] = {
        {NEW_GAME, 0, {"input:2", "pile:0", "relayout"}},
        {CUTTING, 0, {"input:3", "shuffle", "cut"}},
        {CUT_DONE, -1, {"deal"}},
        {BIDDING_STARTED, 0, {"input:7", "bidding"}},
        {GAME_ANNOUNCED, V, {"overlay:spielansage@2", "announce", "pause", "hide"}},
        {KONTRA_ANNOUNCED, M, {"overlay:kontra@0", "voice:kontra@0", "pause", "hide", "repaint"}},
        {SETTLEMENT_STARTED, 0, {"relayout", "input:18", "pile:5", "settlement", "repaint"}},
        {GAME_FINISHED, 0, {"input:1", "relayout"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.event);
        int value = c.value;
        if (value < 0) { // any value: the first occurrence of the event
            for (const std::string& step : windows->all())
                if (step.rfind("E" + std::to_string(c.event) + ":", 0) == 0) {
                    value = std::stoi(step.substr(step.find(':') + 1));
                    break;
                }
        }
        const auto occurrences = windows->stepsOf(c.event, value);
        ASSERT_FALSE(occurrences.empty()) << testing::PrintToString(windows->all());
        EXPECT_TRUE(inOrder(c.steps, occurrences.front())) << testing::PrintToString(occurrences.front());
    }
    // At the settlement the first defender after the human declarer has his
    // say, in his balloon and with his voice; the human says nothing.
    const auto settlement = windows->stepsOf(SETTLEMENT_STARTED, 0);
    ASSERT_EQ(settlement.size(), 1u);
    std::string remark;
    for (const std::string& step : settlement[0])
        if (step.rfind("overlay:", 0) == 0 && remark.empty())
            remark = step.substr(8, step.find('@') - 8);
    ASSERT_FALSE(remark.empty()) << testing::PrintToString(settlement[0]);
    EXPECT_TRUE(
        inOrder({"settlement", "overlay:" + remark + "@0", "voice:" + remark + "@0", "pause", "hide"}, settlement[0]));
    for (const std::string& step : settlement[0])
        EXPECT_EQ(step.find("@2"), std::string::npos) << step;
    // Re by the human declarer: no overlay, only a repaint.
    const auto re = windows->stepsOf(KONTRA_ANNOUNCED, V);
    ASSERT_EQ(re.size(), 1u);
    EXPECT_EQ(re[0], (std::vector<std::string>{"repaint"}));
    // Computer cards fly to the trick with their sound; the human's do not.
    int flights = 0, humanCards = 0;
    for (Seat s = SEAT_0; s < 3; ++s)
        for (const auto& steps : windows->stepsOf(CARD_PLAYED, s)) {
            if (s == V) {
                ++humanCards;
                EXPECT_FALSE(contains(steps, "fly@2"));
                EXPECT_FALSE(contains(steps, "cardsound"));
                EXPECT_TRUE(contains(steps, "relayout"));
            } else {
                flights += inOrder({"fly@" + std::to_string(s), "cardsound"}, steps);
            }
        }
    EXPECT_EQ(humanCards, 10);
    EXPECT_EQ(flights, 20);
    // The human's own requests set their input modes: 7 to bid, 15 for each card.
    const auto all = windows->all();
    EXPECT_EQ(std::count(all.begin(), all.end(), "input:15"), windows->cardRequests.load());
    EXPECT_TRUE(contains(all, "input:7"));
}

// The computer players' remarks on the play come in balloons, unless the
// user turned the comments off; the game is the same.
TEST_F(TableEventsTest, RemarksOnThePlayFollowTheCommentsSetting)
{
    auto remarks = [&](bool on) {
        services->comments = on;
        {
            std::lock_guard lock(windows->mutex);
            windows->steps.clear();
        }
        windows->holdUpTo = 18;
        windows->game = SPIELART(GAME_DIAMONDS, WIN_LEVEL_WITH_SKAT, LEVEL_NONE);
        // The human declarer leads a plain spade into his diamond game.
        windows->cardRequests = 0;
        windows->onCard = [](SKATTISCH&, CardId, int n) {
            return n == 1 && HUMAN_PLAYER::answerCard(cardIdFromCode("PK"));
        };
        playOneGame();
        int events = 0, shown = 0;
        for (int event : {COMMENT_DOERFER, COMMENT_KLEINGROSS, RICH_TRICK_COMMENT, OVER_SIXTY_COMMENT})
            for (int value = -1; value <= 2; ++value)
                for (const auto& steps : windows->stepsOf(event, value)) {
                    ++events;
                    shown += std::count_if(steps.begin(), steps.end(),
                                           [](const std::string& step) { return step.rfind("overlay:", 0) == 0; });
                }
        return std::pair{events, shown};
    };
    const auto [eventsOn, shownOn] = remarks(true);
    ASSERT_GT(eventsOn, 0) << "the game has remarks to make";
    EXPECT_EQ(shownOn, eventsOn);
    const auto [eventsOff, shownOff] = remarks(false);
    EXPECT_EQ(eventsOff, eventsOn);
    EXPECT_EQ(shownOff, 0);
}

TEST_F(TableEventsTest, AllPassHidesTheOverlayAndNoWindowMeansNoSteps)
{
    windows->holdUpTo = 0; // everybody passes
    playOneGame();
    const auto passed = windows->stepsOf(ALL_PASSED, 0);
    ASSERT_EQ(passed.size(), 1u);
    EXPECT_TRUE(contains(passed[0], "hide"));
    EXPECT_TRUE(windows->stepsOf(SETTLEMENT_STARTED, 0).empty());

    // Without a main window the same game shows nothing (and still ends).
    windows->withWindow = false;
    {
        std::lock_guard lock(windows->mutex);
        windows->steps.clear();
    }
    playOneGame();
    for (const std::string& step : windows->all())
        EXPECT_TRUE(step[0] == 'E' || step == "input:7") << step; // the human's own request still sets its mode
}

// The 36th game of a sheet ends the list: the settlement, the finished game,
// the high scores, the list-complete dialog for the user, then the end of
// the loop without a next game.
TEST_F(TableEventsTest, TheLastGameOfTheSheetShowsTheListEndAndEndsTheLoop)
{
    windows->holdUpTo = 18;
    windows->game = SPIELART(GAME_DIAMONDS, WIN_LEVEL_WITH_SKAT, LEVEL_NONE);
    windows->stopAtGameEnd = false;
    server.prepareLocalTable();
    {
        SKATTISCH_SERVER& table = *server.serverTable();
        std::lock_guard lock(table.tableLock);
        for (int row = 0; row < LISTE::MAX_GAMES - 1; ++row) {
            auto game = std::make_unique<EIN_SPIEL>();
            game->record.GEREIZT = 18;
            game->record.ALLEIN = static_cast<Seat>(row % 3);
            game->record.SPIELART = SPIELART(GAME_CLUBS, 0);
            game->record.SPIELWERT = row % 2 ? 24 : -48;
            table.sheet.insertRow(std::move(game));
        }
    }
    server.startNewGameOfList();
    ASSERT_TRUE(eventually([&] { return !windows->stepsOf(GAME_LOOP_ENDED, 0).empty(); }));
    ASSERT_TRUE(server.serverTable()->waitForLoopEnd(20000));
    server.waitUntilIdle();

    const auto all = windows->all();
    EXPECT_TRUE(inOrder({"E23:0", "settlement", "E1:0", "listcomplete", "E0:0"}, all)) << testing::PrintToString(all);
    EXPECT_EQ(std::count(all.begin(), all.end(), "listcomplete"), 1);
    EXPECT_EQ(std::count(all.begin(), all.end(), "E3:0"), 1) << "no game after the last one";
    EXPECT_EQ(server.serverTable()->sheet.rowCount(), LISTE::MAX_GAMES);
    std::lock_guard lock(services->mutex);
    EXPECT_EQ(services->highScores.size(), 3u);
}

// What is said at the settlement, by the outcome: a defender first, then the
// declarer, and only seats that may speak.
TEST(SettlementTalk, RemarksFollowTheOutcome)
{
    struct Case {
        const char* name;
        GameType type;
        int value;  // settled value; below 0 lost
        int level;  // STUFE reached
        int points; // the declarer's card points
        int cards;  // the declarer's cards, the skat included
        std::array<bool, 3> maySpeak;
        std::vector<TableTalk> talk;
    };
    const std::array<bool, 3> all{true, true, true};
    // clang-format off
    const Case cases[] = {
        {"won", GAME_CLUBS, 24, LEVEL_NONE, 70, 14, all, {{SEAT_0, L"zahlenschafftfrieden"}, {SEAT_2, L"dersackistzu"}}},
        {"just won", GAME_CLUBS, 24, LEVEL_NONE, 61, 11, all, {{SEAT_0, L"staatsanwalt"}, {SEAT_2, L"dersackistzu"}}},
        {"schneider", GAME_GRAND, 72, LEVEL_SCHNEIDER, 95, 20, all,
         {{SEAT_0, L"schneidersindauchleute"}, {SEAT_2, L"sattebeute"}}},
        {"schwarz", GAME_GRAND, 96, LEVEL_SCHWARZ, 120, 32, all, {{SEAT_0, L"schwarzwiedienacht"}, {SEAT_2, L"sattebeute"}}},
        {"just lost", GAME_HEARTS, -60, LEVEL_NONE, 59, 14, all, {{SEAT_0, L"lokus"}, {SEAT_2, L"derofenistaus"}}},
        {"lost", GAME_HEARTS, -60, LEVEL_NONE, 40, 11, all, {{SEAT_0, L"badengegangen"}, {SEAT_2, L"derofenistaus"}}},
        {"lost badly", GAME_HEARTS, -60, LEVEL_NONE, 20, 8, all, {{SEAT_0, L"dasziehtblasen"}, {SEAT_2, L"derofenistaus"}}},
        {"no trick", GAME_HEARTS, -90, LEVEL_NONE, 4, 2, all, {{SEAT_0, L"schwarzwiediefuesse"}, {SEAT_2, L"derofenistaus"}}},
        {"null lost", GAME_NULL, -46, LEVEL_NONE, 2, 5, all, {{SEAT_0, L"badengegangen"}, {SEAT_2, L"derofenistaus"}}},
        {"human declarer", GAME_CLUBS, 24, LEVEL_NONE, 70, 14, {true, true, false}, {{SEAT_0, L"zahlenschafftfrieden"}}},
        {"next defender", GAME_CLUBS, 24, LEVEL_NONE, 70, 14, {false, true, false}, {{SEAT_1, L"zahlenschafftfrieden"}}},
        {"ramsch", GAME_RAMSCH, -30, LEVEL_NONE, 30, 9, all, {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SPIELSTRUCT record;
        record.GEREIZT = 18;
        record.ALLEIN = 2;
        record.SPIELART = SPIELART(c.type, WIN_LEVEL_WITH_SKAT, c.level);
        record.SPIELWERT = c.value;
        SettlementTally tally;
        tally.declarerPoints = c.points;
        tally.declarerCards = c.cards;
        tally.tricksPlayed = 10;
        EXPECT_EQ(settlementTalk(record, tally, c.maySpeak), c.talk);
    }
}

// What a computer seat says to its bid: the value it names, a yes to the
// value it is asked, or that it passes, also when it bid before.
TEST(BidTalk, RemarksTellHoldingFromPassing)
{
    struct Case {
        const char* name;
        int mode, index, said, playerId;
        TableTalk remark;
    };
    const Case cases[] = {
        {"names 18", 1, 0, 18, 1, {SEAT_0, L"18", 18}},
        {"names 20 the short way", 1, 1, 20, 2, {SEAT_0, L"zwo", 20}},
        {"names 20", 1, 1, 20, 1, {SEAT_0, L"20", 20}},
        {"answers yes", 2, 1, 18, 1, {SEAT_0, L"logo", 18}},
        {"answers yes, other player", 2, 1, 18, 2, {SEAT_0, L"immer", 18}},
        {"passes without a bid", 1, 0, 0, 1, {SEAT_0, L"weg", 0}},
        {"passes after naming 18", 1, 1, 18, 1, {SEAT_0, L"ichbinweg", 0}},
        {"passes when asked", 2, 2, 18, 2, {SEAT_0, L"passe", 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(bidRemark(SEAT_0, c.mode, c.index, c.said, c.playerId), c.remark);
    }
}

} // namespace
