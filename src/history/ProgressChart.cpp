#include "history/ProgressChart.h"

#include "store/Dates.h"
#include "store/TimeText.h"

#include <algorithm>

namespace velomark {

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

} // namespace velomark
