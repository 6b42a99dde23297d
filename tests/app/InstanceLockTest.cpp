// One instance at a time, per user and per data folder, and a lock left by a
// killed instance does not block.
#include "app/InstanceLock.h"

#include "support/FakeMessages.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace velomark;
using namespace velomark::test;

class InstanceLockTest : public QObject {
    Q_OBJECT
  private slots:
    void secondInstanceRefusedUntilTheFirstDies() {
        QTemporaryDir runtime; // mode 0700, as a runtime directory must be
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        qputenv("QT_QPA_PLATFORM", "offscreen"); // for the real Velomark started below

        // A real Velomark holds the lock, then dies without cleaning up.
        QTemporaryDir work;
        QProcess running;
        running.setWorkingDirectory(work.path());
        running.start(QStringLiteral(VELOMARK_EXE), {});
        QVERIFY(running.waitForStarted());
        const auto heldByRunning = [&running] {
            qint64 pid = 0;
            QString host, app;
            return QLockFile(InstanceLock::defaultPath()).getLockInfo(&pid, &host, &app) &&
                   pid == running.processId(); // not one left by an earlier run
        };
        QTRY_VERIFY_WITH_TIMEOUT(heldByRunning(), 10000);

        FakeMessages msgs;
        msgs.expect(MessageAnswer::Ok);
        {
            InstanceLock whileRunning;
            QVERIFY(!CheckPrevInstance(whileRunning));
        }
        // Another login or sudo: another runtime directory, the same data folder.
        QTemporaryDir otherRuntime;
        const QString otherLock =
            otherRuntime.filePath(QFileInfo(InstanceLock::defaultPath()).fileName());
        msgs.expect(MessageAnswer::Ok);
        {
            InstanceLock elsewhere(otherLock, work.path().toStdString());
            QVERIFY(!CheckPrevInstance(elsewhere));
            InstanceLock otherFolder(otherLock, otherRuntime.path().toStdString());
            QVERIFY(otherFolder.tryAcquire());
        }
        QCOMPARE(msgs.shown.size(), 2);
        QCOMPARE(msgs.shown[0].title, QStringLiteral("Velomark"));
        QCOMPARE(msgs.shown[0].text, QStringLiteral("I`m already running! "));
        QVERIFY(msgs.shown[0].icon == MessageIcon::Stop && msgs.shown[0].systemModal);

        running.kill(); // SIGKILL: no chance to remove the lock file
        QVERIFY(running.waitForFinished());
        QVERIFY(QFile::exists(InstanceLock::defaultPath()));
#ifdef Q_OS_WIN
        // Windows gives a dead holder's process id out again, even to the next
        // Velomark (Wine to every first one): a lock file naming this process blocks nothing.
        QLockFile own(work.filePath(QStringLiteral("own.lock")));
        QVERIFY(own.tryLock(0));
        const std::string ours = readBytes(work.filePath(QStringLiteral("own.lock")));
        own.unlock();
        QVERIFY(!ours.empty() && writeBytes(InstanceLock::defaultPath(), ours));
#endif
        InstanceLock next(InstanceLock::defaultPath(), work.path().toStdString());
        QVERIFY(CheckPrevInstance(next));
        QCOMPARE(msgs.shown.size(), 2);
    }
};

QTEST_MAIN(InstanceLockTest)
#include "InstanceLockTest.moc"
