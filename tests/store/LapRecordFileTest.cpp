// Lap record files: reading records, the safe save and its failures.
#include "store/LapRecordFile.h"

#include "support/TestFiles.h"

#include <QtTest>

using namespace velomark;
using velomark::test::fixture;
using velomark::test::ScopedWorkDir;

namespace {

CircuitRecord filledRecord() {
    const char* texts[20] = {"1.31.200", "",       "",         "",       "race.set",
                             "1.30.950", "29.100", "1.02.300", "28.650", "prac.set",
                             "1.29.800", "28.900", "1.01.500", "28.300", "qual.set",
                             "1.32.400", "",       "",         "",       "race.set"};
    CircuitRecord r;
    for (size_t i = 0; i < r.size(); ++i)
        r[i] = std::string(texts[i]);
    return r;
}

std::string fileBytes(const std::string& path) {
    return velomark::test::readBytes(QString::fromStdString(path));
}

bool exists(const std::string& path) {
    return QFile::exists(QString::fromStdString(path));
}

// Fails one chosen step of a save; with writePartly it first leaves half the
// bytes in the scratch file, as a full disk would.
class FailingOps : public FileOps {
  public:
    enum Step { Write, WritePartly, Replace };
    explicit FailingOps(Step s) : m_step(s) {}
    Status writeDurably(const std::string& path, const std::string& bytes) override {
        if (m_step == Replace)
            return FileOps::writeDurably(path, bytes);
        if (m_step == WritePartly)
            FileOps::writeDurably(path, bytes.substr(0, bytes.size() / 2));
        return Error{ErrorKind::WriteFailed, "The file " + path + " cannot be written: disk full."};
    }
    Status replace(const std::string& from, const std::string& to) override {
        if (m_step == Replace)
            return Error{ErrorKind::RenameFailed, "The file " + to + " cannot be replaced."};
        return FileOps::replace(from, to);
    }

  private:
    Step m_step;
};

} // namespace

class LapRecordFileTest : public QObject {
    Q_OBJECT
  private slots:
    void blankFileIsSixteenLinesOfEmptyTexts() {
        QCOMPARE(blankLapRecordFile(), fixture("blank.dat"));
    }

    void saveIntoBlankFileChangesOnlyThatLine() {
        ScopedWorkDir dir;
        const std::string path = dir.file("set1.dat");
        velomark::test::writeBytes(dir.path(QStringLiteral("set1.dat")), blankLapRecordFile());

        // The editor hands back the six unshown fields as read: empty texts here.
        QVERIFY(saveCircuitRecord(path, "3", filledRecord()).ok());
        QCOMPARE(fileBytes(path), fixture("blank_circuit3_saved.dat"));
        QVERIFY(!exists(dir.file("temp.dat")));

        const auto back = readCircuitRecord(path, 3);
        QVERIFY(back.ok());
        QCOMPARE(*back, filledRecord());
    }

    void fieldsOfNothingKeepTheirForm() {
        ScopedWorkDir dir;
        const std::string path = dir.file("set2.dat");
        velomark::test::writeBytes(dir.path(QStringLiteral("set2.dat")),
                                   fixture("nothing_fields.dat"));

        auto record = readCircuitRecord(path, 5);
        QVERIFY(record.ok());
        CircuitRecord r = *record;
        QCOMPARE(r[1], Field{});                              // QuickRace splits read as nothing
        QCOMPARE(r[19], Field(std::string("wet, slow.set"))); // commas inside text
        r[0] = std::string("1.30.000");
        r[5] = std::string("1.29.500");
        r[6] = std::string("28.000");
        r[7] = std::string("1.01.000");
        r[8] = std::string("28.500");
        r[9] = std::string("p, dry.set");
        QVERIFY(saveCircuitRecord(path, "5", r).ok());
        QCOMPARE(fileBytes(path), fixture("nothing_fields_saved.dat"));
    }

    void circuitNumberTextMustMatchExactly_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("blank before") << QStringLiteral(" 3");
        QTest::newRow("leading zero") << QStringLiteral("03");
        QTest::newRow("past the end") << QStringLiteral("17");
        QTest::newRow("zero") << QStringLiteral("0");
        QTest::newRow("empty") << QString();
    }
    void circuitNumberTextMustMatchExactly() {
        QFETCH(QString, text);
        ScopedWorkDir dir;
        const std::string path = dir.file("set1.dat");
        const std::string before = fixture("nothing_fields.dat");
        velomark::test::writeBytes(dir.path(QStringLiteral("set1.dat")), before);
        QVERIFY(saveCircuitRecord(path, text.toStdString(), filledRecord()).ok());
        QCOMPARE(fileBytes(path), before);
    }

    void recordsBeyondSixteenAreDroppedOnSave() {
        ScopedWorkDir dir;
        const std::string path = dir.file("set1.dat");
        velomark::test::writeBytes(dir.path(QStringLiteral("set1.dat")), fixture("seventeen.dat"));
        QVERIFY(readLapRecordFile(path).ok()); // extra lines are ignored when reading
        QVERIFY(saveCircuitRecord(path, "1", readCircuitRecord(path, 1).value()).ok());
        QCOMPARE(fileBytes(path), fixture("blank.dat"));
    }

    void readingWalksEveryEarlierRecord() {
        ScopedWorkDir dir;
        const std::string path = dir.file("set1.dat");
        std::string bytes;
        for (int i = 1; i <= 16; ++i) {
            CircuitRecord r = filledRecord();
            r[0] = "lap" + std::to_string(i);
            r[3] = Field{};
            std::vector<Field> fields(r.begin(), r.end());
            appendLine(bytes, fields);
        }
        velomark::test::writeBytes(dir.path(QStringLiteral("set1.dat")), bytes);
        QCOMPARE(textOf(readCircuitRecord(path, 16).value()[0]), std::string("lap16"));
        QCOMPARE(textOf(readCircuitRecord(path, 1).value()[0]), std::string("lap1"));
        QCOMPARE(readCircuitRecord(path, 16).value()[3], Field{});

        // Below 1 reads nothing, not even a missing file.
        const auto none = readCircuitRecord(dir.file("absent.dat"), 0);
        QVERIFY(none.ok());
        for (const Field& f : *none)
            QCOMPARE(f, Field{});
    }

    void missingOrShortFileIsAnErrorNamingIt() {
        ScopedWorkDir dir;
        const auto missing = readCircuitRecord(dir.file("set3.dat"), 4);
        QVERIFY(!missing.ok());
        QCOMPARE(missing.error().kind, ErrorKind::Missing);
        QVERIFY(missing.error().message.find("set3.dat") != std::string::npos);

        const Status noSave = saveCircuitRecord(dir.file("set3.dat"), "4", filledRecord());
        QVERIFY(!noSave.ok());
        QVERIFY(!exists(dir.file("set3.dat")));
        QVERIFY(!exists(dir.file("temp.dat")));

        const std::string path = dir.file("set1.dat");
        velomark::test::writeBytes(dir.path(QStringLiteral("set1.dat")), fixture("short.dat"));
        QVERIFY(readCircuitRecord(path, 1).ok());
        const auto tooShort = readCircuitRecord(path, 16);
        QVERIFY(!tooShort.ok());
        QCOMPARE(tooShort.error().kind, ErrorKind::Short);
        QVERIFY(tooShort.error().message.find("set1.dat") != std::string::npos);

        const Status shortSave = saveCircuitRecord(path, "1", filledRecord());
        QVERIFY(!shortSave.ok());
        QCOMPARE(shortSave.error().kind, ErrorKind::Short);
        QCOMPARE(fileBytes(path), fixture("short.dat"));
    }

    void doubleQuoteIsRefusedBeforeAnythingIsWritten() {
        ScopedWorkDir dir;
        const std::string path = dir.file("set1.dat");
        velomark::test::writeBytes(dir.path(QStringLiteral("set1.dat")), blankLapRecordFile());
        CircuitRecord r = filledRecord();
        r[9] = std::string("my \"best\" setup");
        const Status s = saveCircuitRecord(path, "2", r);
        QVERIFY(!s.ok());
        QCOMPARE(s.error().kind, ErrorKind::Unstorable);
        QCOMPARE(fileBytes(path), blankLapRecordFile());
        QVERIFY(!exists(dir.file("temp.dat")));
    }

    void failedStepLeavesOldFileWhole_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("kind");
        QTest::newRow("scratch cannot be written")
            << int(FailingOps::Write) << int(ErrorKind::WriteFailed);
        QTest::newRow("disk fills half-way")
            << int(FailingOps::WritePartly) << int(ErrorKind::WriteFailed);
        QTest::newRow("rename fails") << int(FailingOps::Replace) << int(ErrorKind::RenameFailed);
    }
    void failedStepLeavesOldFileWhole() {
        QFETCH(int, step);
        QFETCH(int, kind);
        ScopedWorkDir dir;
        const std::string path = dir.file("set1.dat");
        const std::string before = fixture("nothing_fields.dat");
        velomark::test::writeBytes(dir.path(QStringLiteral("set1.dat")), before);

        FailingOps ops(static_cast<FailingOps::Step>(step));
        const Status s = saveCircuitRecord(path, "5", filledRecord(), ops);
        QVERIFY(!s.ok());
        QCOMPARE(int(s.error().kind), kind);
        QVERIFY(s.error().message.find("set1.dat") != std::string::npos);
        QCOMPARE(fileBytes(path), before);
        QVERIFY(!exists(dir.file("temp.dat")));
    }
};

QTEST_APPLESS_MAIN(LapRecordFileTest)
#include "LapRecordFileTest.moc"
