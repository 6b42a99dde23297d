// velobat BATCHFILE: runs the hof.bat that the hot-lap import writes, so that
// no command interpreter ever reads it. It understands exactly what hof.bat
// holds (BatchScript.h). Backslashes are directory separators. PROGRAM is
// started directly (posix_spawn, or CreateProcessW on Windows: Programs.h),
// never through a shell or cmd.exe, so no text in a file name is ever run as
// a command. A redirection creates its file afresh and
// never writes through a link. A line that is refused is reported on standard
// error and skipped: the lines after it, among them the "echo 1 >flag" the
// import waits for, still run.
//
// Exit status: 0 when every line ran and every program ended with 0; else
// what went wrong last: a program's own exit status, 128 plus the signal that
// stopped it (on Windows the exception's status), 1 when a line was skipped or no program could be
// started, 2 when the batch file cannot be read. A failing program does not stop the batch, as with
// cmd.exe, so the import still learns that the batch has ended.
#include "BatchScript.h"
#include "Programs.h"
#include "files/FreshFiles.h"
#include "formats/Cp1252.h"
#include "formats/HotlapFiles.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using velomark::BatchCommand;
using velomark::nativePath;
namespace velobat = velomark::velobat;

constexpr size_t kBatchLimit = 64 * 1024; // hof.bat is three short lines

bool isHof2lap(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    const std::string base = path.substr(slash == std::string::npos ? 0 : slash + 1);
    return velomark::equalIgnoringCase(base, "hof2lap") ||
           velomark::equalIgnoringCase(base, "hof2lap.exe");
}

// The programs to try for a command's first word, in order: the program as
// named when it looks like one that runs here; then, for hof2lap, the one
// beside this interpreter, for a GP2 directory that holds none, only the DOS
// hof2lap.exe, or one that will not start here after all (a script whose
// interpreter is missing, a program built for another system).
std::vector<std::string> candidates(const std::string& word, const std::string& ownDir) {
    const std::string path = nativePath(word);
    std::vector<std::string> programs;
    for (const std::string& file : velobat::programFiles(path)) {
        if (velobat::runsHere(file)) {
            programs.push_back(file);
            break;
        }
    }
    const std::string ours = ownDir + velobat::kOwnHof2lap;
    if (!ownDir.empty() && isHof2lap(path) && (programs.empty() || ours != programs[0]) &&
        velobat::runsHere(ours))
        programs.push_back(ours);
    return programs;
}

// Starts the first candidate that will start, its output in out, and waits
// for it. The status it ended with, or nothing when none could be started.
std::optional<int> spawnAndWait(const BatchCommand& command, const std::string& ownDir,
                                velomark::NativeFile out, std::string& why) {
    const std::vector<std::string> programs = candidates(command.words[0], ownDir);
    if (programs.empty()) {
        why = command.words[0] + " is no program that can run here, and it is not hof2lap";
        return std::nullopt;
    }
    for (const std::string& program : programs) {
        std::vector<std::string> args{program};
        for (size_t i = 1; i < command.words.size(); ++i)
            args.push_back(nativePath(command.words[i]));
        if (const std::optional<int> status = velobat::startAndWait(program, args, out, why))
            return status;
        // Not started: the next candidate, if there is one.
    }
    return std::nullopt;
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
int run(const BatchCommand& command, const std::string& ownDir, std::string& why) {
    velomark::FreshFile output;
    velomark::NativeFile out = velomark::kNoFile;
    if (command.output) {
        velomark::Result<velomark::FreshFile> opened = openOutput(*command.output);
        if (!opened) {
            why = "the file " + *command.output + " cannot be written: " + opened.error().message;
            return 1;
        }
        output = std::move(opened).value();
        out = output.native();
    }
    if (command.echo) {
        const std::string text = command.echoText + "\r\n";
        const velomark::Status written = command.output ? output.write(text) : writeOut(text);
        if (!written)
            why = "the text cannot be written: " + written.error().message;
        return written ? 0 : 1;
    }
    return spawnAndWait(command, ownDir, out, why).value_or(1);
}

std::string printable(std::string_view line) {
    std::string text(line);
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t')
            c = '?';
    }
    return text;
}

} // namespace

int main(int argc, char** argv) {
    velobat::useBinaryOutput();
    const std::vector<std::string> args = velomark::programArguments(argc, argv);
    if (args.size() != 2) {
        std::fputs("Usage: velobat BATCHFILE\nRuns the hof.bat written by Velomark's hot-lap "
                   "import.\n",
                   stderr);
        return 2;
    }
    const std::string batchName = args[1];
    const velomark::Result<std::string> batch =
        velomark::readHead(nativePath(batchName), kBatchLimit + 1);
    if (!batch || batch->size() > kBatchLimit) {
        std::fprintf(stderr, "velobat: %s\n",
                     batch ? ("The file " + batchName + " is too large for a batch file.").c_str()
                           : batch.error().message.c_str());
        return 2;
    }
    const std::string ownDir = velobat::ownDirectory(argv[0]);
    // hof.bat is written in the data files' Windows-1252, as cmd.exe reads it;
    // the file layer takes names in UTF-8 (a modern POSIX system's own, turned into
    // wide characters on Windows), so a GP2 directory or a
    // hot lap named with accents is found only after this conversion.
    const std::string converted = velomark::cp1252ToUtf8(*batch);
    const std::string_view text = converted;
    int status = 0;
    int number = 0;
    for (const std::string_view line : velomark::batchLines(text)) {
        ++number;
        if (line.find_first_not_of(" \t") == std::string_view::npos)
            continue;
        std::string why;
        const std::optional<BatchCommand> command = velomark::parseBatchLine(line, why);
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
