// Scripted deals through the game-flow states: bidding, passed games and
// Ramsch, hand, Null and ouvert games, giving up, Kontra and Re, Bock
// rounds, a lost connection and resuming a saved game.

#include "skat/engine/BidTable.h"
#include "tests/engine/test_table_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <unistd.h>

using namespace table_test;

namespace {

// Forehand of the first game of an empty sheet is seat 2; middlehand 0, rearhand 1.
constexpr Seat V = SEAT_2, M = SEAT_0, H = SEAT_1;

// Clubs for seat 0, hearts for seat 1, diamonds for seat 2; the skat is P8 P7.
const std::array<CardSet, 3>& DEAL_A = DEAL;
// Seat 2 holds the aces and kings: it takes every trick it can.
const std::array<CardSet, 3> DEAL_B = {cardsOf("C7 C8 C9 CB K7 K8 K9 KB P7 P8"),
                                       cardsOf("C1 CD H7 H8 H9 HB HD H1 P9 PB"),
                                       cardsOf("KA KK PA PK HA HK CA CK KD PD")};
// Seat 2 holds all jacks, aces and two tens.
const std::array<CardSet, 3> DEAL_C = {cardsOf("KK KD K9 K8 K7 PK PD P9 P8 P7"),
                                       cardsOf("HK HD H9 H8 H7 CK CD C9 C8 C7"),
                                       cardsOf("KB PB HB CB KA PA HA CA K1 P1")};

void script(Seat seat, int limit, GameType type = GAME_GRAND, int winLevel = WIN_LEVEL_WITH_SKAT, int evaluation = 0)
{
    SeatScript& s = seatScripts()[static_cast<std::size_t>(seat)];
    s.bidLimit = limit;
    s.type = type;
    s.winLevel = winLevel;
    s.evaluation = evaluation;
}

// Plays `games` games of the sheet from empty and returns their records.
std::vector<SPIELSTRUCT> play(TableHarness& harness, int games = 1)
{
    harness.stopAfterGames = games;
    harness.table->modus.setNextOfList(harness.table->sheet);
    EXPECT_TRUE(harness.playToEnd());
    EXPECT_EQ(harness.inconsistentStates(), 0);
    return harness.settled();
}

std::vector<int> valuesOf(TableHarness& harness, int code)
{
    std::vector<int> values;
    for (const Event& e : harness.observer->events())
        if (e.code == code)
            values.push_back(e.value);
    return values;
}

TEST(GameFlowBidding, DeclarerAndBidFollowTheLimits)
{
    struct Case {
        std::array<int, 3> limits; // by seat
        Seat declarer;
        int bid;
        int bidTurns;
    };
    const Case cases[] = {
        {{0, 0, 18}, V, 18, 3},        // middlehand and rearhand pass, forehand plays for 18
        {{30, 0, 24}, M, 27, 13},      // forehand holds up to 24, middlehand goes to 27
        {{0, 30, 24}, H, 27, 13},      // middlehand passes, rearhand takes it from forehand
        {{18, 0, 18}, V, 18, 4},       // forehand holds at its limit; middlehand would have to name 20
        {{1000, 0, 1000}, V, 361, 76}, // the top of the table is final: nobody names past it
    };
    for (const Case& c : cases) {
        TableHarness harness;
        harness.scriptDeal(DEAL_A, V);
        for (Seat s = SEAT_0; s < 3; ++s)
            script(s, c.limits[static_cast<std::size_t>(s)],
                   s == 0   ? GAME_CLUBS
                   : s == 1 ? GAME_HEARTS
                            : GAME_DIAMONDS);
        const auto records = play(harness);
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(records[0].ALLEIN, c.declarer) << c.limits[0] << "/" << c.limits[2];
        EXPECT_EQ(records[0].GEREIZT, c.bid);
        EXPECT_LE(records[0].REIZ_INDEX, BID_TABLE_SIZE - 1);
        EXPECT_EQ(harness.observer->count(BID_TURN), c.bidTurns);
        EXPECT_EQ(harness.observer->count(BID_TURN), harness.observer->count(BID_ANSWERED));
    }
}

TEST(GameFlowBidding, AllPassWithRamschOffAndOn)
{
    for (bool ramsch : {false, true}) {
        TableHarness harness;
        RuleSettings rules;
        rules.ramschAfterPass = ramsch;
        setCurrentRules(rules);
        harness.scriptDeal(DEAL_A, V);
        const auto records = play(harness);
        ASSERT_EQ(records.size(), 1u);
        const SPIELSTRUCT& record = records[0];
        EXPECT_EQ(record.GEREIZT, 0);
        // Middlehand, rearhand and forehand are asked; forehand once more.
        EXPECT_EQ(valuesOf(harness, BID_TURN), (std::vector<int>{M, H, V}));
        const std::vector<int> states = harness.states();
        if (ramsch) {
            EXPECT_EQ(record.SPIELART.SPIEL_TYP, GAME_RAMSCH);
            EXPECT_EQ(harness.observer->count(RAMSCH_ANNOUNCED), 1);
            EXPECT_EQ(std::count(states.begin(), states.end(), STATE_STICH_ABLEGEN), 10);
            EXPECT_EQ(harness.table->sheet.rowAt(0).trickCount(), 10);
        } else {
            EXPECT_TRUE(record.isPassedIn());
            EXPECT_EQ(record.declarer(), V);
            EXPECT_EQ(harness.observer->count(ALL_PASSED), 1);
            EXPECT_EQ(std::count(states.begin(), states.end(), STATE_KARTE_AUSSPIELEN), 0);
            EXPECT_EQ(harness.table->sheet.lastRowPassedGames(), 1);
        }
    }
}

TEST(GameFlowBidding, RulesChosenDuringAGameHoldFromTheNextGame)
{
    TableHarness harness;
    setCurrentRules(RuleSettings{});
    harness.scriptDeal(DEAL_A, V);
    harness.scriptDeal(DEAL_A, M);
    RuleSettings ramsch;
    ramsch.ruleSet = RULESET_PUB;
    ramsch.ramschAfterPass = true;
    std::atomic<bool> chosen{false};
    harness.onStateEntered = [&](int state) {
        // The user switches Ramsch on while the first game is being bid.
        if (state == STATE_REIZEN && !chosen.exchange(true)) {
            setRulesForNextGame(ramsch);
            EXPECT_FALSE(currentRules().ramschAfterPass);
        }
    };
    const auto records = play(harness, 2);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_TRUE(records[0].isPassedIn()) << "the running game kept its rules";
    EXPECT_EQ(records[1].SPIELART.SPIEL_TYP, GAME_RAMSCH);
    EXPECT_TRUE(currentRules().ramschAfterPass);
    EXPECT_FALSE(rulesWaitForNextGame());
    // Rules set outright drop what waited for the next game.
    setRulesForNextGame(RuleSettings{});
    setCurrentRules(ramsch);
    startGameRules();
    EXPECT_TRUE(currentRules().ramschAfterPass);
}

TEST(GameFlowGames, HandGameKeepsTheSkatAndPlaysTenTricks)
{
    TableHarness harness;
    harness.scriptDeal(DEAL_A, V);
    script(V, 18, GAME_DIAMONDS, WIN_LEVEL_HAND);
    const auto records = play(harness);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].SPIELART, SPIELART(GAME_DIAMONDS, WIN_LEVEL_HAND, records[0].SPIELART.STUFE));
    const EIN_SPIEL& row = harness.table->sheet.rowAt(0);
    EXPECT_EQ(row.trickCount(), 10);
    EXPECT_EQ(row.pile.skat().cardSet(), cardsOf("P8 P7"));
}

TEST(GameFlowGames, NullAndOuvertGamesEndEarly)
{
    struct Case {
        GameType type;
        int winLevel;
    };
    for (const Case c : {Case{GAME_NULL, WIN_LEVEL_WITH_SKAT}, Case{GAME_GRAND, WIN_LEVEL_OUVERT_HAND}}) {
        TableHarness harness;
        harness.scriptDeal(DEAL_B, V);
        script(V, 23, c.type, c.winLevel);
        const auto records = play(harness);
        ASSERT_EQ(records.size(), 1u);
        const SPIELSTRUCT& record = records[0];
        EXPECT_EQ(record.SPIELART.SPIEL_TYP, c.type);
        EXPECT_TRUE(record.ALSP_AUFGEGEBEN);
        EXPECT_LT(record.SPIELWERT, 0);
        EXPECT_EQ(harness.observer->count(GAME_ENDS_EARLY), 1);
        const EIN_SPIEL& row = harness.table->sheet.rowAt(0);
        EXPECT_LT(row.trickCount(), 10);
        if (c.type == GAME_NULL)
            EXPECT_EQ(row.pile.partyOfTrick(row.trickCount()), PARTY_DECLARER);
        else
            EXPECT_EQ(row.pile.partyOfTrick(row.trickCount()), PARTY_DEFENDERS);
    }
}

TEST(GameFlowGames, GivingUpEndsTheGameForTheSideOfTheSeat)
{
    struct Case {
        Seat human;
        bool declarerGivesUp;
    };
    for (const Case c : {Case{V, true}, Case{M, false}}) {
        TableHarness harness;
        harness.scriptDeal(DEAL_A, V);
        harness.seatHuman(c.human);
        harness.windows->holdUpTo = c.human == V ? 100 : 0;
        script(V, 18, GAME_DIAMONDS);
        harness.windows->game = SPIELART(GAME_DIAMONDS, WIN_LEVEL_WITH_SKAT, LEVEL_NONE);
        harness.windows->onCard = [](SKATTISCH&, CardId, int) { return HUMAN_PLAYER::answerCard(NO_CARD); };
        const auto records = play(harness);
        ASSERT_EQ(records.size(), 1u);
        const SPIELSTRUCT& record = records[0];
        EXPECT_EQ(record.declarer(), V);
        EXPECT_EQ(record.ALSP_AUFGEGEBEN, c.declarerGivesUp);
        EXPECT_EQ(record.GEGNER_AUFGEGEBEN, !c.declarerGivesUp);
        EXPECT_EQ(record.SPIELWERT < 0, c.declarerGivesUp);
        EXPECT_EQ(harness.observer->count(GAME_ENDS_EARLY), 1);
    }
}

TEST(GameFlowGames, KontraByAComputerDefenderAndReByTheHumanDeclarer)
{
    TableHarness harness;
    RuleSettings rules;
    rules.kontraRe = true;
    rules.kontraVariant = 1;
    setCurrentRules(rules);
    harness.scriptDeal(DEAL_A, V);
    harness.seatHuman(V);
    harness.windows->holdUpTo = 18;
    harness.windows->game = SPIELART(GAME_DIAMONDS, WIN_LEVEL_WITH_SKAT, LEVEL_NONE);
    script(M, 0, GAME_CLUBS, WIN_LEVEL_WITH_SKAT, 100);
    harness.windows->onCard = [](SKATTISCH&, CardId hint, int n) {
        return n == 2 && HUMAN_PLAYER::answerCard(hint, false, true);
    };
    const auto records = play(harness);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_TRUE(records[0].KONTRA);
    EXPECT_EQ(records[0].KONTRA_WER, M);
    EXPECT_TRUE(records[0].RE);
    EXPECT_EQ(valuesOf(harness, KONTRA_ANNOUNCED), (std::vector<int>{M, V}));
}

TEST(GameFlowGames, KontraIsIgnoredWhenTheRulesForbidIt)
{
    TableHarness harness;
    harness.scriptDeal(DEAL_A, V);
    script(V, 18, GAME_DIAMONDS);
    script(M, 0, GAME_CLUBS, WIN_LEVEL_WITH_SKAT, 100);
    const auto records = play(harness);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_FALSE(records[0].KONTRA);
    EXPECT_EQ(harness.observer->count(KONTRA_ANNOUNCED), 0);
}

TEST(GameFlowGames, AGameThatSetsOffBockMakesTheNextThreeBockGames)
{
    TableHarness harness;
    RuleSettings rules;
    rules.bockRounds = true;
    rules.bockOnDeclarer90 = true;
    setCurrentRules(rules);
    harness.scriptDeal(DEAL_C, V);
    script(V, 18, GAME_GRAND);
    const auto records = play(harness, 5);
    ASSERT_EQ(records.size(), 5u);
    EXPECT_TRUE(records[0].LOEST_BOCKRUNDE_AUS);
    std::vector<int> bock;
    for (const SPIELSTRUCT& record : records)
        bock.push_back(record.BOCKRUNDE_NR);
    EXPECT_EQ(bock, (std::vector<int>{0, 3, 2, 1, 0}));
}

TEST(GameFlowGames, LostConnectionKeepsTheSavedGameToResume)
{
    TableHarness harness;
    harness.scriptDeal(DEAL_A, V);
    harness.table->setPlayer(slotOfSeat(H), PLAYER_KIND_REMOTE);
    harness.playerAt(H).isRemote()->connection.connect(9, L"peer");
    harness.services->sendSucceeds = false;
    harness.table->modus.setNextOfList(harness.table->sheet);
    ASSERT_TRUE(harness.playToEnd());
    // Middlehand passes, then the request to rearhand cannot be delivered.
    EXPECT_EQ(harness.table->runningGame.stateIndex, STATE_REIZEN);
    EXPECT_TRUE(harness.table->runningGame.cards.isConsistent());
    EXPECT_EQ(harness.table->runningGame.cards.hands[0].cardCount(), 10);
    EXPECT_EQ(harness.observer->count(GAME_LOOP_ENDED), 1);
    ASSERT_FALSE(harness.services->sent.empty());
}

TEST(GameFlowResume, GameSavedInCardPlayFinishesWithTheSameResult)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("gameflow-resume-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    VORDIX_FOLDER dir;
    dir.setPath(folder.wstring());
    const VORDIX_FILE file(dir, L"LfdSpiel.skt");

    auto setUp = [](TableHarness& harness) {
        script(V, 18, GAME_DIAMONDS);
        script(M, 0, GAME_CLUBS);
        script(H, 0, GAME_HEARTS);
    };

    SPIELSTRUCT uninterrupted;
    {
        TableHarness harness;
        harness.scriptDeal(DEAL_A, V);
        setUp(harness);
        const auto records = play(harness);
        ASSERT_EQ(records.size(), 1u);
        uninterrupted = records[0];
    }
    {
        // The program shuts down in the fifth card request.
        TableHarness harness;
        harness.scriptDeal(DEAL_A, V);
        setUp(harness);
        harness.table->setSavesFiles(true);
        harness.table->runningGame.file = file;
        harness.table->sheet.file = VORDIX_FILE(dir, L"Aktuell.skt");
        int cardStates = 0;
        harness.onStateEntered = [&](int index) {
            if (index == STATE_KARTE_AUSSPIELEN && ++cardStates == 5) {
                harness.services->closing = true;
                harness.table->stopGameLoop();
            }
        };
        harness.table->modus.setNextOfList(harness.table->sheet);
        ASSERT_TRUE(harness.playToEnd());
        EXPECT_EQ(harness.observer->count(GAME_LOOP_ENDED), 0);
    }
    {
        TableHarness harness;
        setUp(harness);
        ASSERT_EQ(harness.table->runningGame.open(file), DOCUMENT_OK);
        ASSERT_EQ(harness.table->runningGame.stateIndex, STATE_KARTE_AUSSPIELEN);
        harness.stopAfterGames = 1;
        harness.table->startGame();
        ASSERT_TRUE(harness.table->waitForLoopEnd(20000));
        const auto records = harness.settled();
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(records[0], uninterrupted);
        const std::vector<int> codes = harness.observer->codes();
        ASSERT_GE(codes.size(), 6u);
        EXPECT_EQ(std::vector<int>(codes.begin(), codes.begin() + 6),
                  (std::vector<int>{GAME_RESUMED, CARDS_DEALT, BIDDING_RESTORED, ANNOUNCEMENT_RESTORED,
                                    DECLARER_RESTORED, TABLE_REFRESH}));
        EXPECT_EQ(valuesOf(harness, DECLARER_RESTORED), (std::vector<int>{V}));
    }
    fs::remove_all(folder);
}

} // namespace

namespace {

TEST(GameFlowSheet, ListedGamesGoToTheStatisticsAndTheSavedSheet)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("gameflow-sheet-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    VORDIX_FOLDER dir;
    dir.setPath(folder.wstring());
    {
        TableHarness harness;
        harness.table->setSavesFiles(true);
        harness.table->runningGame.file = VORDIX_FILE(dir, L"LfdSpiel.skt");
        harness.table->sheet.file = VORDIX_FILE(dir, L"Aktuell.skt");
        harness.scriptDeal(DEAL_A, V);
        script(V, 18, GAME_DIAMONDS);
        const auto records = play(harness, 2);
        ASSERT_EQ(records.size(), 2u);
        EXPECT_EQ(harness.services->statisticsGames, 2);
        EXPECT_EQ(harness.services->statisticsSaves, 2);
        LISTE saved;
        ASSERT_EQ(saved.open(VORDIX_FILE(dir, L"Aktuell.skt")), DOCUMENT_OK);
        EXPECT_EQ(saved.rowCount(), 2);
        // The user's stop ended the game: nothing is left to resume.
        LAUFENDES_SPIEL_DOKUMENT running;
        running.open(VORDIX_FILE(dir, L"LfdSpiel.skt"));
        EXPECT_EQ(running.stateIndex, STATE_NONE);
    }
    fs::remove_all(folder);
}

TEST(GameFlowSheet, AFreeGameIsNotListedUnlessFreeGamesCount)
{
    TableHarness harness;
    harness.scriptDeal(DEAL_A, V);
    script(V, 18, GAME_DIAMONDS);
    harness.stopAfterGames = 1;
    harness.table->modus.setForehand(V);
    ASSERT_TRUE(harness.playToEnd());
    EXPECT_EQ(harness.settled().size(), 1u);
    EXPECT_EQ(harness.table->sheet.rowCount(), 0);
    EXPECT_EQ(harness.services->statisticsGames, 0);
}

TEST(GameFlowSheet, HumanDecisionRepeatsTheDealOrEndsTheLoop)
{
    struct Case {
        int decision;
        int gamesPlayed;
    };
    // A value out of range counts as going on with the next game.
    for (const Case c : {Case{CONFIRM_END_LOOP, 1}, Case{CONFIRM_END_AFTER_SETTLEMENT, 1}, Case{CONFIRM_REPEAT_DEAL, 2},
                         Case{CONFIRM_NEXT_GAME, 2}, Case{7, 2}}) {
        TableHarness harness;
        harness.scriptDeal(DEAL_A, V);
        harness.seatHuman(M);
        harness.windows->confirmation = c.decision;
        script(V, 18, GAME_DIAMONDS);
        harness.stopAfterGames = 2;
        harness.table->modus.setNextOfList(harness.table->sheet);
        ASSERT_TRUE(harness.playToEnd());
        const auto records = harness.settled();
        ASSERT_EQ(static_cast<int>(records.size()), c.gamesPlayed) << c.decision;
        if (c.decision == CONFIRM_REPEAT_DEAL) {
            // The same cards again, not entered in the sheet.
            EXPECT_EQ(harness.observer->count(GAME_REPEATED), 1);
            EXPECT_EQ(harness.observer->count(REPEATED_GAME_NOT_LISTED), 1);
            EXPECT_EQ(records[1].ALLEIN, records[0].ALLEIN);
            EXPECT_EQ(records[1].SPIELWERT, records[0].SPIELWERT);
            EXPECT_EQ(harness.table->sheet.rowCount(), 1);
        } else if (c.gamesPlayed == 1) {
            EXPECT_EQ(harness.observer->count(GAME_LOOP_ENDED), 1);
        } else {
            EXPECT_EQ(harness.table->sheet.rowCount(), 2);
        }
    }
}

} // namespace

namespace {

TEST(GameFlowTakeBack, TakingBackACardOrAFullTrickPlaysOnConsistently)
{
    struct Case {
        bool duringTrickConfirmation;
    };
    for (const Case c : {Case{false}, Case{true}}) {
        SCOPED_TRACE(c.duringTrickConfirmation);
        TableHarness harness;
        harness.scriptDeal(DEAL_A, V);
        harness.seatHuman(V);
        harness.services->clickTricks = c.duringTrickConfirmation;
        harness.windows->holdUpTo = 18;
        harness.windows->game = SPIELART(GAME_DIAMONDS, WIN_LEVEL_WITH_SKAT, LEVEL_NONE);
        // The user takes back once: with the fourth card or at the second trick's confirmation.
        if (c.duringTrickConfirmation)
            harness.windows->onTrick = [](SKATTISCH& table, int n) {
                if (n == 2)
                    table.takeBackFlag = 1;
                return false;
            };
        else
            harness.windows->onCard = [](SKATTISCH& table, CardId, int n) {
                if (n == 4)
                    table.takeBackFlag = 1;
                return false;
            };
        const auto records = play(harness);
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(harness.table->sheet.rowAt(0).trickCount(), 10);
        EXPECT_GE(harness.observer->count(TABLE_REFRESH), 2); // the start and the take-back
        if (c.duringTrickConfirmation) {
            // The full trick went back to the hands before it was collected.
            EXPECT_EQ(harness.observer->count(TRICK_COLLECTED), 10);
            EXPECT_EQ(harness.windows->trickConfirmations, 11);
        } else {
            // A card taken back at the lead takes the last trick off the pile.
            EXPECT_EQ(harness.observer->count(TRICK_COLLECTED), 11);
            EXPECT_GT(harness.windows->cardRequests, 10);
        }
    }
}

} // namespace

namespace {

// A request to shorten or take back that arrived after the last game's
// card play (the panel was still open) must not act on the next game: the
// user is asked for the first card as usual.
TEST(GameFlowRequests, ARequestLeftFromTheLastGameDoesNotEndTheNext)
{
    const struct {
        const char* what;
        std::atomic<std::uint8_t> SKATTISCH::*flag;
    } cases[] = {{"lay down", &SKATTISCH::endCardPlayFlag},
                 {"play out", &SKATTISCH::playTheRestFlag},
                 {"take back", &SKATTISCH::takeBackFlag}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TableHarness harness;
        harness.windows->game = SPIELART(GAME_GRAND, WIN_LEVEL_WITH_SKAT, LEVEL_NONE);
        (*harness.table).*(c.flag) = 1;
        EXPECT_TRUE(harness.holdHumanAt(REQUEST_PLAY_CARD, DEAL_A, V));
        EXPECT_EQ(harness.windows->cardRequests, 1);
        EXPECT_TRUE(harness.settled().empty());
    }
}

} // namespace

namespace {

// A take-back at the user's first card of a game goes back no further than
// the cards of that first trick: the bidding, the skat and the announced game
// stay, and the game ends as it would have without the take-backs.
TEST(GameFlowTakeBack, NothingBeforeTheGamesFirstCardIsTakenBack)
{
    const struct {
        const char* what;
        Seat human;
    } cases[] = {{"the user leads as declarer", V}, {"two cards lie before the user's", H}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        struct Played {
            std::vector<SPIELSTRUCT> records;
            std::vector<CardSet> tricks;
            int announced = 0;
        };
        const auto playWith = [&](int takeBacks) {
            TableHarness harness;
            harness.scriptDeal(DEAL_A, V);
            harness.seatHuman(c.human);
            if (c.human == V) {
                harness.windows->holdUpTo = 18;
                harness.windows->game = SPIELART(GAME_DIAMONDS, WIN_LEVEL_WITH_SKAT, LEVEL_NONE);
            } else {
                script(M, 30, GAME_CLUBS);
            }
            harness.windows->onCard = [takeBacks](SKATTISCH& table, CardId, int n) {
                if (n <= takeBacks)
                    table.takeBackFlag = 1;
                return false;
            };
            Played p;
            p.records = play(harness);
            if (harness.table->sheet.rowCount() == 1) {
                const EIN_SPIEL& row = harness.table->sheet.rowAt(0);
                for (int n = 1; n <= row.trickCount(); ++n)
                    p.tricks.push_back(row.pile.trick(n).cardSet());
            }
            p.announced = harness.observer->count(GAME_ANNOUNCED);
            return p;
        };
        const Played plain = playWith(0);
        const Played undone = playWith(3);
        ASSERT_EQ(plain.records.size(), 1u);
        ASSERT_EQ(undone.records.size(), 1u);
        EXPECT_EQ(undone.announced, 1) << "the game was not announced again";
        const SPIELSTRUCT &a = plain.records[0], &b = undone.records[0];
        EXPECT_EQ(b.ALLEIN, a.ALLEIN);
        EXPECT_EQ(b.GEREIZT, a.GEREIZT);
        EXPECT_EQ(b.SPIELART.SPIEL_TYP, a.SPIELART.SPIEL_TYP);
        EXPECT_EQ(b.SPIELWERT, a.SPIELWERT);
        EXPECT_EQ(plain.tricks.size(), 10u);
        EXPECT_EQ(undone.tricks, plain.tricks);
    }
}

} // namespace
