// The test helpers of Files.h on Linux and on Windows.
#include "support/Files.h"

#include "store/DiskPath.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
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
    ::CreateSymbolicLinkW(wide(path).c_str(), to.c_str(),
                          SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
    return entryAt(path) == Entry::Link;
}

bool makePipe(const std::string&) {
    return false;
}

bool makeReadOnly(const std::string& path, bool readOnly) {
    const DWORD attributes = ::GetFileAttributesW(wide(path).c_str());
    const DWORD wanted = readOnly ? attributes | FILE_ATTRIBUTE_READONLY
                                  : attributes & ~DWORD(FILE_ATTRIBUTE_READONLY);
    return attributes != INVALID_FILE_ATTRIBUTES &&
           ::SetFileAttributesW(wide(path).c_str(), wanted) != 0;
}

bool makePrivate(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           ::SetFileAttributesW(wide(path).c_str(), attributes | FILE_ATTRIBUTE_HIDDEN) != 0;
}

int marksOf(const std::string& path) {
    return static_cast<int>(::GetFileAttributesW(wide(path).c_str()));
}

bool makeRunnable(const std::string&) {
    return true;
}

namespace {

// A file that the child writes into, inheritable.
HANDLE captureFile(const fs::path& path) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return ::CreateFileW(path.wstring().c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                         CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

Ran runProgram(const std::string& program, const std::vector<std::string>& args) {
    const fs::path out = fs::temp_directory_path() / "velomark-test-out";
    const fs::path err = fs::temp_directory_path() / "velomark-test-err";
    std::wstring line = L"\"" + wide(program) + L"\"";
    for (const std::string& a : args)
        line += L" \"" + wide(a) + L"\""; // the tests pass no quotes or final backslashes
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = captureFile(out);
    startup.hStdError = captureFile(err);
    PROCESS_INFORMATION process{};
    Ran ran;
    if (::CreateProcessW(wide(program).c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                         nullptr, &startup, &process)) {
        ::WaitForSingleObject(process.hProcess, INFINITE);
        DWORD code = 0;
        ::GetExitCodeProcess(process.hProcess, &code);
        ran.status = static_cast<int>(code);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    ::CloseHandle(startup.hStdOutput);
    ::CloseHandle(startup.hStdError);
    ran.out = readBytes(utf8Path(out));
    ran.err = readBytes(utf8Path(err));
    return ran;
}

std::string missingFileReason() {
    wchar_t* text = nullptr;
    const DWORD n = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, ERROR_FILE_NOT_FOUND, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string words = utf8Path(fs::path(std::wstring(text, n)));
    ::LocalFree(text);
    while (!words.empty() && std::strchr(". \r\n", words.back()))
        words.pop_back();
    return words;
}

bool underWine() {
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return ntdll && ::GetProcAddress(ntdll, "wine_get_version");
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

bool makeRunnable(const std::string& path) {
    return ::chmod(path.c_str(), 0500) == 0;
}

Ran runProgram(const std::string& program, const std::vector<std::string>& args) {
    const std::string out = (fs::temp_directory_path() / "velomark-test-out").string();
    const std::string err = (fs::temp_directory_path() / "velomark-test-err").string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<std::string> words{program};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);
    Ran ran;
    pid_t pid = 0;
    if (posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        ran.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    ran.out = readBytes(out);
    ran.err = readBytes(err);
    return ran;
}

std::string missingFileReason() {
    return std::strerror(ENOENT);
}

bool underWine() {
    return false;
}

#endif

} // namespace velomark::test
