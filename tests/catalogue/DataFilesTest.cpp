// Blank data files and the GP2 directory file.
#include "catalogue/DataFiles.h"

#include "store/LapRecordFile.h"
#include "support/TestFiles.h"

#include <QtTest>

using namespace velomark;
using namespace velomark::test;

namespace {
// Records the order in which files are replaced; fails on a chosen file.
class RecordingOps : public FileOps {
  public:
    std::vector<std::string> replaced;
    std::string failOn;
    Status replace(const std::string& from, const std::string& to) override {
        if (to == failOn)
            return Error{ErrorKind::RenameFailed, "The file " + to + " cannot be replaced."};
        replaced.push_back(to);
        return FileOps::replace(from, to);
    }
};
} // namespace

class DataFilesTest : public QObject {
    Q_OBJECT
  private slots:
    void gp2Path() {
        ScopedWorkDir dir;
        QVERIFY(!readGp2Path().ok());
        QVERIFY(writeGp2Path("C:\\GP2").ok());
        QCOMPARE(readBytes(QStringLiteral("gp2path")), std::string("\"C:\\GP2\"\r\n"));
        QCOMPARE(readGp2Path().value(), std::string("C:\\GP2"));
        QVERIFY(writeGp2Path("").ok());
        QCOMPARE(readBytes(QStringLiteral("gp2path")), std::string("\"\"\r\n"));
        QVERIFY(!writeGp2Path("C:\\\"GP2\"").ok());
        QCOMPARE(readBytes(QStringLiteral("gp2path")), std::string("\"\"\r\n"));

        QCOMPARE(withoutTrailingBackslash("C:\\GP2\\"), std::string("C:\\GP2"));
        QCOMPARE(withoutTrailingBackslash("C:\\GP2\\\\"), std::string("C:\\GP2\\"));
        QCOMPARE(withoutTrailingBackslash(""), std::string());
    }

    void initialisationOrderAndContent() {
        ScopedWorkDir dir;
        RecordingOps ops;
        QVERIFY(initialiseDatafiles({true, false, true}, ops).ok());
        QCOMPARE(ops.replaced, (std::vector<std::string>{"set1.dat", "custom", "set3.dat"}));
        QCOMPARE(readBytes(QStringLiteral("set1.dat")), fixture("blank.dat"));
        QCOMPARE(readBytes(QStringLiteral("set3.dat")), fixture("blank.dat"));
        QCOMPARE(readBytes(QStringLiteral("custom")), fixture("custom_initialised"));
        QVERIFY(!QFile::exists(QStringLiteral("set2.dat")));
        QVERIFY(!QFile::exists(QStringLiteral("temp.dat")));

        RecordingOps none;
        QVERIFY(initialiseDatafiles({}, none).ok());
        QVERIFY(none.replaced.empty());
    }

    void initialisationStopsAtFirstFailure() {
        ScopedWorkDir dir;
        QVERIFY(writeBytes(QStringLiteral("set3.dat"), "old times"));
        RecordingOps ops;
        ops.failOn = "custom";
        const Status s = initialiseDatafiles({true, true, true}, ops);
        QVERIFY(!s.ok());
        QVERIFY(s.error().message.find("custom") != std::string::npos);
        QCOMPARE(ops.replaced, (std::vector<std::string>{"set1.dat", "set2.dat"}));
        QCOMPARE(readBytes(QStringLiteral("set3.dat")), std::string("old times"));
    }
};

QTEST_APPLESS_MAIN(DataFilesTest)
#include "DataFilesTest.moc"
