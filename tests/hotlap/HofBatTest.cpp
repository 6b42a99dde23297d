// hof.bat as the import writes it (plain, quoted, refused) and the states
// that the flag file's first item announces.
#include "hotlap/HofBat.h"
#include "support/TestFiles.h"

#include <QtTest>

using namespace velomark;
using namespace std::string_literals;

Q_DECLARE_METATYPE(std::string)

class HofBatTest : public QObject {
    Q_OBJECT
  private slots:
    void compose_data() {
        QTest::addColumn<std::string>("gp2p");
        QTest::addColumn<std::string>("file");
        QTest::addColumn<std::string>("result"); // the first line
        // clang-format off
        QTest::newRow("plain") << "C:\\GP2"s << "AHOT.HL"s
            << "C:\\GP2\\hof2lap C:\\GP2\\gpsaves\\AHOT.HL >hoftemp"s;
        QTest::newRow("blank") << "C:\\GP2"s << "MY HOT.HL"s
            << "C:\\GP2\\hof2lap \"C:\\GP2\\gpsaves\\MY HOT.HL\" >hoftemp"s;
        QTest::newRow("command characters") << "C:\\GP2"s << "A&B;C$(D)`E`.HL"s
            << "C:\\GP2\\hof2lap \"C:\\GP2\\gpsaves\\A&B;C$(D)`E`.HL\" >hoftemp"s;
        QTest::newRow("blank in the directory") << "D:\\My GP2"s << "AHOT.HL"s
            << "\"D:\\My GP2\\hof2lap\" \"D:\\My GP2\\gpsaves\\AHOT.HL\" >hoftemp"s;
        // clang-format on
    }
    void compose() {
        QFETCH(std::string, gp2p);
        QFETCH(std::string, file);
        QFETCH(std::string, result);
        const Result<HofBat> bat = composeHofBat(gp2p, file);
        QCOMPARE(bat->cline, result);
        QCOMPARE(bat->bytes, result + "\r\necho 1 >flag\r\nexit\r\n");
        QVERIFY(result.ends_with(' ' + bat->fil));
    }

    void refusals() {
        for (const char* name : {"A\"B.HL", "%X%.HL", "A\r\nB.HL", "..\\X.HL", "A/B.HL", ""})
            QCOMPARE(composeHofBat("C:\\GP2", name).error().kind, ErrorKind::Unstorable);
        QCOMPARE(
            composeHofBat("C:\\GP2", "A\"B.HL").error().message,
            "The hot-lap file A\"B.HL cannot be passed to hof2lap: its name holds a double quote.");
        QCOMPARE(
            composeHofBat("C:\\%GP2%", "AHOT.HL").error().message,
            "The GP2 directory C:\\%GP2% cannot be passed to hof2lap: it holds a percent sign, "
            "which the command interpreter would expand.");
    }

    void flag() {
        const std::pair<std::string, FlagState> states[] = {
            {std::string(kFlagRunning), FlagState::Running},
            {"1 \r\n", FlagState::Finished},
            {"", FlagState::Running}, // emptied by "echo 1 >flag", not yet written
            {"ECHO is off.\r\n", FlagState::NotANumber},
            {"1x\r\n", FlagState::NotANumber}};
        for (const auto& [bytes, state] : states)
            QCOMPARE(flagState(bytes), state);
        test::ScopedWorkDir work;
        QCOMPARE(readFlag(), FlagState::Unreadable);
        test::writeBytes(QStringLiteral("flag"), "1 \r\n");
        QCOMPARE(readFlag(), FlagState::Finished);
    }
};

QTEST_APPLESS_MAIN(HofBatTest)
#include "HofBatTest.moc"
