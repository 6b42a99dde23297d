// Finding and starting programs on Linux and other POSIX systems.
#include "Programs.h"

#include <cerrno>
#include <climits>
#include <cstring>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace velomark::velobat {

const char* const kOwnHof2lap = "hof2lap";

std::string ownDirectory(const char* argv0) {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    std::string self = n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string(argv0);
    const size_t slash = self.rfind('/');
    return slash == std::string::npos ? std::string() : self.substr(0, slash + 1);
}

std::vector<std::string> programFiles(const std::string& path) {
    return {path};
}

bool runsHere(const std::string& path) {
    if (::access(path.c_str(), X_OK) != 0)
        return false;
    const Result<std::string> magic = readHead(path, 4);
    return magic && (magic->starts_with("\x7f"
                                        "ELF") ||
                     magic->starts_with("#!"));
}

namespace {

// How a program ended, as this interpreter passes it on: its exit status, or
// 128 plus the signal that stopped it (as a POSIX shell says it).
int statusOf(int waitStatus, const std::string& program, std::string& why) {
    if (WIFEXITED(waitStatus))
        return WEXITSTATUS(waitStatus);
    const int signal = WIFSIGNALED(waitStatus) ? WTERMSIG(waitStatus) : 0;
    why = program + " was stopped by signal " + std::to_string(signal) + " (" + strsignal(signal) +
          ") before it ended, so its output is not whole";
    return 128 + signal;
}

} // namespace

std::optional<int> startAndWait(const std::string& program, const std::vector<std::string>& args,
                                NativeFile out, std::string& why, NativeFile err) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (out != kNoFile)
        posix_spawn_file_actions_adddup2(&actions, out, STDOUT_FILENO);
    if (err != kNoFile)
        posix_spawn_file_actions_adddup2(&actions, err, STDERR_FILENO);
    std::vector<std::string> words = args;
    std::vector<char*> argv;
    for (std::string& w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        why = program + " cannot be started: " + std::strerror(failed);
        return std::nullopt;
    }
    int waited = 0;
    while (::waitpid(pid, &waited, 0) < 0 && errno == EINTR) {
    }
    why.clear();
    return statusOf(waited, program, why);
}

void useBinaryOutput() {}

} // namespace velomark::velobat
