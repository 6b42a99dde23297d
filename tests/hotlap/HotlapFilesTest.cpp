// The hot-lap list: the pattern of each circuit, DOS wildcards without regard
// to case, and the saves folder's matching files in list order.
#include "hotlap/HotlapFiles.h"
#include "support/TestFiles.h"

#include <QtTest>

using namespace velomark;

class HotlapFilesTest : public QObject {
    Q_OBJECT
  private slots:
    void patterns() {
        QCOMPARE(hotlapPattern(Trackset::TrackPack, 16), "P*.hl");
        QCOMPARE(hotlapPattern(Trackset::Standard, 17), "");
        const std::pair<std::string, const char*> cases[] = {
            // matching | not matching
            {"A*.hl", "A.HL | AHOT.HLP A.HL.BAK"},
            {"*.hl?", "X.HLP X.HL x.hl.hlp | X.HLPP XHL X.H"},
            {"A?.hl", "AB.HL A.HL | ABC.HL"}};
        for (const auto& [pattern, names] : cases) {
            bool matches = true;
            for (const QString& name : QString::fromLatin1(names).split(QLatin1Char(' '))) {
                if (name == QStringLiteral("|"))
                    matches = false;
                else
                    QVERIFY2(matchesDosPattern(pattern, name.toStdString()) == matches,
                             qPrintable(name));
            }
        }
    }

    void listing() {
        QTemporaryDir dir;
        const QString saves = dir.filePath(QStringLiteral("GP2/GPSAVES"));
        QVERIFY(QDir().mkpath(saves + QStringLiteral("/ADIR.HL")));
        for (const char* name : {"ahot2.hl", "AHOT.HL", "Abc.hl", "BHOT.HL", "A.HLP"})
            QVERIFY(test::writeBytes(saves + QLatin1Char('/') + QLatin1String(name), "x"));
        // As the import builds it: a backslash and "gpsaves" in lower case.
        const std::string gp2p = dir.filePath(QStringLiteral("GP2")).toStdString();
        const auto names = listHotlapFiles(savesDirectory(gp2p), "A*.hl");
        QVERIFY(names);
        QCOMPARE(*names, (std::vector<std::string>{"Abc.hl", "AHOT.HL", "ahot2.hl"}));
        QCOMPARE(listHotlapFiles(gp2p + "\\saves", "*").error().message,
                 "The folder " + gp2p + "/saves does not exist.");
    }
};

QTEST_APPLESS_MAIN(HotlapFilesTest)
#include "HotlapFilesTest.moc"
