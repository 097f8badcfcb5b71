// Throughput of the card model's inner-loop operations: legal cards, trick
// evaluation (winner and points by table look-up), the points of a set and
// walking a set card by card.

#include "skat/engine/Einblatt.h"
#include "skat/engine/Stich.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <random>
#include <vector>

namespace {

struct Sample {
    CardSet hand;
    CardBit led;
    TrickCode trick;
};

std::vector<Sample> samples()
{
    std::mt19937 rng(7);
    std::vector<Sample> result(4096);
    for (auto& s : result) {
        std::vector<CardBit> bits(32);
        for (int i = 0; i < 32; ++i)
            bits[i] = i;
        std::shuffle(bits.begin(), bits.end(), rng);
        s.hand = 0;
        for (int i = 0; i < 10; ++i)
            s.hand |= bitMask(bits[i]);
        s.led = bits[10];
        s.trick = makeTrickCode(bits[10], bits[11], bits[12]);
    }
    return result;
}

void BM_LegalCards(benchmark::State& state)
{
    const auto data = samples();
    const GameType type = static_cast<GameType>(state.range(0));
    size_t i = 0;
    for (auto _ : state) {
        const Sample& s = data[i++ & 4095];
        benchmark::DoNotOptimize(EINBLATT::legalCards(s.hand, s.led, type));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LegalCards)->DenseRange(GAME_CLUBS, GAME_RAMSCH);

void BM_TrickWinnerAndPoints(benchmark::State& state)
{
    const auto data = samples();
    const GameType type = static_cast<GameType>(state.range(0));
    // A local pointer stays in a register: the loop measures the look-ups.
    const Sample* const base = data.data();
    size_t i = 0;
    for (auto _ : state) {
        const Sample& s = base[i++ & 4095];
        benchmark::DoNotOptimize(trickWinnerIndex(type, s.trick) + trickPoints(s.trick));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TrickWinnerAndPoints)->Arg(GAME_HEARTS)->Arg(GAME_GRAND)->Arg(GAME_NULL);

// A game's worth of tricks per iteration, as a search walks them: the
// look-ups themselves, not the loop around them.
void BM_TrickWinnerAndPointsOfGame(benchmark::State& state)
{
    const auto data = samples();
    const GameType type = static_cast<GameType>(state.range(0));
    size_t i = 0;
    for (auto _ : state) {
        int sum = 0;
        for (int n = 0; n < 10; ++n) {
            const TrickCode code = data[(i + static_cast<size_t>(n)) & 4095].trick;
            sum += trickWinnerIndex(type, code) + trickPoints(code);
        }
        i += 10;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * 10);
}
BENCHMARK(BM_TrickWinnerAndPointsOfGame)->Arg(GAME_HEARTS)->Arg(GAME_GRAND)->Arg(GAME_NULL);

void BM_TrickWinnerByRules(benchmark::State& state)
{
    const auto data = samples();
    size_t i = 0;
    for (auto _ : state) {
        const Sample& s = data[i++ & 4095];
        benchmark::DoNotOptimize(trickWinner(GAME_HEARTS, cardByBit(trickCardBit(s.trick, 0)),
                                             cardByBit(trickCardBit(s.trick, 1)), cardByBit(trickCardBit(s.trick, 2))));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TrickWinnerByRules);

void BM_PointsOfSet(benchmark::State& state)
{
    const auto data = samples();
    size_t i = 0;
    for (auto _ : state) {
        const Sample& s = data[i++ & 4095];
        benchmark::DoNotOptimize(pointsOfSet(s.hand));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PointsOfSet);

void BM_WalkSetWithPopLowest(benchmark::State& state)
{
    const auto data = samples();
    size_t i = 0;
    for (auto _ : state) {
        CardSet rest = data[i++ & 4095].hand;
        int sum = 0;
        while (rest != 0)
            sum += popLowest(rest);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * CARDS_IN_HAND);
}
BENCHMARK(BM_WalkSetWithPopLowest);

} // namespace

BENCHMARK_MAIN();
