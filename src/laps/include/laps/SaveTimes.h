// SAVE, as one step: the typed time texts filled out, the circuit's record
// written with the history rows of its changed lap times, in an order no
// crash can split, and what the status line says about the times stored.
#pragma once

#include "formats/Circuits.h"
#include "formats/Dates.h"
#include "formats/LapRecordFile.h"
#include "laps/History.h"
#include "laps/TimeText.h"

#include <optional>
#include <string>
#include <vector>

namespace velomark {

// The ten time fields of a record, and the record with them put back.
TimeSheet timeSheetOf(const CircuitRecord& record);
void putTimeSheet(CircuitRecord& record, const TimeSheet& sheet);

// The record as SAVE writes it: its time texts filled out.
CircuitRecord filledOut(const CircuitRecord& typed);

// What a SAVE did.
struct SavedTimes {
    TimeSheet sheet;      // the time texts as filled out, to be shown whether or not it saved
    CircuitRecord record; // typed with the filled-out texts: what is stored once saved
    Status saved;         // a failure leaves the file as it was
    std::vector<Sentence> improvements; // per changed lap time
    Status history;                     // a history that could not be added to
    std::vector<Sentence> warnings;     // splits that cannot be right
    // The record the file held instead of held (saved is then ErrorKind::Changed),
    // from the same read: the window settles the change with it, reading nothing again.
    std::optional<CircuitRecord> storedNow;
};

// SAVE of one circuit: the texts of typed (the record as the window holds
// it, held with the shown fields replaced) are filled out, the record is
// written to its lap record file in dataFolder ("" for the working folder,
// else ending in a separator) and the lap times that changed since held get
// their history rows, dated by clock. The rows are noted in history.pending
// first, then the record file is replaced, then the rows are appended and the
// note removed; a SAVE stopped before is completed first. A history that
// cannot be written never stops the save. When the record in the file is no
// longer held (another window stored times there since), nothing is written
// and saved says so (ErrorKind::Changed).
SavedTimes saveTimes(const CircuitChoice& circuit, const CircuitRecord& held,
                     const CircuitRecord& typed, const Clock& clock = systemClock(),
                     const std::string& dataFolder = std::string(), FileOps& ops = realFileOps());

// Where a SAVE notes the rows it is about to add; beside the history.
inline constexpr const char* kPendingHistoryName = "history.pending";

// Completes a SAVE that a crash stopped: when the lap record file holds the
// lap times that history.pending names, its rows not yet at the end of the
// history are added there (with the date of that SAVE); when it does not, the
// save never happened. Either way history.pending goes. Run before a circuit
// is opened and before every SAVE; a missing history.pending costs one look.
Status completePendingHistory(const std::string& dataFolder = std::string(),
                              FileOps& ops = realFileOps());

// What a crash in the middle of a save leaves in dataFolder, put right when Velomark starts:
// history.pending completed as above, and the scratch files temp.dat and history.pending.new
// removed (only a file or a link of that name; a link's target stays). The folder is locked by
// then, so no other save can be writing them.
Status tidyAfterStoppedSave(const std::string& dataFolder = std::string(),
                            FileOps& ops = realFileOps());

// One field that two versions of a record hold differently: its place in
// the record (0 to 19) and its texts, filled out as SAVE fills them out.
struct FieldChange {
    size_t field = 0;
    std::string before, after;
};

// A SAVE that found its record stored anew elsewhere since the window read
// it: what changed on each side, and the two put together.
struct MergedEdits {
    std::vector<FieldChange> theirs; // stored against held
    std::vector<FieldChange> yours;  // typed against held
    // What both sides changed, each in its own way ("Qualifying times",
    // "Race notes"): only one of the two can be kept.
    std::vector<Sentence> clashes;
    // stored with the player's changes over it; where they clash, stored.
    CircuitRecord merged{};
};

// Puts the player's changes (typed against held) over the record stored
// since (stored), field by field. A Practice or Qualifying lap time and its
// three splits go as one, whichever side changed that lap time, so a lap is
// never stored with the splits of another. A time typed short and the same
// time filled out are no change.
MergedEdits mergeEdits(const CircuitRecord& held, const CircuitRecord& stored,
                       const CircuitRecord& typed);

// A field's name by its place in the record: "Qualifying lap time", "Race notes".
Sentence recordFieldName(size_t field);

// "Qualifying lap time: 1.30.000 became 1.20.000", "Race notes: set to
// wet.set", "Practice 1st split: 29.100 cleared".
Sentence fieldChangeText(const FieldChange& change);

// "Practice: 1.29.876, 0.412 s faster than 1.30.288 of 2026-11-02", the date
// left out when it is "".
Sentence improvementText(const SessionChange& change, const std::string& previousDate);

// Practice and Qualifying, where all three are times: a 1st split not below
// the +2nd split, or a +2nd split not below the lap time.
std::vector<Sentence> splitWarnings(const CircuitRecord& record);

} // namespace velomark
