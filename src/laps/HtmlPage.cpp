// The HTML page, line by line as its layout fixes it, tags that close without
// having been opened included.
#include "laps/HtmlPage.h"

#include "files/SafeReplace.h"

namespace velomark {

namespace {

constexpr std::string_view kCrLf = "\r\n";

constexpr std::string_view kHeadStart =
    "<html><head><title>GP2 Lap Times -</title></head><body bgcolor=\"FFFFFF\"><p "
    "align=\"center\"><font color=\"#8080C0\"size=\"6\" > <strong><center><h1>";
constexpr std::string_view kHeadEnd = "</h1></center></u></strong></font></p>";

constexpr std::string_view kTracksetLines[] = {
    "<strong><center><h2><u>Standard Trackset</u></h2></center></strong></p>",
    "<br><strong><center><h2><u>IA Track Pack</u></h2></center></strong></p>",
    "<br><strong><center><h2><u>Custom Circuits</u></h2></center></strong></p>",
};

constexpr std::string_view kColumns[] = {"Session",    "LapTime",   "1st Split",
                                         "+2nd Split", "3rd Split", "Setup file"};

constexpr size_t kBlockEstimate = 1400;

void appendCell(std::string& out, std::string_view text) {
    out += "<td>";
    appendHtmlEscaped(out, text);
    out += "</td>";
}

void appendCircuit(std::string& out, const ReportCircuit& c, Trackset set) {
    out += "<p><font color=\"#408080\" size=\"4\"><strong><u>";
    appendHtmlEscaped(out, c.heading);
    out += "</u></strong></font></p>\r\n";
    out += "<table border=\"0\" width=\"500\"><tr>\r\n";
    for (std::string_view column : kColumns) {
        out += "<td><p align=\"left\"><font color=\"#808040\" size=\"3\"><strong>";
        out += column;
        out += "</strong></font></p></td>\r\n";
    }
    for (RecordSession s : kRecordSessions) {
        const auto field = [&](RecordField f) -> const std::string& {
            return c.fields[fieldIndex(s, f)];
        };
        const bool lapAndSetupOnly = s == RecordSession::QuickRace || s == RecordSession::Race;
        out += "</tr><tr>";
        appendCell(out, recordSessionName(s));
        appendCell(out, field(RecordField::Lap));
        if (lapAndSetupOnly) {
            // Their 1st and +2nd splits are never shown; the 3rd split is.
            out += "<td>&nbsp;</td><td>&nbsp;</td>";
        } else {
            appendCell(out, field(RecordField::Split1));
            appendCell(out, field(RecordField::Split2));
        }
        appendCell(out, field(RecordField::Split3));
        appendCell(out, field(RecordField::Setup));
        out += kCrLf;
    }
    out += set == Trackset::Standard ? "</tr></table>\r\n" : "</tr></table><p>&nbsp;</p>\r\n";
}

} // namespace

bool isHtmlFileName(std::string_view name) {
    return name.size() >= 6 && name.ends_with(".html");
}

void appendHtmlEscaped(std::string& out, std::string_view text) {
    size_t start = 0;
    for (;;) {
        const size_t special = text.find_first_of("&<>\"", start);
        out.append(text.substr(start, special - start));
        if (special == std::string_view::npos)
            return;
        switch (text[special]) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            out += "&quot;";
        }
        start = special + 1;
    }
}

std::string htmlPage(const ReportData& data, std::string_view title) {
    size_t circuits = 0;
    for (const TracksetReport& t : data.tracksets)
        circuits += t.circuits.size();
    std::string out;
    out.reserve(kBlockEstimate * (circuits + 1));

    out += kHeadStart;
    appendHtmlEscaped(out, title);
    out += kHeadEnd;
    out += kCrLf;
    for (const TracksetReport& t : data.tracksets) {
        out += kTracksetLines[static_cast<size_t>(t.set)];
        out += kCrLf;
        for (const ReportCircuit& c : t.circuits)
            appendCircuit(out, c, t.set);
    }
    out += "<p align=\"center\"><A HREF=\"";
    out += kHomePageAddress;
    out += "\">Velomark Home Page</A></p></body></html>\r\n";
    return out;
}

ExportResult exportHtmlFile(const std::string& target, std::string_view title,
                            const TracksetChoice& ticked, FileOps& ops, const std::string& folder) {
    ExportResult result;
    if (!isHtmlFileName(target)) {
        result.refused = ExportResult::Refused::BadFileName;
        return result;
    }
    if (nothingTicked(ticked)) {
        result.refused = ExportResult::Refused::NothingTicked;
        return result;
    }
    const ReportData data = loadReport(ticked, ops, folder);
    if (data.stop) {
        result.stop = data.stop;
        return result;
    }
    Status written = writeExportFile(ops, target, htmlPage(data, title));
    if (!written)
        result.writeError = written.error();
    return result;
}

} // namespace velomark
