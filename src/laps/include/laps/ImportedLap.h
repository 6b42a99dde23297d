// What the import window hands to the lap-time editor when the player
// presses INSERT (and, for a race lap, chooses the slot).
#pragma once

#include "formats/LapRecordFile.h"

#include <string>

namespace velomark {

struct ImportedLap {
    RecordSession slot = RecordSession::Practice; // the session whose fields take it
    std::string lap, split1, split2; // time texts; splits only for Practice and Qualifying
};

} // namespace velomark
