// What the import window hands to the lap-time editor when the player
// presses INSERT (and, for a race lap, chooses the slot), and INSERT itself:
// the one rule the editor and the Hot laps window's take both follow.
#pragma once

#include "formats/LapRecordFile.h"
#include "laps/TimeText.h"

#include <optional>
#include <string>

namespace velomark {

struct ImportedLap {
    RecordSession slot = RecordSession::Practice; // the session whose fields take it
    std::string lap, split1, split2; // time texts; splits only for Practice and Qualifying
};

// INSERT of the lap into the sheet, as the editor's fields take it: the lap
// time first, which clears its session's splits when it changes it (a lap
// time's change rule), then the 1st and +2nd split. The 3rd split waits for
// completeThirdSplit, which the editor runs once it is active again.
void insertImportedLap(TimeSheet& sheet, const ImportedLap& lap);

// The session whose 3rd split an INSERT into slot leaves to complete, if any.
std::optional<Session> sessionToComplete(RecordSession slot);

// The session's 3rd split completed as the editor completes it (after an
// INSERT, or when the +2nd split is left); false, with the sheet as it was,
// when the lap time cannot be cut at its periods (the editor then names the
// error). A part that is no number keeps what the normalisation did.
bool completeThirdSplit(TimeSheet& sheet, Session session);

} // namespace velomark
