#include "formats/HistoryFile.h"

#include "formats/Cp1252.h"
#include "formats/Csv.h"
#include "formats/Dates.h"
#include "formats/LineEnds.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace velomark {

namespace {

constexpr size_t kHistoryColumns = 10;

} // namespace

std::string historyLine(const HistoryRow& r) {
    return csvLine({r.when, std::string(tracksetName(r.set)), std::to_string(r.circuit),
                    r.circuitName, std::string(recordSessionName(r.session)), r.lap, r.split1,
                    r.split2, r.split3, r.setup});
}

namespace {

// What a record of the history turned out to be.
enum class Parsed { NotARow, OtherCircuit, Row };

// One record of the history without its line end: a row (of the filter's
// circuit, when there is one). The fields are only copied out once the row
// is known to be wanted, so a filtered read of a long history is fast.
Parsed parseRow(std::string_view line, std::vector<CsvField>& fields, const HistoryFilter* filter,
                HistoryRow& row) {
    while (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    // A row of the session wanted holds its name; a line without it is
    // passed over unsplit, which makes one session's read of a long history fast.
    if (filter && filter->session &&
        line.find(recordSessionName(*filter->session)) == std::string_view::npos)
        return Parsed::OtherCircuit;
    if (!splitCsvLine(line, fields) || fields.size() != kHistoryColumns)
        return Parsed::NotARow;
    const auto set = tracksetNamed(fields[1].text);
    const auto session = recordSessionNamed(fields[4].text);
    int circuit = 0;
    const std::string_view number = fields[2].text;
    const auto parsed = std::from_chars(number.data(), number.data() + number.size(), circuit);
    if (!set || !session || parsed.ec != std::errc() ||
        parsed.ptr != number.data() + number.size() || circuit < 1 || circuit > kCircuitsPerSet ||
        !parseIsoTimestamp(fields[0].text))
        return Parsed::NotARow;
    if (filter && ((filter->circuit != 0 && (*set != filter->set || circuit != filter->circuit)) ||
                   (filter->session && *session != *filter->session)))
        return Parsed::OtherCircuit;
    row = HistoryRow{std::string(fields[0].text),
                     *set,
                     circuit,
                     fields[3].value(),
                     *session,
                     fields[5].value(),
                     fields[6].value(),
                     fields[7].value(),
                     fields[8].value(),
                     fields[9].value()};
    return Parsed::Row;
}

// Whole lines of a history as they stand (bytes), and as their line ends are
// found (lines: the same with each lone CR an LF, so every offset is kept). A
// lone CR inside a quoted field thus ends a line that is joined to the next,
// and stays in the field.
struct Lines {
    std::string_view bytes, lines;
};

// The text up to its last line end: a last line without one is a row the
// append did not finish. storage holds lines when they differ from bytes.
Lines wholeLines(std::string_view bytes, std::string& storage) {
    const std::string_view lines = withLoneCrsAsLineFeeds(bytes, storage);
    const size_t whole = lines.rfind('\n') + 1; // 0 when there is no line end
    return {bytes.substr(0, whole), lines.substr(0, whole)};
}

bool oddQuotes(std::string_view text) {
    return std::count(text.begin(), text.end(), '"') % 2 != 0;
}

// The records of whole lines, each tried as a row. A quoted field may hold
// line breaks (a setup name from a hand-edited file), so a line that leaves a
// quote open is joined with the lines after it (or, read backwards, before
// it) up to the next line that closes it; when the joined lines do not make a
// row, the line alone is skipped, so a stray quote in a hand-edited line costs
// that line only, never the rows around it. A join never reaches past the
// next line with an odd number of quotes, so every byte is looked at a fixed
// number of times however the file is made.
class Records {
  public:
    Records(Lines text, const HistoryFilter* filter)
        : m_bytes(text.bytes), m_lines(text.lines), m_filter(filter) {}

    // The next record from the front: Row with row filled, or what it was instead.
    Parsed next(HistoryRow& row) {
        const size_t first = lineEnd(m_front);
        size_t end = first;
        for (bool open = oddQuotes(m_lines.substr(m_front, end - m_front));
             open && end + 1 < m_lines.size();) {
            const size_t from = end + 1;
            end = lineEnd(from);
            open = open != oddQuotes(m_lines.substr(from, end - from));
        }
        Parsed p = parseRow(m_bytes.substr(m_front, end - m_front), m_fields, m_filter, row);
        if (p == Parsed::NotARow && end != first) {
            end = first;
            p = parseRow(m_bytes.substr(m_front, end - m_front), m_fields, m_filter, row);
        }
        m_front = end + 1;
        return p;
    }
    // The last record not yet read from the back.
    Parsed previous(HistoryRow& row) {
        const size_t last = lineStart(m_back);
        size_t start = last;
        bool open = oddQuotes(m_lines.substr(start, m_back - start));
        while (open && start > m_front) {
            const size_t to = start - 1; // the line end before
            start = lineStart(to);
            open = open != oddQuotes(m_lines.substr(start, to - start));
        }
        m_openAtFront = open;
        Parsed p = parseRow(m_bytes.substr(start, m_back - start), m_fields, m_filter, row);
        if (p == Parsed::NotARow && start != last) {
            start = last;
            p = parseRow(m_bytes.substr(start, m_back - start), m_fields, m_filter, row);
        }
        m_back = start == 0 ? 0 : start - 1;
        m_backDone = start <= m_front;
        return p;
    }
    bool atEnd() const { return m_front >= m_lines.size(); }
    bool atStart() const { return m_backDone || m_lines.empty(); }
    // The bytes before this, from the first, are not yet read from the back.
    size_t unread() const { return atStart() ? 0 : m_back + 1; }
    // Whether the last record read from the back left a quote open up to the
    // front: read from an earlier start, it may be a whole row.
    bool openAtFront() const { return m_openAtFront; }
    // Past the first line, which a read from the middle of a file cut in two.
    void skipLine() { m_front = lineEnd(m_front) + 1; }

  private:
    size_t lineEnd(size_t from) const { return std::min(m_lines.find('\n', from), m_lines.size()); }
    // The start of the line whose line end is at `end`.
    size_t lineStart(size_t end) const {
        const size_t before = end == 0 ? std::string_view::npos : m_lines.rfind('\n', end - 1);
        return before == std::string_view::npos ? 0 : before + 1;
    }

    std::string_view m_bytes, m_lines;
    const HistoryFilter* m_filter;
    std::vector<CsvField> m_fields;
    size_t m_front = 0;
    size_t m_back = m_lines.empty() ? 0 : m_lines.size() - 1; // the last line end
    bool m_backDone = false;
    bool m_openAtFront = false;
};

// What one chunk of a history read back leaves for the chunk before it.
// Lines longer than any row are skipped: the carry is dropped, and the tail
// of the chunk before, up to its last line end, with it.
struct Leftover {
    bool done = false; // take wants no more rows
    std::string carry; // lines to read again after the chunk before: begun in it
};

Leftover carried(std::string_view lines) {
    return {false, lines.size() > kMaxDataFileBytes ? std::string() : std::string(lines)};
}

// Hands the rows of text to take from the back. Unless text starts the
// history, its first line may have begun in the chunk before, and so may a
// record whose quote stays open up to it: both are left for that chunk.
Leftover readChunkBack(std::string_view text, bool atStart, const HistoryFilter& filter,
                       const std::function<bool(const HistoryRow&)>& take) {
    std::string storage;
    const Lines whole = wholeLines(text, storage);
    const size_t first = whole.lines.find('\n') + 1; // 0 when there is no line end
    if (!atStart && (first == 0 || first == whole.lines.size()))
        return carried(whole.bytes);
    Records records(whole, &filter);
    if (!atStart)
        records.skipLine();
    HistoryRow row;
    while (!records.atStart()) {
        const size_t unread = records.unread();
        const Parsed p = records.previous(row);
        if (!atStart && records.openAtFront() && unread - first <= kMaxDataFileBytes)
            return carried(whole.bytes.substr(0, unread));
        if (p == Parsed::Row && !take(row))
            return {true, {}};
    }
    return atStart ? Leftover{} : carried(whole.bytes.substr(0, first));
}

} // namespace

std::vector<HistoryRow> parseHistory(std::string_view bytes, bool cutAtStart,
                                     const std::optional<HistoryFilter>& filter) {
    std::vector<HistoryRow> rows;
    std::string storage;
    Records records(wholeLines(bytes, storage), filter ? &*filter : nullptr);
    if (cutAtStart) // the first line was cut in two by the read limit
        records.skipLine();
    HistoryRow row;
    while (!records.atEnd())
        if (records.next(row) == Parsed::Row)
            rows.push_back(std::move(row));
    return rows;
}

Result<std::string> readHistoryBytes(bool& cut, const std::string& path, FileOps& ops,
                                     std::size_t limit) {
    return ops.readTail(path, limit, cut);
}

Result<HistoryRead> readHistory(const std::string& path, const std::optional<HistoryFilter>& filter,
                                FileOps& ops, std::size_t limit) {
    bool cut = false;
    Result<std::string> bytes = readHistoryBytes(cut, path, ops, limit);
    if (!bytes)
        return bytes.error();
    return HistoryRead{parseHistory(*bytes, cut, filter), cut};
}

Status readHistoryBackwards(const std::string& path, const HistoryFilter& filter,
                            const std::function<bool(const HistoryRow&)>& take, FileOps& ops,
                            std::size_t chunk) {
    // Nothing is carried into the last chunk: its last line, without its line
    // end, is an append not finished.
    Leftover left;
    std::uint64_t end = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t from = 0;
    do {
        Result<std::string> bytes =
            ops.readBefore(path, end, std::max<std::size_t>(chunk, 1), from);
        if (!bytes)
            return bytes.error();
        std::string text = std::move(bytes).value();
        text += left.carry;
        left = readChunkBack(text, from == 0, filter, take);
        end = from;
    } while (!left.done && end > 0);
    return success();
}

std::string previousDate(std::string_view historyBytes, const CircuitChoice& circuit,
                         const SessionChange& change) {
    const std::string before = cp1252ToUtf8(change.before);
    const HistoryFilter filter{circuit.trackset, circuit.number};
    std::string storage;
    Records records(wholeLines(historyBytes, storage), &filter);
    HistoryRow r;
    while (!records.atStart())
        if (records.previous(r) == Parsed::Row && r.session == change.session && r.lap == before)
            return r.when.substr(0, 10);
    return {};
}

Status appendHistory(const std::vector<HistoryRow>& rows, const std::string& path, FileOps& ops) {
    if (rows.empty())
        return success();
    std::string lines;
    for (const HistoryRow& r : rows)
        lines += historyLine(r);
    const Status s = ops.appendLines(path, lines, std::string(kHistoryHeader) + "\r\n");
    if (!s)
        return Error{s.error().kind,
                     Sentence(VM_TEXT("History", "The history %1 cannot be added to: %2."),
                              {utf8Text(path), s.error().text}),
                     path};
    return success();
}

} // namespace velomark
