// What the import window hands to the lap-time editor when the player
// presses INSERT (and, for a race lap, chooses the slot).
#pragma once

#include <string>

namespace velomark {

struct ImportedLap {
    enum class Slot { Practice, Qualifying, Race, QuickRace };
    Slot slot = Slot::Practice;
    std::string lap, split1, split2; // time texts; splits only for Practice and Qualifying
};

} // namespace velomark
