// The initialisation window: resetting tracksets and storing the GP2 directory.
#include "catalogue/InitWindow.h"
#include "app/MainWindow.h"

#include "support/FakeMessages.h"
#include "support/TestFiles.h"
#include "support/Windows.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace velomark;
using namespace velomark::test;

namespace {
InitWindow* openFrom(MainWindow& main) {
    QTest::mouseClick(main.findChild<QPushButton*>(QStringLiteral("cmdinit")), Qt::LeftButton);
    return window<InitWindow>("frminit");
}
} // namespace

class InitWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void nothingTickedIsStillAllGone() {
        ScopedWorkDir dir;
        FakeMessages msgs;
        MainWindow main;
        InitWindow* init = openFrom(main);
        QVERIFY(init);
        msgs.expect(MessageAnswer::Yes);
        msgs.expect(MessageAnswer::Ok);
        QTest::mouseClick(child<QPushButton>(init, "Command1"), Qt::LeftButton);
        QCOMPARE(msgs.shown.size(), 2);
        QCOMPARE(msgs.shown[0].title, QStringLiteral("Datafile Initialisation"));
        QCOMPARE(msgs.shown[0].text,
                 QStringLiteral("Are you sure you want to initialise your lap times ?"));
        QCOMPARE(msgs.shown[0].buttons, MessageButtons::YesNo);
        QCOMPARE(msgs.shown[1].title, QStringLiteral("Datafile Initialised"));
        QCOMPARE(msgs.shown[1].text, QStringLiteral("Its all gone."));
        QCOMPARE(msgs.beeps, 1);
        QVERIFY(!window("frminit"));
        QVERIFY(QDir(dir.path(QString())).isEmpty());
    }

    void answerNoWritesNothing() {
        ScopedWorkDir dir;
        FakeMessages msgs;
        MainWindow main;
        InitWindow* init = openFrom(main);
        child<QCheckBox>(init, "Check2")->setChecked(true);
        msgs.expect(MessageAnswer::No);
        QTest::mouseClick(child<QPushButton>(init, "Command1"), Qt::LeftButton);
        QVERIFY(!window("frminit"));
        QVERIFY(QDir(dir.path(QString())).isEmpty());
        QCOMPARE(msgs.beeps, 0);
        init = openFrom(main);
        QVERIFY(!child<QCheckBox>(init, "Check2")->isChecked()); // each opening starts unticked
        init->close();
    }

    void gp2PathLosesOneTrailingBackslash_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("two backslashes")
            << QStringLiteral("C:\\GP2\\\\") << QByteArray("\"C:\\GP2\\\"\r\n")
            << QStringLiteral("C:\\GP2\\");
        QTest::newRow("empty") << QString() << QByteArray("\"\"\r\n") << QString();
    }
    void gp2PathLosesOneTrailingBackslash() {
        QFETCH(QString, typed);
        QFETCH(QByteArray, stored);
        QFETCH(QString, shown);
        ScopedWorkDir dir;
        FakeMessages msgs;
        MainWindow main;
        InitWindow* init = openFrom(main);
        QTest::keyClicks(child<QLineEdit>(init, "gp2p"), typed);
        QTest::mouseClick(child<QPushButton>(init, "Command2"), Qt::LeftButton);
        QCOMPARE(QByteArray::fromStdString(readBytes(QStringLiteral("gp2path"))), stored);
        QCOMPARE(msgs.beeps, 1);
        QVERIFY(!window("frminit"));

        // The next opening shows what was stored.
        init = openFrom(main);
        QCOMPARE(child<QLineEdit>(init, "gp2p")->text(), shown);
        init->close();
    }

    void failedGp2PathSaveKeepsTheWindow() {
        ScopedWorkDir dir;
        QDir().mkdir(QStringLiteral("gp2path")); // a directory stands where the file must go
        FakeMessages msgs;
        msgs.expect(MessageAnswer::Ok);
        MainWindow main;
        InitWindow* init = openFrom(main);
        QTest::keyClicks(child<QLineEdit>(init, "gp2p"), QStringLiteral("D:\\Games\\GP2"));
        QTest::mouseClick(child<QPushButton>(init, "Command2"), Qt::LeftButton);
        QCOMPARE(msgs.shown.size(), 1);
        QVERIFY(msgs.shown[0].text.contains(QStringLiteral("gp2path")));
        QCOMPARE(msgs.beeps, 0);
        QCOMPARE(window("frminit"), static_cast<QWidget*>(init));
        QCOMPARE(child<QLineEdit>(init, "gp2p")->text(), QStringLiteral("D:\\Games\\GP2"));
        init->close();
    }
};

QTEST_MAIN(InitWindowTest)
#include "InitWindowTest.moc"
