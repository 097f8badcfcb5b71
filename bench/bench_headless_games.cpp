// Plays games between three computer seats without windows and reports the
// speed: games per second and the time of each computer decision (median
// and worst). With --out the first list played is written as a score sheet.
// The last line is a signature of the games played (the sum of the settled
// values and a hash of every row's record, tricks and deal): a change that
// keeps the play as it was keeps the signature for the same seed.
//
//   bench_headless_games [--games N] [--seed S] [--out path.skt]

#include "skat/net/LocalMessageWorker.h"
#include "skat/engine/LocalTischBeobachter.h"
#include "skat/engine/Skattisch.h"
#include "skat/engine/TableServices.h"
#include "skat/logic/StandInLogic.h"
#include "vordix/Folder.h"
#include "vordix/Random.h"
#include "vordix/Timer.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
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
    explicit TimedLogic(std::unique_ptr<PLAYER_LOGIK> inner) : inner_(std::move(inner)) {}

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

// Counts finished games and stops the loop after the last one wanted.
class GameCounter : public LOCAL_TISCH_BEOBACHTER {
public:
    GameCounter(SKATTISCH_SERVER& table, int wanted) : LOCAL_TISCH_BEOBACHTER(table), table_(table), wanted_(wanted) {}
    void handleEvent(int event) override
    {
        if ((event == GAME_FINISHED || event == ALL_PASSED) && ++played == wanted_)
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

// A whole argument as a number in [low, high]; false for anything else.
bool parseNumber(const char* text, unsigned long long low, unsigned long long high, unsigned long long& value)
{
    if (!text || *text < '0' || *text > '9')
        return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtoull(text, &end, 10);
    return errno == 0 && *end == '\0' && value >= low && value <= high;
}

} // namespace

int main(int argc, char** argv)
{
    int games = 360;
    std::uint32_t seed = 1;
    std::string out;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        unsigned long long number = 0;
        if (std::strcmp(argv[i], "--games") == 0 && hasValue && parseNumber(argv[i + 1], 1, 1000000, number)) {
            games = static_cast<int>(number);
            ++i;
        } else if (std::strcmp(argv[i], "--seed") == 0 && hasValue
                   && parseNumber(argv[i + 1], 0, 0xFFFFFFFFull, number)) {
            seed = static_cast<std::uint32_t>(number);
            ++i;
        } else if (std::strcmp(argv[i], "--out") == 0 && hasValue) {
            out = argv[++i];
        } else {
            std::fprintf(stderr, "bad argument: %s\nusage: %s [--games 1..1000000] [--seed 0..4294967295] [--out path.skt]\n",
                         argv[i], argv[0]);
            return 2;
        }
    }

    auto services = std::make_shared<QuietServices>();
    services->seed(seed);
    installTableServices(services);
    setComputerLogicFactory([] { return std::make_unique<TimedLogic>(std::make_unique<STANDIN_LOGIK>()); });

    const auto start = std::chrono::steady_clock::now();
    int played = 0;
    int lists = 0;
    bool written = out.empty();
    GameSignature signature;
    while (played < games) {
        SKATTISCH_SERVER table;
        for (int slot = 0; slot < 3; ++slot)
            table.setPlayer(slot, PLAYER_KIND_COMPUTER);
        table.setSavesFiles(false);
        table.setFixedSeed(seed + static_cast<std::uint32_t>(lists));
        const int wanted = std::min(games - played, static_cast<int>(LISTE::MAX_GAMES));
        auto counter = std::make_unique<GameCounter>(table, wanted);
        GameCounter* count = counter.get();
        table.observers.add(std::move(counter));
        LOCAL_MESSAGE_WORKER worker(table);
        table.modus.setNextOfList(table.sheet);
        table.startLoopThread();
        if (!table.waitForLoopEnd(600000)) {
            std::fprintf(stderr, "the game loop did not end\n");
            return 1;
        }
        played += count->played;
        ++lists;
        signature.add(table.sheet);
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
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::vector<double> times;
    {
        std::lock_guard lock(timesMutex);
        times = decisionMicros;
    }
    std::sort(times.begin(), times.end());
    const double median = times.empty() ? 0.0 : times[times.size() / 2];
    const double worst = times.empty() ? 0.0 : times.back();
    std::printf("games: %d in %d list(s), seed %u\n", played, lists, seed);
    std::printf("games per second: %.1f\n", seconds > 0 ? played / seconds : 0.0);
    std::printf("computer decisions: %zu, median %.3f us, worst %.3f us\n", times.size(), median, worst);
    std::printf("signature: values %lld hash %016llx\n", signature.valueSum,
                static_cast<unsigned long long>(signature.hash));
    if (services->notes > 0)
        std::printf("log notes: %d\n", services->notes.load());
    setComputerLogicFactory({});
    installTableServices(nullptr);
    return 0;
}
