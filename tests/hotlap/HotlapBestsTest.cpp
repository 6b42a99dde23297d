// The saves folder read as a whole: what each kind of file becomes, hot laps
// against the stored bests, which laps a take writes and what it says first.
#include "hotlap/HotlapBests.h"

#include "HotlapFixture.h"
#include "support/TestFiles.h"

#include <QtTest>

#include <sys/stat.h>

using namespace velomark;
using namespace velomark::test;

namespace {

// A Monza qualifying lap of 1.23.456, splits 41.123 and 1.02.345.
FixtureLap monza(uint8_t session = 0x44, uint32_t lapTime = 83456) {
    return {.track = 11, .compressed = true, .session = session, .lapTime = lapTime};
}

HotlapReading timed(RecordSession slot, int circuit, const char* lap) {
    HotlapReading r;
    r.state = HotlapState::Timed;
    r.slot = slot;
    r.session = recordSessionName(slot);
    r.circuit = circuit;
    r.fields = {r.session, lap, "41.123", "1.02.345", ""};
    return r;
}

// Monza (circuit 12) holds a Qualifying best of 1.23.777, a Practice time of
// 1.25.4 that SAVE would fill out, and no Race time.
const std::string kMonzaRecord =
    R"("","","","","","1.25.4","","","","p.set","1.23.777","41.500","1.02.500","21.277","q.set","","","","","")";

} // namespace

class HotlapBestsTest : public QObject {
    Q_OBJECT
  private slots:
    void eachKindOfFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("session");
        QTest::addColumn<QString>("lapAndTrack");
        auto file = [](const FixtureLap& lap) {
            return QByteArray::fromStdString(hotlapFile(lap));
        };
        const auto timedState = static_cast<int>(HotlapState::Timed);
        const auto noTimes = static_cast<int>(HotlapState::NoTimes);
        const auto notKept = static_cast<int>(HotlapState::NotKept);
        const auto unreadable = static_cast<int>(HotlapState::Unreadable);
        addRow("qualifying", file(monza()), timedState, QStringLiteral("Qualifying"),
               QStringLiteral("12 1.23.456 41.123 1.02.345 "));
        addRow("race", file({.session = 0x80, .lapTime = 95321}), timedState,
               QStringLiteral("Race"), QStringLiteral("1 1.35.321 41.123 1.02.345 "));
        addRow("warm-up", file(monza(0x02)), notKept, QStringLiteral("Warm-up (never taken)"),
               QStringLiteral("12 1.23.456 41.123 1.02.345 "));
        addRow("plain", file({.track = 4, .extension = false}), noTimes,
               QStringLiteral("times not in this file"), QStringLiteral("5    "));
        addRow("through the pits", file(monza(0x44, 0x10000000)), noTimes,
               QStringLiteral("Qualifying: no lap time in this file"),
               QStringLiteral("12  41.123 1.02.345 "));
        addRow("custom track", file({.trackByte = 0x83, .trackName = "Fuji"}), timedState,
               QStringLiteral("Practice"), QStringLiteral("1 1.23.456 41.123 1.02.345 Fuji"));
        addRow("custom Monza", file({.trackByte = 0x8B, .trackName = "MONZA"}), timedState,
               QStringLiteral("Practice"), QStringLiteral("1 1.23.456 41.123 1.02.345 "));
        addRow("empty", QByteArray(), unreadable, QStringLiteral("The file is not a GP2 file."),
               QStringLiteral("0    "));
        addRow("truncated", file(monza()).left(20), unreadable,
               QStringLiteral("The file is cut short: it ends inside its header."),
               QStringLiteral("0    "));
        addRow("no circuit", file({.track = 20}), unreadable,
               QStringLiteral("The file names track number 20, which is no circuit."),
               QStringLiteral("0    "));
        QByteArray huge = file(monza());
        huge.resize(4 * 1024 * 1024 + 1);
        addRow("oversized", huge, unreadable,
               QStringLiteral("The file is too large for a hot lap (over 4 MB)."),
               QStringLiteral("0    "));
    }

    void eachKindOfFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, state);
        QFETCH(QString, session);
        QFETCH(QString, lapAndTrack);
        QTemporaryDir dir;
        QVERIFY(writeBytes(dir.filePath(QStringLiteral("LAP.HL")), bytes.toStdString()));
        const HotlapReading r = readHotlapAt(dir.path().toStdString(), "LAP.HL");
        QCOMPARE(static_cast<int>(r.state), state);
        QCOMPARE(QString::fromStdString(r.session), session);
        QCOMPARE(
            QStringLiteral("%1 %2 %3 %4 %5")
                .arg(r.circuit)
                .arg(QString::fromStdString(r.fields.lap), QString::fromStdString(r.fields.split1),
                     QString::fromStdString(r.fields.split2), QString::fromStdString(r.trackName)),
            lapAndTrack);
    }

    // A pipe, a folder and a link that leads nowhere are counted, never opened;
    // a pipe named directly is refused at once.
    void whatIsNoFile() {
        QTemporaryDir dir;
        const std::string saves = dir.path().toStdString();
        QVERIFY(::mkfifo((saves + "/PIPE.HL").c_str(), 0600) == 0);
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("DIR.HLP")));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone")),
                            dir.filePath(QStringLiteral("DEAD.HL"))));
        QVERIFY(writeBytes(dir.filePath(QStringLiteral("a.hl")), hotlapFile(monza())));
        const Result<SavesFolder> folder = listSavesFolder(saves);
        QVERIFY(folder);
        QCOMPARE(folder->names, std::vector<std::string>{"a.hl"});
        QCOMPARE(folder->notFiles, 3);
        const HotlapReading pipe = readHotlapAt(saves, "PIPE.HL");
        QVERIFY(pipe.state == HotlapState::Unreadable &&
                QString::fromStdString(pipe.session).contains(QStringLiteral("pipe")));
    }

    // The line for a new best; the fastest lap per session taken, with what
    // else SAVE fills out said beforehand; a time changed since is left alone.
    void takesAgainstTheBests() {
        ScopedWorkDir work;
        QVERIFY(writeBytes(QStringLiteral("set1.dat"), lapRecords({{12, kMonzaRecord}})));
        const TracksetBests bests = readTracksetBests(Trackset::Standard);
        const std::vector<HotlapReading> laps{timed(RecordSession::Qualifying, 12, "1.23.456"),
                                              timed(RecordSession::Qualifying, 12, "1.23.777"),
                                              timed(RecordSession::Race, 12, "1.31.000")};
        QCOMPARE(newBestLine(laps[0], bests).value_or("none"),
                 "New hot lap at Monza, Qualifying 1.23.456: 0.321 s faster than your best. "
                 "Open Hot laps to take it.");
        QVERIFY(!newBestLine(laps[1], bests)); // the same time
        QCOMPARE(newBestLine(laps[2], bests).value_or("none"),
                 "New hot lap at Monza, Race 1.31.000: the first time for this session. "
                 "Open Hot laps to take it.");

        const std::vector<PlannedTake> plan = planTakes(laps, {1, 0}, bests, true);
        QVERIFY(plan.size() == 1 && plan[0].lap.fields.lap == "1.23.456");
        QCOMPARE(takeLines(plan[0]),
                 (std::vector<std::string>{"Monza, Qualifying: 1.23.456 replaces 1.23.777",
                                           "and SAVE fills out Monza, Practice lap time: 1.25.4 "
                                           "becomes 1.25.400"}));
        QVERIFY(takeHotlap(plan[0]).saved);
        QCOMPARE(readBytes(QStringLiteral("set1.dat")),
                 lapRecords({{12, R"("","","","","","1.25.400","","","","p.set","1.23.456",)"
                                  R"("41.123","1.02.345","21.111","q.set","","","","","")"}}));
        const SavedTimes again = takeHotlap(plan[0]); // it holds 1.23.456 now, not 1.23.777
        QVERIFY(!again.saved && again.saved.error().message.find("changed") != std::string::npos);
    }
};

QTEST_APPLESS_MAIN(HotlapBestsTest)
#include "HotlapBestsTest.moc"
