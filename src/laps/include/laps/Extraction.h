// The rules of one extraction of a hot lap through hof.bat: how long hof2lap
// is given, and what the player is told when no lap comes of it. Texts are
// UTF-8, as the player reads them.
#pragma once

#include "files/Sentence.h"
#include "formats/HofBat.h"

#include <optional>
#include <string>
#include <string_view>

namespace velomark {

// hof2lap reads a hot lap in a few milliseconds; a dump that has not come
// after this long will not come.
inline constexpr int kExtractionTimeoutMs = 30000;

// How the command interpreter's run of hof.bat ended.
struct BatchEnd {
    enum class Kind {
        Ended,      // the interpreter ran to its end, with exitCode
        NotStarted, // the interpreter could not be started at all
        TimedOut,   // it did not end in time and was stopped
        Crashed,    // it died by a signal or was killed from outside
    };
    Kind kind = Kind::Ended;
    int exitCode = 0;
    std::string interpreter; // the program that ran the batch file
    std::string errors;      // what it wrote to its standard error, or why it did not start
};

// Why the batch did not read the lap, or nothing when hof2lap ended well.
// Its own words come first: hof2lap and the interpreter write to standard
// error only when something went wrong. gp2Dir is the GP2 directory. Each
// reason is set after a colon into the sentence that names the hot lap.
std::optional<Sentence> batchFailure(const BatchEnd& end, std::string_view gp2Dir);

// Why the flag, read once the batch has run, tells of no lap; nothing when
// it says that hof2lap has finished.
std::optional<Sentence> flagFailure(FlagState state);

// A listed file whose name holds character, which hof.bat's 8-bit text lacks.
Sentence nameNotCarried(std::string_view character);

// hof2lap's dump without its closing line.
Sentence dumpCutShort();

// An English sentence set after a colon into another: without its closing
// period and, but for a name in capitals (HOF2LAP), its first capital.
std::string asClause(std::string text);

} // namespace velomark
