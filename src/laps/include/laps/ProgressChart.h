// The progress chart as values: one circuit's lap times over the dates of
// the history, a line per session, the stored best of each, the ideal lap
// across, and the ranges and labels of the two axes. The window only draws it.
#pragma once

#include "formats/HistoryFile.h"

#include <array>
#include <cstdint>
#include <optional>
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

struct ProgressLine {
    RecordSession session;
    std::vector<ProgressPoint> points;
    std::optional<size_t> best; // the point of the time stored now, when it is in the history
};

// A label of the time axis: m.ss.sss at a round step.
struct TimeTick {
    double seconds = 0;
    std::string label;
};

struct ProgressChart {
    std::vector<ProgressLine> lines; // sessions with a point, in record order
    std::optional<double> idealLap;  // seconds, drawn across the whole date range
    // The date axis in seconds since 1970, with a margin either side so that a
    // single date still makes a line and no mark is cut at the edge.
    std::int64_t from = 0, to = 0;
    double bottom = 0, top = 0; // the time axis, a step beyond the times either side
    std::vector<TimeTick> ticks;
};

// The chart of one circuit from its history rows and the lap times stored now
// (by session, the files' 8-bit text); nothing when no session has a point.
std::optional<ProgressChart> progressChart(const std::vector<HistoryRow>& history, Trackset set,
                                           int circuit,
                                           const std::array<std::string, 4>& storedLaps,
                                           std::optional<double> idealLap);

} // namespace velomark
