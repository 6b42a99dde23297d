// Costs of building every report for all three tracksets with all 48 circuits
// filled in (every one of the 20 fields, texts of realistic length): once from
// the files on disk (reading custom and the three lap record files included),
// once from records already in memory, so the reading's share can be read off.
// The text file export is also timed end to end, with its flushed write.
//
// The files live in a fresh directory under the system temporary directory
// (TMPDIR), removed when the process ends.

#include "laps/HtmlPage.h"
#include "laps/TextReports.h"

#include <benchmark/benchmark.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace fs = std::filesystem;
using namespace velomark;

namespace {

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "bench_reports: %s\n", what.c_str());
    std::exit(2);
}

// Every field filled, as a player who has driven every session and typed
// splits everywhere would have it.
CircuitRecord fullRecord(int circuit, int set) {
    CircuitRecord r;
    const char* sessions[] = {"quickrace", "practice", "qualifying", "race"};
    for (int s = 0; s < 4; ++s) {
        const int ms = 23456 + circuit * 611 + s * 97 + set * 13;
        char lap[16], s1[16], s2[16], s3[16], setup[48];
        std::snprintf(lap, sizeof lap, "1.%02d.%03d", (ms / 1000) % 60, ms % 1000);
        std::snprintf(s1, sizeof s1, "28.%03d", (ms * 7) % 1000);
        std::snprintf(s2, sizeof s2, "1.02.%03d", (ms * 3) % 1000);
        std::snprintf(s3, sizeof s3, "%02d.%03d", 20 + s, (ms * 11) % 1000);
        std::snprintf(setup, sizeof setup, "track%02d_%s_v%d.set", circuit, sessions[s], set);
        r[s * 5 + 0] = lap;
        r[s * 5 + 1] = s1;
        r[s * 5 + 2] = s2;
        r[s * 5 + 3] = s3;
        r[s * 5 + 4] = setup;
    }
    return r;
}

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush())
        fail("cannot write " + path.string());
}

const TracksetChoice kAllThree{true, true, true};

struct Workspace {
    fs::path dir;
    std::string folder; // dir with a trailing separator, as loadReport takes it
    ReportData data;    // the same report, read once

    Workspace() {
        std::string pattern = (fs::temp_directory_path() / "velomark-reports-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            fail("cannot create a temporary directory: " + std::string(std::strerror(errno)));
        dir = pattern;
        folder = (dir / "").string();
        for (int set = 1; set <= 3; ++set) {
            LapRecordSet records;
            for (int c = 0; c < kCircuitsPerSet; ++c)
                records[c] = fullRecord(c + 1, set);
            Result<std::string> bytes = composeLapRecordFile(records);
            if (!bytes)
                fail(bytes.error().message);
            writeFile(dir / ("set" + std::to_string(set) + ".dat"), *bytes);
        }
        std::string custom;
        for (int c = 1; c <= kCircuitsPerSet; ++c)
            custom += "\"Custom Circuit " + std::to_string(c) + "\nSomewhere Far\"" +
                      (c % 8 == 0 ? "\r\n" : ",");
        writeFile(dir / "custom", custom);

        data = loadReport(kAllThree, realFileOps(), folder);
        if (data.stop)
            fail(data.stop->error.message);
        size_t circuits = 0;
        for (const TracksetReport& t : data.tracksets)
            circuits += t.circuits.size();
        if (circuits != 48)
            fail("expected 48 reported circuits");
    }
    ~Workspace() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
};

Workspace& workspace() {
    static Workspace ws;
    return ws;
}

// Range 0: from the records in memory; range 1: from the files on disk.
template <class Build> void runReport(benchmark::State& state, Build build) {
    Workspace& ws = workspace();
    const bool fromDisk = state.range(0) == 1;
    size_t bytes = 0;
    for (auto _ : state) {
        if (fromDisk) {
            const ReportData data = loadReport(kAllThree, realFileOps(), ws.folder);
            if (data.stop)
                fail(data.stop->error.message);
            bytes = build(data);
        } else {
            bytes = build(ws.data);
        }
    }
    state.counters["output_bytes"] = static_cast<double>(bytes);
    state.SetLabel(fromDisk ? "from disk" : "from memory");
}

void BM_TextFileReport(benchmark::State& state) {
    runReport(state, [](const ReportData& d) {
        std::string out = textFileReport(d);
        benchmark::DoNotOptimize(out.data());
        return out.size();
    });
}

void BM_HtmlPage(benchmark::State& state) {
    runReport(state, [](const ReportData& d) {
        std::string out = htmlPage(d, kHtmlTitle);
        benchmark::DoNotOptimize(out.data());
        return out.size();
    });
}

void BM_ClipboardText(benchmark::State& state) {
    runReport(state, [](const ReportData& d) {
        std::string out = clipboardText(d);
        benchmark::DoNotOptimize(out.data());
        return out.size();
    });
}

void BM_ScreenText(benchmark::State& state) {
    runReport(state, [](const ReportData& d) {
        std::string out = screenText(d);
        benchmark::DoNotOptimize(out.data());
        return out.size();
    });
}

void BM_PrintDocuments(benchmark::State& state) {
    runReport(state, [](const ReportData& d) {
        std::vector<PrintDocument> docs = printDocuments(d);
        benchmark::DoNotOptimize(docs.data());
        size_t n = 0;
        for (const PrintDocument& doc : docs)
            for (const PrintLine& line : doc.lines)
                n += line.text.size() + 2;
        return n;
    });
}

// The whole export: read, build, write aside, flush, rename over the target.
void BM_ExportTextFile(benchmark::State& state) {
    Workspace& ws = workspace();
    const std::string target = (ws.dir / "Laptimes.txt").string();
    for (auto _ : state) {
        const ExportResult r = exportTextFile(target, kAllThree, realFileOps(), ws.folder);
        if (r.stop || r.writeError)
            fail("the text file export failed");
    }
}

constexpr int kRepetitions = 10;

} // namespace

BENCHMARK(BM_TextFileReport)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_HtmlPage)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ClipboardText)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ScreenText)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_PrintDocuments)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ExportTextFile)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
