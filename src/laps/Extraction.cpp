// The extraction's failures in the player's words.
#include "laps/Extraction.h"

namespace velomark {

namespace {

bool asciiUpper(char c) {
    return c >= 'A' && c <= 'Z';
}

bool asciiLower(char c) {
    return c >= 'a' && c <= 'z';
}

// A sentence without its closing period, to be set after a colon in another:
// its first word in lower case unless it is a name in capitals (HOF2LAP).
std::string asClause(std::string text) {
    while (!text.empty() && (text.back() == '.' || text.back() == ' '))
        text.pop_back();
    if (text.size() > 1 && asciiUpper(text[0]) && asciiLower(text[1]))
        text[0] = static_cast<char>(text[0] - 'A' + 'a');
    return text;
}

// The lines of standard error joined by "; ".
std::string joinedLines(std::string_view errors) {
    std::string out;
    for (char c : errors)
        out += c == '\n' ? std::string("; ") : std::string(1, c);
    return out;
}

} // namespace

std::optional<std::string> batchFailure(const BatchEnd& end, std::string_view gp2Dir) {
    const std::string interpreter = "the command interpreter " + end.interpreter;
    switch (end.kind) {
    case BatchEnd::Kind::NotStarted:
        return interpreter + " could not be started (" + end.errors +
               "); it belongs in the folder of the program";
    case BatchEnd::Kind::TimedOut:
        return "hof2lap did not finish within " + std::to_string(kExtractionTimeoutMs / 1000) +
               " seconds and was stopped; check that hof2lap in the GP2 directory " +
               std::string(gp2Dir) + " runs on this system and that the file can be read";
    case BatchEnd::Kind::Crashed:
        return interpreter + " stopped before hof.bat was done";
    case BatchEnd::Kind::Ended:
        break;
    }
    if (end.exitCode == 0)
        return std::nullopt;
    if (!end.errors.empty())
        return joinedLines(end.errors);
    return "hof2lap ended with status " + std::to_string(end.exitCode) + " without saying why";
}

std::optional<std::string> flagFailure(FlagState state) {
    if (state == FlagState::Finished)
        return std::nullopt;
    if (state == FlagState::NotANumber)
        return std::string("the file flag does not hold a number once hof.bat has run");
    return std::string("hof.bat ended without writing 1 into the file flag");
}

std::string nameNotCarried(std::string_view character) {
    return "its name holds the character " + std::string(character) +
           ", which the batch file cannot carry";
}

std::string notReadSentence(std::string_view file, std::string_view why) {
    return "The hot lap " + std::string(file) +
           " could not be read: " + asClause(std::string(why)) + ".";
}

} // namespace velomark
