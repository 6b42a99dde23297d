// Saves one circuit of a lap record file over and over, with its history,
// alternating between two records, so that scripts/crash-save.sh can kill it
// at random instants and check that the file is always one of the two whole
// contents and that the history agrees with it.
//
//   crash_save_driver DIR init    writes DIR/set1.dat and the two contents it may
//                                 hold, DIR/expect-a.dat and DIR/expect-b.dat
//   crash_save_driver DIR run     takes the data folder lock, then saves until
//                                 killed; ends with 2 on a failed save, 3 when
//                                 the lock is held (a killed copy must not keep it)
//   crash_save_driver DIR check   completes what a killed save left, as opening
//                                 the circuit does, then checks that every session's
//                                 history rows alternate between the two times and
//                                 end with the stored one; ends with 4 when not,
//                                 prints "completed" when a save was completed

#include "files/DataFolderLock.h"
#include "formats/LapRecordFile.h"
#include "laps/SaveTimes.h"

#include <cstdio>
#include <string>

#include <unistd.h>

using namespace velomark;

namespace {

const CircuitChoice kCircuit{Trackset::Standard, 7, "Seven\nLand"};

// Circuit 7 as one of two players' sessions would leave it.
CircuitRecord record(char variant) {
    CircuitRecord r;
    for (size_t i = 0; i < r.size(); ++i)
        r[i] = std::string(i % 5 == 4 ? "setup-" : "1.2") + variant + std::to_string(i);
    return r;
}

// Blank lines around one hand-edited line, so that a save also copies a line
// byte for byte.
std::string baseFile() {
    std::string bytes = blankLapRecordFile();
    const std::string odd = "\"1.31.200\",,,, my\"best ,\"\"";
    std::string line = odd;
    for (int i = 7; i <= kFieldsPerRecord; ++i)
        line += ",\"\"";
    return bytes.replace(2 * 61, 61, line + "\n");
}

bool writeFile(const std::string& path, const std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    const bool ok = f && std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return f && std::fclose(f) == 0 && ok;
}

int fail(const std::string& what, int code) {
    std::fprintf(stderr, "crash_save_driver: %s\n", what.c_str());
    return code;
}

int init(const CircuitRecord (&records)[2]) {
    Result<std::string> a = rewriteLapRecordFile(baseFile(), "set1.dat", "7", records[0]);
    Result<std::string> b = rewriteLapRecordFile(baseFile(), "set1.dat", "7", records[1]);
    if (!a || !b)
        return fail("the two contents cannot be composed", 1);
    if (!writeFile("set1.dat", *a) || !writeFile("expect-a.dat", *a) ||
        !writeFile("expect-b.dat", *b))
        return fail("cannot write the starting files", 1);
    return 0;
}

int run(const CircuitRecord (&records)[2]) {
    DataFolderLock lock;
    if (Status held = lock.acquire(); !held)
        return fail(held.error().message, 3);
    Result<CircuitRecord> stored = readCircuitRecord("set1.dat", 7);
    if (!stored)
        return fail(stored.error().message, 2);
    CircuitRecord before = *stored;
    for (;;) {
        const CircuitRecord& after = before == records[0] ? records[1] : records[0];
        const SavedTimes saved = saveTimes(kCircuit, before, after);
        if (!saved.saved)
            return fail(saved.saved.error().message, 2);
        if (!saved.history)
            return fail(saved.history.error().message, 2);
        before = after;
    }
}

int check(const CircuitRecord& initial) {
    const bool pending = ::access(kPendingHistoryName, F_OK) == 0;
    if (Status done = completePendingHistory(); !done)
        return fail(done.error().message, 4);
    const Result<CircuitRecord> stored = readCircuitRecord("set1.dat", 7);
    const Result<HistoryRead> history = readHistory();
    if (!stored || !history)
        return fail("set1.dat or the history cannot be read", 4);
    for (RecordSession s : kRecordSessions) {
        std::string last;
        for (const HistoryRow& r : history->rows) {
            if (r.session != s)
                continue;
            if (r.lap == last)
                return fail("two rows in a row for " + r.lap + ": a row too many", 4);
            last = r.lap;
        }
        // No row yet: the record must still be the one init wrote.
        const size_t lap = fieldIndex(s, RecordField::Lap);
        const std::string now = textOf((*stored)[lap]);
        if (last.empty() ? now != textOf(initial[lap]) : last != now)
            return fail("the stored " + now + " has no row; the last one is " + last, 4);
    }
    if (pending)
        std::puts("completed");
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 || ::chdir(argv[1]) != 0)
        return fail("usage: crash_save_driver DIR init|run|check", 1);
    const std::string mode = argv[2];
    const CircuitRecord records[2] = {record('a'), record('b')};
    if (mode == "init")
        return init(records);
    if (mode == "run")
        return run(records);
    if (mode == "check")
        return check(records[0]);
    return fail("usage: crash_save_driver DIR init|run|check", 1);
}
