// The file operations behind every read and every crash-safe replacement, and
// the lock that keeps a second running copy out of the data folder.
//
// Replacing a user's file goes: find where the new content belongs (a link's
// target, not the link), write it to a scratch file created fresh beside it,
// flush it to the disk, rename it over the old file in one step, flush the
// directory. The old file is never deleted first, so a crash at any instant
// leaves either the old or the new file whole. Tests swap in a FileOps that
// fails a chosen step.
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

// A file created afresh for writing, closed when it goes.
class FreshFile {
  public:
    FreshFile() = default;
    explicit FreshFile(NativeFile file) : m_file(file) {}
    ~FreshFile();
    FreshFile(FreshFile&& other) noexcept : m_file(other.m_file) { other.m_file = kNoFile; }
    FreshFile& operator=(FreshFile&& other) noexcept;
    FreshFile(const FreshFile&) = delete;
    FreshFile& operator=(const FreshFile&) = delete;

    // The descriptor or handle, for a program whose output goes into the file.
    NativeFile native() const { return m_file; }
    // Each step reports a failure as a reason only, as writeScratch does.
    Status write(std::string_view bytes);
    Status setMode(int mode); // see ReplaceTarget
    Status sync();
    Status close(); // reports what the close itself says

  private:
    NativeFile m_file = kNoFile;
};

// Removes what an earlier run can have left at path: a regular file or a
// link (removing a link leaves its target alone), with anyCase also under the
// same name in other letters. Anything else there (a directory, pipe or
// device) is refused before anything is removed. Messages are a reason only.
Status removeStale(const std::string& path, bool anyCase = false);

// Creates path afresh, never through a link, so the bytes written land nowhere
// but there. A regular file or a link standing there (with anyCase, under the
// same name in other letters too: HOFTEMP, HofTemp) is removed first by
// removeStale, for it can only be a scratch or working file left behind, or a
// link put in its place; a directory, pipe or device is somebody else's and is
// left alone and refused. A new file gets mode less the umask (Windows has no
// such bits: it gets the folder's rights). Messages are a reason only.
Result<FreshFile> createFresh(const std::string& path, int mode = 0666, bool anyCase = false);

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

// The directory part of path including its separator, or "" for a bare name.
std::string directoryOf(const std::string& path);

// Whether two names differ at most in the case of their ASCII letters, as
// names on GP2's DOS file system and on Windows do.
bool equalIgnoringCase(std::string_view a, std::string_view b);

// An exclusive lock on a data folder for as long as this object lives (or the
// process does): a second copy of the program asking for it is told Busy.
// Nothing of it outlives the process, so a crash leaves nothing behind that
// could block a start: on Linux it is a lock on the folder itself; Windows
// locks no folder, so there it is a lock on the hidden file kFolderLockName
// in the folder, which the system deletes when its last handle closes.
class DataFolderLock {
  public:
    DataFolderLock() = default;
    ~DataFolderLock();
    DataFolderLock(const DataFolderLock&) = delete;
    DataFolderLock& operator=(const DataFolderLock&) = delete;

    Status acquire(const std::string& dir = ".");
    void release();
    bool held() const { return m_file != kNoFile; }

  private:
    NativeFile m_file = kNoFile;
};

inline constexpr const char* kFolderLockName = "velomark.lock";

} // namespace velomark
