// How velobat finds and starts a program on this system: the POSIX side
// with posix_spawn, the Windows side with CreateProcessW. Neither ever goes
// through a shell or cmd.exe, so no text in a file name is run as a command.
#pragma once

#include "files/FileOps.h"

#include <optional>
#include <string>
#include <vector>

namespace velomark::velobat {

// The name of our own hof2lap in the folder beside velobat.
extern const char* const kOwnHof2lap;

// The folder this interpreter was started from, with its separator, where
// our own hof2lap sits; "" when the system does not tell (never the working
// directory, which holds the player's files).
std::string ownDirectory(const char* argv0);

// The files a command's program may be, in the order tried: the name as
// written and, on Windows, the name with ".exe".
std::vector<std::string> programFiles(const std::string& path);

// Whether path is a program that can run here: an ELF binary or a script
// with an execute bit, or a Windows program (not a DOS one).
bool runsHere(const std::string& path);

// Starts program with args (args[0] is the program), its standard output in
// out and its standard error in err (kNoFile: ours), and waits for it. The status it ended with, or
// nothing with why when it could not be started; why also tells when it
// ended by a signal or an exception, so its output is not whole.
std::optional<int> startAndWait(const std::string& program, const std::vector<std::string>& args,
                                NativeFile out, std::string& why, NativeFile err = kNoFile);

// Standard output and error as bytes: the batch's texts bring their own CR LF.
void useBinaryOutput();

} // namespace velomark::velobat
