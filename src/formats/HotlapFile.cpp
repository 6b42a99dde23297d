// GP2 hot-lap files: container, checksum, decompression, GP2Lap records, dump.
#include "formats/HotlapFile.h"

#include "files/FileOps.h"
#include "formats/Circuits.h"
#include "formats/DumpScanner.h"

#include <algorithm>
#include <cstdio>

namespace velomark::hotlap {

namespace {

constexpr uint32_t kFileId = 0x853DA1BE;
constexpr uint32_t kExtensionSignature = 0xDE510D90;
constexpr size_t kHeaderSize = 32;
constexpr size_t kChecksumSize = 4;
constexpr size_t kExtensionTail = 12; // hash, offset, signature
constexpr size_t kExtensionSize = 175;

// Where each record starts within the extension, and its type byte.
constexpr size_t kInitAt = 0, kTrackAt = 34, kSessionAt = 81, kLapAt = 107;
constexpr uint8_t kInitType = 1, kTrackType = 2, kSessionType = 3, kLapType = 5;
constexpr size_t kTrackNameSize = 38;

// The caller has checked that at + size fits.
uint32_t readLe(std::string_view b, size_t at, size_t size) {
    uint32_t v = 0;
    for (size_t i = size; i-- > 0;)
        v = v << 8 | static_cast<uint8_t>(b[at + i]);
    return v;
}
uint8_t byteAt(std::string_view b, size_t at) {
    return static_cast<uint8_t>(b[at]);
}

// Whether the four records stand at offset at of body, before the tail.
bool recordsAt(std::string_view body, size_t at) {
    if (body.size() < kExtensionTail || at > body.size() - kExtensionTail ||
        body.size() - kExtensionTail - at < kExtensionSize)
        return false;
    return byteAt(body, at + kInitAt) == kInitType && byteAt(body, at + kTrackAt) == kTrackType &&
           byteAt(body, at + kSessionAt) == kSessionType && byteAt(body, at + kLapAt) == kLapType;
}

// The texts the import looks for in the dump; only the lines meant for them may hold them.
constexpr std::string_view kImportKeys[] = {"Session:", "Lap time", "split 1", "split 2",
                                            "Hot lap for"};

// A name as the dump may print it: up to its terminating zero, with no byte
// that could end a dump line and no key the import would take from it (its
// first letter changes case: the import compares keys case-sensitively).
std::string printableName(std::string_view raw) {
    std::string name(raw.substr(0, raw.find('\0')));
    for (char& c : name) {
        const auto u = static_cast<uint8_t>(c);
        if (u < 0x20 || u == 0x7F)
            c = '?';
    }
    for (std::string_view key : kImportKeys) {
        for (size_t at = name.find(key); at != std::string::npos; at = name.find(key, at + 1))
            name[at] = static_cast<char>(name[at] ^ 0x20);
    }
    return name;
}

void readLapRecord(std::string_view body, size_t record, HotlapLap& lap) {
    lap.lapNumber = byteAt(body, record + 1);
    lap.car = byteAt(body, record + 2) & 0x3F;
    lap.lapFlags = byteAt(body, record + 3);
    lap.split1 = readLe(body, record + 10, 4);
    lap.split2 = readLe(body, record + 14, 4);
    lap.lapTime = readLe(body, record + 18, 4);
    lap.weight = static_cast<int>(readLe(body, record + 22, 2));
    lap.fuel = static_cast<int>(readLe(body, record + 24, 2));
    lap.aidChanges = readLe(body, record + 28, 4);
    lap.processorAverage = static_cast<int>(readLe(body, record + 56, 2));
    lap.processorHighest = static_cast<int>(readLe(body, record + 58, 2));
    lap.slowMotion = static_cast<int>(readLe(body, record + 60, 2));
}

void readExtension(std::string_view body, HotlapLap& lap) {
    if (body.size() < kExtensionTail || readLe(body, body.size() - 4, 4) != kExtensionSignature)
        return;
    // The offset's base is not known for certain: take it as counted from the
    // start of the body, else the records that end right before the tail.
    const size_t stated = readLe(body, body.size() - 8, 4);
    const size_t fallback = body.size() - kExtensionTail - kExtensionSize; // wraps when short
    size_t at = 0;
    if (recordsAt(body, stated)) {
        at = stated;
    } else if (recordsAt(body, fallback)) {
        at = fallback;
    } else {
        lap.extension = Extension::Damaged;
        return;
    }
    const uint8_t log = byteAt(body, at + kInitAt + 1);
    lap.logMajor = log & 0x1F;
    lap.logMinor = log >> 5;
    if (lap.logMajor < 7) {
        lap.extension = Extension::TooOld;
        return;
    }
    lap.extension = Extension::Readable;

    const size_t init = at + kInitAt;
    lap.year = 1980 + byteAt(body, init + 2);
    lap.month = byteAt(body, init + 3);
    lap.day = byteAt(body, init + 4);
    lap.hour = byteAt(body, init + 5);
    lap.minute = byteAt(body, init + 6);
    lap.second = byteAt(body, init + 7);
    lap.gp2LapVersion = readLe(body, init + 26, 4);

    const size_t track = at + kTrackAt;
    lap.customTrack = (byteAt(body, track + 1) & 0x80) != 0;
    if (lap.customTrack)
        lap.trackName = printableName(body.substr(track + 7, kTrackNameSize));
    lap.trackSlot = byteAt(body, track + 2);
    lap.trackChecksum = readLe(body, track + 3, 4);

    lap.sessionMode = byteAt(body, at + kSessionAt + 1);
    lap.sessionFlags = readLe(body, at + kSessionAt + 4, 4);
    readLapRecord(body, at + kLapAt, lap);
}

std::string circuitName(const HotlapLap& lap) {
    if (lap.extension == Extension::Readable && lap.customTrack)
        return lap.trackName.empty() ? std::string("an unnamed custom track") : lap.trackName;
    if (lap.trackNumber < 16)
        return std::string(fixedCircuits(Trackset::Standard)[lap.trackNumber].name);
    return "track number " + std::to_string(lap.trackNumber);
}

void addLine(std::string& out, const std::string& line) {
    out += line;
    out += "\r\n";
}

std::string twoDigits(int v) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02d", v);
    return buffer;
}

std::string gp2LapVersionText(uint32_t v) {
    std::string text =
        std::to_string(v >> 16 & 0xFF) + '.' + twoDigits(static_cast<int>(v >> 8 & 0xFF));
    if ((v & 0xFF) != 0)
        text += " beta " + std::to_string(v & 0xFF);
    return text;
}

std::string dateText(const HotlapLap& lap) {
    return std::to_string(lap.year) + '-' + twoDigits(lap.month) + '-' + twoDigits(lap.day) + ' ' +
           twoDigits(lap.hour) + ':' + twoDigits(lap.minute) + ':' + twoDigits(lap.second);
}

Sentence onOff(uint32_t flags, uint32_t flag) {
    return (flags & flag) != 0 ? VM_TEXT("HotLaps", "on") : VM_TEXT("HotLaps", "off");
}

Sentence lapFlagsSentence(uint8_t flags) {
    std::vector<Sentence> named;
    uint8_t known = 0;
    for (const LapFlagName& f : kLapFlagNames) {
        known |= f.flag;
        if (flags & f.flag)
            named.emplace_back(f.words);
    }
    if (const int other = flags & ~known; other != 0) {
        char buffer[8];
        std::snprintf(buffer, sizeof buffer, "%02X", other);
        named.emplace_back(VM_TEXT("HotLaps", "flags 0x%1 of unknown meaning"),
                           std::vector<SentenceValue>{buffer});
    }
    return named.empty() ? Sentence(VM_TEXT("HotLaps", "none")) : listOf(named);
}

std::string checksumText(uint32_t v) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%08X", v);
    return buffer;
}

} // namespace

SourceText lapFlagWords(uint8_t flag) {
    for (const LapFlagName& f : kLapFlagNames)
        if (f.flag == flag)
            return f.words;
    return {"HotLaps", ""};
}

std::string slowMotionText(int hundredths) {
    return std::to_string(hundredths / 100) + '.' + twoDigits(hundredths % 100) + " s";
}

std::vector<Sentence> detailSentences(const HotlapLap& lap) {
    switch (lap.extension) {
    case Extension::None:
        return {VM_TEXT("HotLaps", "The details GP2Lap records (driving aids, lap flags, slow "
                                   "motion...) are not in this file.")};
    case Extension::Damaged:
    case Extension::TooOld:
        return {VM_TEXT("HotLaps", "The details GP2Lap recorded (driving aids, lap flags, slow "
                                   "motion...) cannot be read either.")};
    case Extension::Readable:
        break;
    }
    // The track is known to be edited only by GP2Lap's mark; the slot counts
    // from 1 as the circuits do, as the track number beside it does.
    const Sentence track =
        lap.customTrack ? VM_TEXT("HotLaps", "edited") : VM_TEXT("HotLaps", "standard");
    std::vector<Sentence> lines{
        {VM_TEXT("HotLaps", "Date GP2Lap wrote: %1 (as it set up its records, before the lap)"),
         {dateText(lap)}},
        {VM_TEXT("HotLaps", "GP2Lap version: %1"), {gp2LapVersionText(lap.gp2LapVersion)}},
        {VM_TEXT("HotLaps", "Track file: %1, from slot %2, checksum %3"),
         {track, lap.trackSlot + 1, checksumText(lap.trackChecksum)}},
        {VM_TEXT("HotLaps", "Steering help: %1"), {onOff(lap.sessionFlags, kSteeringHelp)}},
        {VM_TEXT("HotLaps", "Opposite-lock help: %1"),
         {onOff(lap.sessionFlags, kOppositeLockHelp)}},
        {VM_TEXT("HotLaps", "Lap flags: %1"), {lapFlagsSentence(lap.lapFlags)}},
        {VM_TEXT("HotLaps", "Driving-aid changes: %1"), {lap.aidChanges}},
        {VM_TEXT("HotLaps", "Processor occupancy: %1% on average, %2% at the highest"),
         {lap.processorAverage, lap.processorHighest}},
        {VM_TEXT("HotLaps", "Slow motion: %1"), {slowMotionText(lap.slowMotion)}},
        {VM_TEXT("HotLaps", "Fuel: %1 laps"), {lap.fuel}},
        {VM_TEXT("HotLaps", "Weight: %1 lb"), {lap.weight}},
    };
    if (lap.throughPits())
        lines.emplace_back(
            VM_TEXT("HotLaps", "The lap went through the pits: its splits are not times."));
    return lines;
}

std::vector<std::string> detailLines(const HotlapLap& lap) {
    std::vector<std::string> lines;
    for (const Sentence& line : detailSentences(lap))
        lines.push_back(line.english());
    return lines;
}

Checksum checksumOf(std::string_view bytes, Checksum start) {
    Checksum c = start;
    for (char ch : bytes) {
        const auto b = static_cast<uint8_t>(ch);
        c.sum = static_cast<uint16_t>(c.sum + b);
        c.rotated = static_cast<uint16_t>(((c.rotated << 3) | (c.rotated >> 13)) + b);
    }
    return c;
}

Result<std::string> decompress(std::string_view body, size_t limit) {
    const Error tooLarge{
        ErrorKind::Short,
        Sentence(VM_TEXT("HotLaps", "the compressed data expands beyond %1 bytes"), {limit})};
    std::string out;
    out.reserve(std::min(limit, body.size() * 3));
    size_t in = 0;
    while (in < body.size()) {
        const uint8_t flags = byteAt(body, in++);
        for (int item = 0; item < 8 && in < body.size(); ++item) {
            if ((flags >> item & 1) == 0) {
                if (out.size() >= limit)
                    return tooLarge;
                out.push_back(body[in++]);
                continue;
            }
            if (body.size() - in < 2)
                return Error{ErrorKind::Short,
                             Sentence(VM_TEXT("HotLaps", "the compressed data ends inside a "
                                                         "back-reference"))};
            const uint32_t token = readLe(body, in, 2);
            in += 2;
            const size_t distance = (token & 0x1FFF) + 1;
            const size_t length = (token >> 13) + 3;
            if (distance > out.size())
                return Error{ErrorKind::Short,
                             Sentence(VM_TEXT("HotLaps", "the compressed data refers back to "
                                                         "before its own start"))};
            if (limit - out.size() < length)
                return tooLarge;
            // Byte by byte: a copy may overlap the bytes it is producing.
            for (size_t from = out.size() - distance, k = 0; k < length; ++k)
                out.push_back(out[from + k]);
        }
    }
    return out;
}

Result<HotlapLap> readHotlap(std::string_view file, const std::string& name) {
    auto fail = [&](SourceText why, std::vector<SentenceValue> more = {}) {
        more.insert(more.begin(), utf8Text(name));
        return Error{ErrorKind::Short, Sentence(why, std::move(more))};
    };
    if (file.size() < 4 || readLe(file, 0, 4) != kFileId)
        return fail(VM_TEXT("HotLaps", "The file %1 is not a GP2 file."));
    if (file.size() < kHeaderSize + kChecksumSize)
        return fail(VM_TEXT("HotLaps", "The file %1 is cut short: it ends inside its header."));
    const uint8_t type = byteAt(file, 4);
    if ((type & 0x0F) != 14 && (type & 0x0F) != 15)
        return fail(VM_TEXT("HotLaps", "The file %1 is a GP2 file but not a hot lap."));

    HotlapLap lap;
    lap.linked = (type & 0x0F) == 15;
    lap.trackNumber = byteAt(file, 5);

    const std::string_view stored = file.substr(0, file.size() - kChecksumSize);
    const Checksum expected{static_cast<uint16_t>(readLe(file, stored.size(), 2)),
                            static_cast<uint16_t>(readLe(file, stored.size() + 2, 2))};
    std::string_view body = stored.substr(kHeaderSize);
    std::string expanded;
    lap.checksumMatches = checksumOf(stored) == expected;
    if (type & 0x80) {
        Result<std::string> plain = decompress(body);
        if (!plain)
            return fail(VM_TEXT("HotLaps", "The file %1 cannot be read: %2."),
                        {plain.error().text});
        expanded = std::move(plain).value();
        body = expanded;
        // Whether the checksum covers the stored or the expanded body is not
        // known: either matching is good enough.
        if (!lap.checksumMatches)
            lap.checksumMatches =
                checksumOf(expanded, checksumOf(stored.substr(0, kHeaderSize))) == expected;
    }
    readExtension(body, lap);
    return lap;
}

Result<std::string> readHotlapFile(const std::string& path) {
    Result<std::string> bytes = readHead(path, kMaxFileSize + 1);
    if (bytes && bytes->size() > kMaxFileSize)
        return Error{
            ErrorKind::TooLarge,
            Sentence(VM_TEXT("HotLaps", "The file %1 is too large for a hot lap (over %2 MB)."),
                     {utf8Text(path), kMaxFileSize / (1024 * 1024)})};
    return bytes;
}

std::string lapTimeText(uint32_t milliseconds) {
    const uint32_t minutes = milliseconds / 60000;
    const uint32_t rest = milliseconds % 60000;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%u:%02u.%03u", minutes, rest / 1000, rest % 1000);
    return buffer;
}

std::string sessionText(uint8_t mode) {
    switch (mode) {
    case kUnlimitedPractice:
        return "Unlimited practice";
    case kFridayPractice:
        return "Friday practice";
    case kWarmUp:
        return "Warm-up";
    case kSaturdayPractice:
        return "Saturday practice";
    case kFridayQualifying:
        return "Qualifying (Friday)";
    case kSaturdayQualifying:
        return "Qualifying (Saturday)";
    case kRace:
        return "Race";
    default:
        return "unknown, mode " + std::to_string(mode);
    }
}

std::string dumpText(const HotlapLap& lap) {
    std::string out;
    addLine(out, std::string(kDumpOpening));
    addLine(out, " Hot lap for " + circuitName(lap));
    switch (lap.extension) {
    case Extension::None:
        addLine(out, "  Times can only be read from hot laps saved with GP2Lap running.");
        break;
    case Extension::Damaged:
        addLine(out, "  The GP2Lap records of this hot lap are damaged; no times can be read.");
        break;
    case Extension::TooOld:
        addLine(out, "  Saved with GP2Lap log version " + std::to_string(lap.logMajor) + '.' +
                         std::to_string(lap.logMinor) +
                         "; times can only be read from log version 7 (GP2Lap 1.14) on.");
        break;
    case Extension::Readable:
        addLine(out, "  Session: " + sessionText(lap.sessionMode));
        if ((lap.lapTime & kInvalidTimeMask) == 0)
            addLine(out, "  Lap time " + lapTimeText(lap.lapTime));
        if ((lap.split1 & kInvalidTimeMask) == 0)
            addLine(out, "  split 1 " + lapTimeText(lap.split1));
        if ((lap.split2 & kInvalidTimeMask) == 0)
            addLine(out, "  split 2 " + lapTimeText(lap.split2));
        addLine(out, "  Lap " + std::to_string(lap.lapNumber) + ", car " + std::to_string(lap.car));
        break;
    }
    if (lap.linked)
        addLine(out, "  Linked hot lap");
    if (!lap.checksumMatches)
        addLine(out, "  Warning: the checksum does not match; the file may be damaged.");
    for (const std::string& line : detailLines(lap))
        addLine(out, "  " + line);
    addLine(out, std::string(kDumpClosing));
    return out;
}

} // namespace velomark::hotlap
