// What every report shares: the ticked tracksets in their fixed order, the
// circuits that are reported and their headings, the blank fill of empty
// fields, the session lines, and where reading stopped when an input file is
// missing, so that each export can leave exactly the partial output it must.
#pragma once

#include "files/FileOps.h"
#include "files/Result.h"
#include "formats/Circuits.h"
#include "formats/LapRecordFile.h"
#include "laps/DataFiles.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velomark {

// The words of the text, screen, clipboard, printed and HTML reports, in the
// files' 8-bit text: English, or translated by the windows. The layouts pad
// by each word's own length, so the columns line up in any language.
struct ReportWords {
    std::string language;                     // "en", "de", ...: the HTML page's lang
    std::array<std::string, 4> sessions;      // "QuickRace", ...
    std::array<std::string, 4> labels;        // "QuickRace  :", each as wide as the widest
    std::array<std::string, 3> titles;        // "GP2 Lap Times - Standard Circuits", ...
    std::string columnHeader;                 // "Session         Lap Time  ...  Setup"
    std::string pageTitle;                    // "GP2 Lap Times"
    std::array<std::string, 3> pageTracksets; // "Standard Trackset", ...
    std::array<std::string, 6> pageColumns;   // "Session", "LapTime", ... "Setup file"
    std::string homePage;                     // "Velomark Home Page"
    // The Standard and TrackPack circuits' headings: "Interlagos - Brazil", ...
    std::array<std::array<std::string, kCircuitsPerSet>, 2> circuits;
};

// A word's text in the report: its translation in the files' 8-bit text.
using SayWord = std::string (*)(SourceText);
// The words as say gives them; English without say.
ReportWords reportWords(SayWord say = nullptr);
const ReportWords& englishReportWords();

// The message shown when an input file of a report cannot be read.
inline constexpr SourceText kNotSetUpTitle = VM_TEXT("Reports", "Ooops!");
inline constexpr SourceText kNotSetUpText =
    VM_TEXT("Reports", "Cannot Export as selected Circuits are not set up");
inline constexpr SourceText kNothingTickedTitle = VM_TEXT("Reports", "Nothing to print");
inline constexpr SourceText kNothingTickedText =
    VM_TEXT("Reports", "Erm.. try selecting a Trackset");

// Standard, IA Track Pack, Custom, whatever order they were ticked in.
std::vector<Trackset> reportOrder(const TracksetChoice& ticked);
bool nothingTicked(const TracksetChoice& ticked);

using Headings = std::array<std::string, kCircuitsPerSet>;
// Standard or TrackPack, in the words' language.
Headings fixedHeadings(Trackset set, const ReportWords& words = englishReportWords());
Headings customHeadings(const std::array<std::string, kCircuitsPerSet>& captions);

// A circuit that has a lap time in at least one session; fields that hold
// nothing are read as empty text.
struct ReportCircuit {
    int number = 0; // 1 to 16
    std::string heading;
    std::array<std::string, kFieldsPerRecord> fields;
};

struct TracksetReport {
    Trackset set = Trackset::Standard;
    std::vector<ReportCircuit> circuits; // in circuit order, unreported ones left out
};

bool isReported(const CircuitRecord& record);
TracksetReport tracksetReport(Trackset set, const Headings& headings, const LapRecordSet& records);

// An input that could not be read. Reading stops there: the tracksets before
// it are reported, it and the ones after it are not.
struct ReportStop {
    Error error;
    // The custom file is read before any output starts, so a stop there means
    // the text file is untouched, the view is not shown, nothing is printed.
    bool atCustomFile = false;

    // Missing files give the usual "not set up" text; a damaged file says
    // which file and what is wrong with it.
    Sentence sentence() const;
    std::string text() const { return sentence().english(); }
};

struct ReportData {
    std::vector<TracksetReport> tracksets; // those read, in report order
    std::optional<ReportStop> stop;
};

// Reads `custom` (when Custom is ticked) and the ticked lap record files, in
// the order the reports read them; bare file names are taken inside folder
// ("" for the working directory, otherwise ending in a separator). The fixed
// circuits' headings are in the words' language.
ReportData loadReport(const TracksetChoice& ticked, FileOps& ops = realFileOps(),
                      const std::string& folder = {},
                      const ReportWords& words = englishReportWords());

// Blank runs that stand in for empty fields.
struct FillWidths {
    size_t lap = 8, split1 = 6, split2 = 6, split3 = 8, setup = 8;
};
FillWidths printFillWidths(Trackset set); // the Standard 3rd split gets 6

// How a session line is laid out in one sink.
struct LineLayout {
    size_t labelGap;   // blanks after the label
    size_t setupGap;   // blanks after the tab before the setup file name
    size_t setupLimit; // characters of the setup file name shown
};
inline constexpr LineLayout kTextLine{4, 3, std::string_view::npos};
inline constexpr LineLayout kScreenLine{4, 3, 20};
inline constexpr LineLayout kWideLine{15, 2, std::string_view::npos}; // print, clipboard

void appendSessionLine(std::string& out, const ReportCircuit& circuit, RecordSession s,
                       const FillWidths& fill, const LineLayout& layout,
                       const ReportWords& words = englishReportWords());

// What a file export did, for its window to report.
struct ExportResult {
    enum class Refused { No, BadFileName, NothingTicked };
    Refused refused = Refused::No;
    std::optional<ReportStop> stop;  // an input was missing; see each export
    std::optional<Error> writeError; // the target could not be written; it was left as it was
};

// Reads the ticked tracksets and writes compose's bytes of them to target
// through writeExportFile: a stop at the custom file writes nothing, a stop at
// a lap record file writes the tracksets read before it.
ExportResult exportReportFile(const std::string& target, const TracksetChoice& ticked,
                              const std::function<std::string(const ReportData&)>& compose,
                              FileOps& ops, const std::string& folder,
                              const ReportWords& words = englishReportWords());

} // namespace velomark
