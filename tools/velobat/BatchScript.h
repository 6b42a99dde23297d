// The lines of hof.bat as velobat reads them: exactly what the hot-lap import
// writes there, and nothing a command interpreter could read otherwise.
//
//   PROGRAM ARGS >FILE   runs PROGRAM with standard output in FILE
//   echo TEXT >FILE      writes TEXT and CR LF into FILE
//   exit                 stops
//
// Words are split at blanks; double quotes let a word hold blanks and are
// removed. A line that holds what cmd.exe would take as an operator (& | < ^
// outside quotes, % anywhere), a control character, or that is otherwise not
// one of the three forms is refused with the reason.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velomark {

struct BatchCommand {
    bool exit = false;
    bool echo = false;
    std::string echoText;
    std::vector<std::string> words; // program and arguments, quotes removed
    std::optional<std::string> output;
};

// One line without its line end; nothing, with why, when it is refused.
std::optional<BatchCommand> parseBatchLine(std::string_view line, std::string& why);

// The lines of a batch file: each ends at LF, a CR before it is not part of it.
std::vector<std::string_view> batchLines(std::string_view text);

// Words as one Windows command line that a program's argument parser
// (CommandLineToArgvW, the C runtime's) splits back into the same words: a
// word with a blank, a tab or a quote, or an empty one, is quoted, and
// backslashes are doubled only where they come before a quote.
std::string windowsCommandLine(const std::vector<std::string>& words);

} // namespace velomark
