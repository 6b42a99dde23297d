#include "store/LapRecordFile.h"

#include <vector>

namespace velomark {

namespace {

Error shortFile(const std::string& path, int records) {
    return Error{ErrorKind::Short, "The lap record file " + path + " holds only " +
                                       std::to_string(records) + " of its " +
                                       std::to_string(kCircuitsPerSet) + " circuit records."};
}

Error missingFile(const std::string& path) {
    return Error{ErrorKind::Missing, "The lap record file " + path + " cannot be read."};
}

// Reads the next whole record; false when the data ends inside it.
bool readRecord(FieldReader& reader, CircuitRecord& record) {
    for (Field& field : record) {
        std::optional<Field> f = reader.next();
        if (!f)
            return false;
        field = std::move(*f);
    }
    return true;
}

int circuitNumberOf(std::string_view text) {
    for (int i = 1; i <= kCircuitsPerSet; ++i) {
        if (text == std::to_string(i))
            return i;
    }
    return 0;
}

std::vector<Field> asFields(const CircuitRecord& r) {
    return {r.begin(), r.end()};
}

} // namespace

Result<CircuitRecord> readCircuitRecord(const std::string& path, int circuitNumber, FileOps& ops) {
    CircuitRecord record{};
    if (circuitNumber < 1)
        return record;
    Result<std::string> bytes = ops.readAll(path);
    if (!bytes)
        return missingFile(path);
    FieldReader reader(*bytes);
    for (int i = 1; i <= circuitNumber; ++i) {
        if (!readRecord(reader, record))
            return shortFile(path, i - 1);
    }
    return record;
}

Result<LapRecordSet> parseLapRecords(std::string_view bytes, const std::string& path) {
    LapRecordSet set{};
    FieldReader reader(bytes);
    for (int i = 0; i < kCircuitsPerSet; ++i) {
        if (!readRecord(reader, set[i]))
            return shortFile(path, i);
    }
    return set;
}

Result<LapRecordSet> readLapRecordFile(const std::string& path, FileOps& ops) {
    Result<std::string> bytes = ops.readAll(path);
    if (!bytes)
        return missingFile(path);
    return parseLapRecords(*bytes, path);
}

Result<std::string> composeLapRecordFile(const LapRecordSet& records) {
    std::string out;
    out.reserve(kCircuitsPerSet * 256);
    for (const CircuitRecord& r : records) {
        std::vector<Field> fields = asFields(r);
        if (std::optional<std::string> why = unwritableReason(fields))
            return Error{ErrorKind::Unstorable, "The times cannot be saved: " + *why + "."};
        appendLine(out, fields);
    }
    return out;
}

Status saveCircuitRecord(const std::string& path, std::string_view circuitNumberText,
                         const CircuitRecord& record, FileOps& ops) {
    // Check the new record before anything is read or written.
    if (std::optional<std::string> why = unwritableReason(asFields(record)))
        return Error{ErrorKind::Unstorable, "The times cannot be saved: " + *why + "."};

    Result<LapRecordSet> old = readLapRecordFile(path, ops);
    if (!old)
        return old.error();
    LapRecordSet records = std::move(old).value();
    if (const int k = circuitNumberOf(circuitNumberText))
        records[k - 1] = record;

    Result<std::string> bytes = composeLapRecordFile(records);
    if (!bytes)
        return bytes.error();
    return replaceFileSafely(ops, path, *bytes, kScratchFileName);
}

std::string blankLapRecordFile() {
    CircuitRecord blank;
    blank.fill(std::string());
    const std::vector<Field> fields = asFields(blank);
    std::string out;
    for (int i = 0; i < kCircuitsPerSet; ++i)
        appendLine(out, fields);
    return out;
}

} // namespace velomark
