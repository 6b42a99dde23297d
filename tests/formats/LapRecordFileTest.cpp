// Lap record files: reading records, the safe save and its failures, and the
// data folder's lock, on the system's own file calls (on Windows, under Wine,
// the Windows ones).
#include "formats/LapRecordFile.h"

#include "files/DataFolderLock.h"
#include "files/SafeReplace.h"
#include "support/Files.h"

#include <doctest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

using namespace velomark;
using namespace velomark::test;

namespace {

// Every field of the record holds text: line 3 of the golden file.
CircuitRecord filledRecord() {
    return parseLapRecords(fixture("blank_circuit3_saved.dat"), "golden").value()[2];
}

// Puts at path: "fifo", "dir", "big" (1 MB and a byte), "->target" (a link),
// "plain", "private" or "read-only" (a blank lap record file so marked), or
// else a file holding the text. False when it cannot be made here.
bool make(const std::string& path, const std::string& what) {
    if (what.starts_with("->"))
        return makeLink(what.substr(2), path);
    if (what == "fifo")
        return makePipe(path);
    if (what == "dir")
        return makeFolder(path);
    if (what == "plain" || what == "private" || what == "read-only")
        return writeBytes(path, blankLapRecordFile()) &&
               (what == "plain" || (what == "private" ? makePrivate(path) : makeReadOnly(path)));
    return writeBytes(path, what == "big" ? std::string(kMaxDataFileBytes + 1, '"') : what);
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

// A save with writes limited to 100 bytes a file where full is set, so the
// scratch file's write fails half-way, as on a full disk.
Status saveLimited(FailingOps& ops, bool full) {
#ifdef _WIN32
    (void)full;
#else
    rlimit old{};
    REQUIRE(::getrlimit(RLIMIT_FSIZE, &old) == 0);
    const rlimit limited{full ? 100 : old.rlim_cur, old.rlim_max};
    const auto handler = std::signal(SIGXFSZ, SIG_IGN); // a failed write, not a signal
    REQUIRE(::setrlimit(RLIMIT_FSIZE, &limited) == 0);
#endif
    const Status s = saveCircuitRecord("set1.dat", "5", filledRecord(), ops);
#ifndef _WIN32
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, handler);
#endif
    return s;
}

} // namespace

// Circuit 5 read, its shown fields changed and saved under the circuit-number
// text: fields read as nothing stay nothing, texts with commas survive, and
// any text other than exactly "1" to "16" copies all 16 records. The folder's
// name holds letters outside every 8-bit code page.
TEST_CASE("saves against golden files") {
    struct Row {
        const char* name;
        const char* before;
        std::string circuit;
        const char* after;
    };
    const char* nothing = "nothing_fields.dat";
    std::vector<Row> rows{{"saved", nothing, "5", "nothing_fields_saved.dat"}};
    for (const char* text : {" 5", "05", "0", ""})
        rows.push_back({"all copied", nothing, text, nothing});
    rows.push_back({"17th line dropped", "seventeen.dat", "17", "blank.dat"});
    const std::string folder = "Zo\xc3\xab \xce\xa9";
    for (const Row& row : rows) {
        INFO(std::string(row.name));
        CAPTURE(row.circuit);
        WorkDir dir;
        REQUIRE(makeFolder(folder));
        const std::string file = folder + "/set1.dat";
        REQUIRE(writeBytes(file, fixture(row.before)));
        const auto read = readCircuitRecord(file, 5);
        REQUIRE(read.ok()); // lines after the 16th are ignored when reading
        CircuitRecord r = *read;
        r[0] = std::string("1.30.000");
        for (size_t i = 5;
             const char* text : {"1.29.500", "28.000", "1.01.000", "28.500", "p, dry.set"})
            r[i++] = std::string(text);
        REQUIRE(saveCircuitRecord(file, row.circuit, r).ok());
        CHECK(readBytes(file) == fixture(row.after));
        CHECK(entries(dir.path()) == std::vector<std::string>{folder});
        CHECK(entries(dir.path(folder)) == std::vector<std::string>{"set1.dat"});
    }
}

// A missing or short file, a device, or a field the file cannot hold: the
// save is refused, naming the file or the field, before anything is written.
TEST_CASE("refused before anything is written") {
    WorkDir dir;
    const auto missing = readCircuitRecord("set3.dat", 4);
    REQUIRE(!missing.ok());
    CHECK(missing.error().kind == ErrorKind::Missing);
    CHECK(missing.error().message.find("set3.dat") != std::string::npos);
    CHECK(!saveCircuitRecord("set3.dat", "4", filledRecord()).ok());
    const auto none = readCircuitRecord("set3.dat", 0); // below 1: nothing is read at all
    CHECK((none.ok() && *none == CircuitRecord{}));
#ifdef _WIN32
    const std::string device = "NUL";
#else
    const std::string device = "/dev/null";
#endif
    const auto fromDevice = readCircuitRecord(device, 1);
    REQUIRE(!fromDevice.ok());
    CHECK(fromDevice.error().message ==
          "The file " + device + " is a device, not a regular file, so it was not read.");

    // All circuits of a short file are refused, so none opens that SAVE cannot write.
    REQUIRE(writeBytes("set2.dat", fixture("ten_records.dat")));
    for (int circuit : {1, 16})
        CHECK(readCircuitRecord("set2.dat", circuit).error().message ==
              "The lap record file set2.dat holds only 10 of its 16 circuit records.");
    const Status shortSave = saveCircuitRecord("set2.dat", "1", filledRecord());
    CHECK((!shortSave.ok() && shortSave.error().kind == ErrorKind::Short));

    REQUIRE(writeBytes("set1.dat", blankLapRecordFile()));
    CircuitRecord r = filledRecord();
    r[9] = "\"" + std::string(60, 'y'); // can stand neither quoted nor bare
    const Status s = saveCircuitRecord("set1.dat", "2", r);
    REQUIRE(!s.ok());
    CHECK(s.error().kind == ErrorKind::Unstorable);
    CHECK(s.error().message == "Field 10 of circuit 2 (\"Practice setup file\") holds a double "
                               "quote at its start (\"" +
                                   std::string(39, 'y') +
                                   "...), which a lap record file cannot store.");
    CHECK(readBytes("set2.dat") == fixture("ten_records.dat"));
    CHECK(readBytes("set1.dat") == blankLapRecordFile());
    CHECK(entryAt("set3.dat") == Entry::None);
    CHECK(entryAt("temp.dat") == Entry::None);
}

// Lines a save does not change come back byte for byte when they hold an
// unquoted double quote; long or odd fields survive a save of their circuit.
TEST_CASE("odd lines survive a save") {
    struct Row {
        const char* name;
        int oddLine;
        std::string odd; // its first five fields, ended by a lone line feed
        int saved;
        std::string savedHead; // the first five fields written
    };
    const std::string bare = "\"1.31.200\",,,, abc\"def ";
    const std::string longOnes = "\"10.02.314\",\"\",\"\",\"\",\"" + std::string(40000, 's') + "\"";
    for (Row row :
         {Row{"unquoted double quote on another line", 7, bare, 3, "\"\",\"\",\"\",\"\",\"\""},
          Row{"unquoted double quote on the saved line", 3, bare, 3, "\"1.31.200\",,,,abc\"def"},
          Row{"last line: nine-character lap, 40,000-character setup name", 16, longOnes, 16,
              longOnes}}) {
        INFO(std::string(row.name));
        WorkDir dir;
        std::string tail; // fields 7 to 20
        for (int i = 7; i <= 20; ++i)
            tail += ",\"\"";
        row.odd += ",\"\"" + tail + "\n";
        REQUIRE(writeBytes("set1.dat", lapRecords({{row.oddLine, row.odd}})));
        const auto read = readCircuitRecord("set1.dat", row.saved);
        REQUIRE(read.ok());
        CircuitRecord r = *read;
        r[5] = std::string("1.29.500");
        REQUIRE(saveCircuitRecord("set1.dat", std::to_string(row.saved), r).ok());
        const std::string savedLine = row.savedHead + ",\"1.29.500\"" + tail + "\r\n";
        CHECK(readBytes("set1.dat") ==
              lapRecords({{row.oddLine, row.odd}, {row.saved, savedLine}}));
    }
}

// An export never takes the place of a file of Velomark's own in the data
// folder, by name in any case of its letters or through a link; a file of
// such a name in another folder is the player's.
TEST_CASE("no export over a file of Velomark's own") {
    WorkDir dir;
    REQUIRE((writeBytes("history.csv", "rows") && makeFolder("sub")));
    std::vector<std::string> owns{"HISTORY.csv", "Velomark.Lock"};
#ifdef _WIN32
    owns.push_back("history.csv. "); // Windows drops the dot and the blank
#endif
    for (const std::string& own : owns) {
        const Status s = writeExportFile(realFileOps(), dir.path(own), "export");
        CHECK_MESSAGE((!s.ok() && s.error().kind == ErrorKind::OwnFile), own);
    }
    CHECK(entries(dir.path()) == std::vector<std::string>{"history.csv", "sub"});
    REQUIRE(writeExportFile(realFileOps(), dir.path("sub/history.csv"), "export").ok());
    CHECK(readBytes("sub/history.csv") == "export");
}

TEST_CASE("a failed step leaves the old file whole") {
    for (const auto& [name, step] :
         {std::pair{"disk fills half-way", FailingOps::DiskFull},
          std::pair{"rename fails", FailingOps::Replace},
          std::pair{"folder flush fails: file replaced, but said", FailingOps::SyncDirectory}}) {
        const std::string row = name; // a copy, which the lazy INFO can hold
        INFO(row);
#ifdef _WIN32
        if (step == FailingOps::DiskFull) {
            MESSAGE("skipped: Windows has no limit on a file's size that would stop a write "
                    "half-way, as a full disk does");
            continue;
        }
#endif
        WorkDir dir;
        const std::string before = fixture("nothing_fields.dat");
        REQUIRE(writeBytes("set1.dat", before));
        FailingOps ops(step);
        const Status s = saveLimited(ops, step == FailingOps::DiskFull);
        REQUIRE(!s.ok());
        CHECK((step == FailingOps::Replace || s.error().kind == ErrorKind::WriteFailed));
        CHECK(s.error().message.find("set1.dat") != std::string::npos);
        CHECK((readBytes("set1.dat") == before) == (step != FailingOps::SyncDirectory));
        CHECK(entryAt("temp.dat") == Entry::None);
    }
}

// Whatever stands at temp.dat or at the data file, a save goes through or
// says at once what is in the way, and harms nothing, keeping the file's
// permission bits (Windows: attributes) and the link that leads to it.
TEST_CASE("odd things in the way") {
    const std::string temp = "temp.dat", set1 = "set1.dat";
    const int notRegular = int(ErrorKind::NotRegular), saved = -1;
    const struct Row {
        const char* name;
        const std::string& at;
        std::string what;
        int kind;
    } rows[] = {{"scratch left by a crash", temp, "half", saved},
                {"link at temp.dat", temp, "->set2.dat", saved},
                {"dangling link", temp, "->out/escaped.dat", saved},
                {"directory at temp.dat", temp, "dir", notRegular},
                {"pipe at temp.dat", temp, "fifo", notRegular},
                {"pipe at set1.dat", set1, "fifo", notRegular},
                {"1 MB and a byte", set1, "big", int(ErrorKind::TooLarge)},
                {"private file", set1, "private", saved},
                {"read-only file", set1, "read-only", int(ErrorKind::ReadOnly)},
                {"link to a sub-folder", set1, "->sub/real.dat", saved}};
    for (const Row& row : rows) {
        INFO(std::string(row.name));
        WorkDir dir;
        REQUIRE((writeBytes("set2.dat", "other file") && make("out", "dir") && make("sub", "dir")));
        REQUIRE((make("sub/real.dat", "private") && (row.at == set1 || make(set1, "plain"))));
        if (!make(row.at, row.what)) { // only these cannot be made here
            REQUIRE((row.what == "fifo" || row.what.starts_with("->")));
            MESSAGE((std::string("skipped ") + row.name +
                     (row.what == "fifo" ? ": a named pipe cannot stand in a Windows folder"
                                         : ": no symbolic link can be made here: Wine says it "
                                           "made one, but none is there")));
            continue;
        }
        const Entry type = entryAt(row.at);
        const bool readable = entryAt(set1) != Entry::Pipe;
        const std::string before = readable ? readBytes(set1) : std::string();
        const int marks = marksOf(set1);

#ifndef _WIN32
        ::alarm(20); // a save that waits on a pipe ends the run instead of hanging it
#endif
        const Status s = saveCircuitRecord(set1, "3", filledRecord());
#ifndef _WIN32
        ::alarm(0);
#endif
        CHECK((s.ok() ? saved : int(s.error().kind)) == row.kind);
        CHECK((row.kind == saved || s.error().message.find(row.at) != std::string::npos));
        CHECK(entryAt(row.at) == (row.at == temp && row.kind == saved ? Entry::None : type));
        if (readable)
            CHECK(readBytes(set1) ==
                  (row.kind == saved ? fixture("blank_circuit3_saved.dat") : before));
        CHECK(marksOf(set1) == marks);
        CHECK(readBytes("set2.dat") == "other file");
        CHECK(entryAt("out/escaped.dat") == Entry::None);
        CHECK(entryAt("sub/temp.dat") == Entry::None);
        makeReadOnly(set1, false); // so that the folder can go
    }
}

// One copy at a time in a data folder, by any name of it; the lock leaves
// nothing behind once its holder is gone, so nothing can block a later start.
TEST_CASE("the data folder lock") {
    WorkDir dir;
    REQUIRE(makeFolder("Zo\xc3\xab"));
    {
        DataFolderLock first;
        REQUIRE(first.acquire("Zo\xc3\xab").ok());
        CHECK(first.held());
        DataFolderLock second;
        const Status busy = second.acquire(dir.path("Zo\xc3\xab"));
        REQUIRE(!busy.ok());
        CHECK(busy.error().kind == ErrorKind::Busy);
        CHECK(busy.error().message == "Another copy of Velomark is already running on the data "
                                      "folder " +
                                          dir.path("Zo\xc3\xab") + ".");
        CHECK(std::string(busy.error().text.source()) ==
              "Another copy of Velomark is already running on %1.");
        CHECK(!second.held());
    }
    {
        DataFolderLock again;
        CHECK(again.acquire("Zo\xc3\xab").ok());
    }
    CHECK(entries(dir.path("Zo\xc3\xab")).empty());
    DataFolderLock nowhere;
    CHECK(nowhere.acquire("absent").error().kind == ErrorKind::Missing);
}

// A message is a sentence with places, in English as in a translation filled
// in one pass, so a value that holds a place of its own ("%1" in a folder's
// name) is never filled in again; a sentence set in as a clause loses its period.
TEST_CASE("a message in English and filled into a translation") {
    const std::vector<std::string> values{"a%1b", "%2"};
    CHECK(fillPlaces("Ordner %2, dann %1; %3 und 100%", values) ==
          "Ordner %2, dann a%1b; %3 und 100%");
    CHECK(fillPlaces("%1%1", {"x"}) == "xx");
    const Sentence cut(VM_TEXT("Files", "Saving failed: %1. Nothing changed."),
                       {clauseOf(Sentence(VM_TEXT("Files", "%1 is full."), {utf8Text("disk")}))});
    CHECK(cut.english() == "Saving failed: disk is full. Nothing changed.");
    // An omitted place goes with one blank beside it, in any language.
    const std::string omitted(kOmittedPlace);
    CHECK(fillPlaces("The file %1 is cut short.", {omitted}) == "The file is cut short.");
    CHECK(fillPlaces("%1 ist zu kurz, %2", {omitted, "x"}) == "ist zu kurz, x");
}

#ifdef _WIN32
// Another program holds the file open without sharing its deletion, as a
// spreadsheet or an editor may: the save says so, and the old file stays.
// (Linux lets a file be replaced while it is open.)
TEST_CASE("a file held open by another program") {
    WorkDir dir;
    REQUIRE(writeBytes("set1.dat", blankLapRecordFile()));
    const HANDLE held = ::CreateFileW(L"set1.dat", GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    REQUIRE(held != INVALID_HANDLE_VALUE);
    const Status s = saveCircuitRecord("set1.dat", "3", filledRecord());
    ::CloseHandle(held);
    REQUIRE(!s.ok());
    CHECK(s.error().kind == ErrorKind::RenameFailed);
    CHECK(s.error().message.find(". set1.dat was left unchanged.") != std::string::npos);
    CHECK(readBytes("set1.dat") == blankLapRecordFile());
    CHECK(entryAt("temp.dat") == Entry::None);
}
#endif
