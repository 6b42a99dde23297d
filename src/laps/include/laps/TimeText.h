// The editor's sheet of time texts and its rules: the normalisation before a
// save, the completion of the 3rd split and the plain second sector.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velomark {

// One session's four time fields.
struct SessionTimes {
    std::string lap, split1, split2, split3; // split2 is the accumulated "+2nd split"
};

// The ten time fields of the editor.
struct TimeSheet {
    std::string quickRaceLap;
    SessionTimes practice;
    SessionTimes qualifying;
    std::string raceLap;
};

enum class Session { Practice, Qualifying };

// Fills out short time texts before a save (1.23.4 -> 1.23.400, 28 -> 28.000).
void saveNormalise(TimeSheet& sheet);

// Fills out minute-form +2nd splits of both sessions (1.02.3 -> 1.02.300).
void secondSplitNormalise(std::string& practiceSplit2, std::string& qualifyingSplit2);

enum class Completion {
    Completed,         // the 3rd split was derived
    NoSecondSplit,     // the +2nd split is empty: nothing to derive
    LengthFailure,     // the lap time holds fewer than two periods
    ConversionFailure, // a part of the lap time or the +2nd split is not a number
};

// Derives session s's 3rd split from its lap time and +2nd split, after the
// second-split normalisation of both sessions. On LengthFailure nothing has
// changed; on ConversionFailure the 3rd split keeps its old text.
Completion completeSplits(TimeSheet& sheet, Session s);

enum class PlainSplitKind { Empty, Value, Failure };
struct PlainSplit {
    PlainSplitKind kind;
    double seconds = 0;
};

// The second sector alone: the accumulated +2nd split minus the 1st split.
PlainSplit plainSecondSplit(std::string_view split1, std::string_view split2);

// The accumulated time of a +2nd split as the difference display reads it: the
// fixed-position seconds of an 8-character text, else the strict number.
std::optional<double> accumulatedSeconds(std::string_view split2);

} // namespace velomark
