// Saves one circuit of a lap record file over and over, alternating between two
// records, so that scripts/crash-save.sh can kill it at random instants and
// check that the file is always one of the two whole contents.
//
//   crash_save_driver DIR init   writes DIR/set1.dat and the two contents it may
//                                hold, DIR/expect-a.dat and DIR/expect-b.dat
//   crash_save_driver DIR run    takes the data folder lock, then saves until
//                                killed; ends with 2 on a failed save, 3 when
//                                the lock is held (a killed copy must not keep it)

#include "store/FileOps.h"
#include "store/LapRecordFile.h"

#include <cstdio>
#include <string>

#include <unistd.h>

using namespace velomark;

namespace {

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

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 || ::chdir(argv[1]) != 0)
        return fail("usage: crash_save_driver DIR init|run", 1);
    const std::string mode = argv[2];
    const CircuitRecord records[2] = {record('a'), record('b')};

    if (mode == "init") {
        Result<std::string> a = rewriteLapRecordFile(baseFile(), "set1.dat", "7", records[0]);
        Result<std::string> b = rewriteLapRecordFile(baseFile(), "set1.dat", "7", records[1]);
        if (!a || !b)
            return fail("the two contents cannot be composed", 1);
        if (!writeFile("set1.dat", *a) || !writeFile("expect-a.dat", *a) ||
            !writeFile("expect-b.dat", *b))
            return fail("cannot write the starting files", 1);
        return 0;
    }
    if (mode != "run")
        return fail("usage: crash_save_driver DIR init|run", 1);

    DataFolderLock lock;
    if (Status held = lock.acquire(); !held)
        return fail(held.error().message, 3);
    for (unsigned long n = 1;; ++n) {
        if (Status saved = saveCircuitRecord("set1.dat", "7", records[n % 2]); !saved)
            return fail(saved.error().message, 2);
    }
}
