// velobat, the hof.bat interpreter: the batch file the import writes, and lines
// written by hand with a native program, quoted and backslashed arguments, refusals.
#include "HotlapFixture.h"
#include "hotlap/HofBat.h"
#include "support/TestFiles.h"

#include <QProcess>
#include <QtTest>

using namespace velomark;

namespace {
// Runs hof.bat holding bat in dir: the exit code (-1 when velobat crashed or hung), stderr.
std::pair<int, QByteArray> runBatch(const QString& dir, const std::string& bat) {
    if (!test::writeBytes(dir + QStringLiteral("/hof.bat"), bat))
        return {-2, "hof.bat not written"};
    QProcess velobat;
    velobat.setWorkingDirectory(dir);
    velobat.start(QStringLiteral(VELOBAT_PATH), {QStringLiteral("hof.bat")});
    const bool ended =
        velobat.waitForFinished(30000) && velobat.exitStatus() == QProcess::NormalExit;
    return {ended ? velobat.exitCode() : -1, velobat.readAllStandardError()};
}
} // namespace

class VelobatTest : public QObject {
    Q_OBJECT
  private slots:
    // As the import runs it: a blank and an accent in the GP2 directory (hof.bat
    // is Windows-1252, the disk UTF-8), saves in GPSAVES, only a DOS hof2lap
    // there, and a file name that a shell would run.
    void hofBat() {
        QTemporaryDir work;
        const QString gp2 = work.filePath(QStringLiteral("GP \u00e92/"));
        QVERIFY(QDir().mkpath(gp2 + QStringLiteral("GPSAVES")));
        QVERIFY(test::writeBytes(gp2 + QStringLiteral("hof2lap"), "MZ\x90"));
        QVERIFY(QFile::setPermissions(gp2 + QStringLiteral("hof2lap"), QFile::ExeOwner));
        const std::string name = "A;touch p1;$(touch p2)`touch p3`&touch p4.hl";
        QVERIFY(test::writeBytes(gp2 + QStringLiteral("GPSAVES/") + QString::fromStdString(name),
                                 test::hotlapFile({})));
        const Result<HofBat> bat = composeHofBat(std::string("GP \xe9") + '2', name);
        QCOMPARE(runBatch(work.path(), bat->bytes).first, 0);
        // The hof2lap beside velobat got the whole name as one argument and read the file.
        QVERIFY(test::readBytes(work.filePath(QStringLiteral("hoftemp")))
                    .find("\r\n Hot lap for Interlagos\r\n  Session: Unlimited practice\r\n") !=
                std::string::npos);

        // By hand, with LF line ends: what cmd.exe would split or expand is refused,
        // the rest still runs, up to exit.
        const QString script = work.filePath(QStringLiteral("echoargs"));
        QVERIFY(test::writeBytes(script, "#!/bin/sh\nfor a in \"$@\"; do echo \"[$a]\"; done\n"));
        QVERIFY(QFile::setPermissions(script, QFile::ReadOwner | QFile::ExeOwner));
        const auto [status, errors] = runBatch(
            work.path(), "hof2lap A&touch p5 >out\necho %PATH% >out\n"
                         ".\\echoargs \"a b\" c\\d.hl >out\necho 2 >flag\nexit\necho 3 >flag\n");
        QCOMPARE(status, 1);
        QVERIFY(errors.contains("hof.bat line 1: an operator outside double quotes (&)"));
        QVERIFY(errors.contains("hof.bat line 2: a percent sign"));
        QCOMPARE(test::readBytes(work.filePath(QStringLiteral("out"))), "[a b]\n[c/d.hl]\n");
        QCOMPARE(test::readBytes(work.filePath(QStringLiteral("flag"))), "2 \r\n");
        QCOMPARE(QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
                 test::strings({"GP \u00e92", "echoargs", "flag", "hof.bat", "hoftemp", "out"}));
    }

    // A redirection never writes through a link, whatever the case of its
    // name; the status of what ran is passed on, the lines after it still run.
    void linksAndStatus() {
        QTemporaryDir work, elsewhere;
        const QString victim = elsewhere.filePath(QStringLiteral("victim"));
        QVERIFY(test::writeBytes(victim, "precious"));
        QVERIFY(QFile::link(victim, work.filePath(QStringLiteral("hoftemp"))) &&
                QFile::link(victim, work.filePath(QStringLiteral("FLAG"))));
        QCOMPARE(runBatch(work.path(), "echo x >hoftemp\r\necho 1 >flag\r\n").first, 0);
        QCOMPARE(test::readBytes(victim), std::string("precious"));
        QCOMPARE(test::readBytes(work.filePath(QStringLiteral("hoftemp"))), std::string("x \r\n"));
        QVERIFY(!QFileInfo(work.filePath(QStringLiteral("FLAG"))).exists());

        const QString script = work.filePath(QStringLiteral("ends"));
        for (const auto& [body, status, said] :
             {std::tuple{"exit 3", 3, ""}, std::tuple{"kill -9 $$", 137, "stopped by signal 9"}}) {
            QFile::remove(script);
            QVERIFY(test::writeBytes(script, std::string("#!/bin/sh\necho partial\n") + body));
            QVERIFY(QFile::setPermissions(script, QFile::ReadOwner | QFile::ExeOwner));
            const auto [code, errors] = runBatch(work.path(), "ends >out\r\necho 1 >flag\r\n");
            QCOMPARE(code, status);
            QVERIFY2(errors.contains(said), errors.constData());
            QCOMPARE(test::readBytes(work.filePath(QStringLiteral("flag"))), std::string("1 \r\n"));
        }
    }
};

QTEST_APPLESS_MAIN(VelobatTest)
#include "VelobatTest.moc"
