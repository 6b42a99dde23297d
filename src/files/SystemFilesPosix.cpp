// The store's system calls on Linux and other POSIX systems.
#include "files/SystemFiles.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velomark::sys {

namespace {

Kind kindOf(mode_t mode) {
    if (S_ISREG(mode))
        return Kind::Regular;
    if (S_ISDIR(mode))
        return Kind::Directory;
    if (S_ISFIFO(mode))
        return Kind::Pipe;
    if (S_ISSOCK(mode))
        return Kind::Socket;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return Kind::Device;
    if (S_ISLNK(mode))
        return Kind::Link;
    return Kind::Other;
}

Facts factsFrom(const struct stat& st) {
    return {kindOf(st.st_mode), static_cast<std::uint64_t>(st.st_size),
            static_cast<int>(st.st_mode & 07777), (st.st_mode & S_IWUSR) == 0};
}

// The owner's write bit decides even for root, for whom access() always
// agrees; access() adds what the bits alone do not tell.
bool examinePath(const std::string& path, Facts& facts, bool follow) {
    struct stat st {};
    if ((follow ? ::stat(path.c_str(), &st) : ::lstat(path.c_str(), &st)) != 0)
        return false;
    facts = factsFrom(st);
    if (facts.kind == Kind::Regular && ::access(path.c_str(), W_OK) != 0)
        facts.readOnly = true;
    return true;
}

} // namespace

int lastError() {
    return errno;
}

std::string reason(int error) {
    return std::strerror(error);
}

bool isMissing(int error) {
    return error == ENOENT;
}

bool examine(const std::string& path, Facts& facts) {
    return examinePath(path, facts, false);
}

bool examineTarget(const std::string& path, Facts& facts) {
    return examinePath(path, facts, true);
}

bool factsOf(NativeFile file, Facts& facts) {
    struct stat st {};
    if (::fstat(file, &st) != 0)
        return false;
    facts = factsFrom(st);
    return true;
}

std::optional<std::string> finalPath(const std::string& path) {
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return std::nullopt;
    std::string result = resolved;
    std::free(resolved);
    return result;
}

bool identify(const std::string& path, FileIdentity& identity) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return false;
    identity = {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
    return true;
}

NativeFile openForReading(const std::string& path) {
    // O_NONBLOCK so that opening a pipe never waits for a writer.
    return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}

NativeFile createNew(const std::string& path, int mode) {
    // O_EXCL with O_NOFOLLOW: a link put there is neither followed nor replaced.
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                  static_cast<mode_t>(mode));
}

NativeFile openForAppending(const std::string& path) {
    // O_NONBLOCK: a pipe put there after a check fails instead of waiting for a reader.
    return ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
}

long long readSome(NativeFile file, char* buffer, std::size_t size) {
    ssize_t n = 0;
    while ((n = ::read(file, buffer, size)) < 0 && errno == EINTR) {
    }
    return n;
}

long long readAt(NativeFile file, char* buffer, std::size_t size, std::uint64_t offset) {
    ssize_t n = 0;
    while ((n = ::pread(file, buffer, size, static_cast<off_t>(offset))) < 0 && errno == EINTR) {
    }
    return n;
}

bool writeAll(NativeFile file, std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(file, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

bool flush(NativeFile file) {
    return ::fsync(file) == 0;
}

bool setKept(NativeFile file, int keep) {
    return ::fchmod(file, static_cast<mode_t>(keep)) == 0;
}

bool close(NativeFile file) {
    return ::close(file) == 0;
}

bool removeEntry(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

bool renameOver(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0;
}

bool flushFolder(const std::string& dir) {
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    // Some file systems cannot flush a directory at all; they say so with
    // these codes, and nothing better can be done there.
    const bool flushed =
        ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP || errno == EOPNOTSUPP;
    const int err = errno;
    ::close(fd);
    errno = err;
    return flushed;
}

LockState lockFolder(const std::string& dir, NativeFile& file) {
    // A lock on the open folder itself: it writes no file and dies with the process.
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return LockState::CannotOpen;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        ::close(fd);
        errno = err;
        return err == EWOULDBLOCK ? LockState::Busy : LockState::CannotLock;
    }
    file = fd;
    return LockState::Held;
}

std::vector<std::string> arguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

} // namespace velomark::sys
