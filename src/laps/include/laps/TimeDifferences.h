// Practice against Qualifying, split by split, and the ideal lap built from
// the best sectors of the two sessions.
#pragma once

#include "laps/TimeText.h"

#include <array>
#include <optional>
#include <string>

namespace velomark {

// Whether the differences can be asked for: each session's splits' leading
// values add up to more than 0. A split too large to read counts as typed;
// the press then says the splits are not written as times.
bool differencesAvailable(const SessionTimes& practice, const SessionTimes& qualifying);

enum class DifferenceSide {
    PracticeMinusQualifying, // left button, shown beside the Practice row
    QualifyingMinusPractice, // right button, shown beside the Qualifying row
};

struct DifferenceDisplay {
    // Under 1st Split, +2nd Split, 3rd Split and Lap Time; empty where a
    // session lacks that split.
    std::array<std::string, 4> labels;
    std::string idealLap; // "Ideal Lap Time: 1.29.824"
    double idealSeconds = 0;
};

// Nothing when a split the comparison needs is empty or not a number.
std::optional<DifferenceDisplay>
timeDifferences(const SessionTimes& practice, const SessionTimes& qualifying, DifferenceSide side);

// The ideal lap in seconds where the editor shows one: the differences can be
// asked for and their splits are numbers. Nothing otherwise.
std::optional<double> idealLapSeconds(const SessionTimes& practice, const SessionTimes& qualifying);

} // namespace velomark
