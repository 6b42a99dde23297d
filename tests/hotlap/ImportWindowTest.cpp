// The hot-lap import from the editor's IMPORT button to the editor's fields,
// with the real velobat and hof2lap on hot laps built by the fixture writer.
#include "app/MainWindow.h"
#include "editor/LapTimeEditor.h"
#include "hotlap/HotlapImportWindow.h"

#include "HotlapFixture.h"
#include "catalogue/DataFiles.h"
#include "platform/BatchRunner.h"
#include "store/LapRecordFile.h"
#include "support/FakeMessages.h"
#include "support/TestFiles.h"
#include "support/Windows.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace velomark;
using namespace velomark::test;

namespace {

constexpr int kGenerousWait = 35000; // beyond the import's own 30 s time-out

// The GP2 directory GP2 in the working directory, with hot laps of circuits 1
// and 2 in its gpsaves folder, and a Standard and a Custom lap record file.
[[nodiscard]] bool writeDesk(const ScopedWorkDir& dir) {
    const QString saves = dir.path(QStringLiteral("GP2/gpsaves/"));
    const std::pair<const char*, std::string> files[] = {
        {"AHOT.HL", hotlapFile({.session = 0x44})},
        {"ahot2.hl", hotlapFile({.session = 0x80, .lapTime = 95321})},
        {"AWARM.HLP", hotlapFile({.session = 0x02})},
        {"BHOT.HL", hotlapFile({.track = 1})},
        {"JUNK.HL", "not a hot lap"},
        {"Q\"Q.HL", hotlapFile({})}};
    bool ok = QDir().mkpath(saves) && writeGp2Path(dir.file("GP2")).ok() &&
              writeBytes(QStringLiteral("set1.dat"), blankLapRecordFile()) &&
              writeBytes(QStringLiteral("set3.dat"), blankLapRecordFile()) &&
              writeBytes(QStringLiteral("custom"), fixture("custom_initialised"));
    for (const auto& [name, bytes] : files)
        ok = ok && writeBytes(saves + QString::fromLatin1(name), bytes);
    return ok;
}

QStringList dataFolder() {
    return QDir().entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
}

QStringList names(QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

void clickFile(QListWidget* list, const QString& name) {
    const QList<QListWidgetItem*> items = list->findItems(name, Qt::MatchExactly);
    QRect at = items.isEmpty() ? QRect() : list->visualItemRect(items.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at.center());
}

QString text(QWidget* window, const char* name) {
    auto* f = child<QLineEdit>(window, name);
    return f ? f->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

QStringList fields(QWidget* import) {
    return {text(import, "session"), text(import, "lap"), text(import, "split1"),
            text(import, "split2"), text(import, "circuit")};
}

void click(QWidget* window, const char* button) {
    QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
}

// Opens circuit K and presses IMPORT; the import window when it is shown.
HotlapImportWindow* openImport(MainWindow& main, int k, LapTimeEditor** editor) {
    QTest::mouseClick(main.findChild<QPushButton*>(QStringLiteral("t%1").arg(k)), Qt::LeftButton);
    *editor = window<LapTimeEditor>("frmtimes");
    if (!*editor)
        return nullptr;
    QApplication::setActiveWindow(*editor);
    if (!QTest::qWaitForWindowActive(*editor))
        return nullptr;
    click(*editor, "cmdimport");
    auto* import = window<HotlapImportWindow>("frmhof");
    return import && import->isVisible() ? import : nullptr;
}

// Selects a file by mouse and waits for its extraction to run its finishing steps.
[[nodiscard]] bool extract(HotlapImportWindow* import, const QString& file) {
    QSignalSpy done(import, &HotlapImportWindow::extracted);
    clickFile(child<QListWidget>(import, "File1"), file);
    return (!done.isEmpty() || done.wait(kGenerousWait)) && done.count() == 1;
}

} // namespace

class ImportWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { BatchRunner::setInterpreterDirectory(QStringLiteral(VELOBAT_DIR)); }
    // A failed test leaves no window behind for the next one to find.
    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets())
            w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void lapsReachTheEditorOnlyThroughInsert() {
        ScopedWorkDir dir;
        FakeMessages msgs;
        QVERIFY(writeDesk(dir));
        MainWindow main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        LapTimeEditor* editor = nullptr;
        QPointer<HotlapImportWindow> import = openImport(main, 1, &editor);
        QVERIFY(import);
        auto* list = child<QListWidget>(import, "File1");
        auto* cmdins = child<QPushButton>(import, "cmdins");
        QCOMPARE(names(list), strings({"AHOT.HL", "ahot2.hl"}));
        QVERIFY(!cmdins->isVisible());

        // While hof2lap runs: the wait window, the busy pointer, and a second
        // selection that is put back instead of starting another extraction.
        QSignalSpy done(import.data(), &HotlapImportWindow::extracted);
        clickFile(list, QStringLiteral("AHOT.HL"));
        QPointer<QWidget> wait = window("frmwait");
        QVERIFY(wait && wait->isVisible());
        QVERIFY(QApplication::overrideCursor());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        clickFile(list, QStringLiteral("ahot2.hl"));
        click(import, "cmdins"); // hidden and busy: nothing happens
        QCOMPARE(list->currentItem()->text(), QStringLiteral("AHOT.HL"));
        QVERIFY(done.wait(kGenerousWait));
        QCOMPARE(fields(import),
                 strings({"Qualifying", "1.23.456", "41.123", "1.02.345", "Interlagos"}));
        QVERIFY(cmdins->isVisible());
        QVERIFY(!wait->isVisible());
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(dataFolder(), strings({"custom", "gp2path", "set1.dat", "set3.dat"}));
        QCOMPARE(text(editor, "qlap"), QString());

        click(import, "cmdins");
        QVERIFY(!import->isVisible());
        QCOMPARE((QStringList{text(editor, "qlap"), text(editor, "qs1"), text(editor, "qs2")}),
                 strings({"1.23.456", "41.123", "1.02.345"}));
        QApplication::setActiveWindow(editor);
        QVERIFY(QTest::qWaitForWindowActive(editor));
        QCOMPARE(text(editor, "qs3"), QStringLiteral("21.111"));
        QVERIFY(!window("frmhof"));

        // A race lap chosen with the keyboard goes to the slot the player names.
        click(editor, "cmdimport");
        import = window<HotlapImportWindow>("frmhof");
        QVERIFY(import);
        list = child<QListWidget>(import, "File1");
        QSignalSpy raceDone(import.data(), &HotlapImportWindow::extracted);
        QApplication::setActiveWindow(import);
        QVERIFY(QTest::qWaitForWindowActive(import));
        QCOMPARE(QApplication::focusWidget(), list);
        QTest::keyClick(list, Qt::Key_End);
        QVERIFY(raceDone.wait(kGenerousWait));
        QCOMPARE(text(import, "session"), QStringLiteral("Race/Quickrace"));
        click(import, "cmdins");
        QPointer<QWidget> slotChoice = window("frmqr");
        QVERIFY(slotChoice && slotChoice->isVisible() && import->isVisible());
        click(slotChoice, "cmdr");
        QVERIFY(!window("frmqr"));
        QVERIFY(import && !import->isVisible());
        QCOMPARE(text(editor, "rlap"), QStringLiteral("1.35.321"));
        QCOMPARE(text(editor, "qrlap"), QString());

        // The editor's activation leaves the hidden window loaded; IMPORT shows it as it was.
        QApplication::setActiveWindow(editor);
        QVERIFY(QTest::qWaitForWindowActive(editor));
        click(editor, "cmdimport");
        QCOMPARE(window<HotlapImportWindow>("frmhof"), import.data());
        QVERIFY(import->isVisible());
        QCOMPARE(fields(import),
                 strings({"Race/Quickrace", "1.35.321", "41.123", "1.02.345", "Interlagos"}));
        click(import, "cmdins");
        click(window("frmqr"), "cmdqr");
        QCOMPARE(text(editor, "qrlap"), QStringLiteral("1.35.321"));

        editor->close();
        QVERIFY(!window("frmhof"));
    }

    void customListsEveryHotLapAndSaysWhatWentWrong() {
        ScopedWorkDir dir;
        FakeMessages msgs;
        QVERIFY(writeDesk(dir));
        MainWindow main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        main.selectTrackset(Trackset::Custom);
        LapTimeEditor* editor = nullptr;
        QPointer<HotlapImportWindow> import = openImport(main, 16, &editor);
        QVERIFY(import);
        QCOMPARE(names(child<QListWidget>(import, "File1")),
                 strings({"AHOT.HL", "ahot2.hl", "AWARM.HLP", "BHOT.HL", "JUNK.HL", "Q\"Q.HL"}));

        // A warm-up lap has no slot: INSERT does nothing.
        QVERIFY(extract(import, QStringLiteral("AWARM.HLP")));
        QCOMPARE(text(import, "session"), QStringLiteral("Warm-up"));
        click(import, "cmdins");
        QVERIFY(import->isVisible() && !window("frmqr"));
        QCOMPARE(text(editor, "plap") + text(editor, "qlap") + text(editor, "rlap") +
                     text(editor, "qrlap"),
                 QString());

        // A name that cannot go into hof.bat, a file hof2lap cannot read, no
        // interpreter: each is told, the fields are emptied, the working files go.
        const std::pair<const char*, const char*> failures[] = {
            {"Q\"Q.HL", "its name holds a double quote"},
            {"JUNK.HL", "hof2lap: "},
            {"AHOT.HL", "velobat could not be started"}};
        QTemporaryDir noInterpreter;
        for (const auto& [file, why] : failures) {
            if (QLatin1String(file) == QLatin1String("AHOT.HL"))
                BatchRunner::setInterpreterDirectory(noInterpreter.path());
            msgs.expect(MessageAnswer::Ok);
            QVERIFY(extract(import, QString::fromLatin1(file)));
            QCOMPARE(msgs.shown.size(), 1);
            QVERIFY2(msgs.shown.takeFirst().text.contains(QLatin1String(why)), file);
            QCOMPARE(fields(import), QStringList(5, QString()));
            QCOMPARE(dataFolder(), strings({"custom", "gp2path", "set1.dat", "set3.dat"}));
            QVERIFY(!QApplication::overrideCursor());
        }
        BatchRunner::setInterpreterDirectory(QStringLiteral(VELOBAT_DIR));

        // CLOSE in the middle of an extraction stops it and takes its windows along.
        clickFile(child<QListWidget>(import, "File1"), QStringLiteral("AHOT.HL"));
        QPointer<QWidget> wait = window("frmwait");
        QVERIFY(wait && wait->isVisible());
        click(import, "Command1");
        QVERIFY(!window("frmhof") && !window("frmwait"));
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(dataFolder(), strings({"custom", "gp2path", "set1.dat", "set3.dat"}));
        QCOMPARE(window("frmtimes"), static_cast<QWidget*>(editor));

        // Without the saves folder the list is empty and says which folder it looked in.
        QVERIFY(QDir().rename(QStringLiteral("GP2/gpsaves"), QStringLiteral("GP2/old")));
        click(editor, "cmdimport");
        import = window<HotlapImportWindow>("frmhof");
        QVERIFY(import && child<QListWidget>(import, "File1")->count() == 0);
        QVERIFY(child<QLabel>(import, "status")
                    ->text()
                    .contains(dir.path(QStringLiteral("GP2/gpsaves"))));
        editor->close();
    }
};

QTEST_MAIN(ImportWindowTest)
#include "ImportWindowTest.moc"
