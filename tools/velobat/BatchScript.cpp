#include "BatchScript.h"

#include "files/FileOps.h"

#include <algorithm>

namespace velomark {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
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
bool readOutput(std::string_view line, size_t pos, BatchCommand& command, std::string& why) {
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

// What cmd.exe would read otherwise than as text, anywhere in a line.
bool plainCharacters(std::string_view line, std::string& why) {
    for (char c : line) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\t') || u == 0x7F) {
            why = "a control character";
            return false;
        }
        if (c == '%') {
            why = "a percent sign, which cmd.exe would expand";
            return false;
        }
    }
    return true;
}

// "echo TEXT >FILE", from the separator after "echo" at textStart. As cmd.exe
// does: the text runs from after one separator up to the redirection, blanks
// included; quotes are printed as they stand.
std::optional<BatchCommand> parseEcho(std::string_view line, size_t textStart, std::string& why) {
    BatchCommand command;
    command.echo = true;
    if (textStart < line.size() && isBlank(line[textStart]))
        ++textStart;
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

// "PROGRAM ARGS >FILE" from pos.
std::optional<BatchCommand> parseProgram(std::string_view line, size_t pos, std::string& why) {
    BatchCommand command;
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

} // namespace

std::optional<BatchCommand> parseBatchLine(std::string_view line, std::string& why) {
    if (!plainCharacters(line, why))
        return std::nullopt;
    size_t pos = 0;
    while (pos < line.size() && isBlank(line[pos]))
        ++pos;
    if (pos < line.size() && line[pos] == '@') // "@command": cmd.exe's "do not show it"
        ++pos;
    const size_t wordEnd = std::min(line.find_first_of(" \t>", pos), line.size());
    const std::string_view first = line.substr(pos, wordEnd - pos);
    if (equalIgnoringCase(first, "exit")) {
        BatchCommand command;
        command.exit = true;
        return command;
    }
    if (equalIgnoringCase(first, "echo"))
        return parseEcho(line, wordEnd, why);
    return parseProgram(line, pos, why);
}

std::vector<std::string_view> batchLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t lf = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, lf - start);
        start = lf + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
    }
    return lines;
}

std::string windowsCommandLine(const std::vector<std::string>& words) {
    std::string line;
    for (const std::string& word : words) {
        if (!line.empty())
            line += ' ';
        if (!word.empty() && word.find_first_of(" \t\"") == std::string::npos) {
            line += word;
            continue;
        }
        line += '"';
        size_t backslashes = 0;
        for (const char c : word) {
            if (c == '\\') {
                ++backslashes;
                continue;
            }
            line.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
            line += c;
            backslashes = 0;
        }
        line.append(2 * backslashes, '\\');
        line += '"';
    }
    return line;
}

} // namespace velomark
