// A rival's lap times, read from the CSV file Velomark's CSV export writes or
// from their data folder (set1.dat, set2.dat, set3.dat, custom), and the gaps
// between their times and yours. A rival's files are only ever read.
#pragma once

#include "files/FileOps.h"
#include "files/Result.h"
#include "formats/Circuits.h"
#include "formats/LapRecordFile.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velomark {

// A CSV export of 48 circuits is a few kilobytes; a file beyond this is not one.
inline constexpr std::size_t kRivalFileLimit = 64u * 1024 * 1024;

struct RivalTimes {
    // Lap times in UTF-8 by trackset, circuit number - 1 and session; "" where none.
    std::array<std::array<std::array<std::string, 4>, kCircuitsPerSet>, 3> laps{};
    // Their Custom circuits' report headings in UTF-8: a Custom circuit of
    // yours is compared with the one of theirs that has its name, wherever it
    // stands in their list, since everybody numbers their own.
    std::array<std::string, kCircuitsPerSet> customNames;
    // Lines that were skipped, files that could not be read: a sentence each.
    std::vector<Error> notes;

    // Their lap time for a circuit of yours, "" where they have none.
    const std::string& lap(Trackset set, int number, std::string_view heading,
                           RecordSession s) const;
};

// The rows of a CSV export; lines that are not such rows are skipped and
// counted, by reason, in one note.
RivalTimes parseRivalCsv(std::string_view bytes);
Result<RivalTimes> readRivalCsv(const std::string& path, FileOps& ops = realFileOps());

// The lap record files and the custom file in folder (ending in a separator).
// A file that cannot be read leaves its circuits without rival times and says
// so in a note; a folder with no lap record file to read is refused.
Result<RivalTimes> readRivalFolder(const std::string& folder, FileOps& ops = realFileOps());

// Yours minus theirs in thousandths of a second, when both are times.
std::optional<long long> gapThousandths(std::string_view yours, std::string_view theirs);
// "-0.412" when you are faster, "+1.005" when slower, "0.000" for a tie.
std::string gapText(long long thousandths);

// "The Custom circuits" (what) "are left out because" the error's message.
Error leftOut(Sentence what, const Error& why);

} // namespace velomark
