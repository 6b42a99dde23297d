// The one way a user's file is replaced: find where the new content belongs
// (a link's target, not the link), write it to a scratch file created fresh
// beside it, flush it to the disk, rename it over the old file in one step,
// flush the directory. The old file is never deleted first, so a crash at any
// instant leaves either the old or the new file whole. Tests swap in a
// FileOps that fails a chosen step.
#pragma once

#include "files/FileOps.h"
#include "files/Result.h"

#include <string>

namespace velomark {

// Writes bytes to path through a scratch file named scratchName beside the
// file (beside a link's target), so the old file stays whole until the new one
// is complete on disk. Permission bits are kept. The one way any data file is
// replaced.
Status replaceFileSafely(FileOps& ops, const std::string& path, const std::string& bytes,
                         const std::string& scratchName);

// The scratch file's name beside a file whose name the player chose: short,
// so that a name as long as the file system allows still has room for it
// beside it, and never the file's own name.
std::string scratchNameBeside(const std::string& path);

// Writes a file whose name the player chose (an export, a PDF) through a
// scratch file of that short name beside it, as replaceFileSafely does. One
// of Velomark's own files (files/OwnFiles.h) is refused before anything is
// written.
Status writeExportFile(FileOps& ops, const std::string& path, const std::string& bytes);

} // namespace velomark
