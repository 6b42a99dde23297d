#include "laps/Rival.h"

#include "formats/Cp1252.h"
#include "formats/Csv.h"
#include "formats/CustomFile.h"
#include "formats/LineEnds.h"
#include "formats/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <system_error>

namespace velomark {

namespace {

// Why a line of a rival's CSV file was skipped.
enum Skip { NotARow, Unknown, Repeated, kSkipReasons };

// Each reason said of the one line skipped, of one line among more, and of several.
struct SkipPhrase {
    SourceText it, one, many;
};
constexpr SkipPhrase kSkipPhrases[kSkipReasons] = {
    {VM_TEXT("Board", "it is not a CSV row of nine fields"),
     VM_TEXT("Board", "%1 is not a CSV row of nine fields"),
     VM_TEXT("Board", "%1 are not CSV rows of nine fields")},
    {VM_TEXT("Board", "it names no trackset, circuit (1 to 16) or session that Velomark knows"),
     VM_TEXT("Board", "%1 names no trackset, circuit (1 to 16) or session that Velomark knows"),
     VM_TEXT("Board", "%1 name no trackset, circuit (1 to 16) or session that Velomark knows")},
    {VM_TEXT("Board", "it repeats the circuit and session of an earlier line"),
     VM_TEXT("Board", "%1 repeats the circuit and session of an earlier line"),
     VM_TEXT("Board", "%1 repeat the circuit and session of an earlier line")},
};

// "3 lines of the rival's file were skipped: 2 are not CSV rows of nine
// fields, 1 names no trackset, circuit (1 to 16) or session that Velomark knows."
Sentence skipNote(const std::array<int, kSkipReasons>& skipped) {
    int total = 0;
    for (int n : skipped)
        total += n;
    std::vector<Sentence> reasons;
    for (int r = 0; r < kSkipReasons; ++r) {
        const int n = skipped[static_cast<size_t>(r)];
        const SkipPhrase& phrase = kSkipPhrases[r];
        if (n > 0)
            reasons.push_back(n == total && n == 1
                                  ? Sentence(phrase.it)
                                  : Sentence(n == 1 ? phrase.one : phrase.many, {n}));
    }
    return Sentence(total == 1 ? VM_TEXT("Board", "%1 line of the rival's file was skipped: %2.")
                               : VM_TEXT("Board", "%1 lines of the rival's file were skipped: %2."),
                    {total, listOf(reasons)});
}

bool oddQuotes(std::string_view text) {
    return std::count(text.begin(), text.end(), '"') % 2 != 0;
}

// Reads the lines of a CSV file, ended by LF or CR LF, as records: a quoted
// field may hold line breaks, so a line that leaves a quote open runs on to
// the next line that closes it; when those lines do not make a row, the first
// one alone is taken.
class CsvRecords {
  public:
    explicit CsvRecords(std::string_view bytes) : m_bytes(bytes) {}

    bool atEnd() const { return m_pos >= m_bytes.size(); }
    // The fields of the next record; false when it is not well-formed CSV.
    // lines tells how many lines it took.
    bool next(std::vector<std::string>& fields, int& lines) {
        const size_t first = lineEnd(m_pos);
        size_t end = first;
        lines = 1;
        for (bool open = oddQuotes(line(m_pos, end)); open && end < m_bytes.size(); ++lines) {
            const size_t from = end + 1;
            end = lineEnd(from);
            open = open != oddQuotes(line(from, end));
        }
        std::optional<std::vector<std::string>> parsed = parseCsvLine(line(m_pos, end));
        if (!parsed && end != first) {
            end = first;
            lines = 1;
        }
        m_pos = end + 1;
        if (!parsed)
            return false;
        fields = std::move(*parsed);
        return true;
    }

  private:
    size_t lineEnd(size_t from) const { return std::min(m_bytes.find('\n', from), m_bytes.size()); }
    std::string_view line(size_t from, size_t end) const {
        std::string_view l = m_bytes.substr(from, end - from);
        if (l.ends_with('\r'))
            l.remove_suffix(1);
        return l;
    }

    std::string_view m_bytes;
    size_t m_pos = 0;
};

// One row of a CSV export put into times; the reason when it cannot be.
std::optional<Skip> takeRow(const std::vector<std::string>& f, RivalTimes& times) {
    if (f.size() != 9)
        return NotARow;
    const auto set = tracksetNamed(f[0]);
    const auto session = recordSessionNamed(f[3]);
    int number = 0;
    const auto [end, ec] = std::from_chars(f[1].data(), f[1].data() + f[1].size(), number);
    if (!set || !session || ec != std::errc() || end != f[1].data() + f[1].size() || number < 1 ||
        number > kCircuitsPerSet)
        return Unknown;
    const auto n = static_cast<size_t>(number - 1);
    std::string& lap = times.laps[static_cast<size_t>(*set)][n][static_cast<size_t>(*session)];
    if (!lap.empty())
        return Repeated;
    lap = f[4];
    if (*set == Trackset::Custom)
        times.customNames[n] = f[2];
    return std::nullopt;
}

std::filesystem::path fsPath(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

} // namespace

const std::string& RivalTimes::lap(Trackset set, int number, std::string_view heading,
                                   RecordSession s) const {
    static const std::string none;
    const auto& circuits = laps[static_cast<size_t>(set)];
    size_t at = static_cast<size_t>(number - 1);
    if (set == Trackset::Custom) {
        const auto named = std::find(customNames.begin(), customNames.end(), heading);
        if (heading.empty() || named == customNames.end())
            return none;
        at = static_cast<size_t>(named - customNames.begin());
    }
    return at < circuits.size() ? circuits[at][static_cast<size_t>(s)] : none;
}

RivalTimes parseRivalCsv(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) // the mark a spreadsheet may put in front
        bytes.remove_prefix(3);
    std::string copy; // of a file with lines ended by CR alone
    bytes = withLoneCrsAsLineFeeds(bytes, copy);
    RivalTimes times;
    std::array<int, kSkipReasons> skipped{};
    CsvRecords records(bytes);
    std::vector<std::string> fields;
    for (bool first = true; !records.atEnd(); first = false) {
        int lines = 1;
        const bool wellFormed = records.next(fields, lines);
        if (wellFormed && fields.size() == 1 && fields[0].empty())
            continue; // an empty line
        if (wellFormed && first && !fields.empty() && fields[0] == "Trackset")
            continue; // the header
        const std::optional<Skip> skip = wellFormed ? takeRow(fields, times) : NotARow;
        if (skip)
            skipped[*skip] += lines;
    }
    if (std::any_of(skipped.begin(), skipped.end(), [](int n) { return n > 0; }))
        times.notes.push_back(Error{ErrorKind::Short, skipNote(skipped)});
    return times;
}

Result<RivalTimes> readRivalCsv(const std::string& path, FileOps& ops) {
    const Error tooLarge{ErrorKind::TooLarge,
                         Sentence(VM_TEXT("Board", "The rival file %1 is larger than 64 MB, far "
                                                   "larger than a CSV export of 48 circuits can "
                                                   "be, so it was not read."),
                                  {utf8Text(path)}),
                         path};
    std::error_code ec;
    const auto size = std::filesystem::file_size(fsPath(path), ec);
    if (ec == std::errc::no_such_file_or_directory)
        return Error{
            ErrorKind::Missing,
            Sentence(VM_TEXT("Board", "The rival file %1 does not exist."), {utf8Text(path)}),
            path};
    if (!ec && size > kRivalFileLimit)
        return tooLarge; // refused before a byte of it is read
    bool cut = false;
    const Result<std::string> bytes = ops.readTail(path, kRivalFileLimit + 1, cut);
    if (!bytes)
        return bytes.error();
    if (cut || bytes->size() > kRivalFileLimit) // it grew meanwhile
        return tooLarge;
    return parseRivalCsv(*bytes);
}

Result<RivalTimes> readRivalFolder(const std::string& folder, FileOps& ops) {
    RivalTimes times;
    bool anyRead = false;
    for (Trackset set : kTracksetsInOrder) {
        const Sentence what(VM_TEXT("Board", "The rival's %1 times"),
                            {Sentence(tracksetName(set))});
        const auto records = readLapRecordFile(folder + std::string(lapRecordFileName(set)), ops);
        if (!records) {
            times.notes.push_back(leftOut(what, records.error()));
            continue;
        }
        anyRead = true;
        for (size_t n = 0; n < records->size(); ++n)
            for (RecordSession s : kRecordSessions)
                times.laps[static_cast<size_t>(set)][n][static_cast<size_t>(s)] =
                    cp1252ToUtf8(textOf((*records)[n][fieldIndex(s, RecordField::Lap)]));
        if (set != Trackset::Custom)
            continue;
        const auto captions = readCustomCaptions(folder + kCustomFileName);
        if (!captions && captions.error().kind != ErrorKind::Empty)
            times.notes.push_back(leftOut(what, captions.error()));
        for (size_t n = 0; captions && n < captions->size(); ++n)
            times.customNames[n] = cp1252ToUtf8(customHeading((*captions)[n]));
    }
    if (!anyRead)
        return Error{ErrorKind::Missing,
                     Sentence(VM_TEXT("Board", "The folder %1 holds no lap record file (set1.dat, "
                                               "set2.dat, set3.dat) that Velomark can read."),
                              {utf8Text(folder)}),
                     folder};
    return times;
}

std::optional<long long> gapThousandths(std::string_view yours, std::string_view theirs) {
    const auto a = timeSeconds(yours);
    const auto b = timeSeconds(theirs);
    if (!a || !b || std::fabs(*a - *b) > 1e12)
        return std::nullopt;
    return std::llround((*a - *b) * 1000);
}

std::string gapText(long long thousandths) {
    const unsigned long long size = thousandths < 0
                                        ? 0ull - static_cast<unsigned long long>(thousandths)
                                        : static_cast<unsigned long long>(thousandths);
    std::string fraction = std::to_string(size % 1000);
    fraction.insert(0, 3 - fraction.size(), '0');
    std::string text = thousandths < 0 ? "-" : thousandths > 0 ? "+" : "";
    text += std::to_string(size / 1000);
    text += '.';
    return text += fraction;
}

Error leftOut(Sentence what, const Error& why) {
    return Error{why.kind,
                 Sentence(VM_TEXT("Board", "%1 are left out because %2"),
                          {std::move(what), afterCommaOf(why.text)}),
                 why.path};
}

} // namespace velomark
