// Number texts and time texts (m.ss.sss and ss.sss) read and written as
// numbers.
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

// A minutes-form text cut at its own periods: minutes, seconds and the digits
// after the second period as a decimal fraction. lengthOk is false when the
// text holds fewer than two periods.
struct MinutesForm {
    bool lengthOk = false;
    std::optional<double> minutes, seconds, fraction;
};

MinutesForm cutAtPeriods(std::string_view text);

} // namespace velomark
