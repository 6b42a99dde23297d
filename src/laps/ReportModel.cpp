// The report model: order, report rule, headings, blank fill, session lines
// and the reading of the inputs.
#include "laps/ReportModel.h"

#include "files/SafeReplace.h"
#include "formats/CustomFile.h"

#include <algorithm>
#include <array>

namespace velomark {

namespace {

constexpr SourceText kTitles[] = {VM_TEXT("Reports", "GP2 Lap Times - Standard Circuits"),
                                  VM_TEXT("Reports", "GP2 Lap Times - IA Track Pack"),
                                  VM_TEXT("Reports", "GP2 Lap Times - Custom Circuits")};
// The text report's column heads, and where the columns after the lap time's
// start: the session lines' tabs set those, whatever the label's width.
constexpr SourceText kColumns[] = {
    VM_TEXT("Reports", "Session"),   VM_TEXT("Reports", "Lap Time"),
    VM_TEXT("Reports", "1st Split"), VM_TEXT("Reports", "+2nd Split"),
    VM_TEXT("Reports", "3rd Split"), VM_TEXT("Reports", "Setup")};
constexpr size_t kNextColumn[] = {0, 33, 49, 66, 83}; // where the one after column i starts
constexpr SourceText kPageTracksets[] = {VM_TEXT("Reports", "Standard Trackset"),
                                         VM_TEXT("Reports", "IA Track Pack"),
                                         VM_TEXT("Reports", "Custom Circuits")};
constexpr SourceText kPageColumns[] = {
    VM_TEXT("Reports", "Session"),   VM_TEXT("Reports", "LapTime"),
    VM_TEXT("Reports", "1st Split"), VM_TEXT("Reports", "+2nd Split"),
    VM_TEXT("Reports", "3rd Split"), VM_TEXT("Reports", "Setup file")};
constexpr SourceText kHomePage = VM_TEXT("Reports", "Velomark Home Page");
constexpr SourceText kPageTitle = VM_TEXT("Reports", "GP2 Lap Times");

// text, then blanks up to width, and at least one.
void appendPadded(std::string& out, const std::string& text, size_t width) {
    out += text;
    out.append(text.size() < width ? width - text.size() : 1, ' ');
}

// The session labels, each word padded to one past the widest and closed by
// a colon, and the column header whose first column spans label and gap.
void layOut(ReportWords& words) {
    size_t widest = 0;
    for (const std::string& word : words.sessions)
        widest = std::max(widest, word.size());
    for (size_t i = 0; i < words.labels.size(); ++i) {
        words.labels[i].clear();
        appendPadded(words.labels[i], words.sessions[i], widest + 1);
        words.labels[i] += ':';
    }
}

std::string_view filled(const std::string& text, size_t width) {
    static const std::string blanks(16, ' ');
    return text.empty() ? std::string_view(blanks).substr(0, width) : std::string_view(text);
}

} // namespace

ReportWords reportWords(SayWord say) {
    const auto word = [say](SourceText source) {
        return say ? say(source) : std::string(source.text);
    };
    ReportWords words;
    words.language = word(kLanguageCode);
    for (RecordSession s : kRecordSessions)
        words.sessions[static_cast<size_t>(s)] = word(sessionWord(s));
    layOut(words);
    for (size_t i = 0; i < words.titles.size(); ++i)
        words.titles[i] = word(kTitles[i]);
    appendPadded(words.columnHeader, word(kColumns[0]),
                 words.labels[0].size() + kTextLine.labelGap);
    for (size_t i = 1; i + 1 < std::size(kColumns); ++i)
        appendPadded(words.columnHeader, word(kColumns[i]),
                     kNextColumn[i] - std::min(kNextColumn[i], words.columnHeader.size()));
    words.columnHeader += word(kColumns[std::size(kColumns) - 1]);
    for (size_t i = 0; i < words.pageTracksets.size(); ++i)
        words.pageTracksets[i] = word(kPageTracksets[i]);
    for (size_t i = 0; i < words.pageColumns.size(); ++i)
        words.pageColumns[i] = word(kPageColumns[i]);
    words.homePage = word(kHomePage);
    words.pageTitle = word(kPageTitle);
    for (Trackset set : {Trackset::Standard, Trackset::TrackPack})
        for (size_t i = 0; i < kCircuitsPerSet; ++i) {
            const Circuit& c = fixedCircuits(set)[i];
            words.circuits[static_cast<size_t>(set)][i] = word(c.name) + " - " + word(c.country);
        }
    return words;
}

const ReportWords& englishReportWords() {
    static const ReportWords words = reportWords();
    return words;
}

std::vector<Trackset> reportOrder(const TracksetChoice& ticked) {
    std::vector<Trackset> order;
    if (ticked.standard)
        order.push_back(Trackset::Standard);
    if (ticked.trackPack)
        order.push_back(Trackset::TrackPack);
    if (ticked.custom)
        order.push_back(Trackset::Custom);
    return order;
}

bool nothingTicked(const TracksetChoice& ticked) {
    return !ticked.standard && !ticked.trackPack && !ticked.custom;
}

Headings fixedHeadings(Trackset set, const ReportWords& words) {
    return words.circuits[static_cast<size_t>(set == Trackset::TrackPack)];
}

Headings customHeadings(const std::array<std::string, kCircuitsPerSet>& captions) {
    Headings headings;
    for (size_t i = 0; i < headings.size(); ++i)
        headings[i] = customHeading(captions[i]);
    return headings;
}

bool isReported(const CircuitRecord& record) {
    for (RecordSession s : kRecordSessions) {
        if (!textOf(record[fieldIndex(s, RecordField::Lap)]).empty())
            return true;
    }
    return false;
}

TracksetReport tracksetReport(Trackset set, const Headings& headings, const LapRecordSet& records) {
    TracksetReport report;
    report.set = set;
    for (size_t i = 0; i < records.size(); ++i) {
        if (!isReported(records[i]))
            continue;
        ReportCircuit& circuit = report.circuits.emplace_back();
        circuit.number = static_cast<int>(i) + 1;
        circuit.heading = headings[i];
        for (size_t f = 0; f < circuit.fields.size(); ++f)
            circuit.fields[f] = textOf(records[i][f]);
    }
    return report;
}

Sentence ReportStop::sentence() const {
    return error.kind == ErrorKind::Missing ? Sentence(kNotSetUpText) : error.text;
}

ReportData loadReport(const TracksetChoice& ticked, FileOps& ops, const std::string& folder,
                      const ReportWords& words) {
    ReportData data;
    Headings custom;
    if (ticked.custom) {
        Result<std::array<std::string, kCircuitsPerSet>> captions =
            readCustomCaptions(folder + kCustomFileName);
        if (!captions) {
            data.stop = ReportStop{captions.error(), true};
            return data;
        }
        custom = customHeadings(*captions);
    }
    for (Trackset set : reportOrder(ticked)) {
        Result<LapRecordSet> records =
            readLapRecordFile(folder + std::string(lapRecordFileName(set)), ops);
        if (!records) {
            data.stop = ReportStop{records.error(), false};
            return data;
        }
        data.tracksets.push_back(tracksetReport(
            set, set == Trackset::Custom ? custom : fixedHeadings(set, words), *records));
    }
    return data;
}

FillWidths printFillWidths(Trackset set) {
    FillWidths widths;
    if (set == Trackset::Standard)
        widths.split3 = 6;
    return widths;
}

void appendSessionLine(std::string& out, const ReportCircuit& circuit, RecordSession s,
                       const FillWidths& fill, const LineLayout& layout, const ReportWords& words) {
    // A line break or tab in a field from a hand-edited file shows as a blank,
    // so that every session keeps its one line and its columns.
    std::array<std::string, kFieldsPerSession> f;
    for (size_t i = 0; i < f.size(); ++i) {
        f[i] = circuit.fields[fieldIndex(s, RecordField::Lap) + i];
        std::replace_if(
            f[i].begin(), f[i].end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; },
            ' ');
    }
    out += words.labels[static_cast<size_t>(s)];
    out.append(layout.labelGap, ' ');
    out += filled(f[0], fill.lap);
    out += "\t   ";
    out += filled(f[1], fill.split1);
    out += "\t   ";
    out += filled(f[2], fill.split2);
    out += "\t   ";
    out += filled(f[3], fill.split3);
    out += '\t';
    out.append(layout.setupGap, ' ');
    // The fill comes before the cut, so an empty name still gives 8 blanks.
    out += filled(f[4], fill.setup).substr(0, layout.setupLimit);
}

ExportResult exportReportFile(const std::string& target, const TracksetChoice& ticked,
                              const std::function<std::string(const ReportData&)>& compose,
                              FileOps& ops, const std::string& folder, const ReportWords& words) {
    const ReportData data = loadReport(ticked, ops, folder, words);
    ExportResult result;
    result.stop = data.stop;
    if (data.stop && data.stop->atCustomFile)
        return result;
    if (Status written = writeExportFile(ops, target, compose(data)); !written)
        result.writeError = written.error();
    return result;
}

} // namespace velomark
