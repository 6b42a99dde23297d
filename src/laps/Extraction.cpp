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

// The lines of standard error joined by "; ".
std::string joinedLines(std::string_view errors) {
    std::string out;
    for (char c : errors)
        out += c == '\n' ? std::string("; ") : std::string(1, c);
    return out;
}

} // namespace

std::optional<Sentence> batchFailure(const BatchEnd& end, std::string_view gp2Dir) {
    //: Why a hot lap could not be read, set after "The hot lap A1.hl could not
    //: be read: "; %1 is the program that ran hof.bat.
    switch (end.kind) {
    case BatchEnd::Kind::NotStarted:
        return Sentence(VM_TEXT("Extraction", "the command interpreter %1 could not be started "
                                              "(%2); it belongs in the folder of the program"),
                        {utf8Text(end.interpreter), utf8Text(end.errors)});
    case BatchEnd::Kind::TimedOut:
        return Sentence(
            VM_TEXT("Extraction",
                    "hof2lap did not finish within %1 seconds and was stopped; check that hof2lap "
                    "in the GP2 directory %2 runs on this system and that the file can be read"),
            {kExtractionTimeoutMs / 1000, utf8Text(std::string(gp2Dir))});
    case BatchEnd::Kind::Crashed:
        return Sentence(
            VM_TEXT("Extraction", "the command interpreter %1 stopped before hof.bat was done"),
            {utf8Text(end.interpreter)});
    case BatchEnd::Kind::Ended:
        break;
    }
    if (end.exitCode == 0)
        return std::nullopt;
    if (!end.errors.empty()) // hof2lap's own words, as it wrote them
        return Sentence::verbatim(joinedLines(end.errors), SentenceValue::Kind::Utf8);
    return Sentence(VM_TEXT("Extraction", "hof2lap ended with status %1 without saying why"),
                    {end.exitCode});
}

std::optional<Sentence> flagFailure(FlagState state) {
    if (state == FlagState::Finished)
        return std::nullopt;
    if (state == FlagState::NotANumber)
        return Sentence(
            VM_TEXT("Extraction", "the file flag does not hold a number once hof.bat has run"));
    return Sentence(VM_TEXT("Extraction", "hof.bat ended without writing 1 into the file flag"));
}

Sentence nameNotCarried(std::string_view character) {
    return Sentence(
        VM_TEXT("Extraction", "its name holds the character %1, which the batch file cannot carry"),
        {utf8Text(std::string(character))});
}

Sentence dumpCutShort() {
    return Sentence(VM_TEXT("Extraction",
                            "the dump that hof2lap wrote into hoftemp ends before its last line"));
}

std::string asClause(std::string text) {
    text = withoutClosingPeriod(std::move(text));
    if (text.size() > 1 && asciiUpper(text[0]) && asciiLower(text[1]))
        text[0] = static_cast<char>(text[0] - 'A' + 'a');
    return text;
}

} // namespace velomark
