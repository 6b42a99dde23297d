// The file operations behind every read and every step of a crash-safe
// replacement (files/SafeReplace.h), swappable so that tests can fail a
// chosen step, and their implementation on the real file system.
//
// Paths are UTF-8 throughout: the file system's own spelling on Linux, turned
// into wide characters at every Windows call, so a folder such as
// C:\Users\Zoë\Velomark works there.
#pragma once

#include "files/Result.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velomark {

// An open file as the system names it: a descriptor, or a HANDLE on Windows.
#ifdef _WIN32
using NativeFile = void*;
inline constexpr NativeFile kNoFile = nullptr;
#else
using NativeFile = int;
inline constexpr NativeFile kNoFile = -1;
#endif

// The program's arguments in UTF-8: argv elsewhere, the wide command line on
// Windows, where argv holds the arguments in the ANSI code page.
std::vector<std::string> programArguments(int argc, char** argv);
// The system's words for its last failure (errno, or GetLastError on Windows).
std::string lastErrorReason();

// No data file of ours comes near this; anything larger is refused unread.
inline constexpr std::size_t kMaxDataFileBytes = 1024 * 1024;

// Where the new content of a file goes and what it keeps of the old file.
struct ReplaceTarget {
    std::string path;    // the file as named, or the final target when it is a link
    std::string scratch; // the scratch file in the same directory as path
    // What the new file keeps of the old one, or -1 for a new file: the
    // permission bits, or on Windows the attributes (hidden, system, archive).
    int mode = -1;
};

class FileOps {
  public:
    virtual ~FileOps() = default;

    // The whole of a regular file (a link is followed) of at most
    // kMaxDataFileBytes. A pipe or device is refused at once, never waited on.
    virtual Result<std::string> readAll(const std::string& path);

    // Where a replacement of path goes. Refuses a path that is not a regular
    // file, is read-only, or is a link that leads nowhere. Messages name path.
    virtual Result<ReplaceTarget> replaceTarget(const std::string& path,
                                                const std::string& scratchName);

    // The steps below report failures as a reason only (no sentence, no file
    // name); replaceFileSafely words them around the name the caller used.

    // Creates scratch afresh, never through a link: a stale regular file or
    // link there is removed first, anything else is left alone and refused.
    // Writes bytes, gives the file mode (unless -1; see ReplaceTarget), flushes
    // it and closes it.
    // On failure removes the scratch again if it created it, nothing else.
    virtual Status writeScratch(const std::string& scratch, const std::string& bytes, int mode);
    // Atomically puts from in the place of to.
    virtual Status replace(const std::string& from, const std::string& to);
    // Flushes a directory ("" is the working directory) so a rename in it
    // survives a power cut.
    virtual Status syncDirectory(const std::string& dir);
    // Removes a scratch file that this save created.
    virtual void discard(const std::string& path);

    // The last `limit` bytes at most of a regular file (a link is followed);
    // cut tells whether bytes before them were left unread. A missing file
    // reads as empty; a pipe or device is refused at once. Messages name path.
    virtual Result<std::string> readTail(const std::string& path, std::size_t limit, bool& cut);
    // The `limit` bytes at most that stand before byte `end` of a regular
    // file (before its end when end lies beyond it), for a file read from its
    // end back; from tells the offset of the first byte read. A missing file
    // reads as empty; a pipe or device is refused at once. Messages name path.
    virtual Result<std::string> readBefore(const std::string& path, std::uint64_t end,
                                           std::size_t limit, std::uint64_t& from);
    // Adds lines to the end of a regular file, creating it when missing, and
    // flushes it to disk (and, for a new file, its folder). A new or empty
    // file gets header first; a file that does not end with a line end gets
    // one first, so the new lines never continue a line cut off by a crash.
    // Messages are a reason only, as above.
    virtual Status appendLines(const std::string& path, const std::string& lines,
                               const std::string& header = {});
};

// The operations on the real file system.
FileOps& realFileOps();

// Which file or folder a path leads to, as the system tells them apart: the
// device and the inode number, or on Windows the volume's serial number and
// the file index. A folder renamed away and another made under its name, or
// a folder taken away and made again, have another identity.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t file = 0;
    bool operator==(const FileIdentity&) const = default;
};
// What path leads to now (a link followed); nothing when nothing is there or
// it cannot be looked at.
std::optional<FileIdentity> fileIdentity(const std::string& path);

// At most limit bytes from the start of a regular file (a link is followed).
// A pipe or device is refused at once, never waited on: the file is opened
// without blocking and checked on the open descriptor, so nothing swapped in
// after a check is read. Messages name path.
Result<std::string> readHead(const std::string& path, std::size_t limit);

// The directory part of path including its separator, or "" for a bare name.
std::string directoryOf(const std::string& path);

// Whether two names differ at most in the case of their ASCII letters, as
// names on GP2's DOS file system and on Windows do.
bool equalIgnoringCase(std::string_view a, std::string_view b);

} // namespace velomark
