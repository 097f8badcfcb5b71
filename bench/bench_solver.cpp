// Speed of the open-game search: the exact value of whole 10-card deals
// (suit, grand, null: the value of the best card; for suit deals also the
// exact value of every card) and whole analyses (the real deal and ten drawn ones)
// at several points of a game. Per scenario it prints nodes, table hits and
// milliseconds, then one summary line for the exact suit values and one for
// all analyses together. Times are the searching thread's CPU time.
//
//   bench_solver [--seed S] [--deals N] [--moves M] [--old-ways 1]
//                [--budget B] [--sure-points 0] [--best-cards 0] [--doubling 0]
//                [--margin M] [--relative-ranks 0] [--cashing 0]
//
// --old-ways 1 runs the search the reference player uses (one bound
// per table entry, no look-ahead, the exact value of every card); --budget
// gives the analyses a node budget; --sure-points 0 leaves the bounds of
// surely taken points out, --best-cards 0 finds every card's exact value
// (the 10-card exact lines, the analyses' real deals), --doubling 0 closes
// in on every card's value step by step; --margin M rates the drawn deals'
// cards within M points of the best exactly and bounds the others;
// --relative-ranks 0 keys the search's table by the unplayed cards alone;
// --cashing 0 leaves the leader's cashed tricks out of the sure points.

#include "skat/engine/AnswerCheck.h"
#include "skat/engine/Spielkarten.h"
#include "skat/engine/Spielstruct.h"
#include "skat/logic/OpenAnalysis.h"
#include "vordix/Random.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace {

// Milliseconds of CPU time this thread used: the machine running the bench
// may be shared, and waiting for a core is not the search's own time.
double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

struct Options {
    std::uint32_t seed = 2026;
    int deals = 9;  // exact 10-card suit deals
    int moves = 10; // analyses per scenario
    bool oldWays = false;
    long budget = 0;
    bool surePoints = true;
    bool bestCards = true;
    bool doublingSteps = true;
    bool relativeRanks = true;
    bool cashing = true;
    int margin = OpenAnalysisSettings::EVERY_CARD;
};

bool parse(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        char* end = nullptr;
        if (std::strcmp(argv[i], "--help") == 0)
            return false;
        if (!hasValue)
            return false;
        const long value = std::strtol(argv[i + 1], &end, 10);
        if (end == argv[i + 1] || *end != '\0' || value < 0 || value > 1000000000L)
            return false;
        if (std::strcmp(argv[i], "--seed") == 0)
            options.seed = static_cast<std::uint32_t>(value);
        else if (std::strcmp(argv[i], "--deals") == 0 && value > 0)
            options.deals = static_cast<int>(value);
        else if (std::strcmp(argv[i], "--moves") == 0 && value > 0)
            options.moves = static_cast<int>(value);
        else if (std::strcmp(argv[i], "--old-ways") == 0)
            options.oldWays = value != 0;
        else if (std::strcmp(argv[i], "--budget") == 0)
            options.budget = value;
        else if (std::strcmp(argv[i], "--sure-points") == 0)
            options.surePoints = value != 0;
        else if (std::strcmp(argv[i], "--doubling") == 0)
            options.doublingSteps = value != 0;
        else if (std::strcmp(argv[i], "--relative-ranks") == 0)
            options.relativeRanks = value != 0;
        else if (std::strcmp(argv[i], "--cashing") == 0)
            options.cashing = value != 0;
        else if (std::strcmp(argv[i], "--best-cards") == 0)
            options.bestCards = value != 0;
        else if (std::strcmp(argv[i], "--margin") == 0)
            options.margin = static_cast<int>(value);
        else
            return false;
        ++i;
    }
    return true;
}

// A shuffled deck dealt 10/10/10 and the skat.
void deal(VORDIX_RANDOM& random, std::array<CardSet, 3>& hands, CardSet& skat)
{
    std::array<CardBit, 32> deck{};
    for (int i = 0; i < 32; ++i)
        deck[static_cast<std::size_t>(i)] = i;
    for (int i = 31; i > 0; --i)
        std::swap(deck[static_cast<std::size_t>(i)], deck[static_cast<std::size_t>(random.next(i + 1))]);
    hands = {};
    skat = 0;
    for (int i = 0; i < 30; ++i)
        hands[static_cast<std::size_t>(i % 3)] |= bitMask(deck[static_cast<std::size_t>(i)]);
    skat = bitMask(deck[30]) | bitMask(deck[31]);
}

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const std::size_t i = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.999999);
    return v[std::min(i, v.size() - 1)];
}

// Exact value of a fresh deal: seat 0 leads, the declarer holds the skat.
// The depth limit is lifted as after the third trick.
std::vector<double> exactScenario(const char* name, GameType type, int deals, VORDIX_RANDOM& random,
                                  const Options& options, std::vector<double>* thresholds = nullptr,
                                  std::vector<double>* everyCard = nullptr, std::vector<double>* nodes = nullptr)
{
    OpenSearch search;
    search.tuning = OpenSearch::Tuning::fast(!options.oldWays);
    search.tuning.surePoints = !options.oldWays && options.surePoints;
    search.tuning.doublingSteps = !options.oldWays && options.doublingSteps;
    search.tuning.relativeRanks = !options.oldWays && options.relativeRanks;
    search.tuning.cashing = !options.oldWays && options.cashing;
    const OpenSearch::Values values =
        options.oldWays || !options.bestCards ? OpenSearch::Values::EVERY_CARD : OpenSearch::Values::BEST_CARDS;
    std::vector<double> times;
    for (int d = 0; d < deals; ++d) {
        OpenDeal position;
        CardSet skat = 0;
        deal(random, position.hands, skat);
        position.type = type;
        position.leader = SEAT_0;
        position.declarer = seatAfter(SEAT_0, d);
        position.declarerPoints = pointsOfSet(skat);
        position.completedTricks = 3;
        SLOFFENWERTUNG ratings;
        const double start = cpuMs();
        search.solve(position, ratings, nullptr, values);
        const double ms = cpuMs() - start;
        times.push_back(ms);
        if (nodes != nullptr)
            nodes->push_back(static_cast<double>(search.nodes()));
        int best = -1000;
        for (const OpenGameRating& r : ratings)
            best = std::max(best, r.value);
        std::printf("%-28s deal %d: nodes %llu, hash hits %llu, %.1f ms (%.1f ms wall), value %d\n", name, d + 1,
                    static_cast<unsigned long long>(search.nodes()), static_cast<unsigned long long>(search.hashHits()),
                    ms, search.elapsedMs(), best);
        if (everyCard != nullptr) {
            SLOFFENWERTUNG all;
            const double from = cpuMs();
            search.solve(position, all, nullptr, OpenSearch::Values::EVERY_CARD);
            everyCard->push_back(cpuMs() - from);
            std::printf("%-28s deal %d: nodes %llu, %.1f ms\n", "10-card suit every card", d + 1,
                        static_cast<unsigned long long>(search.nodes()), everyCard->back());
        }
        if (thresholds != nullptr && isSuitGame(type)) {
            // Does the declarer reach 61 (the defenders, to move, 60 not)?
            const bool declarerMoves = position.declarer == SEAT_0;
            const double from = cpuMs();
            const bool reached = search.reaches(position, declarerMoves ? 61 : 60);
            thresholds->push_back(cpuMs() - from);
            std::printf("%-28s deal %d: nodes %llu, %.1f ms, declarer reaches 61: %s\n", "10-card suit threshold",
                        d + 1, static_cast<unsigned long long>(search.nodes()), thresholds->back(),
                        reached == declarerMoves ? "yes" : "no");
        }
        std::fflush(stdout);
    }
    return times;
}

// A game of the type played with random legal cards up to the first time the
// seat to move holds `cards` cards (null: a defender to move in trick
// `nullTrick`); false when the deal never gets there.
bool playTo(VORDIX_RANDOM& random, GameType type, int cards, int nullTrick, SPIELKARTEN& table, SPIELSTRUCT& record)
{
    std::array<CardSet, 3> hands{};
    CardSet skat = 0;
    deal(random, hands, skat);
    table = SPIELKARTEN();
    for (Seat s = SEAT_0; s < 3; ++s)
        table.hands[static_cast<std::size_t>(s)].setCardSet(hands[static_cast<std::size_t>(s)]);
    const CardId first = cardIdOfBit(lowestBit(skat));
    const CardId second = cardIdOfBit(31 - std::countl_zero(skat));
    table.AUSP = 0;
    table.pile.setVh(SEAT_0);
    record = SPIELSTRUCT();
    record.SPIELART = SPIELART(type, WIN_LEVEL_WITH_SKAT);
    record.ALLEIN = static_cast<Seat>(random.next(3));
    table.pile.setSkat(SKAT(first, second));
    const int offset = random.next(3); // how many cards of the trick already lie
    for (int played = 0; played < 30; ++played) {
        const Seat mover = table.seatToMove();
        const int held = table.hands[static_cast<std::size_t>(mover)].cardCount();
        const int trickNumber = table.pile.trickCount() + 1;
        if (type == GAME_NULL) {
            if (trickNumber == nullTrick && mover != record.declarer())
                return true;
        } else if (held == cards && table.trick.count() == offset) {
            return true;
        }
        CardSet legal = legalCardsOfSeat(table, type, mover);
        int pick = random.next(cardCount(legal));
        for (; pick > 0; --pick)
            legal &= legal - 1;
        table.playCard(cardIdOfBit(lowestBit(legal)));
        if (table.trick.isComplete())
            table.collectTrick(type, record.declarer());
    }
    return false;
}

struct Effort {
    std::uint64_t nodes = 0;
    std::uint64_t hits = 0;
};

void analysisScenario(const std::string& name, GameType type, int cards, int nullTrick, const Options& options,
                      VORDIX_RANDOM& random, std::vector<double>& all, std::vector<double>& allNodes)
{
    const int moves = options.moves;
    OpenAnalysisSettings settings;
    settings.fastSearch = !options.oldWays;
    settings.surePoints = !options.oldWays && options.surePoints;
    settings.doublingSteps = !options.oldWays && options.doublingSteps;
    settings.relativeRanks = !options.oldWays && options.relativeRanks;
    settings.cashing = !options.oldWays && options.cashing;
    settings.bestCardsOnly = !options.oldWays && options.bestCards;
    settings.drawnDealsMargin = options.oldWays ? OpenAnalysisSettings::EVERY_CARD : options.margin;
    settings.nodeBudget = static_cast<std::uint64_t>(options.budget);
    std::vector<double> times;
    std::vector<double> wall;
    Effort effort;
    int cut = 0;
    for (int m = 0; m < moves; ++m) {
        SPIELKARTEN table;
        SPIELSTRUCT record;
        while (!playTo(random, type, cards, nullTrick, table, record)) { }
        const OpenGameView view = openGameViewOf(table, record);
        OpenAnalysisResult result;
        const double start = cpuMs();
        analyseOpenGame(view, random, result, nullptr, nullptr, settings);
        (void)chooseOpenGameCard(view, result, {}, {});
        times.push_back(cpuMs() - start);
        wall.push_back(result.elapsedMs);
        effort.nodes += result.nodes;
        allNodes.push_back(static_cast<double>(result.nodes));
        cut += result.aborted;
        effort.hits += result.hashHits;
    }
    all.insert(all.end(), times.begin(), times.end());
    std::printf("%-32s %d moves: nodes %llu, hash hits %llu, median %.1f ms, worst %.1f ms (wall %.1f / %.1f)%s\n",
                name.c_str(), moves, static_cast<unsigned long long>(effort.nodes / static_cast<unsigned>(moves)),
                static_cast<unsigned long long>(effort.hits / static_cast<unsigned>(moves)), median(times),
                *std::max_element(times.begin(), times.end()), median(wall),
                *std::max_element(wall.begin(), wall.end()),
                cut > 0 ? (", " + std::to_string(cut) + " out of nodes").c_str() : "");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr, "usage: bench_solver [--seed S] [--deals N] [--moves M] [--old-ways 0|1] [--budget B]\n"
                             "  [--sure-points 0|1] [--best-cards 0|1] [--doubling 0|1] [--margin M]\n"
                             "  [--relative-ranks 0|1] [--cashing 0|1]\n"
                             "  N exact 10-card suit deals (default 9), M analyses per scenario (default 10)\n");
        return 2;
    }
    VORDIX_RANDOM random;
    random.seed = options.seed;
    std::printf("(nodes and hash hits per search, per move for the analyses; ms are CPU time of the\n"
                " searching thread, wall-clock time in brackets)\n");

    std::vector<double> threshold;
    std::vector<double> everyCard;
    std::vector<double> suitNodes;
    const std::vector<double> suit = exactScenario("10-card suit exact", GAME_CLUBS, options.deals, random, options,
                                                   &threshold, &everyCard, &suitNodes);
    exactScenario("10-card grand exact", GAME_GRAND, 1, random, options);
    exactScenario("10-card null exact", GAME_NULL, 1, random, options);

    std::vector<double> all;
    std::vector<double> allNodes;
    for (const auto& [type, label] : {std::pair{GAME_SPADES, "suit"}, std::pair{GAME_GRAND, "grand"}})
        for (int cards : {7, 5, 3})
            analysisScenario(std::string("analysis ") + label + " at " + std::to_string(cards) + " cards", type, cards,
                             0, options, random, all, allNodes);
    for (int trick : {1, 2, 4})
        analysisScenario("analysis null defender trick " + std::to_string(trick), GAME_NULL, 0, trick, options, random,
                         all, allNodes);

    std::printf("10-card suit exact: median %.1f ms, worst %.1f ms over %zu deals (nodes median %.0f, worst %.0f)\n",
                median(suit), *std::max_element(suit.begin(), suit.end()), suit.size(), median(suitNodes),
                *std::max_element(suitNodes.begin(), suitNodes.end()));
    std::printf("10-card suit every card exact: median %.1f ms, worst %.1f ms over %zu deals\n", median(everyCard),
                *std::max_element(everyCard.begin(), everyCard.end()), everyCard.size());
    std::printf("10-card suit threshold 61: median %.1f ms, worst %.1f ms over %zu deals\n", median(threshold),
                *std::max_element(threshold.begin(), threshold.end()), threshold.size());
    std::printf("analysis: median %.1f ms, p99 %.1f ms, worst %.1f ms over %zu moves\n", median(all),
                percentile(all, 0.99), *std::max_element(all.begin(), all.end()), all.size());
    std::printf("analysis nodes: median %.0f, p99 %.0f, worst %.0f\n", median(allNodes), percentile(allNodes, 0.99),
                *std::max_element(allNodes.begin(), allNodes.end()));
    return 0;
}
