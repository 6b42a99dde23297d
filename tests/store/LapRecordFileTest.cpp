// Lap record files: reading records, the safe save and its failures.
#include "store/LapRecordFile.h"

#include "support/TestFiles.h"

#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace velomark;
using velomark::test::fixture;
using velomark::test::ScopedWorkDir;

Q_DECLARE_METATYPE(std::string)

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

bool put(const std::string& path, const std::string& bytes) {
    QFile f(QString::fromStdString(path));
    return f.open(QIODevice::WriteOnly) &&
           f.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
}

// The type of what stands at path (a link is not followed), 0 for nothing.
mode_t typeAt(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? st.st_mode & S_IFMT : 0;
}

// Puts at path: "fifo", "dir", "big" (1 MB and a byte), "->target" (a link),
// "0640" (a blank lap record file of that mode), or else a file holding the text.
bool make(const std::string& path, const std::string& what) {
    if (what.starts_with("->"))
        return ::symlink(what.c_str() + 2, path.c_str()) == 0;
    if (what.starts_with("0"))
        return put(path, blankLapRecordFile()) &&
               ::chmod(path.c_str(), mode_t(std::stoi(what, nullptr, 8))) == 0;
    if (what == "fifo" || what == "dir")
        return (what == "dir" ? ::mkdir(path.c_str(), 0700) : ::mkfifo(path.c_str(), 0600)) == 0;
    return put(path, what == "big" ? std::string(kMaxDataFileBytes + 1, '"') : what);
}

// The blank file with line n (from 1) replaced, for each pair given.
std::string blankWith(std::initializer_list<std::pair<int, std::string>> lines) {
    std::string out;
    for (int n = 1; n <= kCircuitsPerSet; ++n) {
        std::string line = blankLapRecordFile().substr(size_t(n - 1) * 61, 61);
        for (const auto& [k, replacement] : lines)
            line = k == n ? replacement : line;
        out += line;
    }
    return out;
}

// Fails one chosen step of a save; DiskFull fails none (the test limits the
// file size instead, so the real write stops half-way).
class FailingOps : public FileOps {
  public:
    enum Step { Write, DiskFull, Replace, SyncDirectory };
    explicit FailingOps(Step s) : m_step(s) {}
    Status writeScratch(const std::string& path, const std::string& bytes, int mode) override {
        return m_step == Write ? Error{ErrorKind::WriteFailed, "disk full"}
                               : FileOps::writeScratch(path, bytes, mode);
    }
    Status replace(const std::string& from, const std::string& to) override {
        return m_step == Replace ? Error{ErrorKind::RenameFailed, "Permission denied"}
                                 : FileOps::replace(from, to);
    }
    Status syncDirectory(const std::string& dir) override {
        return m_step == SyncDirectory ? Error{ErrorKind::WriteFailed, "Input/output error"}
                                       : FileOps::syncDirectory(dir);
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

        // All circuits of a short file are refused, so none opens that SAVE cannot write.
        QVERIFY(put("set2.dat", fixture("ten_records.dat")));
        for (int circuit : {1, 16})
            QCOMPARE(readCircuitRecord("set2.dat", circuit).error().message,
                     std::string("The lap record file set2.dat holds only 10 of its 16 circuit "
                                 "records."));
        const Status shortSave = saveCircuitRecord("set2.dat", "1", filledRecord());
        QVERIFY(!shortSave.ok());
        QCOMPARE(shortSave.error().kind, ErrorKind::Short);
        QCOMPARE(fileBytes("set2.dat"), fixture("ten_records.dat"));
    }

    // Lines a save does not change come back byte for byte when they hold an
    // unquoted double quote; long or odd fields survive a save of their circuit.
    void oddLinesSurviveASave_data() {
        QTest::addColumn<int>("oddLine");
        QTest::addColumn<std::string>("odd");
        QTest::addColumn<int>("saved");
        QTest::addColumn<std::string>("savedLine");
        std::string empties; // fields 7 to 20
        for (int i = 7; i <= 20; ++i)
            empties += ",\"\"";
        const std::string bareQuote = "\"1.31.200\",,,, abc\"def ,\"\"" + empties;
        QTest::newRow("unquoted double quote on another line")
            << 7 << bareQuote + "\n"
            << 3 << "\"\",\"\",\"\",\"\",\"\",\"1.29.500\"" + empties + "\r\n";
        QTest::newRow("unquoted double quote on the saved line")
            << 3 << bareQuote + "\r\n"
            << 3 << "\"1.31.200\",,,,abc\"def,\"1.29.500\"" + empties + "\r\n";
        const std::string lapAndSetup =
            "\"10.02.314\",\"\",\"\",\"\",\"" + std::string(40000, 's') + "\"";
        QTest::newRow("nine-character lap, 40,000-character setup name")
            << 5 << lapAndSetup + ",\"\"" + empties + "\r\n"
            << 5 << lapAndSetup + ",\"1.29.500\"" + empties + "\r\n";
    }
    void oddLinesSurviveASave() {
        QFETCH(int, oddLine);
        QFETCH(std::string, odd);
        QFETCH(int, saved);
        QFETCH(std::string, savedLine);
        ScopedWorkDir dir;
        QVERIFY(put("set1.dat", blankWith({{oddLine, odd}})));
        CircuitRecord r = readCircuitRecord("set1.dat", saved).value();
        r[5] = std::string("1.29.500");
        QVERIFY(saveCircuitRecord("set1.dat", std::to_string(saved), r).ok());
        QCOMPARE(fileBytes("set1.dat"), blankWith({{oddLine, odd}, {saved, savedLine}}));
    }

    void doubleQuoteIsRefusedBeforeAnythingIsWritten() {
        ScopedWorkDir dir;
        const std::string path = dir.file("set1.dat");
        velomark::test::writeBytes(dir.path(QStringLiteral("set1.dat")), blankLapRecordFile());
        CircuitRecord r = filledRecord();
        r[9] = "\"" + std::string(60, 'y'); // can stand neither quoted nor bare
        const Status s = saveCircuitRecord(path, "2", r);
        QVERIFY(!s.ok());
        QCOMPARE(s.error().kind, ErrorKind::Unstorable);
        QCOMPARE(s.error().message,
                 "Field 10 of circuit 2 (\"Practice setup file\") holds a double "
                 "quote at its start (\"" +
                     std::string(39, 'y') +
                     "...), which a "
                     "lap record file cannot store.");
        QCOMPARE(fileBytes(path), blankLapRecordFile());
        QVERIFY(!exists(dir.file("temp.dat")));
    }

    void failedStepLeavesOldFileWhole_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("kind");
        QTest::newRow("scratch cannot be written")
            << int(FailingOps::Write) << int(ErrorKind::WriteFailed);
        QTest::newRow("disk fills half-way")
            << int(FailingOps::DiskFull) << int(ErrorKind::WriteFailed);
        QTest::newRow("rename fails") << int(FailingOps::Replace) << int(ErrorKind::RenameFailed);
        QTest::newRow("folder flush fails: new file in place, but said")
            << int(FailingOps::SyncDirectory) << int(ErrorKind::WriteFailed);
    }
    void failedStepLeavesOldFileWhole() {
        QFETCH(int, step);
        QFETCH(int, kind);
        ScopedWorkDir dir;
        const std::string path = dir.file("set1.dat");
        const std::string before = fixture("nothing_fields.dat");
        velomark::test::writeBytes(dir.path(QStringLiteral("set1.dat")), before);

        rlimit old{};
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &old) == 0);
        const rlimit limited{step == FailingOps::DiskFull ? 100 : old.rlim_cur, old.rlim_max};
        const auto handler = std::signal(SIGXFSZ, SIG_IGN); // a failed write, not a signal
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &limited) == 0);
        FailingOps ops(static_cast<FailingOps::Step>(step));
        const Status s = saveCircuitRecord(path, "5", filledRecord(), ops);
        ::setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, handler);
        QVERIFY(!s.ok());
        QCOMPARE(int(s.error().kind), kind);
        QVERIFY(s.error().message.find("set1.dat") != std::string::npos);
        QCOMPARE(fileBytes(path) == before, step != FailingOps::SyncDirectory);
        QVERIFY(!exists(dir.file("temp.dat")));
    }

    // Whatever stands at temp.dat or at the data file, a save goes through or
    // says at once what is in the way, and harms nothing, keeping the file's
    // permission bits and the link that leads to it.
    void oddThingsInTheWay_data() {
        QTest::addColumn<std::string>("at");
        QTest::addColumn<std::string>("what");
        QTest::addColumn<int>("kind"); // -1: saved
        const std::string temp = "temp.dat";
        const std::string set1 = "set1.dat";
        const int notRegular = int(ErrorKind::NotRegular);
        QTest::newRow("scratch left by a crash") << temp << std::string("half") << -1;
        QTest::newRow("link at temp.dat") << temp << std::string("->set2.dat") << -1;
        QTest::newRow("dangling link") << temp << std::string("->out/escaped.dat") << -1;
        QTest::newRow("directory at temp.dat") << temp << std::string("dir") << notRegular;
        QTest::newRow("pipe at temp.dat") << temp << std::string("fifo") << notRegular;
        QTest::newRow("pipe at set1.dat") << set1 << std::string("fifo") << notRegular;
        QTest::newRow("1 MB and a byte") << set1 << std::string("big") << int(ErrorKind::TooLarge);
        QTest::newRow("private file") << set1 << std::string("0600") << -1;
        QTest::newRow("read-only file") << set1 << std::string("0444") << int(ErrorKind::ReadOnly);
        QTest::newRow("link to a sub-folder") << set1 << std::string("->sub/real.dat") << -1;
    }
    void oddThingsInTheWay() {
        QFETCH(std::string, at);
        QFETCH(std::string, what);
        QFETCH(int, kind);
        ScopedWorkDir dir;
        QVERIFY(put("set2.dat", "other file") && make("out", "dir") && make("sub", "dir"));
        QVERIFY(make("sub/real.dat", "0640") && (at == "set1.dat" || make("set1.dat", "0644")));
        QVERIFY(make(at, what));
        const mode_t type = typeAt(at);
        const bool readable = typeAt("set1.dat") != S_IFIFO;
        const std::string before = readable ? fileBytes("set1.dat") : std::string();
        struct stat old {};
        QVERIFY(::stat("set1.dat", &old) == 0);

        ::alarm(20); // a save that waits on a pipe ends the run instead of hanging it
        const Status s = saveCircuitRecord("set1.dat", "3", filledRecord());
        ::alarm(0);
        QCOMPARE(s.ok() ? -1 : int(s.error().kind), kind);
        QVERIFY(kind < 0 || s.error().message.find(at) != std::string::npos);
        QCOMPARE(typeAt(at), at == "temp.dat" && kind < 0 ? 0 : type); // only ours goes
        if (readable)
            QCOMPARE(fileBytes("set1.dat"),
                     kind < 0 ? fixture("blank_circuit3_saved.dat") : before);
        struct stat now {};
        QVERIFY(::stat("set1.dat", &now) == 0 && now.st_mode == old.st_mode);
        QCOMPARE(fileBytes("set2.dat"), std::string("other file"));
        QCOMPARE(typeAt("out/escaped.dat") | typeAt("sub/temp.dat"), mode_t(0));
    }

    // A second copy of the program, here a child process, is kept out until
    // the first has ended.
    void dataFolderLock() {
        ScopedWorkDir dir;
        int ready[2];
        int release[2];
        QVERIFY(::pipe(ready) == 0 && ::pipe(release) == 0);
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(release[1]); // so that the read ends when the parent closes its end
            DataFolderLock lock;
            char held = lock.acquire().ok() ? 'y' : 'n';
            ::_exit(::write(ready[1], &held, 1) == 1 && ::read(release[0], &held, 1) >= 0 ? 0 : 1);
        }
        ::close(release[0]);
        char held = 0;
        QVERIFY(child > 0 && ::read(ready[0], &held, 1) == 1 && held == 'y');
        DataFolderLock second;
        const Status busy = second.acquire();
        QVERIFY(!busy.ok() && busy.error().kind == ErrorKind::Busy && !second.held());
        ::close(release[1]); // the first copy ends, and its lock with it
        QVERIFY(::waitpid(child, nullptr, 0) == child && second.acquire().ok() && second.held());
    }
};

QTEST_APPLESS_MAIN(LapRecordFileTest)
#include "LapRecordFileTest.moc"
