// Dump scanning: the keys at their fixed offsets, the session mapping, line
// ends and the 19-line limit, and the time conversion tchange.
#include "hotlap/DumpScanner.h"
#include "support/TestFiles.h"

#include <QtTest>

using namespace velomark;
using namespace std::string_literals;

Q_DECLARE_METATYPE(std::string)

class DumpScannerTest : public QObject {
    Q_OBJECT
  private slots:
    void scanning_data() {
        QTest::addColumn<std::string>("fields"); // session|lap|split1|split2|circuit, converted
        QTest::addColumn<std::string>("dump");
        // clang-format off
        auto many = [](int n, const char* s) { return QByteArray(s).repeated(n).toStdString(); };
        QTest::newRow("example") << "Practice|1.23.456|41.123|1.02.345|Interlagos"s
            << " Hot lap for Interlagos\r\n  Session: Unlimited practice\r\n"
               "  Lap time 1:23.456\r\n  split 1 0:41.123\r\n  split 2 1:02.345\r\n"s;
        QTest::newRow("warm-up, case-sensitive keys, 8 and 20 characters")
            << "Warm-up|10.02.31|||Monza??lap time 0:00"s << "xSession: Warm-up\r\n"
               "Lap time 10:02.314\r\nHot lap for Monza??lap time 0:00.001\r\n"s;
        QTest::newRow("0: off splits, first in line, last line wins") << "|0.59.123|00.500||"s
            << "Lap time 0:59.123\r\nsplit 1 0:00.500 split 1 0:50.000 split 2 1:02.345\r\n"
               "split 2 0:\r\n"s;
        QTest::newRow("past the end, cut") << "|1.2|||"s << "Hot lap for\r\nLap time 1:2\r\n"s;
        QTest::newRow("line 19") << "|1.23.456|||"s << many(18, "x\r\n") + "Lap time 1:23.456";
        QTest::newRow("line 20") << "||||"s << many(19, "x\r\n") + "Lap time 1:23.456\r\n";
        QTest::newRow("CR CR LF") << "||||"s << many(10, "x\r\r\n") + "Lap time 1:23.456\r\n";
        QTest::newRow("LF only") << "|1.23.456|||"s << many(30, "x\n") + "Lap time 1:23.456\n";
        // clang-format on
    }
    void scanning() {
        QFETCH(std::string, fields);
        QFETCH(std::string, dump);
        DumpFields f = scanDump(dump);
        tchange(f);
        QCOMPARE(f.session + '|' + f.lap + '|' + f.split1 + '|' + f.split2 + '|' + f.circuit,
                 fields);
    }

    void dumpFileIsReadBounded() {
        test::ScopedWorkDir work;
        QVERIFY(
            test::writeBytes(QStringLiteral("hoftemp"), std::string(kDumpByteLimit + 5000, 'x')));
        QCOMPARE(readDumpFile("hoftemp")->size(), kDumpByteLimit);
        QVERIFY(QDir().mkdir(QStringLiteral("flag")));
        QVERIFY(!readDumpFile("missing") && !readDumpFile("flag"));
    }
};

QTEST_APPLESS_MAIN(DumpScannerTest)
#include "DumpScannerTest.moc"
