// hof.bat as the import writes it (plain, quoted, refused) and the states
// that the flag file's first item announces.
#include "hotlap/HofBat.h"
#include "support/TestFiles.h"

#include <QtTest>

#include <array>

using namespace velomark;

class HofBatTest : public QObject {
    Q_OBJECT
  private slots:
    void compose() {
        const std::array<std::string, 3> cases[] = {
            // the GP2 directory, the file, the first line
            {"C:\\GP2", "AHOT.HL", "C:\\GP2\\hof2lap C:\\GP2\\gpsaves\\AHOT.HL >hoftemp"},
            {"C:\\GP2", "A&B;C$(D)`E`.HL",
             "C:\\GP2\\hof2lap \"C:\\GP2\\gpsaves\\A&B;C$(D)`E`.HL\" >hoftemp"},
            {"D:\\My GP2", "AHOT.HL",
             "\"D:\\My GP2\\hof2lap\" \"D:\\My GP2\\gpsaves\\AHOT.HL\" >hoftemp"}};
        for (const auto& [gp2p, file, line] : cases) {
            const Result<HofBat> bat = composeHofBat(gp2p, file);
            QCOMPARE(bat->bytes, line + "\r\necho 1 >flag\r\nexit\r\n");
            QVERIFY(bat->cline == line && line.ends_with(' ' + bat->fil));
        }
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
    }
};

QTEST_APPLESS_MAIN(HofBatTest)
#include "HofBatTest.moc"
