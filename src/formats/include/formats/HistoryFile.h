// The dated history of every best: history.csv in the data folder, one row
// per session whose lap time a SAVE changed. The file is RFC 4180 CSV in
// UTF-8 (formats/Csv.h) with CR LF line ends and every field quoted, so that a
// row cut off by a crash always fails to parse and is skipped.
#pragma once

#include "files/FileOps.h"
#include "formats/Circuits.h"
#include "formats/LapRecordFile.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velomark {

inline constexpr const char* kHistoryFileName = "history.csv";
// A longer history is read from its last 64 MB.
inline constexpr std::size_t kHistoryReadLimit = 64u * 1024 * 1024;

// One row of history.csv. Texts are UTF-8, as in the file.
struct HistoryRow {
    std::string when; // as isoTimestamp writes it
    Trackset set = Trackset::Standard;
    int circuit = 0; // 1 to 16
    std::string circuitName;
    RecordSession session = RecordSession::QuickRace;
    std::string lap, split1, split2, split3, setup;
};

// The header line, without its line end; its "+2nd split" guarded as csvLine
// guards every field that a spreadsheet would take for a formula.
inline constexpr std::string_view kHistoryHeader =
    "\"Date\",\"Trackset\",\"Circuit\",\"Circuit "
    "name\",\"Session\",\"Lap time\",\"1st "
    "split\",\"'+2nd split\",\"3rd split\",\"Setup\"";

std::string historyLine(const HistoryRow& row);

// The rows of one circuit (of every circuit when circuit is 0), and of one
// session only when session is given.
struct HistoryFilter {
    Trackset set = Trackset::Standard;
    int circuit = 0;
    std::optional<RecordSession> session = std::nullopt;
};

// The rows of a history (of the filter's circuit only, when given), in file
// order. Lines may end in CR LF, LF or CR alone. Lines that do not parse as a
// row (the header, a line cut off by a crash, a hand-edited line) are skipped;
// so is a last line without its line end, and, when the text was cut from a
// longer file, its first partial line.
std::vector<HistoryRow> parseHistory(std::string_view bytes, bool cutAtStart = false,
                                     const std::optional<HistoryFilter>& filter = std::nullopt);

// The bytes of the history, its last `limit` at most (cut tells). A missing
// history is empty; anything but a regular file is refused.
Result<std::string> readHistoryBytes(bool& cut, const std::string& path = kHistoryFileName,
                                     FileOps& ops = realFileOps(),
                                     std::size_t limit = kHistoryReadLimit);

struct HistoryRead {
    std::vector<HistoryRow> rows;
    bool cut = false; // only the last bytes were read
};
Result<HistoryRead> readHistory(const std::string& path = kHistoryFileName,
                                const std::optional<HistoryFilter>& filter = std::nullopt,
                                FileOps& ops = realFileOps(),
                                std::size_t limit = kHistoryReadLimit);

// The history read from its end back in chunks of this size: a board whose
// bests were all set lately reads one.
inline constexpr std::size_t kHistoryChunk = 1024 * 1024;

// Hands the rows of the history (of the filter's circuit and session only)
// to take, newest first, until take returns false or the history's start is
// reached. What parseHistory skips is skipped, and so is a line longer than
// any row can be (kMaxDataFileBytes). A missing history has no rows.
Status readHistoryBackwards(const std::string& path, const HistoryFilter& filter,
                            const std::function<bool(const HistoryRow&)>& take,
                            FileOps& ops = realFileOps(), std::size_t chunk = kHistoryChunk);

// Appends rows to the history, writing the header first into a new or empty
// file, flushed to disk. Messages name the file.
Status appendHistory(const std::vector<HistoryRow>& rows,
                     const std::string& path = kHistoryFileName, FileOps& ops = realFileOps());

// A session whose lap time a SAVE changed. Texts are the files' 8-bit bytes.
struct SessionChange {
    RecordSession session;
    std::string before, after; // lap time texts
};

// The date (2026-11-02) of the newest history row holding the time a change
// replaced, or "" when there is none. Reads back from the end of the history,
// so a save whose old time is recent reads little of it.
std::string previousDate(std::string_view historyBytes, const CircuitChoice& circuit,
                         const SessionChange& change);

} // namespace velomark
