// The file operations behind every read and every crash-safe replacement.
//
// Replacing a user's file goes: write the new bytes beside it, flush them to
// the disk, rename them over the old file in one step, flush the directory.
// The old file is never deleted first, so a crash at any instant leaves either
// the old or the new file whole. Tests swap in a FileOps that fails a chosen step.
#pragma once

#include "store/Result.h"

#include <string>

namespace velomark {

class FileOps {
  public:
    virtual ~FileOps() = default;

    // The whole file; Missing when it cannot be opened or read.
    virtual Result<std::string> readAll(const std::string& path);
    // Creates or empties path, writes bytes, flushes them to disk, closes.
    virtual Status writeDurably(const std::string& path, const std::string& bytes);
    // Atomically puts from in the place of to (replacing it), then flushes the directory.
    virtual Status replace(const std::string& from, const std::string& to);
    // Best-effort removal of a scratch file after a failure.
    virtual void discard(const std::string& path);
};

// The operations on the real file system.
FileOps& realFileOps();

// Writes bytes to path through a scratch file beside it (named scratchName),
// so the old file stays whole until the new one is complete on disk.
Status replaceFileSafely(FileOps& ops, const std::string& path, const std::string& bytes,
                         const std::string& scratchName);

// The directory part of path including its separator, or "" for a bare name.
std::string directoryOf(const std::string& path);

} // namespace velomark
