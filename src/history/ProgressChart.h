// The progress chart as values: one circuit's lap times over the dates of
// the history, a line per session, the stored best of each, the ideal lap
// across, and the ranges and labels of the two axes. The window only draws it.
#pragma once

#include "store/History.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velomark {

// The lap times of one circuit and session over time, oldest first: rows
// whose date or lap time cannot be read are left out.
struct ProgressPoint {
    std::int64_t unixSeconds = 0;
    double seconds = 0;
    std::string lap, setup; // UTF-8
};
std::vector<ProgressPoint> progressPoints(const std::vector<HistoryRow>& history, Trackset set,
                                          int circuit, RecordSession session);

} // namespace velomark
