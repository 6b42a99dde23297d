// The file operations over the real file system: the reads, the steps of a
// replacement and the appends, each wording its failures around the name of
// the user's file.
//
// The checks, the order of the steps and the messages are the same on every
// system; the system calls under them are in SystemFiles.h, one implementation
// for POSIX and one for Windows.
#include "files/FileOps.h"

#include "FileWords.h"
#include "files/FreshFiles.h"
#include "files/SystemFiles.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace velomark {

Sentence kindOf(sys::Kind kind) {
    switch (kind) {
    case sys::Kind::Directory:
        return VM_TEXT("Files", "a directory");
    case sys::Kind::Pipe:
        return VM_TEXT("Files", "a named pipe");
    case sys::Kind::Socket:
        return VM_TEXT("Files", "a socket");
    case sys::Kind::Device:
        return VM_TEXT("Files", "a device");
    case sys::Kind::Link:
        return VM_TEXT("Files", "a link");
    default:
        return VM_TEXT("Files", "a special file");
    }
}

SentenceValue systemReason(int error) {
    return utf8Text(sys::reason(error));
}

SentenceValue systemReason() {
    return systemReason(sys::lastError());
}

std::string baseName(const std::string& path) {
    return path.substr(directoryOf(path).size());
}

Status failed(bool ok) {
    if (ok)
        return success();
    return Error{ErrorKind::WriteFailed,
                 Sentence::verbatim(sys::reason(sys::lastError()), SentenceValue::Kind::Utf8)};
}

namespace {

Sentence tooLarge(const std::string& path) {
    return {VM_TEXT("Files", "The file %1 is larger than 1 MB (1,048,576 bytes), far larger than "
                             "any data file of Velomark can be, so it was not read."),
            {utf8Text(path)}};
}

// Closes a file on every way out of a function.
class Owned {
  public:
    explicit Owned(NativeFile file) : m_file(file) {}
    ~Owned() {
        if (m_file != kNoFile)
            sys::close(m_file);
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    NativeFile get() const { return m_file; }
    // Hands the file on without closing it.
    NativeFile release() { return std::exchange(m_file, kNoFile); }
    // Closes now, so that the error of the close itself is seen.
    bool close() { return sys::close(std::exchange(m_file, kNoFile)); }

  private:
    NativeFile m_file;
};

// The file at path cannot be opened, read or examined, for the system's reason.
Sentence cannot(SourceText what, const std::string& path) {
    return {what, {utf8Text(path), systemReason()}};
}

constexpr SourceText kCannotOpen = VM_TEXT("Files", "The file %1 cannot be opened: %2.");
constexpr SourceText kCannotRead = VM_TEXT("Files", "The file %1 cannot be read: %2.");
constexpr SourceText kCannotExamine = VM_TEXT("Files", "The file %1 cannot be examined: %2.");

// A regular file (a link is followed) opened for reading, its details in
// facts: checked on the open file, so nothing swapped in after a check is
// read. absent tells a file that is not there.
Result<NativeFile> openForReading(const std::string& path, sys::Facts& facts, bool& absent) {
    Owned file(sys::openForReading(path));
    absent = file.get() == kNoFile && sys::isMissing(sys::lastError());
    if (file.get() == kNoFile)
        return Error{ErrorKind::Missing, cannot(kCannotOpen, path), path};
    if (!sys::factsOf(file.get(), facts))
        return Error{ErrorKind::Missing, cannot(kCannotRead, path), path};
    if (facts.kind != sys::Kind::Regular)
        return Error{ErrorKind::NotRegular,
                     Sentence(VM_TEXT("Files", "The file %1 is %2, not a regular file, so it was "
                                               "not read."),
                              {utf8Text(path), kindOf(facts.kind)}),
                     path};
    return file.release();
}

} // namespace

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

std::string directoryOf(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
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
    sys::Facts facts;
    bool absent = false;
    const Result<NativeFile> opened = openForReading(path, facts, absent);
    if (!opened)
        return opened.error();
    Owned file(*opened);
    std::string bytes;
    bytes.reserve(std::min(static_cast<std::size_t>(facts.size), limit));
    char buffer[65536];
    while (bytes.size() < limit) {
        const size_t wanted = std::min(sizeof buffer, limit - bytes.size());
        const long long n = sys::readSome(file.get(), buffer, wanted);
        if (n < 0)
            return Error{ErrorKind::Missing, cannot(kCannotRead, path), path};
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<size_t>(n));
    }
    return bytes;
}

Result<ReplaceTarget> FileOps::replaceTarget(const std::string& path,
                                             const std::string& scratchName) {
    ReplaceTarget target{path, directoryOf(path) + scratchName, -1};
    sys::Facts facts;
    if (!sys::examine(path, facts)) {
        if (sys::isMissing(sys::lastError()))
            return target; // a new file
        return Error{ErrorKind::WriteFailed, cannot(kCannotExamine, path), path};
    }
    if (facts.kind == sys::Kind::Link) {
        // The link stays a link: the new content goes to its final target, and
        // the scratch file beside that target so the rename stays in one folder.
        const std::optional<std::string> resolved = sys::finalPath(path);
        if (!resolved)
            return Error{ErrorKind::Missing,
                         Sentence(VM_TEXT("Files", "The file %1 is a link that leads to no file "
                                                   "(%2), so nothing was written."),
                                  {utf8Text(path), systemReason()}),
                         path};
        target.path = *resolved;
        target.scratch = directoryOf(target.path) + scratchName;
        if (!sys::examine(target.path, facts))
            return Error{ErrorKind::WriteFailed, cannot(kCannotExamine, path), path};
    }
    if (facts.kind != sys::Kind::Regular)
        return Error{ErrorKind::NotRegular,
                     Sentence(VM_TEXT("Files", "The file %1 is %2, not a regular file, so it was "
                                               "not replaced."),
                              {utf8Text(path), kindOf(facts.kind)}),
                     path};
    if (facts.readOnly)
        return Error{
            ErrorKind::ReadOnly,
            Sentence(VM_TEXT("Files", "The file %1 is read-only, so it was left unchanged."),
                     {utf8Text(path)}),
            path};
    target.mode = facts.keep;
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
        sys::removeEntry(scratch); // ours: created exclusively above
        return Error{ErrorKind::WriteFailed,
                     Sentence(VM_TEXT("Files", "%1 cannot be written: %2"),
                              {utf8Text(baseName(scratch)), written.error().text})};
    }
    return success();
}

Status FileOps::replace(const std::string& from, const std::string& to) {
    if (!sys::renameOver(from, to))
        return Error{ErrorKind::RenameFailed,
                     Sentence(VM_TEXT("Files", "%1 cannot be renamed over it: %2"),
                              {utf8Text(baseName(from)), systemReason()})};
    return success();
}

Status FileOps::syncDirectory(const std::string& dir) {
    return failed(sys::flushFolder(dir));
}

void FileOps::discard(const std::string& path) {
    sys::removeEntry(path);
}

Result<std::string> FileOps::readTail(const std::string& path, std::size_t limit, bool& cut) {
    std::uint64_t from = 0;
    Result<std::string> bytes = FileOps::readBefore(path, UINT64_MAX, limit, from);
    cut = bytes && from > 0;
    return bytes;
}

Result<std::string> FileOps::readBefore(const std::string& path, std::uint64_t end,
                                        std::size_t limit, std::uint64_t& from) {
    from = 0;
    sys::Facts facts;
    bool absent = false;
    const Result<NativeFile> opened = openForReading(path, facts, absent);
    if (absent)
        return std::string();
    if (!opened)
        return opened.error();
    Owned file(*opened);
    end = std::min(end, facts.size);
    from = end > limit ? end - limit : 0;
    std::string bytes(static_cast<std::size_t>(end - from), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const long long n =
            sys::readAt(file.get(), bytes.data() + done, bytes.size() - done, from + done);
        if (n < 0)
            return Error{ErrorKind::Missing, cannot(kCannotRead, path), path};
        if (n == 0)
            break; // the file shrank while it was read
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return bytes;
}

namespace {

// The regular file at path opened for appending, created when missing; a
// link is followed, but one that leads nowhere is refused, for it would
// create a file wherever it points. existed tells whether the file was there.
Result<NativeFile> openForAppending(const std::string& path, sys::Facts& facts, bool& existed) {
    existed = sys::examineTarget(path, facts);
    if (existed && facts.kind != sys::Kind::Regular)
        return Error{ErrorKind::NotRegular,
                     Sentence(VM_TEXT("Files", "it is %1"), {kindOf(facts.kind)})};
    if (!existed && sys::examine(path, facts))
        return Error{ErrorKind::Missing,
                     Sentence(VM_TEXT("Files", "it is a link that leads to no file"))};
    Owned file(sys::openForAppending(path));
    if (file.get() == kNoFile)
        return Error{ErrorKind::WriteFailed,
                     Sentence(VM_TEXT("Files", "it cannot be opened: %1"), {systemReason()})};
    if (!sys::factsOf(file.get(), facts) || facts.kind != sys::Kind::Regular)
        return Error{ErrorKind::NotRegular, Sentence(VM_TEXT("Files", "it is not a regular file"))};
    return file.release();
}

} // namespace

Status FileOps::appendLines(const std::string& path, const std::string& lines,
                            const std::string& header) {
    sys::Facts facts;
    bool existed = false;
    const Result<NativeFile> opened = openForAppending(path, facts, existed);
    if (!opened)
        return opened.error();
    Owned file(*opened);
    std::string bytes;
    char last = '\n';
    if (facts.size > 0 && sys::readAt(file.get(), &last, 1, facts.size - 1) != 1)
        return Error{ErrorKind::WriteFailed,
                     Sentence(VM_TEXT("Files", "it cannot be read: %1"), {systemReason()})};
    if (facts.size == 0)
        bytes = header;
    else if (last != '\n')
        bytes = "\r\n";
    bytes += lines;
    bool written = sys::writeAll(file.get(), bytes) && sys::flush(file.get());
    int err = sys::lastError();
    if (!file.close() && written) {
        written = false;
        err = sys::lastError();
    }
    if (!written)
        return Error{ErrorKind::WriteFailed,
                     Sentence(VM_TEXT("Files", "it cannot be written: %1"), {systemReason(err)})};
    if (!existed)
        return syncDirectory(directoryOf(path));
    return success();
}

std::vector<std::string> programArguments(int argc, char** argv) {
    return sys::arguments(argc, argv);
}

std::string lastErrorReason() {
    return sys::reason(sys::lastError());
}

std::optional<FileIdentity> fileIdentity(const std::string& path) {
    FileIdentity identity;
    if (!sys::identify(path, identity))
        return std::nullopt;
    return identity;
}

FileOps& realFileOps() {
    static FileOps ops;
    return ops;
}

} // namespace velomark
