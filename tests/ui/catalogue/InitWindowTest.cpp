// The initialisation window: resetting tracksets and storing the GP2 directory.
#include "ui/catalogue/InitWindow.h"

#include "support/Windows.h"

#include <QCheckBox>
#include <QtTest>

using namespace velomark;
using namespace velomark::test;

class InitWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void doIt_data() {
        QTest::addColumn<QByteArray>("ticked"); // the numbers of the ticked boxes
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("written");
        QTest::newRow("nothing ticked is still all gone") << QByteArray() << true << QStringList();
        QTest::newRow("answer no") << QByteArray("123") << false << QStringList();
        QTest::newRow("pack") << QByteArray("2") << true << strings({"set2.dat"});
        QTest::newRow("standard and custom")
            << QByteArray("13") << true << strings({"custom", "set1.dat", "set3.dat"});
    }
    void doIt() {
        QFETCH(QByteArray, ticked);
        QFETCH(bool, yes);
        QFETCH(QStringList, written);
        ScopedWorkDir dir;
        FakeMessages msgs;
        auto* init = new InitWindow; // deletes itself on closing
        for (QCheckBox* box : init->findChildren<QCheckBox*>())
            box->setChecked(ticked.contains(box->objectName().back().toLatin1()));
        msgs.expect(yes ? MessageAnswer::Yes : MessageAnswer::No);
        if (yes)
            msgs.expect(MessageAnswer::Ok);
        clickButton(init, "Command1");

        QCOMPARE(msgs.shown[0].title, QStringLiteral("Datafile Initialisation"));
        QCOMPARE(msgs.shown[0].text,
                 QStringLiteral("Are you sure you want to initialise your lap times ?"));
        QCOMPARE(msgs.shown[0].buttons, MessageButtons::YesNo);
        if (yes)
            QCOMPARE(msgs.shown[1].title + QStringLiteral(": ") + msgs.shown[1].text,
                     QStringLiteral("Datafile Initialised: Its all gone."));
        QCOMPARE(msgs.beeps, yes ? 1 : 0);
        QVERIFY(!window("frminit"));
        QCOMPARE(QDir(dir.path(QString())).entryList(QDir::Files), written);
        for (const QString& name : written)
            QCOMPARE(readBytes(name),
                     fixture(name == u"custom" ? "custom_initialised" : "blank.dat"));
    }

    void gp2PathLosesOneTrailingBackslash() {
        ScopedWorkDir dir;
        QVERIFY(QDir().mkdir(QStringLiteral("gp2path"))); // a folder stands where the file goes
        FakeMessages msgs;
        auto* init = new InitWindow; // deletes itself on closing
        QTest::keyClicks(child<QLineEdit>(init, "gp2p"), QStringLiteral("D:\\GP2\\\\"));
        msgs.expect(MessageAnswer::Ok);
        clickButton(init, "Command2");
        QVERIFY(msgs.shown.last().text.contains(QStringLiteral("gp2path")));
        QCOMPARE(msgs.beeps, 0); // the window stays, with what was typed
        QVERIFY(window("frminit") == init &&
                child<QLineEdit>(init, "gp2p")->text() == QStringLiteral("D:\\GP2\\\\"));

        QVERIFY(QDir().rmdir(QStringLiteral("gp2path")));
        clickButton(init, "Command2");
        QCOMPARE(readBytes(QStringLiteral("gp2path")), std::string("\"D:\\GP2\\\"\r\n"));
        QCOMPARE(msgs.beeps, 1);
        QVERIFY(!window("frminit"));
        InitWindow next; // the next opening shows what was stored
        QCOMPARE(child<QLineEdit>(&next, "gp2p")->text(), QStringLiteral("D:\\GP2\\"));
    }
};

QTEST_MAIN(InitWindowTest)
#include "InitWindowTest.moc"
