// The report model: order, report rule, headings, blank fill, session lines
// and the reading of the inputs.
#include "laps/ReportModel.h"

#include "files/SafeReplace.h"
#include "formats/CustomFile.h"

#include <algorithm>
#include <array>

namespace velomark {

namespace {

constexpr std::string_view kLabels[] = {
    "QuickRace  :", "Practice   :", "Qualifying :", "Race       :"};
constexpr std::string_view kTitles[] = {"GP2 Lap Times - Standard Circuits",
                                        "GP2 Lap Times - IA Track Pack",
                                        "GP2 Lap Times - Custom Circuits"};

std::string_view filled(const std::string& text, size_t width) {
    static const std::string blanks(16, ' ');
    return text.empty() ? std::string_view(blanks).substr(0, width) : std::string_view(text);
}

} // namespace

std::string_view sessionLabel(RecordSession s) {
    return kLabels[static_cast<size_t>(s)];
}

std::string_view tracksetTitle(Trackset set) {
    return kTitles[static_cast<size_t>(set)];
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

Headings fixedHeadings(Trackset set) {
    Headings headings;
    const auto& circuits = fixedCircuits(set);
    for (size_t i = 0; i < headings.size(); ++i)
        headings[i] = reportHeading(circuits[i]);
    return headings;
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

std::string ReportStop::text() const {
    return error.kind == ErrorKind::Missing ? std::string(kNotSetUpText) : error.message;
}

ReportData loadReport(const TracksetChoice& ticked, FileOps& ops, const std::string& folder) {
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
        data.tracksets.push_back(
            tracksetReport(set, set == Trackset::Custom ? custom : fixedHeadings(set), *records));
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
                       const FillWidths& fill, const LineLayout& layout) {
    // A line break or tab in a field from a hand-edited file shows as a blank,
    // so that every session keeps its one line and its columns.
    std::array<std::string, kFieldsPerSession> f;
    for (size_t i = 0; i < f.size(); ++i) {
        f[i] = circuit.fields[fieldIndex(s, RecordField::Lap) + i];
        std::replace_if(
            f[i].begin(), f[i].end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; },
            ' ');
    }
    out += sessionLabel(s);
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
                              std::string (*compose)(const ReportData&), FileOps& ops,
                              const std::string& folder) {
    const ReportData data = loadReport(ticked, ops, folder);
    ExportResult result;
    result.stop = data.stop;
    if (data.stop && data.stop->atCustomFile)
        return result;
    if (Status written = writeExportFile(ops, target, compose(data)); !written)
        result.writeError = written.error();
    return result;
}

} // namespace velomark
