#include "laps/SaveTimes.h"

#include "files/FreshFiles.h"
#include "files/SafeReplace.h"
#include "formats/Cp1252.h"
#include "formats/NumberText.h"
#include "laps/TimeText.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace velomark {

namespace {

std::string pendingPathIn(const std::string& dataFolder) {
    return dataFolder + kPendingHistoryName;
}

// Whether every row's lap time stands in its lap record file.
bool recordsHold(const std::vector<HistoryRow>& rows, const std::string& dataFolder, FileOps& ops) {
    for (const HistoryRow& r : rows) {
        const std::string file = dataFolder + std::string(lapRecordFileName(r.set));
        const Result<CircuitRecord> record = readCircuitRecord(file, r.circuit, ops);
        if (!record ||
            cp1252ToUtf8(textOf((*record)[fieldIndex(r.session, RecordField::Lap)])) != r.lap)
            return false;
    }
    return true;
}

} // namespace

Status completePendingHistory(const std::string& dataFolder, FileOps& ops) {
    const std::string pending = pendingPathIn(dataFolder);
    const std::string historyPath = dataFolder + kHistoryFileName;
    bool cut = false;
    const Result<std::string> noted = ops.readTail(pending, kMaxDataFileBytes, cut);
    if (!noted || noted->empty())
        return noted ? success() : Status(noted.error()); // none: the usual case
    const std::vector<HistoryRow> rows = parseHistory(*noted);
    Status done = success();
    if (!rows.empty() && recordsHold(rows, dataFolder, ops)) {
        // The rows may have been added already, before the crash came.
        const Result<std::string> tail = ops.readTail(historyPath, noted->size(), cut);
        if (!tail || *tail != *noted)
            done = appendHistory(rows, historyPath, ops);
    }
    if (done)
        ops.discard(pending);
    return done;
}

Status tidyAfterStoppedSave(const std::string& dataFolder, FileOps& ops) {
    const Status completed = completePendingHistory(dataFolder, ops);
    for (const std::string& scratch :
         {pendingPathIn(dataFolder) + ".new", dataFolder + kScratchFileName})
        removeStale(scratch);
    return completed;
}

TimeSheet timeSheetOf(const CircuitRecord& r) {
    const auto text = [&r](RecordSession s, RecordField f) { return textOf(r[fieldIndex(s, f)]); };
    const auto session = [&text](RecordSession s) {
        return SessionTimes{text(s, RecordField::Lap), text(s, RecordField::Split1),
                            text(s, RecordField::Split2), text(s, RecordField::Split3)};
    };
    return {text(RecordSession::QuickRace, RecordField::Lap), session(RecordSession::Practice),
            session(RecordSession::Qualifying), text(RecordSession::Race, RecordField::Lap)};
}

void putTimeSheet(CircuitRecord& r, const TimeSheet& sheet) {
    r[fieldIndex(RecordSession::QuickRace, RecordField::Lap)] = sheet.quickRaceLap;
    for (const auto& [s, times] : {std::pair{RecordSession::Practice, &sheet.practice},
                                   std::pair{RecordSession::Qualifying, &sheet.qualifying}}) {
        r[fieldIndex(s, RecordField::Lap)] = times->lap;
        r[fieldIndex(s, RecordField::Split1)] = times->split1;
        r[fieldIndex(s, RecordField::Split2)] = times->split2;
        r[fieldIndex(s, RecordField::Split3)] = times->split3;
    }
    r[fieldIndex(RecordSession::Race, RecordField::Lap)] = sheet.raceLap;
}

namespace {

// Notes the rows in history.pending, written whole aside and renamed into
// place; the save's own flush of the folder, right after, makes the name
// last. False when it could not be noted: the save goes ahead all the same.
bool noteRows(const std::vector<HistoryRow>& rows, const std::string& pending, FileOps& ops) {
    std::string lines;
    for (const HistoryRow& r : rows)
        lines += historyLine(r);
    const std::string aside = pending + ".new";
    if (rows.empty() || !ops.writeScratch(aside, lines, -1))
        return false;
    if (ops.replace(aside, pending))
        return true;
    ops.discard(aside);
    return false;
}

} // namespace

namespace {

// Whether the circuit's record in the file's bytes is no longer held: stored
// anew by another window since held was read.
// The record stored now, when it is not held.
std::optional<CircuitRecord> changedSince(const CircuitRecord& held, std::string_view bytes,
                                          const std::string& file, const CircuitChoice& circuit) {
    const Result<LapRecordSet> now = parseLapRecords(bytes, file);
    if (!now || circuit.number < 1 || circuit.number > kCircuitsPerSet ||
        (*now)[static_cast<size_t>(circuit.number - 1)] == held)
        return std::nullopt; // a file that cannot be rewritten says so when it is
    return (*now)[static_cast<size_t>(circuit.number - 1)];
}

} // namespace

CircuitRecord filledOut(const CircuitRecord& typed) {
    TimeSheet sheet = timeSheetOf(typed);
    saveNormalise(sheet);
    CircuitRecord saved = typed;
    putTimeSheet(saved, sheet);
    return saved;
}

SavedTimes saveTimes(const CircuitChoice& circuit, const CircuitRecord& held,
                     const CircuitRecord& typed, const Clock& clock, const std::string& dataFolder,
                     FileOps& ops) {
    SavedTimes result{timeSheetOf(typed), typed, success(), {}, success(), {}, {}};
    saveNormalise(result.sheet);
    putTimeSheet(result.record, result.sheet);

    // The file is read once: the record in it is checked, and the same bytes
    // are rewritten. Another window (Hot laps) may have stored times here
    // since held was read: writing over them unasked would lose them.
    const std::string file = dataFolder + std::string(lapRecordFileName(circuit.trackset));
    const std::string historyPath = dataFolder + kHistoryFileName;
    const Result<std::string> old = ops.readAll(file);
    if (!old) {
        result.saved = old.error();
        return result;
    }
    result.storedNow = changedSince(held, *old, file, circuit);
    if (result.storedNow) {
        result.saved = Error{ErrorKind::Changed,
                             Sentence(VM_TEXT("Save", "The times of %1 in %2 were changed "
                                                      "elsewhere in Velomark after they were read "
                                                      "here."),
                                      {customHeading(circuit.caption), utf8Text(file)}),
                             file};
        return result;
    }
    const Result<std::string> bytes =
        rewriteLapRecordFile(*old, file, circuit.number, result.record);
    if (!bytes) {
        result.saved = bytes.error(); // a field that cannot be stored: nothing is noted
        return result;
    }

    result.history = completePendingHistory(dataFolder, ops);
    bool cut = false;
    const Result<std::string> before = readHistoryBytes(cut, historyPath, ops);
    if (result.history && !before)
        result.history = before.error();
    const std::vector<SessionChange> changes = changedLapTimes(held, result.record);
    const std::vector<HistoryRow> rows =
        historyRows(circuit, result.record, changes, clock.isoNow());
    const std::string pending = pendingPathIn(dataFolder);
    const bool noted = result.history && noteRows(rows, pending, ops);

    result.saved = replaceFileSafely(ops, file, *bytes, kScratchFileName);
    if (result.saved && result.history)
        result.history = appendHistory(rows, historyPath, ops);
    if (noted)
        ops.discard(pending);
    if (rows.empty())
        result.history = success(); // it was not needed
    if (!result.saved)
        return result;

    for (const SessionChange& change : changes)
        result.improvements.push_back(improvementText(
            change, before ? previousDate(*before, circuit, change) : std::string()));
    result.warnings = splitWarnings(result.record);
    return result;
}

namespace {

using RecordTexts = std::array<std::string, kFieldsPerRecord>;

// The record's texts as SAVE fills them out.
RecordTexts filledOutTexts(const CircuitRecord& record) {
    const CircuitRecord filled = filledOut(record);
    RecordTexts texts;
    for (size_t i = 0; i < texts.size(); ++i)
        texts[i] = textOf(filled[i]);
    return texts;
}

RecordSession sessionOf(size_t field) {
    return static_cast<RecordSession>(field / kFieldsPerSession);
}

} // namespace

Sentence recordFieldName(size_t field) {
    // The setup file name stands under Notes in the editor.
    static constexpr SourceText names[] = {
        VM_TEXT("SaveTimes", "%1 lap time"), VM_TEXT("SaveTimes", "%1 1st split"),
        VM_TEXT("SaveTimes", "%1 +2nd split"), VM_TEXT("SaveTimes", "%1 3rd split"),
        VM_TEXT("SaveTimes", "%1 notes")};
    return {names[field % kFieldsPerSession], {Sentence(sessionWord(sessionOf(field)))}};
}

namespace {

std::vector<FieldChange> changesBetween(const RecordTexts& before, const RecordTexts& after) {
    std::vector<FieldChange> changes;
    for (size_t i = 0; i < before.size(); ++i)
        if (before[i] != after[i])
            changes.push_back({i, before[i], after[i]});
    return changes;
}

// The fields that are kept or given up together: a Practice or Qualifying
// lap time and its splits when either side changed that lap time, every
// other field alone.
std::vector<std::vector<size_t>> mergeUnits(const RecordTexts& held, const RecordTexts& stored,
                                            const RecordTexts& typed) {
    std::vector<std::vector<size_t>> units;
    for (RecordSession s : kRecordSessions) {
        const size_t lap = fieldIndex(s, RecordField::Lap);
        const size_t setup = fieldIndex(s, RecordField::Setup);
        const bool splits = s == RecordSession::Practice || s == RecordSession::Qualifying;
        if (splits && (stored[lap] != held[lap] || typed[lap] != held[lap]))
            units.push_back({lap, lap + 1, lap + 2, lap + 3});
        else
            for (size_t f = lap; f < setup; ++f)
                units.push_back({f});
        units.push_back({setup});
    }
    return units;
}

} // namespace

MergedEdits mergeEdits(const CircuitRecord& held, const CircuitRecord& stored,
                       const CircuitRecord& typed) {
    const RecordTexts was = filledOutTexts(held);
    const RecordTexts now = filledOutTexts(stored);
    const RecordTexts mine = filledOutTexts(typed);
    MergedEdits result{changesBetween(was, now), changesBetween(was, mine), {}, stored};
    for (const std::vector<size_t>& unit : mergeUnits(was, now, mine)) {
        const auto differ = [&unit](const RecordTexts& a, const RecordTexts& b) {
            return std::any_of(unit.begin(), unit.end(), [&](size_t f) { return a[f] != b[f]; });
        };
        if (!differ(was, mine) || !differ(now, mine))
            continue; // the player left it, or changed it as it was stored elsewhere
        if (differ(was, now)) {
            result.clashes.push_back(unit.size() > 1
                                         ? Sentence(VM_TEXT("SaveTimes", "%1 times"),
                                                    {Sentence(sessionWord(sessionOf(unit[0])))})
                                         : recordFieldName(unit[0]));
            continue;
        }
        for (size_t f : unit)
            result.merged[f] = typed[f];
    }
    return result;
}

Sentence fieldChangeText(const FieldChange& change) {
    const Sentence name = recordFieldName(change.field);
    if (change.before.empty())
        return {VM_TEXT("SaveTimes", "%1: set to %2"), {name, excerpt(change.after)}};
    if (change.after.empty())
        return {VM_TEXT("SaveTimes", "%1: %2 cleared"), {name, excerpt(change.before)}};
    return {VM_TEXT("SaveTimes", "%1: %2 became %3"),
            {name, excerpt(change.before), excerpt(change.after)}};
}

Sentence improvementText(const SessionChange& change, const std::string& previousDate) {
    const Sentence session(sessionWord(change.session));
    if (change.before.empty())
        return {VM_TEXT("SaveTimes", "%1: %2, the first time stored for this session"),
                {session, change.after}};
    const bool dated = !previousDate.empty();
    const auto now = timeSeconds(change.after);
    const auto was = timeSeconds(change.before);
    if (!now || !was)
        return {dated ? VM_TEXT("SaveTimes", "%1: %2, which cannot be compared as a time with "
                                             "%3 of %4")
                      : VM_TEXT("SaveTimes", "%1: %2, which cannot be compared as a time with %3"),
                {session, change.after, change.before, previousDate}};
    const std::string by = threeDecimalFormat(std::fabs(*was - *now));
    if (by == "0.000")
        return {dated ? VM_TEXT("SaveTimes", "%1: %2, the same time as %3 of %4")
                      : VM_TEXT("SaveTimes", "%1: %2, the same time as %3"),
                {session, change.after, change.before, previousDate}};
    if (*now < *was)
        return {dated ? VM_TEXT("SaveTimes", "%1: %2, %5 s faster than %3 of %4")
                      : VM_TEXT("SaveTimes", "%1: %2, %5 s faster than %3"),
                {session, change.after, change.before, previousDate, by}};
    return {dated ? VM_TEXT("SaveTimes", "%1: %2, %5 s slower than %3 of %4, stored as you asked")
                  : VM_TEXT("SaveTimes", "%1: %2, %5 s slower than %3, stored as you asked"),
            {session, change.after, change.before, previousDate, by}};
}

std::vector<Sentence> splitWarnings(const CircuitRecord& record) {
    std::vector<Sentence> warnings;
    for (RecordSession s : {RecordSession::Practice, RecordSession::Qualifying}) {
        auto seconds = [&](RecordField f) { return timeSeconds(textOf(record[fieldIndex(s, f)])); };
        const auto lap = seconds(RecordField::Lap);
        const auto split1 = seconds(RecordField::Split1);
        const auto split2 = seconds(RecordField::Split2);
        if (!lap || !split1 || !split2)
            continue;
        const Sentence session(sessionWord(s));
        if (*split1 >= *split2)
            warnings.push_back(
                {VM_TEXT("SaveTimes",
                         "Check the %1 times: its 1st split is not below its +2nd split"),
                 {session}});
        if (*split2 >= *lap)
            warnings.push_back(
                {VM_TEXT("SaveTimes",
                         "Check the %1 times: its +2nd split is not below its lap time"),
                 {session}});
    }
    return warnings;
}

} // namespace velomark
