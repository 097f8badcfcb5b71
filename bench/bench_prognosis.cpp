// Time of one card-location prognosis update (certainties, the six
// heuristics, the fit) in situations drawn at random: a random deal, game
// type, declarer and asking seat, and 0 to 9 tricks of random legal cards.
// Prints the median, the 90th percentile and the worst update in
// microseconds (the updating thread's CPU time), and how many fits fell
// back to least squares.
//
//   bench_prognosis [--seed S] [--updates N] [--without KEY]
//
// --without leaves out the heuristic of that key (e.g. REIZBARE_VERTEILUNG).

#include "skat/engine/Einblatt.h"
#include "skat/logic/CharakterCreator.h"
#include "skat/logic/CharakterQuery.h"
#include "skat/logic/PreplayTables.h"
#include "skat/logic/VerteilungsHeuristik.h"
#include "skat/logic/Verteilungsprognose.h"
#include "skat/logic/Vorlogik.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <random>
#include <string>
#include <vector>

namespace {

double cpuMicros()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

PrognosisSituation randomSituation(std::mt19937& rng)
{
    std::vector<CardId> deck;
    for (int row = 0; row < CARD_ROWS; ++row)
        deck.push_back(cardOfRow(row));
    std::shuffle(deck.begin(), deck.end(), rng);
    PrognosisSituation g;
    for (int i = 0; i < 30; ++i)
        g.hands[static_cast<std::size_t>(i / 10)] |= cardMaskOfId(deck[static_cast<std::size_t>(i)]);
    g.skat = cardMaskOfId(deck[30]) | cardMaskOfId(deck[31]);
    static constexpr GameType types[] = {GAME_CLUBS, GAME_SPADES, GAME_HEARTS, GAME_DIAMONDS, GAME_GRAND, GAME_NULL};
    g.type = types[rng() % 6];
    g.declarer = static_cast<Seat>(rng() % 3);
    g.self = static_cast<Seat>(rng() % 3);
    g.winLevel = rng() % 4 == 0 ? 2 : 0;
    if (g.self == g.declarer && g.winLevel < 2)
        g.laidAway = g.skat;
    g.trickLeader = g.firstLeader = static_cast<Seat>(rng() % 3);
    const int cards = static_cast<int>(rng() % 29);
    for (int k = 0; k < cards; ++k) {
        const Seat seat = seatAfter(g.trickLeader, g.trickCount);
        CardSet& hand = g.hands[static_cast<std::size_t>(seat)];
        const CardSet legal = g.trickCount == 0 ? hand : EINBLATT::legalCards(hand, trickCardBit(g.trick, 0), g.type);
        CardSet pick = legal;
        for (int skip = static_cast<int>(rng() % static_cast<unsigned>(cardCount(legal))); skip > 0; --skip)
            pick &= pick - 1;
        const CardId card = cardIdOfBit(lowestBit(pick));
        hand &= ~cardMaskOfId(card);
        STICH trick(g.trick, g.trickCount);
        trick.addCard(card);
        g.trick = trick.code();
        g.trickCount = trick.count();
        if (g.trickCount == 3) {
            g.tricks[static_cast<std::size_t>(g.completedTricks++)] = {g.trick,
                                                                       static_cast<std::int8_t>(g.trickLeader)};
            g.trickLeader = seatAfter(g.trickLeader, trick.winner(g.type));
            g.trick = 0;
            g.trickCount = 0;
        }
    }
    return g;
}

} // namespace

int main(int argc, char** argv)
{
    unsigned seed = 2026;
    int updates = 2000;
    std::string without;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--seed") && i + 1 < argc)
            seed = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
        else if (!std::strcmp(argv[i], "--updates") && i + 1 < argc)
            updates = std::max(1, std::atoi(argv[++i]));
        else if (!std::strcmp(argv[i], "--without") && i + 1 < argc)
            without = argv[++i];
        else {
            std::printf("usage: bench_prognosis [--seed S] [--updates N] [--without KEY]\n");
            return !std::strcmp(argv[i], "--help") ? 0 : 2;
        }
    }
    VL_TABELLEN tables;
    if (!tables.loadFromFolder(SKAT_LOGIC_DATA_DIR, false)) {
        std::fprintf(stderr, "cannot read the pre-play tables in %s\n", SKAT_LOGIC_DATA_DIR);
        return 1;
    }
    VORLOGIK vorlogik(&tables);
    // Profiles with a little data, so the profile heuristics do their work.
    CHARAKTER_CREATOR profiles;
    std::mt19937 rng(seed);
    for (CHARAKTER& p : profiles.profiles) {
        p.trumps.thirdSuitVoidPercent = 20;
        for (auto& row : p.asymmetry.pairCount)
            for (int& n : row)
                n = static_cast<int>(rng() % 3);
        for (auto& row : p.ak)
            for (int& n : row)
                n = static_cast<int>(rng() % 4);
        p.al = p.ck = p.cl = p.ak;
    }
    profiles.setLoaded(true);
    CHARAKTER_QUERY_API query(&profiles);
    VERTEILUNGS_PROGNOSE prognosis({&vorlogik, &query});
    std::erase_if(prognosis.heuristics(),
                  [&](const auto& h) { return std::string(h->key.begin(), h->key.end()) == without; });

    std::vector<double> times;
    int fallbacks = 0;
    for (int u = 0; u < updates; ++u) {
        const PrognosisSituation g = randomSituation(rng);
        const double start = cpuMicros();
        prognosis.update(g);
        times.push_back(cpuMicros() - start);
        fallbacks += prognosis.usedFallback();
    }
    std::sort(times.begin(), times.end());
    std::printf("prognosis updates: %d (seed %u)\n", updates, seed);
    std::printf("median %.1f us, 90th percentile %.1f us, worst %.1f us\n", times[times.size() / 2],
                times[times.size() * 9 / 10], times.back());
    std::printf("least-squares fallbacks: %d\n", fallbacks);
    return 0;
}
