// Practice against Qualifying and the ideal lap.
#include "laps/TimeDifferences.h"
#include "formats/NumberText.h"

#include <doctest.h>

using namespace velomark;

namespace {
const SessionTimes kQualifying{"", "28.905", "1.01.523", "28.301"};
using S = std::string;
} // namespace

TEST_CASE("differences") {
    // Practice minus Qualifying of the first is the editor test's.
    const struct {
        const char* name;
        SessionTimes practice; // against kQualifying
        bool left;             // practice minus qualifying
        S shown;               // the four labels and the ideal lap; empty for no display
    } rows[] = {
        {"qualifying side",
         {"", "29.112", "1.02.347", "28.654"},
         false,
         "-0.207|-0.824|-0.353|-1.177|1.29.824"},
        // Practice's 1st split, Qualifying's second sector and 3rd split.
        {"best sectors mixed",
         {"", "28.801", "1.01.950", "28.654"},
         true,
         "-0.104|+0.427|+0.353|+0.780|1.29.720"},
        // A tie gets no sign; the empty 3rd split counts 0 and so is the best one.
        {"tie, no 3rd split", {"", "28.905", "1.01.523", ""}, true, "0.000|0.000|||1.01.523"},
        {"1st split only", {"", "29.1", "", ""}, true, ""},
        {"3rd split not a number", {"", "29.1", "1.02.347", "28.6x"}, false, ""},
        {"3rd split too large for a double",
         {"", "29.1", "1.02.347", "1" + S(400, '0') + "x"},
         true,
         ""}};
    for (const auto& row : rows) {
        INFO(std::string(row.name));
        // Pressable even when nothing shows.
        CHECK(differencesAvailable(row.practice, kQualifying));
        using enum DifferenceSide;
        const auto d =
            timeDifferences(row.practice, kQualifying,
                            row.left ? PracticeMinusQualifying : QualifyingMinusPractice);
        S got;
        for (const S& label : d ? d->labels : std::array<S, 4>())
            got += label + "|";
        S shown = row.shown;
        if (!shown.empty())
            shown.insert(shown.rfind('|') + 1, "Ideal Lap Time: ");
        CHECK((d ? got + d->idealLap : S()) == shown);
    }
}

TEST_CASE("availability") {
    CHECK(differencesAvailable({"", "", "1.02.300", ""}, {"", "", "", "28.3"}));
    CHECK(differencesAvailable({"", "", "", "1" + S(400, '0') + "x"}, kQualifying));
    CHECK(!differencesAvailable(kQualifying, {"", "0", "abc", "-1"}));
}

TEST_CASE("lap time text") {
    CHECK(velomark::lapTimeText(45.512) == "0.45.512");    // under a minute
    CHECK(velomark::lapTimeText(59.9996) == "1.00.000");   // rounds up to a minute
    CHECK(velomark::lapTimeText(119.99951) == "2.00.000"); // rounds up to two minutes
}
