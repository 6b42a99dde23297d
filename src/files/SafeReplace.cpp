// The crash-safe replacement of a file, and the one place that words its
// failures around the name the caller used.
#include "files/SafeReplace.h"

#include "files/OwnFiles.h"

#include <optional>

namespace velomark {

namespace {} // namespace

std::string scratchNameBeside(const std::string& path) {
    const std::string name = path.substr(directoryOf(path).size());
    return equalIgnoringCase(name, "velomark.tmp") ? "velomark2.tmp" : "velomark.tmp";
}

Status replaceFileSafely(FileOps& ops, const std::string& path, const std::string& bytes,
                         const std::string& scratchName) {
    Result<ReplaceTarget> target = ops.replaceTarget(path, scratchName);
    if (!target)
        return target.error();
    const auto unchanged = [&path](const Error& e) {
        return Error{e.kind,
                     Sentence(VM_TEXT("Files", "The file %1 cannot be saved: %2. %1 was left "
                                               "unchanged."),
                              {utf8Text(path), clauseOf(e.text)}),
                     path};
    };
    if (Status written = ops.writeScratch(target->scratch, bytes, target->mode); !written)
        return unchanged(written.error());
    if (Status replaced = ops.replace(target->scratch, target->path); !replaced) {
        ops.discard(target->scratch);
        return unchanged(replaced.error());
    }
    if (Status synced = ops.syncDirectory(directoryOf(target->path)); !synced)
        return Error{synced.error().kind,
                     Sentence(VM_TEXT("Files", "The new %1 is in place, but its folder could not "
                                               "be flushed to the disk, so the change may be lost "
                                               "if the computer stops now: %2."),
                              {utf8Text(path), clauseOf(synced.error().text)}),
                     path};
    return success();
}

Status writeExportFile(FileOps& ops, const std::string& path, const std::string& bytes) {
    if (std::optional<Error> refused = ownFileRefusal(path))
        return *refused;
    return replaceFileSafely(ops, path, bytes, scratchNameBeside(path));
}

} // namespace velomark
