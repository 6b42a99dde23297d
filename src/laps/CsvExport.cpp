#include "laps/CsvExport.h"

#include "formats/Cp1252.h"
#include "formats/Csv.h"

namespace velomark {

std::string csvReport(const ReportData& data) {
    std::string out = csvLine({"Trackset", "Circuit", "Circuit name", "Session", "Lap time",
                               "1st split", "+2nd split", "3rd split", "Setup"});
    for (const TracksetReport& t : data.tracksets) {
        for (const ReportCircuit& c : t.circuits) {
            for (RecordSession s : kRecordSessions) {
                auto field = [&](RecordField f) {
                    return cp1252ToUtf8(c.fields[fieldIndex(s, f)]);
                };
                if (c.fields[fieldIndex(s, RecordField::Lap)].empty())
                    continue;
                out += csvLine({std::string(tracksetName(t.set)), std::to_string(c.number),
                                cp1252ToUtf8(c.heading), std::string(recordSessionName(s)),
                                field(RecordField::Lap), field(RecordField::Split1),
                                field(RecordField::Split2), field(RecordField::Split3),
                                field(RecordField::Setup)});
            }
        }
    }
    return out;
}

ExportResult exportCsvFile(const std::string& target, const TracksetChoice& ticked, FileOps& ops,
                           const std::string& folder) {
    return exportReportFile(target, ticked, csvReport, ops, folder);
}

} // namespace velomark
