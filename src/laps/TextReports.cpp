// The text file, screen, clipboard and print layouts of the report.
#include "laps/TextReports.h"

namespace velomark {

namespace {

constexpr std::string_view kCrLf = "\r\n";

// Room for one circuit block of any layout with fields of usual length, so a
// report is built with few reallocations.
constexpr size_t kBlockEstimate = 700;

size_t circuitCount(const ReportData& data) {
    size_t n = 0;
    for (const TracksetReport& t : data.tracksets)
        n += t.circuits.size();
    return n;
}

std::string reserved(const ReportData& data) {
    std::string out;
    out.reserve(kBlockEstimate * (circuitCount(data) + 1));
    return out;
}

void appendTitle(std::string& out, Trackset set, const ReportWords& words) {
    out.append(30, ' ');
    out += words.titles[static_cast<size_t>(set)];
    out += kCrLf;
}

// Heading, column header, rule line and the four session lines, each ending
// its line; the blank lines around a block differ between the sinks.
void appendTableBlock(std::string& out, const ReportCircuit& c, size_t ruleLength,
                      const LineLayout& layout, std::string_view afterHeading,
                      const ReportWords& words) {
    out += kCrLf;
    out += c.heading;
    out += kCrLf;
    out += afterHeading;
    out += words.columnHeader;
    out += kCrLf;
    out.append(ruleLength, '-');
    for (RecordSession s : kRecordSessions) {
        out += kCrLf;
        appendSessionLine(out, c, s, FillWidths{}, layout, words);
    }
    out += kCrLf;
}

} // namespace

std::string textFileReport(const ReportData& data, const ReportWords& words) {
    std::string out = reserved(data);
    for (const TracksetReport& t : data.tracksets) {
        appendTitle(out, t.set, words);
        out += kCrLf;
        for (const ReportCircuit& c : t.circuits) {
            appendTableBlock(out, c, 90, kTextLine, kCrLf, words);
            out += "\r\n\r\n\r\n";
        }
    }
    return out;
}

ExportResult exportTextFile(const std::string& target, const TracksetChoice& ticked, FileOps& ops,
                            const std::string& folder, const ReportWords& words) {
    return exportReportFile(
        target, ticked, [&words](const ReportData& data) { return textFileReport(data, words); },
        ops, folder, words);
}

std::string screenText(const ReportData& data, const ReportWords& words) {
    std::string out = reserved(data);
    for (const TracksetReport& t : data.tracksets) {
        appendTitle(out, t.set, words);
        for (const ReportCircuit& c : t.circuits) {
            appendTableBlock(out, c, 103, kScreenLine, {}, words);
            out += "\r\n\r\n";
        }
    }
    return out;
}

std::string clipboardText(const ReportData& data, const ReportWords& words) {
    std::string out = reserved(data);
    for (const TracksetReport& t : data.tracksets) {
        for (const ReportCircuit& c : t.circuits) {
            out += kCrLf;
            out += c.heading;
            for (RecordSession s : kRecordSessions) {
                out += kCrLf;
                appendSessionLine(out, c, s, FillWidths{}, kWideLine, words);
            }
            out += kCrLf;
        }
    }
    return out;
}

std::vector<PrintDocument> printDocuments(const ReportData& data, const ReportWords& words) {
    std::vector<PrintDocument> documents;
    for (const TracksetReport& t : data.tracksets) {
        PrintDocument& doc = documents.emplace_back();
        doc.set = t.set;
        doc.title = words.titles[static_cast<size_t>(t.set)];
        const FillWidths fill = printFillWidths(t.set);
        for (const ReportCircuit& c : t.circuits) {
            doc.lines.push_back({c.heading, true});
            for (RecordSession s : kRecordSessions) {
                PrintLine& line = doc.lines.emplace_back();
                appendSessionLine(line.text, c, s, fill, kWideLine, words);
            }
        }
    }
    return documents;
}

} // namespace velomark
