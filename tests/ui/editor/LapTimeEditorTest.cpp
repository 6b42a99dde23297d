// The lap-time editor, driven from the main window as a player would.
#include "ui/editor/LapTimeEditor.h"

#include "support/Windows.h"

#include <QtTest>

using namespace velomark;
using namespace velomark::test;

namespace {

void leave() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
}
// Line k (from 1) of set1.dat, without its CR LF.
std::string line(int k) {
    const std::string bytes = readBytes(QStringLiteral("set1.dat"));
    size_t start = 0;
    for (int i = 1; i < k; ++i)
        start = bytes.find("\r\n", start) + 2;
    return bytes.substr(start, bytes.find("\r\n", start) - start);
}

// Another language for the circuits' names: each in brackets.
class BracketedCircuits : public QTranslator {
  public:
    QString translate(const char* context, const char* text, const char*, int) const override {
        return qstrcmp(context, "Circuits") == 0 ? QStringLiteral("[%1]").arg(QLatin1String(text))
                                                 : QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class LapTimeEditorTest : public QObject {
    Q_OBJECT
  private slots:
    void openTypeCompleteSaveCloseReopen() {
        // set1.dat cut short: the editor does not open. That every circuit is
        // refused and the file left as it is, is LapRecordFileTest's.
        Desk desk;
        QVERIFY(desk.ready(lapRecords({}).substr(0, 10 * 61)));
        desk.msgs.expect(MessageAnswer::Ok);
        QVERIFY(!desk.open(16));
        QVERIFY(desk.msgs.shown.last().text.contains(QStringLiteral("10 of its 16")));
        QFile::remove(QStringLiteral("set1.dat")); // missing: the player is sent to INITIALISE
        desk.msgs.expect(MessageAnswer::Ok);
        QVERIFY(!desk.open(8));
        QVERIFY(desk.msgs.shown.last().text.contains(QStringLiteral("set1.dat")) &&
                desk.msgs.shown.last().text.contains(QStringLiteral("INITIALISE !")));
        QVERIFY(desk.main.isVisible() && !QFile::exists(QStringLiteral("set1.dat")));

        QVERIFY(writeBytes(QStringLiteral("set1.dat"), blankLapRecordFile()));
        LapTimeEditor* editor = desk.open(5);
        QVERIFY(editor && !desk.main.isVisible());

        // Leaving an empty +2nd split beside an empty lap time.
        desk.msgs.expect(MessageAnswer::Ok);
        child<QLineEdit>(editor, "ps2")->setFocus(Qt::MouseFocusReason);
        leave();
        QCOMPARE(desk.msgs.shown.size(), 3);
        QCOMPARE(desk.msgs.shown[2].title, QStringLiteral("Error !"));
        QCOMPARE(desk.msgs.shown[2].text, QStringLiteral("Correct Error under cursor"));
        QCOMPARE(desk.msgs.shown[2].icon, MessageIcon::Stop);
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(editor, "plap"));

        retype(editor, {{"plap", "1.23.4"}, {"ps1", "29.1"}, {"ps2", "1.02.3"}});
        leave(); // the 3rd split is derived from the lap time's own periods
        QCOMPARE(texts(editor, {"ps2", "ps3"}), strings({"1.02.300", "21.1"}));
        retype(editor, {{"prset", "dry, low.set"}, {"qlap", "1.30.950"}, {"qs1", "29.1"}});
        retype(editor, {{"qs2", "1.02.3"}});

        // SAVE while the cursor stands in qs2 completes the split first. The
        // file vanished meanwhile: nothing is saved and the times stay.
        QFile::remove(QStringLiteral("set1.dat"));
        desk.msgs.expect(MessageAnswer::Ok);
        clickButton(editor, "cmdsave");
        QCOMPARE(desk.msgs.beeps, 0);
        QVERIFY(desk.msgs.shown.last().text.contains(QStringLiteral("set1.dat")));
        QCOMPARE(texts(editor, {"ps3", "qs3", "prset"}),
                 strings({"21.100", "28.650", "dry, low.set"}));

        // Once the file is back, the same SAVE works.
        QVERIFY(writeBytes(QStringLiteral("set1.dat"), blankLapRecordFile()));
        clickButton(editor, "cmdsave");
        QCOMPARE(desk.msgs.beeps, 1);
        QCOMPARE(line(5), std::string(R"("","","","","","1.23.400","29.100","1.02.300","21.100",)"
                                      R"("dry, low.set","1.30.950","29.100","1.02.300","28.650",)"
                                      R"("","","","","","")"));

        // Without a GP2 directory IMPORT only says so; the typed lap time stays.
        retype(editor, {{"rlap", "1.40.5"}});
        desk.msgs.expect(MessageAnswer::Ok);
        clickButton(editor, "cmdimport");
        QCOMPARE(desk.msgs.shown.last().title, QStringLiteral("Cannot access GP2 directory."));
        QVERIFY(!window("frmhof") && window("frmtimes") == editor);
        QCOMPARE(text(editor, "rlap"), QStringLiteral("1.40.5"));

        clickButton(editor, "cmdclose"); // CLOSE saves nothing
        QVERIFY(!window("frmtimes") && desk.main.isVisible());
        editor = desk.open(5);
        QVERIFY(editor);
        QCOMPARE(texts(editor, {"ps2", "prset", "rlap"}),
                 strings({"1.02.300", "dry, low.set", ""}));
        editor->close();

        // In another language the heading names the circuit so; the history
        // keeps naming it in English.
        BracketedCircuits language;
        QCoreApplication::installTranslator(&language);
        editor = desk.open(5);
        QCOMPARE(text(editor, "track"), QStringLiteral("[Barcelona]\n[Spain]"));
        retype(editor, {{"rlap", "1.40.5"}});
        clickButton(editor, "cmdsave");
        editor->close();
        QCoreApplication::removeTranslator(&language);
        const std::string history = readBytes(QStringLiteral("history.csv"));
        QVERIFY(history.find(",\"Barcelona - Spain\",\"Race\",\"1.40.500\"") != std::string::npos);
        QVERIFY(history.find('[') == std::string::npos);
    }

    void timesStoredElsewhereMeetTheTypedOnes() {
        // Monza's line as the Hot laps window leaves it after taking Qualifying
        // laps while the editor is open.
        const auto monza = [](const char* q, const char* race, const char* qset = "q.set") {
            const std::string four = R"("","","","")";
            return four + ',' + four + ",\"\",\"\"," + q + ",\"" + qset + "\",\"" + race + "\"," +
                   four;
        };
        const std::string read = monza(R"("1.30.000","29.000","1.02.000","28.000")", "1.40.000");
        const char* const q120 = R"("1.20.000","27.500","55.000","25.000")";
        Desk desk;
        QVERIFY(desk.ready(lapRecords({{12, read}})));
        LapTimeEditor* editor = desk.open(12);
        QVERIFY(editor);
        retype(editor, {{"rlap", "1.38.5"}});
        QVERIFY(
            writeBytes(QStringLiteral("set1.dat"), lapRecords({{12, monza(q120, "1.40.000")}})));

        // Asked what changed on each side; Cancel (Escape) writes nothing and keeps the typing.
        desk.msgs.expect(MessageAnswer::Choice4);
        clickButton(editor, "cmdsave");
        const Message asked = desk.msgs.shown.last();
        QVERIFY(
            asked.choices.size() == 4 && asked.choices.last() == QStringLiteral("Cancel") &&
            asked.details.contains(QStringLiteral("Qualifying 1st split: 29.000 became 27.500")) &&
            asked.details.contains(QStringLiteral("Race lap time: 1.40.000 became 1.38.500")));
        QCOMPARE(line(12), monza(q120, "1.40.000"));
        QCOMPARE(texts(editor, {"rlap", "qlap", "status"}),
                 strings({"1.38.5", "1.30.000",
                          "Nothing was saved: your times are still in the window."}));

        // Keep both: the taken lap with its splits and the typed Race time, stored and shown.
        desk.msgs.expect(MessageAnswer::Choice1);
        clickButton(editor, "cmdsave");
        QCOMPARE(line(12), monza(q120, "1.38.500"));
        QCOMPARE(texts(editor, {"qlap", "qs1", "qs3", "rlap", "status"}),
                 strings({"1.20.000", "27.500", "25.000", "1.38.500",
                          "Race: 1.38.500, 1.500 s faster than 1.40.000"}));

        // Go back: nothing written, the window shows the notes stored elsewhere.
        retype(editor, {{"rlap", "1.37"}});
        const std::string notes = monza(R"("1.19.900","","","")", "1.38.500", "dry.set");
        QVERIFY(writeBytes(QStringLiteral("set1.dat"), lapRecords({{12, notes}})));
        desk.msgs.expect(MessageAnswer::Choice3);
        clickButton(editor, "cmdsave");
        QCOMPARE(line(12), notes);
        QCOMPARE(texts(editor, {"rlap", "qset"}), strings({"1.38.500", "dry.set"}));
        editor->close();
    }

    void storedSessionsHeldLabelsTypingAndClear() {
        Desk desk;
        QVERIFY(desk.ready(lapRecords(
            {{9, R"("1.31.2","x",,"","qr.set","1.30.1","29.112","1.02.347","28.654","p.set",)"
                 R"("1.29.8","28.905","1.01.523","28.301","q.set","1.32.4","y","",,"r.set")"}})));
        LapTimeEditor* editor = desk.open(9);
        QVERIFY(editor);
        clickButton(editor, "cmdsave"); // lap times filled out; the six unshown fields kept as read
        QCOMPARE(line(9), std::string(R"("1.31.200","x",,"","qr.set","1.30.100","29.112",)"
                                      R"("1.02.347","28.654","p.set","1.29.800","28.905",)"
                                      R"("1.01.523","28.301","q.set","1.32.400","y","",,"r.set")"));

        QLabel* header = child<QLabel>(editor, "Label6");
        QTest::mousePress(header, Qt::LeftButton);
        QCOMPARE(texts(editor, {"Label6", "ps2"}), strings({"2nd Split", "33.235"}));
        QTest::mouseRelease(header, Qt::LeftButton);
        QCOMPARE(texts(editor, {"Label6", "ps2", "ps3"}), // no change rule ran
                 strings({"+2nd Split", "1.02.347", "28.654"}));

        QLabel* diff1 = child<QLabel>(editor, "diff1");
        QLabel* ideal = child<QLabel>(editor, "ideal");
        QTest::mousePress(diff1, Qt::LeftButton);
        QCOMPARE(
            texts(editor, {"xps1", "xps2", "xps3", "xps4", "yps1", "yps4", "ideal"}),
            strings({"+0.207", "+0.824", "+0.353", "+1.177", "", "", "Ideal Lap Time: 1.29.824"}));
        QVERIFY(ideal->isVisibleTo(editor));
        QTest::mouseRelease(diff1, Qt::LeftButton);
        QCOMPARE(texts(editor, {"xps1", "xps4"}), strings({"", ""}));
        QVERIFY(!ideal->isVisibleTo(editor));
        QTest::mousePress(diff1, Qt::MiddleButton); // other buttons show nothing
        QCOMPARE(texts(editor, {"xps1", "xps4", "yps1", "yps4"}), strings({"", "", "", ""}));
        QTest::mouseRelease(diff1, Qt::MiddleButton);

        // A +2nd split that is not a time: no field changes, a hint says why.
        retype(editor, {{"qs1", ""}});
        QTest::mousePress(header, Qt::RightButton);
        QCOMPARE(text(editor, "ps2"), QStringLiteral("1.02.347"));
        QVERIFY(!text(editor, "status").isEmpty());
        QTest::mouseRelease(header, Qt::RightButton);
        QCOMPARE(text(editor, "status"), QString());
        QTest::mousePress(diff1, Qt::RightButton);
        QCOMPARE(texts(editor, {"yps1", "yps4"}), strings({"", ""}));
        QVERIFY(!text(editor, "status").isEmpty());
        QTest::mouseRelease(diff1, Qt::RightButton);

        // Typing a lap time clears that session's splits only.
        retype(editor, {{"rlap", "9"}, {"qlap", "9"}});
        QCOMPARE(texts(editor, {"qs2", "qs3", "ps1"}), strings({"", "", "29.112"}));
        QVERIFY(!diff1->isEnabled());

        desk.msgs.expect(MessageAnswer::No);
        clickButton(editor, "cmdclear");
        QCOMPARE(text(editor, "plap"), QStringLiteral("1.30.100"));
        desk.msgs.expect(MessageAnswer::Yes);
        clickButton(editor, "cmdclear");
        QCOMPARE(desk.msgs.shown.last().title, QStringLiteral("Clear all Entries"));
        clickButton(editor, "cmdsave"); // empty texts; the unshown fields still as read
        QCOMPARE(line(9),
                 std::string(R"("","x",,"","","","","","","","","","","","","","y","",,"")"));
        editor->close();
    }

    void storedTextsStayWholeAndTypingIsLimited() {
        // Longer than the typing limits, as in a hand-edited or older file (the
        // setup name longer than a line edit holds by default); the bare setup
        // field holds a double quote and an 8-bit letter.
        const std::string stored = R"("10.02.314","","","",)" +
                                   ('"' + std::string(40000, 'n') + '"') +
                                   R"(,"1.30.9500","29.1234","1.02.3456","28.650",caf)"
                                   "\xe9\"x,"
                                   R"("","","","","","10.02.314","","","","")";
        Desk desk;
        QVERIFY(desk.ready(lapRecords({{7, stored}})));
        LapTimeEditor* editor = desk.open(7);
        QVERIFY(editor);
        QCOMPARE(texts(editor, {"rlap", "ps1", "prset", "status"}),
                 strings({"10.02.314", "29.1234", "caf\u00e9\"x", ""})); // loading refused nothing
        retype(editor, {{"raset", "wet.set"}});
        clickButton(editor, "cmdsave");
        std::string expected = stored;
        QCOMPARE(line(7), expected.replace(expected.rfind(R"("")"), 2, R"("wet.set")"));

        // A longer text may be shortened but not lengthened; typing stops at the limit.
        auto* rlap = child<QLineEdit>(editor, "rlap");
        QTest::keyClick(rlap, Qt::Key_End);
        QTest::keyClicks(rlap, QStringLiteral("9")); // refused: it would lengthen
        QTest::keyClick(rlap, Qt::Key_Backspace);
        retype(editor, {{"plap", "1.23.4567"}, {"ps1", "28.1234"}});
        QCOMPARE(texts(editor, {"rlap", "plap", "ps1"}),
                 strings({"10.02.31", "1.23.456", "28.123"}));

        // A double quote is refused as it is typed, and the status line says why;
        // the characters the files cannot hold are CustomWindowTest's.
        retype(editor, {{"qset", "my \"fast\" set"}});
        QCOMPARE(text(editor, "qset"), QStringLiteral("my fast set"));
        QVERIFY(text(editor, "status").contains(QStringLiteral("double quote")));

        // Typed on, the bare text can be stored neither quoted nor bare: SAVE says
        // so in the player's letters and writes nothing. The refusal itself is
        // LapRecordFileTest's; a failed SAVE keeping the times, the first walk-through's.
        QTest::keyClick(child<QLineEdit>(editor, "prset"), Qt::Key_End);
        QTest::keyClicks(child<QLineEdit>(editor, "prset"), QStringLiteral(", y"));
        desk.msgs.expect(MessageAnswer::Ok);
        clickButton(editor, "cmdsave");
        QVERIFY(desk.msgs.shown.last().text.contains(QStringLiteral("caf\u00e9\"x, y")));
        QCOMPARE(line(7), expected);
        editor->close();
    }
};

QTEST_MAIN(LapTimeEditorTest)
#include "LapTimeEditorTest.moc"
