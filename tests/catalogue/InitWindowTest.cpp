// The initialisation window: resetting tracksets and storing the GP2 directory.
#include "catalogue/InitWindow.h"
#include "app/MainWindow.h"

#include "store/LapRecordFile.h"
#include "support/FakeMessages.h"
#include "support/TestFiles.h"
#include "support/Windows.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace velomark;
using namespace velomark::test;

Q_DECLARE_METATYPE(velomark::MessageAnswer)

namespace {
InitWindow* openFrom(MainWindow& main) {
    QTest::mouseClick(main.findChild<QPushButton*>(QStringLiteral("cmdinit")), Qt::LeftButton);
    return window<InitWindow>("frminit");
}
} // namespace

class InitWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void doIt_data() {
        QTest::addColumn<bool>("standard");
        QTest::addColumn<bool>("custom");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<QStringList>("written");
        QTest::newRow("nothing ticked is still all gone")
            << false << false << MessageAnswer::Yes << QStringList();
        QTest::newRow("answer no") << true << true << MessageAnswer::No << QStringList();
        QTest::newRow("standard and custom")
            << true << true << MessageAnswer::Yes << strings({"custom", "set1.dat", "set3.dat"});
    }
    void doIt() {
        QFETCH(bool, standard);
        QFETCH(bool, custom);
        QFETCH(MessageAnswer, answer);
        QFETCH(QStringList, written);
        ScopedWorkDir dir;
        FakeMessages msgs;
        MainWindow main;
        InitWindow* init = openFrom(main);
        QVERIFY(init);
        child<QCheckBox>(init, "Check1")->setChecked(standard);
        child<QCheckBox>(init, "Check3")->setChecked(custom);
        msgs.expect(answer);
        if (answer == MessageAnswer::Yes)
            msgs.expect(MessageAnswer::Ok);
        QTest::mouseClick(child<QPushButton>(init, "Command1"), Qt::LeftButton);

        QCOMPARE(msgs.shown[0].title, QStringLiteral("Datafile Initialisation"));
        QCOMPARE(msgs.shown[0].text,
                 QStringLiteral("Are you sure you want to initialise your lap times ?"));
        QCOMPARE(msgs.shown[0].buttons, MessageButtons::YesNo);
        if (answer == MessageAnswer::Yes) {
            QCOMPARE(msgs.shown[1].title, QStringLiteral("Datafile Initialised"));
            QCOMPARE(msgs.shown[1].text, QStringLiteral("Its all gone."));
        }
        QCOMPARE(msgs.beeps, answer == MessageAnswer::Yes ? 1 : 0);
        QVERIFY(!window("frminit"));
        QCOMPARE(QDir(dir.path(QString())).entryList(QDir::Files), written);
        if (custom && answer == MessageAnswer::Yes) {
            QCOMPARE(readBytes(QStringLiteral("custom")), std::string(",,,,,,,,,,,,,,,\r\n"));
            QCOMPARE(readBytes(QStringLiteral("set3.dat")), blankLapRecordFile());
        }
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
