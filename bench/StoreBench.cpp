// Costs of reading and saving a full lap record file, and of the plain
// write-flush-rename that a crash-safe save cannot avoid, measured in one run
// so that the save's overhead over that floor can be read off directly.
//
// Everything happens in a fresh directory under the system temporary directory
// (TMPDIR), which should sit on a real disk: on a RAM file system fsync is free
// and the comparison says nothing.

#include "formats/LapRecordFile.h"

#include <benchmark/benchmark.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace velomark;

namespace {

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "bench_store: %s\n", what.c_str());
    std::exit(2);
}

// A record as a player who has driven every session would have it.
CircuitRecord fullRecord(int circuit, int variant) {
    CircuitRecord r;
    const char* sessionSetups[] = {"quick.set", "prac.set", "qual.set", "race.set"};
    for (int s = 0; s < 4; ++s) {
        const int ms = 23456 + circuit * 611 + s * 97 + variant * 13;
        char lap[16], s1[16], s2[16], s3[16];
        std::snprintf(lap, sizeof lap, "1.%02d.%03d", (ms / 1000) % 60, ms % 1000);
        std::snprintf(s1, sizeof s1, "28.%03d", (ms * 7) % 1000);
        std::snprintf(s2, sizeof s2, "1.02.%03d", (ms * 3) % 1000);
        std::snprintf(s3, sizeof s3, "%02d.%03d", 20 + s, (ms * 11) % 1000);
        r[s * 5 + 0] = lap;
        r[s * 5 + 1] = s1;
        r[s * 5 + 2] = s2;
        r[s * 5 + 3] = s3;
        r[s * 5 + 4] = sessionSetups[s];
    }
    return r;
}

std::string fullFileBytes() {
    LapRecordSet set;
    for (int c = 0; c < kCircuitsPerSet; ++c)
        set[c] = fullRecord(c + 1, 0);
    Result<std::string> bytes = composeLapRecordFile(set);
    if (!bytes)
        fail(bytes.error().message);
    return *bytes;
}

// A fresh directory holding set1.dat with all 16 records filled in; removed
// again when the process ends.
struct Workspace {
    fs::path dir;
    std::string setFile;
    std::string bytes;

    Workspace() {
        std::string pattern = (fs::temp_directory_path() / "velomark-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            fail("cannot create a temporary directory: " + std::string(std::strerror(errno)));
        dir = pattern;
        setFile = (dir / "set1.dat").string();
        bytes = fullFileBytes();
        writeSetFile();
    }
    ~Workspace() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    // Written once and flushed, so that no dirty page of the setup lands in
    // the first timed fsync. Saves keep the file whole, so it stays valid.
    void writeSetFile() const {
        const int fd = ::open(setFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0 ||
            ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) ||
            ::fsync(fd) != 0 || ::close(fd) != 0)
            fail("cannot write " + setFile + ": " + std::strerror(errno));
    }
};

Workspace& workspace() {
    static Workspace ws;
    return ws;
}

void BM_ReadLapRecordFile(benchmark::State& state) {
    Workspace& ws = workspace();
    for (auto _ : state) {
        Result<LapRecordSet> set = readLapRecordFile(ws.setFile);
        if (!set)
            fail(set.error().message);
        benchmark::DoNotOptimize(set);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(ws.bytes.size()));
}

void BM_ReadCircuitRecord16(benchmark::State& state) {
    Workspace& ws = workspace();
    for (auto _ : state) {
        Result<CircuitRecord> r = readCircuitRecord(ws.setFile, 16);
        if (!r)
            fail(r.error().message);
        benchmark::DoNotOptimize(r);
    }
}

void BM_SaveCircuitRecord7(benchmark::State& state) {
    Workspace& ws = workspace();
    // Two different new times alternate, so every save really changes the file.
    const CircuitRecord records[2] = {fullRecord(7, 1), fullRecord(7, 2)};
    int which = 0;
    for (auto _ : state) {
        Status saved = saveCircuitRecord(ws.setFile, "7", records[which]);
        if (!saved)
            fail(saved.error().message);
        which ^= 1;
    }
}

// The floor: the same number of bytes written aside, flushed and renamed over
// the file with nothing else around it.
void bareReplace(const std::string& scratch, const std::string& target, const std::string& bytes,
                 bool syncDirectory, const std::string& dir) {
    const int fd = ::open(scratch.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        fail("open " + scratch + ": " + std::strerror(errno));
    if (::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
        fail("write " + scratch + ": " + std::strerror(errno));
    if (::fsync(fd) != 0)
        fail("fsync " + scratch + ": " + std::strerror(errno));
    if (::close(fd) != 0)
        fail("close " + scratch + ": " + std::strerror(errno));
    if (::rename(scratch.c_str(), target.c_str()) != 0)
        fail("rename " + scratch + ": " + std::strerror(errno));
    if (syncDirectory) {
        const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
        if (dfd < 0 || ::fsync(dfd) != 0)
            fail("fsync " + dir + ": " + std::strerror(errno));
        ::close(dfd);
    }
}

void BM_BareWriteFsyncRename(benchmark::State& state) {
    Workspace& ws = workspace();
    const std::string scratch = (ws.dir / "scratch.dat").string();
    const std::string target = (ws.dir / "bare.dat").string();
    for (auto _ : state)
        bareReplace(scratch, target, ws.bytes, false, ws.dir.string());
}

// The same with the directory flushed too, as the save does so that the
// rename itself survives a power cut.
void BM_BareWriteFsyncRenameDirSync(benchmark::State& state) {
    Workspace& ws = workspace();
    const std::string scratch = (ws.dir / "scratch.dat").string();
    const std::string target = (ws.dir / "bare.dat").string();
    for (auto _ : state)
        bareReplace(scratch, target, ws.bytes, true, ws.dir.string());
}

constexpr int kRepetitions = 20;

} // namespace

BENCHMARK(BM_ReadLapRecordFile)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ReadCircuitRecord16)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_SaveCircuitRecord7)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_BareWriteFsyncRename)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_BareWriteFsyncRenameDirSync)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
