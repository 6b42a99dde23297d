// Finding and starting programs on Windows: CreateProcessW with a command
// line quoted for the program's own argument parser, never cmd.exe.
#include "BatchScript.h"
#include "Programs.h"

#include "files/DiskPath.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>

namespace velomark::velobat {

const char* const kOwnHof2lap = "hof2lap.exe";

std::string ownDirectory(const char*) {
    std::wstring self(MAX_PATH, L'\0');
    DWORD n = 0;
    while ((n = ::GetModuleFileNameW(nullptr, self.data(), DWORD(self.size()))) == self.size())
        self.resize(self.size() * 2);
    self.resize(n);
    const size_t slash = self.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::string() : utf8Path(self.substr(0, slash + 1));
}

std::vector<std::string> programFiles(const std::string& path) {
    return {path, path + ".exe"};
}

bool runsHere(const std::string& path) {
    // A Windows program: "MZ", and at the offset its header gives, "PE\0\0".
    // A DOS program (GP2's own hof2lap.exe) has the first but not the second.
    const Result<std::string> head = readHead(path, 4096);
    if (!head || head->size() < 0x40 || !head->starts_with("MZ"))
        return false;
    size_t at = 0;
    for (int i = 3; i >= 0; --i)
        at = at << 8 | static_cast<unsigned char>((*head)[0x3C + i]);
    return at + 4 <= head->size() && head->compare(at, 4, std::string("PE\0\0", 4)) == 0;
}

namespace {

// A job that ends every program in it when velobat ends, killed or not, as
// the process group does on POSIX: a hof2lap that hangs goes with us.
HANDLE jobForChildren() {
    static const HANDLE job = [] {
        const HANDLE made = ::CreateJobObjectW(nullptr, nullptr);
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        if (made)
            ::SetInformationJobObject(made, JobObjectExtendedLimitInformation, &limits,
                                      sizeof limits);
        return made;
    }();
    return job;
}

// How a program ended: its exit status; an exception's status also says why.
int statusOf(HANDLE process, const std::string& program, std::string& why) {
    DWORD code = 0;
    ::GetExitCodeProcess(process, &code);
    if (code >= 0xC0000000) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%08lX", static_cast<unsigned long>(code));
        why = program + " ended with exception " + hex + ", so its output is not whole";
    }
    return static_cast<int>(code);
}

} // namespace

std::optional<int> startAndWait(const std::string& program, const std::vector<std::string>& args,
                                NativeFile out, std::string& why, NativeFile err) {
    std::wstring line = diskPath(windowsCommandLine(args)).wstring();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out != kNoFile ? out : ::GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = err != kNoFile ? err : ::GetStdHandle(STD_ERROR_HANDLE);
    for (const HANDLE given : {out, err})
        if (given != kNoFile)
            ::SetHandleInformation(given, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    PROCESS_INFORMATION started{};
    const BOOL ok =
        ::CreateProcessW(diskPath(program).wstring().c_str(), line.data(), nullptr, nullptr, TRUE,
                         CREATE_SUSPENDED, nullptr, nullptr, &startup, &started);
    for (const HANDLE given : {out, err})
        if (given != kNoFile)
            ::SetHandleInformation(given, HANDLE_FLAG_INHERIT, 0);
    if (!ok) {
        why = program + " cannot be started: " + lastErrorReason();
        return std::nullopt;
    }
    if (const HANDLE job = jobForChildren())
        ::AssignProcessToJobObject(job, started.hProcess);
    ::ResumeThread(started.hThread);
    ::CloseHandle(started.hThread);
    ::WaitForSingleObject(started.hProcess, INFINITE);
    why.clear();
    const int status = statusOf(started.hProcess, program, why);
    ::CloseHandle(started.hProcess);
    return status;
}

void useBinaryOutput() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

} // namespace velomark::velobat
