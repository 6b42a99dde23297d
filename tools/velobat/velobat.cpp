// velobat BATCHFILE: runs the hof.bat that the hot-lap import writes, where
// there is no cmd.exe. It understands exactly what hof.bat holds:
//
//   PROGRAM ARGS >FILE   runs PROGRAM with standard output in FILE (created or emptied)
//   echo TEXT >FILE      writes TEXT and CR LF into FILE
//   exit                 stops
//
// Lines end in CR LF or LF. Words are split at blanks; double quotes let a word
// hold blanks and are removed. Backslashes are directory separators. PROGRAM is
// started directly with posix_spawn, never through a shell, so no text in a
// file name is ever run as a command. A redirection creates its file afresh and
// never writes through a link. A line that holds what cmd.exe would take as an
// operator (& | < ^ outside quotes, % anywhere) or that is otherwise not one of
// the three forms is reported on standard error and skipped: the lines after
// it, among them the "echo 1 >flag" the import waits for, still run.
//
// Exit status: 0 when every line ran and every program ended with 0; else
// what went wrong last: a program's own exit status, 128 plus the signal that
// stopped it, 1 when a line was skipped or no program could be started, 2 when
// the batch file cannot be read. A failing program does not stop the batch, as
// with cmd.exe, so the import still learns that the batch has ended.
#include "hotlap/HotlapFiles.h"
#include "store/Cp1252.h"
#include "store/FileOps.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

extern char** environ;

namespace {

using velomark::nativePath;

constexpr size_t kBatchLimit = 64 * 1024; // hof.bat is three short lines

struct Command {
    bool exit = false;
    bool echo = false;
    std::string echoText;
    std::vector<std::string> words; // program and arguments, quotes removed
    std::optional<std::string> output;
};

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool equalsFolded(std::string_view word, std::string_view lower) {
    if (word.size() != lower.size())
        return false;
    for (size_t i = 0; i < word.size(); ++i) {
        const char c = word[i] >= 'A' && word[i] <= 'Z' ? static_cast<char>(word[i] + 32) : word[i];
        if (c != lower[i])
            return false;
    }
    return true;
}

// One word from line at pos: quotes group, a blank or an unquoted '>' ends it.
// Returns false on an operator outside quotes or an unclosed quote.
bool readWord(std::string_view line, size_t& pos, std::string& word, std::string& why) {
    bool quoted = false;
    for (; pos < line.size(); ++pos) {
        const char c = line[pos];
        if (c == '"') {
            quoted = !quoted;
        } else if (quoted) {
            word += c;
        } else if (isBlank(c) || c == '>') {
            break;
        } else if (c == '&' || c == '|' || c == '<' || c == '^') {
            why = std::string("an operator outside double quotes (") + c + ')';
            return false;
        } else {
            word += c;
        }
    }
    if (quoted)
        why = "a double quote that is not closed";
    return !quoted;
}

// The redirection at pos (on '>'): one word, then nothing but blanks.
bool readOutput(std::string_view line, size_t pos, Command& command, std::string& why) {
    ++pos;
    if (pos < line.size() && line[pos] == '>') {
        why = "appending (>>), which hof.bat never does";
        return false;
    }
    while (pos < line.size() && isBlank(line[pos]))
        ++pos;
    std::string file;
    if (!readWord(line, pos, file, why))
        return false;
    while (pos < line.size() && isBlank(line[pos]))
        ++pos;
    if (file.empty() || pos < line.size()) {
        why = file.empty() ? "no file after >" : "text after the output file";
        return false;
    }
    command.output = file;
    return true;
}

std::optional<Command> parseLine(std::string_view line, std::string& why) {
    for (char c : line) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\t') || u == 0x7F) {
            why = "a control character";
            return std::nullopt;
        }
        if (c == '%') {
            why = "a percent sign, which cmd.exe would expand";
            return std::nullopt;
        }
    }
    size_t pos = 0;
    while (pos < line.size() && isBlank(line[pos]))
        ++pos;
    if (pos < line.size() && line[pos] == '@') // "@command": cmd.exe's "do not show it"
        ++pos;

    Command command;
    const size_t wordEnd = std::min(line.find_first_of(" \t>", pos), line.size());
    const std::string_view first = line.substr(pos, wordEnd - pos);
    if (equalsFolded(first, "exit")) {
        command.exit = true;
        return command;
    }
    if (equalsFolded(first, "echo")) {
        // As cmd.exe does: the text runs from after one separator up to the
        // redirection, blanks included; quotes are printed as they stand.
        command.echo = true;
        size_t textStart = wordEnd < line.size() && isBlank(line[wordEnd]) ? wordEnd + 1 : wordEnd;
        bool quoted = false;
        for (size_t i = textStart; i < line.size(); ++i) {
            const char c = line[i];
            if (c == '"')
                quoted = !quoted;
            if (quoted)
                continue;
            if (c == '>') {
                command.echoText = std::string(line.substr(textStart, i - textStart));
                return readOutput(line, i, command, why) ? std::optional(command) : std::nullopt;
            }
            if (c == '&' || c == '|' || c == '<' || c == '^') {
                why = std::string("an operator outside double quotes (") + c + ')';
                return std::nullopt;
            }
        }
        command.echoText = std::string(line.substr(textStart));
        return command;
    }
    while (pos < line.size()) {
        if (isBlank(line[pos])) {
            ++pos;
        } else if (line[pos] == '>') {
            if (!readOutput(line, pos, command, why))
                return std::nullopt;
            break;
        } else {
            std::string word;
            if (!readWord(line, pos, word, why))
                return std::nullopt;
            command.words.push_back(word);
        }
    }
    if (command.words.empty()) {
        why = "no program to run";
        return std::nullopt;
    }
    return command;
}

// A regular file with an execute bit that starts as an ELF binary or a script.
bool isNativeExecutable(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || ::access(path.c_str(), X_OK) != 0)
        return false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    char magic[4] = {};
    const ssize_t n = ::read(fd, magic, sizeof magic);
    ::close(fd);
    return (n == 4 && std::memcmp(magic,
                                  "\x7f"
                                  "ELF",
                                  4) == 0) ||
           (n >= 2 && magic[0] == '#' && magic[1] == '!');
}

// The folder this interpreter was started from, where our own hof2lap sits;
// "" when neither /proc nor argv[0] tells (never the working directory, which
// holds the player's files).
std::string ownDirectory(const char* argv0) {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    std::string self = n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string(argv0);
    const size_t slash = self.rfind('/');
    return slash == std::string::npos ? std::string() : self.substr(0, slash + 1);
}

bool isHof2lap(const std::string& path) {
    const size_t slash = path.rfind('/');
    const std::string base = path.substr(slash == std::string::npos ? 0 : slash + 1);
    return equalsFolded(base, "hof2lap") || equalsFolded(base, "hof2lap.exe");
}

// The programs to try for a command's first word, in order: the program as
// named when it looks like one that runs here; then, for hof2lap, the one
// beside this interpreter, for a GP2 directory that holds none, only the DOS
// hof2lap.exe, or one that will not start here after all (a script whose
// interpreter is missing, a program built for another system).
std::vector<std::string> candidates(const std::string& word, const std::string& ownDir) {
    const std::string path = nativePath(word);
    std::vector<std::string> programs;
    if (isNativeExecutable(path))
        programs.push_back(path);
    const std::string ours = ownDir + "hof2lap";
    if (!ownDir.empty() && isHof2lap(path) && ours != path && isNativeExecutable(ours))
        programs.push_back(ours);
    return programs;
}

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

// Starts the first candidate that will start, its output in out, and waits
// for it. The status it ended with, or -1 when none could be started.
int spawnAndWait(const Command& command, const std::string& ownDir, int out, std::string& why) {
    const std::vector<std::string> programs = candidates(command.words[0], ownDir);
    if (programs.empty()) {
        why = command.words[0] + " is no program that can run here, and it is not hof2lap";
        return -1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (out != STDOUT_FILENO)
        posix_spawn_file_actions_adddup2(&actions, out, STDOUT_FILENO);
    int status = -1;
    for (const std::string& program : programs) {
        std::vector<std::string> args{program};
        for (size_t i = 1; i < command.words.size(); ++i)
            args.push_back(nativePath(command.words[i]));
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        pid_t pid = 0;
        const int err = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
        if (err != 0) {
            why = program + " cannot be started: " + std::strerror(err);
            continue; // the next candidate, if there is one
        }
        int waited = 0;
        while (::waitpid(pid, &waited, 0) < 0 && errno == EINTR) {
        }
        why.clear();
        status = statusOf(waited, program, why);
        break;
    }
    posix_spawn_file_actions_destroy(&actions);
    return status;
}

// The file a redirection names, created afresh and never through a link: a
// stale file or link of that name in any case of its letters goes first, as
// DOS would have written into it; anything else there is refused.
velomark::Result<velomark::FreshFile> openOutput(const std::string& name) {
    std::string path = name;
    std::replace(path.begin(), path.end(), '\\', '/');
    const size_t slash = path.rfind('/');
    if (slash != std::string::npos)
        path = nativePath(path.substr(0, slash)) + path.substr(slash);
    return velomark::createFresh(path, 0666, true);
}

velomark::Status writeOut(const std::string& bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() ||
        std::fflush(stdout) != 0)
        return velomark::Error{velomark::ErrorKind::WriteFailed, std::strerror(errno)};
    return velomark::success();
}

// Runs one command: 0 when it ran and its program ended well, else the status
// to pass on, with why when the program could not say it itself.
int run(const Command& command, const std::string& ownDir, std::string& why) {
    velomark::FreshFile output;
    int out = STDOUT_FILENO;
    if (command.output) {
        velomark::Result<velomark::FreshFile> opened = openOutput(*command.output);
        if (!opened) {
            why = "the file " + *command.output + " cannot be written: " + opened.error().message;
            return 1;
        }
        output = std::move(opened).value();
        out = output.descriptor();
    }
    if (command.echo) {
        const std::string text = command.echoText + "\r\n";
        const velomark::Status written = command.output ? output.write(text) : writeOut(text);
        if (!written)
            why = "the text cannot be written: " + written.error().message;
        return written ? 0 : 1;
    }
    const int status = spawnAndWait(command, ownDir, out, why);
    return status < 0 ? 1 : status;
}

std::string printable(std::string_view line) {
    std::string text(line);
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t')
            c = '?';
    }
    return text;
}

// hof.bat is written in the data files' Windows-1252, as cmd.exe reads it;
// file names on a modern POSIX system are UTF-8, so a GP2 directory or a hot
// lap named with accents is found only after this conversion.
std::string utf8FromCp1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char32_t c : velomark::decodeCp1252(bytes)) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("Usage: velobat BATCHFILE\nRuns the hof.bat written by Velomark's hot-lap "
                   "import.\n",
                   stderr);
        return 2;
    }
    const std::string batchName = argv[1];
    const velomark::Result<std::string> batch =
        velomark::readHead(nativePath(batchName), kBatchLimit + 1);
    if (!batch || batch->size() > kBatchLimit) {
        std::fprintf(stderr, "velobat: %s\n",
                     batch ? ("The file " + batchName + " is too large for a batch file.").c_str()
                           : batch.error().message.c_str());
        return 2;
    }
    const std::string ownDir = ownDirectory(argv[0]);
    const std::string converted = utf8FromCp1252(*batch);
    const std::string_view text = converted;
    int status = 0;
    size_t start = 0;
    for (int number = 1; start < text.size(); ++number) {
        const size_t lf = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, lf - start);
        start = lf + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.find_first_not_of(" \t") == std::string_view::npos)
            continue;
        std::string why;
        const std::optional<Command> command = parseLine(line, why);
        if (command && command->exit)
            break;
        const int result = command ? run(*command, ownDir, why) : 1;
        if (result != 0)
            status = result;
        if (result != 0 && !why.empty())
            std::fprintf(stderr, "velobat: %s line %d: %s: %s\n", batchName.c_str(), number,
                         why.c_str(), printable(line).c_str());
    }
    return status;
}
