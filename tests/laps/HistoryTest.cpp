// history.csv on real files (a cut-off append, odd things at its place, a
// read-only folder), the CSV dialect, SAVE with its history, and what a SAVE
// says of its times.
#include "laps/History.h"
#include "formats/Cp1252.h"
#include "formats/Csv.h"
#include "laps/SaveTimes.h"

#include "support/Files.h"

#include <doctest.h>

#include <cstdio>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace velomark;
using namespace velomark::test;

namespace {

const CircuitChoice kMonza{Trackset::Standard, 12, "Monza\nItaly"};

// A clock that stands still, at a moment and an offset from UTC.
class FixedClock : public Clock {
  public:
    FixedClock(std::int64_t at, int offset) : m_at(at), m_offset(offset) {}
    std::int64_t unixSeconds() const override { return m_at; }
    int utcOffsetSeconds(std::int64_t) const override { return m_offset; }

  private:
    std::int64_t m_at;
    int m_offset;
};

HistoryRow row(const char* when, RecordSession s, const char* lap, const char* setup = "") {
    return {when, Trackset::Standard, 12, "Monza - Italy", s, lap, "", "", "", setup};
}

CircuitRecord record(RecordSession s, std::initializer_list<const char*> fields) {
    CircuitRecord r{};
    size_t i = fieldIndex(s, RecordField::Lap);
    for (const char* f : fields)
        r[i++] = std::string(f);
    return r;
}

} // namespace

TEST_CASE("timestamps and CSV lines") {
    CHECK(isoTimestamp(1793650503, 3600) == "2026-11-02T21:15:03+01:00");
    CHECK(isoTimestamp(16200, -19800) == "1969-12-31T23:00:00-05:30");
    CHECK(parseIsoTimestamp("2026-11-02T21:15:03+01:00") == std::optional<int64_t>(1793650503));
    CHECK(parseIsoTimestamp("2026-11-02T20:15:03Z") == std::optional<int64_t>(1793650503));
    CHECK(parseIsoTimestamp(systemClock().isoNow()).has_value());
    for (const char* bad : {"2026-11-02 21:15:03+01:00", "2026-13-02T21:15:03Z",
                            "2026-11-02T21:15:03+0100", "2026-11-02T21:15:03"})
        CHECK_MESSAGE(!parseIsoTimestamp(bad), bad);

    CHECK(csvLine({"a, b", "say \"hi\"", "", "caf\xc3\xa9"}) ==
          "\"a, b\",\"say \"\"hi\"\"\",\"\",\"caf\xc3\xa9\"\r\n");
    CHECK(parseCsvLine("plain,\"quoted\",,") ==
          std::optional<std::vector<std::string>>({"plain", "quoted", "", ""}));
    for (const char* bad : {"\"cut off", "\"a\"b", "a\"b"})
        CHECK_MESSAGE(!parseCsvLine(bad), bad);
    // What a spreadsheet would run is written as text (the fuzz target reads it back).
    CHECK(csvLine({"=1+2", "@SUM(A1)", "+cmd|' /C calc'!A0", "-2", "\tx", "\r", "'=x", "'abc", "'",
                   "a=b"}) == "\"'=1+2\",\"'@SUM(A1)\",\"'+cmd|' /C calc'!A0\",\"'-2\","
                              "\"'\tx\",\"'\r\",\"''=x\",\"'abc\",\"'\",\"a=b\"\r\n");
    CHECK(cp1252ToUtf8("caf\xe9 \x80") == "caf\xc3\xa9 \xe2\x82\xac");
}

// Whatever a crash or a hand leaves in the file, reading skips it and the
// next append starts a whole row on a line of its own.
TEST_CASE("append and read on real files") {
    WorkDir dir;
    const std::vector<HistoryRow> first{
        row("2026-11-02T21:15:03+01:00", RecordSession::Practice, "1.30.288", "a, \"b\".set")};
    REQUIRE(appendHistory(first).ok());
    std::string bytes = readBytes("history.csv");
    CHECK(bytes == std::string(kHistoryHeader) + "\r\n" + historyLine(first[0]));

    // A setup name holding a line break (from a hand-edited file) keeps its row whole.
    const HistoryRow broken =
        row("2026-11-02T22:00:00+01:00", RecordSession::Qualifying, "1.29.000", "wet\r\n=dry");
    REQUIRE(appendHistory({broken}).ok());
    const auto both = readHistory();
    REQUIRE((both.ok() && both->rows.size() == 2));
    CHECK(both->rows[1].setup == broken.setup);
    const SessionChange replaced{RecordSession::Qualifying, "1.29.000", "1.28.000"};
    CHECK(previousDate(readBytes("history.csv"), kMonza, replaced) == "2026-11-02");
    bytes = readBytes("history.csv");

    // A second append cut off inside its row, then hand-edited lines.
    const std::string second =
        historyLine(row("2026-11-03T10:00:00+01:00", RecordSession::Race, "1.40.000"));
    REQUIRE(writeBytes("history.csv", bytes + "\"x\",\"Standard\"\r\n" + second.substr(0, 40)));
    auto read = readHistory();
    REQUIRE((read.ok() && read->rows.size() == 2 && !read->cut));
    CHECK(read->rows[0].setup == "a, \"b\".set");
    CHECK(read->rows[0].circuitName == "Monza - Italy");

    const HistoryRow third = row("2026-11-04T10:00:00+01:00", RecordSession::Race, "1.39.500");
    REQUIRE(appendHistory({third}).ok());
    bytes = readBytes("history.csv");
    CHECK(bytes.ends_with(second.substr(0, 40) + "\r\n" + historyLine(third)));
    read = readHistory();
    REQUIRE((read.ok() && read->rows.size() == 3));
    CHECK(read->rows[2].lap == "1.39.500");
    // Only the end of a long file is read: the row cut at the start of what
    // is read is skipped, the rows after it are whole.
    const auto tail = readHistory(kHistoryFileName, std::nullopt, realFileOps(),
                                  bytes.size() - bytes.find("\"2026-11-02T21") - 3);
    REQUIRE((tail.ok() && tail->cut && tail->rows.size() == 2));
    CHECK(tail->rows[1].lap == "1.39.500");
}

// Lines ended by LF or CR alone read alike, the last line too; read back in
// small chunks, the rows come newest first, the one whose setup holds
// a line break too; an append after a last CR starts a row of its own.
TEST_CASE("any line ends, and the history read back in chunks") {
    WorkDir dir;
    const HistoryRow first =
        row("2026-11-02T21:15:03+01:00", RecordSession::Practice, "1.30.288", "a, \"b\".set");
    const HistoryRow broken =
        row("2026-11-02T22:00:00+01:00", RecordSession::Qualifying, "1.29.000", "wet\r\n=dry");
    const HistoryRow cutOff = row("2026-11-03T10:00:00+01:00", RecordSession::Race, "1.40.000");
    const HistoryRow third = row("2026-11-04T10:00:00+01:00", RecordSession::Race, "1.39.500");
    const std::string bytes = std::string(kHistoryHeader) + "\r\n" + historyLine(first) +
                              historyLine(broken) + "\"x\",\"Standard\"\r\n" +
                              historyLine(cutOff).substr(0, 40) + "\r\n" + historyLine(third);
    const HistoryRow fourth = row("2026-11-05T10:00:00+01:00", RecordSession::Race, "1.39.000");
    for (const char* end : {"\r", "\n", "\r\n"}) {
        INFO((std::string(*end == '\r' ? "CR" : "LF") + (end[1] ? " LF" : "")));
        const std::string edited = withLineBreaks(bytes, end);
        REQUIRE(writeBytes("edited.csv", edited));
        const SessionChange faster{RecordSession::Race, "1.39.500", "1.39.000"};
        CHECK(previousDate(edited, kMonza, faster) == "2026-11-04");
        std::vector<std::string> forward;
        for (const HistoryRow& r : parseHistory(edited))
            forward.insert(forward.begin(), r.when + r.setup);
        REQUIRE(forward.size() == 3);
        std::vector<std::string> back; // in chunks of 7 bytes, cut anywhere
        const auto take = [&back](const HistoryRow& r) {
            return back.push_back(r.when + r.setup), true;
        };
        REQUIRE(readHistoryBackwards("edited.csv", {Trackset::Standard, 12}, take, realFileOps(), 7)
                    .ok());
        CHECK(back == forward);
        REQUIRE(appendHistory({fourth}, "edited.csv").ok());
        const auto read = readHistory("edited.csv");
        REQUIRE((read.ok() && read->rows.size() == 4));
        CHECK((read->rows[0].setup == "a, \"b\".set" &&
               read->rows[1].setup == withLineBreaks(broken.setup, end)));
        CHECK((read->rows[2].lap == "1.39.500" && read->rows[3].lap == "1.39.000"));
    }
}

// Not a regular file, or a link to nowhere: refused at once, never waited on.
TEST_CASE("odd things at the history's place") {
    WorkDir dir;
    const HistoryRow third = row("2026-11-04T10:00:00+01:00", RecordSession::Race, "1.39.500");
    REQUIRE(makeFolder("history.csv"));
    CHECK(readHistory().error().kind == ErrorKind::NotRegular);
    CHECK(appendHistory({third}).error().kind == ErrorKind::NotRegular);
    if (makePipe("pipe.csv")) {
        CHECK(readHistory("pipe.csv").error().kind == ErrorKind::NotRegular);
        CHECK(appendHistory({third}, "pipe.csv").error().kind == ErrorKind::NotRegular);
    } else {
        MESSAGE("skipped the named pipe: a Windows folder cannot hold one");
    }
    if (makeLink("out/gone.csv", "gone.csv")) {
        CHECK(!appendHistory({third}, "gone.csv").ok());
        CHECK(entryAt("out") == Entry::None);
    } else {
        MESSAGE("skipped the link to nowhere: Wine makes no reparse point");
    }
    CHECK(readHistory("absent.csv").ok());
#ifndef _WIN32
    // Root writes anywhere: run as root, the append is tried as nobody.
    const bool root = ::geteuid() == 0;
    REQUIRE((makeFolder("ro") && ::chmod("ro", 0555) == 0 && ::chmod(".", 0755) == 0));
    REQUIRE((!root || (::setegid(65534) == 0 && ::seteuid(65534) == 0)));
    const Status readOnly = appendHistory({third}, "ro/history.csv");
    REQUIRE((!root || (::seteuid(0) == 0 && ::setegid(0) == 0)));
    ::chmod("ro", 0700);
    CHECK((!readOnly.ok() && readOnly.error().message.find("ro/history.csv") != std::string::npos));
    CHECK(entryAt("ro/history.csv") == Entry::None);
#endif
}

// A SAVE killed at each point between its writes: the next start leaves the
// history holding exactly one row per stored change, and no scratch file.
TEST_CASE("a save stopped by a crash") {
    WorkDir dir;
    const CircuitRecord before = record(RecordSession::Practice, {"1.30.288"});
    const CircuitRecord after = record(RecordSession::Practice, {"1.29.876"});
    const std::string when = "2026-11-02T21:15:03+01:00";
    const std::string row =
        historyLine(historyRows(kMonza, after, changedLapTimes(before, after), when)[0]);
    const std::string oldFile =
        rewriteLapRecordFile(blankLapRecordFile(), "set1.dat", "12", before).value();
    const std::string newFile =
        rewriteLapRecordFile(blankLapRecordFile(), "set1.dat", "12", after).value();
    const std::string header = std::string(kHistoryHeader) + "\r\n";
    struct Stop {
        const char* name;
        const std::string& record;
        std::string history;
        std::string expected;
    };
    for (const Stop& stop : {Stop{"before the record was replaced", oldFile, header, header},
                             Stop{"before the rows were added", newFile, header, header + row},
                             Stop{"before the note went", newFile, header + row, header + row},
                             Stop{"in the middle of the rows", newFile, header + row.substr(0, 30),
                                  header + row.substr(0, 30) + "\r\n" + row}}) {
        INFO(std::string(stop.name));
        REQUIRE((writeBytes("set1.dat", stop.record) && writeBytes("history.csv", stop.history) &&
                 writeBytes(kPendingHistoryName, row) && writeBytes("temp.dat", "\"half") &&
                 writeBytes("history.pending.new", row.substr(0, 9))));
        CHECK(tidyAfterStoppedSave().ok());
        CHECK(readBytes("history.csv") == stop.expected);
        CHECK(entries(dir.path()) == std::vector<std::string>{"history.csv", "set1.dat"});
    }

    // A whole SAVE leaves no note behind and reads the record file once, so
    // what it checked is what it rewrites; a failed one adds no row.
    REQUIRE((writeBytes("set1.dat", oldFile) && writeBytes("history.csv", header)));
    const FixedClock clock(1793650503, 3600); // 2026-11-02T21:15:03+01:00
    struct CountingOps : FileOps {
        int recordReads = 0;
        Result<std::string> readAll(const std::string& path) override {
            recordReads += path.ends_with("set1.dat");
            return FileOps::readAll(path);
        }
    } counting;
    SavedTimes saved = saveTimes(kMonza, before, after, clock, std::string(), counting);
    REQUIRE((saved.saved.ok() && saved.history.ok()));
    CHECK(counting.recordReads == 1);
    // A SAVE over what it read before that one finds the record stored since,
    // and hands it back from the same read.
    const SavedTimes stale = saveTimes(kMonza, before, after, clock);
    CHECK((!stale.saved.ok() && stale.saved.error().kind == ErrorKind::Changed &&
           stale.storedNow == saved.record));
    CHECK(timeSheetOf(saved.record).practice.lap == "1.29.876");
    CHECK(readBytes("set1.dat") ==
          rewriteLapRecordFile(blankLapRecordFile(), "set1.dat", "12", saved.record).value());
    CHECK(readBytes("history.csv") == header + row);
    CHECK(entries(dir.path()) == std::vector<std::string>{"history.csv", "set1.dat"});
    const CircuitRecord stored = saved.record;
    REQUIRE(makeReadOnly("set1.dat"));
    saved = saveTimes(kMonza, stored, before, clock);
    CHECK((!saved.saved.ok() && saved.saved.error().kind == ErrorKind::ReadOnly));
    CHECK(readBytes("history.csv") == header + row);
    CHECK(entries(dir.path()) == std::vector<std::string>{"history.csv", "set1.dat"});
    makeReadOnly("set1.dat", false);
    // A note that cannot be written stops nothing: the record and its row are stored.
    REQUIRE(makeFolder("history.pending.new"));
    saved = saveTimes(kMonza, stored, before, clock);
    CHECK((saved.saved.ok() && saved.history.ok() && readHistory()->rows.size() == 2));
}

TEST_CASE("what a save says") {
    const struct {
        const char* name;
        std::string before, after, said;
    } rows[] = {
        {"faster, dated by the newest row of that time", "1.30.288", "1.29.876",
         "Practice: 1.29.876, 0.412 s faster than 1.30.288 of 2026-11-02"},
        {"slower, seconds form against minutes", "1.30.288", "90.5",
         "Practice: 90.5, 0.212 s slower than 1.30.288 of 2026-11-02, stored as you asked"},
        {"same time, other text, never in the history", "89.876", "1.29.876",
         "Practice: 1.29.876, the same time as 89.876"},
        {"first", "", "1.29.876", "Practice: 1.29.876, the first time stored for this session"},
        {"not a time", "1.30.288", "1.29.8x",
         "Practice: 1.29.8x, which cannot be compared as a time with 1.30.288 of 2026-11-02"}};
    std::string history;
    for (const HistoryRow& r :
         {row("2026-10-01T09:00:00+01:00", RecordSession::Practice, "1.30.288"),
          row("2026-11-02T21:15:03+01:00", RecordSession::Practice, "1.30.288"),
          row("2026-11-05T21:15:03+01:00", RecordSession::Qualifying, "1.30.288"),
          HistoryRow{"2026-11-06T21:15:03+01:00", Trackset::TrackPack, 12, "",
                     RecordSession::Practice, "1.30.288", "", "", "", ""}})
        history += historyLine(r);
    history += historyLine(row("2026-11-07T21:15:03+01:00", RecordSession::Practice, "1.30.288"))
                   .substr(0, 60); // cut off: not read
    for (const auto& r : rows) {
        INFO(std::string(r.name));
        const auto changes = changedLapTimes(record(RecordSession::Practice, {r.before.c_str()}),
                                             record(RecordSession::Practice, {r.after.c_str()}));
        REQUIRE(changes.size() == 1);
        CHECK(improvementText(changes[0], previousDate(history, kMonza, changes[0])) == r.said);
    }
}

TEST_CASE("changed sessions and split warnings") {
    CircuitRecord before = record(RecordSession::Practice, {"1.30.000", "29.000"});
    before[0] = std::string("1.31.000");
    before[fieldIndex(RecordSession::Race, RecordField::Lap)] = std::string("1.40.000");
    CircuitRecord after = record(RecordSession::Practice, {"1.30.000", "29.500"});
    after[fieldIndex(RecordSession::Qualifying, RecordField::Lap)] = std::string("1.29.000");
    after[fieldIndex(RecordSession::Qualifying, RecordField::Setup)] = std::string("caf\xe9");
    // QuickRace and Race were cleared, Practice kept its lap: only Qualifying is a new time.
    const auto changes = changedLapTimes(before, after);
    REQUIRE(changes.size() == 1);
    const auto rows = historyRows(kMonza, after, changes, "2026-11-02T21:15:03+01:00");
    CHECK(historyLine(rows[0]) ==
          "\"2026-11-02T21:15:03+01:00\",\"Standard\",\"12\",\"Monza - Italy\","
          "\"Qualifying\",\"1.29.000\",\"\",\"\",\"\",\"caf\xc3\xa9\"\r\n");

    CircuitRecord splits = record(RecordSession::Practice, {"1.30.000", "29.000", "28.000"});
    const auto q = fieldIndex(RecordSession::Qualifying, RecordField::Lap);
    splits[q] = std::string("1.30.000");
    splits[q + 1] = std::string("29.000");
    splits[q + 2] = std::string("1.31.000");
    CHECK(englishOf(splitWarnings(splits)) ==
          std::vector<std::string>{
              "Check the Practice times: its 1st split is not below its +2nd split",
              "Check the Qualifying times: its +2nd split is not below its lap time"});
    splits[q + 2] = std::string("1.0x.000"); // not a time: nothing to check
    splits[fieldIndex(RecordSession::Practice, RecordField::Split2)] = std::string("1.01.000");
    CHECK(splitWarnings(splits).empty());
}

// The player's changes over a Qualifying lap taken elsewhere: a split typed
// against that lap clashes with it, so a lap is never stored with the splits
// of another; the same lap typed on both sides, or a time only filled out
// (1.02 as 1.02.000), is no clash.
TEST_CASE("the player's changes over times stored elsewhere") {
    const auto q = [](RecordField f) { return fieldIndex(RecordSession::Qualifying, f); };
    const CircuitRecord held =
        record(RecordSession::Qualifying, {"1.30.000", "29.000", "1.02.000"});
    const CircuitRecord stored =
        record(RecordSession::Qualifying, {"1.20.000", "27.5", "55.000", "25"});
    CircuitRecord typed = held;
    typed[q(RecordField::Split2)] = std::string("1.02");
    typed[q(RecordField::Split1)] = std::string("28.9");
    MergedEdits met = mergeEdits(held, stored, typed);
    CHECK((englishOf(met.clashes) == std::vector<std::string>{"Qualifying times"} &&
           met.merged == stored));
    CHECK(fieldChangeText(met.theirs[3]) == "Qualifying 3rd split: set to 25.000");
    for (RecordField f : {RecordField::Lap, RecordField::Split1, RecordField::Split2})
        typed[q(f)] = stored[q(f)];
    typed[q(RecordField::Split3)] = std::string("25.000");
    met = mergeEdits(held, stored, typed);
    CHECK((met.clashes.empty() && met.merged == stored));
}
