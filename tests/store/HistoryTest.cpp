// history.csv on real files (a cut-off append, odd things at its place, a
// read-only folder), the CSV dialect, SAVE with its history, and what a SAVE
// says of its times.
#include "store/History.h"
#include "store/Cp1252.h"
#include "store/Csv.h"
#include "store/SaveTimes.h"

#include "support/TestFiles.h"

#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace velomark;
using namespace velomark::test;

Q_DECLARE_METATYPE(std::string)

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

class HistoryTest : public QObject {
    Q_OBJECT
  private slots:
    void timestampsAndCsvLines() {
        QCOMPARE(isoTimestamp(1793650503, 3600), std::string("2026-11-02T21:15:03+01:00"));
        QCOMPARE(isoTimestamp(16200, -19800), std::string("1969-12-31T23:00:00-05:30"));
        QCOMPARE(parseIsoTimestamp("2026-11-02T21:15:03+01:00"),
                 std::optional<int64_t>(1793650503));
        QCOMPARE(parseIsoTimestamp("2026-11-02T20:15:03Z"), std::optional<int64_t>(1793650503));
        QCOMPARE(parseIsoTimestamp(systemClock().isoNow()).has_value(), true);
        for (const char* bad : {"2026-11-02 21:15:03+01:00", "2026-13-02T21:15:03Z",
                                "2026-11-02T21:15:03+0100", "2026-11-02T21:15:03"})
            QVERIFY2(!parseIsoTimestamp(bad), bad);

        const std::vector<std::string> fields{"a, b", "say \"hi\"", "", "caf\xc3\xa9"};
        const std::string line = csvLine(fields);
        QCOMPARE(line, std::string("\"a, b\",\"say \"\"hi\"\"\",\"\",\"caf\xc3\xa9\"\r\n"));
        QCOMPARE(parseCsvLine(std::string_view(line).substr(0, line.size() - 2)), fields);
        QCOMPARE(parseCsvLine("plain,\"quoted\",,"),
                 (std::optional<std::vector<std::string>>({"plain", "quoted", "", ""})));
        for (const char* bad : {"\"cut off", "\"a\"b", "a\"b"})
            QVERIFY2(!parseCsvLine(bad), bad);
        // What a spreadsheet would run is written as text, and read back as it was.
        const std::vector<std::string> formulas{
            "=1+2", "@SUM(A1)", "+cmd|' /C calc'!A0", "-2", "\tx", "\r", "'=x", "'abc", "'", "a=b"};
        const std::string guarded = csvLine(formulas);
        QCOMPARE(guarded, std::string("\"'=1+2\",\"'@SUM(A1)\",\"'+cmd|' /C calc'!A0\",\"'-2\","
                                      "\"'\tx\",\"'\r\",\"''=x\",\"'abc\",\"'\",\"a=b\"\r\n"));
        QCOMPARE(parseCsvLine(std::string_view(guarded).substr(0, guarded.size() - 2)), formulas);
        QCOMPARE(cp1252ToUtf8("caf\xe9 \x80"), std::string("caf\xc3\xa9 \xe2\x82\xac"));
    }

    // Whatever a crash or a hand leaves in the file, reading skips it and the
    // next append starts a whole row on a line of its own.
    void appendAndReadOnRealFiles() {
        ScopedWorkDir dir;
        const std::vector<HistoryRow> first{
            row("2026-11-02T21:15:03+01:00", RecordSession::Practice, "1.30.288", "a, \"b\".set")};
        QVERIFY(appendHistory(first).ok());
        std::string bytes = readBytes(QStringLiteral("history.csv"));
        QCOMPARE(bytes, std::string(kHistoryHeader) + "\r\n" + historyLine(first[0]));

        // A setup name holding a line break (from a hand-edited file) keeps its row whole.
        const HistoryRow broken =
            row("2026-11-02T22:00:00+01:00", RecordSession::Qualifying, "1.29.000", "wet\r\n=dry");
        QVERIFY(appendHistory({broken}).ok());
        const auto both = readHistory();
        QVERIFY(both.ok() && both->rows.size() == 2 && both->rows[1].setup == broken.setup);
        const SessionChange replaced{RecordSession::Qualifying, "1.29.000", "1.28.000"};
        QCOMPARE(previousDate(readBytes(QStringLiteral("history.csv")), kMonza, replaced),
                 std::string("2026-11-02"));
        bytes = readBytes(QStringLiteral("history.csv"));

        // A second append cut off inside its row, then hand-edited lines.
        const std::string second =
            historyLine(row("2026-11-03T10:00:00+01:00", RecordSession::Race, "1.40.000"));
        QVERIFY(writeBytes(QStringLiteral("history.csv"),
                           bytes + "\"x\",\"Standard\"\r\n" + second.substr(0, 40)));
        auto read = readHistory();
        QVERIFY(read.ok() && read->rows.size() == 2 && !read->cut);
        QCOMPARE(read->rows[0].setup, std::string("a, \"b\".set"));
        QCOMPARE(read->rows[0].circuitName, std::string("Monza - Italy"));

        const HistoryRow third = row("2026-11-04T10:00:00+01:00", RecordSession::Race, "1.39.500");
        QVERIFY(appendHistory({third}).ok());
        bytes = readBytes(QStringLiteral("history.csv"));
        QVERIFY(bytes.ends_with(second.substr(0, 40) + "\r\n" + historyLine(third)));
        read = readHistory();
        QVERIFY(read.ok() && read->rows.size() == 3 && read->rows[2].lap == "1.39.500");
        // Only the end of a long file is read: the row cut at the start of
        // what is read is skipped, the rows after it are whole.
        const auto tail = readHistory(kHistoryFileName, std::nullopt, realFileOps(),
                                      bytes.size() - bytes.find("\"2026-11-02T21") - 3);
        QVERIFY(tail.ok() && tail->cut && tail->rows.size() == 2);
        QCOMPARE(tail->rows[1].lap, std::string("1.39.500"));

        // Not a regular file, or a link to nowhere: refused at once, never waited on.
        QVERIFY(::unlink("history.csv") == 0 && ::mkfifo("history.csv", 0600) == 0);
        QCOMPARE(readHistory().error().kind, ErrorKind::NotRegular);
        QCOMPARE(appendHistory({third}).error().kind, ErrorKind::NotRegular);
        QVERIFY(::unlink("history.csv") == 0 && ::symlink("out/gone.csv", "history.csv") == 0);
        QVERIFY(!appendHistory({third}).ok() && !QFile::exists(QStringLiteral("out")));
        QVERIFY(::unlink("history.csv") == 0 && QDir().mkdir(QStringLiteral("ro")) &&
                ::chmod("ro", 0500) == 0);
        const Status readOnly = appendHistory({third}, "ro/history.csv");
        ::chmod("ro", 0700);
        if (::geteuid() != 0) // root writes anywhere
            QVERIFY(!readOnly.ok() &&
                    readOnly.error().message.find("ro/history.csv") != std::string::npos);
        QVERIFY(readHistory("absent.csv").ok());
    }

    // A SAVE killed at each point between its writes: the next look at the
    // folder leaves the history holding exactly one row per stored change.
    void aSaveStoppedByACrash() {
        ScopedWorkDir dir;
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
        for (const Stop& stop :
             {Stop{"before the record was replaced", oldFile, header, header},
              Stop{"before the rows were added", newFile, header, header + row},
              Stop{"before the note went", newFile, header + row, header + row},
              Stop{"in the middle of the rows", newFile, header + row.substr(0, 30),
                   header + row.substr(0, 30) + "\r\n" + row}}) {
            QVERIFY(writeBytes(QStringLiteral("set1.dat"), stop.record) &&
                    writeBytes(QStringLiteral("history.csv"), stop.history) &&
                    writeBytes(QString::fromLatin1(kPendingHistoryName), row));
            QVERIFY2(completePendingHistory().ok(), stop.name);
            QCOMPARE(readBytes(QStringLiteral("history.csv")), stop.expected);
            QVERIFY(!QFile::exists(QString::fromLatin1(kPendingHistoryName)));
        }

        // A whole SAVE leaves no note behind; a failed one adds no row.
        QVERIFY(writeBytes(QStringLiteral("set1.dat"), oldFile) &&
                writeBytes(QStringLiteral("history.csv"), header));
        const FixedClock clock(1793650503, 3600); // 2026-11-02T21:15:03+01:00
        SavedTimes saved = saveTimes(kMonza, before, after, clock);
        QVERIFY(saved.saved.ok() && saved.history.ok());
        QCOMPARE(timeSheetOf(saved.record).practice.lap, std::string("1.29.876"));
        QVERIFY(readBytes(QStringLiteral("set1.dat")) ==
                    rewriteLapRecordFile(blankLapRecordFile(), "set1.dat", "12", saved.record)
                        .value() &&
                readBytes(QStringLiteral("history.csv")) == header + row &&
                QDir().entryList(QDir::Files).size() == 2);
        QVERIFY(::chmod("set1.dat", 0444) == 0);
        saved = saveTimes(kMonza, after, before, clock);
        QVERIFY(!saved.saved.ok() && readBytes(QStringLiteral("history.csv")) == header + row);
        QCOMPARE(QDir().entryList(QDir::Files).size(), 2);
    }

    void whatASaveSays_data() {
        QTest::addColumn<std::string>("before");
        QTest::addColumn<std::string>("after");
        QTest::addColumn<std::string>("said");
        QTest::newRow("faster, dated by the newest row of that time")
            << std::string("1.30.288") << std::string("1.29.876")
            << std::string("Practice: 1.29.876, 0.412 s faster than 1.30.288 of 2026-11-02");
        QTest::newRow("slower, seconds form against minutes")
            << std::string("1.30.288") << std::string("90.5")
            << std::string("Practice: 90.5, 0.212 s slower than 1.30.288 of 2026-11-02, stored as "
                           "you asked");
        QTest::newRow("same time, other text, never in the history")
            << std::string("89.876") << std::string("1.29.876")
            << std::string("Practice: 1.29.876, the same time as 89.876");
        QTest::newRow("first") << std::string() << std::string("1.29.876")
                               << std::string("Practice: 1.29.876, the first time stored for this "
                                              "session");
        QTest::newRow("not a time")
            << std::string("1.30.288") << std::string("1.29.8x")
            << std::string("Practice: 1.29.8x, which cannot be compared as a time with 1.30.288 "
                           "of 2026-11-02");
    }
    void whatASaveSays() {
        QFETCH(std::string, before);
        QFETCH(std::string, after);
        QFETCH(std::string, said);
        std::string history;
        for (const HistoryRow& r :
             {row("2026-10-01T09:00:00+01:00", RecordSession::Practice, "1.30.288"),
              row("2026-11-02T21:15:03+01:00", RecordSession::Practice, "1.30.288"),
              row("2026-11-05T21:15:03+01:00", RecordSession::Qualifying, "1.30.288"),
              HistoryRow{"2026-11-06T21:15:03+01:00", Trackset::TrackPack, 12, "",
                         RecordSession::Practice, "1.30.288", "", "", "", ""}})
            history += historyLine(r);
        history +=
            historyLine(row("2026-11-07T21:15:03+01:00", RecordSession::Practice, "1.30.288"))
                .substr(0, 60); // cut off: not read
        const auto changes = changedLapTimes(record(RecordSession::Practice, {before.c_str()}),
                                             record(RecordSession::Practice, {after.c_str()}));
        QCOMPARE(changes.size(), size_t(1));
        QCOMPARE(improvementText(changes[0], previousDate(history, kMonza, changes[0])), said);
    }

    void changedSessionsAndSplitWarnings() {
        CircuitRecord before = record(RecordSession::Practice, {"1.30.000", "29.000"});
        before[0] = std::string("1.31.000");
        before[fieldIndex(RecordSession::Race, RecordField::Lap)] = std::string("1.40.000");
        CircuitRecord after = record(RecordSession::Practice, {"1.30.000", "29.500"});
        after[fieldIndex(RecordSession::Qualifying, RecordField::Lap)] = std::string("1.29.000");
        after[fieldIndex(RecordSession::Qualifying, RecordField::Setup)] = std::string("caf\xe9");
        // QuickRace and Race were cleared, Practice kept its lap: only Qualifying is a new time.
        const auto changes = changedLapTimes(before, after);
        QCOMPARE(changes.size(), size_t(1));
        const auto rows = historyRows(kMonza, after, changes, "2026-11-02T21:15:03+01:00");
        QCOMPARE(historyLine(rows[0]),
                 std::string("\"2026-11-02T21:15:03+01:00\",\"Standard\",\"12\",\"Monza - Italy\","
                             "\"Qualifying\",\"1.29.000\",\"\",\"\",\"\",\"caf\xc3\xa9\"\r\n"));

        CircuitRecord splits = record(RecordSession::Practice, {"1.30.000", "29.000", "28.000"});
        const auto q = fieldIndex(RecordSession::Qualifying, RecordField::Lap);
        splits[q] = std::string("1.30.000");
        splits[q + 1] = std::string("29.000");
        splits[q + 2] = std::string("1.31.000");
        QCOMPARE(splitWarnings(splits),
                 (std::vector<std::string>{
                     "Check the Practice times: its 1st split is not below its +2nd split",
                     "Check the Qualifying times: its +2nd split is not below its lap time"}));
        splits[q + 2] = std::string("1.0x.000"); // not a time: nothing to check
        splits[fieldIndex(RecordSession::Practice, RecordField::Split2)] = std::string("1.01.000");
        QVERIFY(splitWarnings(splits).empty());
    }
};

QTEST_APPLESS_MAIN(HistoryTest)
#include "HistoryTest.moc"
