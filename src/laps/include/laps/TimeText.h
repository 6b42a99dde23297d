// Time texts (m.ss.sss and ss.sss) and the arithmetic on them.
//
// Times are kept as the text the user typed or the import delivered; numbers
// are read out of them only where something has to be calculated. Everything
// here is independent of the user's locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velomark {

// Leading value: blanks skipped, then sign, digits and at most one period up
// to the first character that cannot continue the number; no digit gives 0.
// Nothing when the number found is too large for a double.
std::optional<double> leadingValue(std::string_view text);

// Strict number: the whole text, blanks around it allowed, must be one decimal
// number with a period as decimal point. Anything else fails, and so does a
// number too large for a double.
std::optional<double> strictNumber(std::string_view text);

// Decimal text: at most 15 significant digits, no trailing zeros, no exponent.
std::string decimalText(double value);

// Three decimals, halves away from zero, at least one digit before the period.
std::string threeDecimalFormat(double value);
// As threeDecimalFormat, but at least two digits before the period.
std::string secondsFormat(double value);

// 60 x character 1 + characters 3-4 + characters 6-8 / 1000 of an 8-character
// text such as 1.02.300; fails when a part is not a number.
std::optional<double> fixedPositionSeconds(std::string_view text);

// A time text as seconds: m.ss.sss cut at its own periods (minutes, seconds,
// and the digits after the second period as a fraction), or a plain number of
// seconds. Nothing when it is neither.
std::optional<double> timeSeconds(std::string_view text);

// Seconds as m.ss.sss, as the ideal lap is shown; seconds that round to 60
// carry into the minutes.
std::string lapTimeText(double seconds);

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
