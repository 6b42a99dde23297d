#include "laps/EditorSession.h"

#include "laps/SessionGrid.h"
#include "laps/TimeDifferences.h"

#include <utility>

namespace velomark {

namespace {

bool shown(size_t field) {
    return hasField(static_cast<Row>(field / kFieldsPerSession),
                    static_cast<Column>(field % kFieldsPerSession));
}

} // namespace

std::vector<SaveNote> saveNotes(const SavedTimes& done) {
    std::vector<SaveNote> notes;
    for (const Sentence& improvement : done.improvements)
        notes.push_back({SaveNote::Kind::Improvement, improvement, std::nullopt});
    if (!done.history)
        notes.push_back({SaveNote::Kind::HistoryNotUpdated, {}, done.history.error()});
    for (const Sentence& warning : done.warnings)
        notes.push_back({SaveNote::Kind::SplitWarning, warning, std::nullopt});
    return notes;
}

EditorSession::EditorSession(CircuitChoice circuit) : m_circuit(std::move(circuit)) {}

Status EditorSession::load() {
    completePendingHistory(); // a failure is told by the next SAVE
    const Result<CircuitRecord> record =
        readCircuitRecord(std::string(lapRecordFileName(m_circuit.trackset)), m_circuit.number);
    if (!record)
        return record.error();
    m_held = *record;
    m_typed = over(m_held, m_held);
    return success();
}

std::optional<double> EditorSession::heldIdealLap() const {
    const TimeSheet stored = timeSheetOf(m_held);
    return idealLapSeconds(stored.practice, stored.qualifying);
}

void EditorSession::type(size_t field, std::string text) {
    if (field < m_typed.size() && shown(field))
        m_typed[field] = std::move(text);
}

void EditorSession::insert(const ImportedLap& lap) {
    TimeSheet typed = sheet();
    insertImportedLap(typed, lap);
    putTimeSheet(m_typed, typed);
    if (const std::optional<Session> s = sessionToComplete(lap.slot))
        m_completion = s;
}

std::optional<Session> EditorSession::takeCompletion() {
    return std::exchange(m_completion, std::nullopt);
}

bool EditorSession::complete(Session session) {
    TimeSheet typed = sheet();
    if (!completeThirdSplit(typed, session))
        return false;
    putTimeSheet(m_typed, typed);
    return true;
}

SaveOutcome EditorSession::save(const ChooseOverChange& choose) {
    const CircuitRecord typed = over(m_held, m_typed);
    SavedTimes done = saveTimes(m_circuit, m_held, typed);
    // Times stored meanwhile by another window (Hot laps): the player
    // chooses what becomes of theirs and of the typed ones.
    while (done.storedNow) {
        const CircuitRecord now = *done.storedNow;
        SaveEnd end = SaveEnd::Cancelled;
        const std::optional<CircuitRecord> chosen =
            settle(typed, now, done.saved.error(), choose, end);
        if (!chosen)
            return {end, std::nullopt};
        m_held = now;
        done = saveTimes(m_circuit, m_held, *chosen);
    }
    if (done.saved)
        m_held = done.record;
    m_typed = over(m_held, done.record); // filled out, whether or not it was saved
    return {done.saved ? SaveEnd::Saved : SaveEnd::Failed, std::move(done)};
}

// The record to store over now, which was stored elsewhere after held was
// read, as the player chooses; nothing when nothing is to be stored, end
// saying why.
std::optional<CircuitRecord> EditorSession::settle(const CircuitRecord& typed,
                                                   const CircuitRecord& now, const Error& why,
                                                   const ChooseOverChange& choose, SaveEnd& end) {
    ChangedElsewhere asked{mergeEdits(m_held, now, typed), why, {}};
    if (asked.edits.theirs.empty())
        return asked.edits.merged; // no field changed there, only how one was written
    if (asked.edits.clashes.empty())
        asked.choices.push_back(OverChange::KeepBoth);
    asked.choices.insert(asked.choices.end(),
                         {OverChange::Overwrite, OverChange::GoBack, OverChange::Cancel});
    switch (choose(asked)) {
    case OverChange::KeepBoth:
        return asked.edits.merged;
    case OverChange::Overwrite:
        return over(now, m_typed);
    case OverChange::GoBack:
        m_held = now;
        m_typed = over(now, now);
        end = SaveEnd::WentBack;
        return std::nullopt;
    case OverChange::Cancel:
        break;
    }
    end = SaveEnd::Cancelled;
    return std::nullopt;
}

// base with the shown fields of shownFrom, each a text.
CircuitRecord EditorSession::over(const CircuitRecord& base, const CircuitRecord& shownFrom) {
    CircuitRecord record = base;
    for (size_t i = 0; i < record.size(); ++i)
        if (shown(i))
            record[i] = textOf(shownFrom[i]);
    return record;
}

} // namespace velomark
