// hof2lap as built, on hot laps made by an independent encoder: the dump of
// each kind of file, the refusals in plain words, and the decompressor's limit.
#include "HotlapFile.h"
#include "HotlapFixture.h"
#include "hotlap/DumpScanner.h"
#include "support/Files.h"

#include <doctest.h>

using namespace velomark::hotlap;
using namespace std::string_literals;
using namespace velomark::test;

namespace {
const std::string kPractice = " Hot lap for Interlagos\r\n  Session: Unlimited practice\r\n"
                              "  Lap time 1:23.456\r\n  split 1 0:41.123\r\n  split 2 1:02.345\r\n";
const std::string kTail = "  Lap 3, car 12\r\n  Saved 1998-05-17 14:03:22 with GP2Lap 1.15\r\n";
} // namespace

TEST_CASE("decompressor") {
    CHECK(!decompress(lzCompress(std::string(1000, 'x')), 999));
    CHECK(decompress(lzCompress(std::string(1000, 'x')), 1000));
}

TEST_CASE("tool") {
    const std::string compressed = hotlapFile({.compressed = true}).substr(0, 32);
    const struct {
        const char* name;
        std::string file; // AHOT.HL, none when empty
        int status;
        std::string out; // the dump, or why the file is refused
    } rows[] = {
        // clang-format off
        {"compressed",
         hotlapFile({.compressed = true, .sum = FixtureSum::OverExpanded, .replaySize = 30000}),
         0, kPractice + kTail},
        {"custom track, bad checksum",
         hotlapFile({.sum = FixtureSum::Wrong, .trackByte = 0x80, .session = kSaturdayQualifying,
                     .trackName = "Monza\r\nLap time 0:00.001", .split1 = 59999,
                     .split2 = 0x10000000, .lapTime = 602314}),
         0, " Hot lap for Monza??lap time 0:00.001\r\n  Session: Qualifying (Saturday)\r\n"
            "  Lap time 10:02.314\r\n  split 1 0:59.999\r\n" + kTail +
            "  Warning: the checksum does not match; the file may be damaged.\r\n"},
        {"linked, through the pits",
         hotlapFile({.type = 15, .offsetMisses = true, .session = kRace, .split1 = 0x10000000,
                     .split2 = 0x10000000}),
         0, " Hot lap for Interlagos\r\n  Session: Race\r\n  Lap time 1:23.456\r\n" + kTail +
            "  Linked hot lap\r\n"},
        {"plain", hotlapFile({.track = 15, .extension = false}), 0,
         " Hot lap for Adelaide\r\n"
         "  Times can only be read from hot laps saved with GP2Lap running.\r\n"},
        {"log version 6", hotlapFile({.logVersion = 6 | 2 << 5}), 0,
         " Hot lap for Interlagos\r\n  Saved with GP2Lap log version 6.2; times can only "
         "be read from log version 7 (GP2Lap 1.14) on.\r\n"},
        {"missing", "", 1, "cannot be opened: " + missingFileReason()},
        {"text", "plain text", 1, "is not a GP2 file"},
        {"not a hot lap", hotlapFile({.type = 5}), 1, "is a GP2 file but not a hot lap"},
        {"cut short", hotlapFile({}).substr(0, 35), 1, "is cut short: it ends inside its header"},
        {"before the start", compressed + "\x01\x05\x00SUMS"s, 1,
         "cannot be read: the compressed data refers back to before its own start"},
        {"inside a reference", compressed + "\x02x\x05SUMS"s, 1,
         "cannot be read: the compressed data ends inside a back-reference"},
        {"too large", hotlapFile({}) + std::string(kMaxFileSize, '\0'), 1,
         "is too large for a hot lap (over 4 MB)"},
        // clang-format on
    };
    for (const auto& row : rows) {
        INFO(std::string(row.name));
        WorkDir dir;
        REQUIRE((row.file.empty() || writeBytes("AHOT.HL", row.file)));
        const Ran hof2lap = runProgram(HOF2LAP_PATH, {"AHOT.HL"});
        CHECK(hof2lap.status == row.status);
        // Every dump of ours opens and closes with the lines that tell the import it is whole.
        const std::string whole = std::string(velomark::kDumpOpening) + "\r\n" + row.out +
                                  std::string(velomark::kDumpClosing) + "\r\n";
        CHECK(hof2lap.out == (row.status == 0 ? whole : ""));
        CHECK(hof2lap.err ==
              (row.status == 0 ? "" : "hof2lap: The file AHOT.HL " + row.out + ".\n"));
    }
}
