// What the player is told when an extraction gives no lap: the interpreter's
// end, the flag and the sentence that names the file.
#include "laps/Extraction.h"

#include <doctest.h>

using namespace velomark;
using Kind = BatchEnd::Kind;

TEST_CASE("an extraction's failures in words") {
    const auto why = [](Kind kind, int status, const char* errors) {
        const auto failure = batchFailure({kind, status, "/opt/velobat", errors}, "C:\\GP2");
        return failure ? failure->english() : "none";
    };
    CHECK(why(Kind::Ended, 0, "") == "none");
    CHECK(why(Kind::Ended, 3, "hof2lap: no lap\nsecond line") == "hof2lap: no lap; second line");
    CHECK(why(Kind::Ended, 3, "") == "hof2lap ended with status 3 without saying why");
    // However it ended, a batch that did not run to its end read nothing.
    CHECK(why(Kind::Crashed, 0, "") ==
          "the command interpreter /opt/velobat stopped before hof.bat was done");
    CHECK(why(Kind::NotStarted, -1, "No such file") ==
          "the command interpreter /opt/velobat could not be started (No such file); it belongs "
          "in the folder of the program");
    CHECK(why(Kind::TimedOut, 0, "") ==
          "hof2lap did not finish within 30 seconds and was stopped; check that hof2lap in the "
          "GP2 directory C:\\GP2 runs on this system and that the file can be read");

    CHECK(!flagFailure(FlagState::Finished));
    CHECK(flagFailure(FlagState::NotANumber)->english() ==
          "the file flag does not hold a number once hof.bat has run");
    for (FlagState s : {FlagState::Running, FlagState::Unreadable})
        CHECK(flagFailure(s)->english() == "hof.bat ended without writing 1 into the file flag");

    // A sentence set after the colon loses its period and, but for a name in
    // capitals, its capital.
    CHECK(asClause("The file hoftemp is missing. ") == "the file hoftemp is missing");
    CHECK(asClause("HOF2LAP must be there.") == "HOF2LAP must be there");
}
