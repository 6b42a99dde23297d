// The lap-time editor, driven from the main window as a player would.
#include "editor/LapTimeEditor.h"
#include "app/MainWindow.h"

#include "catalogue/DataFiles.h"
#include "store/LapRecordFile.h"
#include "support/FakeMessages.h"
#include "support/TestFiles.h"
#include "support/Windows.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

using namespace velomark;
using namespace velomark::test;

namespace {

const char* kBlankLine = "\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\","
                         "\"\",\"\",\"\",\"\",\"\",\"\"\r\n";

std::string fileWithLine(int k, const std::string& line) {
    std::string bytes;
    for (int i = 1; i <= 16; ++i)
        bytes += i == k ? line : std::string(kBlankLine);
    return bytes;
}

// A working directory with blank Standard lap records and a GP2 directory,
// a main window on screen and answered messages.
struct Desk {
    ScopedWorkDir dir;
    FakeMessages msgs;
    MainWindow main;

    enum Start { Ready, NoGp2Path, Empty };
    explicit Desk(Start start = Ready) {
        if (start != Empty)
            writeBytes(QStringLiteral("set1.dat"), blankLapRecordFile());
        if (start == Ready)
            writeBytes(QStringLiteral("gp2path"), "\"C:\\GP2\"\r\n");
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
    }

    LapTimeEditor* open(int k) {
        QTest::mouseClick(main.findChild<QPushButton*>(QStringLiteral("t%1").arg(k)),
                          Qt::LeftButton);
        QPointer<LapTimeEditor> editor = window<LapTimeEditor>("frmtimes");
        if (editor && editor->isVisible()) {
            QApplication::setActiveWindow(editor);
            // The editor may close itself on activation (no GP2 directory).
            (void)QTest::qWaitFor([&] { return !editor || editor->isActiveWindow(); });
        }
        return window<LapTimeEditor>("frmtimes");
    }
};

QLineEdit* f(QWidget* editor, const char* name) {
    return child<QLineEdit>(editor, name);
}
void click(QWidget* editor, const char* button) {
    QTest::mouseClick(child<QPushButton>(editor, button), Qt::LeftButton);
}
void type(QWidget* editor, const char* field, const QString& text) {
    QLineEdit* e = f(editor, field);
    e->setFocus(Qt::MouseFocusReason);
    e->selectAll(); // typing replaces what the field held
    QTest::keyClicks(e, text);
}
void leave(QWidget* editor) {
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : editor,
                    Qt::Key_Tab);
}
QString line(int k) {
    const std::string bytes = readBytes(QStringLiteral("set1.dat"));
    size_t start = 0;
    for (int i = 1; i < k; ++i)
        start = bytes.find("\r\n", start) + 2;
    return QString::fromStdString(bytes.substr(start, bytes.find("\r\n", start) + 2 - start));
}
QString labelText(QWidget* editor, const char* name) {
    return child<QLabel>(editor, name)->text();
}

} // namespace

class LapTimeEditorTest : public QObject {
    Q_OBJECT
  private slots:
    void typeSaveCloseReopen() {
        // A first start: initialise the Standard trackset, set the GP2 directory.
        Desk desk(Desk::Empty);
        auto* cmdinit = desk.main.findChild<QPushButton*>(QStringLiteral("cmdinit"));
        QTest::mouseClick(cmdinit, Qt::LeftButton);
        QWidget* init = window("frminit");
        QVERIFY(init);
        child<QCheckBox>(init, "Check1")->setChecked(true);
        desk.msgs.expect(MessageAnswer::Yes);
        desk.msgs.expect(MessageAnswer::Ok);
        QTest::mouseClick(child<QPushButton>(init, "Command1"), Qt::LeftButton);
        QCOMPARE(readBytes(QStringLiteral("set1.dat")), blankLapRecordFile());
        QTest::mouseClick(cmdinit, Qt::LeftButton);
        init = window("frminit");
        QTest::keyClicks(child<QLineEdit>(init, "gp2p"), QStringLiteral("C:\\GP2\\"));
        QTest::mouseClick(child<QPushButton>(init, "Command2"), Qt::LeftButton);
        QCOMPARE(readBytes(QStringLiteral("gp2path")), std::string("\"C:\\GP2\"\r\n"));
        QCOMPARE(desk.msgs.beeps, 2);
        desk.msgs.beeps = 0;

        LapTimeEditor* editor = desk.open(5);
        QVERIFY(editor);
        QVERIFY(!desk.main.isVisible());
        QCOMPARE(labelText(editor, "track"), QStringLiteral("Barcelona\nSpain"));
        QCOMPARE(f(editor, "tno")->text(), QStringLiteral("5"));
        QCOMPARE(f(editor, "tname")->text(), QStringLiteral("set1.dat"));

        type(editor, "plap", QStringLiteral("1.23.4"));
        type(editor, "ps1", QStringLiteral("29.1"));
        type(editor, "ps2", QStringLiteral("1.02.3"));
        leave(editor); // the 3rd split is derived from the lap time's own periods
        QCOMPARE(f(editor, "ps2")->text(), QStringLiteral("1.02.300"));
        QCOMPARE(f(editor, "ps3")->text(), QStringLiteral("21.1"));
        type(editor, "prset", QStringLiteral("dry, low.set"));

        click(editor, "cmdsave");
        QCOMPARE(desk.msgs.beeps, 1);
        QCOMPARE(line(5),
                 QStringLiteral(
                     "\"\",\"\",\"\",\"\",\"\",\"1.23.400\",\"29.100\",\"1.02.300\",\"21.100\","
                     "\"dry, low.set\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"));
        QCOMPARE(line(4), QString::fromLatin1(kBlankLine));
        QCOMPARE(f(editor, "plap")->text(), QStringLiteral("1.23.400"));
        QCOMPARE(f(editor, "ps1")->text(), QStringLiteral("29.100"));
        QCOMPARE(f(editor, "ps3")->text(), QStringLiteral("21.100"));
        QCOMPARE(f(editor, "modd")->text(), QStringLiteral("0"));

        click(editor, "cmdclose");
        QVERIFY(!window("frmtimes"));
        QVERIFY(desk.main.isVisible());
        QVERIFY(QTest::qWaitForWindowActive(&desk.main));

        editor = desk.open(5);
        QCOMPARE(f(editor, "plap")->text(), QStringLiteral("1.23.400"));
        QCOMPARE(f(editor, "ps2")->text(), QStringLiteral("1.02.300"));
        QCOMPARE(f(editor, "ps3")->text(), QStringLiteral("21.100"));
        QCOMPARE(f(editor, "prset")->text(), QStringLiteral("dry, low.set"));
        editor->close();
    }

    void lapTimeTypingClearsSplitsLoadingAndSaveDoNot() {
        Desk desk;
        const std::string stored =
            "\"1.31.2\",\"a\",\"b\",\"c\",\"qr.set\",\"1.30.95\",\"29.1\",\"1.02.3\",\"28.65\","
            "\"p.set\",\"1.29.8\",\"28.9\",\"1.01.5\",\"28.3\",\"q.set\",\"1.32.4\",,,,\"r."
            "set\"\r\n";
        writeBytes(QStringLiteral("set1.dat"), fileWithLine(9, stored));
        LapTimeEditor* editor = desk.open(9);
        QCOMPARE(f(editor, "ps1")->text(), QStringLiteral("29.1"));
        QCOMPARE(f(editor, "qs3")->text(), QStringLiteral("28.3"));

        click(editor, "cmdsave"); // filling out the lap times clears no split
        QCOMPARE(
            line(9),
            QStringLiteral(
                "\"1.31.200\",\"a\",\"b\",\"c\",\"qr.set\",\"1.30.950\",\"29.100\",\"1.02.300\","
                "\"28.650\",\"p.set\",\"1.29.800\",\"28.900\",\"1.01.500\",\"28.300\",\"q.set\","
                "\"1.32.400\",,,,\"r.set\"\r\n"));

        type(editor, "qlap", QStringLiteral("9"));
        QCOMPARE(f(editor, "qs1")->text(), QString());
        QCOMPARE(f(editor, "qs2")->text(), QString());
        QCOMPARE(f(editor, "qs3")->text(), QString());
        QCOMPARE(f(editor, "ps1")->text(), QStringLiteral("29.100"));
        type(editor, "rlap", QStringLiteral("9"));
        QCOMPARE(f(editor, "ps1")->text(), QStringLiteral("29.100"));
        editor->close();
    }

    void clearThenCloseOrSave() {
        Desk desk;
        const std::string stored =
            "\"1.31.200\",\"x\",,\"\",\"qr.set\",\"1.30.950\",\"29.100\",\"1.02.300\",\"28.650\","
            "\"p.set\",\"\",\"\",\"\",\"\",\"\",\"1.32.400\",\"y\",\"\",,\"r.set\"\r\n";
        writeBytes(QStringLiteral("set1.dat"), fileWithLine(2, stored));
        const std::string before = readBytes(QStringLiteral("set1.dat"));

        LapTimeEditor* editor = desk.open(2);
        desk.msgs.expect(MessageAnswer::No);
        click(editor, "cmdclear");
        QCOMPARE(f(editor, "plap")->text(), QStringLiteral("1.30.950"));
        desk.msgs.expect(MessageAnswer::Yes);
        click(editor, "cmdclear");
        QCOMPARE(desk.msgs.shown.last().title, QStringLiteral("Clear all Entries"));
        for (const char* name :
             {"qrlap", "qrset", "plap", "ps1", "ps2", "ps3", "prset", "rlap", "raset"})
            QCOMPARE(f(editor, name)->text(), QString());
        click(editor, "cmdclose");
        QCOMPARE(readBytes(QStringLiteral("set1.dat")), before);

        editor = desk.open(2);
        desk.msgs.expect(MessageAnswer::Yes);
        click(editor, "cmdclear");
        click(editor, "cmdsave");
        // Empty texts, and the six fields the window does not show kept as read.
        QCOMPARE(line(2),
                 QStringLiteral(
                     "\"\",\"x\",,\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\","
                     "\"y\",\"\",,\"\"\r\n"));
        editor->close();
    }

    void leavingTheSecondSplit() {
        Desk desk;
        LapTimeEditor* editor = desk.open(3);
        // Leaving an empty +2nd split beside an empty lap time.
        desk.msgs.expect(MessageAnswer::Ok);
        f(editor, "ps2")->setFocus(Qt::MouseFocusReason);
        leave(editor);
        QCOMPARE(desk.msgs.shown.size(), 1);
        QCOMPARE(desk.msgs.shown[0].title, QStringLiteral("Error !"));
        QCOMPARE(desk.msgs.shown[0].text, QStringLiteral("Correct Error under cursor"));
        QCOMPARE(desk.msgs.shown[0].icon, MessageIcon::Stop);
        QCOMPARE(QApplication::focusWidget(), f(editor, "plap"));

        // SAVE while the cursor stands in qs2 completes the split first.
        type(editor, "qlap", QStringLiteral("1.30.950"));
        type(editor, "qs1", QStringLiteral("29.1"));
        type(editor, "qs2", QStringLiteral("1.02.3"));
        click(editor, "cmdsave");
        QCOMPARE(f(editor, "qs3")->text(), QStringLiteral("28.650"));
        QVERIFY(
            line(3).contains(QStringLiteral("\"1.30.950\",\"29.100\",\"1.02.300\",\"28.650\"")));
        QCOMPARE(desk.msgs.beeps, 1);
        editor->close();
    }

    void heldLabels() {
        Desk desk;
        LapTimeEditor* editor = desk.open(4);
        type(editor, "plap", QStringLiteral("1.30.950"));
        type(editor, "qlap", QStringLiteral("1.29.800"));
        type(editor, "ps1", QStringLiteral("29.100"));
        type(editor, "ps2", QStringLiteral("1.02.300"));
        QLabel* header = child<QLabel>(editor, "Label6");
        QTest::mousePress(header, Qt::LeftButton);
        QCOMPARE(header->text(), QStringLiteral("2nd Split"));
        QCOMPARE(f(editor, "ps2")->text(), QStringLiteral("33.2"));
        QCOMPARE(f(editor, "qs2")->text(), QString());
        QTest::mouseRelease(header, Qt::LeftButton);
        QCOMPARE(header->text(), QStringLiteral("+2nd Split"));
        QCOMPARE(f(editor, "ps2")->text(), QStringLiteral("1.02.300"));

        // A +2nd split without a usable 1st split: nothing changes, a hint says why.
        type(editor, "qs2", QStringLiteral("1.01.5"));
        QTest::mousePress(header, Qt::RightButton);
        QCOMPARE(f(editor, "ps2")->text(), QStringLiteral("1.02.300"));
        QCOMPARE(f(editor, "qs2")->text(), QStringLiteral("1.01.5"));
        QVERIFY(!labelText(editor, "status").isEmpty());
        QTest::mouseRelease(header, Qt::RightButton);
        QCOMPARE(f(editor, "qs2")->text(), QStringLiteral("1.01.5"));
        QCOMPARE(labelText(editor, "status"), QString());

        // The same for the differences: no Qualifying 1st split to compare.
        QLabel* diff1 = child<QLabel>(editor, "diff1");
        QVERIFY(diff1->isEnabled());
        QTest::mousePress(diff1, Qt::LeftButton);
        QCOMPARE(labelText(editor, "xps1"), QString());
        QVERIFY(!child<QLabel>(editor, "ideal")->isVisibleTo(editor));
        QVERIFY(!labelText(editor, "status").isEmpty());
        QTest::mouseRelease(diff1, Qt::LeftButton);
        QCOMPARE(labelText(editor, "status"), QString());
        QCOMPARE(f(editor, "qs2")->text(), QStringLiteral("1.01.5"));
        editor->close();
    }

    void differencesWhileHeld() {
        Desk desk;
        const std::string stored =
            "\"\",\"\",\"\",\"\",\"\",\"1.30.1\",\"29.112\",\"1.02.347\",\"28.654\",\"\","
            "\"1.29.8\",\"28.905\",\"1.01.523\",\"28.301\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
        writeBytes(QStringLiteral("set1.dat"), fileWithLine(6, stored));
        LapTimeEditor* editor = desk.open(6);
        QLabel* diff1 = child<QLabel>(editor, "diff1");
        QVERIFY(diff1->isEnabled());
        auto labels = [&](char row) {
            QStringList out;
            for (int i = 1; i <= 4; ++i)
                out << labelText(editor,
                                 QStringLiteral("%1ps%2").arg(row).arg(i).toLatin1().constData());
            return out;
        };
        QLabel* ideal = child<QLabel>(editor, "ideal");

        QTest::mousePress(diff1, Qt::LeftButton);
        QCOMPARE(labels('x'), strings({"+0.207", "+0.824", "+0.353", "+1.177"}));
        QCOMPARE(labels('y'), QStringList(4, QString()));
        QVERIFY(ideal->isVisibleTo(editor));
        QCOMPARE(ideal->text(), QStringLiteral("Ideal Lap Time: 1.29.824"));
        QTest::mouseRelease(diff1, Qt::LeftButton);
        QCOMPARE(labels('x'), QStringList(4, QString()));
        QVERIFY(!ideal->isVisibleTo(editor));

        QTest::mousePress(diff1, Qt::RightButton);
        QCOMPARE(labels('y').first(),
                 QStringLiteral("-0.207")); // the values are the core's to test
        QTest::mouseRelease(diff1, Qt::RightButton);

        QTest::mousePress(diff1, Qt::MiddleButton);
        QCOMPARE(labels('x') + labels('y'), QStringList(8, QString()));
        QVERIFY(!ideal->isVisibleTo(editor));
        QTest::mouseRelease(diff1, Qt::MiddleButton);

        // Emptying the Practice splits disables the label at once.
        for (const char* name : {"ps1", "ps2", "ps3"})
            f(editor, name)->clear();
        QVERIFY(!diff1->isEnabled());
        editor->close();
    }

    void missingLapRecordFile() {
        Desk desk;
        QFile::remove(QStringLiteral("set1.dat"));
        desk.msgs.expect(MessageAnswer::Ok);
        QVERIFY(!desk.open(8));
        QCOMPARE(desk.msgs.shown.size(), 1);
        QVERIFY(desk.msgs.shown[0].text.contains(QStringLiteral("set1.dat")));
        QVERIFY(desk.msgs.shown[0].text.contains(QStringLiteral("INITIALISE !")));
        QVERIFY(desk.main.isVisible());
        QVERIFY(!QFile::exists(QStringLiteral("set1.dat")));
        QVERIFY(!QFile::exists(QStringLiteral("temp.dat")));
    }

    void failedSaveKeepsTheTypedTimes() {
        Desk desk;
        LapTimeEditor* editor = desk.open(10);
        type(editor, "rlap", QStringLiteral("1.40.5"));
        type(editor, "raset", QStringLiteral("race.set"));
        QFile::remove(QStringLiteral("set1.dat")); // the file vanished while the editor was open
        desk.msgs.expect(MessageAnswer::Ok);
        click(editor, "cmdsave");
        QCOMPARE(desk.msgs.beeps, 0);
        QCOMPARE(desk.msgs.shown.size(), 1);
        QVERIFY(desk.msgs.shown[0].text.contains(QStringLiteral("set1.dat")));
        QCOMPARE(f(editor, "rlap")->text(), QStringLiteral("1.40.500"));
        QCOMPARE(f(editor, "raset")->text(), QStringLiteral("race.set"));
        QVERIFY(window("frmtimes"));

        // Once the file is back, the same SAVE works.
        writeBytes(QStringLiteral("set1.dat"), blankLapRecordFile());
        click(editor, "cmdsave");
        QCOMPARE(desk.msgs.beeps, 1);
        QVERIFY(line(10).contains(QStringLiteral("\"1.40.500\"")));
        editor->close();
    }

    void withoutGp2DirectoryTheEditorCloses() {
        Desk desk(Desk::NoGp2Path);
        desk.msgs.expect(MessageAnswer::Ok);
        desk.open(11);
        QTRY_VERIFY(!window("frmtimes"));
        QCOMPARE(desk.msgs.shown.size(), 1);
        QCOMPARE(desk.msgs.shown[0].title, QStringLiteral("Cannot access GP2 directory."));
        QVERIFY(!window("frmhof"));
        QVERIFY(desk.main.isVisible());
    }

    void fieldsAreNamedAndRefuseQuotes() {
        Desk desk;
        LapTimeEditor* editor = desk.open(12);
        const std::pair<const char*, const char*> names[] = {
            {"qrlap", "Quickrace Lap Time"}, {"qrset", "Quickrace Notes"},
            {"plap", "Practice Lap Time"},   {"ps1", "Practice 1st Split"},
            {"ps2", "Practice +2nd Split"},  {"ps3", "Practice 3rd Split"},
            {"prset", "Practice Notes"},     {"qlap", "Qualifying Lap Time"},
            {"qs1", "Qualifying 1st Split"}, {"qs2", "Qualifying +2nd Split"},
            {"qs3", "Qualifying 3rd Split"}, {"qset", "Qualifying Notes"},
            {"rlap", "Race Lap Time"},       {"raset", "Race Notes"}};
        for (auto [name, accessible] : names)
            QCOMPARE(f(editor, name)->accessibleName(), QString::fromLatin1(accessible));
        QCOMPARE(f(editor, "plap")->maxLength(), 8);
        QCOMPARE(f(editor, "ps1")->maxLength(), 6);
        QCOMPARE(f(editor, "qs2")->maxLength(), 8);
        QCOMPARE(f(editor, "ps2")->toolTip(), QStringLiteral("This is an accumulated split time."));
        QCOMPARE(child<QPushButton>(editor, "cmdsave")->text(), QStringLiteral("SAVE"));

        type(editor, "qset", QStringLiteral("my \"fast\" set"));
        QCOMPARE(f(editor, "qset")->text(), QStringLiteral("my fast set"));
        QVERIFY(labelText(editor, "status").contains(QStringLiteral("double quote")));
        // Characters beyond the keyboard's ASCII, as an input method delivers them.
        for (const QChar c : {QChar(0x20AC), QChar(0x4E2D)}) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(f(editor, "qset"), &press);
        }
        QCOMPARE(f(editor, "qset")->text(),
                 QStringLiteral("my fast set\u20ac")); // euro fits, the other does not
        click(editor, "cmdsave");
        QCOMPARE(QByteArray::fromStdString(readBytes(QStringLiteral("set1.dat")))
                     .count("my fast set\x80"),
                 1);
        editor->close();
    }
};

QTEST_MAIN(LapTimeEditorTest)
#include "LapTimeEditorTest.moc"
