// The HTML page, line by line as its layout fixes it, tags that close without
// having been opened included.
#include "laps/HtmlPage.h"

#include "files/SafeReplace.h"

namespace velomark {

namespace {

constexpr std::string_view kCrLf = "\r\n";

constexpr std::string_view kHeadAfterTitle =
    " -</title></head><body bgcolor=\"FFFFFF\"><p "
    "align=\"center\"><font color=\"#8080C0\"size=\"6\" > <strong><center><h1>";
constexpr std::string_view kHeadEnd = "</h1></center></u></strong></font></p>";

constexpr size_t kBlockEstimate = 1400;

void appendCell(std::string& out, std::string_view text) {
    out += "<td>";
    appendHtmlEscaped(out, text);
    out += "</td>";
}

void appendCircuit(std::string& out, const ReportCircuit& c, Trackset set,
                   const ReportWords& words) {
    out += "<p><font color=\"#408080\" size=\"4\"><strong><u>";
    appendHtmlEscaped(out, c.heading);
    out += "</u></strong></font></p>\r\n";
    out += "<table border=\"0\" width=\"500\"><tr>\r\n";
    for (const std::string& column : words.pageColumns) {
        out += "<td><p align=\"left\"><font color=\"#808040\" size=\"3\"><strong>";
        appendHtmlEscaped(out, column);
        out += "</strong></font></p></td>\r\n";
    }
    for (RecordSession s : kRecordSessions) {
        const auto field = [&](RecordField f) -> const std::string& {
            return c.fields[fieldIndex(s, f)];
        };
        const bool lapAndSetupOnly = s == RecordSession::QuickRace || s == RecordSession::Race;
        out += "</tr><tr>";
        appendCell(out, words.sessions[static_cast<size_t>(s)]);
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

std::string htmlPage(const ReportData& data, std::string_view title, const ReportWords& words) {
    size_t circuits = 0;
    for (const TracksetReport& t : data.tracksets)
        circuits += t.circuits.size();
    std::string out;
    out.reserve(kBlockEstimate * (circuits + 1));

    // An English page stays as it always was; another language is declared.
    out += "<html";
    if (words.language != englishReportWords().language) {
        out += " lang=\"";
        appendHtmlEscaped(out, words.language);
        out += '"';
    }
    out += "><head><title>";
    appendHtmlEscaped(out, words.pageTitle);
    out += kHeadAfterTitle;
    appendHtmlEscaped(out, title);
    out += kHeadEnd;
    out += kCrLf;
    for (const TracksetReport& t : data.tracksets) {
        // The closing </p> of the first line is of the heading's <p>.
        out +=
            t.set == Trackset::Standard ? "<strong><center><h2><u>" : "<br><strong><center><h2><u>";
        appendHtmlEscaped(out, words.pageTracksets[static_cast<size_t>(t.set)]);
        out += "</u></h2></center></strong></p>";
        out += kCrLf;
        for (const ReportCircuit& c : t.circuits)
            appendCircuit(out, c, t.set, words);
    }
    out += "<p align=\"center\"><A HREF=\"";
    out += kHomePageAddress;
    out += "\">";
    appendHtmlEscaped(out, words.homePage);
    out += "</A></p></body></html>\r\n";
    return out;
}

ExportResult exportHtmlFile(const std::string& target, std::string_view title,
                            const TracksetChoice& ticked, FileOps& ops, const std::string& folder,
                            const ReportWords& words) {
    ExportResult result;
    if (!isHtmlFileName(target)) {
        result.refused = ExportResult::Refused::BadFileName;
        return result;
    }
    if (nothingTicked(ticked)) {
        result.refused = ExportResult::Refused::NothingTicked;
        return result;
    }
    const ReportData data = loadReport(ticked, ops, folder, words);
    if (data.stop) {
        result.stop = data.stop;
        return result;
    }
    Status written = writeExportFile(ops, target, htmlPage(data, title, words));
    if (!written)
        result.writeError = written.error();
    return result;
}

} // namespace velomark
