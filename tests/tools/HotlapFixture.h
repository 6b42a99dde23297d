// Builds GP2 hot-lap files from values, laid out as GP2 and GP2Lap write them,
// so that hof2lap is tested on bytes it did not write itself.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velomark::test {

enum class FixtureSum { OverStored, OverExpanded, Wrong };

struct FixtureLap {
    uint8_t type = 14, track = 0; // 14 hot lap, 15 linked, 5 to 13 other files; header track
    bool compressed = false, extension = true;
    bool offsetMisses = false; // the stated offset is wrong: the records must be found from the end
    FixtureSum sum = FixtureSum::OverStored;
    size_t replaySize = 700; // replay-like bytes before the records
    uint8_t logVersion = 7 | 5 << 5, trackByte = 0, session = 0, lapNumber = 3, car = 0xC0 | 12;
    std::string trackName = "<no track name>";
    uint32_t split1 = 41123, split2 = 62345, lapTime = 83456;
    // The lap record's flags, the session's (steering help on), and what GP2Lap counted.
    uint8_t lapFlags = 0;
    uint32_t sessionFlags = 0x01, aidChanges = 0;
    uint16_t slowMotion = 0; // hundredths of a second
};

// Greedy LZ: at each byte the longest match (3 to 10 bytes, up to 8192 back, the
// farthest first), which overlaps the bytes it produces inside runs.
std::string lzCompress(std::string_view data);
std::string hotlapFile(const FixtureLap& lap);

} // namespace velomark::test
