// The CSV export: one row per circuit and session with a stored lap time, for
// the ticked tracksets, in the dialect of the history (UTF-8, every field
// quoted, CR LF), so spreadsheets open it as it is.
#pragma once

#include "laps/ReportModel.h"

#include <string>
#include <string_view>

namespace velomark {

inline constexpr std::string_view kCsvFileName = "Laptimes.csv";

// The header line, then the rows of the tracksets read, in report order.
std::string csvReport(const ReportData& data);

// Writes the CSV file aside and renames it into place. As the text file: a
// missing custom file leaves the target untouched, a missing lap record file
// leaves it holding the tracksets read before.
ExportResult exportCsvFile(const std::string& target, const TracksetChoice& ticked,
                           FileOps& ops = realFileOps(), const std::string& folder = {});

} // namespace velomark
