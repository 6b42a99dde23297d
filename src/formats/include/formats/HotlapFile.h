// Reading GP2 hot-lap files (the container, its checksum, the compressed body
// and the records GP2Lap appends) and the text dump that the import scans.
//
// Every field is read byte by byte at a checked offset; nothing is ever cast
// onto the file's bytes, so no input can make the reader look past its end.
#pragma once

#include "files/Result.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velomark::hotlap {

// Hot laps are a few hundred kilobytes at most; anything far beyond is not one.
inline constexpr size_t kMaxFileSize = 4 * 1024 * 1024;
// A compressed body expands at most about fivefold; the cap keeps a hostile
// file from growing the output without end.
inline constexpr size_t kMaxBodySize = 24 * 1024 * 1024;

// The two 16-bit checksum words over bytes: their sum, and a word rotated
// left by 3 bits before each byte is added; continued from start.
struct Checksum {
    uint16_t sum = 0;
    uint16_t rotated = 0;
    bool operator==(const Checksum&) const = default;
};
Checksum checksumOf(std::string_view bytes, Checksum start = {});

// Expands a compressed body. Fails, in plain words without a file name, on a
// back-reference before the start of the output, on a reference cut off by the
// end of the input, and on output beyond limit.
Result<std::string> decompress(std::string_view body, size_t limit = kMaxBodySize);

// How much of the GP2Lap extension a file holds.
enum class Extension {
    None,     // a plain hot lap: no signature at the end of the body
    Damaged,  // the signature is there, the records are not where it says
    TooOld,   // records of a log version before 7, whose layout may differ
    Readable, // records read
};

// Session modes as GP2Lap writes them.
inline constexpr uint8_t kUnlimitedPractice = 0x00, kFridayPractice = 0x01, kWarmUp = 0x02,
                         kSaturdayPractice = 0x03, kFridayQualifying = 0x40,
                         kSaturdayQualifying = 0x44, kRace = 0x80;

// A time with any of these bits set is no time (a lap through the pits).
inline constexpr uint32_t kInvalidTimeMask = 0xF0000000;

// What GP2Lap marks on the lap (its lap record's flags), and in which words.
inline constexpr uint8_t kOffTrack = 0x01, kThroughPits = 0x02, kDetailChanged = 0x04,
                         kNoSlowDown = 0x08, kF4Used = 0x10, kTrackMapOn = 0x20;
struct LapFlagName {
    uint8_t flag;
    SourceText words;
};
inline constexpr LapFlagName kLapFlagNames[] = {
    {kOffTrack, VM_TEXT("HotLaps", "off track")},
    {kThroughPits, VM_TEXT("HotLaps", "through the pits")},
    {kDetailChanged, VM_TEXT("HotLaps", "detail level changed")},
    {kNoSlowDown, VM_TEXT("HotLaps", "no slow-down before the lap")},
    {kF4Used, VM_TEXT("HotLaps", "F4 used")},
    {kTrackMapOn, VM_TEXT("HotLaps", "track map on")},
};
SourceText lapFlagWords(uint8_t flag);

// The driving aids among the session record's flags.
inline constexpr uint32_t kSteeringHelp = 0x01, kOppositeLockHelp = 0x02;

struct HotlapLap {
    int trackNumber = 0;          // header byte: 0 Interlagos ... 15 Adelaide
    bool linked = false;          // file type 15
    bool checksumMatches = false; // over the file as stored or over the expanded body
    Extension extension = Extension::None;

    // From the extension: log version always once it is found, the rest when Readable.
    int logMajor = 0, logMinor = 0;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    uint32_t gp2LapVersion = 0; // major << 16 | minor << 8 | beta
    bool customTrack = false;
    std::string trackName; // custom tracks only; control characters replaced by '?'
    uint8_t sessionMode = 0;
    int lapNumber = 0, car = 0;
    uint32_t split1 = 0, split2 = 0, lapTime = 0; // milliseconds from the start of the lap

    // What else GP2Lap recorded about the lap (Readable only).
    int trackSlot = 0; // the slot the track was loaded from, as stored
    uint32_t trackChecksum = 0;
    uint32_t sessionFlags = 0; // kSteeringHelp, kOppositeLockHelp...
    uint8_t lapFlags = 0;      // kOffTrack...
    int weight = 0, fuel = 0;  // lb; laps
    uint32_t aidChanges = 0;
    int processorAverage = 0, processorHighest = 0; // percent
    int slowMotion = 0;                             // hundredths of a second
    bool throughPits() const {
        return (lapFlags & kThroughPits) != 0 || ((split1 | split2) & kInvalidTimeMask) != 0;
    }
};

// Reads a whole hot-lap file's bytes; name only goes into the messages.
Result<HotlapLap> readHotlap(std::string_view file, const std::string& name);

// The file at path, if it is a regular file no larger than kMaxFileSize.
Result<std::string> readHotlapFile(const std::string& path);

// m:ss.sss; 0:ss.sss under a minute, mm:ss.sss from ten minutes on.
std::string lapTimeText(uint32_t milliseconds);

// "Unlimited practice", "Qualifying (Friday)", "Race" ...
std::string sessionText(uint8_t mode);

// "1.25 s" for 125 hundredths.
std::string slowMotionText(int hundredths);

// What GP2Lap recorded about the lap beyond its session, times and circuit,
// one fact a line ("Slow motion: 1.25 s"), or the one line saying that the
// file holds none of it. No line holds a key of the import. The dump holds
// them in English, the windows show the sentences translated.
std::vector<Sentence> detailSentences(const HotlapLap& lap);
std::vector<std::string> detailLines(const HotlapLap& lap);

// The dump, one line ending in CR LF per fact, between the opening and closing
// lines by which the import knows a dump of ours to be whole. The import finds its five keys
// at fixed offsets ("Session:" value 9 characters after the key's first
// character, "Lap time" 9, "split 1" and "split 2" 8, "Hot lap for" 12), so
// each key line holds the key, one blank and the value; no other line holds a
// key. The details follow the import's lines; the closing line is the last.
std::string dumpText(const HotlapLap& lap);

} // namespace velomark::hotlap
