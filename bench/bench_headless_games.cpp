// Plays games between three computer seats without windows and reports the
// speed: games per second and the time of each computer decision (median,
// 99th percentile and worst), and how the games went: the mix of game
// types, how often all passed, how often the declarer won and the average
// value of the games declared (overall and by type). With --out
// the first list played is written as a score sheet; with --reports the
// player profiles learn from every list played and their reports
// ("Charakter_Log0" to "Charakter_Log2") are written into the folder.
// The last line is a signature of the games played (the sum of the settled
// values and a hash of every row's record, tricks and deal): a change that
// keeps the play as it was keeps the signature for the same seed.
//
//   bench_headless_games [--logic NAME] [--games N] [--seed S]
//                        [--tables DIR] [--out path.skt] [--reports DIR]
//                        [--handoffs]
//
// The table plays headless: its loop thread answers the computer seats and
// counts the games itself. --handoffs plays as a table with windows does,
// every request and event handed to a queue worker (same games, slower).
//
// The stand-in logic is the default, so the stored signature stays that of
// the stand-in's games; --logic full plays the computer player (BenchLogics.h
// lists the names).

#include "BenchArgs.h"
#include "BenchLogics.h"
#include "skat/engine/LocalTableWorker.h"
#include "skat/engine/LocalTischBeobachter.h"
#include "skat/engine/Skattisch.h"
#include "skat/engine/TableServices.h"
#include "skat/logic/CharakterCreator.h"
#include "skat/logic/ComputerPlayer.h"
#include "skat/logic/PreplayTables.h"
#include "vordix/Folder.h"
#include "vordix/Random.h"
#include "vordix/Timer.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace {

std::mutex timesMutex;
std::vector<double> decisionMicros;

void recordDecision(std::chrono::steady_clock::time_point start)
{
    const double us = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
    std::lock_guard lock(timesMutex);
    decisionMicros.push_back(us);
}

// Times every decision of the logic it wraps and passes its results on.
class TimedLogic : public PLAYER_LOGIK {
public:
    explicit TimedLogic(std::unique_ptr<PLAYER_LOGIK> inner) : inner_(std::move(inner)) { }

    GameProposal proposeGame(const GameSnapshot& game) override
    {
        const auto start = std::chrono::steady_clock::now();
        const GameProposal proposal = inner_->proposeGame(game);
        recordDecision(start);
        return proposal;
    }
    DiscardPair chooseDiscard(const GameSnapshot& game, const GameProposal& proposal) override
    {
        const auto start = std::chrono::steady_clock::now();
        const DiscardPair pair = inner_->chooseDiscard(game, proposal);
        recordDecision(start);
        return pair;
    }
    CardId chooseCard(const GameSnapshot& game) override
    {
        const auto start = std::chrono::steady_clock::now();
        const CardId card = inner_->chooseCard(game);
        recordDecision(start);
        return card;
    }
    GameProposal proposalAfterDiscard(const GameSnapshot& game, const GameProposal& proposal) override
    {
        return inner_->proposalAfterDiscard(game, proposal);
    }
    int evaluation(const GameSnapshot& game) override { return inner_->evaluation(game); }

private:
    std::unique_ptr<PLAYER_LOGIK> inner_;
};

class QuietServices : public TABLE_SERVICES {
public:
    int drawApplicationRandom(int n) override
    {
        std::lock_guard lock(mutex_);
        return random_.next(n);
    }
    void log(const std::wstring&) override { ++notes; }
    void seed(std::uint32_t s) { random_.seed = s; }
    std::atomic<int> notes{0};

private:
    std::mutex mutex_;
    VORDIX_RANDOM random_;
};

// How the games went, over all lists.
struct GameStats {
    std::mutex mutex;
    int passed = 0;
    int declared = 0;
    int won = 0;
    std::map<std::string, int> mix;
    std::map<std::string, int> mixWon;
    // Settled values of the declared games (lost ones negative).
    long long valueSum = 0;
    long long absValueSum = 0;
    std::map<std::string, long long> mixValue;
};
GameStats stats;

std::string gameName(const SPIELART& game)
{
    static const char* const names[] = {"none",  "clubs",        "spades", "hearts", "diamonds",
                                        "grand", "grand ouvert", "null",   "ramsch"};
    std::string name = game.SPIEL_TYP >= 0 && game.SPIEL_TYP <= 8 ? names[game.SPIEL_TYP] : "?";
    switch (game.GEWINN_STUFE) {
    case WIN_LEVEL_OUVERT: name += " ouvert"; break;
    case WIN_LEVEL_HAND: name += " hand"; break;
    case WIN_LEVEL_SCHNEIDER_ANNOUNCED: name += " hand schneider"; break;
    case WIN_LEVEL_SCHWARZ_ANNOUNCED: name += " hand schwarz"; break;
    case WIN_LEVEL_OUVERT_HAND: name += game.SPIEL_TYP == GAME_GRAND_OUVERT ? "" : " ouvert hand"; break;
    default: break;
    }
    return name;
}

// Counts finished games and stops the loop after the last one wanted.
class GameCounter : public LOCAL_TISCH_BEOBACHTER {
public:
    GameCounter(SKATTISCH_SERVER& table, int wanted) : LOCAL_TISCH_BEOBACHTER(table), table_(table), wanted_(wanted) { }
    void handleEvent(int event) override
    {
        if (event != GAME_FINISHED && event != ALL_PASSED)
            return;
        SPIELSTRUCT record;
        {
            std::lock_guard lock(table_.tableLock);
            record = table_.record;
        }
        {
            std::lock_guard lock(stats.mutex);
            if (event == ALL_PASSED || record.isPassedIn()) {
                ++stats.passed;
            } else {
                ++stats.declared;
                stats.won += record.SPIELWERT > 0 ? 1 : 0;
                ++stats.mix[gameName(record.SPIELART)];
                stats.mixWon[gameName(record.SPIELART)] += record.SPIELWERT > 0 ? 1 : 0;
                stats.valueSum += record.SPIELWERT;
                stats.absValueSum += std::abs(record.SPIELWERT);
                stats.mixValue[gameName(record.SPIELART)] += record.SPIELWERT;
            }
        }
        if (++played == wanted_)
            table_.stopGameLoop();
    }
    std::atomic<int> played{0};

private:
    SKATTISCH_SERVER& table_;
    int wanted_;
};

bool writeSheet(LISTE& sheet, const std::filesystem::path& path)
{
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : std::filesystem::current_path();
    std::filesystem::create_directories(folder);
    VORDIX_FOLDER dir;
    dir.setPath(folder.wstring());
    sheet.file = VORDIX_FILE(dir, path.filename().wstring());
    sheet.modified = true;
    if (!sheet.save())
        return false;
    LISTE check;
    return check.open(sheet.file) == DOCUMENT_OK && check.rowCount() == sheet.rowCount();
}

// FNV-1a over the rows of the sheets played, in order.
class GameSignature {
public:
    void add(const LISTE& sheet)
    {
        for (int i = 0; i < sheet.rowCount(); ++i) {
            const EIN_SPIEL& row = sheet.rowAt(i);
            valueSum += row.record.SPIELWERT;
            mix(streamToXml(row.record));
            mix(streamToXml(row.pile));
            for (const auto& hand : row.deal.hands)
                mixNumber(hand.cardSet());
            mixNumber(row.deal.skat.cardSet());
            mixNumber(static_cast<std::uint32_t>(row.deal.vhPos));
        }
    }
    long long valueSum = 0;
    std::uint64_t hash = 14695981039346656037ull;

private:
    void mix(const std::string& text)
    {
        for (unsigned char c : text)
            hash = (hash ^ c) * 1099511628211ull;
        hash = (hash ^ 0xFFu) * 1099511628211ull; // separator
    }
    void mixNumber(std::uint32_t n) { mix(std::to_string(n)); }
};

} // namespace

int main(int argc, char** argv)
{
    int games = 360;
    std::uint32_t seed = 1;
    std::string out;
    std::string reports;
    std::string logic = "standin";
    std::string tablesFolder = SKAT_LOGIC_DATA_DIR;
    bool handoffs = false;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        unsigned long long number = 0;
        if (std::strcmp(argv[i], "--games") == 0 && hasValue
            && bench_args::parseNumber(argv[i + 1], 1, 1000000, number)) {
            games = static_cast<int>(number);
            ++i;
        } else if (std::strcmp(argv[i], "--seed") == 0 && hasValue
                   && bench_args::parseNumber(argv[i + 1], 0, 0xFFFFFFFFull, number)) {
            seed = static_cast<std::uint32_t>(number);
            ++i;
        } else if (std::strcmp(argv[i], "--out") == 0 && hasValue) {
            out = argv[++i];
        } else if (std::strcmp(argv[i], "--reports") == 0 && hasValue) {
            reports = argv[++i];
        } else if (std::strcmp(argv[i], "--logic") == 0 && hasValue && bench_logics::create(argv[i + 1])) {
            logic = argv[++i];
        } else if (std::strcmp(argv[i], "--handoffs") == 0) {
            handoffs = true;
        } else if (std::strcmp(argv[i], "--tables") == 0 && hasValue) {
            tablesFolder = argv[++i];
        } else {
            std::fprintf(stderr,
                         "bad argument: %s\nusage: %s [--logic %s] [--games 1..1000000] "
                         "[--seed 0..4294967295] [--tables DIR] [--out path.skt] [--reports DIR] [--handoffs]\n",
                         argv[i], argv[0], bench_logics::NAMES);
            return 2;
        }
    }
    // Read the tables before the clock starts.
    bench_logics::prepareTables(tablesFolder, bench_logics::usesTables(logic));

    auto services = std::make_shared<QuietServices>();
    services->seed(seed);
    installTableServices(services);
    setComputerLogicFactory([logic] { return std::make_unique<TimedLogic>(bench_logics::create(logic)); });

    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    int played = 0;
    int lists = 0;
    bool written = out.empty();
    GameSignature signature;
    CHARAKTER_CREATOR profiles;
    while (played < games) {
        SKATTISCH_SERVER table;
        for (int slot = 0; slot < 3; ++slot)
            table.setPlayer(slot, PLAYER_KIND_COMPUTER);
        table.setSavesFiles(false);
        table.setHeadless(!handoffs);
        table.setFixedSeed(seed + static_cast<std::uint32_t>(lists));
        const int wanted = std::min(games - played, static_cast<int>(LISTE::MAX_GAMES));
        auto counter = std::make_unique<GameCounter>(table, wanted);
        GameCounter* count = counter.get();
        table.observers.add(std::move(counter));
        std::unique_ptr<LOCAL_TABLE_WORKER> worker;
        if (handoffs)
            worker = std::make_unique<LOCAL_TABLE_WORKER>(table);
        table.modus.setNextOfList(table.sheet);
        table.startLoopThread();
        if (!table.waitForLoopEnd(600000)) {
            std::fprintf(stderr, "the game loop did not end\n");
            return 1;
        }
        played += count->played;
        ++lists;
        signature.add(table.sheet);
        if (!reports.empty())
            profiles.learnFromSheet(table.sheet);
        if (!written) {
            written = true;
            if (!writeSheet(table.sheet, out)) {
                std::fprintf(stderr, "could not write %s\n", out.c_str());
                return 1;
            }
            std::printf("wrote %d games to %s\n", table.sheet.rowCount(), out.c_str());
        }
        if (count->played == 0)
            break;
    }
    if (!reports.empty()) {
        const int n = profiles.writeReports(reports);
        std::printf("wrote %d profile reports to %s\n", n, reports.c_str());
        if (n != 3)
            return 1;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // The processor time of all threads: on a busy machine the fair measure.
    const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;

    std::vector<double> times;
    {
        std::lock_guard lock(timesMutex);
        times = decisionMicros;
    }
    // The three ranks wanted, without sorting millions of times.
    auto rank = [&times](std::size_t k) {
        std::nth_element(times.begin(), times.begin() + static_cast<std::ptrdiff_t>(k), times.end());
        return times[k];
    };
    const double worst = times.empty() ? 0.0 : rank(times.size() - 1);
    const double p99 = times.empty() ? 0.0 : rank(std::min(times.size() - 1, times.size() * 99 / 100));
    const double median = times.empty() ? 0.0 : rank(times.size() / 2);
    std::printf("logic: %s\n", logic.c_str());
    std::printf("games: %d in %d list(s), seed %u\n", played, lists, seed);
    std::printf("games per second: %.1f (%.1f per processor second)\n", seconds > 0 ? played / seconds : 0.0,
                cpuSeconds > 0 ? played / cpuSeconds : 0.0);
    std::printf("computer decisions: %zu, median %.3f us, p99 %.3f us, worst %.3f us\n", times.size(), median, p99,
                worst);
    {
        std::lock_guard lock(stats.mutex);
        const int deals = stats.passed + stats.declared;
        std::printf("all passed: %d of %d deals (%.1f%%)\n", stats.passed, deals,
                    deals > 0 ? 100.0 * stats.passed / deals : 0.0);
        std::printf("declarer won: %d of %d games (%.1f%%)\n", stats.won, stats.declared,
                    stats.declared > 0 ? 100.0 * stats.won / stats.declared : 0.0);
        std::printf("average game value: %.2f (lost games negative), %.2f unsigned\n",
                    stats.declared > 0 ? static_cast<double>(stats.valueSum) / stats.declared : 0.0,
                    stats.declared > 0 ? static_cast<double>(stats.absValueSum) / stats.declared : 0.0);
        std::printf("game types:\n");
        for (const auto& [name, count] : stats.mix)
            std::printf("  %-24s %6d (%4.1f%%), declarer won %5.1f%%, average value %7.2f\n", name.c_str(), count,
                        stats.declared > 0 ? 100.0 * count / stats.declared : 0.0, 100.0 * stats.mixWon[name] / count,
                        static_cast<double>(stats.mixValue[name]) / count);
    }
    std::printf("signature: values %lld hash %016llx\n", signature.valueSum,
                static_cast<unsigned long long>(signature.hash));
    if (services->notes > 0)
        std::printf("log notes: %d\n", services->notes.load());
    setComputerLogicFactory({});
    installTableServices(nullptr);
    return 0;
}
