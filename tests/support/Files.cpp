// The test helpers of Files.h on Linux and on Windows.
#include "support/Files.h"

#include "files/DiskPath.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

#include "Programs.h"
#include "files/FreshFiles.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace velomark::test {

std::string readBytes(const std::string& path) {
    std::ifstream in(diskPath(path), std::ios::binary);
    if (!in)
        return "<missing " + path + ">";
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(diskPath(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

std::string fixture(const char* name) {
    return readBytes(std::string(VELOMARK_TEST_DATA "/") + name);
}

std::string lapRecords(std::initializer_list<std::pair<int, std::string>> lines,
                       const std::string& other) {
    std::string out;
    for (int n = 1; n <= 16; ++n) {
        std::string line = other;
        for (const auto& [k, replacement] : lines)
            line = k == n ? replacement : line;
        out += line.ends_with('\n') ? line : line + "\r\n";
    }
    return out;
}

std::string withLineBreaks(const std::string& text, const std::string& end) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        if (text[i] == '\r' || text[i] == '\n')
            out += end;
        else
            out += text[i];
    }
    return out;
}

WorkDir::WorkDir() {
    std::random_device random;
    const fs::path dir = fs::temp_directory_path() / ("velomark-test-" + std::to_string(random()));
    fs::create_directories(dir);
    m_dir = utf8Path(dir);
    m_old = utf8Path(fs::current_path());
    fs::current_path(dir);
}

WorkDir::~WorkDir() {
    std::error_code ec;
    fs::current_path(diskPath(m_old), ec);
#ifndef _WIN32
    ::chmod(m_dir.c_str(), 0700);
#endif
    fs::remove_all(diskPath(m_dir), ec);
}

std::string WorkDir::path(const std::string& name) const {
    return name.empty() ? m_dir : m_dir + "/" + name;
}

std::vector<std::string> entries(const std::string& dir) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(diskPath(dir), ec), end; !ec && it != end; it.increment(ec))
        names.push_back(utf8Path(it->path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

bool makeFolder(const std::string& path) {
    std::error_code ec;
    return fs::create_directory(diskPath(path), ec);
}

bool makeRunnable(const std::string& path) {
    std::error_code ec;
    fs::permissions(diskPath(path), fs::perms::owner_exec, fs::perm_options::add, ec);
    return !ec;
}

#ifdef _WIN32

namespace {

std::wstring wide(const std::string& path) {
    return diskPath(path).wstring();
}

} // namespace

Entry entryAt(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(wide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return Entry::None;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return Entry::Link;
    return attributes & FILE_ATTRIBUTE_DIRECTORY ? Entry::Folder : Entry::File;
}

bool makeLink(const std::string& target, const std::string& path) {
    std::wstring to = wide(target);
    std::replace(to.begin(), to.end(), L'/', L'\\');
    // Windows links a folder only through a link marked as a folder's; a
    // relative target is taken from the link's folder.
    const fs::path at = diskPath(path).parent_path() / diskPath(target);
    const DWORD folder = entryAt(utf8Path(at)) == Entry::Folder ? SYMBOLIC_LINK_FLAG_DIRECTORY : 0;
    ::CreateSymbolicLinkW(wide(path).c_str(), to.c_str(),
                          folder | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
    return entryAt(path) == Entry::Link;
}

bool makePipe(const std::string&) {
    return false;
}

namespace {

bool markAttribute(const std::string& path, DWORD attribute, bool on) {
    const DWORD attributes = ::GetFileAttributesW(wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           ::SetFileAttributesW(wide(path).c_str(),
                                on ? attributes | attribute : attributes & ~attribute) != 0;
}

} // namespace

bool makeReadOnly(const std::string& path, bool readOnly) {
    return markAttribute(path, FILE_ATTRIBUTE_READONLY, readOnly);
}

bool makePrivate(const std::string& path) {
    return markAttribute(path, FILE_ATTRIBUTE_HIDDEN, true);
}

int marksOf(const std::string& path) {
    return static_cast<int>(::GetFileAttributesW(wide(path).c_str()));
}

#else

Entry entryAt(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        return Entry::None;
    if (S_ISLNK(st.st_mode))
        return Entry::Link;
    if (S_ISDIR(st.st_mode))
        return Entry::Folder;
    if (S_ISFIFO(st.st_mode))
        return Entry::Pipe;
    return S_ISREG(st.st_mode) ? Entry::File : Entry::Other;
}

bool makeLink(const std::string& target, const std::string& path) {
    return ::symlink(target.c_str(), path.c_str()) == 0;
}

bool makePipe(const std::string& path) {
    return ::mkfifo(path.c_str(), 0600) == 0;
}

bool makeReadOnly(const std::string& path, bool readOnly) {
    return ::chmod(path.c_str(), readOnly ? 0444 : 0644) == 0;
}

bool makePrivate(const std::string& path) {
    return ::chmod(path.c_str(), 0600) == 0;
}

int marksOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? static_cast<int>(st.st_mode) : -1;
}

#endif

Ran runProgram(const std::string& program, const std::vector<std::string>& args) {
    // Named afresh for each run, so that test programs running at once never meet.
    const std::string name = "velomark-test-" + std::to_string(std::random_device()());
    const std::string out = utf8Path(fs::temp_directory_path() / (name + ".out"));
    const std::string err = utf8Path(fs::temp_directory_path() / (name + ".err"));
    Ran ran;
    {
        Result<FreshFile> outFile = createFresh(out);
        Result<FreshFile> errFile = createFresh(err);
        if (!outFile || !errFile)
            return ran;
        std::vector<std::string> words{program};
        words.insert(words.end(), args.begin(), args.end());
        std::string why;
        ran.status =
            velobat::startAndWait(program, words, outFile->native(), why, errFile->native())
                .value_or(-1);
    }
    ran.out = readBytes(out);
    ran.err = readBytes(err);
    std::error_code ec;
    fs::remove(diskPath(out), ec);
    fs::remove(diskPath(err), ec);
    return ran;
}

std::string missingFileReason() {
#ifdef _WIN32
    ::SetLastError(ERROR_FILE_NOT_FOUND);
#else
    errno = ENOENT;
#endif
    return lastErrorReason();
}

} // namespace velomark::test
