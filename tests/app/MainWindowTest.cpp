// The main window: tracksets, captions, the Custom selection, the hand-over
// to the editor and the windows its activation closes; the About box.
#include "app/MainWindow.h"
#include "app/AboutBox.h"

#include "store/LapRecordFile.h"
#include "support/FakeMessages.h"
#include "support/TestFiles.h"
#include "support/Windows.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace velomark;
using namespace velomark::test;

namespace {

QString caption(MainWindow& w, int k) {
    return w.findChild<QPushButton*>(QStringLiteral("t%1").arg(k))->text();
}

QString heading(MainWindow& w) {
    return w.findChild<QLabel*>(QStringLiteral("labset"))->text();
}

QRadioButton* option(MainWindow& w, int i) {
    return w.findChild<QRadioButton*>(QStringLiteral("set%1").arg(i));
}

QColor textColour(QWidget* w) {
    return w->palette().color(QPalette::WindowText);
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void freshStartReadsNoFile() {
        ScopedWorkDir dir; // empty: no data file at all
        FakeMessages msgs;
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        QCOMPARE(w.objectName(), QStringLiteral("frmMain"));
        QVERIFY(w.windowTitle().startsWith(QStringLiteral("GP2 Velomark V1.5      by ")));
        QCOMPARE(heading(w), QStringLiteral("Standard GP2 Circuits"));
        QCOMPARE(caption(w, 1), QStringLiteral("Interlagos\nBrazil"));
        QCOMPARE(caption(w, 16), QStringLiteral("Adelaide\nAustralia"));
        QVERIFY(option(w, 1)->isChecked());
        QCOMPARE(textColour(option(w, 1)), QColor(0, 0, 255));
        QCOMPARE(textColour(option(w, 2)), QColor(0, 0, 0));
        QVERIFY(QDir(dir.path(QString())).isEmpty());

        QTest::mouseClick(option(w, 2), Qt::LeftButton);
        QCOMPARE(caption(w, 1), QStringLiteral("Brands Hatch\nIreland"));
        QCOMPARE(caption(w, 3), QStringLiteral("Imola\nSan Marino"));
        QCOMPARE(heading(w), QStringLiteral("IA Track Pack Circuits"));
        QCOMPARE(textColour(option(w, 2)), QColor(0, 0, 255));
        QCOMPARE(textColour(option(w, 1)), QColor(0, 0, 0));
        QTest::mouseClick(option(w, 1), Qt::LeftButton);
        QCOMPARE(caption(w, 1), QStringLiteral("Interlagos\nBrazil"));
    }

    void customWithFileShowsItsCaptions() {
        ScopedWorkDir dir;
        FakeMessages msgs;
        QVERIFY(writeBytes(QStringLiteral("custom"), fixture("custom_two_lines")));
        MainWindow w;
        QTest::mouseClick(option(w, 3), Qt::LeftButton);
        QCOMPARE(w.selectedTrackset(), Trackset::Custom);
        QCOMPARE(caption(w, 1), QStringLiteral("Interlagos\nBrazil"));
        QCOMPARE(caption(w, 2), QStringLiteral("A1 Ring\nAustria"));
        QCOMPARE(caption(w, 3), QStringLiteral("\n"));
        QCOMPARE(caption(w, 16), QStringLiteral("Last\nOne"));
        QCOMPARE(heading(w), QStringLiteral("User-defined Custom Circuits"));

        // Selecting Custom again reads the file again.
        QVERIFY(writeBytes(QStringLiteral("custom"), fixture("custom_initialised")));
        w.selectTrackset(Trackset::Custom);
        QCOMPARE(caption(w, 1), QString());
        QCOMPARE(caption(w, 16), QString());
    }

    void customWithoutFileSaysOoopsOnce() {
        ScopedWorkDir dir;
        FakeMessages msgs;
        msgs.expect(MessageAnswer::Ok);
        MainWindow w;
        QTest::mouseClick(option(w, 2), Qt::LeftButton);
        QTest::mouseClick(option(w, 3), Qt::LeftButton);

        QCOMPARE(msgs.shown.size(), 1);
        QCOMPARE(msgs.shown[0].title, QStringLiteral("Ooops!"));
        QCOMPARE(msgs.shown[0].text,
                 QStringLiteral(
                     "You need to set up some circuits first. Press the `?` button to do this"));
        QCOMPARE(msgs.shown[0].icon, MessageIcon::Stop);
        QCOMPARE(w.selectedTrackset(), Trackset::Standard);
        QCOMPARE(caption(w, 1), QStringLiteral("Interlagos\nBrazil"));
        QCOMPARE(heading(w), QStringLiteral("Standard GP2 Circuits"));
        QCOMPARE(textColour(option(w, 3)), QColor(0, 0, 0));

        // A custom file far larger than any real one is refused by name, at once.
        QVERIFY(writeBytes(QStringLiteral("custom"), std::string(2 << 20, ',')));
        msgs.expect(MessageAnswer::Ok);
        QTest::mouseClick(option(w, 3), Qt::LeftButton);
        QCOMPARE(msgs.shown.size(), 2);
        QVERIFY(msgs.shown[1].text.contains(QStringLiteral("custom")));
        QCOMPARE(w.selectedTrackset(), Trackset::Standard);
    }

    void keyboardPressOpensThatCircuit() {
        ScopedWorkDir dir;
        FakeMessages msgs;
        QVERIFY(writeBytes(QStringLiteral("set2.dat"), blankLapRecordFile()));
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseClick(option(w, 2), Qt::LeftButton);

        auto* t12 = w.findChild<QPushButton*>(QStringLiteral("t12"));
        QTest::mouseMove(t12);
        QTRY_COMPARE(w.tno2(), 12);

        // The pointer rests on t12, but t7 is pressed from the keyboard.
        auto* t7 = w.findChild<QPushButton*>(QStringLiteral("t7"));
        t7->setFocus();
        QTest::keyClick(t7, Qt::Key_Space);
        QWidget* editor = window("frmtimes");
        QVERIFY(editor);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.fn(), std::string("set2.dat"));
        QCOMPARE(child<QLabel>(editor, "track")->text(), QStringLiteral("Paul Ricard\nFrance"));
        QTest::keyClicks(child<QLineEdit>(editor, "rlap"), QStringLiteral("1.30.000"));
        QTest::mouseClick(child<QPushButton>(editor, "cmdsave"), Qt::LeftButton);
        QCOMPARE(msgs.beeps, 1);
        const std::string saved = readBytes(QStringLiteral("set2.dat"));
        // Line 7, field 16: after six blank lines of 61 bytes and 15 empty fields with their
        // commas.
        QCOMPARE(saved.find("\"1.30.000\""), size_t(6 * 61 + 15 * 3));

        QTest::mouseClick(child<QPushButton>(editor, "cmdclose"), Qt::LeftButton);
        QVERIFY(w.isVisible());
    }

    void activationClosesTheEditorAndTheInitialisationWindow() {
        ScopedWorkDir dir;
        FakeMessages msgs;
        QVERIFY(writeBytes(QStringLiteral("set1.dat"), blankLapRecordFile()));
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("cmdinit")), Qt::LeftButton);
        QPointer<QWidget> init = window("frminit");
        QVERIFY(init);
        QApplication::setActiveWindow(init);
        QVERIFY(QTest::qWaitForWindowActive(init));
        QApplication::setActiveWindow(&w); // the player clicks on the main window
        QTRY_VERIFY(!init);

        QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("t4")), Qt::LeftButton);
        QPointer<QWidget> editor = window("frmtimes");
        QVERIFY(editor);
        w.show(); // the main window comes back while the editor is still open
        QApplication::setActiveWindow(&w);
        QTRY_VERIFY(!editor);
    }

    void aboutBoxOpensOnceAndClosesByKey() {
        ScopedWorkDir dir;
        FakeMessages msgs;
        MainWindow main;
        auto* picture = main.findChild<QLabel*>(QStringLiteral("Image2"));
        for (int key : {Qt::Key_Return, Qt::Key_Escape}) {
            QTest::mouseClick(picture, Qt::LeftButton);
            QPointer<QWidget> about = window("frmAbout");
            QTest::mouseClick(picture, Qt::LeftButton); // the open box comes to the front
            QVERIFY(about && window("frmAbout") == about && !about->isModal());
            QCOMPARE(child<QLabel>(about, "lblVersion")->text(), QStringLiteral("Version 1.5"));
            QTest::keyClick(about, Qt::Key(key));
            QVERIFY(!window("frmAbout"));
        }
        // The home page link leads somewhere for a build-tree copy as for an installed one.
        const QUrl home = AboutBox::homePage();
        QVERIFY2(QFileInfo(home.toLocalFile()).isFile(), qPrintable(home.toString()));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
