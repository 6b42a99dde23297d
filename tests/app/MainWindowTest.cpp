// The main window: tracksets, captions, the Custom selection and the hand-over.
#include "app/MainWindow.h"

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

QStringList captions(MainWindow& w) {
    QStringList out;
    for (int k = 1; k <= 16; ++k)
        out << w.findChild<QPushButton*>(QStringLiteral("t%1").arg(k))->text();
    return out;
}

QStringList fixedCaptions(Trackset set) {
    QStringList out;
    for (const Circuit& c : fixedCircuits(set))
        out << QString::fromStdString(buttonCaption(c));
    return out;
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
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("labset"))->text(),
                 QStringLiteral("Standard GP2 Circuits"));
        QCOMPARE(captions(w), fixedCaptions(Trackset::Standard));
        QCOMPARE(captions(w).at(0), QStringLiteral("Interlagos\nBrazil"));
        auto* set1 = w.findChild<QRadioButton*>(QStringLiteral("set1"));
        QVERIFY(set1->isChecked());
        QCOMPARE(textColour(set1), QColor(0, 0, 255));
        QCOMPARE(textColour(w.findChild<QRadioButton*>(QStringLiteral("set2"))), QColor(0, 0, 0));
        QVERIFY(w.fn().isEmpty());
        QVERIFY(w.tno2().isEmpty());
        QVERIFY(QDir(dir.path(QString())).isEmpty());
    }

    void trackPackAndBack() {
        ScopedWorkDir dir;
        FakeMessages msgs;
        MainWindow w;
        QTest::mouseClick(w.findChild<QRadioButton*>(QStringLiteral("set2")), Qt::LeftButton);
        QCOMPARE(captions(w), fixedCaptions(Trackset::TrackPack));
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("labset"))->text(),
                 QStringLiteral("IA Track Pack Circuits"));
        QCOMPARE(textColour(w.findChild<QRadioButton*>(QStringLiteral("set2"))), QColor(0, 0, 255));
        QCOMPARE(textColour(w.findChild<QRadioButton*>(QStringLiteral("set1"))), QColor(0, 0, 0));

        QTest::mouseClick(w.findChild<QRadioButton*>(QStringLiteral("set1")), Qt::LeftButton);
        QCOMPARE(captions(w), fixedCaptions(Trackset::Standard));
    }

    void customWithFileShowsItsCaptions() {
        ScopedWorkDir dir;
        FakeMessages msgs;
        writeBytes(QStringLiteral("custom"), fixture("custom_two_lines"));
        MainWindow w;
        QTest::mouseClick(w.findChild<QRadioButton*>(QStringLiteral("set3")), Qt::LeftButton);
        QCOMPARE(w.selectedTrackset(), Trackset::Custom);
        QCOMPARE(captions(w).at(0), QStringLiteral("Interlagos\nBrazil"));
        QCOMPARE(captions(w).at(1), QStringLiteral("A1 Ring\nAustria"));
        QCOMPARE(captions(w).at(2), QStringLiteral("\n"));
        QCOMPARE(captions(w).at(15), QStringLiteral("Last\nOne"));
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("labset"))->text(),
                 QStringLiteral("User-defined Custom Circuits"));

        // Selecting Custom again reads the file again.
        writeBytes(QStringLiteral("custom"), fixture("custom_initialised"));
        w.selectTrackset(Trackset::Custom);
        QCOMPARE(captions(w), QStringList(16, QString()));
    }

    void customWithoutFileSaysOoopsOnce() {
        ScopedWorkDir dir;
        FakeMessages msgs;
        msgs.expect(MessageAnswer::Ok);
        MainWindow w;
        QTest::mouseClick(w.findChild<QRadioButton*>(QStringLiteral("set2")), Qt::LeftButton);
        QTest::mouseClick(w.findChild<QRadioButton*>(QStringLiteral("set3")), Qt::LeftButton);

        QCOMPARE(msgs.shown.size(), 1);
        QCOMPARE(msgs.shown[0].title, QStringLiteral("Ooops!"));
        QCOMPARE(msgs.shown[0].text,
                 QStringLiteral(
                     "You need to set up some circuits first. Press the `?` button to do this"));
        QCOMPARE(msgs.shown[0].icon, MessageIcon::Stop);
        QCOMPARE(w.selectedTrackset(), Trackset::Standard);
        QCOMPARE(captions(w), fixedCaptions(Trackset::Standard));
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("labset"))->text(),
                 QStringLiteral("Standard GP2 Circuits"));
        QCOMPARE(textColour(w.findChild<QRadioButton*>(QStringLiteral("set3"))), QColor(0, 0, 0));
    }

    void activationClosesTheInitialisationWindow() {
        ScopedWorkDir dir;
        FakeMessages msgs;
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
    }

    void clickHandsOverTheClickedCircuit() {
        ScopedWorkDir dir;
        FakeMessages msgs;
        MainWindow w;
        QString caption;
        int circuit = 0;
        QString fnSeen;
        QString tno2Seen;
        w.setEditorOpener([&](MainWindow& main, const QString& c, int k) {
            caption = c;
            circuit = k;
            fnSeen = main.fn();
            tno2Seen = main.tno2();
        });
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseClick(w.findChild<QRadioButton*>(QStringLiteral("set2")), Qt::LeftButton);

        auto* t12 = w.findChild<QPushButton*>(QStringLiteral("t12"));
        QTest::mouseMove(t12);
        QTRY_COMPARE(w.tno2(), QStringLiteral("12"));

        // The pointer rested on t12, but t7 is pressed from the keyboard.
        auto* t7 = w.findChild<QPushButton*>(QStringLiteral("t7"));
        t7->setFocus();
        QTest::keyClick(t7, Qt::Key_Space);
        QCOMPARE(circuit, 7);
        QCOMPARE(tno2Seen, QStringLiteral("7"));
        QCOMPARE(fnSeen, QStringLiteral("set2.dat"));
        QCOMPARE(caption, QStringLiteral("Paul Ricard\nFrance"));

        QTest::mouseClick(w.findChild<QRadioButton*>(QStringLiteral("set1")), Qt::LeftButton);
        QTest::mouseClick(t12, Qt::LeftButton);
        QCOMPARE(circuit, 12);
        QCOMPARE(fnSeen, QStringLiteral("set1.dat"));
        QCOMPARE(caption, QStringLiteral("Monza\nItaly"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
