// hof2lap as built, on hot laps made by an independent encoder: the dump of
// each kind of file, the refusals in plain words, and the decompressor's limit.
#include "HotlapFixture.h"
#include "formats/DumpScanner.h"
#include "formats/HotlapFile.h"
#include "support/Files.h"

#include <doctest.h>

#include <map>

using namespace velomark::hotlap;
using namespace std::string_literals;
using namespace velomark::test;

namespace {
const std::string kPractice = " Hot lap for Interlagos\r\n  Session: Unlimited practice\r\n"
                              "  Lap time 1:23.456\r\n  split 1 0:41.123\r\n  split 2 1:02.345\r\n";
const std::string kTail = "  Lap 3, car 12\r\n";

// The detail lines of the fixture writer's lap, each "key: value", but for the
// values changed by key; extra follows them.
std::string details(std::map<std::string, std::string> changed = {},
                    const std::string& extra = {}) {
    std::string out;
    for (auto [key, value] : std::initializer_list<std::pair<std::string, std::string>>{
             {"Date GP2Lap wrote",
              "1998-05-17 14:03:22 (as it set up its records, before the lap)"},
             {"GP2Lap version", "1.15"},
             {"Track file", "standard, from slot 1, checksum 1A2B3C4D"},
             {"Steering help", "on"},
             {"Opposite-lock help", "off"},
             {"Lap flags", "none"},
             {"Driving-aid changes", "0"},
             {"Processor occupancy", "45% on average, 80% at the highest"},
             {"Slow motion", "0.00 s"},
             {"Fuel", "12 laps"},
             {"Weight", "1322 lb"}}) {
        out += "  " + key + ": " + (changed.contains(key) ? changed[key] : value) + "\r\n";
    }
    return out + extra;
}
const std::string kPits = "  The lap went through the pits: its splits are not times.\r\n";
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
         0, kPractice + kTail + details()},
        {"custom track, bad checksum",
         hotlapFile({.sum = FixtureSum::Wrong, .trackByte = 0x80, .session = kSaturdayQualifying,
                     .trackName = "Monza\r\nLap time 0:00.001", .split1 = 59999,
                     .split2 = 0x10000000, .lapTime = 602314}),
         0, " Hot lap for Monza??lap time 0:00.001\r\n  Session: Qualifying (Saturday)\r\n"
            "  Lap time 10:02.314\r\n  split 1 0:59.999\r\n" + kTail +
            "  Warning: the checksum does not match; the file may be damaged.\r\n" +
            details({{"Track file", "edited, from slot 1, checksum 1A2B3C4D"}}, kPits)},
        {"linked, through the pits",
         hotlapFile({.type = 15, .offsetMisses = true, .session = kRace, .split1 = 0x10000000,
                     .split2 = 0x10000000}),
         0, " Hot lap for Interlagos\r\n  Session: Race\r\n  Lap time 1:23.456\r\n" + kTail +
            "  Linked hot lap\r\n" + details({}, kPits)},
        {"plain", hotlapFile({.track = 15, .extension = false}), 0,
         " Hot lap for Adelaide\r\n"
         "  Times can only be read from hot laps saved with GP2Lap running.\r\n"
         "  The details GP2Lap records (driving aids, lap flags, slow motion...) are not in "
         "this file.\r\n"},
        {"log version 6", hotlapFile({.logVersion = 6 | 2 << 5}), 0,
         " Hot lap for Interlagos\r\n  Saved with GP2Lap log version 6.2; times can only "
         "be read from log version 7 (GP2Lap 1.14) on.\r\n  The details GP2Lap recorded "
         "(driving aids, lap flags, slow motion...) cannot be read either.\r\n"},
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

// A flag alone and all of them together, a lap through the pits, the aids,
// their changes and slow motion, as the dump's details say them.
TEST_CASE("details") {
    const std::string offTrack = "off track", pits = "through the pits";
    const struct {
        FixtureLap lap;
        std::string details;
    } rows[] = {
        {{.lapFlags = 0x01}, details({{"Lap flags", offTrack}})},
        {{.lapFlags = 0x02}, details({{"Lap flags", pits}}, kPits)},
        {{.lapFlags = 0x7F},
         details({{"Lap flags", offTrack + ", " + pits +
                                    ", detail level changed, no slow-down before the lap, F4 "
                                    "used, track map on, flags 0x40 of unknown meaning"}},
                 kPits)},
        {{.sessionFlags = 0x02, .aidChanges = 3, .slowMotion = 1205},
         details({{"Steering help", "off"},
                  {"Opposite-lock help", "on"},
                  {"Driving-aid changes", "3"},
                  {"Slow motion", "12.05 s"}})},
    };
    for (const auto& row : rows) {
        INFO(row.details);
        const auto lap = readHotlap(hotlapFile(row.lap), "AHOT.HL");
        REQUIRE(lap);
        CHECK(dumpText(*lap) == std::string(velomark::kDumpOpening) + "\r\n" + kPractice + kTail +
                                    row.details + std::string(velomark::kDumpClosing) + "\r\n");
    }
}
