// Players: the computer's answers, the request dispatch, the identity in
// XML, and which answers the table accepts.

#include "skat/engine/AnswerCheck.h"
#include "skat/engine/BidTable.h"
#include "skat/net/GameMessages.h"
#include "tests/engine/test_table_support.h"
#include "vordix/Bitmap.h"
#include "vordix/File.h"

#include <gtest/gtest.h>

#include <set>

using namespace table_test;

namespace {

constexpr Seat V = SEAT_2;

TEST(ComputerPlayer, BidAnswerByModeAndLimit)
{
    struct Case {
        int limit, index, mode, current, expected;
    };
    const Case cases[] = {
        {20, 1, 1, 18, 20}, // names the next value while below its limit
        {18, 1, 1, 18, 18}, // at its limit it keeps its bid when it would have to name more
        {18, 1, 2, 0, 18},  // ... but holds when answering
        {17, 1, 2, 0, 0},   // below the value it passes with what it said
        {18, 0, 1, 0, 18},  // forehand after an all-pass plays for 18
        {0, 0, 1, 0, 0},
        {1000, BID_TABLE_SIZE - 1, 1, 361, 361}, // never names past the top of the table
        {1000, BID_TABLE_SIZE - 2, 1, 240, 361},
    };
    for (const Case& c : cases)
        EXPECT_EQ(COMPI_PLAYER::bidAnswer(c.limit, c.index, c.mode, c.current), c.expected)
            << c.limit << " " << c.index << " " << c.mode;
}

// A local player that records which operation a request reached.
class RecordingPlayer : public LOCAL_PLAYER {
public:
    RecordingPlayer() : LOCAL_PLAYER(0) { }
    void cut() override { calls.push_back("cut"); }
    void bid() override { calls.push_back("bid"); }
    void chooseSkatOrHand() override { calls.push_back("chooseSkatOrHand"); }
    void discard() override { calls.push_back("discard"); }
    void announceGame() override { calls.push_back("announceGame"); }
    void announceHandGame() override { calls.push_back("announceHandGame"); }
    void playCard() override { calls.push_back("playCard"); }
    void confirmTrick() override { calls.push_back("confirmTrick"); }
    void confirmListEnd() override { calls.push_back("confirmListEnd"); }
    void confirmSettlement() override { calls.push_back("confirmSettlement"); }
    void confirmPassedGame() override { calls.push_back("confirmPassedGame"); }
    std::vector<std::string> calls;
};

TEST(LocalPlayer, EveryRequestKindReachesItsOperation)
{
    SKATTISCH_CLIENT table;
    auto owned = std::make_unique<RecordingPlayer>();
    RecordingPlayer* player = owned.get();
    table.seatPlayer(0, std::move(owned));
    const std::vector<std::string> expected = {"",
                                               "bid",
                                               "cut",
                                               "chooseSkatOrHand",
                                               "discard",
                                               "announceGame",
                                               "announceHandGame",
                                               "playCard",
                                               "confirmTrick",
                                               "confirmSettlement",
                                               "confirmPassedGame",
                                               "confirmListEnd",
                                               ""};
    for (int kind = 0; kind <= 12; ++kind) {
        player->calls.clear();
        player->dispatchRequest(kind);
        if (expected[static_cast<std::size_t>(kind)].empty())
            EXPECT_TRUE(player->calls.empty()) << kind;
        else
            EXPECT_EQ(player->calls, std::vector<std::string>{expected[static_cast<std::size_t>(kind)]}) << kind;
        if (isPlayerRequest(kind))
            EXPECT_EQ(player->action().requestKind, kind);
    }
}

TEST(ComputerPlayer, CutAlwaysLiesBetween5And27AndTravelsToTheHost)
{
    auto services = std::make_shared<TestServices>();
    installTableServices(services);
    installGameMessenger();
    {
        SKATTISCH_CLIENT table;
        table.setPlayer(1, PLAYER_KIND_COMPUTER);
        auto* computer = dynamic_cast<COMPI_PLAYER*>(table.playerInSlot(1));
        ASSERT_NE(computer, nullptr);
        for (int i = 0; i < 300; ++i)
            computer->dispatchRequest(REQUEST_CUT);
        ASSERT_EQ(services->sentToHost.size(), 300u);
        std::set<int> seen;
        for (const std::string& xml : services->sentToHost) {
            SKAT_NETWORKMESSAGE reply;
            ASSERT_EQ(streamFromXml(xml, reply), STREAM_READ_OK);
            EXPECT_EQ(reply.kind, PLAYER_ACTION_REPLY);
            EXPECT_EQ(reply.action, REQUEST_CUT);
            EXPECT_EQ(reply.seat, 1);
            EXPECT_GE(reply.answer, 5);
            EXPECT_LE(reply.answer, 27);
            seen.insert(reply.answer);
        }
        EXPECT_EQ(seen.size(), 23u);
    }
    installTableServices(nullptr);
}

TEST(PlayerXml, NameIsTheSeatNameExceptForRemotePlayers)
{
    struct Case {
        int kind;
        std::wstring expectedName;
    };
    const Case cases[] = {
        {PLAYER_KIND_HUMAN, L"Spieler 2"},
        {PLAYER_KIND_COMPUTER, L"Spieler 2"},
        {PLAYER_KIND_REMOTE, L"Gast"},
        {PLAYER_KIND_REMOTE_VIEW, L"Gast"},
    };
    for (const Case& c : cases) {
        std::unique_ptr<PLAYER> player = createPlayer(c.kind, 1);
        player->setHeldName(L"Gast");
        REMOTE_PLAYER back(0);
        ASSERT_EQ(streamFromXml(streamToXml(*player), back), STREAM_READ_OK);
        EXPECT_EQ(back.heldName(), c.expectedName);
        EXPECT_EQ(back.kind(), c.kind);
        EXPECT_EQ(back.id(), 1);
    }
    EXPECT_EQ(createPlayer(6, 0), nullptr);
    SKATTISCH_CLIENT table;
    EXPECT_FALSE(table.setPlayer(0, 9));
    EXPECT_EQ(table.playerInSlot(0)->kind(), PLAYER_KIND_HUMAN);
}

TEST(PlayerAnswers, OnlyTheAwaitedAnswerOfThePendingRequestCounts)
{
    TableHarness harness;
    harness.stopAfterGames = 1;
    ASSERT_TRUE(harness.holdHumanAt(REQUEST_PLAY_CARD, DEAL, V));

    SKATTISCH_SERVER& table = *harness.table;
    const int humanSlot = slotOfSeat(V);
    const PLAYER_AKTION pending = harness.playerAt(V).action();
    ASSERT_EQ(pending.requestKind, REQUEST_PLAY_CARD);
    ASSERT_NE(pending.serial, 0u);
    PLAYER_AKTION answer = pending;
    answer.card = cardIdFromCode("C7");

    PLAYER_AKTION wrongKind = answer;
    wrongKind.requestKind = REQUEST_CONFIRM_TRICK;
    PLAYER_AKTION oldSerial = answer;
    oldSerial.serial = pending.serial - 1;
    EXPECT_FALSE(table.playerFinished(slotOfSeat(SEAT_0), answer)); // another seat
    EXPECT_FALSE(table.playerFinished(humanSlot, wrongKind));
    EXPECT_FALSE(table.playerFinished(humanSlot, oldSerial));
    EXPECT_FALSE(table.playerFinished(7, answer));

    SKAT_NETWORKMESSAGE foreign(PLAYER_ACTION_REPLY, L"intruder");
    foreign.gameUid = table.tableRunId;
    foreign.action = REQUEST_PLAY_CARD;
    foreign.seat = humanSlot;
    foreign.answer = NO_CARD; // would give the game up
    EXPECT_FALSE(applyPlayerAnswer(table, foreign, 3));

    harness.windows->holdKind = REQUEST_NONE;
    EXPECT_TRUE(table.playerFinished(humanSlot, answer));
    EXPECT_FALSE(table.playerFinished(humanSlot, answer)); // a duplicate
    ASSERT_TRUE(table.waitForLoopEnd(20000));
    const auto records = harness.settled();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_FALSE(records[0].ALSP_AUFGEGEBEN);
    EXPECT_FALSE(records[0].GEGNER_AUFGEGEBEN);
    EXPECT_EQ(table.sheet.rowAt(0).trickCount(), 10);
}

TEST(PlayerAnswers, AnInvalidHumanCardIsAskedForAgain)
{
    TableHarness harness;
    harness.scriptDeal(DEAL, V);
    harness.seatHuman(V);
    harness.windows->holdUpTo = 18;
    harness.windows->game = SPIELART(GAME_DIAMONDS, WIN_LEVEL_WITH_SKAT, LEVEL_NONE);
    harness.windows->onCard = [](SKATTISCH&, CardId, int n) {
        // The first answer is a card of another hand.
        return n == 1 && HUMAN_PLAYER::answerCard(cardIdFromCode("HA"));
    };
    harness.stopAfterGames = 1;
    harness.table->modus.setNextOfList(harness.table->sheet);
    ASSERT_TRUE(harness.playToEnd());
    EXPECT_TRUE(harness.services->logContains(L"asking again"));
    EXPECT_EQ(harness.table->sheet.rowAt(0).trickCount(), 10);
    EXPECT_EQ(harness.inconsistentStates(), 0);
    // The human was asked once more than it played cards.
    EXPECT_EQ(harness.windows->cardRequests, 11);
}

// Every kind of answer against the game it answers: seat 0 led the spades
// ace in a hearts game, seat 1 (holding the spades ten) is to move.
TEST(PlayerAnswers, AnswersAreCheckedAgainstTheGameAndRepairedToValidOnes)
{
    SPIELKARTEN cards;
    for (Seat s = SEAT_0; s < 3; ++s)
        cards.hands[static_cast<std::size_t>(s)] = EINBLATT(DEAL[static_cast<std::size_t>(s)]);
    cards.dealCounter = 10;
    cards.AUSP = 0;
    cards.playCard(cardIdFromCode("PA"));
    ASSERT_EQ(cards.seatToMove(), 1);
    SPIELSTRUCT record;
    record.ALLEIN = 1;
    record.SPIELART = SPIELART(GAME_HEARTS, WIN_LEVEL_WITH_SKAT);

    const auto bid = [](int value) {
        PLAYER_AKTION a;
        a.bidValue = value;
        return a;
    };
    const auto cut = [](int position) {
        PLAYER_AKTION a;
        a.cutPosition = position;
        return a;
    };
    const auto discard = [](const char* first, const char* second) {
        PLAYER_AKTION a;
        a.discard = SKAT(cardIdFromCode(first), cardIdFromCode(second));
        return a;
    };
    const auto announce = [](SPIELART game, int level = LEVEL_NONE, std::uint8_t backToSkat = 0) {
        PLAYER_AKTION a;
        a.spielart = SPIELART(game.SPIEL_TYP, game.GEWINN_STUFE, level);
        a.announceFlag = backToSkat;
        return a;
    };
    const auto hand = [](SPIELART game, std::uint8_t handFlag = 1) {
        PLAYER_AKTION a;
        a.spielart = game;
        a.handFlag = handFlag;
        return a;
    };
    const auto card = [](const char* code) {
        PLAYER_AKTION a;
        a.card = cardIdFromCode(code);
        return a;
    };
    const auto confirm = [](int value) {
        PLAYER_AKTION a;
        a.confirmation = value;
        return a;
    };

    struct Case {
        const char* what;
        int kind;
        Seat seat;
        PLAYER_AKTION answer;
        bool valid;
    };
    const Case cases[] = {
        {"bid 18", REQUEST_BID, SEAT_1, bid(18), true},
        {"pass", REQUEST_BID, SEAT_1, bid(0), true},
        {"the top of the table", REQUEST_BID, SEAT_1, bid(361), true},
        {"bid 19 is no bid value", REQUEST_BID, SEAT_1, bid(19), false},
        {"bid 400 lies past the table", REQUEST_BID, SEAT_1, bid(400), false},
        {"negative bid", REQUEST_BID, SEAT_1, bid(-18), false},
        {"cut 1", REQUEST_CUT, SEAT_1, cut(1), true},
        {"cut 30", REQUEST_CUT, SEAT_1, cut(30), true},
        {"cut 0", REQUEST_CUT, SEAT_1, cut(0), false},
        {"cut 31", REQUEST_CUT, SEAT_1, cut(31), false},
        {"discard two own cards", REQUEST_DISCARD, SEAT_1, discard("HA", "H1"), true},
        {"discard one card twice", REQUEST_DISCARD, SEAT_1, discard("HA", "HA"), false},
        {"discard a card of another hand", REQUEST_DISCARD, SEAT_1, discard("HA", "KA"), false},
        {"discard only one card", REQUEST_DISCARD, SEAT_1, discard("HA", "LL"), false},
        {"hearts after the skat", REQUEST_ANNOUNCE, SEAT_1, announce({GAME_HEARTS, WIN_LEVEL_WITH_SKAT}), true},
        {"null ouvert after the skat", REQUEST_ANNOUNCE, SEAT_1, announce({GAME_NULL, WIN_LEVEL_OUVERT}), true},
        {"Schneider announced after the skat", REQUEST_ANNOUNCE, SEAT_1,
         announce({GAME_HEARTS, WIN_LEVEL_SCHNEIDER_ANNOUNCED}), false},
        {"a level chosen in advance", REQUEST_ANNOUNCE, SEAT_1,
         announce({GAME_HEARTS, WIN_LEVEL_WITH_SKAT}, LEVEL_SCHNEIDER), false},
        {"grand ouvert after the skat", REQUEST_ANNOUNCE, SEAT_1, announce({GAME_GRAND_OUVERT, WIN_LEVEL_WITH_SKAT}),
         false},
        {"Ramsch cannot be announced", REQUEST_ANNOUNCE, SEAT_1, announce({GAME_RAMSCH, WIN_LEVEL_WITH_SKAT}), false},
        {"no game at all", REQUEST_ANNOUNCE, SEAT_1, announce({GAME_NONE, WIN_LEVEL_WITH_SKAT}), false},
        {"back to the skat", REQUEST_ANNOUNCE, SEAT_1, announce({GAME_NONE, WIN_LEVEL_WITH_SKAT}, LEVEL_NONE, 1), true},
        {"hearts hand", REQUEST_ANNOUNCE_HAND, SEAT_1, hand({GAME_HEARTS, WIN_LEVEL_HAND}), true},
        {"grand hand Schwarz announced", REQUEST_ANNOUNCE_HAND, SEAT_1, hand({GAME_GRAND, WIN_LEVEL_SCHWARZ_ANNOUNCED}),
         true},
        {"grand ouvert", REQUEST_ANNOUNCE_HAND, SEAT_1, hand({GAME_GRAND_OUVERT, WIN_LEVEL_OUVERT_HAND}), true},
        {"null hand", REQUEST_ANNOUNCE_HAND, SEAT_1, hand({GAME_NULL, WIN_LEVEL_HAND}), true},
        {"a hand game with the skat", REQUEST_ANNOUNCE_HAND, SEAT_1, hand({GAME_HEARTS, WIN_LEVEL_WITH_SKAT}), false},
        {"null Schneider", REQUEST_ANNOUNCE_HAND, SEAT_1, hand({GAME_NULL, WIN_LEVEL_SCHNEIDER_ANNOUNCED}), false},
        {"no hand game: the skat is taken", REQUEST_ANNOUNCE_HAND, SEAT_1, hand({GAME_NONE, WIN_LEVEL_WITH_SKAT}, 0),
         true},
        {"following suit", REQUEST_PLAY_CARD, SEAT_1, card("P1"), true},
        {"not following suit", REQUEST_PLAY_CARD, SEAT_1, card("HA"), false},
        {"a card of another hand", REQUEST_PLAY_CARD, SEAT_1, card("KA"), false},
        {"a card already in the trick", REQUEST_PLAY_CARD, SEAT_1, card("PA"), false},
        {"giving up", REQUEST_PLAY_CARD, SEAT_1, card("LL"), true},
        {"a seat not to move", REQUEST_PLAY_CARD, SEAT_2, card("PK"), false},
        {"next game", REQUEST_CONFIRM_SETTLEMENT, SEAT_1, confirm(CONFIRM_NEXT_GAME), true},
        {"end after the settlement", REQUEST_CONFIRM_PASSED, SEAT_1, confirm(CONFIRM_END_AFTER_SETTLEMENT), true},
        {"no confirmation", REQUEST_CONFIRM_SETTLEMENT, SEAT_1, confirm(0), false},
        {"confirmation past the last", REQUEST_CONFIRM_PASSED, SEAT_1, confirm(5), false},
        {"no such seat", REQUEST_BID, static_cast<Seat>(3), bid(18), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(isValidAnswer(c.kind, c.answer, cards, record, c.seat), c.valid);
        // The seat to move gets a valid answer in place of an invalid one.
        if (!c.valid && c.seat == cards.seatToMove()) {
            PLAYER_AKTION repaired = c.answer;
            repairAnswer(c.kind, repaired, cards, record, c.seat);
            EXPECT_TRUE(isValidAnswer(c.kind, repaired, cards, record, c.seat));
        }
    }
}

// A computer logic that answers with cards it does not hold.
class WrongCardsLogic : public ScriptedLogic {
public:
    CardId chooseCard(const GameSnapshot& situation) override { return cardIdOfBit(lowestBit(~situation.hand())); }
    DiscardPair chooseDiscard(const GameSnapshot& situation, const GameProposal&) override
    {
        const CardSet missing = ~situation.hand();
        const CardId first = cardIdOfBit(lowestBit(missing));
        return {first, cardIdOfBit(lowestBit(missing & ~cardMaskOfId(first)))};
    }
};

TEST(PlayerAnswers, IllegalComputerAnswersAreReplacedAndLogged)
{
    TableHarness harness([] { return std::make_unique<WrongCardsLogic>(); });
    harness.scriptDeal(DEAL, V);
    seatScripts()[V].bidLimit = 18;
    seatScripts()[V].type = GAME_DIAMONDS;
    harness.stopAfterGames = 1;
    harness.table->modus.setNextOfList(harness.table->sheet);
    ASSERT_TRUE(harness.playToEnd());
    EXPECT_TRUE(harness.services->logContains(L"Nicht bedient"));
    EXPECT_TRUE(harness.services->logContains(L"was replaced"));
    const EIN_SPIEL& row = harness.table->sheet.rowAt(0);
    EXPECT_EQ(row.trickCount(), 10);
    EXPECT_EQ(harness.inconsistentStates(), 0);
    EXPECT_FALSE(row.record.ALSP_AUFGEGEBEN);
}

} // namespace

namespace {

TEST(PlayerPicture, FilePerPlayerIdAndOnlyLoadedImagesAreKept)
{
    COMPI_PLAYER player(1);
    VORDIX_FILE file;
    ASSERT_TRUE(player.pictureFile(file, false));
    EXPECT_EQ(file.name, L"Face1.png");
    EXPECT_NE(file.fullPath().find(L"SKAT/Grafik/Face1.png"), std::wstring::npos) << file.fullPath();
    COMPI_PLAYER stranger(5);
    EXPECT_FALSE(stranger.pictureFile(file, false));

    // Without a platform there is no image to keep.
    player.setPicture(std::make_unique<VORDIX_BITMAP>());
    EXPECT_EQ(player.picture(), nullptr);
    EXPECT_FALSE(player.savePicture());
}

} // namespace
