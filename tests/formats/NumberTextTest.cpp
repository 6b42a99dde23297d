// Number texts: strict and leading numbers, decimal text and the three-decimal
// and seconds formats.
#include "formats/NumberText.h"

#include <doctest.h>

using namespace velomark;

TEST_CASE("conversions") {
    CHECK(leadingValue("1.02.300") == 1.02); // above 0, though not a strict number
    CHECK(leadingValue("  28.123") == 28.123);
    CHECK(leadingValue("-1.5x") == -1.5);
    for (const char* noDigit : {"", "abc", "."})
        CHECK(leadingValue(noDigit) == 0.0);

    const std::string huge = "1" + std::string(400, '0'); // too large for a double
    CHECK((!leadingValue(huge + ".5x") && !leadingValue("-" + huge) && !strictNumber(huge)));
    CHECK(strictNumber("0." + std::string(400, '0') + "1") == std::optional(0.0)); // tiny
    CHECK(strictNumber(" 28.123 ") == std::optional<double>(28.123));
    CHECK((strictNumber("-.5") == -0.5 && strictNumber("7.") == 7.0));
    for (const char* bad : {"1.02.300", "", "  ", "1:23", "1e3" /* no exponents */, "."})
        CHECK_MESSAGE(!strictNumber(bad), bad);

    CHECK(fixedPositionSeconds("1.02.300") == std::optional<double>(62.3));
    CHECK((!fixedPositionSeconds("1.0x.300") && !fixedPositionSeconds("62.300")));
}

// Decimal text, and the three-decimal and seconds formats of the differences.
TEST_CASE("number texts") {
    const struct {
        const char* name;
        double value;
        std::string decimal, threeDecimals, seconds;
    } rows[] = {
        {"difference", 90.95 - 62.3, "28.65", "28.650", "28.650"},
        {"-1.25", -1.25, "-1.25", "-1.250", "-01.250"},
        {"0.207", 29.112 - 28.905, "0.206999999999997", "0.207", "00.207"},
        {"zero", 0.0, "0", "0.000", "00.000"},
        {"half away from zero", 1.2345, "1.2345", "1.235", "01.235"},
        {"negative half", -0.0005, "-0.0005", "-0.001", "-00.001"},
        {"rounds to zero", -0.0004, "-0.0004", "0.000", "00.000"},
        {"carry", 59.9996, "59.9996", "60.000", "60.000"},
        {"rounds at fifteen", 2.0 / 3.0, "0.666666666666667", "0.667", "00.667"},
        {"large", 123456789012.5, "123456789012.5", "123456789012.500", "123456789012.500"}};
    for (const auto& row : rows) {
        INFO(std::string(row.name));
        CHECK(decimalText(row.value) == row.decimal);
        CHECK(threeDecimalFormat(row.value) == row.threeDecimals);
        CHECK(secondsFormat(row.value) == row.seconds);
    }
}
