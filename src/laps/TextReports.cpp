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

void appendTitle(std::string& out, Trackset set) {
    out.append(30, ' ');
    out += tracksetTitle(set);
    out += kCrLf;
}

// Heading, column header, rule line and the four session lines, each ending
// its line; the blank lines around a block differ between the sinks.
void appendTableBlock(std::string& out, const ReportCircuit& c, size_t ruleLength,
                      const LineLayout& layout, std::string_view afterHeading) {
    out += kCrLf;
    out += c.heading;
    out += kCrLf;
    out += afterHeading;
    out += kColumnHeader;
    out += kCrLf;
    out.append(ruleLength, '-');
    for (RecordSession s : kRecordSessions) {
        out += kCrLf;
        appendSessionLine(out, c, s, FillWidths{}, layout);
    }
    out += kCrLf;
}

} // namespace

std::string textFileReport(const ReportData& data) {
    std::string out = reserved(data);
    for (const TracksetReport& t : data.tracksets) {
        appendTitle(out, t.set);
        out += kCrLf;
        for (const ReportCircuit& c : t.circuits) {
            appendTableBlock(out, c, 90, kTextLine, kCrLf);
            out += "\r\n\r\n\r\n";
        }
    }
    return out;
}

ExportResult exportTextFile(const std::string& target, const TracksetChoice& ticked, FileOps& ops,
                            const std::string& folder) {
    return exportReportFile(target, ticked, textFileReport, ops, folder);
}

std::string screenText(const ReportData& data) {
    std::string out = reserved(data);
    for (const TracksetReport& t : data.tracksets) {
        appendTitle(out, t.set);
        for (const ReportCircuit& c : t.circuits) {
            appendTableBlock(out, c, 103, kScreenLine, {});
            out += "\r\n\r\n";
        }
    }
    return out;
}

std::string clipboardText(const ReportData& data) {
    std::string out = reserved(data);
    for (const TracksetReport& t : data.tracksets) {
        for (const ReportCircuit& c : t.circuits) {
            out += kCrLf;
            out += c.heading;
            for (RecordSession s : kRecordSessions) {
                out += kCrLf;
                appendSessionLine(out, c, s, FillWidths{}, kWideLine);
            }
            out += kCrLf;
        }
    }
    return out;
}

std::vector<PrintDocument> printDocuments(const ReportData& data) {
    std::vector<PrintDocument> documents;
    for (const TracksetReport& t : data.tracksets) {
        PrintDocument& doc = documents.emplace_back();
        doc.set = t.set;
        const FillWidths fill = printFillWidths(t.set);
        for (const ReportCircuit& c : t.circuits) {
            doc.lines.push_back({c.heading, true});
            for (RecordSession s : kRecordSessions) {
                PrintLine& line = doc.lines.emplace_back();
                appendSessionLine(line.text, c, s, fill, kWideLine);
            }
        }
    }
    return documents;
}

} // namespace velomark
