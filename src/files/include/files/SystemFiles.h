// The system calls under the file operations, one small function for
// each step, with a POSIX and a Windows implementation. FileOps.cpp holds the
// checks, the order of the steps and every message, once for both systems;
// nothing outside the file layer calls these.
//
// Paths are UTF-8; the Windows side turns them into wide characters at each
// call. A function that fails leaves the reason in lastError().
#pragma once

#include "files/FileOps.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velomark::sys {

// What stands at a path, or behind an open file.
enum class Kind { Regular, Directory, Pipe, Socket, Device, Link, Other };

struct Facts {
    Kind kind = Kind::Other;
    std::uint64_t size = 0;
    int keep = 0;          // what a replacement keeps: permission bits, or Windows attributes
    bool readOnly = false; // the owner's write bit is off (even for root), or the attribute is set
};

// The system's code for the last failure, its words without a closing
// period, and whether it means that nothing is there.
int lastError();
std::string reason(int error);
bool isMissing(int error);

// What stands at path; a link is not followed.
bool examine(const std::string& path, Facts& facts);
// What an open file is.
bool factsOf(NativeFile file, Facts& facts);
// What path leads to, a link followed.
bool examineTarget(const std::string& path, Facts& facts);
// The path with every link resolved, or nothing when a link leads nowhere.
std::optional<std::string> finalPath(const std::string& path);
// What path leads to (a link followed) as the system tells one file from
// another: the device and the inode, or the volume and the file index.
bool identify(const std::string& path, FileIdentity& identity);

// Opens for reading, never waiting for a writer (a pipe) or a device.
NativeFile openForReading(const std::string& path);
// Creates path for writing, failing when anything stands there (a link is
// neither followed nor replaced). mode as for open(); Windows ignores it.
NativeFile createNew(const std::string& path, int mode);
// Opens a regular file for adding at its end, creating it when missing; a
// link is followed. Reads are allowed too.
NativeFile openForAppending(const std::string& path);

// Bytes read: up to size, 0 at the end, -1 on failure.
long long readSome(NativeFile file, char* buffer, std::size_t size);
long long readAt(NativeFile file, char* buffer, std::size_t size, std::uint64_t offset);
bool writeAll(NativeFile file, std::string_view bytes);
bool flush(NativeFile file);
bool setKept(NativeFile file, int keep);
bool close(NativeFile file);

// Removes a regular file or a link (never what a link leads to).
bool removeEntry(const std::string& path);
// Puts from in the place of to in one atomic step, durable once it returns
// where the system can promise that.
bool renameOver(const std::string& from, const std::string& to);
// Flushes a folder ("" for the working one) so a rename in it lasts; true
// where the system or the file system has no such flush.
bool flushFolder(const std::string& dir);

enum class LockState { Held, CannotOpen, Busy, CannotLock };
// Locks the folder dir against a second copy; file is what holds the lock.
LockState lockFolder(const std::string& dir, NativeFile& file);

std::vector<std::string> arguments(int argc, char** argv);

} // namespace velomark::sys
