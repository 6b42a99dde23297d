// The store's file operations over the real file system, and the one place
// that words their failures around the name of the user's file.
//
// Every system call of the store is in this file. Beside each POSIX call a
// comment names the Windows call that takes its place, so a port touches this
// file only. The _WIN32 branch keeps the plain standard-library code the store
// began with; it is not the port.
#include "store/FileOps.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#ifdef _WIN32
#include <filesystem>
#include <io.h>
#include <system_error>
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace velomark {

namespace {

std::string reason(int err) {
    return std::strerror(err);
}

// A message without its closing period, to be set inside a longer sentence.
std::string clause(std::string text) {
    while (!text.empty() && (text.back() == '.' || text.back() == ' '))
        text.pop_back();
    return text;
}

std::string tooLarge(const std::string& path) {
    return "The file " + path +
           " is larger than 1 MB (1,048,576 bytes), far larger than any data file of Velomark "
           "can be, so it was not read.";
}

#ifndef _WIN32

std::string kindOf(mode_t mode) {
    if (S_ISDIR(mode))
        return "a directory";
    if (S_ISFIFO(mode))
        return "a named pipe";
    if (S_ISSOCK(mode))
        return "a socket";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    if (S_ISLNK(mode))
        return "a link";
    return "a special file";
}

// Closes a descriptor on every way out of a function.
class Descriptor {
  public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    // Hands the descriptor on without closing it.
    int release() {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    // Closes now, so that the error of the close itself is seen.
    int close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd);
    }

  private:
    int m_fd;
};

// 0, or the error that stopped the writing.
int writeAll(int fd, std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done); // WriteFile
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return EIO;
        done += static_cast<size_t>(n);
    }
    return 0;
}

std::string baseName(const std::string& path) {
    return path.substr(directoryOf(path).size());
}

// A regular file (a link is followed) opened for reading, its details in st.
// O_NONBLOCK so that opening a pipe never waits for a writer. Windows:
// CreateFileW with OPEN_EXISTING, then GetFileInformationByHandle and
// GetFileType for the checks below. absent tells a file that is not there.
Result<int> openForReading(const std::string& path, struct stat& st, bool& absent) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    absent = fd < 0 && errno == ENOENT;
    if (fd < 0)
        return Error{ErrorKind::Missing,
                     "The file " + path + " cannot be opened: " + reason(errno) + ".", path};
    Descriptor owned(fd);
    if (::fstat(fd, &st) != 0) // GetFileInformationByHandle
        return Error{ErrorKind::Missing,
                     "The file " + path + " cannot be read: " + reason(errno) + ".", path};
    if (!S_ISREG(st.st_mode))
        return Error{ErrorKind::NotRegular,
                     "The file " + path + " is " + kindOf(st.st_mode) +
                         ", not a regular file, so it was not read.",
                     path};
    return owned.release();
}

// The names in path's folder that stand for path: its own, and with anyCase
// every name that differs from it in the case of its letters only.
std::vector<std::string> namesFor(const std::string& path, bool anyCase) {
    const std::string dir = directoryOf(path);
    const std::string name = baseName(path);
    std::vector<std::string> names{name};
    if (!anyCase)
        return names;
    if (DIR* d = ::opendir(dir.empty() ? "." : dir.c_str())) {
        while (const dirent* entry = ::readdir(d)) {
            const std::string_view other = entry->d_name;
            if (other != name && equalIgnoringCase(other, name))
                names.emplace_back(other);
        }
        ::closedir(d);
    }
    return names;
}

#endif

} // namespace

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

std::string scratchNameBeside(const std::string& path) {
    const std::string name = path.substr(directoryOf(path).size());
    return equalIgnoringCase(name, "velomark.tmp") ? "velomark2.tmp" : "velomark.tmp";
}

std::string directoryOf(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

#ifndef _WIN32

Status removeStale(const std::string& path, bool anyCase) {
    const std::string dir = directoryOf(path);
    const std::string name = baseName(path);
    std::vector<std::string> stale;
    for (const std::string& found : namesFor(path, anyCase)) {
        struct stat st {};
        if (::lstat((dir + found).c_str(), &st) != 0) { // GetFileAttributesExW
            if (errno == ENOENT)
                continue;
            return Error{ErrorKind::WriteFailed, found + " cannot be examined: " + reason(errno)};
        }
        if (!S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode))
            return Error{ErrorKind::NotRegular,
                         kindOf(st.st_mode) + " stands at " + found +
                             (found == name ? "" : ", which is " + name + " in other letters") +
                             "; it was left alone"};
        stale.push_back(found);
    }
    for (const std::string& found : stale) {
        if (::unlink((dir + found).c_str()) != 0 && errno != ENOENT) // DeleteFileW
            return Error{ErrorKind::WriteFailed,
                         "the old " + found + " cannot be removed: " + reason(errno)};
    }
    return success();
}

Result<std::string> FileOps::readAll(const std::string& path) {
    // One byte past the limit is read, so a file that grows while it is read
    // is refused as well.
    Result<std::string> bytes = readHead(path, kMaxDataFileBytes + 1);
    if (bytes && bytes->size() > kMaxDataFileBytes)
        return Error{ErrorKind::TooLarge, tooLarge(path), path};
    return bytes;
}

Result<std::string> readHead(const std::string& path, std::size_t limit) {
    struct stat st {};
    bool absent = false;
    const Result<int> opened = openForReading(path, st, absent);
    if (!opened)
        return opened.error();
    Descriptor fd(*opened);
    std::string bytes;
    bytes.reserve(std::min(static_cast<std::size_t>(st.st_size), limit));
    char buffer[65536];
    while (bytes.size() < limit) {
        const size_t wanted = std::min(sizeof buffer, limit - bytes.size());
        const ssize_t n = ::read(fd.get(), buffer, wanted); // ReadFile
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return Error{ErrorKind::Missing,
                         "The file " + path + " cannot be read: " + reason(errno) + ".", path};
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<size_t>(n));
    }
    return bytes;
}

FreshFile::~FreshFile() {
    if (m_fd >= 0)
        ::close(m_fd);
}

FreshFile& FreshFile::operator=(FreshFile&& other) noexcept {
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = other.m_fd;
        other.m_fd = -1;
    }
    return *this;
}

Status FreshFile::write(std::string_view bytes) {
    if (const int err = writeAll(m_fd, bytes); err != 0)
        return Error{ErrorKind::WriteFailed, reason(err)};
    return success();
}

Status FreshFile::setMode(int mode) {
    // SetFileInformationByHandle with FileBasicInfo's attributes on Windows.
    if (::fchmod(m_fd, static_cast<mode_t>(mode)) != 0)
        return Error{ErrorKind::WriteFailed, reason(errno)};
    return success();
}

Status FreshFile::sync() {
    if (::fsync(m_fd) != 0) // FlushFileBuffers
        return Error{ErrorKind::WriteFailed, reason(errno)};
    return success();
}

Status FreshFile::close() {
    const int fd = m_fd;
    m_fd = -1;
    if (fd >= 0 && ::close(fd) != 0) // CloseHandle
        return Error{ErrorKind::WriteFailed, reason(errno)};
    return success();
}

Result<FreshFile> createFresh(const std::string& path, int mode, bool anyCase) {
    if (Status cleared = removeStale(path, anyCase); !cleared)
        return cleared.error();
    // O_EXCL with O_NOFOLLOW: a link put there since is neither followed nor
    // replaced. Windows: CreateFileW with CREATE_NEW and FILE_FLAG_OPEN_REPARSE_POINT.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          static_cast<mode_t>(mode));
    if (fd < 0)
        return Error{ErrorKind::WriteFailed,
                     baseName(path) + " cannot be created: " + reason(errno)};
    return FreshFile(fd);
}

Result<ReplaceTarget> FileOps::replaceTarget(const std::string& path,
                                             const std::string& scratchName) {
    ReplaceTarget target{path, directoryOf(path) + scratchName, -1};
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) { // GetFileAttributesExW
        if (errno == ENOENT)
            return target; // a new file
        return Error{ErrorKind::WriteFailed,
                     "The file " + path + " cannot be examined: " + reason(errno) + ".", path};
    }
    if (S_ISLNK(st.st_mode)) {
        // The link stays a link: the new content goes to its final target, and
        // the scratch file beside that target so the rename stays in one
        // directory. Windows: GetFinalPathNameByHandleW.
        char* resolved = ::realpath(path.c_str(), nullptr);
        if (!resolved)
            return Error{ErrorKind::Missing,
                         "The file " + path + " is a link that leads to no file (" + reason(errno) +
                             "), so nothing was written.",
                         path};
        target.path = resolved;
        std::free(resolved);
        target.scratch = directoryOf(target.path) + scratchName;
        if (::stat(target.path.c_str(), &st) != 0)
            return Error{ErrorKind::WriteFailed,
                         "The file " + path + " cannot be examined: " + reason(errno) + ".", path};
    }
    if (!S_ISREG(st.st_mode))
        return Error{ErrorKind::NotRegular,
                     "The file " + path + " is " + kindOf(st.st_mode) +
                         ", not a regular file, so it was not replaced.",
                     path};
    // The owner's write bit decides even for root, for whom access() always
    // agrees. Windows: FILE_ATTRIBUTE_READONLY.
    if ((st.st_mode & S_IWUSR) == 0 || ::access(target.path.c_str(), W_OK) != 0)
        return Error{ErrorKind::ReadOnly,
                     "The file " + path + " is read-only, so it was left unchanged.", path};
    target.mode = static_cast<int>(st.st_mode & 07777);
    return target;
}

Status FileOps::writeScratch(const std::string& scratch, const std::string& bytes, int mode) {
    // A new file gets the usual 0666 less the umask; a replacement starts
    // private and takes the old file's bits once it is written.
    Result<FreshFile> created = createFresh(scratch, mode < 0 ? 0666 : 0600);
    if (!created)
        return created.error();
    FreshFile file = std::move(created).value();
    Status written = file.write(bytes);
    if (written && mode >= 0)
        written = file.setMode(mode);
    if (written)
        written = file.sync();
    if (Status closed = file.close(); written && !closed)
        written = closed;
    if (!written) {
        ::unlink(scratch.c_str()); // ours: created exclusively above
        return Error{ErrorKind::WriteFailed,
                     baseName(scratch) + " cannot be written: " + written.error().message};
    }
    return success();
}

Status FileOps::replace(const std::string& from, const std::string& to) {
    // Windows: MoveFileExW with MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH.
    if (::rename(from.c_str(), to.c_str()) != 0)
        return Error{ErrorKind::RenameFailed,
                     baseName(from) + " cannot be renamed over it: " + reason(errno)};
    return success();
}

Status FileOps::syncDirectory(const std::string& dir) {
    // Windows has no directory flush; MOVEFILE_WRITE_THROUGH covers it there.
    Descriptor fd(::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0)
        return Error{ErrorKind::WriteFailed, "its folder cannot be opened: " + reason(errno)};
    // Some file systems cannot flush a directory at all; they say so with
    // these codes, and nothing better can be done there.
    if (::fsync(fd.get()) != 0 && errno != EINVAL && errno != ENOTSUP && errno != EOPNOTSUPP)
        return Error{ErrorKind::WriteFailed, reason(errno)};
    return success();
}

void FileOps::discard(const std::string& path) {
    ::unlink(path.c_str()); // DeleteFileW
}

Result<std::string> FileOps::readTail(const std::string& path, std::size_t limit, bool& cut) {
    cut = false;
    struct stat st {};
    bool absent = false;
    const Result<int> opened = openForReading(path, st, absent);
    if (absent)
        return std::string();
    if (!opened)
        return opened.error();
    Descriptor fd(*opened);
    const auto size = static_cast<std::size_t>(st.st_size);
    const std::size_t start = size > limit ? size - limit : 0;
    cut = start > 0;
    std::string bytes(size - start, '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        // ReadFile with an OVERLAPPED offset.
        const ssize_t n = ::pread(fd.get(), bytes.data() + done, bytes.size() - done,
                                  static_cast<off_t>(start + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return Error{ErrorKind::Missing,
                         "The file " + path + " cannot be read: " + reason(errno) + ".", path};
        if (n == 0)
            break; // the file shrank while it was read
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return bytes;
}

Status FileOps::appendLines(const std::string& path, const std::string& lines,
                            const std::string& header) {
    struct stat st {};
    const bool existed = ::stat(path.c_str(), &st) == 0;
    if (existed && !S_ISREG(st.st_mode))
        return Error{ErrorKind::NotRegular, "it is " + kindOf(st.st_mode)};
    // A link that leads nowhere would create a file wherever it points.
    if (!existed && ::lstat(path.c_str(), &st) == 0) // GetFileAttributesExW
        return Error{ErrorKind::Missing, "it is a link that leads to no file"};
    // O_NONBLOCK: a pipe put there after the check above fails instead of
    // waiting for a reader. Windows: CreateFileW with FILE_APPEND_DATA.
    Descriptor fd(::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666));
    if (fd.get() < 0)
        return Error{ErrorKind::WriteFailed, "it cannot be opened: " + reason(errno)};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return Error{ErrorKind::NotRegular, "it is not a regular file"};
    std::string bytes;
    char last = '\n';
    if (st.st_size > 0 && ::pread(fd.get(), &last, 1, st.st_size - 1) != 1)
        return Error{ErrorKind::WriteFailed, "it cannot be read: " + reason(errno)};
    if (st.st_size == 0)
        bytes = header;
    else if (last != '\n')
        bytes = "\r\n";
    bytes += lines;
    int err = writeAll(fd.get(), bytes);
    if (err == 0 && ::fsync(fd.get()) != 0) // FlushFileBuffers
        err = errno;
    if (fd.close() != 0 && err == 0) // CloseHandle
        err = errno;
    if (err != 0)
        return Error{ErrorKind::WriteFailed, "it cannot be written: " + reason(err)};
    if (!existed)
        return syncDirectory(directoryOf(path));
    return success();
}

DataFolderLock::~DataFolderLock() {
    if (m_fd >= 0)
        ::close(m_fd); // releases the lock
}

Status DataFolderLock::acquire(const std::string& dir) {
    if (held())
        return success();
    const std::string named = dir == "." ? "this data folder" : "the data folder " + dir;
    // Windows: CreateFileW with FILE_FLAG_BACKUP_SEMANTICS opens the folder.
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return Error{ErrorKind::Missing,
                     "Velomark cannot open " + named + ": " + reason(errno) + "."};
    // Windows: LockFileEx with LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        ::close(fd);
        if (err == EWOULDBLOCK)
            return Error{ErrorKind::Busy,
                         "Another copy of Velomark is already running on " + named + "."};
        return Error{ErrorKind::WriteFailed,
                     "Velomark cannot lock " + named + ": " + reason(err) + "."};
    }
    m_fd = fd;
    return success();
}

#else // _WIN32: the plain standard-library code, until the port is written

Result<std::string> FileOps::readAll(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return Error{ErrorKind::Missing, "The file " + path + " cannot be opened.", path};
    std::string bytes;
    char buffer[8192];
    size_t n = 0;
    while (bytes.size() <= kMaxDataFileBytes && (n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        bytes.append(buffer, n);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed)
        return Error{ErrorKind::Missing, "The file " + path + " cannot be read.", path};
    if (bytes.size() > kMaxDataFileBytes)
        return Error{ErrorKind::TooLarge, tooLarge(path), path};
    return bytes;
}

Result<ReplaceTarget> FileOps::replaceTarget(const std::string& path,
                                             const std::string& scratchName) {
    return ReplaceTarget{path, directoryOf(path) + scratchName, -1};
}

Status FileOps::writeScratch(const std::string& scratch, const std::string& bytes, int) {
    std::FILE* f = std::fopen(scratch.c_str(), "wb");
    if (!f)
        return Error{ErrorKind::WriteFailed, scratch + " cannot be created: " + reason(errno)};
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = ok && std::fflush(f) == 0 && ::_commit(::_fileno(f)) == 0;
    ok = std::fclose(f) == 0 && ok;
    if (!ok) {
        discard(scratch);
        return Error{ErrorKind::WriteFailed, scratch + " cannot be written: " + reason(errno)};
    }
    return success();
}

Status FileOps::replace(const std::string& from, const std::string& to) {
    std::error_code ec;
    std::filesystem::rename(from, to, ec);
    if (ec)
        return Error{ErrorKind::RenameFailed, from + " cannot be renamed over it: " + ec.message()};
    return success();
}

Status FileOps::syncDirectory(const std::string&) {
    return success();
}

void FileOps::discard(const std::string& path) {
    std::error_code ec;
    std::filesystem::remove(path, ec);
}

Result<std::string> FileOps::readTail(const std::string& path, std::size_t limit, bool& cut) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f && errno == ENOENT)
        return std::string();
    if (!f)
        return Error{ErrorKind::Missing, "The file " + path + " cannot be opened.", path};
    std::string bytes;
    char buffer[8192];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        bytes.append(buffer, n);
    std::fclose(f);
    cut = bytes.size() > limit;
    if (cut)
        bytes.erase(0, bytes.size() - limit);
    return bytes;
}

Status FileOps::appendLines(const std::string& path, const std::string& lines,
                            const std::string& header) {
    std::FILE* f = std::fopen(path.c_str(), "ab");
    if (!f)
        return Error{ErrorKind::WriteFailed, "it cannot be opened: " + reason(errno)};
    if (std::fseek(f, 0, SEEK_END) == 0 && std::ftell(f) == 0)
        std::fwrite(header.data(), 1, header.size(), f);
    bool ok = std::fwrite(lines.data(), 1, lines.size(), f) == lines.size();
    ok = ok && std::fflush(f) == 0 && ::_commit(::_fileno(f)) == 0;
    ok = std::fclose(f) == 0 && ok;
    if (!ok)
        return Error{ErrorKind::WriteFailed, "it cannot be written: " + reason(errno)};
    return success();
}

DataFolderLock::~DataFolderLock() = default;

Status DataFolderLock::acquire(const std::string&) {
    // Not Busy: a folder that cannot be locked must not keep the program from starting.
    return Error{ErrorKind::WriteFailed, "Locking the data folder is not written for Windows yet."};
}

#endif

FileOps& realFileOps() {
    static FileOps ops;
    return ops;
}

Status replaceFileSafely(FileOps& ops, const std::string& path, const std::string& bytes,
                         const std::string& scratchName) {
    Result<ReplaceTarget> target = ops.replaceTarget(path, scratchName);
    if (!target)
        return target.error();
    const auto unchanged = [&path](const Error& e) {
        return Error{e.kind,
                     "The file " + path + " cannot be saved: " + clause(e.message) + ". " + path +
                         " was left unchanged.",
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
                     "The new " + path +
                         " is in place, but its folder could not be flushed to the disk, so the "
                         "change may be lost if the computer stops now: " +
                         clause(synced.error().message) + ".",
                     path};
    return success();
}

} // namespace velomark
