// The lap-time editor, driven from the main window as a player would.
#include "editor/LapTimeEditor.h"
#include "app/MainWindow.h"

#include "store/LapRecordFile.h"
#include "support/FakeMessages.h"
#include "support/TestFiles.h"
#include "support/Windows.h"

#include <QAccessible>
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

// A working directory with blank Standard lap records, a main window on
// screen and answered messages.
struct Desk {
    ScopedWorkDir dir;
    FakeMessages msgs;
    MainWindow main;

    [[nodiscard]] bool ready(const std::string& set1 = blankLapRecordFile()) {
        if (!writeBytes(QStringLiteral("set1.dat"), set1))
            return false;
        main.show();
        return QTest::qWaitForWindowExposed(&main);
    }

    // Clicks circuit button K; the editor when it opened and became active.
    LapTimeEditor* open(int k) {
        QTest::mouseClick(main.findChild<QPushButton*>(QStringLiteral("t%1").arg(k)),
                          Qt::LeftButton);
        LapTimeEditor* editor = window<LapTimeEditor>("frmtimes");
        if (editor) {
            QApplication::setActiveWindow(editor);
            if (!QTest::qWaitForWindowActive(editor))
                return nullptr;
        }
        return editor;
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
    QTest::keyClick(e, Qt::Key_Backspace);
    QTest::keyClicks(e, text);
}
void leave(QWidget* editor) {
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : editor,
                    Qt::Key_Tab);
}
std::string line(int k, const char* file = "set1.dat") {
    const std::string bytes = readBytes(QString::fromLatin1(file));
    size_t start = 0;
    for (int i = 1; i < k; ++i)
        start = bytes.find("\r\n", start) + 2;
    return bytes.substr(start, bytes.find("\r\n", start) + 2 - start);
}
QString labelText(QWidget* editor, const char* name) {
    return child<QLabel>(editor, name)->text();
}

} // namespace

class LapTimeEditorTest : public QObject {
    Q_OBJECT
  private slots:
    void typeSaveCloseReopen() {
        Desk desk;
        QVERIFY(desk.ready());
        LapTimeEditor* editor = desk.open(5);
        QVERIFY(editor);
        QVERIFY(!desk.main.isVisible());
        QCOMPARE(labelText(editor, "track"), QStringLiteral("Barcelona\nSpain"));

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
                 std::string("\"\",\"\",\"\",\"\",\"\",\"1.23.400\",\"29.100\",\"1.02.300\","
                             "\"21.100\",\"dry, low.set\",\"\",\"\",\"\",\"\",\"\",\"\","
                             "\"\",\"\",\"\",\"\"\r\n"));
        QCOMPARE(line(4), std::string(kBlankLine));
        QCOMPARE(f(editor, "ps3")->text(), QStringLiteral("21.100"));

        click(editor, "cmdclose");
        QVERIFY(!window("frmtimes"));
        QVERIFY(desk.main.isVisible());

        editor = desk.open(5);
        QVERIFY(editor);
        QCOMPARE(f(editor, "ps2")->text(), QStringLiteral("1.02.300"));
        QCOMPARE(f(editor, "prset")->text(), QStringLiteral("dry, low.set"));
        editor->close();
    }

    void lapTimeTypingClearsSplitsLoadingAndSaveDoNot() {
        Desk desk;
        QVERIFY(desk.ready(fileWithLine(
            9, "\"1.31.2\",\"a\",\"b\",\"c\",\"qr.set\",\"1.30.95\",\"29.1\",\"1.02.3\",\"28.65\","
               "\"p.set\",\"1.29.8\",\"28.9\",\"1.01.5\",\"28.3\",\"q.set\",\"1.32.4\",,,,\"r."
               "set\"\r\n")));
        LapTimeEditor* editor = desk.open(9);
        QVERIFY(editor);
        QCOMPARE(f(editor, "qs3")->text(), QStringLiteral("28.3"));

        click(editor, "cmdsave"); // filling out the lap times clears no split
        QCOMPARE(line(9),
                 std::string("\"1.31.200\",\"a\",\"b\",\"c\",\"qr.set\",\"1.30.950\",\"29.100\","
                             "\"1.02.300\",\"28.650\",\"p.set\",\"1.29.800\",\"28.900\","
                             "\"1.01.500\",\"28.300\",\"q.set\",\"1.32.400\",,,,\"r.set\"\r\n"));

        type(editor, "qlap", QStringLiteral("9"));
        for (const char* split : {"qs1", "qs2", "qs3"})
            QCOMPARE(f(editor, split)->text(), QString());
        QCOMPARE(f(editor, "ps1")->text(), QStringLiteral("29.100"));
        type(editor, "rlap", QStringLiteral("9"));
        QCOMPARE(f(editor, "ps1")->text(), QStringLiteral("29.100"));
        editor->close();
    }

    void clearThenCloseOrSave() {
        Desk desk;
        QVERIFY(desk.ready(fileWithLine(
            2, "\"1.31.200\",\"x\",,\"\",\"qr.set\",\"1.30.950\",\"29.100\",\"1.02.300\","
               "\"28.650\",\"p.set\",\"\",\"\",\"\",\"\",\"\",\"1.32.400\",\"y\",\"\",,\"r."
               "set\"\r\n")));
        const std::string before = readBytes(QStringLiteral("set1.dat"));

        LapTimeEditor* editor = desk.open(2);
        QVERIFY(editor);
        desk.msgs.expect(MessageAnswer::No);
        click(editor, "cmdclear");
        QCOMPARE(f(editor, "plap")->text(), QStringLiteral("1.30.950"));
        desk.msgs.expect(MessageAnswer::Yes);
        click(editor, "cmdclear");
        QCOMPARE(desk.msgs.shown.last().title, QStringLiteral("Clear all Entries"));
        for (const char* name : {"qrlap", "qrset", "plap", "ps1", "ps3", "rlap", "raset"})
            QCOMPARE(f(editor, name)->text(), QString());
        click(editor, "cmdclose");
        QCOMPARE(readBytes(QStringLiteral("set1.dat")), before);

        editor = desk.open(2);
        QVERIFY(editor);
        desk.msgs.expect(MessageAnswer::Yes);
        click(editor, "cmdclear");
        click(editor, "cmdsave");
        // Empty texts, and the six fields the window does not show kept as read.
        QCOMPARE(line(2), std::string("\"\",\"x\",,\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\","
                                      "\"\",\"\",\"\",\"\",\"y\",\"\",,\"\"\r\n"));
        editor->close();
    }

    void leavingTheSecondSplit() {
        Desk desk;
        QVERIFY(desk.ready());
        LapTimeEditor* editor = desk.open(3);
        QVERIFY(editor);
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
        QVERIFY(line(3).find("\"1.30.950\",\"29.100\",\"1.02.300\",\"28.650\"") !=
                std::string::npos);
        QCOMPARE(desk.msgs.beeps, 1);
        editor->close();
    }

    void heldLabels() {
        Desk desk;
        QVERIFY(desk.ready(fileWithLine(
            6, "\"\",\"\",\"\",\"\",\"\",\"1.30.1\",\"29.112\",\"1.02.347\",\"28.654\",\"\","
               "\"1.29.8\",\"28.905\",\"1.01.523\",\"28.301\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n")));
        LapTimeEditor* editor = desk.open(6);
        QVERIFY(editor);
        QLabel* header = child<QLabel>(editor, "Label6");
        QTest::mousePress(header, Qt::LeftButton);
        QCOMPARE(header->text(), QStringLiteral("2nd Split"));
        QCOMPARE(f(editor, "ps2")->text(), QStringLiteral("33.235"));
        QTest::mouseRelease(header, Qt::LeftButton);
        QCOMPARE(header->text(), QStringLiteral("+2nd Split"));
        QCOMPARE(f(editor, "ps2")->text(), QStringLiteral("1.02.347"));
        QCOMPARE(f(editor, "ps3")->text(), QStringLiteral("28.654")); // no change rule ran

        QLabel* diff1 = child<QLabel>(editor, "diff1");
        QLabel* ideal = child<QLabel>(editor, "ideal");
        auto labels = [&](char row) {
            QStringList out;
            for (int i = 1; i <= 4; ++i)
                out << labelText(editor,
                                 QByteArray(1, row).append("ps").append(char('0' + i)).constData());
            return out;
        };
        QTest::mousePress(diff1, Qt::LeftButton);
        QCOMPARE(labels('x'), strings({"+0.207", "+0.824", "+0.353", "+1.177"}));
        QCOMPARE(labels('y'), QStringList(4, QString()));
        QCOMPARE(ideal->text(), QStringLiteral("Ideal Lap Time: 1.29.824"));
        QVERIFY(ideal->isVisibleTo(editor));
        QTest::mouseRelease(diff1, Qt::LeftButton);
        QCOMPARE(labels('x'), QStringList(4, QString()));
        QVERIFY(!ideal->isVisibleTo(editor));
        QTest::mousePress(diff1, Qt::MiddleButton);
        QCOMPARE(labels('x') + labels('y'), QStringList(8, QString()));
        QTest::mouseRelease(diff1, Qt::MiddleButton);

        // A +2nd split that is not a time: no field changes, a hint says why.
        type(editor, "qs1", QString());
        QTest::mousePress(header, Qt::RightButton);
        QCOMPARE(f(editor, "ps2")->text(), QStringLiteral("1.02.347"));
        QVERIFY(!labelText(editor, "status").isEmpty());
        QTest::mouseRelease(header, Qt::RightButton);
        QCOMPARE(labelText(editor, "status"), QString());
        QTest::mousePress(diff1, Qt::RightButton);
        QCOMPARE(labels('y'), QStringList(4, QString()));
        QVERIFY(!labelText(editor, "status").isEmpty());
        QTest::mouseRelease(diff1, Qt::RightButton);

        // Emptying the Practice splits disables the label at once.
        for (const char* name : {"ps1", "ps2", "ps3"})
            f(editor, name)->clear();
        QVERIFY(!diff1->isEnabled());
        editor->close();
    }

    void unreadableFilesAreRefusedAtOpening() {
        Desk desk;
        QVERIFY(desk.ready());
        QFile::remove(QStringLiteral("set1.dat"));
        desk.msgs.expect(MessageAnswer::Ok);
        QVERIFY(!desk.open(8));
        QVERIFY(desk.msgs.shown.last().text.contains(QStringLiteral("set1.dat")));
        QVERIFY(desk.msgs.shown.last().text.contains(QStringLiteral("INITIALISE !")));
        QVERIFY(desk.main.isVisible());
        QVERIFY(!QFile::exists(QStringLiteral("set1.dat")));

        // A file cut short is refused for every circuit, not only the missing ones.
        std::string tenRecords;
        for (int i = 0; i < 10; ++i)
            tenRecords += kBlankLine;
        QVERIFY(writeBytes(QStringLiteral("set1.dat"), tenRecords));
        for (int k : {1, 16}) {
            desk.msgs.expect(MessageAnswer::Ok);
            QVERIFY(!desk.open(k));
            QVERIFY(desk.msgs.shown.last().text.contains(QStringLiteral("10 of its 16")));
        }
        QCOMPARE(readBytes(QStringLiteral("set1.dat")), tenRecords);
        QVERIFY(!QFile::exists(QStringLiteral("temp.dat")));
    }

    void failedSaveKeepsTheTypedTimes() {
        Desk desk;
        QVERIFY(desk.ready());
        LapTimeEditor* editor = desk.open(10);
        QVERIFY(editor);
        type(editor, "rlap", QStringLiteral("1.40.5"));
        type(editor, "raset", QStringLiteral("race.set"));
        QFile::remove(QStringLiteral("set1.dat")); // the file vanished while the editor was open
        desk.msgs.expect(MessageAnswer::Ok);
        click(editor, "cmdsave");
        QCOMPARE(desk.msgs.beeps, 0);
        QVERIFY(desk.msgs.shown.last().text.contains(QStringLiteral("set1.dat")));
        QCOMPARE(f(editor, "rlap")->text(), QStringLiteral("1.40.500"));
        QCOMPARE(f(editor, "raset")->text(), QStringLiteral("race.set"));

        // Once the file is back, the same SAVE works.
        QVERIFY(writeBytes(QStringLiteral("set1.dat"), blankLapRecordFile()));
        click(editor, "cmdsave");
        QCOMPARE(desk.msgs.beeps, 1);
        QVERIFY(line(10).find("\"1.40.500\"") != std::string::npos);
        editor->close();
    }

    void withoutGp2DirectoryOnlyImportSaysSo() {
        Desk desk; // no gp2path: the GP2 directory was never set
        QVERIFY(desk.ready());
        LapTimeEditor* editor = desk.open(11);
        QVERIFY(editor);
        type(editor, "rlap", QStringLiteral("1.40.5"));
        desk.msgs.expect(MessageAnswer::Ok);
        click(editor, "cmdimport");
        QCOMPARE(desk.msgs.shown.size(), 1);
        QCOMPARE(desk.msgs.shown[0].title, QStringLiteral("Cannot access GP2 directory."));
        QVERIFY(!window("frmhof"));
        QCOMPARE(window("frmtimes"), static_cast<QWidget*>(editor));
        QCOMPARE(f(editor, "rlap")->text(), QStringLiteral("1.40.5"));
        editor->close();
        QVERIFY(desk.main.isVisible());
    }

    void storedTextsStayWholeAndTypingIsLimited() {
        // Longer than the typing limits: a hand-edited or older file.
        const std::string notes(40000, 'n');
        const std::string stored = "\"10.02.314\",\"\",\"\",\"\",\"" + notes +
                                   "\",\"1.30.9500\",\"29.1234\",\"1.02.3456\",\"28.650\",\"p\","
                                   "\"\",\"\",\"\",\"\",\"\",\"10.02.314\",\"\",\"\",\"\",\"\"\r\n";
        Desk desk;
        QVERIFY(desk.ready(fileWithLine(7, stored)));
        LapTimeEditor* editor = desk.open(7);
        QVERIFY(editor);
        QCOMPARE(f(editor, "rlap")->text(), QStringLiteral("10.02.314"));
        QCOMPARE(f(editor, "ps1")->text(), QStringLiteral("29.1234"));
        QCOMPARE(f(editor, "qrset")->text().size(), 40000);

        type(editor, "raset", QStringLiteral("wet.set"));
        click(editor, "cmdsave");
        std::string expected = stored;
        expected.replace(expected.rfind("\"\"\r\n"), 4, "\"wet.set\"\r\n");
        QCOMPARE(line(7), expected);

        // A longer text may be shortened but not lengthened; typing stops at the limit.
        QTest::keyClick(f(editor, "rlap"), Qt::Key_End);
        QTest::keyClicks(f(editor, "rlap"), QStringLiteral("9"));
        QCOMPARE(f(editor, "rlap")->text(), QStringLiteral("10.02.314"));
        QTest::keyClick(f(editor, "rlap"), Qt::Key_Backspace);
        QCOMPARE(f(editor, "rlap")->text(), QStringLiteral("10.02.31"));
        type(editor, "plap", QStringLiteral("1.23.4567"));
        QCOMPARE(f(editor, "plap")->text(), QStringLiteral("1.23.456"));
        type(editor, "ps1", QStringLiteral("28.1234"));
        QCOMPARE(f(editor, "ps1")->text(), QStringLiteral("28.123"));

        // Quotes and characters the files cannot hold are refused as they are typed.
        type(editor, "qset", QStringLiteral("my \"fast\" set"));
        QCOMPARE(f(editor, "qset")->text(), QStringLiteral("my fast set"));
        QVERIFY(labelText(editor, "status").contains(QStringLiteral("double quote")));
        for (const QChar c : {QChar(0x20AC), QChar(0x4E2D)}) { // as an input method delivers them
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(f(editor, "qset"), &press);
        }
        QCOMPARE(f(editor, "qset")->text(), QStringLiteral("my fast set\u20ac"));
        click(editor, "cmdsave");
        QVERIFY(line(7).find("\"my fast set\x80\"") != std::string::npos);
        editor->close();
    }

    void handEditedQuoteIsKeptOrNamed() {
        // Field 10 stands bare in the file, holding a double quote and an 8-bit letter.
        const std::string stored =
            "\"\",\"\",\"\",\"\",\"\",\"1.30.000\",\"\",\"\",\"\",caf\xe9\"x,"
            "\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
        Desk desk;
        QVERIFY(desk.ready(fileWithLine(4, stored)));
        LapTimeEditor* editor = desk.open(4);
        QVERIFY(editor);
        QCOMPARE(f(editor, "prset")->text(), QStringLiteral("caf\u00e9\"x"));
        QCOMPARE(labelText(editor, "status"), QString()); // loading refused nothing
        click(editor, "cmdsave");
        QCOMPARE(line(4), stored);

        // Typed on, it can be stored neither quoted nor bare: SAVE says which field, in words.
        QTest::keyClick(f(editor, "prset"), Qt::Key_End);
        QTest::keyClicks(f(editor, "prset"), QStringLiteral(", y"));
        desk.msgs.expect(MessageAnswer::Ok);
        click(editor, "cmdsave");
        QCOMPARE(desk.msgs.beeps, 1);
        QVERIFY(desk.msgs.shown.last().text.contains(QStringLiteral("caf\u00e9\"x, y")));
        QVERIFY(desk.msgs.shown.last().text.contains(QStringLiteral("Practice setup file")));
        QCOMPARE(line(4), stored);
        QCOMPARE(f(editor, "prset")->text(), QStringLiteral("caf\u00e9\"x, y"));
        editor->close();
    }

    void screenReadersMeetOnlyTheVisibleFields() {
        Desk desk;
        QVERIFY(desk.ready());
        LapTimeEditor* editor = desk.open(12);
        QVERIFY(editor);
        const QList<QLineEdit*> fields = editor->findChildren<QLineEdit*>();
        QCOMPARE(fields.size(), 14);
        for (QLineEdit* field : fields) {
            QVERIFY2(field->isVisible(), qPrintable(field->objectName()));
            QVERIFY2(!field->accessibleName().isEmpty(), qPrintable(field->objectName()));
        }
        QCOMPARE(f(editor, "ps2")->accessibleName(), QStringLiteral("Practice +2nd Split"));
        editor->close();
    }
};

QTEST_MAIN(LapTimeEditorTest)
#include "LapTimeEditorTest.moc"
