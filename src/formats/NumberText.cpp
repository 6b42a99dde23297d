#include "formats/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace velomark {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Parses sign, digits and at most one period already checked by the caller.
// A number too large for a double fails; one too small to tell from 0 is 0.
std::optional<double> parseChecked(std::string_view number) {
    bool negative = false;
    if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    double value = 0;
    const auto res = std::from_chars(number.data(), number.data() + number.size(), value,
                                     std::chars_format::fixed);
    if (res.ec == std::errc::result_out_of_range) {
        const std::string_view whole = number.substr(0, number.find('.'));
        if (whole.find_first_not_of('0') != std::string_view::npos)
            return std::nullopt;
        value = 0;
    }
    return negative ? -value : value;
}

// Length of the longest prefix of text that is sign, digits, at most one period.
size_t numberPrefix(std::string_view text, bool& sawDigit) {
    size_t i = 0;
    sawDigit = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    bool sawPeriod = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i])) {
            sawDigit = true;
        } else if (text[i] == '.' && !sawPeriod) {
            sawPeriod = true;
        } else {
            break;
        }
    }
    return i;
}

std::string_view trimBlanks(std::string_view t) {
    while (!t.empty() && isBlank(t.front()))
        t.remove_prefix(1);
    while (!t.empty() && isBlank(t.back()))
        t.remove_suffix(1);
    return t;
}

// A positive decimal number as digit strings, for rounding by decimal digits.
struct Decimal {
    bool negative = false;
    std::string whole; // no leading zeros except a single "0"
    std::string fraction;
};

Decimal toDecimal(double value) {
    const std::string text = decimalText(value);
    Decimal d;
    std::string_view t = text;
    if (!t.empty() && t.front() == '-') {
        d.negative = true;
        t.remove_prefix(1);
    }
    const size_t period = t.find('.');
    d.whole = std::string(t.substr(0, period));
    if (period != std::string_view::npos)
        d.fraction = std::string(t.substr(period + 1));
    return d;
}

// Rounds to three decimals, halves away from zero, and pads the whole part.
std::string patternFormat(double value, size_t minWholeDigits) {
    if (!std::isfinite(value))
        return decimalText(value);
    Decimal d = toDecimal(value);
    std::string digits = d.whole + (d.fraction + "0000").substr(0, 4);
    const bool roundUp = digits.back() >= '5';
    digits.pop_back();
    if (roundUp) {
        size_t i = digits.size();
        while (i > 0) {
            --i;
            if (digits[i] == '9') {
                digits[i] = '0';
            } else {
                ++digits[i];
                break;
            }
            if (i == 0)
                digits.insert(digits.begin(), '1');
        }
    }
    std::string whole = digits.substr(0, digits.size() - 3);
    const std::string fraction = digits.substr(digits.size() - 3);
    while (whole.size() > 1 && whole.front() == '0')
        whole.erase(whole.begin());
    while (whole.size() < minWholeDigits)
        whole.insert(whole.begin(), '0');
    const bool zero = whole.find_first_not_of('0') == std::string::npos && fraction == "000";
    return (d.negative && !zero ? "-" : "") + whole + "." + fraction;
}

// The two periods of a time text by the two-state switch: the first period
// met in state one becomes d1, the next in state two becomes d2, and so on.
// Positions count from 1; a period never found counts as 0.
void periodPositions(std::string_view text, int& d1, int& d2) {
    d1 = 0;
    d2 = 0;
    bool first = true;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '.')
            continue;
        (first ? d1 : d2) = static_cast<int>(i) + 1;
        first = !first;
    }
}

} // namespace

std::optional<double> leadingValue(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    bool sawDigit = false;
    const size_t n = numberPrefix(text, sawDigit);
    return sawDigit ? parseChecked(text.substr(0, n)) : 0.0;
}

std::optional<double> strictNumber(std::string_view text) {
    text = trimBlanks(text);
    bool sawDigit = false;
    const size_t n = numberPrefix(text, sawDigit);
    if (!sawDigit || n != text.size())
        return std::nullopt;
    return parseChecked(text);
}

std::string decimalText(double value) {
    if (value == 0)
        return "0";
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    std::string_view sci(buf, static_cast<size_t>(res.ptr - buf));
    if (!std::isfinite(value))
        return std::string(sci);
    std::string out;
    if (sci.front() == '-') {
        out += '-';
        sci.remove_prefix(1);
    }
    const size_t e = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, e))
        if (c != '.')
            digits += c;
    int exponent = std::atoi(std::string(sci.substr(e + 1)).c_str());
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    // digits holds d.ddd x 10^exponent.
    if (exponent < 0) {
        out += "0.";
        out.append(static_cast<size_t>(-exponent - 1), '0');
        out += digits;
    } else if (static_cast<size_t>(exponent) + 1 >= digits.size()) {
        out += digits;
        out.append(static_cast<size_t>(exponent) + 1 - digits.size(), '0');
    } else {
        out += digits.substr(0, static_cast<size_t>(exponent) + 1);
        out += '.';
        out += digits.substr(static_cast<size_t>(exponent) + 1);
    }
    return out;
}

std::string threeDecimalFormat(double value) {
    return patternFormat(value, 1);
}
std::string secondsFormat(double value) {
    return patternFormat(value, 2);
}

std::optional<double> fixedPositionSeconds(std::string_view text) {
    if (text.size() != 8)
        return std::nullopt;
    const auto minutes = strictNumber(text.substr(0, 1));
    const auto seconds = strictNumber(text.substr(2, 2));
    const auto thousandths = strictNumber(text.substr(5, 3));
    if (!minutes || !seconds || !thousandths)
        return std::nullopt;
    return 60 * *minutes + *seconds + *thousandths / 1000;
}

MinutesForm cutAtPeriods(std::string_view text) {
    MinutesForm m;
    int d1 = 0;
    int d2 = 0;
    periodPositions(text, d1, d2);
    if (d1 - 1 < 0 || d2 - d1 - 1 < 0)
        return m;
    m.lengthOk = true;
    m.minutes = strictNumber(text.substr(0, d1 - 1));
    m.seconds = strictNumber(text.substr(d1, d2 - d1 - 1));
    const std::string_view after = text.substr(d2);
    // Digits only: "0." followed by the text would let a sign or a period through.
    bool digitsOnly = !after.empty();
    for (char c : after)
        digitsOnly = digitsOnly && isDigit(c);
    if (digitsOnly)
        m.fraction = strictNumber(std::string("0.") + std::string(after));
    return m;
}

std::string lapTimeText(double seconds) {
    const double whole = std::floor(seconds);
    double minutes = std::floor(whole / 60);
    const double rest = whole - 60 * minutes;
    // 15 significant digits
    const double rounded = leadingValue(decimalText(seconds)).value_or(seconds);
    // Eight characters hold no number too large to read, so the 0 is never used.
    const std::string secondsText = decimalText(rest + (rounded - whole)).substr(0, 8);
    std::string shown = secondsFormat(leadingValue(secondsText).value_or(0));
    if (leadingValue(shown).value_or(0) >= 60) {
        minutes += 1;
        shown = secondsFormat(leadingValue(secondsText).value_or(0) - 60);
    }
    std::string text = decimalText(minutes) + "." + shown;
    std::erase(text, ' ');
    return text;
}

std::optional<double> timeSeconds(std::string_view text) {
    const MinutesForm m = cutAtPeriods(text);
    if (!m.lengthOk)
        return strictNumber(text);
    if (!m.minutes || !m.seconds || !m.fraction)
        return std::nullopt;
    return 60 * *m.minutes + *m.seconds + *m.fraction;
}

} // namespace velomark
