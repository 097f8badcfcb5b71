// Measures two computer logics against each other on duplicate deals. Each
// deal is played six times at headless tables: logic A in one seat against
// B in the other two, and B in that seat against A in the other two, for
// each of the three seats, with the same cards and the same random numbers.
// Every play is scored by Seeger-Fabian: the declarer gets the value the
// score sheet enters plus 50 for a won game or minus 50 for a lost one,
// each defender of a lost game gets 40, and a passed deal scores nothing.
//
//   bench_arena --a LOGIC --b LOGIC [--deals N] [--seed S] [--threads T]
//               [--tables DIR]
//
// It prints per game type how often each side declared, won and lost, and
// last the difference of the sides' scores per game with its 95 % interval:
//   A minus B: X game points per game (95% CI L..H) over N deals
// Deals are spread over T threads; the result does not depend on T.

#include "BenchArgs.h"
#include "BenchLogics.h"
#include "skat/engine/LocalTischBeobachter.h"
#include "skat/engine/Skattisch.h"
#include "skat/engine/TableServices.h"
#include "skat/logic/PreplayTables.h"
#include "vordix/Random.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace {

// The cut of a computer seat draws from the services: each table's loop
// thread draws from its own sequence, seeded with the deal's seed.
thread_local VORDIX_RANDOM cutRandom;

class ArenaServices : public TABLE_SERVICES {
public:
    int drawApplicationRandom(int n) override { return cutRandom.next(n); }
    void log(const std::wstring&) override { ++notes; }
    std::atomic<int> notes{0};
};

// The logic the next computer seat made on this thread gets.
thread_local std::string logicOfNextSeat = "standin";

// Stops the loop after the first game (or passed deal).
class OneGame : public LOCAL_TISCH_BEOBACHTER {
public:
    OneGame(SKATTISCH_SERVER& table) : LOCAL_TISCH_BEOBACHTER(table), table_(table) { }
    void handleEvent(int event) override
    {
        if (event == GAME_FINISHED || event == ALL_PASSED)
            table_.stopGameLoop();
    }

private:
    SKATTISCH_SERVER& table_;
};

struct Play {
    bool played = false;   // the loop ended with a game in the sheet
    int declarerSlot = -1; // -1: passed
    GameType type = GAME_NONE;
    int value = 0; // as the sheet enters it
    bool lost = false;
    std::array<CardSet, 4> deal{}; // three hands and the skat, to check the duplicate
};

// One game of the deal's seed with the logics by slot.
Play playOnce(const std::array<std::string, 3>& logics, std::uint32_t seed)
{
    SKATTISCH_SERVER table;
    for (int slot = 0; slot < 3; ++slot) {
        logicOfNextSeat = logics[static_cast<std::size_t>(slot)];
        table.setPlayer(slot, PLAYER_KIND_COMPUTER);
    }
    table.setSavesFiles(false);
    table.setHeadless(true);
    table.setFixedSeed(seed);
    table.setStateHook([seed, seeded = false](int) mutable {
        if (!seeded)
            cutRandom.seed = seed; // on the loop thread, before the cut
        seeded = true;
    });
    table.observers.add(std::make_unique<OneGame>(table));
    table.modus.setNextOfList(table.sheet);
    table.startLoopThread();
    Play play;
    if (!table.waitForLoopEnd(600000) || table.sheet.rowCount() < 1)
        return play;
    const EIN_SPIEL& row = table.sheet.rowAt(0);
    play.played = true;
    for (int k = 0; k < 3; ++k)
        play.deal[static_cast<std::size_t>(k)] = row.deal.hands[static_cast<std::size_t>(k)].cardSet();
    play.deal[3] = row.deal.skat.cardSet();
    const SPIELSTRUCT& record = row.record;
    if (record.isPassedIn() || record.SPIELART.SPIEL_TYP == GAME_RAMSCH || !isValidSeat(record.declarer()))
        return play;
    play.declarerSlot = slotOfSeat(record.declarer());
    play.type = record.SPIELART.SPIEL_TYP;
    play.value = record.SPIELWERT;
    play.lost = record.isLost();
    return play;
}

// Seeger-Fabian points of the slot in the play.
int pointsOf(const Play& play, int slot)
{
    if (play.declarerSlot < 0)
        return 0;
    if (slot == play.declarerSlot)
        return play.value + (play.lost ? -50 : 50);
    return play.lost ? 40 : 0;
}

struct Tally {
    int declared = 0;
    int won = 0;
    int lost = 0;
};

struct DealResult {
    bool complete = false;
    double difference = 0; // A minus B per game
    std::array<Play, 6> plays{};
    std::array<unsigned, 6> slotsOfA{}; // bit k: slot k played by A
};

DealResult playDeal(const std::string& a, const std::string& b, std::uint32_t seed)
{
    DealResult result;
    long long total = 0;
    int n = 0;
    for (int lone = 0; lone < 3; ++lone)
        for (int aAlone = 1; aAlone >= 0; --aAlone) {
            std::array<std::string, 3> logics;
            unsigned slotsOfA = 0;
            for (int slot = 0; slot < 3; ++slot) {
                const bool isA = (slot == lone) == (aAlone == 1);
                logics[static_cast<std::size_t>(slot)] = isA ? a : b;
                slotsOfA |= isA ? 1u << slot : 0u;
            }
            const Play play = playOnce(logics, seed);
            if (!play.played || (n > 0 && play.deal != result.plays[0].deal))
                return result;
            for (int slot = 0; slot < 3; ++slot)
                total += (slotsOfA & (1u << slot) ? 1 : -1) * pointsOf(play, slot);
            result.plays[static_cast<std::size_t>(n)] = play;
            result.slotsOfA[static_cast<std::size_t>(n)] = slotsOfA;
            ++n;
        }
    result.complete = true;
    result.difference = static_cast<double>(total) / 6.0;
    return result;
}

const char* typeName(GameType type)
{
    switch (type) {
    case GAME_CLUBS: return "clubs";
    case GAME_SPADES: return "spades";
    case GAME_HEARTS: return "hearts";
    case GAME_DIAMONDS: return "diamonds";
    case GAME_GRAND: return "grand";
    case GAME_GRAND_OUVERT: return "grand ouvert";
    case GAME_NULL: return "null";
    default: return "other";
    }
}

// The deal's seed: spread, so that neighbouring deals share nothing.
std::uint32_t dealSeed(std::uint32_t seed, int deal)
{
    std::uint64_t x = (static_cast<std::uint64_t>(seed) << 32) ^ static_cast<std::uint64_t>(deal);
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
    return static_cast<std::uint32_t>(x ^ (x >> 31));
}

} // namespace

int main(int argc, char** argv)
{
    std::string a;
    std::string b;
    int deals = 1000;
    std::uint32_t seed = 1;
    int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    std::string tablesFolder = SKAT_LOGIC_DATA_DIR;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        unsigned long long number = 0;
        if ((std::strcmp(argv[i], "--a") == 0 || std::strcmp(argv[i], "--b") == 0) && hasValue
            && bench_logics::create(argv[i + 1])) {
            (argv[i][2] == 'a' ? a : b) = argv[i + 1];
            ++i;
        } else if (std::strcmp(argv[i], "--deals") == 0 && hasValue
                   && bench_args::parseNumber(argv[i + 1], 1, 10000000, number)) {
            deals = static_cast<int>(number);
            ++i;
        } else if (std::strcmp(argv[i], "--seed") == 0 && hasValue
                   && bench_args::parseNumber(argv[i + 1], 0, 0xFFFFFFFFull, number)) {
            seed = static_cast<std::uint32_t>(number);
            ++i;
        } else if (std::strcmp(argv[i], "--threads") == 0 && hasValue
                   && bench_args::parseNumber(argv[i + 1], 1, 256, number)) {
            threads = static_cast<int>(number);
            ++i;
        } else if (std::strcmp(argv[i], "--tables") == 0 && hasValue) {
            tablesFolder = argv[++i];
        } else {
            a.clear();
            break;
        }
    }
    if (a.empty() || b.empty()) {
        std::fprintf(stderr,
                     "usage: %s --a LOGIC --b LOGIC [--deals 1..10000000] [--seed 0..4294967295] "
                     "[--threads 1..256] [--tables DIR]\nlogics: %s\n",
                     argv[0], bench_logics::NAMES);
        return 2;
    }
    bench_logics::prepareTables(tablesFolder, bench_logics::usesTables(a) || bench_logics::usesTables(b));

    auto services = std::make_shared<ArenaServices>();
    installTableServices(services);
    setComputerLogicFactory([] { return bench_logics::create(logicOfNextSeat); });

    std::vector<DealResult> results(static_cast<std::size_t>(deals));
    std::atomic<int> next{0};
    std::vector<std::thread> workers;
    for (int t = 0; t < std::min(threads, deals); ++t)
        workers.emplace_back([&] {
            for (int d = next++; d < deals; d = next++)
                results[static_cast<std::size_t>(d)] = playDeal(a, b, dealSeed(seed, d));
        });
    for (auto& worker : workers)
        worker.join();

    // Summed in the order of the deals: the same for any thread count.
    std::map<std::string, std::array<Tally, 2>> byType;
    int passed = 0;
    int plays = 0;
    double sum = 0;
    double squares = 0;
    for (const DealResult& deal : results) {
        if (!deal.complete) {
            std::fprintf(stderr, "a deal could not be played six times alike\n");
            return 1;
        }
        sum += deal.difference;
        squares += deal.difference * deal.difference;
        for (std::size_t k = 0; k < deal.plays.size(); ++k) {
            const Play& play = deal.plays[k];
            ++plays;
            if (play.declarerSlot < 0) {
                ++passed;
                continue;
            }
            const int side = deal.slotsOfA[k] & (1u << play.declarerSlot) ? 0 : 1;
            Tally& tally = byType[typeName(play.type)][static_cast<std::size_t>(side)];
            ++tally.declared;
            ++(play.lost ? tally.lost : tally.won);
        }
    }
    std::printf("A: %s, B: %s, seed %u, %d deals, %d plays\n", a.c_str(), b.c_str(), seed, deals, plays);
    std::printf("%-14s %27s   %27s\n", "", "A declared / won / lost", "B declared / won / lost");
    std::array<Tally, 2> all{};
    for (const auto& [name, sides] : byType) {
        std::printf("%-14s %11d %7d %7d   %11d %7d %7d\n", name.c_str(), sides[0].declared, sides[0].won, sides[0].lost,
                    sides[1].declared, sides[1].won, sides[1].lost);
        for (std::size_t s = 0; s < 2; ++s) {
            all[s].declared += sides[s].declared;
            all[s].won += sides[s].won;
            all[s].lost += sides[s].lost;
        }
    }
    std::printf("%-14s %11d %7d %7d   %11d %7d %7d\n", "all games", all[0].declared, all[0].won, all[0].lost,
                all[1].declared, all[1].won, all[1].lost);
    std::printf("passed: %d of %d plays\n", passed, plays);
    if (services->notes > 0)
        std::printf("log notes: %d\n", services->notes.load());
    const double mean = sum / deals;
    const double variance = deals > 1 ? std::max(0.0, (squares - sum * mean) / (deals - 1)) : 0.0;
    const double half = 1.96 * std::sqrt(variance / deals);
    std::printf("A minus B: %.2f game points per game (95%% CI %.2f..%.2f) over %d deals\n", mean, mean - half,
                mean + half, deals);
    setComputerLogicFactory({});
    installTableServices(nullptr);
    return 0;
}
