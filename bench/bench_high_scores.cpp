// Reading the high-score list: a file of many entries is read and sorted
// once, against sorting the list after every entry as adding one by one does.
// The file is made here: N "Spieler" elements with points that repeat, so
// the stable order of equal points matters.

#include "skat/app/Bestenliste.h"
#include "vordix/Stream.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string highScoreFile(int entries)
{
    std::string xml = "<Bestenliste DokumentVersion=\"1\">";
    for (int i = 0; i < entries; ++i)
        xml += "<Spieler Punktezahl=\"" + std::to_string((i * 7919) % 3001 - 500)
               + "\" Datum=\"01.01.2026\" Name=\"Spieler " + std::to_string(i) + "\"/>";
    return xml + "</Bestenliste>";
}

void BM_ReadHighScores(benchmark::State& state)
{
    const std::string xml = highScoreFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        BESTENLISTE list;
        benchmark::DoNotOptimize(streamFromXml(xml, list));
        benchmark::DoNotOptimize(list.entries().size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadHighScores)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond);

// The cost the reader avoids: one sort after every entry.
void BM_AddEntriesOneByOne(benchmark::State& state)
{
    const int entries = static_cast<int>(state.range(0));
    for (auto _ : state) {
        BESTENLISTE list;
        for (int i = 0; i < entries; ++i)
            list.addEntry((i * 7919) % 3001 - 500, L"Spieler", L"01.01.2026");
        benchmark::DoNotOptimize(list.entries().size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_AddEntriesOneByOne)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
