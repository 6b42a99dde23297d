// velobat, the hof.bat interpreter: a native program with quoted and
// backslashed arguments, and the batch file the import writes.
#include "HotlapFixture.h"
#include "hotlap/HofBat.h"
#include "support/TestFiles.h"

#include <QProcess>
#include <QtTest>

using namespace velomark;

namespace {
// Runs hof.bat holding bat in dir; the exit code, or -1 when velobat crashed or hung.
int runBatch(const QString& dir, const std::string& bat, QByteArray* errors = nullptr) {
    test::writeBytes(dir + QStringLiteral("/hof.bat"), bat);
    QProcess velobat;
    velobat.setWorkingDirectory(dir);
    velobat.start(QStringLiteral(VELOBAT_PATH), {QStringLiteral("hof.bat")});
    if (!velobat.waitForFinished(30000) || velobat.exitStatus() != QProcess::NormalExit)
        return -1;
    if (errors)
        *errors = velobat.readAllStandardError();
    return velobat.exitCode();
}
} // namespace

class VelobatTest : public QObject {
    Q_OBJECT
  private slots:
    void nativeProgram() {
        for (const std::string lf : {"\r\n", "\n"}) {
            QTemporaryDir work;
            const QString script = work.filePath(QStringLiteral("echoargs"));
            test::writeBytes(script, "#!/bin/sh\nfor a in \"$@\"; do echo \"[$a]\"; done\n");
            QVERIFY(QFile::setPermissions(script, QFile::ReadOwner | QFile::ExeOwner));
            QCOMPARE(runBatch(work.path(), ".\\echoargs \"a b\" c\\d.hl >out" + lf +
                                               "echo 1 >flag" + lf + "exit" + lf + "echo 2 >flag" +
                                               lf),
                     0);
            QCOMPARE(test::readBytes(work.filePath(QStringLiteral("out"))), "[a b]\n[c/d.hl]\n");
            QCOMPARE(test::readBytes(work.filePath(QStringLiteral("flag"))), "1 \r\n");
        }
    }

    // As the import runs it: a blank and an accent in the GP2 directory (hof.bat
    // is Windows-1252, the disk UTF-8), saves in GPSAVES, only a DOS hof2lap
    // there, and a file name that a shell would run.
    void hofBatFromTheImport() {
        QTemporaryDir work;
        QVERIFY(QDir(work.path()).mkpath(QStringLiteral("GP \u00e92/GPSAVES")));
        test::writeBytes(work.filePath(QStringLiteral("GP \u00e92/hof2lap")), "MZ\x90");
        QVERIFY(QFile::setPermissions(work.filePath(QStringLiteral("GP \u00e92/hof2lap")),
                                      QFile::ExeOwner));
        const std::string name = "A;touch p1;$(touch p2)`touch p3`&touch p4.hl";
        test::writeBytes(
            work.filePath(QStringLiteral("GP \u00e92/GPSAVES/") + QString::fromStdString(name)),
            test::hotlapFile({}));
        QCOMPARE(runBatch(work.path(), composeHofBat("GP \xe9"
                                                     "2",
                                                     name)
                                           ->bytes),
                 0);
        // The hof2lap beside velobat got the whole name as one argument and read the file.
        QVERIFY(test::readBytes(work.filePath(QStringLiteral("hoftemp")))
                    .starts_with(" Hot lap for Interlagos\r\n  Session: Unlimited practice\r\n"));

        // Unquoted, by hand: what cmd.exe would split or expand is refused; the rest still runs.
        QByteArray errors;
        QCOMPARE(runBatch(work.path(),
                          "hof2lap A&touch p5 >out\r\necho %PATH% >out\r\necho 1 >flag\r\n",
                          &errors),
                 1);
        QVERIFY(errors.contains("hof.bat line 1: an operator outside double quotes (&)"));
        QVERIFY(errors.contains("hof.bat line 2: a percent sign"));
        QCOMPARE(test::readBytes(work.filePath(QStringLiteral("flag"))), "1 \r\n");
        QCOMPARE(QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
                 QStringList({QStringLiteral("GP \u00e92"), QStringLiteral("flag"),
                              QStringLiteral("hof.bat"), QStringLiteral("hoftemp")}));
        QCOMPARE(QDir(work.filePath(QStringLiteral("GP \u00e92/GPSAVES"))).count(),
                 3u); // ., .., the lap
    }
};

QTEST_APPLESS_MAIN(VelobatTest)
#include "VelobatTest.moc"
