// hof2lap's work on a large hot lap: a 200 KB compressed fixture read,
// expanded, checked and dumped in-process, and the expansion alone. The
// command's own start-up is measured apart (see the report's hyperfine line).

#include "HotlapFixture.h"
#include "formats/HotlapFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace velomark;

namespace {

// About 200 KB stored: replay bytes compress to roughly a third.
const std::string& largeHotlap() {
    static const std::string file = [] {
        test::FixtureLap lap;
        lap.compressed = true;
        lap.replaySize = 640 * 1024;
        return test::hotlapFile(lap);
    }();
    return file;
}

void BM_ReadAndDump(benchmark::State& state) {
    const std::string& file = largeHotlap();
    for (auto _ : state) {
        Result<hotlap::HotlapLap> lap = hotlap::readHotlap(file, "AHOT.HL");
        if (!lap) {
            std::fprintf(stderr, "bench_hotlap: %s\n", lap.error().message.c_str());
            std::exit(2);
        }
        benchmark::DoNotOptimize(hotlap::dumpText(*lap));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size()));
    state.counters["stored_bytes"] = static_cast<double>(file.size());
}
BENCHMARK(BM_ReadAndDump)->Unit(benchmark::kMillisecond);

void BM_Decompress(benchmark::State& state) {
    const std::string body = largeHotlap().substr(32, largeHotlap().size() - 36);
    for (auto _ : state)
        benchmark::DoNotOptimize(hotlap::decompress(body));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * body.size()));
}
BENCHMARK(BM_Decompress)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
