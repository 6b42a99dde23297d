// Reading the hof2lap dump: its first lines, the five keys cut out of them at
// fixed offsets, the session mapping, and the time conversion tchange.
#pragma once

#include "files/Result.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace velomark {

// What the import window shows of a dumped lap.
struct DumpFields {
    std::string session, lap, split1, split2, circuit;
    bool operator==(const DumpFields&) const = default;
};

// The first and last line of the dump our own hof2lap writes. Neither holds
// a key. A dump that opens with the first line is whole only when it holds
// the last one too; another tool's dump is taken as it is.
inline constexpr std::string_view kDumpOpening = " GP2 hot lap read by the hof2lap of Velomark";
inline constexpr std::string_view kDumpClosing = " End of the dump";
bool dumpComplete(std::string_view text);

// Only the dump's first lines are read.
inline constexpr int kDumpLineLimit = 19;
// hof2lap writes a few hundred bytes; what lies beyond this is never looked at.
inline constexpr size_t kDumpByteLimit = 64 * 1024;

// "Unlim..." becomes "Practice", "Quali..." "Qualifying", "Race..."
// "Race/Quickrace"; any other session stays as it is.
void mapSession(std::string& session);

// What INSERT makes of a mapped session: the fields of Practice or
// Qualifying, the choice between Race and QuickRace, or nothing at all (a
// warm-up, a plain hot lap without times).
enum class HotlapSession { Practice, Qualifying, RaceOrQuickRace, None };
HotlapSession hotlapSession(std::string_view mapped);

// Finds the first occurrence of each key in line and lets its value replace
// the field; then maps the session.
void scanDumpLine(std::string_view line, DumpFields& fields);

// The dump's lines, as the import reads them one at a time. A line ends at a
// carriage return; a line feed right after it belongs to neither line, and a
// lone line feed is part of its line. Text after the last carriage return is
// one more line, so a dump that does not end in CR still has its last line
// read; the read after it is the one that finds the end.
class DumpLines {
  public:
    explicit DumpLines(std::string_view text) : m_text(text) {}

    // The next line, or nothing after the last one or after kDumpLineLimit lines.
    std::optional<std::string_view> next();
    int count() const { return m_count; }

  private:
    std::string_view m_text;
    size_t m_pos = 0;
    int m_count = 0;
};

// Every line that DumpLines gives, scanned into empty fields (no tchange).
DumpFields scanDump(std::string_view text);

// A dump read a line at a time, as the import window fills its fields while
// the player watches: the fields after each line are those scanDump gives
// for the lines read so far. It keeps the text its lines point into.
class DumpReading {
  public:
    explicit DumpReading(std::string text) : m_text(std::move(text)), m_lines(m_text) {}
    DumpReading(const DumpReading&) = delete;
    DumpReading& operator=(const DumpReading&) = delete;

    // Scans the next line into the fields; false when none is left to read.
    bool readLine();
    const DumpFields& fields() const { return m_fields; }

  private:
    std::string m_text;
    DumpLines m_lines;
    DumpFields m_fields;
};

// At most kDumpByteLimit bytes of the dump file (a regular file).
Result<std::string> readDumpFile(const std::string& path);

// The time conversion run when an extraction finishes: a leading "0:" is
// dropped from both splits (not from the lap), then every ':' becomes '.'.
void tchange(DumpFields& fields);

} // namespace velomark
