#include "laps/ProgressChart.h"

#include "formats/Cp1252.h"
#include "formats/Dates.h"
#include "formats/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace velomark {

namespace {

// A step for the time axis that gives four to eight labels over span seconds.
double tickStep(double span) {
    for (double step : {0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1.0, 2.0, 5.0, 10.0, 20.0, 30.0, 60.0})
        if (span / step <= 8)
            return step;
    return 60 * std::ceil(span / 480);
}

// Lap times read as m.ss.sss on labels at round steps, a step beyond low and high.
void placeTimeAxis(ProgressChart& chart, double low, double high) {
    const double step = tickStep(std::max(high - low, 0.05));
    chart.bottom = std::floor(low / step) * step - step;
    chart.top = std::ceil(high / step) * step + step;
    for (int i = 0; chart.bottom + i * step <= chart.top + step / 2; ++i) {
        const double value = chart.bottom + i * step;
        chart.ticks.push_back({value, lapTimeText(value)});
    }
}

} // namespace

std::vector<ProgressPoint> progressPoints(const std::vector<HistoryRow>& history, Trackset set,
                                          int circuit, RecordSession session) {
    std::vector<ProgressPoint> points;
    for (const HistoryRow& r : history) {
        if (r.set != set || r.circuit != circuit || r.session != session)
            continue;
        const auto when = parseIsoTimestamp(r.when);
        const auto seconds = timeSeconds(r.lap);
        if (when && seconds)
            points.push_back({*when, *seconds, r.lap, r.setup});
    }
    std::stable_sort(points.begin(), points.end(),
                     [](const ProgressPoint& a, const ProgressPoint& b) {
                         return a.unixSeconds < b.unixSeconds;
                     });
    return points;
}

std::optional<ProgressChart> progressChart(const std::vector<HistoryRow>& history, Trackset set,
                                           int circuit,
                                           const std::array<std::string, 4>& storedLaps,
                                           std::optional<double> idealLap) {
    ProgressChart chart;
    chart.idealLap = idealLap;
    double low = idealLap.value_or(std::numeric_limits<double>::max());
    double high = idealLap.value_or(std::numeric_limits<double>::lowest());
    std::int64_t first = std::numeric_limits<std::int64_t>::max(), last = 0;
    for (RecordSession s : kRecordSessions) {
        ProgressLine line{s, progressPoints(history, set, circuit, s), std::nullopt};
        if (line.points.empty())
            continue;
        const std::string stored = cp1252ToUtf8(storedLaps[static_cast<size_t>(s)]);
        for (size_t i = 0; i < line.points.size(); ++i) {
            low = std::min(low, line.points[i].seconds);
            high = std::max(high, line.points[i].seconds);
            if (line.points[i].lap == stored)
                line.best = i; // the newest row of that time
        }
        first = std::min(first, line.points.front().unixSeconds);
        last = std::max(last, line.points.back().unixSeconds);
        chart.lines.push_back(std::move(line));
    }
    if (chart.lines.empty())
        return std::nullopt;
    const std::int64_t margin = std::max<std::int64_t>(86400, (last - first) / 30);
    chart.from = first - margin;
    chart.to = last + margin;
    placeTimeAxis(chart, low, high);
    return chart;
}

} // namespace velomark
