#include "history/History.h"

#include "store/Cp1252.h"
#include "store/TimeText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <ctime>

namespace velomark {

namespace {

constexpr size_t kHistoryColumns = 10;

// Days since 1970-01-01 of a date in the proleptic Gregorian calendar.
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

std::optional<int> digits(std::string_view text, size_t at, size_t count) {
    if (at + count > text.size())
        return std::nullopt;
    int value = 0;
    for (size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

std::string twoDigits(int v) {
    return {static_cast<char>('0' + v / 10 % 10), static_cast<char>('0' + v % 10)};
}

} // namespace

namespace {

// What a spreadsheet takes as the start of a formula.
bool startsFormula(std::string_view text) {
    while (!text.empty() && text.front() == '\'')
        text.remove_prefix(1);
    if (text.empty())
        return false;
    const char c = text.front();
    return c == '=' || c == '+' || c == '-' || c == '@' || c == '\t' || c == '\r';
}

} // namespace

// A field that a spreadsheet would run as a formula gets an apostrophe in
// front, which makes it text there. So does one that only begins with
// apostrophes before such a start, so that the reader can always take the
// one apostrophe off again and give the text back as it was.
bool needsFormulaGuard(std::string_view text) {
    return startsFormula(text);
}

std::string csvLine(const std::vector<std::string>& fields) {
    std::string out;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        out += '"';
        if (needsFormulaGuard(fields[i]))
            out += '\'';
        for (char c : fields[i]) {
            if (c == '"')
                out += '"';
            out += c;
        }
        out += '"';
    }
    out += "\r\n";
    return out;
}

namespace {

// A field of a line as it stands there: quotes around it taken off, doubled
// quotes inside still doubled (escaped tells).
struct FieldView {
    std::string_view text;
    bool escaped = false;
    std::string value() const {
        std::string_view shown = text;
        if (shown.starts_with('\'') && needsFormulaGuard(shown.substr(1)))
            shown.remove_prefix(1); // the guard csvLine put in front of a formula
        if (!escaped)
            return std::string(shown);
        std::string out;
        for (size_t i = 0; i < shown.size(); ++i) {
            out += shown[i];
            if (shown[i] == '"')
                ++i; // every quote inside stands doubled
        }
        return out;
    }
};

// Splits a line into fields without copying them; false when it is not
// well-formed CSV (an unclosed or stray quote).
bool splitCsv(std::string_view line, std::vector<FieldView>& fields) {
    fields.clear();
    size_t i = 0;
    while (true) {
        FieldView field;
        if (i < line.size() && line[i] == '"') {
            const size_t start = ++i;
            while (true) {
                const size_t quote = line.find('"', i);
                if (quote == std::string_view::npos)
                    return false; // unclosed: cut off
                i = quote + 1;
                if (i < line.size() && line[i] == '"') {
                    field.escaped = true; // a doubled quote stands for one
                    ++i;
                    continue;
                }
                field.text = line.substr(start, quote - start);
                break;
            }
        } else {
            const size_t end = std::min(line.find(',', i), line.size());
            field.text = line.substr(i, end - i);
            if (field.text.find('"') != std::string_view::npos)
                return false;
            i = end;
        }
        fields.push_back(field);
        if (i == line.size())
            return true;
        if (line[i] != ',')
            return false; // text after a closing quote
        ++i;
    }
}

} // namespace

std::optional<std::vector<std::string>> parseCsvLine(std::string_view line) {
    std::vector<FieldView> views;
    if (!splitCsv(line, views))
        return std::nullopt;
    std::vector<std::string> fields;
    fields.reserve(views.size());
    for (const FieldView& v : views)
        fields.push_back(v.value());
    return fields;
}

std::string isoTimestamp(std::int64_t unixSeconds, int utcOffsetSeconds) {
    const std::int64_t local = unixSeconds + utcOffsetSeconds;
    std::int64_t days = local >= 0 ? local / 86400 : (local - 86399) / 86400;
    const auto secondOfDay = static_cast<int>(local - days * 86400);
    // Civil date from days since 1970 (the inverse of daysFromCivil).
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const auto doe = static_cast<unsigned>(days - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2);

    const int offsetMinutes = std::abs(utcOffsetSeconds) / 60;
    return std::to_string(y) + "-" + twoDigits(static_cast<int>(m)) + "-" +
           twoDigits(static_cast<int>(d)) + "T" + twoDigits(secondOfDay / 3600) + ":" +
           twoDigits(secondOfDay / 60 % 60) + ":" + twoDigits(secondOfDay % 60) +
           (utcOffsetSeconds < 0 ? "-" : "+") + twoDigits(offsetMinutes / 60) + ":" +
           twoDigits(offsetMinutes % 60);
}

std::string isoTimestampNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    const std::int64_t asIfUtc =
        daysFromCivil(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                      static_cast<unsigned>(local.tm_mday)) *
            86400 +
        local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
    return isoTimestamp(now, static_cast<int>(asIfUtc - now));
}

std::optional<std::int64_t> parseIsoTimestamp(std::string_view t) {
    // YYYY-MM-DDTHH:MM:SS, then Z or +HH:MM / -HH:MM.
    const auto y = digits(t, 0, 4), mo = digits(t, 5, 2), d = digits(t, 8, 2);
    const auto h = digits(t, 11, 2), mi = digits(t, 14, 2), s = digits(t, 17, 2);
    if (!y || !mo || !d || !h || !mi || !s || t[4] != '-' || t[7] != '-' || t[10] != 'T' ||
        t[13] != ':' || t[16] != ':' || *mo < 1 || *mo > 12 || *d < 1 || *d > 31 || *h > 23 ||
        *mi > 59 || *s > 60)
        return std::nullopt;
    int offset = 0;
    const std::string_view zone = t.substr(19);
    if (zone != "Z") {
        const auto oh = digits(zone, 1, 2), om = digits(zone, 4, 2);
        if (zone.size() != 6 || (zone[0] != '+' && zone[0] != '-') || zone[3] != ':' || !oh ||
            !om || *om > 59)
            return std::nullopt;
        offset = (zone[0] == '-' ? -1 : 1) * (*oh * 3600 + *om * 60);
    }
    return daysFromCivil(*y, static_cast<unsigned>(*mo), static_cast<unsigned>(*d)) * 86400 +
           *h * 3600 + *mi * 60 + *s - offset;
}

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
Parsed parseRow(std::string_view line, std::vector<FieldView>& fields, const HistoryFilter* filter,
                HistoryRow& row) {
    while (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (!splitCsv(line, fields) || fields.size() != kHistoryColumns)
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
    if (filter && (*set != filter->set || circuit != filter->circuit))
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

// The bytes up to the last line end: a last line without one is a row the
// append did not finish.
std::string_view wholeLines(std::string_view bytes) {
    const size_t last = bytes.rfind('\n');
    return last == std::string_view::npos ? std::string_view() : bytes.substr(0, last + 1);
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
    Records(std::string_view lines, const HistoryFilter* filter)
        : m_lines(lines), m_filter(filter) {}

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
        Parsed p = parseRow(m_lines.substr(m_front, end - m_front), m_fields, m_filter, row);
        if (p == Parsed::NotARow && end != first) {
            end = first;
            p = parseRow(m_lines.substr(m_front, end - m_front), m_fields, m_filter, row);
        }
        m_front = end + 1;
        return p;
    }
    // The last record not yet read from the back.
    Parsed previous(HistoryRow& row) {
        const size_t last = lineStart(m_back);
        size_t start = last;
        for (bool open = oddQuotes(m_lines.substr(start, m_back - start));
             open && start > m_front;) {
            const size_t to = start - 1; // the line end before
            start = lineStart(to);
            open = open != oddQuotes(m_lines.substr(start, to - start));
        }
        Parsed p = parseRow(m_lines.substr(start, m_back - start), m_fields, m_filter, row);
        if (p == Parsed::NotARow && start != last) {
            start = last;
            p = parseRow(m_lines.substr(start, m_back - start), m_fields, m_filter, row);
        }
        m_back = start == 0 ? 0 : start - 1;
        m_backDone = start <= m_front;
        return p;
    }
    bool atEnd() const { return m_front >= m_lines.size(); }
    bool atStart() const { return m_backDone || m_lines.empty(); }
    // Past the first line, which a read from the middle of a file cut in two.
    void skipLine() { m_front = lineEnd(m_front) + 1; }

  private:
    size_t lineEnd(size_t from) const { return std::min(m_lines.find('\n', from), m_lines.size()); }
    // The start of the line whose line end is at `end`.
    size_t lineStart(size_t end) const {
        const size_t before = end == 0 ? std::string_view::npos : m_lines.rfind('\n', end - 1);
        return before == std::string_view::npos ? 0 : before + 1;
    }

    std::string_view m_lines;
    const HistoryFilter* m_filter;
    std::vector<FieldView> m_fields;
    size_t m_front = 0;
    size_t m_back = m_lines.empty() ? 0 : m_lines.size() - 1; // the last line end
    bool m_backDone = false;
};

} // namespace

std::vector<HistoryRow> parseHistory(std::string_view bytes, bool cutAtStart,
                                     const std::optional<HistoryFilter>& filter) {
    std::vector<HistoryRow> rows;
    Records records(wholeLines(bytes), filter ? &*filter : nullptr);
    if (cutAtStart) // the first line was cut in two by the read limit
        records.skipLine();
    HistoryRow row;
    while (!records.atEnd())
        if (records.next(row) == Parsed::Row)
            rows.push_back(std::move(row));
    return rows;
}

Result<std::string> readHistoryBytes(bool& cut, const std::string& path, FileOps& ops) {
    return ops.readTail(path, kHistoryReadLimit, cut);
}

Result<HistoryRead> readHistory(const std::string& path, const std::optional<HistoryFilter>& filter,
                                FileOps& ops) {
    bool cut = false;
    Result<std::string> bytes = readHistoryBytes(cut, path, ops);
    if (!bytes)
        return bytes.error();
    return HistoryRead{parseHistory(*bytes, cut, filter), cut};
}

std::string previousDate(std::string_view historyBytes, const CircuitChoice& circuit,
                         const SessionChange& change) {
    const std::string before = cp1252ToUtf8(change.before);
    const HistoryFilter filter{circuit.trackset, circuit.number};
    Records records(wholeLines(historyBytes), &filter);
    HistoryRow r;
    while (!records.atStart())
        if (records.previous(r) == Parsed::Row && r.session == change.session && r.lap == before)
            return r.when.substr(0, 10);
    return {};
}

std::vector<SessionChange> changedLapTimes(const CircuitRecord& before,
                                           const CircuitRecord& after) {
    std::vector<SessionChange> changes;
    for (RecordSession s : kRecordSessions) {
        const size_t i = fieldIndex(s, RecordField::Lap);
        const std::string was = textOf(before[i]);
        const std::string now = textOf(after[i]);
        if (was != now && !now.empty())
            changes.push_back({s, was, now});
    }
    return changes;
}

std::vector<HistoryRow> historyRows(const CircuitChoice& circuit, const CircuitRecord& after,
                                    const std::vector<SessionChange>& changes,
                                    const std::string& when) {
    const std::string name = cp1252ToUtf8(customHeading(circuit.caption));
    std::vector<HistoryRow> rows;
    for (const SessionChange& c : changes) {
        auto field = [&](RecordField f) {
            return cp1252ToUtf8(textOf(after[fieldIndex(c.session, f)]));
        };
        rows.push_back({when, circuit.trackset, circuit.number, name, c.session,
                        field(RecordField::Lap), field(RecordField::Split1),
                        field(RecordField::Split2), field(RecordField::Split3),
                        field(RecordField::Setup)});
    }
    return rows;
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
                     "The history " + path + " cannot be added to: " + s.error().message + "."};
    return success();
}

namespace {

std::string pendingPathBeside(const std::string& historyPath) {
    return directoryOf(historyPath) + kPendingHistoryName;
}

// Whether every row's lap time stands in its lap record file, beside the history.
bool recordsHold(const std::vector<HistoryRow>& rows, const std::string& historyPath,
                 FileOps& ops) {
    for (const HistoryRow& r : rows) {
        const std::string file = directoryOf(historyPath) + std::string(lapRecordFileName(r.set));
        const Result<CircuitRecord> record = readCircuitRecord(file, r.circuit, ops);
        if (!record ||
            cp1252ToUtf8(textOf((*record)[fieldIndex(r.session, RecordField::Lap)])) != r.lap)
            return false;
    }
    return true;
}

} // namespace

Status completePendingHistory(const std::string& historyPath, FileOps& ops) {
    const std::string pending = pendingPathBeside(historyPath);
    bool cut = false;
    const Result<std::string> noted = ops.readTail(pending, kMaxDataFileBytes, cut);
    if (!noted || noted->empty())
        return noted ? success() : Status(noted.error()); // none: the usual case
    const std::vector<HistoryRow> rows = parseHistory(*noted);
    Status done = success();
    if (!rows.empty() && recordsHold(rows, historyPath, ops)) {
        // The rows may have been added already, before the crash came.
        const Result<std::string> tail = ops.readTail(historyPath, noted->size(), cut);
        if (!tail || *tail != *noted)
            done = appendHistory(rows, historyPath, ops);
    }
    if (done)
        ops.discard(pending);
    return done;
}

SaveWithHistory saveRecordWithHistory(const CircuitChoice& circuit, const CircuitRecord& before,
                                      const CircuitRecord& after, const std::string& when,
                                      const std::string& historyPath, FileOps& ops) {
    SaveWithHistory result{success(), completePendingHistory(historyPath, ops)};
    const std::string file =
        directoryOf(historyPath) + std::string(lapRecordFileName(circuit.trackset));
    const std::vector<HistoryRow> rows =
        historyRows(circuit, after, changedLapTimes(before, after), when);
    std::string lines;
    for (const HistoryRow& r : rows)
        lines += historyLine(r);
    const std::string pending = pendingPathBeside(historyPath);
    // Written whole aside and renamed into place; the save's own flush of the
    // folder, right after, makes the name last. Without the note the save
    // still goes ahead: a history never stops one.
    const std::string aside = pending + ".new";
    bool noted = false;
    if (!rows.empty() && result.history && ops.writeScratch(aside, lines, -1)) {
        noted = ops.replace(aside, pending).ok();
        if (!noted)
            ops.discard(aside);
    }
    result.saved = saveCircuitRecord(file, std::to_string(circuit.number), after, ops);
    if (result.saved && result.history)
        result.history = appendHistory(rows, historyPath, ops);
    if (noted)
        ops.discard(pending);
    return result;
}

std::string improvementText(const SessionChange& change, const std::string& previousDate) {
    const std::string head = std::string(recordSessionName(change.session)) + ": " + change.after;
    if (change.before.empty())
        return head + ", the first time stored for this session";
    const std::string of = previousDate.empty() ? std::string() : " of " + previousDate;
    const auto now = timeSeconds(change.after);
    const auto was = timeSeconds(change.before);
    if (!now || !was)
        return head + ", which cannot be compared as a time with " + change.before + of;
    const std::string by = threeDecimalFormat(std::fabs(*was - *now));
    if (by == "0.000")
        return head + ", the same time as " + change.before + of;
    if (*now < *was)
        return head + ", " + by + " s faster than " + change.before + of;
    return head + ", " + by + " s slower than " + change.before + of + ", stored as you asked";
}

std::vector<std::string> splitWarnings(const CircuitRecord& record) {
    std::vector<std::string> warnings;
    for (RecordSession s : {RecordSession::Practice, RecordSession::Qualifying}) {
        auto seconds = [&](RecordField f) { return timeSeconds(textOf(record[fieldIndex(s, f)])); };
        const auto lap = seconds(RecordField::Lap);
        const auto split1 = seconds(RecordField::Split1);
        const auto split2 = seconds(RecordField::Split2);
        if (!lap || !split1 || !split2)
            continue;
        const std::string check = "Check the " + std::string(recordSessionName(s)) + " times: ";
        if (*split1 >= *split2)
            warnings.push_back(check + "its 1st split is not below its +2nd split");
        if (*split2 >= *lap)
            warnings.push_back(check + "its +2nd split is not below its lap time");
    }
    return warnings;
}

std::vector<ProgressPoint> progressPoints(const std::vector<HistoryRow>& history, Trackset set,
                                          int circuit, RecordSession session) {
    std::vector<ProgressPoint> points;
    for (const HistoryRow& r : history) {
        if (r.set != set || r.circuit != circuit || r.session != session)
            continue;
        const auto when = parseIsoTimestamp(r.when);
        const auto seconds = timeSeconds(r.lap);
        if (when && seconds)
            points.push_back({*when, *seconds, r.lap, r.setup});
    }
    std::stable_sort(points.begin(), points.end(),
                     [](const ProgressPoint& a, const ProgressPoint& b) {
                         return a.unixSeconds < b.unixSeconds;
                     });
    return points;
}

} // namespace velomark
