// What GP2Lap recorded about a hot lap, set out for the player: whether the
// lap was clean, why not, and every detail hof2lap prints about it.
#pragma once

#include "formats/HotlapFile.h"
#include "laps/HotlapFolder.h"

#include <optional>
#include <string>
#include <vector>

namespace velomark {

// Why a lap is not clean, in this order: off track, through the pits, detail
// level changed, slow motion (with its time), driving-aid changes, F4 used, no
// slow-down before the lap. Empty for a clean lap; nothing when the file
// holds no readable GP2Lap records, so that nobody can tell.
std::optional<std::vector<Sentence>> notCleanBecause(const hotlap::HotlapLap& lap);

// "yes", the reasons joined by ", " ("off track, slow motion 1.25 s"), or
// "unknown"; and the same in English.
Sentence cleanSentence(const hotlap::HotlapLap& lap);
std::string cleanText(const hotlap::HotlapLap& lap);
bool isClean(const hotlap::HotlapLap& lap);

// The lap's details as the details window shows them under the file's name:
// whether it is clean, then hof2lap's detail lines; or why the file cannot be read.
std::vector<Sentence> lapDetails(const HotlapReading& lap);

} // namespace velomark
