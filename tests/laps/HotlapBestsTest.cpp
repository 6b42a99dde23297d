// The saves folder read as a whole: what each kind of file becomes, hot laps
// against the stored bests, which laps a take writes and what it says first.
#include "laps/HotlapBests.h"
#include "laps/LapDetails.h"

#include "HotlapFixture.h"
#include "support/Files.h"

#include <doctest.h>

using namespace velomark;
using namespace velomark::test;

namespace {

// A Monza qualifying lap of 1.23.456, splits 41.123 and 1.02.345.
FixtureLap monza(uint8_t session = 0x44, uint32_t lapTime = 83456) {
    return {.track = 11, .compressed = true, .session = session, .lapTime = lapTime};
}

HotlapReading timed(RecordSession slot, int circuit, const char* lap, uint8_t lapFlags = 0) {
    HotlapReading r;
    r.record.extension = hotlap::Extension::Readable;
    r.record.lapFlags = lapFlags;
    r.state = HotlapState::Timed;
    r.slot = slot;
    r.session = Sentence(sessionWord(slot));
    r.circuit = circuit;
    r.fields = {std::string(recordSessionName(slot)), lap, "41.123", "1.02.345", ""};
    return r;
}

// Monza (circuit 12) holds a Qualifying best of 1.23.777, a Practice time of
// 1.25.4 that SAVE would fill out, and no Race time.
const std::string kMonzaRecord =
    R"("","","","","","1.25.4","","","","p.set","1.23.777","41.500","1.02.500","21.277","q.set","","","","","")";

} // namespace

// A timed lap of each session, a plain hot lap and a file that is none are
// the Hot laps window's table's rows; these are the rest.
TEST_CASE("each kind of file") {
    const struct {
        const char* name;
        std::string bytes;
        HotlapState state;
        std::string session, lapAndTrack; // circuit, lap, splits and the track's own name
        std::string clean;                // as the Clean column says it
    } rows[] = {
        // clang-format off
        {"through the pits", hotlapFile(monza(0x44, 0x10000000)), HotlapState::NoTimes,
         "Qualifying: no lap time in this file", "12  41.123 1.02.345 ", "yes"},
        {"custom track", hotlapFile({.trackByte = 0x83, .trackName = "Fuji"}), HotlapState::Timed,
         "Practice", "1 1.23.456 41.123 1.02.345 Fuji", "yes"},
        {"edited Monza", hotlapFile({.trackByte = 0x8B, .trackName = "MONZA"}),
         HotlapState::Timed, "Practice", "1 1.23.456 41.123 1.02.345 MONZA", "yes"},
        {"splits through the pits", hotlapFile({.split1 = 0x10000000, .aidChanges = 1}),
         HotlapState::Timed, "Practice", "1 1.23.456  1.02.345 ", "through the pits, 1 aid change"},
        {"every reason", hotlapFile({.lapFlags = 0x3F, .aidChanges = 2, .slowMotion = 1}),
         HotlapState::Timed, "Practice", "1 1.23.456 41.123 1.02.345 ",
         "off track, through the pits, detail level changed, slow motion 0.01 s, 2 aid changes, "
         "F4 used, no slow-down before the lap"},
        {"old records", hotlapFile({.logVersion = 6, .lapFlags = 0x01}), HotlapState::NoTimes,
         "times not readable (saved before GP2Lap 1.14)", "1    ", "unknown"},
        {"no circuit", hotlapFile({.track = 20}), HotlapState::Unreadable,
         "The file names track number 20, which is no circuit.", "0    ", "unknown"},
        // clang-format on
    };
    for (const auto& row : rows) {
        INFO(std::string(row.name));
        WorkDir dir;
        REQUIRE(writeBytes("LAP.HL", row.bytes));
        const HotlapReading r = readHotlapAt(dir.path(), "LAP.HL");
        CHECK(r.state == row.state);
        CHECK(r.session == row.session);
        CHECK(std::to_string(r.circuit) + ' ' + r.fields.lap + ' ' + r.fields.split1 + ' ' +
                  r.fields.split2 + ' ' + r.trackName ==
              row.lapAndTrack);
        CHECK(cleanText(r.record) == row.clean);
    }
}

// A pipe, a folder and a link that leads nowhere are counted, never opened;
// a pipe named directly is refused at once.
TEST_CASE("what is no file") {
    WorkDir dir;
    const bool pipe = makePipe("PIPE.HL");
    const bool link = makeLink(dir.path("gone"), "DEAD.HL");
    REQUIRE(makeFolder("DIR.HLP"));
    REQUIRE(writeBytes("a.hl", hotlapFile(monza())));
    const Result<SavesFolder> folder = listSavesFolder(dir.path());
    REQUIRE(folder.ok());
    CHECK(folder->names == std::vector<std::string>{"a.hl"});
    CHECK(folder->notFiles == 1 + int(pipe) + int(link));
    if (pipe) {
        const HotlapReading read = readHotlapAt(dir.path(), "PIPE.HL");
        CHECK(read.state == HotlapState::Unreadable);
        CHECK(read.session.english().find("pipe") != std::string::npos);
    }
}

// The line for a new best; the fastest lap per session taken, with what
// else SAVE fills out said beforehand; a time changed since is left alone.
TEST_CASE("takes against the bests") {
    WorkDir work;
    REQUIRE(writeBytes("set1.dat", lapRecords({{12, kMonzaRecord}})));
    const TracksetBests bests = readTracksetBests(Trackset::Standard);
    const std::vector<HotlapReading> laps{timed(RecordSession::Qualifying, 12, "1.23.456"),
                                          timed(RecordSession::Qualifying, 12, "1.23.777"),
                                          timed(RecordSession::Race, 12, "1.31.000", 0x01)};
    CHECK(!newBestLine(laps[1], bests)); // the same time
    CHECK(newBestLine(laps[2], bests).value_or(Sentence()) ==
          "New hot lap at Monza, Race 1.31.000: the first time for this session, not clean: "
          "off track. Open Hot laps to take it.");

    const std::vector<PlannedTake> plan = planTakes(laps, {1, 0}, bests, true);
    REQUIRE(plan.size() == 1);
    CHECK(plan[0].lap.fields.lap == "1.23.456");
    CHECK(englishOf(takeLines(plan[0])) ==
          std::vector<std::string>{"Monza, Qualifying: 1.23.456 replaces 1.23.777",
                                   "and SAVE fills out Monza, Practice lap time: 1.25.4 "
                                   "becomes 1.25.400"});
    CHECK(takeHotlap(plan[0]).saved.ok());
    CHECK(readBytes("set1.dat") ==
          lapRecords({{12, R"("","","","","","1.25.400","","","","p.set","1.23.456",)"
                           R"("41.123","1.02.345","21.111","q.set","","","","","")"}}));
    const SavedTimes again = takeHotlap(plan[0]); // it holds 1.23.456 now, not 1.23.777
    REQUIRE(!again.saved.ok());
    // The same kind of refusal as SAVE's over a record changed since it was read.
    CHECK(again.saved.error().kind == ErrorKind::Changed);
    CHECK(again.saved.error().message.find("changed") != std::string::npos);
}
