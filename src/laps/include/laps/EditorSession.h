// The lap-time editor's hold on one circuit's record: the record as last
// read or saved, the record as the player has typed it, and what the editor
// does with them: INSERT of an imported lap and the 3rd split's completion,
// SAVE with the choice over times stored elsewhere meanwhile, what the status
// line holds after it, and the ideal lap of the stored times. The window
// keeps its fields in step with the typed record and shows what this gives.
#pragma once

#include "files/Result.h"
#include "formats/Circuits.h"
#include "formats/LapRecordFile.h"
#include "laps/ImportedLap.h"
#include "laps/SaveTimes.h"
#include "laps/TimeText.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velomark {

// What becomes of a SAVE that found the record stored anew elsewhere.
enum class OverChange {
    KeepBoth,  // the player's changes are stored over the new times
    Overwrite, // the typed times replace the new ones
    GoBack,    // nothing stored; the typed times give way to the stored ones
    Cancel,    // nothing stored; the typed times stay
};

// What the player is asked then: what changed on each side, why the save
// stopped, and the choices in the order offered. Keep both is offered only
// where the two sides changed different fields.
struct ChangedElsewhere {
    MergedEdits edits;
    Error why;
    std::vector<OverChange> choices;
};
using ChooseOverChange = std::function<OverChange(const ChangedElsewhere&)>;

enum class SaveEnd {
    Saved,     // stored
    Failed,    // not stored; done.saved says why
    Cancelled, // nothing stored; the typed times stay
    WentBack,  // nothing stored; typed is the stored record again
};

struct SaveOutcome {
    SaveEnd end = SaveEnd::Cancelled;
    std::optional<SavedTimes> done; // the last save tried, where one ended it (Saved, Failed)
};

// One line of the status line after a SAVE.
struct SaveNote {
    enum class Kind { Improvement, HistoryNotUpdated, SplitWarning };
    Kind kind;
    Sentence text;              // an improvement or a warning
    std::optional<Error> error; // why the history was not updated
};

// Each changed lap time against the one it replaced, a history that could
// not be added to, then the splits that cannot be right.
std::vector<SaveNote> saveNotes(const SavedTimes& done);

class EditorSession {
  public:
    explicit EditorSession(CircuitChoice circuit);

    const CircuitChoice& circuit() const { return m_circuit; }

    // Reads the circuit's record from its lap record file (after completing a
    // SAVE a crash stopped): held and typed become it.
    Status load();

    // The record as last read or saved, and the ideal lap its splits give.
    const CircuitRecord& held() const { return m_held; }
    std::optional<double> heldIdealLap() const;

    // The record as typed: held with the fields the editor shows as the player
    // left them (each a text, never an absent field), and its time texts.
    // load, SAVE, INSERT and the completion change it as the window then shows it.
    const CircuitRecord& typed() const { return m_typed; }
    TimeSheet sheet() const { return timeSheetOf(m_typed); }
    // A shown field (its place in the record) as the player typed it.
    void type(size_t field, std::string text);

    // INSERT of an imported lap into typed; a Practice or Qualifying lap
    // leaves its 3rd split to complete, once the editor is active again.
    void insert(const ImportedLap& lap);
    // The session an INSERT left to complete, once: taking it forgets it.
    std::optional<Session> takeCompletion();
    // Completes session's 3rd split in typed; false, typed as it was, when
    // the lap time cannot be cut at its periods.
    bool complete(Session session);

    // SAVE of typed over held. When the record was stored elsewhere since,
    // choose is asked what becomes of it, as often as that happens; held then
    // becomes what was stored. typed becomes the record as filled out (as
    // the window shows it, saved or not), or what was stored when the player
    // goes back; held becomes what was saved.
    SaveOutcome save(const ChooseOverChange& choose);

  private:
    static CircuitRecord over(const CircuitRecord& base, const CircuitRecord& shownFrom);
    std::optional<CircuitRecord> settle(const CircuitRecord& typed, const CircuitRecord& now,
                                        const Error& why, const ChooseOverChange& choose,
                                        SaveEnd& end);

    const CircuitChoice m_circuit;
    CircuitRecord m_held{};
    CircuitRecord m_typed{};
    std::optional<Session> m_completion;
};

} // namespace velomark
