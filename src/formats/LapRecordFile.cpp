// Reading lap record files and composing the bytes a save writes back.
#include "formats/LapRecordFile.h"

#include "files/SafeReplace.h"

#include <algorithm>
#include <vector>

namespace velomark {

namespace {

Error shortFile(const std::string& path, int records) {
    return Error{
        ErrorKind::Short,
        Sentence(VM_TEXT("LapRecords",
                         "The lap record file %1 holds only %2 of its %3 circuit records."),
                 {utf8Text(path), records, kCircuitsPerSet}),
        path};
}

// A record with the bytes it was read from, when those are whole lines (from a
// line start through its line end), so it can be written back as it stood.
struct SourcedRecord {
    CircuitRecord fields{};
    std::string_view lines;
};

struct ParsedFile {
    std::array<SourcedRecord, kCircuitsPerSet> records{};
    int count = 0; // whole records found, at most 16
};

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

ParsedFile parse(std::string_view bytes) {
    ParsedFile file;
    FieldReader reader(bytes);
    for (SourcedRecord& r : file.records) {
        const size_t start = reader.position();
        if (!readRecord(reader, r.fields))
            break;
        // The reader stands just past the previous record's delimiter: a comma
        // there means this record began in the middle of a line.
        const bool atLineStart = start == 0 || bytes[start - 1] == '\n' || bytes[start - 1] == '\r';
        if (atLineStart && reader.endedLine())
            r.lines = bytes.substr(start, reader.position() - start);
        ++file.count;
    }
    return file;
}

int circuitNumberOf(std::string_view text) {
    for (int i = 1; i <= kCircuitsPerSet; ++i) {
        if (text == std::to_string(i))
            return i;
    }
    return 0;
}

bool holdsQuote(const Field& f) {
    return f && f->find('"') != std::string::npos;
}

constexpr std::string_view kSessionNames[] = {"QuickRace", "Practice", "Qualifying", "Race"};

constexpr SourceText kSessionWords[] = {
    VM_TEXT("Sessions", "QuickRace"), VM_TEXT("Sessions", "Practice"),
    VM_TEXT("Sessions", "Qualifying"), VM_TEXT("Sessions", "Race")};

Sentence fieldName(size_t index) {
    static constexpr SourceText parts[] = {
        VM_TEXT("LapRecords", "%1 lap time"), VM_TEXT("LapRecords", "%1 1st split"),
        VM_TEXT("LapRecords", "%1 +2nd split"), VM_TEXT("LapRecords", "%1 3rd split"),
        VM_TEXT("LapRecords", "%1 setup file")};
    const auto session = static_cast<RecordSession>(index / kFieldsPerSession);
    return {parts[index % kFieldsPerSession], {Sentence(sessionWord(session))}};
}

// Why a field holding a double quote cannot stand without quotes either.
Sentence whyNotBare(const std::string& text) {
    if (text.front() == '"')
        return VM_TEXT("LapRecords", "holds a double quote at its start");
    if (text.front() == ' ' || text.front() == '\t')
        return VM_TEXT("LapRecords", "holds a double quote and starts with a blank");
    if (text.back() == ' ' || text.back() == '\t')
        return VM_TEXT("LapRecords", "holds a double quote and ends with a blank");
    if (text.find(',') != std::string::npos)
        return VM_TEXT("LapRecords", "holds both a double quote and a comma");
    return VM_TEXT("LapRecords", "holds both a double quote and a line break");
}

// A field that the line format can hold neither quoted nor bare; circuit
// counts from 1.
std::optional<Error> unstorableField(const CircuitRecord& record, int circuit) {
    for (size_t i = 0; i < record.size(); ++i) {
        const Field& f = record[i];
        if (holdsQuote(f) && !readsBackBare(*f))
            return Error{ErrorKind::Unstorable,
                         Sentence(VM_TEXT("LapRecords", "Field %1 of circuit %2 (\"%3\") %4 (%5), "
                                                        "which a lap record file cannot store."),
                                  {i + 1, circuit, fieldName(i), whyNotBare(*f), excerpt(*f)})};
    }
    return std::nullopt;
}

// Text in double quotes, nothing as nothing; text holding a double quote
// (checked by unstorableField) bare, the way it stood in the file.
void appendRecord(std::string& out, const CircuitRecord& record) {
    bool first = true;
    for (const Field& f : record) {
        if (!first)
            out += ',';
        first = false;
        if (holdsQuote(f))
            out += *f;
        else if (f)
            out += '"' + *f + '"';
    }
    out += "\r\n";
}

} // namespace

std::string_view recordSessionName(RecordSession s) {
    return kSessionNames[static_cast<size_t>(s)];
}

SourceText sessionWord(RecordSession s) {
    return kSessionWords[static_cast<size_t>(s)];
}

std::optional<RecordSession> recordSessionNamed(std::string_view name) {
    for (RecordSession s : kRecordSessions)
        if (recordSessionName(s) == name)
            return s;
    return std::nullopt;
}

Result<CircuitRecord> readCircuitRecord(const std::string& path, int circuitNumber, FileOps& ops) {
    if (circuitNumber < 1)
        return CircuitRecord{};
    Result<LapRecordSet> set = readLapRecordFile(path, ops);
    if (!set)
        return set.error();
    if (circuitNumber > kCircuitsPerSet)
        return Error{ErrorKind::Short,
                     Sentence(VM_TEXT("LapRecords", "The lap record file %1 has no circuit %2."),
                              {utf8Text(path), circuitNumber}),
                     path};
    return (*set)[static_cast<size_t>(circuitNumber - 1)];
}

Result<LapRecordSet> parseLapRecords(std::string_view bytes, const std::string& path) {
    const ParsedFile file = parse(bytes);
    if (file.count < kCircuitsPerSet)
        return shortFile(path, file.count);
    LapRecordSet set;
    for (size_t i = 0; i < set.size(); ++i)
        set[i] = file.records[i].fields;
    return set;
}

Result<LapRecordSet> readLapRecordFile(const std::string& path, FileOps& ops) {
    Result<std::string> bytes = ops.readAll(path);
    if (!bytes)
        return bytes.error();
    return parseLapRecords(*bytes, path);
}

Result<std::string> rewriteLapRecordFile(std::string_view oldBytes, const std::string& path,
                                         std::string_view circuitNumberText,
                                         const CircuitRecord& record) {
    return rewriteLapRecordFile(oldBytes, path, circuitNumberOf(circuitNumberText), record);
}

Result<std::string> rewriteLapRecordFile(std::string_view oldBytes, const std::string& path,
                                         int circuitNumber, const CircuitRecord& record) {
    const int replaced = circuitNumber >= 1 && circuitNumber <= kCircuitsPerSet ? circuitNumber : 0;
    if (replaced)
        if (std::optional<Error> refused = unstorableField(record, replaced))
            return *refused;
    const ParsedFile file = parse(oldBytes);
    if (file.count < kCircuitsPerSet)
        return shortFile(path, file.count);

    std::string out;
    out.reserve(oldBytes.size() + 512);
    for (int i = 0; i < kCircuitsPerSet; ++i) {
        const SourcedRecord& old = file.records[static_cast<size_t>(i)];
        const bool quotable = std::none_of(old.fields.begin(), old.fields.end(),
                                           [](const Field& f) { return holdsQuote(f); });
        if (i + 1 == replaced)
            appendRecord(out, record);
        else if (!quotable && !old.lines.empty())
            out += old.lines; // one odd hand-edited line never blocks a save
        else
            appendRecord(out, old.fields);
    }
    return out;
}

Status saveCircuitRecord(const std::string& path, std::string_view circuitNumberText,
                         const CircuitRecord& record, FileOps& ops) {
    Result<std::string> old = ops.readAll(path);
    if (!old)
        return old.error();
    Result<std::string> bytes = rewriteLapRecordFile(*old, path, circuitNumberText, record);
    if (!bytes)
        return bytes.error();
    return replaceFileSafely(ops, path, *bytes, kScratchFileName);
}

Result<std::string> composeLapRecordFile(const LapRecordSet& records) {
    std::string out;
    out.reserve(kCircuitsPerSet * 256);
    for (size_t i = 0; i < records.size(); ++i) {
        if (std::optional<Error> refused = unstorableField(records[i], static_cast<int>(i) + 1))
            return *refused;
        appendRecord(out, records[i]);
    }
    return out;
}

std::string blankLapRecordFile() {
    CircuitRecord blank;
    blank.fill(std::string());
    const std::vector<Field> fields(blank.begin(), blank.end());
    std::string out;
    for (int i = 0; i < kCircuitsPerSet; ++i)
        appendLine(out, fields);
    return out;
}

} // namespace velomark
