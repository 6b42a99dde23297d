// hof2lap: the decompressor's output limit, the dump of fixture files made by an
// independent encoder (checked through the import's own scanner), refusals, and the
// built tool end to end.
#include "HotlapFile.h"
#include "HotlapFixture.h"
#include "hotlap/DumpScanner.h"
#include "support/TestFiles.h"

#include <QProcess>
#include <QtTest>

using namespace velomark;
using namespace velomark::hotlap;
using namespace std::string_literals;
using test::FixtureLap;

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(velomark::test::FixtureLap)

namespace {
const std::string kPractice = " Hot lap for Interlagos\r\n  Session: Unlimited practice\r\n"
                              "  Lap time 1:23.456\r\n  split 1 0:41.123\r\n  split 2 1:02.345\r\n";
const std::string kTail = "  Lap 3, car 12\r\n  Saved 1998-05-17 14:03:22 with GP2Lap 1.15\r\n";
} // namespace

class Hof2lapTest : public QObject {
    Q_OBJECT
  private slots:
    void decompressor() {
        QVERIFY(!decompress(test::lzCompress(std::string(1000, 'x')), 999));
        QVERIFY(decompress(test::lzCompress(std::string(1000, 'x')), 1000));
    }

    void dump_data() {
        QTest::addColumn<FixtureLap>("lap");
        QTest::addColumn<std::string>("dump");
        QTest::addColumn<std::string>("fields"); // as the import shows them
        using test::FixtureSum;
        // clang-format off
        QTest::newRow("compressed")
            << FixtureLap{.compressed = true, .sum = FixtureSum::OverExpanded, .replaySize = 30000}
            << kPractice + kTail << "Practice|1.23.456|41.123|1.02.345|Interlagos"s;
        QTest::newRow("custom track, bad checksum")
            << FixtureLap{.sum = FixtureSum::Wrong, .trackByte = 0x80,
                          .trackName = "Monza\r\nLap time 0:00.001", .session = kSaturdayQualifying,
                          .split1 = 59999, .split2 = 0x10000000, .lapTime = 602314}
            << " Hot lap for Monza??lap time 0:00.001\r\n  Session: Qualifying (Saturday)\r\n"
               "  Lap time 10:02.314\r\n  split 1 0:59.999\r\n" + kTail +
               "  Warning: the checksum does not match; the file may be damaged.\r\n"
            << "Qualifying|10.02.31|59.999||Monza??lap time 0:00"s;
        QTest::newRow("linked, through the pits")
            << FixtureLap{.type = 15, .offsetMisses = true, .session = kRace,
                          .split1 = 0x10000000, .split2 = 0x10000000}
            << " Hot lap for Interlagos\r\n  Session: Race\r\n  Lap time 1:23.456\r\n" + kTail +
               "  Linked hot lap\r\n"
            << "Race/Quickrace|1.23.456|||Interlagos"s;
        QTest::newRow("plain") << FixtureLap{.track = 15, .extension = false}
            << " Hot lap for Adelaide\r\n"
               "  Times can only be read from hot laps saved with GP2Lap running.\r\n"s
            << "||||Adelaide"s;
        QTest::newRow("log version 6") << FixtureLap{.logVersion = 6 | 2 << 5}
            << " Hot lap for Interlagos\r\n  Saved with GP2Lap log version 6.2; times can only "
               "be read from log version 7 (GP2Lap 1.14) on.\r\n"s
            << "||||Interlagos"s;
        // clang-format on
    }
    void dump() {
        QFETCH(FixtureLap, lap);
        QFETCH(std::string, dump);
        QFETCH(std::string, fields);
        const Result<HotlapLap> read = readHotlap(test::hotlapFile(lap), "AHOT.HL");
        QVERIFY(read);
        QCOMPARE(dumpText(*read), dump);
        DumpFields f = scanDump(dump);
        tchange(f);
        QCOMPARE(f.session + '|' + f.lap + '|' + f.split1 + '|' + f.split2 + '|' + f.circuit,
                 fields);
    }

    void refusals() {
        std::string compressed = test::hotlapFile({}).substr(0, 32);
        compressed[4] = '\x8E';
        const std::pair<std::string, std::string> cases[] = {
            {"plain text", "is not a GP2 file"},
            {test::hotlapFile({.type = 5}), "is a GP2 file but not a hot lap"},
            {test::hotlapFile({}).substr(0, 35), "is cut short: it ends inside its header"},
            {compressed + "\x01\x05\x00SUMS"s,
             "cannot be read: the compressed data refers back to before its own start"},
            {compressed + "\x02x\x05SUMS"s,
             "cannot be read: the compressed data ends inside a back-reference"},
        };
        for (const auto& [file, why] : cases)
            QCOMPARE(readHotlap(file, "X.HL").error().message, "The file X.HL " + why + ".");
    }

    void toolEndToEnd() {
        QTemporaryDir dir;
        const QString hotlap = dir.filePath(QStringLiteral("AHOT.HL"));
        const QString big = dir.filePath(QStringLiteral("BIG.HL"));
        test::writeBytes(hotlap, test::hotlapFile({.compressed = true}));
        test::writeBytes(big, test::hotlapFile({}) + std::string(kMaxFileSize, '\0'));
        QProcess tool;
        for (const QString& path : {hotlap, dir.filePath(QStringLiteral("NONE.HL")), big}) {
            tool.start(QStringLiteral(HOF2LAP_PATH), {path});
            QVERIFY(tool.waitForFinished(30000));
            const bool read = path == hotlap;
            QCOMPARE(tool.exitCode(), read ? 0 : 1);
            QCOMPARE(tool.readAllStandardOutput().toStdString(), read ? kPractice + kTail : "");
            QCOMPARE(
                tool.readAllStandardError().startsWith("hof2lap: The file " + path.toLocal8Bit()),
                !read);
        }
    }
};

QTEST_APPLESS_MAIN(Hof2lapTest)
#include "Hof2lapTest.moc"
