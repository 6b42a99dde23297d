// The plain-text reports: the text file, the screen view, the clipboard text
// and the printed lines, each built from the tracksets a ReportData holds.
// When reading stopped part-way, each gives what the tracksets read before
// the stop produce, which is what its sink keeps.
#pragma once

#include "laps/ReportModel.h"

#include <string>
#include <string_view>
#include <vector>

namespace velomark {

inline constexpr std::string_view kTextFileName = "Laptimes.txt";

// The bytes of the text file.
std::string textFileReport(const ReportData& data, const ReportWords& words = englishReportWords());

// Writes the text file: a missing custom file leaves the target untouched; a
// missing lap record file leaves it holding the tracksets read before (empty
// when the first one is missing). Nothing ticked writes an empty file.
ExportResult exportTextFile(const std::string& target, const TracksetChoice& ticked,
                            FileOps& ops = realFileOps(), const std::string& folder = {},
                            const ReportWords& words = englishReportWords());

// The whole text of the view window.
std::string screenText(const ReportData& data, const ReportWords& words = englishReportWords());

// The clipboard text; empty when nothing is reported.
std::string clipboardText(const ReportData& data, const ReportWords& words = englishReportWords());

// One printed line; headings are printed in the heading style (bold), the
// session lines without it. The printer font is Courier throughout.
inline constexpr std::string_view kPrintFontName = "Courier";
inline constexpr SourceText kReadyToPrintTitle = VM_TEXT("Reports", "Ready to print");
inline constexpr SourceText kReadyToPrintText = VM_TEXT("Reports", "Ready print with A4 paper");
inline constexpr SourceText kNoLapTimesToPrintText =
    VM_TEXT("Reports", "There are no lap times to print in the ticked tracksets.");

struct PrintLine {
    std::string text;
    bool heading = false;
    bool operator==(const PrintLine&) const = default;
};

// One print document per trackset read, ended even when it holds no line.
// Pages break where the printer's page is full; lines never hold a line end.
struct PrintDocument {
    Trackset set = Trackset::Standard;
    std::string title; // the trackset's title, the print job's name
    std::vector<PrintLine> lines;
};

std::vector<PrintDocument> printDocuments(const ReportData& data,
                                          const ReportWords& words = englishReportWords());

} // namespace velomark
