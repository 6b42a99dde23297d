// Hot laps set against the stored bests of a trackset: what each is worth,
// the line that announces a new best, which laps a take writes, and the take
// itself, which stores a lap as the editor's INSERT and SAVE would.
#pragma once

#include "files/FileOps.h"
#include "formats/Circuits.h"
#include "formats/LapRecordFile.h"
#include "laps/History.h"
#include "laps/HotlapFolder.h"
#include "laps/SaveTimes.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace velomark {

// A trackset's records and the captions of its circuits, in the files' 8-bit text.
struct TracksetBests {
    Trackset set = Trackset::Standard;
    std::optional<LapRecordSet> records; // nothing when the lap record file cannot be read
    std::array<std::string, 16> captions;
    std::optional<Error> problem; // why the records (or the Custom captions) could not be read
};

// Reads the trackset's lap record file and captions from dataDir ("" or ending in a separator).
TracksetBests readTracksetBests(Trackset set, const std::string& dataDir = {});

// The name of circuit k (1 to 16): a fixed circuit's name, a Custom caption up
// to the line feed, or "circuit k".
Sentence circuitName(const TracksetBests& bests, int k);

// A hot lap against the stored best of its circuit and session.
struct HotlapComparison {
    // The trackset's circuit; for a lap on a track-editor track, the track's
    // own name and slot and the circuit it is stored as: "Zandvoort (slot 1)
    // as Custom circuit 1".
    Sentence circuit;
    bool editorTrackOnStandard = false; // such a lap is never kept as a Standard circuit's
    std::string stored;                 // the stored best, as stored
    std::optional<double> fasterBy;     // seconds, when it beats a stored time
    bool firstTime = false;             // a kept session with nothing stored
    bool takeable = false;              // a time of a kept session, and the records read
    bool beats() const { return takeable && (fasterBy || firstTime); }
};
HotlapComparison compareHotlap(const HotlapReading& lap, const TracksetBests& bests);

// "New hot lap at Monza, Qualifying 1.23.456: 0.321 s faster than your best,
// a clean lap. Open Hot laps to take it." (or ", not clean: off track."), for
// a lap that beats the stored best.
std::optional<Sentence> newBestLine(const HotlapReading& lap, const TracksetBests& bests);

// One lap a take writes.
struct PlannedTake {
    HotlapReading lap; // as read when the take was planned
    CircuitChoice circuit;
    HotlapComparison comparison;
    std::vector<Sentence> alsoFilledOut; // other stored texts SAVE fills out, as lines
};

// For each circuit and session among the readings at indices, the fastest
// takeable lap; with onlyBeating, only one that beats the stored best. In
// circuit and session order.
std::vector<PlannedTake> planTakes(const std::vector<HotlapReading>& readings,
                                   const std::vector<size_t>& indices, const TracksetBests& bests,
                                   bool onlyBeating);

// What the confirmation lists for one take: "Monza, Qualifying: 1.23.456
// replaces 1.23.777", marked when it is slower and, with its reasons, when it
// is not clean; then what else SAVE fills out.
std::vector<Sentence> takeLines(const PlannedTake& take);

// A lap that beats its stored best, left out of a take as not clean.
struct LeftOutLap {
    std::string file; // as the file system spells it
    Sentence what;    // "Monza, Qualifying 1.23.000: off track"
};
// Takes every lap that is not clean out of indices, and says which of them
// beat their stored best.
std::vector<LeftOutLap> leaveOutUnclean(const std::vector<HotlapReading>& readings,
                                        std::vector<size_t>& indices, const TracksetBests& bests);

// The record as the editor holds it when SAVE is pressed after the lap's
// INSERT: the lap time (which empties the session's splits), then the 1st and
// +2nd split, then the 3rd split completed as the editor does once it is
// active again. Nothing else changes.
CircuitRecord insertedHotlap(const CircuitRecord& held, const HotlapReading& lap);

// Stores the lap through SAVE into the circuit's record file in dataFolder
// (as saveTimes takes it), its history row dated by the hot-lap file's time. The record
// is read afresh, so laps taken one after another each keep the others; when
// its lap time is no longer the one the player confirmed replacing, nothing
// is written.
SavedTimes takeHotlap(const PlannedTake& take, const std::string& dataFolder = std::string(),
                      FileOps& ops = realFileOps());

} // namespace velomark
