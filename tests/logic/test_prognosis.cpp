// The card-location prognosis: certainties and their propagation, the
// queries, the checked hints, and each heuristic in a situation that shows
// its rule.

#include "skat/logic/CharakterCreator.h"
#include "skat/logic/CharakterQuery.h"
#include "skat/logic/PreplayTables.h"
#include "skat/logic/PrognosisDealSampler.h"
#include "skat/logic/VerteilungsHeuristik.h"
#include "skat/logic/Verteilungsprognose.h"
#include "skat/logic/Vorlogik.h"
#include "vordix/Random.h"

#include "tests/logic/card_names.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

namespace {

using namespace card_names;

// Seat 0: both black jacks and six clubs, the spades ace and ten, hearts 7.
// Seat 1: the red jacks, spades K Q 9 8, hearts A 10 K, diamonds 7.
// Seat 2: clubs 8 7, spades 7, hearts Q 9 8, diamonds A 10 K Q.
// Skat: diamonds 9 8.
PrognosisSituation deal(GameType type, Seat declarer, Seat self, int winLevel = 0)
{
    PrognosisSituation g;
    g.type = type;
    g.declarer = declarer;
    g.self = self;
    g.winLevel = winLevel;
    g.hands[0] =
        setOf({C(KR, J), C(PI, J), C(KR, A), C(KR, T), C(KR, K), C(KR, Q), C(KR, R9), C(PI, A), C(PI, T), C(HE, R7)});
    g.hands[1] =
        setOf({C(HE, J), C(KA, J), C(PI, K), C(PI, Q), C(PI, R9), C(PI, R8), C(HE, A), C(HE, T), C(HE, K), C(KA, R7)});
    g.hands[2] = setOf(
        {C(KR, R8), C(KR, R7), C(PI, R7), C(HE, Q), C(HE, R9), C(HE, R8), C(KA, A), C(KA, T), C(KA, K), C(KA, Q)});
    g.skat = setOf({C(KA, R9), C(KA, R8)});
    if (self == declarer && winLevel < 2)
        g.laidAway = g.skat;
    g.trickLeader = SEAT_0;
    g.firstLeader = SEAT_0;
    return g;
}

// Plays the cards in turn from the current leader on; a third card closes
// the trick and its winner leads next.
void play(PrognosisSituation& g, std::initializer_list<CardId> cards)
{
    for (CardId c : cards) {
        const Seat seat = seatAfter(g.trickLeader, g.trickCount);
        ASSERT_TRUE(g.hands[static_cast<std::size_t>(seat)] & cardMaskOfId(c)) << c << " not in seat " << seat;
        g.hands[static_cast<std::size_t>(seat)] &= ~cardMaskOfId(c);
        STICH trick(g.trick, g.trickCount);
        trick.addCard(c);
        g.trick = trick.code();
        g.trickCount = trick.count();
        if (g.trickCount == 3) {
            g.tricks[static_cast<std::size_t>(g.completedTricks)] = {g.trick, static_cast<std::int8_t>(g.trickLeader)};
            ++g.completedTricks;
            g.trickLeader = seatAfter(g.trickLeader, trick.winner(g.type));
            g.trick = 0;
            g.trickCount = 0;
        }
    }
}

double cell(const VERTEILUNGS_PROGNOSE& p, CardId c, int place) { return p.probabilities()[cardRow(c)][place]; }
double estimate(const VERTEILUNGS_PROGNOSE& p, CardId c, int place) { return p.store().estimate[cardRow(c)][place]; }

// A prognosis with no list heuristic, or with only the one of the key.
std::unique_ptr<VERTEILUNGS_PROGNOSE> prognosisWith(const wchar_t* onlyKey, PrognosisServices services = {})
{
    auto p = std::make_unique<VERTEILUNGS_PROGNOSE>(services);
    auto& list = p->heuristics();
    std::erase_if(list, [&](const auto& h) { return !onlyKey || h->key != onlyKey; });
    return p;
}

TEST(Prognosis, OwnHandKnownNothingPlayed)
{
    auto p = prognosisWith(nullptr);
    p->update(deal(GAME_GRAND, SEAT_0, SEAT_1));
    const auto& store = p->store();
    EXPECT_TRUE(store.placeDecided[1]);
    EXPECT_FALSE(store.placeDecided[0]);
    EXPECT_EQ(p->placeCounts(), (std::array<int, 4>{10, 0, 10, 2}));
    for (int row = 0; row < CARD_ROWS; ++row) {
        const bool own = deal(GAME_GRAND, SEAT_0, SEAT_1).hands[1] & cardMaskOfId(cardOfRow(row));
        EXPECT_EQ(store.cardDecided[static_cast<std::size_t>(row)], own) << row;
        EXPECT_EQ(p->probabilities()[row][1], own ? 1.0 : 0.0);
        if (!own) {
            EXPECT_DOUBLE_EQ(p->probabilities()[row][0], 10.0 / 22);
            EXPECT_DOUBLE_EQ(p->probabilities()[row][3], 2.0 / 22);
        }
    }
    // The own cards stay unseen until played: the own seat holds them for sure.
    EXPECT_EQ(p->cardPercent(C(PI, K), 1), 100);
    EXPECT_EQ(p->cardPercent(C(PI, K), 0), 0);
}

TEST(Prognosis, APlayedCardCountsNowhere)
{
    auto p = prognosisWith(nullptr);
    PrognosisSituation g = deal(GAME_GRAND, SEAT_0, SEAT_1);
    play(g, {C(PI, A), C(PI, R8), C(PI, R7)});
    p->update(g);
    EXPECT_EQ(cell(*p, C(PI, A), 0), 1.0) << "kept in the column of the seat that played it";
    for (int place = 0; place < PLACES; ++place)
        EXPECT_EQ(p->cardPercent(C(PI, A), place), 0);
    EXPECT_EQ(p->placeCounts(), (std::array<int, 4>{9, 0, 9, 2}));
}

TEST(Prognosis, Queries)
{
    // Seat 1 asks about seat 0: ten of 22 open cards each, 10/22 apiece.
    const double q = 1.0 - 10.0 / 22;
    auto percentOf = [](double none) { return static_cast<int>((1.0 - none) * 100.0); };
    auto grand = prognosisWith(nullptr);
    grand->update(deal(GAME_GRAND, SEAT_0, SEAT_1));
    auto null = prognosisWith(nullptr);
    null->update(deal(GAME_NULL, SEAT_0, SEAT_1));
    // Clubs: seven open cards without the jack, eight with it in null.
    EXPECT_EQ(grand->suitPercent(KR, 0), percentOf(std::pow(q, 7)));
    EXPECT_EQ(null->suitPercent(KR, 0), percentOf(std::pow(q, 8)));
    // Spades: the own K Q 9 8 count nothing at seat 0.
    EXPECT_EQ(grand->suitPercent(PI, 0), percentOf(std::pow(q, 3)));
    EXPECT_EQ(grand->jackPercent(0), percentOf(std::pow(q, 2)));
    EXPECT_EQ(grand->trumpPercent(0), percentOf(std::pow(q, 2)));
    EXPECT_EQ(grand->cardPercent(C(KR, A), 0), static_cast<int>(10.0 / 22 * 100));
    EXPECT_EQ(grand->suitPercent(SUIT_NONE, 0), 0);
    EXPECT_EQ(grand->suitPercent(static_cast<Suit>(5), 0), 0);
    EXPECT_EQ(grand->cardPercent(NO_CARD, 0), 0);
    // In a suit game the trump suit counts with the jacks.
    auto clubs = prognosisWith(nullptr);
    clubs->update(deal(GAME_CLUBS, SEAT_0, SEAT_1));
    EXPECT_EQ(clubs->trumpPercent(0), percentOf(std::pow(q, 9)));
}

TEST(Prognosis, SuitAndJackQueriesGiveAllWhenNoOtherPlaceIsOpen)
{
    VERTEILUNGS_PROGNOSE p;
    auto& store = p.store();
    store.reset();
    // Seat 0, seat 1 and the skat are known; seat 2 follows by propagation.
    const PrognosisSituation g = deal(GAME_GRAND, SEAT_0, SEAT_1);
    for (Seat s : {SEAT_0, SEAT_1})
        for (CardSet h = g.hands[static_cast<std::size_t>(s)]; h;)
            store.setCertain(cardIdOfBit(popLowest(h)), s, true);
    for (CardSet h = g.skat; h;)
        store.setCertain(cardIdOfBit(popLowest(h)), 3, true);
    store.applyCertain();
    store.combine();
    p.fit();
    EXPECT_EQ(p.placeCounts(), (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ(p.suitPercent(KA, 2), 100);
    EXPECT_EQ(p.jackPercent(0), 100);
    EXPECT_TRUE(store.cells.empty());
    for (int c = 0; c < CARD_ROWS; ++c)
        for (int place = 0; place < PLACES; ++place)
            EXPECT_EQ(p.probabilities()[c][place], store.estimate[c][place]) << "every cell certain: P is E";
}

TEST(Prognosis, FitDirectionsSkipTermsWithAZeroDenominator)
{
    // Two open cards in seats 1 and 2. The shares of a direction are
    // -1 / (N - 1) for the other open cards of the place and
    // -count / (N - count) for the card's other open places.
    VERTEILUNGS_PROGNOSE p;
    auto& store = p.store();
    store.reset();
    const int hk = cardRow(C(HE, K)), hq = cardRow(C(HE, Q));
    for (int c = 0; c < CARD_ROWS; ++c)
        store.cardDecided[static_cast<std::size_t>(c)] = c != hk && c != hq;
    store.placeDecided = {1, 0, 0, 1};
    struct Case {
        std::array<int, PLACES> counts;
        double otherCard;  // d[hq][1]
        double otherPlace; // d[hk][2]
    };
    const Case cases[] = {
        {{0, 1, 1, 0}, -1.0, -1.0}, // N = 2: both shares exist
        {{0, 2, 1, 0}, -0.5, -1.0}, // N = 3
        {{0, 1, 0, 0}, 0.0, 0.0},   // N = 1 and N - count = 0: both left out
        {{0, 2, 0, 0}, -1.0, 0.0},  // N - count = 0 only
    };
    for (const Case& k : cases) {
        const ProbMatrix d = fitDirection(store, k.counts, {hk, 1});
        for (int c = 0; c < CARD_ROWS; ++c)
            for (int place = 0; place < PLACES; ++place)
                ASSERT_TRUE(std::isfinite(d[c][place])) << c << "/" << place;
        EXPECT_EQ(d[hk][1], 1.0);
        EXPECT_DOUBLE_EQ(d[hq][1], k.otherCard);
        EXPECT_DOUBLE_EQ(d[hk][2], k.otherPlace);
        EXPECT_DOUBLE_EQ(d[hq][2], k.otherCard * k.otherPlace);
        EXPECT_EQ(d[hk][0], 0.0) << "a decided place takes no share";
    }
}

TEST(PrognosisStore, Propagation)
{
    VERTEILUNGS_SCHAETZUNG store(std::make_unique<GEWICHT_SIGNIFIKANZ>());
    // Two ones in the skat: every other skat cell becomes 0.
    store.setCertain(C(KA, R9), 3, true);
    store.setCertain(C(KA, R8), 3, true);
    // 22 zeros in seat 2: its other ten cells become 1.
    int zeros = 0;
    for (int row = 0; row < CARD_ROWS && zeros < 22; ++row) {
        const CardId c = cardOfRow(row);
        if (c == C(KA, R9) || c == C(KA, R8) || suitOfCardId(c) == HE)
            continue;
        store.setCertain(c, 2, false);
        ++zeros;
    }
    store.applyCertain();
    for (int row = 0; row < CARD_ROWS; ++row) {
        const CardId c = cardOfRow(row);
        const bool skat = c == C(KA, R9) || c == C(KA, R8);
        EXPECT_EQ(store.estimate[row][3], skat ? 1.0 : 0.0) << row;
        if (suitOfCardId(c) == HE)
            EXPECT_EQ(store.estimate[row][2], 1.0) << row;
    }
    EXPECT_TRUE(store.placeDecided[2]);
    EXPECT_TRUE(store.placeDecided[3]);
    EXPECT_EQ(store.placeCounts, (std::array<int, 4>{10, 10, 0, 0}));
}

TEST(PrognosisStore, CheckedSuggestionsFollowTheRealDeal)
{
    // Without the real deal (the seat's own view) every hint but 0.5 counts.
    struct Case {
        bool checked;
        bool held;
        double value;
        bool kept;
    };
    const Case cases[] = {{true, true, 0.6, true},   {true, true, 0.4, false},  {true, false, 0.4, true},
                          {true, false, 0.6, false}, {true, true, 0.5, false},  {true, false, 0.5, false},
                          {false, false, 0.6, true}, {false, false, 0.4, true}, {false, true, 0.4, true},
                          {false, false, 0.5, false}};
    for (const Case& k : cases) {
        VERTEILUNGS_SCHAETZUNG store(std::make_unique<GEWICHT_SIGNIFIKANZ>());
        store.checkAgainstDeal = k.checked;
        store.realHands[1] = k.held ? cardMaskOfId(C(HE, A)) : 0u;
        store.realSkat = k.held ? cardMaskOfId(C(HE, A)) : 0u;
        store.addCheckedSuggestion(C(HE, A), SEAT_1, k.value, 1);
        store.addCheckedSkatSuggestion(C(HE, A), k.value, 1);
        EXPECT_EQ(store.suggestions.count({cardRow(C(HE, A)), 1}), k.kept ? 1u : 0u)
            << k.checked << " " << k.held << " " << k.value;
        EXPECT_EQ(store.suggestions.count({cardRow(C(HE, A)), 3}), k.kept ? 1u : 0u)
            << k.checked << " " << k.held << " " << k.value;
    }
}

// --- voids ------------------------------------------------------------------

struct VoidCase {
    const char* what;
    GameType type;
    Seat self;
    std::vector<CardId> trick; // led by seat 0
    Seat seat;
    std::vector<CardId> absent;  // now certainly not at seat
    std::vector<CardId> unknown; // still open at seat
};

TEST(PlayedCardsHeuristic, VoidsFromTricks)
{
    // clang-format off
    const VoidCase cases[] = {
        {"trumped a plain lead: void in the suit, keeps its trumps", GAME_CLUBS, SEAT_1,
         {C(HE, R7), C(HE, A), C(KR, R8)}, SEAT_2, {C(HE, Q), C(HE, R9)}, {C(KR, R7), C(PI, J)}},
        {"plain card on a trump lead: void in all trumps", GAME_CLUBS, SEAT_2,
         {C(KR, A), C(PI, R8), C(KR, R7)}, SEAT_1, {C(KR, T), C(KR, J), C(PI, J)}, {C(PI, A)}},
        {"null: a void includes the suit's jack", GAME_NULL, SEAT_2,
         {C(KR, A), C(KA, R7), C(KR, R7)}, SEAT_1, {C(KR, J), C(KR, K)}, {C(PI, A)}},
        {"grand: a void leaves the suit's jack", GAME_GRAND, SEAT_2,
         {C(HE, R7), C(PI, R8), C(HE, R8)}, SEAT_1, {C(HE, A), C(HE, K)}, {C(HE, J)}},
        {"null: the seat after shows its void", GAME_NULL, SEAT_1,
         {C(HE, R7), C(HE, A), C(KR, R7)}, SEAT_2, {C(HE, J), C(HE, Q), C(HE, R9)}, {C(KA, A)}},
        {"Ramsch: completed tricks give no void", GAME_RAMSCH, SEAT_1,
         {C(HE, R7), C(HE, A), C(KR, R8)}, SEAT_2, {}, {C(HE, Q), C(HE, R9)}},
    };
    // clang-format on
    for (const VoidCase& k : cases) {
        SCOPED_TRACE(k.what);
        auto p = prognosisWith(nullptr);
        PrognosisSituation g = deal(k.type, SEAT_0, k.self);
        for (CardId c : k.trick)
            play(g, {c});
        p->update(g);
        for (CardId c : k.absent)
            EXPECT_EQ(estimate(*p, c, k.seat), 0.0) << c;
        for (CardId c : k.unknown)
            EXPECT_NE(estimate(*p, c, k.seat), 0.0) << c;
    }
}

TEST(PlayedCardsHeuristic, CurrentTrickVoidOnlyForTheSeatToPlayThird)
{
    PrognosisSituation g = deal(GAME_GRAND, SEAT_1, SEAT_2);
    g.trickLeader = SEAT_0;
    play(g, {C(HE, R7), C(PI, R8)}); // seat 1 does not follow hearts
    auto p = prognosisWith(nullptr);
    p->update(g);
    EXPECT_EQ(estimate(*p, C(HE, A), 1), 0.0);
    g.self = SEAT_1;
    g.hands = deal(GAME_GRAND, SEAT_1, SEAT_2).hands;
    p->update(g);
    EXPECT_NE(estimate(*p, C(KR, A), 2), 0.0);
}

TEST(PlayedCardsHeuristic, BeforeTheFirstCardOnlyWhatTheSeatSees)
{
    struct Case {
        const char* what;
        Seat self;
        int winLevel;
        int ones; // certain ones in the estimate
    };
    const Case cases[] = {
        {"a defender: its hand", SEAT_1, 0, 10},
        {"the declarer who took the skat: hand and skat", SEAT_0, 0, 12},
        {"the declarer of a hand game: its hand", SEAT_0, 2, 10},
        {"a defender in an open game: its hand and the declarer's", SEAT_1, 1, 20},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        auto p = prognosisWith(nullptr);
        p->update(deal(GAME_GRAND, SEAT_0, k.self, k.winLevel));
        int ones = 0;
        for (int c = 0; c < CARD_ROWS; ++c)
            for (int place = 0; place < PLACES; ++place)
                ones += p->store().estimate[c][place] == 1.0;
        EXPECT_EQ(ones, k.ones);
    }
}

// --- the other heuristics -----------------------------------------------------

const VL_TABELLEN& tables()
{
    static VL_TABELLEN t = [] {
        VL_TABELLEN loaded;
        loaded.loadFromFolder(SKAT_LOGIC_DATA_DIR, false);
        return loaded;
    }();
    return t;
}

TEST(Heuristics, TheDeclarersOwnPrognosisGetsNoHints)
{
    CHARAKTER_CREATOR profiles;
    profiles.setLoaded(true);
    profiles.profiles[2].trumps.thirdSuitVoidPercent = 90;
    CHARAKTER_QUERY_API query(&profiles);
    VORLOGIK vorlogik(&tables());
    VERTEILUNGS_PROGNOSE p({&vorlogik, &query});
    PrognosisSituation g = deal(GAME_CLUBS, SEAT_0, SEAT_0);
    g.firstLeader = SEAT_1;
    g.trickLeader = SEAT_1;
    play(g, {C(HE, A), C(HE, Q), C(HE, R7)});
    for (const auto& h : p.heuristics()) {
        if (h->key == L"PUNKTE_IN_STICH")
            continue;
        p.store().reset();
        p.store().realHands = g.hands;
        h->apply(g, p.store());
        EXPECT_TRUE(p.store().suggestions.empty()) << std::string(h->key.begin(), h->key.end());
    }
}

TEST(Heuristics, RamschHearsOnlyThePlayedCards)
{
    VORLOGIK vorlogik(&tables());
    CHARAKTER_CREATOR profiles;
    profiles.setLoaded(true);
    CHARAKTER_QUERY_API query(&profiles);
    VERTEILUNGS_PROGNOSE p({&vorlogik, &query});
    PrognosisSituation g = deal(GAME_RAMSCH, SEAT_NONE, SEAT_1);
    play(g, {C(PI, A), C(PI, R8), C(PI, R7)});
    for (const auto& h : p.heuristics()) {
        p.store().reset();
        h->apply(g, p.store());
        EXPECT_TRUE(p.store().suggestions.empty());
    }
}

// Runs the situation with and without the one heuristic.
struct Compared {
    std::unique_ptr<VERTEILUNGS_PROGNOSE> without, with;
};
Compared compare(const wchar_t* key, const PrognosisSituation& g, PrognosisServices services = {})
{
    Compared c{prognosisWith(nullptr, services), prognosisWith(key, services)};
    c.without->update(g);
    c.with->update(g);
    return c;
}

TEST(Heuristics, TrumpDistributionPutsTrumpsWithTheDeclarer)
{
    const auto c = compare(L"TRUMPFVERTEILUNG", deal(GAME_CLUBS, SEAT_0, SEAT_1));
    EXPECT_GT(cell(*c.with, C(KR, A), 0), cell(*c.without, C(KR, A), 0) + 0.05);
    EXPECT_LT(cell(*c.with, C(KR, R8), 3), cell(*c.without, C(KR, R8), 3));
}

TEST(Heuristics, PointsInTrickSaysTheLastSeatLacksTheHigherCards)
{
    // The declarer's spades ace takes the trick; seat 2 adds only the seven,
    // so it probably holds no spades ten.
    PrognosisSituation g = deal(GAME_GRAND, SEAT_0, SEAT_1);
    play(g, {C(PI, A), C(PI, R8), C(PI, R7)});
    const auto c = compare(L"PUNKTE_IN_STICH", g);
    EXPECT_LT(cell(*c.with, C(PI, T), 2), cell(*c.without, C(PI, T), 2) - 0.05);
}

TEST(Heuristics, BiddableDistributionMovesTheDeclarersCards)
{
    VORLOGIK vorlogik(&tables());
    const auto c = compare(L"REIZBARE_VERTEILUNG", deal(GAME_GRAND, SEAT_0, SEAT_1), {&vorlogik, nullptr});
    double moved = 0;
    for (int row = 0; row < CARD_ROWS; ++row)
        moved = std::max(moved, std::fabs(c.with->probabilities()[row][0] - c.without->probabilities()[row][0]));
    EXPECT_GT(moved, 0.05);
}

TEST(Heuristics, OpeningLeadTellsTheLeadersHolding)
{
    // Forehand (seat 2) opens with the hearts queen; its profile says such
    // a forehand held the queen with the 9 8 7 (pattern 7).
    CHARAKTER_CREATOR profiles;
    profiles.profileOfSeat(SEAT_2);
    const_cast<CHARAKTER&>(profiles.profileOfSeat(SEAT_2)).ak[RANK_QUEEN][7] = 50;
    profiles.setLoaded(true);
    CHARAKTER_QUERY_API query(&profiles);
    PrognosisSituation g = deal(GAME_CLUBS, SEAT_0, SEAT_1);
    g.firstLeader = g.trickLeader = SEAT_2;
    play(g, {C(HE, Q)});
    const auto c = compare(L"ANSPIELKARTE", g, {nullptr, &query});
    EXPECT_GT(cell(*c.with, C(HE, R9), 2), cell(*c.without, C(HE, R9), 2) + 0.05);
    // Before the profiles are loaded the heuristic stays silent.
    profiles.setLoaded(false);
    const auto silent = compare(L"ANSPIELKARTE", g, {nullptr, &query});
    EXPECT_DOUBLE_EQ(cell(*silent.with, C(HE, R9), 2), cell(*silent.without, C(HE, R9), 2));
}

TEST(Heuristics, ThirdSuitVoidAfterTheDeclarerShowedTwoSuits)
{
    CHARAKTER_CREATOR profiles;
    profiles.profiles[2].trumps.thirdSuitVoidPercent = 95; // read for seat 0
    profiles.setLoaded(true);
    CHARAKTER_QUERY_API query(&profiles);
    PrognosisSituation g = deal(GAME_CLUBS, SEAT_0, SEAT_1);
    play(g, {C(PI, A), C(PI, R8), C(PI, R7)});
    play(g, {C(HE, R7), C(HE, A), C(HE, R8)});
    const auto c = compare(L"ALSP_DRITTE_FARBE_FREI", g, {nullptr, &query});
    EXPECT_LT(cell(*c.with, C(KA, A), 0), cell(*c.without, C(KA, A), 0) - 0.05);
}

// --- drawing deals by the prognosis ----------------------------------------------

TEST(PrognosisDealSampler, DrawsValidDealsLeaningTowardsThePrognosis)
{
    // Seat 1 defends a clubs game; seat 2 showed it has no hearts.
    PrognosisSituation g = deal(GAME_CLUBS, SEAT_0, SEAT_1);
    g.trickLeader = SEAT_1;
    play(g, {C(HE, A), C(KR, R8), C(HE, R7)});
    auto p = prognosisWith(L"TRUMPFVERTEILUNG");
    p->update(g);
    OpenGameView view;
    view.type = g.type;
    view.declarer = g.declarer;
    view.self = g.self;
    view.hands = g.hands;
    view.skat = g.skat;
    view.leader = g.trickLeader;
    view.played = setOf({C(HE, A), C(KR, R8), C(HE, R7)});
    view.completedTricks = 1;
    view.cannotHold[2] = suitMaskWithoutJack(HE);

    PrognosisDealSampler sampler(*p);
    UniformDealSampler uniform;
    VORDIX_RANDOM random;
    // How often each card lands in each place, drawn both ways.
    double byPrognosis[CARD_ROWS][PLACES] = {}, byUniform[CARD_ROWS][PLACES] = {};
    auto count = [](double(&into)[CARD_ROWS][PLACES], const std::array<CardSet, 3>& hands, CardSet skat) {
        for (int row = 0; row < CARD_ROWS; ++row) {
            const CardSet bit = cardMaskOfId(cardOfRow(row));
            for (int place = 0; place < PLACES; ++place)
                into[row][place] += ((place == 3 ? skat : hands[static_cast<std::size_t>(place)]) & bit) ? 1 : 0;
        }
    };
    constexpr int DRAWS = 1000;
    for (int i = 0; i < DRAWS; ++i) {
        std::array<CardSet, 3> hands{};
        CardSet skat = 0;
        ASSERT_TRUE(sampler.draw(view, random, hands, skat));
        EXPECT_EQ(hands[1], g.hands[1]);
        EXPECT_EQ(cardCount(hands[0]), 9);
        EXPECT_EQ(cardCount(hands[2]), 9);
        EXPECT_EQ(cardCount(skat), 2);
        EXPECT_EQ(hands[0] | hands[1] | hands[2] | skat | view.played, ALL_CARDS);
        EXPECT_EQ(hands[2] & suitMaskWithoutJack(HE), 0u) << "seat 2 keeps its void";
        count(byPrognosis, hands, skat);
        ASSERT_TRUE(uniform.draw(view, random, hands, skat));
        count(byUniform, hands, skat);
    }
    // The drawn deals follow the prognosis much closer than uniform ones
    // (which put a trump into the skat one time in ten).
    double offPrognosis = 0, offUniform = 0;
    for (int row = 0; row < CARD_ROWS; ++row)
        for (int place = 0; place < PLACES; ++place) {
            if (view.played & cardMaskOfId(cardOfRow(row)))
                continue;
            offPrognosis += std::fabs(byPrognosis[row][place] / DRAWS - p->probabilities()[row][place]);
            offUniform += std::fabs(byUniform[row][place] / DRAWS - p->probabilities()[row][place]);
        }
    EXPECT_LT(offPrognosis, offUniform / 2);
}

} // namespace
