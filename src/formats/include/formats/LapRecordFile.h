// Lap record files (set1.dat, set2.dat, set3.dat): 16 circuit records of 20
// fields each, one per line, in circuit order.
#pragma once

#include "files/FileOps.h"
#include "files/Result.h"
#include "formats/FieldLine.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace velomark {

constexpr int kCircuitsPerSet = 16;
constexpr int kFieldsPerRecord = 20;

// QuickRace, Practice, Qualifying, Race: lap time, 1st split, +2nd split,
// 3rd split, setup file each.
using CircuitRecord = std::array<Field, kFieldsPerRecord>;
using LapRecordSet = std::array<CircuitRecord, kCircuitsPerSet>;

// The four sessions of a circuit record, in record order, and the five fields
// each of them holds, also in record order.
enum class RecordSession { QuickRace, Practice, Qualifying, Race };
enum class RecordField { Lap, Split1, Split2, Split3, Setup };
inline constexpr std::array<RecordSession, 4> kRecordSessions{
    RecordSession::QuickRace, RecordSession::Practice, RecordSession::Qualifying,
    RecordSession::Race};
inline constexpr int kFieldsPerSession = 5;

// "QuickRace", "Practice", "Qualifying", "Race", as the history, the reports
// and the messages name them; and the session of such a name.
std::string_view recordSessionName(RecordSession s);
std::optional<RecordSession> recordSessionNamed(std::string_view name);
// The session's name as the player reads it, translated where the files'
// name is not.
SourceText sessionWord(RecordSession s);

constexpr size_t fieldIndex(RecordSession s, RecordField f) {
    return static_cast<size_t>(s) * kFieldsPerSession + static_cast<size_t>(f);
}
static_assert(fieldIndex(RecordSession::Race, RecordField::Setup) == kFieldsPerRecord - 1,
              "four sessions of five fields make one circuit record");

// The record of circuit `circuitNumber` (1 to 16). The whole file is read, and
// one that holds fewer than 16 records is refused for every circuit, so the
// editor never opens a circuit that its SAVE could not write back. Below 1
// gives a record of 20 fields that hold nothing, without touching the file.
Result<CircuitRecord> readCircuitRecord(const std::string& path, int circuitNumber,
                                        FileOps& ops = realFileOps());

// The first 16 records from bytes already read; anything after them is ignored.
Result<LapRecordSet> parseLapRecords(std::string_view bytes, const std::string& path);
Result<LapRecordSet> readLapRecordFile(const std::string& path, FileOps& ops = realFileOps());

// Rewrites the file with the record whose circuit-number text (exactly "1" to
// "16") matches replaced; any other text copies all 16 records. The file always
// ends up with exactly 16 lines. The new bytes go to temp.dat beside the file,
// are flushed to disk and renamed over it, so a failure leaves the old file whole.
Status saveCircuitRecord(const std::string& path, std::string_view circuitNumberText,
                         const CircuitRecord& record, FileOps& ops = realFileOps());

// The bytes saveCircuitRecord writes, from the file's bytes as they stand.
// Copied records are written quoted; one holding a double quote (a field that
// stood without quotes in a hand-edited file) is written back byte for byte
// when it fills whole lines, else with that field bare again. In the new
// record a double quote is kept where the field can stand bare; a field that
// cannot is refused by its number and name.
Result<std::string> rewriteLapRecordFile(std::string_view oldBytes, const std::string& path,
                                         std::string_view circuitNumberText,
                                         const CircuitRecord& record);
// The same for circuit number 1 to 16; any other number copies all 16 records.
Result<std::string> rewriteLapRecordFile(std::string_view oldBytes, const std::string& path,
                                         int circuitNumber, const CircuitRecord& record);

// 16 lines written field by field as above, or an error naming the first field
// that cannot be stored.
Result<std::string> composeLapRecordFile(const LapRecordSet& records);

// 16 lines of 20 empty texts, as a reset writes them.
std::string blankLapRecordFile();

inline const char* kScratchFileName = "temp.dat";

} // namespace velomark
