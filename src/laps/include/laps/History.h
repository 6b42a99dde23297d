// The rules that make the history's rows from a SAVE: which sessions it
// changed, and their rows (formats/HistoryFile.h holds the file itself).
#pragma once

#include "formats/Circuits.h"
#include "formats/HistoryFile.h"
#include "formats/LapRecordFile.h"

#include <string>
#include <vector>

namespace velomark {

// What a SAVE changed: the sessions whose lap time differs between the record
// before and after, and now holds a time.
std::vector<SessionChange> changedLapTimes(const CircuitRecord& before, const CircuitRecord& after);

// The history rows of those changes, the record converted to UTF-8.
std::vector<HistoryRow> historyRows(const CircuitChoice& circuit, const CircuitRecord& after,
                                    const std::vector<SessionChange>& changes,
                                    const std::string& when);

} // namespace velomark
