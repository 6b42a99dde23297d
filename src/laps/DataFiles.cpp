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
        return Error{ErrorKind::Short, "The file " + path + " holds no GP2 directory.", path};
    return textOf(*first);
}

Status writeGp2Path(const std::string& dir, FileOps& ops, const std::string& path) {
    const std::vector<Field> fields{dir};
    if (std::optional<std::string> why = unwritableReason(fields))
        return Error{ErrorKind::Unstorable, "The GP2 directory cannot be saved: " + *why + "."};
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
