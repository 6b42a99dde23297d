// The lap-time editor's session on real files: the record as read and as
// typed, INSERT and the 3rd split's completion, and SAVE over times stored
// elsewhere, again while the player was asked.
#include "laps/EditorSession.h"

#include "support/Files.h"

#include <doctest.h>

using namespace velomark;
using namespace velomark::test;

TEST_CASE("the editor's session") {
    WorkDir dir;
    const auto monza = [](const std::string& first, const char* q) {
        return first + R"(,"","","","1.30.000","29.000","1.02.000","28.000","p.set",)" + q +
               R"(,"","","","","","")";
    };
    const char* const q = R"("1.31.000","29.500","1.03.000","28.500","")";
    // The Quickrace lap time, which the window shows, is absent; its 1st split is not shown.
    REQUIRE(writeBytes("set1.dat", lapRecords({{12, monza(R"(,"x")", q)}})));
    EditorSession session({Trackset::Standard, 12, "Monza\nItaly"});
    REQUIRE(session.load().ok());
    CHECK((!session.held()[0] && session.typed()[0] == std::string()));

    session.insert({RecordSession::Qualifying, "1.29.000", "28.000", "59.000"});
    CHECK((session.takeCompletion() == Session::Qualifying && !session.takeCompletion()));
    CHECK((session.complete(Session::Qualifying) && session.sheet().qualifying.split3 == "30"));
    CHECK(session.heldIdealLap() == doctest::Approx(90.0)); // of the stored times
    session.type(fieldIndex(RecordSession::Race, RecordField::Lap), "1.40.5");

    // Stored elsewhere before SAVE (a field the window does not show), and
    // again (Qualifying) while the player was asked: the second question is
    // about that alone, and Overwrite puts the typed fields over it.
    const std::string now2 = monza(R"("","y")", R"("1.28.000","27.000","58.000","30.000","")");
    REQUIRE(writeBytes("set1.dat", lapRecords({{12, monza(R"("","y")", q)}})));
    std::vector<std::vector<OverChange>> offered;
    std::vector<size_t> theirs;
    const SaveOutcome saved = session.save([&](const ChangedElsewhere& asked) {
        offered.push_back(asked.choices);
        for (const FieldChange& change : asked.edits.theirs)
            theirs.push_back(change.field);
        if (offered.size() == 1 && writeBytes("set1.dat", lapRecords({{12, now2}})))
            return OverChange::KeepBoth;
        return offered.size() == 2 ? OverChange::Overwrite : OverChange::Cancel;
    });
    CHECK((saved.end == SaveEnd::Saved && offered.size() == 2 &&
           offered[0].front() == OverChange::KeepBoth && offered[1].size() == 3));
    CHECK(theirs == std::vector<size_t>{1, 10, 11, 12, 13});
    const std::string stored = R"("","y","","","","1.30.000","29.000","1.02.000","28.000","p.set",)"
                               R"("1.29.000","28.000","59.000","30.000","","1.40.500","","","","")";
    CHECK(readBytes("set1.dat") == lapRecords({{12, stored}}));
    CHECK((session.held() == saved.done->record && session.typed() == session.held()));
}
