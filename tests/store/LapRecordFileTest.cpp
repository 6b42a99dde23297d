// Lap record files: reading records, the safe save and its failures.
#include "store/LapRecordFile.h"

#include "support/TestFiles.h"

#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace velomark;
using namespace velomark::test;

Q_DECLARE_METATYPE(std::string)

namespace {

// Every field of the record holds text: line 3 of the golden file.
CircuitRecord filledRecord() {
    return parseLapRecords(fixture("blank_circuit3_saved.dat"), "golden").value()[2];
}

std::string fileBytes(const std::string& path) {
    return readBytes(QString::fromStdString(path));
}

bool put(const std::string& path, const std::string& bytes) {
    return writeBytes(QString::fromStdString(path), bytes);
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

// Fails one chosen step of a save; DiskFull fails none (the test limits the
// file size instead, so the real write stops half-way).
class FailingOps : public FileOps {
  public:
    enum Step { DiskFull, Replace, SyncDirectory };
    explicit FailingOps(Step s) : m_step(s) {}
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
    // Circuit 5 read, its shown fields changed and saved under the circuit-number
    // text: fields read as nothing stay nothing, texts with commas survive, and
    // any text other than exactly "1" to "16" copies all 16 records.
    void savesAgainstGoldenFiles_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("circuit");
        QTest::addColumn<QString>("after");
        const char* nothing = "nothing_fields.dat";
        addRow("saved", nothing, "5", "nothing_fields_saved.dat");
        for (const char* text : {" 5", "05", "0", ""})
            addRow(("all copied for \"" + std::string(text) + "\"").c_str(), nothing, text,
                   nothing);
        addRow("17th line dropped", "seventeen.dat", "17", "blank.dat");
    }
    void savesAgainstGoldenFiles() {
        QFETCH(QString, before);
        QFETCH(QString, circuit);
        QFETCH(QString, after);
        ScopedWorkDir dir;
        QVERIFY(put("set1.dat", fixture(qPrintable(before))));
        const auto read = readCircuitRecord("set1.dat", 5);
        QVERIFY(read.ok()); // lines after the 16th are ignored when reading
        CircuitRecord r = *read;
        r[0] = std::string("1.30.000");
        for (size_t i = 5;
             const char* text : {"1.29.500", "28.000", "1.01.000", "28.500", "p, dry.set"})
            r[i++] = std::string(text);
        QVERIFY(saveCircuitRecord("set1.dat", circuit.toStdString(), r).ok());
        QCOMPARE(fileBytes("set1.dat"), fixture(qPrintable(after)));
    }

    // A missing or short file, or a field the file cannot hold: the save is
    // refused, naming the file or the field, before anything is written.
    void refusedBeforeAnythingIsWritten() {
        ScopedWorkDir dir;
        const auto missing = readCircuitRecord("set3.dat", 4);
        QVERIFY(!missing.ok() && missing.error().kind == ErrorKind::Missing);
        QVERIFY(missing.error().message.find("set3.dat") != std::string::npos);
        QVERIFY(!saveCircuitRecord("set3.dat", "4", filledRecord()).ok());
        const auto none = readCircuitRecord("set3.dat", 0); // below 1: nothing is read at all
        QVERIFY(none.ok() && *none == CircuitRecord{});

        // All circuits of a short file are refused, so none opens that SAVE cannot write.
        QVERIFY(put("set2.dat", fixture("ten_records.dat")));
        for (int circuit : {1, 16})
            QCOMPARE(readCircuitRecord("set2.dat", circuit).error().message,
                     std::string("The lap record file set2.dat holds only 10 of its 16 circuit "
                                 "records."));
        const Status shortSave = saveCircuitRecord("set2.dat", "1", filledRecord());
        QVERIFY(!shortSave.ok() && shortSave.error().kind == ErrorKind::Short);

        QVERIFY(put("set1.dat", blankLapRecordFile()));
        CircuitRecord r = filledRecord();
        r[9] = "\"" + std::string(60, 'y'); // can stand neither quoted nor bare
        const Status s = saveCircuitRecord("set1.dat", "2", r);
        QVERIFY(!s.ok() && s.error().kind == ErrorKind::Unstorable);
        QCOMPARE(s.error().message,
                 "Field 10 of circuit 2 (\"Practice setup file\") holds a double "
                 "quote at its start (\"" +
                     std::string(39, 'y') + "...), which a lap record file cannot store.");
        QVERIFY(fileBytes("set2.dat") == fixture("ten_records.dat") &&
                fileBytes("set1.dat") == blankLapRecordFile());
        QCOMPARE(typeAt("set3.dat") | typeAt("temp.dat"), mode_t(0));
    }

    // Lines a save does not change come back byte for byte when they hold an
    // unquoted double quote; long or odd fields survive a save of their circuit.
    void oddLinesSurviveASave_data() {
        QTest::addColumn<int>("oddLine");
        QTest::addColumn<std::string>("odd"); // its first five fields, ended by a lone line feed
        QTest::addColumn<int>("saved");
        QTest::addColumn<std::string>("savedHead"); // the first five fields written
        const std::string bare = "\"1.31.200\",,,, abc\"def ";
        QTest::newRow("unquoted double quote on another line")
            << 7 << bare << 3 << std::string("\"\",\"\",\"\",\"\",\"\"");
        QTest::newRow("unquoted double quote on the saved line")
            << 3 << bare << 3 << std::string("\"1.31.200\",,,,abc\"def");
        const std::string longOnes =
            "\"10.02.314\",\"\",\"\",\"\",\"" + std::string(40000, 's') + "\"";
        QTest::newRow("last line: nine-character lap, 40,000-character setup name")
            << 16 << longOnes << 16 << longOnes;
    }
    void oddLinesSurviveASave() {
        QFETCH(int, oddLine);
        QFETCH(std::string, odd);
        QFETCH(int, saved);
        QFETCH(std::string, savedHead);
        ScopedWorkDir dir;
        std::string tail; // fields 7 to 20
        for (int i = 7; i <= 20; ++i)
            tail += ",\"\"";
        odd += ",\"\"" + tail + "\n";
        QVERIFY(put("set1.dat", lapRecords({{oddLine, odd}})));
        const auto read = readCircuitRecord("set1.dat", saved);
        QVERIFY(read.ok());
        CircuitRecord r = *read;
        r[5] = std::string("1.29.500");
        QVERIFY(saveCircuitRecord("set1.dat", std::to_string(saved), r).ok());
        const std::string savedLine = savedHead + ",\"1.29.500\"" + tail + "\r\n";
        QCOMPARE(fileBytes("set1.dat"), lapRecords({{oddLine, odd}, {saved, savedLine}}));
    }

    void failedStepLeavesOldFileWhole_data() {
        QTest::addColumn<int>("step");
        QTest::newRow("disk fills half-way") << int(FailingOps::DiskFull);
        QTest::newRow("rename fails") << int(FailingOps::Replace);
        QTest::newRow("folder flush fails: file replaced, but said")
            << int(FailingOps::SyncDirectory);
    }
    void failedStepLeavesOldFileWhole() {
        QFETCH(int, step);
        ScopedWorkDir dir;
        const std::string before = fixture("nothing_fields.dat");
        QVERIFY(put("set1.dat", before));
        rlimit old{};
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &old) == 0);
        const rlimit limited{step == FailingOps::DiskFull ? 100 : old.rlim_cur, old.rlim_max};
        const auto handler = std::signal(SIGXFSZ, SIG_IGN); // a failed write, not a signal
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &limited) == 0);
        FailingOps ops(static_cast<FailingOps::Step>(step));
        const Status s = saveCircuitRecord("set1.dat", "5", filledRecord(), ops);
        ::setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, handler);
        QVERIFY(!s.ok() &&
                (step == FailingOps::Replace || s.error().kind == ErrorKind::WriteFailed));
        QVERIFY(s.error().message.find("set1.dat") != std::string::npos);
        QCOMPARE(fileBytes("set1.dat") == before, step != FailingOps::SyncDirectory);
        QCOMPARE(typeAt("temp.dat"), mode_t(0));
    }

    // Whatever stands at temp.dat or at the data file, a save goes through or
    // says at once what is in the way, and harms nothing, keeping the file's
    // permission bits and the link that leads to it.
    void oddThingsInTheWay_data() {
        QTest::addColumn<std::string>("at");
        QTest::addColumn<std::string>("what");
        QTest::addColumn<int>("kind"); // -1: saved
        const std::string temp = "temp.dat", set1 = "set1.dat";
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
};

QTEST_APPLESS_MAIN(LapRecordFileTest)
#include "LapRecordFileTest.moc"
