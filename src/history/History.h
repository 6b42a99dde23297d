// The dated history of every best: history.csv in the data folder, one row
// per session whose lap time a SAVE changed. The file is RFC 4180 CSV in
// UTF-8 with CR LF line ends and every field quoted, so that a row cut off by
// a crash always fails to parse and is skipped. Also what a SAVE says about
// the times it stored: how they compare with the ones they replace, and
// splits that cannot be right.
#pragma once

#include "catalogue/Circuits.h"
#include "store/FileOps.h"
#include "store/LapRecordFile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velomark {

inline constexpr const char* kHistoryFileName = "history.csv";
// A longer history is read from its last 64 MB.
inline constexpr std::size_t kHistoryReadLimit = 64u * 1024 * 1024;

// One CSV line: every field quoted, inner quotes doubled, ended by CR LF. A
// field that a spreadsheet would run as a formula (one that begins with =, +,
// -, @, a tab or a carriage return, after any apostrophes) is written with an
// apostrophe in front, so that it shows as text; parseCsvLine takes it off.
std::string csvLine(const std::vector<std::string>& fields);
bool needsFormulaGuard(std::string_view text);
// The fields of one line without its line end; nothing when the line is not
// well-formed CSV (an unclosed or stray quote).
std::optional<std::vector<std::string>> parseCsvLine(std::string_view line);

// A moment as the history writes it: local time with its UTC offset,
// 2026-11-02T21:15:03+01:00.
std::string isoTimestamp(std::int64_t unixSeconds, int utcOffsetSeconds);
std::string isoTimestampNow();
// Seconds since 1970 of such a text ("Z" or an offset); nothing when malformed.
std::optional<std::int64_t> parseIsoTimestamp(std::string_view text);

// One row of history.csv. Texts are UTF-8, as in the file.
struct HistoryRow {
    std::string when; // isoTimestamp
    Trackset set = Trackset::Standard;
    int circuit = 0; // 1 to 16
    std::string circuitName;
    RecordSession session = RecordSession::QuickRace;
    std::string lap, split1, split2, split3, setup;
};

// The header line, without its line end; its "+2nd split" guarded as csvLine guards
// every field that a spreadsheet would take for a formula.
inline constexpr std::string_view kHistoryHeader =
    "\"Date\",\"Trackset\",\"Circuit\",\"Circuit "
    "name\",\"Session\",\"Lap time\",\"1st "
    "split\",\"'+2nd split\",\"3rd split\",\"Setup\"";

std::string historyLine(const HistoryRow& row);

// The rows of one circuit.
struct HistoryFilter {
    Trackset set = Trackset::Standard;
    int circuit = 0;
};

// The rows of a history (of the filter's circuit only, when given), in file
// order. Lines that do not parse as a row (the header, a line cut off by a
// crash, a hand-edited line) are skipped; so is a last line without its line
// end, and, when the text was cut from a longer file, its first partial line.
std::vector<HistoryRow> parseHistory(std::string_view bytes, bool cutAtStart = false,
                                     const std::optional<HistoryFilter>& filter = std::nullopt);

// The bytes of the history, its last kHistoryReadLimit at most (cut tells).
// A missing history is empty; anything but a regular file is refused.
Result<std::string> readHistoryBytes(bool& cut, const std::string& path = kHistoryFileName,
                                     FileOps& ops = realFileOps());

struct HistoryRead {
    std::vector<HistoryRow> rows;
    bool cut = false; // only the last kHistoryReadLimit bytes were read
};
Result<HistoryRead> readHistory(const std::string& path = kHistoryFileName,
                                const std::optional<HistoryFilter>& filter = std::nullopt,
                                FileOps& ops = realFileOps());

// What a SAVE changed: the sessions whose lap time differs between the record
// before and after, and now holds a time. Texts are the files' 8-bit bytes.
struct SessionChange {
    RecordSession session;
    std::string before, after; // lap time texts
};
std::vector<SessionChange> changedLapTimes(const CircuitRecord& before, const CircuitRecord& after);

// The history rows of those changes, the record converted to UTF-8.
std::vector<HistoryRow> historyRows(const CircuitChoice& circuit, const CircuitRecord& after,
                                    const std::vector<SessionChange>& changes,
                                    const std::string& when);

// Appends rows to the history, writing the header first into a new or empty
// file, flushed to disk. Messages name the file.
Status appendHistory(const std::vector<HistoryRow>& rows,
                     const std::string& path = kHistoryFileName, FileOps& ops = realFileOps());

// Where a SAVE notes the rows it is about to add, before it replaces the lap
// record file; beside the history.
inline constexpr const char* kPendingHistoryName = "history.pending";

// What a SAVE of one circuit's record did: whether the times were saved, and
// whether the history took its rows (a failure there never undoes a save).
struct SaveWithHistory {
    Status saved;
    Status history;
};

// Saves the record of circuit into its lap record file (beside historyPath)
// and adds the rows of the lap times that changed since before to the
// history, in an order a crash at no instant can split: the rows are written
// to history.pending first, then the record file is replaced, then the rows
// are appended and history.pending removed. An earlier SAVE that a crash
// stopped is completed first.
SaveWithHistory saveRecordWithHistory(const CircuitChoice& circuit, const CircuitRecord& before,
                                      const CircuitRecord& after, const std::string& when,
                                      const std::string& historyPath = kHistoryFileName,
                                      FileOps& ops = realFileOps());

// Completes a SAVE that a crash stopped: when the lap record file holds the
// lap times that history.pending names, its rows not yet at the end of the
// history are added there (with the date of that SAVE); when it does not, the
// save never happened. Either way history.pending goes. Run before a circuit
// is opened and before every SAVE; a missing history.pending costs one look.
Status completePendingHistory(const std::string& historyPath = kHistoryFileName,
                              FileOps& ops = realFileOps());

// The date (2026-11-02) of the newest history row holding the time a change
// replaced, or "" when there is none. Reads back from the end of the history,
// so a save whose old time is recent reads little of it.
std::string previousDate(std::string_view historyBytes, const CircuitChoice& circuit,
                         const SessionChange& change);

// "Practice: 1.29.876, 0.412 s faster than 1.30.288 of 2026-11-02", the date
// left out when it is "". In the files' 8-bit text.
std::string improvementText(const SessionChange& change, const std::string& previousDate);

// Practice and Qualifying, where all three are times: a 1st split not below
// the +2nd split, or a +2nd split not below the lap time.
std::vector<std::string> splitWarnings(const CircuitRecord& record);

// The lap times of one circuit and session over time, oldest first, for the
// progress chart: rows whose date or lap time cannot be read are left out.
struct ProgressPoint {
    std::int64_t unixSeconds = 0;
    double seconds = 0;
    std::string lap, setup; // UTF-8
};
std::vector<ProgressPoint> progressPoints(const std::vector<HistoryRow>& history, Trackset set,
                                          int circuit, RecordSession session);

} // namespace velomark
