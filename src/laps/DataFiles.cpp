#include "laps/DataFiles.h"

#include "files/SafeReplace.h"
#include "formats/Circuits.h"
#include "formats/CustomFile.h"
#include "formats/FieldLine.h"
#include "formats/LapRecordFile.h"

namespace velomark {

Result<std::string> readGp2Path(const std::string& path) {
    Result<std::string> bytes = realFileOps().readAll(path);
    if (!bytes)
        return bytes.error();
    FieldReader reader(*bytes);
    std::optional<Field> first = reader.next();
    if (!first)
        return Error{ErrorKind::Short,
                     Sentence(VM_TEXT("LapRecords", "The file %1 holds no GP2 directory."),
                              {utf8Text(path)}),
                     path};
    return textOf(*first);
}

Status writeGp2Path(const std::string& dir, FileOps& ops, const std::string& path) {
    const std::vector<Field> fields{dir};
    if (std::optional<Sentence> why = unwritableReason(fields))
        return Error{
            ErrorKind::Unstorable,
            Sentence(VM_TEXT("LapRecords", "The GP2 directory cannot be saved: %1."), {*why})};
    std::string line;
    appendLine(line, fields);
    return replaceFileSafely(ops, path, line, kScratchFileName);
}

std::string withoutTrailingBackslash(std::string dir) {
    if (!dir.empty() && dir.back() == '\\')
        dir.pop_back();
    return dir;
}

Status initialiseDatafiles(const TracksetChoice& choice, FileOps& ops) {
    const std::string blank = blankLapRecordFile();
    struct Step {
        bool chosen;
        std::string file;
        const std::string& bytes;
    };
    const std::string custom = blankCustomFile();
    const Step steps[] = {
        {choice.standard, std::string(lapRecordFileName(Trackset::Standard)), blank},
        {choice.trackPack, std::string(lapRecordFileName(Trackset::TrackPack)), blank},
        {choice.custom, kCustomFileName, custom},
        {choice.custom, std::string(lapRecordFileName(Trackset::Custom)), blank},
    };
    for (const Step& step : steps) {
        if (!step.chosen)
            continue;
        if (Status s = replaceFileSafely(ops, step.file, step.bytes, kScratchFileName); !s)
            return s;
    }
    return success();
}

} // namespace velomark
