#include "store/FileOps.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace velomark {

namespace {

std::string reason(int err) {
    return std::strerror(err);
}

#ifndef _WIN32
// Flushes a directory so that a rename inside it survives a power cut.
void syncDirectory(const std::string& dir) {
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}
#endif

} // namespace

std::string directoryOf(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

Result<std::string> FileOps::readAll(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return Error{ErrorKind::Missing, "The file " + path + " cannot be opened."};
    std::string bytes;
    char buffer[8192];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        bytes.append(buffer, n);
    const bool failed = std::ferror(f) != 0; // a directory, a device error
    std::fclose(f);
    if (failed)
        return Error{ErrorKind::Missing, "The file " + path + " cannot be read."};
    return bytes;
}

Status FileOps::writeDurably(const std::string& path, const std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return Error{ErrorKind::WriteFailed,
                     "The file " + path + " cannot be created: " + reason(errno) + "."};
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    int err = ok ? 0 : errno;
    if (ok && std::fflush(f) != 0) {
        ok = false;
        err = errno;
    }
#ifdef _WIN32
    if (ok && ::_commit(::_fileno(f)) != 0) {
#else
    if (ok && ::fsync(::fileno(f)) != 0) {
#endif
        ok = false;
        err = errno;
    }
    if (std::fclose(f) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (!ok)
        return Error{ErrorKind::WriteFailed,
                     "The file " + path + " cannot be written: " + reason(err) + "."};
    return success();
}

Status FileOps::replace(const std::string& from, const std::string& to) {
    std::error_code ec;
    std::filesystem::rename(from, to, ec); // rename(2) / MoveFileEx: replaces in one step
    if (ec)
        return Error{ErrorKind::RenameFailed,
                     "The file " + to + " cannot be replaced: " + ec.message() + "."};
#ifndef _WIN32
    syncDirectory(directoryOf(to));
#endif
    return success();
}

void FileOps::discard(const std::string& path) {
    std::error_code ec;
    std::filesystem::remove(path, ec);
}

FileOps& realFileOps() {
    static FileOps ops;
    return ops;
}

Status replaceFileSafely(FileOps& ops, const std::string& path, const std::string& bytes,
                         const std::string& scratchName) {
    const std::string scratch = directoryOf(path) + scratchName;
    Status written = ops.writeDurably(scratch, bytes);
    if (!written) {
        ops.discard(scratch);
        return Error{written.error().kind,
                     written.error().message + " " + path + " was left unchanged."};
    }
    Status replaced = ops.replace(scratch, path);
    if (!replaced) {
        ops.discard(scratch);
        return Error{replaced.error().kind, replaced.error().message + " It was left unchanged."};
    }
    return success();
}

} // namespace velomark
