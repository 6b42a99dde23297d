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
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velomark {

std::string_view sessionLabel(RecordSession s); // "QuickRace  :", twelve characters each
std::string_view tracksetTitle(Trackset set);   // "GP2 Lap Times - Standard Circuits", ...

inline constexpr std::string_view kColumnHeader =
    "Session         Lap Time         1st Split       +2nd Split       3rd Split        Setup";

// The message shown when an input file of a report cannot be read.
inline constexpr std::string_view kNotSetUpTitle = "Ooops!";
inline constexpr std::string_view kNotSetUpText =
    "Cannot Export as selected Circuits are not set up";
inline constexpr std::string_view kNothingTickedTitle = "Nothing to print";
inline constexpr std::string_view kNothingTickedText = "Erm.. try selecting a Trackset";

// Standard, IA Track Pack, Custom, whatever order they were ticked in.
std::vector<Trackset> reportOrder(const TracksetChoice& ticked);
bool nothingTicked(const TracksetChoice& ticked);

using Headings = std::array<std::string, kCircuitsPerSet>;
Headings fixedHeadings(Trackset set); // Standard or TrackPack
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
    std::string text() const;
};

struct ReportData {
    std::vector<TracksetReport> tracksets; // those read, in report order
    std::optional<ReportStop> stop;
};

// Reads `custom` (when Custom is ticked) and the ticked lap record files, in
// the order the reports read them; bare file names are taken inside folder
// ("" for the working directory, otherwise ending in a separator).
ReportData loadReport(const TracksetChoice& ticked, FileOps& ops = realFileOps(),
                      const std::string& folder = {});

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
                       const FillWidths& fill, const LineLayout& layout);

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
                              std::string (*compose)(const ReportData&), FileOps& ops,
                              const std::string& folder);

} // namespace velomark
