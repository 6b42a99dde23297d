// The hot-lap import from the editor's IMPORT button to the editor's fields,
// with the real velobat and hof2lap on hot laps built by the fixture writer.
#include "ui/hotlap/HotlapImportWindow.h"

#include "HotlapFixture.h"
#include "laps/DataFiles.h"
#include "support/Windows.h"
#include "ui/hotlap/BatchRunner.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QtTest>

using namespace velomark;
using namespace velomark::test;

constexpr int kGenerousWait = 35000; // beyond the import's own 30 s time-out

// No busy pointer, no wait window, and no working file left in the data folder.
static bool settled() {
    QWidget* wait = window("frmwait");
    return !QApplication::overrideCursor() && !(wait && wait->isVisible()) &&
           QDir().entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name) ==
               strings({"custom", "gp2path", "set1.dat", "set3.dat"});
}

static QStringList names(QListWidget* list) {
    QStringList out;
    for (int i = 0; list && i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// The import's five fields.
static QStringList fields(QWidget* import) {
    return texts(import, {"session", "lap", "split1", "split2", "circuit"});
}

static void clickFile(QListWidget* list, const QString& name) {
    const QListWidgetItem* item = list->findItems(name, Qt::MatchExactly).value(0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

// Opens circuit k and presses IMPORT; the import window when it is shown.
static HotlapImportWindow* openImport(Desk& desk, int k, LapTimeEditor** editor) {
    if ((*editor = desk.open(k)))
        clickButton(*editor, "cmdimport");
    auto* import = window<HotlapImportWindow>("frmhof");
    return import && import->isVisible() ? import : nullptr;
}

// Selects a file by mouse and waits for its extraction to run its finishing steps.
[[nodiscard]] static bool extract(HotlapImportWindow* import, const QString& file) {
    QSignalSpy done(import, &HotlapImportWindow::extracted);
    clickFile(child<QListWidget>(import, "File1"), file);
    return (!done.isEmpty() || done.wait(kGenerousWait)) && done.count() == 1;
}

// The GP2 directory GP2 holding files (paths below it) and set in gp2path;
// Standard and Custom records, the custom file, the main window shown. The
// saves folder is made unless told not to.
[[nodiscard]] static bool gp2With(Desk& desk,
                                  std::initializer_list<std::pair<const char*, std::string>> files,
                                  bool saves = true) {
    BatchRunner::setInterpreterDirectory(QStringLiteral(VELOBAT_DIR));
    bool ok = QDir().mkpath(QString::fromLatin1(saves ? "GP2/gpsaves" : "GP2")) &&
              writeGp2Path(desk.dir.path(QStringLiteral("GP2")).toStdString()).ok() &&
              writeBytes(QStringLiteral("set3.dat"), blankLapRecordFile()) &&
              writeBytes(QStringLiteral("custom"), fixture("custom_initialised"));
    for (const auto& [name, bytes] : files) {
        const QString path = QStringLiteral("GP2/") + QString::fromUtf8(name);
        ok = ok && QFileInfo(path).dir().mkpath(QStringLiteral(".")) && writeBytes(path, bytes);
    }
    return ok && desk.ready();
}

// The GP2 directory with a qualifying lap AHOT.HL in its saves; circuit 1 of
// the Standard set opened and its import window shown.
static HotlapImportWindow* importOfAhot(Desk& desk, LapTimeEditor** editor) {
    return gp2With(desk, {{"gpsaves/AHOT.HL", hotlapFile({.session = 0x44})}})
               ? openImport(desk, 1, editor)
               : nullptr;
}

// Extracts file, which must fail with a message holding why: the fields stay empty.
[[nodiscard]] static bool refused(Desk& desk, HotlapImportWindow* import, const char* why) {
    desk.msgs.expect(MessageAnswer::Ok);
    const bool ended = extract(import, QStringLiteral("AHOT.HL"));
    const QString text = desk.msgs.shown.isEmpty() ? QString() : desk.msgs.shown.takeLast().text;
    const bool ok =
        ended && text.startsWith(QStringLiteral("The hot lap AHOT.HL could not be read: ")) &&
        text.contains(QString::fromUtf8(why)) && fields(import) == QStringList(5, QString());
    if (!ok)
        qWarning() << "not refused as expected:" << text << fields(import);
    return ok;
}

static const QStringList kQualifyingLap =
    strings({"Qualifying", "1.23.456", "41.123", "1.02.345", "Interlagos"});

class ImportWindowTest : public QObject {
    Q_OBJECT
  private slots:
    // Links named like a working file, in any case, lead out of the data folder:
    // each goes, nothing is written through it. A pipe or a directory in the
    // way is named at once and left alone.
    void workingFilesInTheWay() {
#ifdef _WIN32
        QSKIP("Wine makes no symbolic links, and a Windows folder holds no named pipe");
#endif
        Desk desk;
        LapTimeEditor* editor = nullptr;
        HotlapImportWindow* import = importOfAhot(desk, &editor);
        QVERIFY(import);
        QTemporaryDir elsewhere;
        const QString victim = elsewhere.filePath(QStringLiteral("victim"));
        QVERIFY(writeBytes(victim, "precious"));
        for (const char* name : {"hoftemp", "HOFTEMP", "HofTemp", "FLAG", "Hof.Bat"})
            QVERIFY(QFile::link(victim, QString::fromLatin1(name)));
        QVERIFY(extract(import, QStringLiteral("AHOT.HL")));
        QCOMPARE(fields(import), kQualifyingLap);
        QCOMPARE(readBytes(victim), std::string("precious"));
        QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
                 strings({"custom", "GP2", "gp2path", "set1.dat", "set3.dat"}));

        QVERIFY(makePipe("hoftemp"));
        QVERIFY(refused(desk, import, "a named pipe stands at hoftemp; it was left alone"));
        QVERIFY(QFile::remove(QStringLiteral("hoftemp")) && QDir().mkdir(QStringLiteral("FLAG")));
        QVERIFY(
            refused(desk, import, "a directory stands at FLAG, which is flag in other letters"));
        QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
                 strings({"custom", "FLAG", "GP2", "gp2path", "set1.dat", "set3.dat"}));
        editor->close();
    }

    // What hof2lap in the GP2 directory does decides: a lap is read only from a
    // whole dump of a hof2lap that ended well; one that will not start here is
    // replaced by the hof2lap beside velobat.
    void hof2lapInTheGp2Directory() {
#ifdef _WIN32
        QSKIP("the stand-ins for a hof2lap in the GP2 directory are shell scripts");
#endif
        Desk desk;
        LapTimeEditor* editor = nullptr;
        HotlapImportWindow* import = importOfAhot(desk, &editor);
        QVERIFY(import);
        const std::string ours = "\"" VELOBAT_DIR "/hof2lap\" \"$1\"";
        const auto useHof2lap = [](const std::string& script) {
            const QString path = QStringLiteral("GP2/hof2lap");
            QFile::remove(path);
            return writeBytes(path, script) &&
                   QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
        };

        // Killed after 74 bytes of its dump; cut short with status 0.
        QVERIFY(useHof2lap("#!/bin/sh\n" + ours + " | head -c 74\nkill -9 $$\n"));
        QVERIFY(refused(desk, import, "hof2lap was stopped by signal 9"));
        QVERIFY(useHof2lap("#!/bin/sh\n" + ours + " | head -c 200\n"));
        QVERIFY(refused(desk, import, "hoftemp ends before its last line"));
        // Another tool's dump, whole by its status.
        QVERIFY(useHof2lap("#!/bin/sh\nprintf 'Session: Race\\r\\nLap time 1:31.000\\r\\n'\n"));
        QVERIFY(extract(import, QStringLiteral("AHOT.HL")));
        QCOMPARE(fields(import), strings({"Race/Quickrace", "1.31.000", "", "", ""}));

        // A script whose interpreter is missing, a program built for another system.
        for (std::string start : {"#!/nonexistent/sh\n", "\x7f"
                                                         "ELF\x02\x01\x01"}) {
            QVERIFY(useHof2lap(start + std::string(64, '\0')));
            QVERIFY(extract(import, QStringLiteral("AHOT.HL")));
            QCOMPARE(fields(import), kQualifyingLap);
        }
        editor->close();
    }

    // No saves folder (never made: Wine, like older Windows, keeps a removed
    // folder while the main window watches it): an empty list that names the
    // folder with the system's separators, filled again on activation; a
    // qualifying lap goes into the editor's fields, its 3rd split once the
    // editor is active again, and the import window goes.
    void fromTheListToTheEditor() {
        Desk desk;
        QVERIFY(gp2With(desk,
                        {{"later/AHOT.HL", hotlapFile({.session = 0x44})},
                         {"later/ahot2.hl", hotlapFile({.session = 0x80})},
                         {"later/BHOT.HL", "not a hot lap"}},
                        false));
        LapTimeEditor* editor = nullptr;
        QPointer<HotlapImportWindow> import = openImport(desk, 1, &editor);
        QVERIFY(import);
        auto* list = child<QListWidget>(import, "File1");
        const QString saves =
            QDir::toNativeSeparators(desk.dir.path(QStringLiteral("GP2/gpsaves")));
        QVERIFY(list->count() == 0 && text(import, "status").contains(saves));
        QVERIFY(QDir().rename(QStringLiteral("GP2/later"), QStringLiteral("GP2/gpsaves")));
        QVERIFY(activate(editor) && activate(import));
        QCOMPARE(names(list), strings({"AHOT.HL", "ahot2.hl"}));
        QVERIFY(!child<QPushButton>(import, "cmdins")->isVisible());
        QVERIFY(extract(import, QStringLiteral("AHOT.HL")));
        QCOMPARE(fields(import), kQualifyingLap);
        QVERIFY(child<QPushButton>(import, "cmdins")->isVisible() && settled());
        QCOMPARE(texts(editor, {"qlap"}), strings({""}));

        clickButton(import, "cmdins");
        QVERIFY(!import->isVisible());
        QCOMPARE(texts(editor, {"qlap", "qs1", "qs2", "qs3"}),
                 strings({"1.23.456", "41.123", "1.02.345", ""}));
        QVERIFY(activate(editor) && !window("frmhof"));
        QCOMPARE(texts(editor, {"qs3"}), strings({"21.111"}));
        editor->close();
    }

    // A race lap chosen with the keyboard goes to the slot the player names;
    // the window stays loaded, and the next IMPORT shows it as it was.
    void raceLapIntoTheChosenSlot() {
        Desk desk;
        QVERIFY(
            gp2With(desk, {{"gpsaves/AHOT.HL", hotlapFile({.session = 0x44})},
                           {"gpsaves/ahot2.hl", hotlapFile({.session = 0x80, .lapTime = 95321})}}));
        LapTimeEditor* editor = nullptr;
        QPointer<HotlapImportWindow> import = openImport(desk, 1, &editor);
        QVERIFY(import);
        QSignalSpy raceDone(import.data(), &HotlapImportWindow::extracted);
        QVERIFY(activate(import));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_End); // the list has the focus
        QVERIFY(raceDone.wait(kGenerousWait));
        clickButton(import, "cmdins");
        QVERIFY(window("frmqr") && window("frmqr")->isVisible() && import->isVisible());
        clickButton(window("frmqr"), "cmdr");
        QVERIFY(!window("frmqr") && import && !import->isVisible());
        QCOMPARE(texts(editor, {"rlap", "qrlap"}), strings({"1.35.321", ""}));

        QVERIFY(activate(editor));
        clickButton(editor, "cmdimport");
        QVERIFY(window<HotlapImportWindow>("frmhof") == import && import->isVisible());
        clickButton(import, "cmdins");
        clickButton(window("frmqr"), "cmdqr");
        QCOMPARE(texts(editor, {"qrlap"}), strings({"1.35.321"}));
        editor->close();
        QVERIFY(!window("frmhof"));
    }

    // A Custom circuit lists every hot lap; a warm-up lap has no slot, so
    // INSERT does nothing. A name hof.bat cannot carry, a file hof2lap cannot
    // read and a missing interpreter are each told, with empty fields.
    void customListAndFailures() {
#ifdef _WIN32 // no Windows file name holds a double quote; Ω is not in hof.bat's Windows-1252
        const char* uncarried = "Q\u03A9Q.HL";
        const char* whyNot = "the character \u03A9, which the batch file cannot carry";
#else
        const char* uncarried = "Q\"Q.HL";
        const char* whyNot = "its name holds a double quote";
#endif
        const std::string saved = std::string("gpsaves/") + uncarried;
        Desk desk;
        QVERIFY(gp2With(desk, {{"gpsaves/AHOT.HL", hotlapFile({.session = 0x44})},
                               {"gpsaves/AWARM.HLP", hotlapFile({.session = 0x02})},
                               {"gpsaves/BHOT.HL", "not a hot lap"},
                               {saved.c_str(), hotlapFile({})},
                               {"gpsaves/ZAND.HL",
                                hotlapFile({.trackByte = 0x80, .trackName = "Zandvoort%2"})}}));
        desk.main.selectTrackset(Trackset::Custom);
        LapTimeEditor* editor = nullptr;
        HotlapImportWindow* import = openImport(desk, 16, &editor);
        QVERIFY(import);
        auto* list = child<QListWidget>(import, "File1");
        QCOMPARE(names(list), strings({"AHOT.HL", "AWARM.HLP", "BHOT.HL", uncarried, "ZAND.HL"}));
        QVERIFY(extract(import, QStringLiteral("ZAND.HL")));
        // A "%2" in the track's name stays as it is.
        QCOMPARE(texts(import, {"circuit", "trackfile"}),
                 strings({"Zandvoort%2", "Driven on the track-editor track Zandvoort%2, loaded "
                                         "into slot 1."}));
        clickButton(import, "cmddetails"); // read from the highlighted file itself
        const QString details =
            child<QPlainTextEdit>(window("frmhotlapdetails"), "details")->toPlainText();
        QVERIFY(details.startsWith(QStringLiteral("Hot lap ZAND.HL\nClean: yes\n")) &&
                details.contains(QStringLiteral("\nTrack file: edited, from slot 1, ")));
        QVERIFY(extract(import, QStringLiteral("AWARM.HLP")));
        QCOMPARE(texts(import, {"session", "trackfile"}), strings({"Warm-up", ""}));
        clickButton(import, "cmdins");
        QVERIFY(import->isVisible() && !window("frmqr"));
        QVERIFY(texts(editor, {"plap", "qlap", "rlap", "qrlap"}).join(QString()).isEmpty());

        const QString velobat = QFileInfo(BatchRunner::interpreter()).fileName(); // .exe on Windows
        const std::tuple<const char*, QString, QString> failures[] = {
            {"AHOT.HL", velobat + QStringLiteral(" could not be started"),
             desk.dir.path(QStringLiteral("nowhere"))},
            {uncarried, QString::fromUtf8(whyNot), QStringLiteral(VELOBAT_DIR)},
            {"BHOT.HL", QStringLiteral("hof2lap: "), QStringLiteral(VELOBAT_DIR)}};
        for (const auto& [file, why, interpreter] : failures) {
            BatchRunner::setInterpreterDirectory(interpreter);
            desk.msgs.expect(MessageAnswer::Ok);
            QVERIFY(extract(import, QString::fromUtf8(file)));
            QCOMPARE(desk.msgs.shown.size(), 1);
            QVERIFY2(desk.msgs.shown.takeFirst().text.contains(why), file);
            QVERIFY(fields(import) == QStringList(5, QString()) && settled());
        }
        editor->close();
    }

    // While hof2lap runs a second choice is put back; CLOSE stops it, and its
    // windows and working files go along.
    void closeWhileReading() {
        Desk desk;
        LapTimeEditor* editor = nullptr;
        HotlapImportWindow* import = importOfAhot(desk, &editor);
        QVERIFY(import && writeBytes(QStringLiteral("GP2/gpsaves/ahot2.hl"), hotlapFile({})));
        QVERIFY(activate(import));
        auto* list = child<QListWidget>(import, "File1");
        clickFile(list, QStringLiteral("AHOT.HL"));
        QVERIFY(window("frmwait") && window("frmwait")->isVisible() &&
                QApplication::overrideCursor());
        clickFile(list, QStringLiteral("ahot2.hl"));
        QCOMPARE(list->currentItem()->text(), QStringLiteral("AHOT.HL"));
        clickButton(import, "Command1");
        QVERIFY(!window("frmhof") && !window("frmwait") && window("frmtimes") == editor);
        QVERIFY(settled());
        editor->close();
    }
};

QTEST_MAIN(ImportWindowTest)
#include "ImportWindowTest.moc"
