// The open-game analysis: the view a seat has of the running game, the
// deals drawn for it, the card chosen from the ratings and the advice.

#include "skat/engine/AnswerCheck.h"
#include "skat/engine/Spielkarten.h"
#include "skat/engine/Spielstruct.h"
#include "skat/logic/ComputerPlayer.h"
#include "skat/logic/OpenAdvice.h"
#include "skat/logic/OpenAnalysis.h"
#include "tests/engine/test_table_support.h"
#include "vordix/Random.h"

#include <gtest/gtest.h>

#include <map>

using table_test::cardsOf;

namespace {

CardId id(const char* code) { return cardIdFromCode(code); }

// A clubs game of seat 0 (skat taken) after `tricks` tricks in which every
// seat plays its lowest legal card.
struct PlayedGame {
    SPIELKARTEN cards;
    SPIELSTRUCT record;

    explicit PlayedGame(int tricks, GameType type = GAME_CLUBS, int winLevel = WIN_LEVEL_WITH_SKAT)
    {
        cards.hands[0].setCardSet(cardsOf("KB PB KA K1 KK KD K9 PA HA C7"));
        cards.hands[1].setCardSet(cardsOf("HB CB K8 K7 P1 PK PD H1 HK C8"));
        cards.hands[2].setCardSet(cardsOf("P9 P8 P7 HD H9 H8 H7 CA C1 CK"));
        cards.skat = SKAT(id("CD"), id("C9"));
        cards.AUSP = 0;
        cards.pile.setVh(SEAT_0);
        if (type != GAME_RAMSCH && winLevel < WIN_LEVEL_HAND) {
            cards.pile.setSkat(cards.skat);
            cards.skat = SKAT();
        }
        record.SPIELART = SPIELART(type, winLevel);
        record.ALLEIN = type == GAME_RAMSCH ? SEAT_NONE : 0;
        for (int t = 0; t < tricks; ++t) {
            for (int k = 0; k < 3; ++k)
                cards.playCard(lowestCardOf(legalCardsOfSeat(cards, type, cards.seatToMove())));
            cards.collectTrick(type, record.declarer());
        }
    }
    // Plays the cards given in play order (three per trick).
    void play(const std::string& codes)
    {
        for (std::size_t i = 0; i + 1 < codes.size(); i += 3) {
            cards.playCard(cardIdFromCode(codes.c_str() + i));
            if (cards.trick.isComplete())
                cards.collectTrick(record.SPIELART.SPIEL_TYP, record.declarer());
        }
    }
};

TEST(OpenGameView, CountsPointsTricksVoidsAndWhatTheSeatKnows)
{
    PlayedGame game(0);
    // Seat 2 plays a spade to the led jack: it holds no trump.
    game.play("KB HB P9 PA PD P8 HA H1 H7");
    const OpenGameView view = openGameViewOf(game.cards, game.record);
    EXPECT_EQ(view.completedTricks, 3);
    EXPECT_EQ(view.self, 0);
    EXPECT_EQ(view.declarerTrickPoints, 2 + 2 + 11 + 3 + 11 + 10);
    EXPECT_EQ(view.defenderTricks, 0);
    EXPECT_EQ(std::popcount(view.played), 9);
    EXPECT_EQ(view.declarerTrickPoints + view.defenderTrickPoints, pointsOfSet(view.played));
    EXPECT_EQ(view.skat, cardsOf("CD C9"));
    EXPECT_EQ(view.cannotHold[2] & trumpMask(GAME_CLUBS), trumpMask(GAME_CLUBS));
    EXPECT_EQ(view.cannotHold[1], 0u);
    EXPECT_EQ(view.cannotHold[0], 0u);
    // Seat 0 took the skat up; the same game played by hand keeps it hidden.
    EXPECT_TRUE(view.skatKnown);
    PlayedGame hand(0, GAME_CLUBS, WIN_LEVEL_HAND);
    EXPECT_FALSE(openGameViewOf(hand.cards, hand.record).skatKnown);

    // A defender to move: the real skat is still there for the search with
    // every hand known, but the defender has not seen it.
    game.play("KA");
    const OpenGameView defender = openGameViewOf(game.cards, game.record);
    EXPECT_EQ(defender.self, 1);
    EXPECT_EQ(defender.skat, cardsOf("CD C9"));
    EXPECT_FALSE(defender.skatKnown);
    EXPECT_EQ(defender.realDeal().declarerPoints, view.declarerTrickPoints + pointsOfSet(cardsOf("CD C9")));
}

TEST(UniformDealSampler, DrawsOnlyDealsThatFitWhatTheSeatKnows)
{
    PlayedGame game(3);
    OpenGameView view = openGameViewOf(game.cards, game.record);
    VORDIX_RANDOM random;
    random.seed = 99;
    UniformDealSampler sampler;
    for (int i = 0; i < 200; ++i) {
        std::array<CardSet, 3> hands{};
        CardSet skat = 0;
        ASSERT_TRUE(sampler.draw(view, random, hands, skat));
        EXPECT_EQ(hands[view.self], view.hands[view.self]);
        for (Seat s = SEAT_0; s < 3; ++s) {
            EXPECT_EQ(std::popcount(hands[s]), std::popcount(view.hands[s]));
            EXPECT_EQ(hands[s] & view.cannotHold[s], 0u) << "seat " << s;
        }
        EXPECT_EQ(std::popcount(skat), 2);
        EXPECT_EQ(hands[0] | hands[1] | hands[2] | skat | view.played | view.trickCards(), ALL_CARDS);
        EXPECT_EQ(std::popcount(hands[0]) + std::popcount(hands[1]) + std::popcount(hands[2]) + 2
                      + std::popcount(view.played | view.trickCards()),
                  32);
        if (view.skatKnown) {
            EXPECT_EQ(skat, view.skat);
        }
    }
}

TEST(UniformDealSampler, VoidsThatContradictEachOtherAreSetAside)
{
    PlayedGame game(3);
    OpenGameView view = openGameViewOf(game.cards, game.record);
    view.cannotHold[(view.self + 1) % 3] = ALL_CARDS;
    view.cannotHold[(view.self + 2) % 3] = ALL_CARDS;
    VORDIX_RANDOM random;
    std::array<CardSet, 3> hands{};
    CardSet skat = 0;
    ASSERT_TRUE(UniformDealSampler().draw(view, random, hands, skat));
    for (Seat s = SEAT_0; s < 3; ++s)
        EXPECT_EQ(std::popcount(hands[s]), std::popcount(view.hands[s]));
    // A view that leaves more unseen cards than places gives no deal.
    view.played = 0;
    EXPECT_FALSE(UniformDealSampler().draw(view, random, hands, skat));
}

TEST(UniformDealSampler, EveryFittingDealIsEquallyLikely)
{
    // Seat 0 leads and knows the skat; K7 H7 H8 H9 are unknown, two for
    // each other seat, and seat 1 holds no clubs: the K7 lies with seat 2,
    // and each of the three hearts joins it equally often.
    OpenGameView view;
    view.type = GAME_GRAND;
    view.declarer = SEAT_0;
    view.self = SEAT_0;
    view.leader = SEAT_0;
    view.hands = {cardsOf("KA PA"), cardsOf("K7 H7"), cardsOf("H8 H9")};
    view.skat = cardsOf("C7 C8");
    view.skatKnown = true;
    view.played = ~(view.hands[0] | view.hands[1] | view.hands[2] | view.skat);
    view.cannotHold[1] = suitMaskWithoutJack(SUIT_CLUBS);
    VORDIX_RANDOM random;
    random.seed = 5;
    UniformDealSampler sampler;
    std::map<CardSet, int> seen;
    constexpr int draws = 3000;
    for (int i = 0; i < draws; ++i) {
        std::array<CardSet, 3> hands{};
        CardSet skat = 0;
        ASSERT_TRUE(sampler.draw(view, random, hands, skat));
        ++seen[hands[1]];
    }
    ASSERT_EQ(seen.size(), 3u);
    for (const auto& [hand, count] : seen) {
        EXPECT_EQ(hand & cardsOf("K7"), 0u);
        EXPECT_NEAR(count, draws / 3, draws / 15) << hand;
    }
}

TEST(OpenAnalysis, WhenTheComputerAsksIt)
{
    struct Case {
        GameType type;
        Seat mover;
        int cards;
        bool asked;
    };
    const Case cases[] = {
        {GAME_HEARTS, SEAT_0, 9, false}, {GAME_HEARTS, SEAT_0, 8, true}, {GAME_GRAND, SEAT_1, 2, true},
        {GAME_GRAND, SEAT_1, 1, false},  {GAME_RAMSCH, SEAT_2, 5, true}, {GAME_NULL, SEAT_0, 10, false}, // the declarer
        {GAME_NULL, SEAT_1, 10, true},   {GAME_NULL, SEAT_2, 1, false},  {GAME_NONE, SEAT_1, 5, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(openAnalysisAsked(c.type, c.mover, SEAT_0, c.cards), c.asked)
            << c.type << " " << c.mover << " " << c.cards;
}

TEST(OpenAnalysis, SameDealAndSeedGiveTheSameCard)
{
    for (GameType type : {GAME_CLUBS, GAME_GRAND, GAME_NULL, GAME_RAMSCH}) {
        PlayedGame game(4, type);
        if (type == GAME_NULL)
            game.record.ALLEIN = (game.cards.seatToMove() + 1) % 3; // a defender moves
        CardId first = NO_CARD;
        SLOFFENWERTUNG firstRatings;
        for (int run = 0; run < 2; ++run) {
            VORDIX_RANDOM random;
            random.seed = 4711;
            OpenAnalysisStore store;
            const CardId card = openGameCard(game.cards, game.record, random, {}, {}, &store);
            const OpenAnalysisStore::Snapshot snap = store.snapshot();
            ASSERT_TRUE(snap.valid) << type;
            EXPECT_EQ(snap.chosen, card);
            if (run == 0) {
                first = card;
                firstRatings = snap.working;
                EXPECT_NE(card, NO_CARD) << type;
                EXPECT_NE(cardMaskOfId(card) & legalCardsOfSeat(game.cards, type, game.cards.seatToMove()), 0u);
            } else {
                EXPECT_EQ(card, first) << type;
                EXPECT_EQ(snap.working, firstRatings) << type;
            }
        }
    }
}

TEST(OpenAnalysis, WorkingSetHoldsTheMeanOverTheDrawnDeals)
{
    PlayedGame game(4);
    const OpenGameView view = openGameViewOf(game.cards, game.record);
    VORDIX_RANDOM random;
    random.seed = 3;
    OpenAnalysisResult result;
    OpenSearch search;
    analyseOpenGame(view, random, result, &search);
    ASSERT_EQ(result.sampleCount, OpenAnalysisResult::SAMPLES);
    ASSERT_FALSE(result.working.empty());
    for (const OpenGameRating& r : result.working) {
        int sum = 0;
        int own = 0;
        for (const SLOFFENWERTUNG& s : result.samples) {
            sum += s.record(r.card)->value;
            own += s.record(r.card)->ownDecisions;
        }
        EXPECT_EQ(r.value, sum / OpenAnalysisResult::SAMPLES);
        EXPECT_EQ(r.ownDecisions, own);
    }
    // The real deal's search with every hand known.
    SLOFFENWERTUNG real;
    search.solve(view.realDeal(), real);
    EXPECT_EQ(real.size(), result.fullKnowledge.size());
    for (const OpenGameRating& r : real)
        EXPECT_EQ(result.fullKnowledge.value(r.card), r.value);
}

// Two cards whose ratings the tests set by hand.
struct ChoiceFixture {
    OpenGameView view;
    OpenAnalysisResult analysis;

    ChoiceFixture()
    {
        view.type = GAME_GRAND;
        view.declarer = SEAT_0;
        view.self = SEAT_0;
        view.leader = SEAT_0;
        view.hands = {cardsOf("KA PA"), cardsOf("K7 H7"), cardsOf("H8 H9")};
        view.completedTricks = 8;
    }
    void rate(SLOFFENWERTUNG& set, const char* card, int value, int own, int ownDec = 0, int otherDec = 0)
    {
        set.add(
            {.card = id(card), .ownPoints = own, .ownDecisions = ownDec, .otherDecisions = otherDec, .value = value});
    }
};

TEST(OpenGameCardChoice, MemoryDecidesHowOftenTheRealDealIsUsed)
{
    ChoiceFixture f;
    f.rate(f.analysis.fullKnowledge, "KA", 20, 70);
    f.rate(f.analysis.fullKnowledge, "PA", 10, 70);
    f.rate(f.analysis.working, "KA", 10, 50);
    f.rate(f.analysis.working, "PA", 20, 50);
    // A joining program has no host generator: always the drawn deals.
    EXPECT_EQ(chooseOpenGameCard(f.view, f.analysis, {}, {.memory = 0}), id("PA"));
    struct Case {
        int memory;
        int realDealChoices; // of 500
    };
    for (const Case c : {Case{2, 0}, Case{1, 200}, Case{0, 400}}) {
        VORDIX_RANDOM host;
        host.seed = 77;
        int real = 0;
        for (int i = 0; i < 500; ++i)
            real += chooseOpenGameCard(f.view, f.analysis, {}, {.memory = c.memory, .hostRandom = &host}) == id("KA");
        EXPECT_NEAR(real, c.realDealChoices, 40) << "memory " << c.memory;
    }
}

TEST(OpenGameCardChoice, TargetsDecisionsAndLeadRatings)
{
    struct Case {
        const char* what;
        int kaValue, kaOwn, kaOwnDec, kaOtherDec;
        int paValue, paOwn, paOwnDec, paOtherDec;
        int kaLead, paLead;
        const char* chosen;
    };
    const Case cases[] = {
        {"a winning line beats a larger value", 5, 62, 0, 0, 30, 58, 0, 0, 0, 0, "KA"},
        {"the larger value", 5, 50, 0, 0, 30, 58, 0, 0, 0, 0, "PA"},
        {"a loss where the others must decide", -10, 40, 0, 2, -5, 45, 0, 0, 0, 0, "KA"},
        {"equal values: the better lead rating", 5, 50, 0, 0, 5, 50, 0, 0, 7, 3, "KA"},
        {"equal values and lead ratings: the later card", 5, 50, 0, 0, 5, 50, 0, 0, 3, 3, "KA"},
    };
    for (const Case& c : cases) {
        ChoiceFixture f;
        f.rate(f.analysis.working, "PA", c.paValue, c.paOwn, c.paOwnDec, c.paOtherDec);
        f.rate(f.analysis.working, "KA", c.kaValue, c.kaOwn, c.kaOwnDec, c.kaOtherDec);
        const LeadRating leads[] = {{id("KA"), c.kaLead}, {id("PA"), c.paLead}};
        EXPECT_EQ(chooseOpenGameCard(f.view, f.analysis, leads, {}), id(c.chosen)) << c.what;
    }
    // No game type: no card.
    ChoiceFixture none;
    none.view.type = GAME_NONE;
    none.rate(none.analysis.working, "KA", 1, 1);
    EXPECT_EQ(chooseOpenGameCard(none.view, none.analysis, {}, {}), NO_CARD);
}

TEST(OpenGameCardChoice, TheTableCardGoesFirstAmongCardsRatedAlike)
{
    ChoiceFixture f;
    f.rate(f.analysis.working, "KA", 5, 50);
    f.rate(f.analysis.working, "PA", 5, 50);
    const LeadRating leads[] = {{id("KA"), 9}, {id("PA"), 3}};
    EXPECT_EQ(chooseOpenGameCard(f.view, f.analysis, leads, {}), id("KA"));
    EXPECT_EQ(chooseOpenGameCard(f.view, f.analysis, leads, {.tableCard = id("PA")}), id("PA"));
    // A better value still wins over the table card.
    f.analysis.working[0].value = 7;
    EXPECT_EQ(chooseOpenGameCard(f.view, f.analysis, leads, {.tableCard = id("PA")}), id("KA"));
}

// A sampler that never finds a deal.
class NoDeals : public DealSampler {
public:
    bool draw(const OpenGameView&, VORDIX_RANDOM&, std::array<CardSet, 3>&, CardSet&) override { return false; }
};

TEST(OpenAnalysis, WithoutADrawnDealTheTableChooses)
{
    // The real deal's ratings know the hidden cards: they never stand in
    // for the drawn deals (unless asked for, as the reference player does).
    PlayedGame game(4);
    const OpenGameView view = openGameViewOf(game.cards, game.record);
    NoDeals none;
    for (bool tableChoice : {true, false}) {
        VORDIX_RANDOM random;
        OpenAnalysisResult result;
        OpenAnalysisSettings settings;
        settings.noDealsTableChoice = tableChoice;
        analyseOpenGame(view, random, result, nullptr, &none, settings);
        EXPECT_EQ(result.sampleCount, 0);
        ASSERT_FALSE(result.fullKnowledge.empty());
        if (tableChoice) {
            EXPECT_TRUE(result.working.empty());
            EXPECT_EQ(chooseOpenGameCard(view, result, {}, {}), NO_CARD);
        } else {
            EXPECT_EQ(result.working, result.fullKnowledge);
        }
    }
}

TEST(OpenAnalysis, ANodeBudgetKeepsTheDealsSearchedBeforeItRanOut)
{
    PlayedGame game(3, GAME_GRAND);
    const OpenGameView view = openGameViewOf(game.cards, game.record);
    auto run = [&view](std::uint64_t budget) {
        VORDIX_RANDOM random;
        random.seed = 9;
        OpenAnalysisResult result;
        OpenAnalysisSettings settings;
        settings.nodeBudget = budget;
        analyseOpenGame(view, random, result, nullptr, nullptr, settings, OpenAnalysisParts::DRAWN_DEALS);
        return result;
    };
    const OpenAnalysisResult unlimited = run(0);
    ASSERT_FALSE(unlimited.aborted);
    ASSERT_EQ(unlimited.sampleCount, OpenAnalysisResult::SAMPLES);
    // Half of what the ten deals need: fewer deals, each as searched without
    // a budget, and the same on every run.
    const OpenAnalysisResult half = run(unlimited.nodes / 2);
    EXPECT_TRUE(half.aborted);
    EXPECT_GT(half.sampleCount, 0);
    EXPECT_LT(half.sampleCount, OpenAnalysisResult::SAMPLES);
    EXPECT_LE(half.nodes, unlimited.nodes / 2 + 1);
    for (int i = 0; i < half.sampleCount; ++i)
        EXPECT_EQ(half.samples[static_cast<std::size_t>(i)], unlimited.samples[static_cast<std::size_t>(i)]);
    const OpenAnalysisResult again = run(unlimited.nodes / 2);
    EXPECT_EQ(again.working, half.working);
    EXPECT_EQ(again.sampleCount, half.sampleCount);
    // Out of nodes in the first deal: no ratings, the table choice stands.
    const OpenAnalysisResult none = run(10);
    EXPECT_TRUE(none.aborted);
    EXPECT_EQ(none.sampleCount, 0);
    EXPECT_TRUE(none.working.empty());
    EXPECT_EQ(chooseOpenGameCard(view, none, {}, {}), NO_CARD);
}

TEST(OpenAnalysis, RunsOnlyTheSearchesAsked)
{
    PlayedGame game(4);
    const OpenGameView view = openGameViewOf(game.cards, game.record);
    struct Case {
        OpenAnalysisParts parts;
        bool real;
        int samples;
    };
    for (const Case c :
         {Case{OpenAnalysisParts::BOTH, true, OpenAnalysisResult::SAMPLES}, Case{OpenAnalysisParts::REAL_DEAL, true, 0},
          Case{OpenAnalysisParts::DRAWN_DEALS, false, OpenAnalysisResult::SAMPLES}}) {
        VORDIX_RANDOM random;
        random.seed = 3;
        OpenAnalysisResult result;
        analyseOpenGame(view, random, result, nullptr, nullptr, {}, c.parts);
        EXPECT_EQ(!result.fullKnowledge.empty(), c.real);
        EXPECT_EQ(result.sampleCount, c.samples);
        ASSERT_FALSE(result.working.empty());
        if (c.samples == 0) {
            EXPECT_EQ(result.working, result.fullKnowledge);
        }
    }
}

TEST(OpenGameCardChoice, ThirdCardTakesTheTrickThatReachesTheTarget)
{
    // The declarer holds 55 and plays third to a trick of 10 + 0: the ten of
    // clubs over the seven takes it to 75; the low card would rate higher.
    OpenGameView view;
    view.type = GAME_GRAND;
    view.declarer = SEAT_0;
    view.self = SEAT_0;
    view.leader = SEAT_1;
    view.trick = makeTrickCode(lowestBit(cardsOf("K9")), lowestBit(cardsOf("H1")), 0);
    view.trickCount = 2;
    view.hands = {cardsOf("K1 K7"), cardsOf("PA"), cardsOf("PK")};
    view.declarerTrickPoints = 55;
    view.completedTricks = 8;
    OpenAnalysisResult analysis;
    analysis.working.add({.card = id("K7"), .ownPoints = 60, .value = 10});
    analysis.working.add({.card = id("K1"), .ownPoints = 60, .value = 0});
    EXPECT_EQ(chooseOpenGameCard(view, analysis, {}, {}), id("K1"));
}

TEST(OpenGameAdvice, VerdictForecastPlayAndAlternatives)
{
    OpenGameView view;
    view.type = GAME_CLUBS;
    view.declarer = SEAT_1;
    view.self = SEAT_0; // a defender
    view.leader = SEAT_2;
    view.trick = makeTrickCode(lowestBit(cardsOf("HA")), 0, 0);
    view.trickCount = 1;
    view.hands = {cardsOf("H7 H8 KD"), cardsOf("P7 P8 P9"), cardsOf("C7 C8")};
    view.completedTricks = 7;
    SLOFFENWERTUNG working;
    working.add({.card = id("H7"), .ownPoints = 64, .value = 4, .exact = true});
    working.add({.card = id("H8"), .ownPoints = 64, .value = 4, .exact = true});
    const LeadRating leads[] = {{id("H7"), 5}, {id("H8"), 5}, {id("KD"), 5}};

    OpenGameAdvice a = buildOpenGameAdvice(view, working, leads, id("H7"));
    EXPECT_FALSE(a.addressesDeclarer);
    EXPECT_EQ(a.verdict, AdviceVerdict::NONE);
    EXPECT_EQ(a.forecast, AdviceForecast::WILL_WIN);
    EXPECT_EQ(a.play, AdvicePlay::ADD);
    EXPECT_FALSE(a.onlyCard);
    // Only legal cards rate the same: the queen of trumps may not follow hearts.
    ASSERT_EQ(a.alternativeCount, 1);
    EXPECT_EQ(a.alternatives[0], id("H8"));

    // The declarer already holds 61 after three tricks: the defenders lost,
    // and no forecast follows.
    view.declarerTrickPoints = 61;
    a = buildOpenGameAdvice(view, working, leads, id("H7"));
    EXPECT_EQ(a.verdict, AdviceVerdict::ALREADY_LOST);
    EXPECT_EQ(a.forecast, AdviceForecast::NONE);
    // ...but not with fewer than three tricks done.
    view.completedTricks = 2;
    EXPECT_EQ(buildOpenGameAdvice(view, working, leads, id("H7")).verdict, AdviceVerdict::NONE);

    // A search stopped at the depth limit gives no forecast.
    view.declarerTrickPoints = 0;
    working[0].exact = false;
    EXPECT_EQ(buildOpenGameAdvice(view, working, leads, id("H7")).forecast, AdviceForecast::NONE);

    // The only legal card, played over the led card by trumping.
    view.hands[0] = cardsOf("KD PA");
    a = buildOpenGameAdvice(view, working, leads, id("KD"));
    EXPECT_EQ(a.play, AdvicePlay::TRUMP);
    EXPECT_FALSE(a.onlyCard); // hearts void: both cards are legal
    view.hands[0] = cardsOf("KD");
    a = buildOpenGameAdvice(view, working, leads, id("KD"));
    EXPECT_TRUE(a.onlyCard);
    EXPECT_EQ(a.alternativeCount, 0);

    // Leading: lead wording whatever the card.
    view.trickCount = 0;
    view.trick = 0;
    view.leader = SEAT_0;
    EXPECT_EQ(buildOpenGameAdvice(view, working, leads, id("KD")).play, AdvicePlay::LEAD);
}

} // namespace

namespace {

TEST(ComputerPlayerOpenGame, AsksTheAnalysisOnlyLateInTheGame)
{
    struct Case {
        GameType type;
        int tricks;        // played before (lowest legal cards)
        bool nullDefender; // null: a defender is to move
        bool asked;
    };
    const Case cases[] = {
        {GAME_CLUBS, 1, false, false}, // nine cards
        {GAME_CLUBS, 2, false, true},  // eight cards
        {GAME_GRAND, 8, false, true},  // two cards
        {GAME_GRAND, 9, false, false}, // the last card
        {GAME_NULL, 0, true, true},    // a null defender from the first trick on
        {GAME_NULL, 5, false, false},  // never the null declarer
    };
    for (const Case& c : cases) {
        PlayedGame game(c.tricks, c.type);
        const Seat mover = game.cards.seatToMove();
        game.record.ALLEIN = c.nullDefender ? (mover + 1) % 3 : mover;
        GameSnapshot snapshot;
        snapshot.take(game.cards, game.record, mover);
        COMPUTER_LOGIK logic;
        const CardId card = logic.chooseCard(snapshot);
        EXPECT_NE(cardMaskOfId(card) & snapshot.legalCards(), 0u) << c.type << "/" << c.tricks;
        OpenGameAdvice advice;
        EXPECT_EQ(openGameAdviceFrom(logic.openAnalysis(), advice), c.asked) << c.type << "/" << c.tricks;
        if (c.asked)
            EXPECT_EQ(advice.card, card);
    }
}

} // namespace
