#pragma once
// How one computer player plays: every choice of its bidding and card play
// that may change, and the tables it reads. The computer player runs on the
// defaults below; the benchmarks build variants of it from this record,
// among them the frozen reference player `baseline` (bench/BaselinePlayer.h)
// that later changes are measured against on duplicate deals. A change that
// alters the player's choices goes behind a field here whose old value the
// reference keeps; a change that keeps every choice (a faster search with
// the same answers) needs none.

#include <cstdint>

class CHARAKTER_CREATOR;
class SL_TABELLEN_WERTUNG;
class VL_TABELLEN;

// The open-game analysis late in a game (OpenAnalysis.h).
struct OpenAnalysisSettings {
    // Suit and grand games: the analysis chooses once the hand holds this
    // many cards or fewer (and at least two). A null defender asks it from
    // the first trick on, the null declarer never. 8 (one trick earlier than
    // the reference's 7) won in bench_arena --a full-open:8 --b full: +3.37
    // (-0.98..7.72) over 150 deals at seed 11, and against the reference
    // +4.05 where the player with 7 gave -0.71 (30 deals at seed 1).
    int maxHandCards = 8;
    // Deals drawn for the cards the seat cannot see (at most MAX_SAMPLES).
    int samples = 10;
    static constexpr int MAX_SAMPLES = 10;
    // The deals follow the card-location prognosis (else every deal that
    // fits what the seat saw is equally likely).
    bool prognosisDeals = true;
    // The prognosis hears only what the seat saw (else its heuristics' hints
    // are checked against the real deal, which lets hidden cards shape the
    // drawn deals).
    bool ownViewPrognosis = true;
    // Deals drawn at most for each deal the analysis searches, the first
    // that agrees with the bidding kept (else the one that misses it least;
    // BiddingDealSampler.h). 1 or less: the first deal drawn. 16 won in
    // bench_arena --a full-bidding:16 --b full: +5.04 (0.06..10.03) over 120
    // deals at seed 11 and +1.79 (-0.79..4.38) over 300 at seed 12
    // (bench/RESULTS.md).
    int biddingTries = 16;
    // When no deal can be drawn the table choice stands (else the real
    // deal's ratings decide, which lets hidden cards choose).
    bool noDealsTableChoice = true;
    // The search's faster ways (OpenSearch::Tuning); they change no value,
    // only the decision counts through the order of the lines searched.
    bool fastSearch = true;
    // With the faster ways: the points a side surely takes (its trumps above
    // all of the other side's) narrow the search's window. No value
    // changes, only the decision counts through the lines searched.
    bool surePoints = true;
    // With the faster ways: each card's exact value is closed in on in
    // doubling steps from the guess, then by halving (else step by step).
    bool doublingSteps = true;
    // With the faster ways: the search's table merges positions that differ
    // only in which of a run of cards worth the same points was played. No
    // value changes, only the decision counts through the lines searched.
    bool relativeRanks = true;
    // With the surely taken points: a leader also surely takes the tricks of
    // the plain cards it can lead one after the other that nobody of the
    // other side beats or trumps. No value changes, only the decision
    // counts through the lines searched.
    bool cashing = true;
    // The real deal's search finds the exact values of its best cards only
    // and bounds the others below them: the real deal's ratings choose the
    // same card (the best value, the lead ratings among equals) with far
    // fewer nodes.
    bool bestCardsOnly = true;
    // The drawn deals' searches: EVERY_CARD finds each card's exact value;
    // a margin of 0 or more finds the exact values of the cards within that
    // many points of the deal's best and bounds the others below it (their
    // bound is what the mean counts for them).
    int drawnDealsMargin = EVERY_CARD;
    static constexpr int EVERY_CARD = -1;
    // Nodes the searches of one analysis may visit together (0: no limit).
    // A search that runs out is dropped: the deals searched before decide,
    // and without any the table choice stands. 350,000 nodes take about
    // 26 ms at the 13.5 million nodes a second of the development machine,
    // which keeps a decision within 50 ms; `bench_solver --deals 1 --moves
    // 40` (bench/RESULTS.md) gives analyses (the real deal and ten drawn
    // ones) of a median of 27,000 nodes, a 99th percentile of 660,000 and
    // a worst of 1.8 million; the budget cuts about one in six of its
    // analyses at seven cards of a suit game short (they keep the deals
    // searched before).
    std::uint64_t nodeBudget = 350000;
};

// The declarer's game after the skat (GameChoiceSearch.h).
struct GameChoiceSettings {
    // Deals drawn for the choice; 0 leaves it to the pre-play tables. Off:
    // bench_arena --a full-choice:12 --b full lost -21.81 (-32.90..-10.72)
    // over 120 deals at seed 11 (bench/RESULTS.md).
    int samples = 0;
    // Nodes one search may visit; a deal whose search runs out does not
    // count for that game.
    std::uint64_t nodeLimit = 300000;
};

struct ComputerPlayerSettings {
    // The playing style of the bidding (Vorlogik.h); FOLLOW_USER takes the
    // one the user chose for all computer players.
    static constexpr int FOLLOW_USER = -1;
    int playStyle = FOLLOW_USER;
    // The lead tables rate every candidate card; the simple choice's card
    // counts this much more (bench_arena, noopen-bonus:N against full-noopen,
    // 4000 deals at seeds 5 and 9: N = 20 gave +5.39 and +5.56, the best of
    // 0..50; bench/RESULTS.md). SIMPLE_ONLY leaves the choice to the simple
    // one alone.
    int simpleCardBonus = 20;
    static constexpr int SIMPLE_ONLY = 1000000;
    // Late in a game the open-game analysis chooses the card.
    bool openAnalysis = true;
    OpenAnalysisSettings open;
    // The analysis is given every card's lead-table total and prefers the
    // table choice's card, then the higher total, among the cards it rates
    // alike (else a list of the table choice's card alone).
    bool fullLeadRatings = true;
    // The memory preference (0 good, 1 medium, 2 poor): on the hosting table
    // the real deal's ratings decide a card with the chance (4 - 2 memory)/5
    // (the drawn deals otherwise), and only the search whose ratings decide
    // runs. FOLLOW_USER takes the one the user chose for all computer
    // players; NO_MEMORY_DRAW searches both and lets the drawn deals decide.
    int memory = FOLLOW_USER;
    static constexpr int NO_MEMORY_DRAW = -2;
    // The least null level of the tables (0..4) at which the bidding counts
    // on a null game (Vorlogik.h). bench_arena --a full-nullbid:1 --b full
    // gave +0.44 (-0.82..1.70) over 200 deals at seed 12: too little to
    // leave the reference's 0.
    int nullBidLevel = 0;
    // After the skat the game is chosen by searching drawn deals.
    GameChoiceSettings gameChoice;
};

// The tables a computer player reads; none given: the shared ones of the
// process (loaded from the program's "Spiellogik" folder).
struct ComputerPlayerData {
    const VL_TABELLEN* preplayTables = nullptr;
    SL_TABELLEN_WERTUNG* leadTables = nullptr;
    // The learnt player profiles the prognosis asks.
    const CHARAKTER_CREATOR* profiles = nullptr;
};
