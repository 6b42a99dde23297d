#include "laps/History.h"

#include "formats/Cp1252.h"

namespace velomark {

std::vector<SessionChange> changedLapTimes(const CircuitRecord& before,
                                           const CircuitRecord& after) {
    std::vector<SessionChange> changes;
    for (RecordSession s : kRecordSessions) {
        const size_t i = fieldIndex(s, RecordField::Lap);
        const std::string was = textOf(before[i]);
        const std::string now = textOf(after[i]);
        if (was != now && !now.empty())
            changes.push_back({s, was, now});
    }
    return changes;
}

std::vector<HistoryRow> historyRows(const CircuitChoice& circuit, const CircuitRecord& after,
                                    const std::vector<SessionChange>& changes,
                                    const std::string& when) {
    const std::string name = cp1252ToUtf8(customHeading(circuit.caption));
    std::vector<HistoryRow> rows;
    for (const SessionChange& c : changes) {
        auto field = [&](RecordField f) {
            return cp1252ToUtf8(textOf(after[fieldIndex(c.session, f)]));
        };
        rows.push_back({when, circuit.trackset, circuit.number, name, c.session,
                        field(RecordField::Lap), field(RecordField::Split1),
                        field(RecordField::Split2), field(RecordField::Split3),
                        field(RecordField::Setup)});
    }
    return rows;
}

} // namespace velomark
