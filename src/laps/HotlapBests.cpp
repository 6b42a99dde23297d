#include "laps/HotlapBests.h"

#include "formats/CustomFile.h"
#include "formats/NumberText.h"
#include "laps/ImportedLap.h"
#include "laps/LapDetails.h"
#include "laps/TimeText.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace velomark {

namespace {

// Times are kept to the millisecond; comparing whole milliseconds keeps
// 1.23.456 from beating itself by a rounding error.
std::optional<long long> milliseconds(std::string_view time) {
    const std::optional<double> seconds = timeSeconds(time);
    return seconds ? std::optional(std::llround(*seconds * 1000)) : std::nullopt;
}

std::string secondsText(long long ms) {
    return threeDecimalFormat(static_cast<double>(ms) / 1000);
}

// A date the history and the status line show for a file's time.
class FileTimeClock : public Clock {
  public:
    explicit FileTimeClock(std::int64_t seconds) : m_seconds(seconds) {}
    std::int64_t unixSeconds() const override { return m_seconds; }

  private:
    std::int64_t m_seconds;
};

} // namespace

TracksetBests readTracksetBests(Trackset set, const std::string& dataDir) {
    TracksetBests bests;
    bests.set = set;
    Result<LapRecordSet> records = readLapRecordFile(dataDir + std::string(lapRecordFileName(set)));
    if (records)
        bests.records = std::move(records).value();
    else
        bests.problem = records.error();
    if (set != Trackset::Custom) {
        for (size_t i = 0; i < bests.captions.size(); ++i)
            bests.captions[i] = buttonCaption(fixedCircuits(set)[i]);
        return bests;
    }
    const auto captions = readCustomCaptions(dataDir + kCustomFileName);
    if (captions)
        bests.captions = *captions;
    else if (!bests.problem)
        bests.problem = captions.error();
    return bests;
}

Sentence circuitName(const TracksetBests& bests, int k) {
    if (k < 1 || k > kCircuitsPerSet)
        return {};
    if (const auto fixed = fixedCircuitOf(bests.set, k))
        return Sentence(fixed->name);
    const std::string& caption = bests.captions[static_cast<size_t>(k - 1)];
    const std::string name = caption.substr(0, caption.find('\n'));
    return name.empty() ? Sentence(VM_TEXT("HotLaps", "circuit %1"), {k})
                        : Sentence::verbatim(name);
}

namespace {

// A lap on a track-editor track is named by the track file's own name and its
// slot, and, where the trackset keeps it, by the circuit it is stored as; the
// circuit's own name follows where it is another.
Sentence editorTrackLabel(const HotlapReading& lap, const TracksetBests& bests) {
    const Sentence track = lap.trackName.empty()
                               ? Sentence(VM_TEXT("HotLaps", "Unnamed track-editor track"))
                               : Sentence::verbatim(lap.trackName);
    if (bests.set == Trackset::Standard)
        return {VM_TEXT("HotLaps", "%1 (slot %2)"), {track, lap.circuit}};
    const std::string& caption = bests.captions[static_cast<size_t>(lap.circuit - 1)];
    const std::string name = caption.substr(0, caption.find('\n'));
    const Sentence set(optionCaption(bests.set));
    if (name.empty() || equalIgnoringCase(name, lap.trackName))
        return {VM_TEXT("HotLaps", "%1 (slot %2) as %3 circuit %2"), {track, lap.circuit, set}};
    return {VM_TEXT("HotLaps", "%1 (slot %2) as %3 circuit %2 (%4)"),
            {track, lap.circuit, set, circuitName(bests, lap.circuit)}};
}

} // namespace

HotlapComparison compareHotlap(const HotlapReading& lap, const TracksetBests& bests) {
    HotlapComparison c;
    if (lap.circuit >= 1 && lap.circuit <= kCircuitsPerSet)
        c.circuit =
            lap.customTrack ? editorTrackLabel(lap, bests) : circuitName(bests, lap.circuit);
    c.editorTrackOnStandard = lap.customTrack && bests.set == Trackset::Standard;
    if (lap.state != HotlapState::Timed || c.circuit.empty() || !bests.records ||
        c.editorTrackOnStandard)
        return c;
    c.takeable = true;
    const CircuitRecord& record = (*bests.records)[static_cast<size_t>(lap.circuit - 1)];
    c.stored = textOf(record[fieldIndex(lap.slot, RecordField::Lap)]);
    if (c.stored.empty()) {
        c.firstTime = true;
        return c;
    }
    const auto hot = milliseconds(lap.fields.lap), best = milliseconds(c.stored);
    if (hot && best && *hot < *best)
        c.fasterBy = static_cast<double>(*best - *hot) / 1000;
    return c;
}

std::optional<Sentence> newBestLine(const HotlapReading& lap, const TracksetBests& bests) {
    const HotlapComparison c = compareHotlap(lap, bests);
    if (!c.beats())
        return std::nullopt;
    const Sentence how = c.fasterBy
                             ? Sentence(VM_TEXT("HotLaps", "%1 s faster than your best"),
                                        {threeDecimalFormat(*c.fasterBy)})
                             : Sentence(VM_TEXT("HotLaps", "the first time for this session"));
    std::vector<SentenceValue> values{c.circuit, Sentence(sessionWord(lap.slot)), lap.fields.lap,
                                      how};
    const auto why = notCleanBecause(lap.record);
    if (!why)
        return Sentence(VM_TEXT("HotLaps", "New hot lap at %1, %2 %3: %4. Open Hot laps to "
                                           "take it."),
                        std::move(values));
    if (why->empty())
        return Sentence(VM_TEXT("HotLaps", "New hot lap at %1, %2 %3: %4, a clean lap. Open Hot "
                                           "laps to take it."),
                        std::move(values));
    values.emplace_back(cleanSentence(lap.record));
    return Sentence(VM_TEXT("HotLaps", "New hot lap at %1, %2 %3: %4, not clean: %5. Open Hot "
                                       "laps to take it."),
                    std::move(values));
}

namespace {

// The stored texts other than the lap's own that SAVE would fill out.
std::vector<Sentence> otherTextsFilledOut(const CircuitRecord& held, const HotlapReading& lap,
                                          const Sentence& circuit) {
    const CircuitRecord saved = filledOut(insertedHotlap(held, lap));
    std::vector<Sentence> lines;
    for (RecordSession s : kRecordSessions) {
        if (s == lap.slot)
            continue;
        for (int f = 0; f < kFieldsPerSession; ++f) {
            const size_t i = fieldIndex(s, static_cast<RecordField>(f));
            const Sentence field =
                f == static_cast<int>(RecordField::Setup)
                    ? Sentence(VM_TEXT("HotLaps", "%1 setup"), {Sentence(sessionWord(s))})
                    : recordFieldName(i);
            if (textOf(saved[i]) != textOf(held[i]))
                lines.push_back({VM_TEXT("HotLaps", "%1, %2: %3 becomes %4"),
                                 {circuit, field, textOf(held[i]), textOf(saved[i])}});
        }
    }
    return lines;
}

} // namespace

std::vector<PlannedTake> planTakes(const std::vector<HotlapReading>& readings,
                                   const std::vector<size_t>& indices, const TracksetBests& bests,
                                   bool onlyBeating) {
    std::map<std::pair<int, RecordSession>, PlannedTake> chosen;
    for (size_t index : indices) {
        const HotlapReading& lap = readings.at(index);
        const HotlapComparison c = compareHotlap(lap, bests);
        if (!c.takeable || (onlyBeating && !c.beats()))
            continue;
        const auto key = std::pair(lap.circuit, lap.slot);
        const auto known = chosen.find(key);
        if (known != chosen.end()) {
            const auto was = milliseconds(known->second.lap.fields.lap);
            const auto now = milliseconds(lap.fields.lap);
            if (!now || (was && *was <= *now))
                continue;
        }
        const size_t k = static_cast<size_t>(lap.circuit - 1);
        chosen[key] = {lap, {bests.set, lap.circuit, bests.captions[k]}, c, {}};
    }
    std::vector<PlannedTake> plan;
    for (auto& [key, take] : chosen) {
        // The first SAVE of a circuit fills out its other texts; later ones find them so.
        if (plan.empty() || plan.back().circuit.number != key.first) {
            const CircuitRecord& held = (*bests.records)[static_cast<size_t>(key.first - 1)];
            take.alsoFilledOut = otherTextsFilledOut(held, take.lap, take.comparison.circuit);
        }
        plan.push_back(std::move(take));
    }
    return plan;
}

namespace {

// "Monza, Qualifying: 1.23.456 replaces 1.23.777 (0.321 s slower)".
Sentence takeLine(const PlannedTake& take) {
    const HotlapReading& lap = take.lap;
    const HotlapComparison& c = take.comparison;
    std::vector<SentenceValue> values{c.circuit, Sentence(sessionWord(lap.slot)), lap.fields.lap,
                                      c.stored};
    if (c.firstTime)
        return {VM_TEXT("HotLaps", "%1, %2: %3, the first time stored for this session"),
                std::move(values)};
    const auto hot = milliseconds(lap.fields.lap), best = milliseconds(c.stored);
    if (!hot || !best)
        return {VM_TEXT("HotLaps", "%1, %2: %3 replaces %4 (which cannot be compared as a time)"),
                std::move(values)};
    if (*hot == *best)
        return {VM_TEXT("HotLaps", "%1, %2: %3 replaces %4 (the same time)"), std::move(values)};
    if (*hot > *best) {
        values.emplace_back(secondsText(*hot - *best));
        return {VM_TEXT("HotLaps", "%1, %2: %3 replaces %4 (%5 s slower)"), std::move(values)};
    }
    return {VM_TEXT("HotLaps", "%1, %2: %3 replaces %4"), std::move(values)};
}

} // namespace

std::vector<Sentence> takeLines(const PlannedTake& take) {
    Sentence line = takeLine(take);
    if (const auto why = notCleanBecause(take.lap.record); why && !why->empty())
        line = Sentence(VM_TEXT("HotLaps", "%1; not clean: %2"),
                        {line, cleanSentence(take.lap.record)});
    std::vector<Sentence> lines{line};
    for (const Sentence& other : take.alsoFilledOut)
        lines.push_back({VM_TEXT("HotLaps", "and SAVE fills out %1"), {other}});
    return lines;
}

std::vector<LeftOutLap> leaveOutUnclean(const std::vector<HotlapReading>& readings,
                                        std::vector<size_t>& indices, const TracksetBests& bests) {
    std::vector<LeftOutLap> faster;
    std::erase_if(indices, [&](size_t i) {
        const HotlapReading& lap = readings.at(i);
        if (isClean(lap.record))
            return false;
        const HotlapComparison c = compareHotlap(lap, bests);
        if (c.beats())
            faster.push_back({lap.name, Sentence(VM_TEXT("HotLaps", "%1, %2 %3: %4"),
                                                 {c.circuit, Sentence(sessionWord(lap.slot)),
                                                  lap.fields.lap, cleanSentence(lap.record)})});
        return true;
    });
    return faster;
}

CircuitRecord insertedHotlap(const CircuitRecord& held, const HotlapReading& lap) {
    TimeSheet sheet = timeSheetOf(held);
    insertImportedLap(sheet, {lap.slot, lap.fields.lap, lap.fields.split1, lap.fields.split2});
    if (const std::optional<Session> s = sessionToComplete(lap.slot))
        completeThirdSplit(sheet, *s);
    CircuitRecord typed = held;
    putTimeSheet(typed, sheet);
    return typed;
}

SavedTimes takeHotlap(const PlannedTake& take, const std::string& dataFolder, FileOps& ops) {
    const HotlapReading& lap = take.lap;
    const std::string file = dataFolder + std::string(lapRecordFileName(take.circuit.trackset));
    const Result<CircuitRecord> held = readCircuitRecord(file, take.circuit.number, ops);
    std::optional<Error> refused;
    if (!held)
        refused = held.error();
    else if (textOf((*held)[fieldIndex(lap.slot, RecordField::Lap)]) != take.comparison.stored)
        refused = Error{
            ErrorKind::Changed,
            Sentence(VM_TEXT("HotLaps", "The %1 time of %2 in %3 has changed since "
                                        "you chose to replace it; it was left alone."),
                     {Sentence(sessionWord(lap.slot)), take.comparison.circuit, utf8Text(file)}),
            file};
    if (refused)
        return {{}, {}, *refused, {}, success(), {}, {}};
    const FileTimeClock fileTime(lap.stamp.modified);
    const Clock& clock =
        lap.stamp.modified > 0 ? static_cast<const Clock&>(fileTime) : systemClock();
    return saveTimes(take.circuit, *held, insertedHotlap(*held, lap), clock, dataFolder, ops);
}

} // namespace velomark
