// The Hot laps button, its window and the watch on gpsaves, on hot laps built
// by the fixture writer: the table's rows and sorting, "Take all faster"
// against what the editor writes for the same laps, the main window's line
// for a new best, and the watch following gpsaves wherever the working
// folder is, however large the folder, and whatever is done to the folder.
#include "ui/hotlap/HotlapWatch.h"

#include "HotlapFixture.h"
#include "formats/Dates.h"
#include "laps/DataFiles.h"
#include "laps/History.h"
#include "laps/ImportedLap.h"
#include "support/Windows.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace velomark;
using namespace velomark::test;

Q_DECLARE_METATYPE(velomark::FolderEventSource)

namespace {

constexpr int kGenerousWait = 30000;
// A saves folder taken away or made again is seen to within this.
constexpr int kFewSeconds = 5000;

// Monza holds a Qualifying best of 1.23.777; Interlagos a Practice time of 1.20.000.
const std::string kSet1 = lapRecords(
    {{1,
      R"("","","","","","1.20.000","28.000","55.000","25.000","p.set","","","","","","","","","","r.set")"},
     {12,
      R"("","","","","","","","","","","1.23.777","41.500","1.02.500","21.277","q.set","","","","","")"}});

FixtureLap lap(uint8_t track, uint8_t session, uint32_t lapTime, bool compressed = true) {
    return {.track = track, .compressed = compressed, .session = session, .lapTime = lapTime};
}

const std::string kQualifying130 =
    R"("","","","","","","","","","","1.30.000","","","","","","","","","")";

// Each file gets a time of its own, an hour after the one before.
constexpr std::int64_t kFirstFileTime = 1748772000; // 2025-06-01

const std::pair<const char*, std::string> kFiles[] = {
    {"MQUAL.HL", hotlapFile(lap(11, 0x44, 83456))},        // 0.321 s faster
    {"mslow.hl", hotlapFile(lap(11, 0x44, 84000, false))}, // slower
    {"APRAC.HL", hotlapFile(lap(0, 0x00, 79500, false))},  // 0.500 s faster
    {"ARACE.HLP", hotlapFile(lap(0, 0x80, 91000))},        // nothing stored yet
    {"AWARM.HL", hotlapFile(lap(0, 0x02, 80000))},         // never taken
    {"PLAIN.HL", hotlapFile({.track = 4, .extension = false})},
    {"BAD.HL", "not a hot lap"},
};

QString savedText(std::int64_t t) {
    return QDateTime::fromSecsSinceEpoch(t).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

// GP2 with these files in gpsaves, set as the GP2 directory; the main window
// shown with set1.dat as given.
template <class Files>
[[nodiscard]] bool gp2With(Desk& desk, const Files& files, const std::string& set1) {
    bool ok = QDir().mkpath(QStringLiteral("GP2/gpsaves")) &&
              writeGp2Path(desk.dir.path(QStringLiteral("GP2")).toStdString()).ok();
    std::int64_t t = kFirstFileTime;
    for (const auto& [name, bytes] : files) {
        QFile f(QStringLiteral("GP2/gpsaves/") + QLatin1String(name));
        ok = ok && writeBytes(f.fileName(), bytes) && f.open(QIODevice::ReadWrite) &&
             f.setFileTime(QDateTime::fromSecsSinceEpoch(t), QFileDevice::FileModificationTime);
        t += 3600;
    }
    return ok && desk.ready(set1);
}

// The files above and a pipe (a folder where there are none), set1.dat as above.
[[nodiscard]] bool gp2WithLaps(Desk& desk) {
    return QDir().mkpath(QStringLiteral("GP2/gpsaves")) &&
           (makePipe("GP2/gpsaves/PIPE.HL") || makeFolder("GP2/gpsaves/PIPE.HL")) &&
           gp2With(desk, kFiles, kSet1);
}

HotlapWatch* watchOf(Desk& desk) {
    return desk.main.findChild<HotlapWatch*>(QStringLiteral("hotlapwatch"));
}

// The test goes on as an ordinary user, as players run Velomark: root reads
// a folder whatever its rights say. Before the desk, so that its files are the user's.
[[nodiscard]] bool asOrdinaryUser() {
#ifdef _WIN32
    return true;
#else
    return ::geteuid() != 0 || (::setegid(65534) == 0 && ::seteuid(65534) == 0);
#endif
}

// The watch hears the folder through the system's own source and through
// Qt's watcher, which other systems use.
void sources() {
    QTest::addColumn<FolderEventSource>("source");
    QTest::newRow("system's own") << FolderEventSource::Native;
    QTest::newRow("Qt's watcher") << FolderEventSource::QtWatcher;
}

template <class T> T* named(QWidget* parent, const char* accessibleName) {
    for (T* w : parent->findChildren<T*>())
        if (w->accessibleName() == QLatin1String(accessibleName))
            return w;
    return nullptr;
}

// Presses "Hot laps" and waits until the window has read the folder.
QWidget* openHotlaps(Desk& desk) {
    named<QPushButton>(&desk.main, "Hot laps")->click();
    QWidget* w = window("frmhotlaps"); // from its module
    QSignalSpy done(w, SIGNAL(readingDone()));
    return w && (!w->property("reading").toBool() || done.wait(kGenerousWait)) ? w : nullptr;
}

// Each row's cells joined by " | ", in the order the table shows them.
QStringList rows(QWidget* w) {
    const QAbstractItemModel* m = child<QTableView>(w, "hotlaps")->model();
    QStringList out;
    for (int r = 0; r < m->rowCount(); ++r)
        out << rowTexts(m, r).join(QStringLiteral(" | "));
    return out;
}

QStringList column(QWidget* w, int c) {
    return columnTexts(child<QTableView>(w, "hotlaps")->model(), c);
}

void clickHeading(QWidget* w, int c) {
    QHeaderView* header = child<QTableView>(w, "hotlaps")->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(c) + 4, header->height() / 2));
}

// What the editor writes for the faster laps: each INSERT, its completion, SAVE.
std::string editorBytes(Desk& desk, std::vector<HistoryRow>& rows) {
    const std::pair<int, std::vector<ImportedLap>> inserts[] = {
        {1,
         {{RecordSession::Practice, "1.19.500", "41.123", "1.02.345"},
          {RecordSession::Race, "1.31.000", "", ""}}},
        {12, {{RecordSession::Qualifying, "1.23.456", "41.123", "1.02.345"}}}};
    for (const auto& [k, laps] : inserts) {
        LapTimeEditor* editor = desk.open(k);
        if (!editor)
            return "<no editor>";
        for (const ImportedLap& l : laps) {
            editor->insertLap(l.slot, l.lap, l.split1, l.split2);
            if (l.slot != RecordSession::Race)
                editor->completeSession(l.slot == RecordSession::Practice ? Session::Practice
                                                                          : Session::Qualifying);
        }
        clickButton(editor, "cmdsave");
        editor->close();
    }
    rows = readHistory()->rows;
    const std::string bytes = readBytes(QStringLiteral("set1.dat"));
    QFile::remove(QString::fromLatin1(kHistoryFileName));
    return writeBytes(QStringLiteral("set1.dat"), kSet1) ? bytes : "<not restored>";
}

} // namespace

class HotlapsTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_settings;

  private slots:
    // The player's settings stay untouched: the tests keep theirs apart, from a clean start.
    void initTestCase() {
        QVERIFY(m_settings.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
        QCoreApplication::addLibraryPath(QStringLiteral(VELOMARK_MODULE_DIR));
    }

    void withoutAGp2Directory() {
        Desk desk;
        QVERIFY(desk.ready());
        QWidget* w = openHotlaps(desk);
        QVERIFY(w && w->windowTitle() == QStringLiteral("Hot laps in GP2"));
        // The button's two lines in the window's own size, not squeezed smaller.
        QCOMPARE(named<QPushButton>(&desk.main, "Hot laps")->font().pointSizeF(), 8.0);
        QCOMPARE(text(w, "folder"),
                 QStringLiteral("Set your GP2 directory first: press INITIALISE ! on the main "
                                "window, type the folder GP2 is installed in into its lower field "
                                "and press Set GP2 path."));
        w->close();
    }

    // Every listed file is a row; the pipe is counted, never opened. Each
    // column sorts by what it means; another trackset changes the comparison.
    void rowsAndSorting() {
        Desk desk;
        QVERIFY(gp2WithLaps(desk));
        QWidget* w = openHotlaps(desk);
        QVERIFY(w);
        // The cells of a row but its file time, which goes before the last three.
        const auto row = [](int hour, std::initializer_list<const char*> cells) {
            QStringList out = strings(cells);
            out.insert(6, savedText(kFirstFileTime + 3600 * hour));
            return out.join(QStringLiteral(" | "));
        };
        QCOMPARE(rows(w), QStringList({
                              row(2, {"APRAC.HL", "Interlagos", "Practice", "1.19.500", "41.123",
                                      "1.02.345", "1.20.000", "0.500", "yes"}),
                              row(3, {"ARACE.HLP", "Interlagos", "Race", "1.31.000", "41.123",
                                      "1.02.345", "", "no best yet", "yes"}),
                              row(4, {"AWARM.HL", "Interlagos", "Warm-up (never taken)", "1.20.000",
                                      "41.123", "1.02.345", "", "", "yes"}),
                              row(6, {"BAD.HL", "", "The file is not a GP2 file.", "", "", "", "",
                                      "", "unknown"}),
                              row(0, {"MQUAL.HL", "Monza", "Qualifying", "1.23.456", "41.123",
                                      "1.02.345", "1.23.777", "0.321", "yes"}),
                              row(1, {"mslow.hl", "Monza", "Qualifying", "1.24.000", "41.123",
                                      "1.02.345", "1.23.777", "", "yes"}),
                              row(5, {"PLAIN.HL", "Barcelona", "times not in this file", "", "", "",
                                      "", "", "unknown"}),
                          }));
        QCOMPARE(text(w, "counts"),
                 QStringLiteral("7 hot laps, 3 faster than your best; 1 cannot be read (the "
                                "Session column says why); 1 more name matching *.hl? is no file "
                                "and is left out."));

        clickHeading(w, 8); // Faster by: a first time, then the widest margin first
        QCOMPARE(column(w, 0).mid(0, 3), strings({"ARACE.HLP", "APRAC.HL", "MQUAL.HL"}));
        clickHeading(w, 3); // Lap Time: as times, rows without one last
        QCOMPARE(column(w, 0), strings({"APRAC.HL", "AWARM.HL", "MQUAL.HL", "mslow.hl", "ARACE.HLP",
                                        "BAD.HL", "PLAIN.HL"}));
        QTest::keyClick(child<QTableView>(w, "hotlaps"), Qt::Key_7, Qt::ControlModifier); // Saved
        QCOMPARE(column(w, 0).first(), QStringLiteral("MQUAL.HL"));

        named<QRadioButton>(w, "TrackPack")->click();
        QCOMPARE(column(w, 1).first(), QStringLiteral("Zandvoort"));
        QVERIFY(column(w, 7).join(QString()).isEmpty()); // set2.dat is not there
        w->close();
    }

    // Exactly the faster laps, after one question that lists them, stored as
    // the editor stores them, the history dated by each file.
    void takeAllFaster() {
        Desk desk;
        QVERIFY(gp2WithLaps(desk));
        std::vector<HistoryRow> editorRows;
        const std::string expected = editorBytes(desk, editorRows);
        QCOMPARE(editorRows.size(), size_t(3));
        QWidget* w = openHotlaps(desk);
        QVERIFY(w);
        desk.msgs.expect(MessageAnswer::Yes);
        named<QPushButton>(w, "Take all faster")->click();
        QCOMPARE(desk.msgs.shown.size(), 1);
        QCOMPARE(desk.msgs.shown[0].text,
                 QStringLiteral("Store these 3 times in your lap records?"));
        QCOMPARE(desk.msgs.shown[0].details,
                 QStringLiteral("Interlagos, Practice: 1.19.500 replaces 1.20.000\n"
                                "Interlagos, Race: 1.31.000, the first time stored for this "
                                "session\nMonza, Qualifying: 1.23.456 replaces 1.23.777"));
        QCOMPARE(readBytes(QStringLiteral("set1.dat")), expected);
        const std::vector<HistoryRow> rows = readHistory()->rows;
        QCOMPARE(rows.size(), editorRows.size());
        const std::int64_t fileTimes[] = {kFirstFileTime + 2 * 3600, kFirstFileTime + 3 * 3600,
                                          kFirstFileTime};
        for (size_t i = 0; i < rows.size(); ++i) {
            QCOMPARE(rows[i].when,
                     isoTimestamp(fileTimes[i], systemClock().utcOffsetSeconds(fileTimes[i])));
            HistoryRow dated = editorRows[i];
            dated.when = rows[i].when;
            QCOMPARE(historyLine(rows[i]), historyLine(dated));
        }
        QVERIFY(text(w, "status")
                    .contains(QStringLiteral(
                        "Monza, Qualifying: 1.23.456, 0.321 s faster than 1.23.777")));
        QCOMPARE(column(w, 8).join(QString()), QString()); // nothing is faster any more

        named<QPushButton>(w, "Take all faster")->click(); // no question: nothing to take
        QCOMPARE(text(w, "status"), QStringLiteral("No hot lap is faster than your best."));

        // A slower lap is taken only when selected, and asked about as such.
        auto* view = child<QTableView>(w, "hotlaps");
        const QModelIndex slow = view->model()->index(column(w, 0).indexOf(u"mslow.hl"), 0);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(slow).center());
        desk.msgs.expect(MessageAnswer::No);
        named<QPushButton>(w, "Take selected")->click();
        QCOMPARE(desk.msgs.shown.size(), 2);
        QCOMPARE(desk.msgs.shown[1].text,
                 QStringLiteral("Store this time in your lap records?\n\nA time that is not "
                                "faster than your best is stored only because you selected it."));
        QCOMPARE(desk.msgs.shown[1].details,
                 QStringLiteral("Monza, Qualifying: 1.24.000 replaces 1.23.456 (0.544 s slower)"));
        QCOMPARE(readBytes(QStringLiteral("set1.dat")), expected);
        w->close();
    }

    // "Only clean laps", remembered from one window to the next: "Take all
    // faster" stores the clean lap alone and names the two it left out;
    // unchecked, it stores all three, each one not clean saying why. Enter on
    // a row shows the lap's details, and Copy puts them on the clipboard.
    void onlyCleanLaps() {
        Desk desk;
        const std::pair<const char*, std::string> files[] = {
            {"ACLEAN.HL", hotlapFile({.session = 0x44, .lapTime = 70000})},
            {"BOFF.HL", hotlapFile({.track = 1, .session = 0x44, .lapTime = 70000, .lapFlags = 1})},
            {"CSLOW.HL",
             hotlapFile({.track = 2, .session = 0x44, .lapTime = 70000, .slowMotion = 125})}};
        QVERIFY(gp2With(desk, files, blankLapRecordFile()));
        QWidget* w = openHotlaps(desk);
        QVERIFY(w && !named<QCheckBox>(w, "Only clean laps")->isChecked());
        QCOMPARE(column(w, 9), strings({"yes", "off track", "slow motion 1.25 s"}));
        named<QCheckBox>(w, "Only clean laps")->click();
        w->close();
        QVERIFY(!window("frmhotlaps"));
        w = openHotlaps(desk);
        QVERIFY(w && named<QCheckBox>(w, "Only clean laps")->isChecked());

        desk.msgs.expect(MessageAnswer::Yes);
        named<QPushButton>(w, "Take all faster")->click();
        QCOMPARE(desk.msgs.shown.value(0).text,
                 QStringLiteral("Store this time in your lap records?\n\n2 faster hot laps are "
                                "left out as not clean; they end the list."));
        QCOMPARE(desk.msgs.shown[0].details,
                 QStringLiteral("Interlagos, Qualifying: 1.10.000, the first time stored for this "
                                "session\nLeft out, not clean: BOFF.HL, TI Circuit Aida, "
                                "Qualifying 1.10.000: off track\nLeft out, not clean: CSLOW.HL, "
                                "Imola, Qualifying 1.10.000: slow motion 1.25 s"));
        QCOMPARE(readHistory()->rows.size(), size_t(1));

        QVERIFY(writeBytes(QStringLiteral("set1.dat"), blankLapRecordFile()));
        named<QCheckBox>(w, "Only clean laps")->click();
        desk.msgs.expect(MessageAnswer::Yes);
        named<QPushButton>(w, "Take all faster")->click();
        QCOMPARE(desk.msgs.shown.value(1).details.split(QLatin1Char('\n')).value(1),
                 QStringLiteral("TI Circuit Aida, Qualifying: 1.10.000, the first time stored for "
                                "this session; not clean: off track"));
        QCOMPARE(readHistory()->rows.size(), size_t(4));
        QCOMPARE(column(w, 8).join(QString()), QString()); // all three stored

        auto* view = child<QTableView>(w, "hotlaps");
        view->setFocus();
        view->setCurrentIndex(view->model()->index(1, 0));
        QTest::keyClick(view, Qt::Key_Return);
        auto* details = window("frmhotlapdetails");
        QVERIFY(details && details->isVisible());
        const QString shown = child<QPlainTextEdit>(details, "details")->toPlainText();
        QCOMPARE(shown.section(QLatin1Char('\n'), 0, 1),
                 QStringLiteral("Hot lap BOFF.HL\nClean: off track"));
        QVERIFY(shown.contains(QStringLiteral("\nLap flags: off track\n")));
        clickButton(details, "cmdcopy");
        QCOMPARE(QGuiApplication::clipboard()->text(), shown);
        w->close();
    }

    // A lap driven on a track-editor track in slot 1 is no Standard
    // circuit's; for TrackPack and Custom it goes by its slot, and as a Custom
    // circuit's it is asked about and stored under both its names.
    void lapOnATrackEditorTrack() {
        Desk desk;
        const std::pair<const char*, std::string> files[] = {
            {"ZAND.HL", hotlapFile({.trackByte = 0x80,
                                    .session = 0x44,
                                    .trackName = "Zandvoort",
                                    .lapTime = 70000})}};
        QVERIFY(writeBytes(QStringLiteral("set3.dat"), blankLapRecordFile()) &&
                writeBytes(QStringLiteral("custom"), fixture("custom_initialised")));
        QVERIFY(gp2With(desk, files, lapRecords({{1, kQualifying130}})));
        QWidget* w = openHotlaps(desk);
        QVERIFY(w);
        QCOMPARE(column(w, 1), strings({"Zandvoort (slot 1)"}));
        child<QTableView>(w, "hotlaps")->selectAll();
        named<QPushButton>(w, "Take selected")->click();
        QCOMPARE(text(w, "status"),
                 QStringLiteral("A hot lap driven on a track-editor track is never stored as a "
                                "Standard circuit's: choose TrackPack or Custom above."));
        QCOMPARE(readBytes(QStringLiteral("set1.dat")), lapRecords({{1, kQualifying130}}));

        named<QRadioButton>(w, "TrackPack")->click();
        QCOMPARE(column(w, 1),
                 strings({"Zandvoort (slot 1) as TrackPack circuit 1 (Brands Hatch)"}));
        named<QRadioButton>(w, "Custom")->click();
        desk.msgs.expect(MessageAnswer::Yes);
        named<QPushButton>(w, "Take all faster")->click();
        QCOMPARE(desk.msgs.shown.value(0).details,
                 QStringLiteral("Zandvoort (slot 1) as Custom circuit 1, Qualifying: 1.10.000, "
                                "the first time stored for this session"));
        QVERIFY(text(w, "status").startsWith(desk.msgs.shown[0].details.section(u',', 0, 1)));
        const std::vector<HistoryRow> rows = readHistory()->rows;
        QVERIFY(rows.size() == 1 && rows[0].set == Trackset::Custom && rows[0].circuit == 1);
        w->close();
    }

    // 48 laps to take: the question lists them in a scrolling box, so that
    // the box and its Yes and No fit a small screen, and so does the window
    // once it says what the take did.
    void aLongQuestionFitsTheScreen() {
        Desk desk;
        std::vector<std::pair<std::string, std::string>> files;
        for (uint8_t track = 0; track < 16; ++track)
            for (uint8_t session : {0x00, 0x44, 0x80})
                files.emplace_back(std::to_string(track * 1000 + session) + ".HL",
                                   hotlapFile(lap(track, session, 80000 + track)));
        QVERIFY(gp2With(desk, files, blankLapRecordFile()));
        QWidget* w = openHotlaps(desk);
        QVERIFY(w);
        desk.msgs.expect(MessageAnswer::No);
        named<QPushButton>(w, "Take all faster")->click();
        const Message asked = desk.msgs.shown.value(0);
        QCOMPARE(asked.text, QStringLiteral("Store these 48 times in your lap records?"));
        QCOMPARE(asked.details.count(QLatin1Char('\n')), 47);
        const std::unique_ptr<QMessageBox> box = messageBox(w, asked);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        const QRect screen = box->screen()->availableGeometry();
        QVERIFY(screen.contains(box->frameGeometry()));
        for (QAbstractButton* b : {box->button(QMessageBox::Yes), box->button(QMessageBox::No)})
            QVERIFY(b && b->isVisible() && box->rect().contains(b->geometry()));
        box->close();

        // Taken, what each did is said under the table, which stays on the screen.
        desk.msgs.expect(MessageAnswer::Yes);
        named<QPushButton>(w, "Take all faster")->click();
        QCOMPARE(text(w, "status").count(QLatin1Char('\n')), 47);
        QCoreApplication::processEvents(); // the layout, grown for the text
        QVERIFY(screen.contains(w->frameGeometry()));
        w->close();
    }

    // Closing the window while a large folder is read stops the read there
    // and then: no reading arrives after, and the window goes.
    void closeWhileReading() {
        Desk desk;
        std::vector<std::pair<std::string, std::string>> files;
        for (int i = 0; i < 2000; ++i)
            files.emplace_back("L" + std::to_string(i) + ".HL", hotlapFile(lap(0, 0x44, 80000)));
        QVERIFY(gp2With(desk, files, kSet1));
        named<QPushButton>(&desk.main, "Hot laps")->click();
        QPointer<QWidget> w = window("frmhotlaps");
        QVERIFY(w && w->property("reading").toBool());
        QSignalSpy done(w.data(), SIGNAL(readingDone()));
        w->close();
        QVERIFY(!w->property("reading").toBool());
        QTRY_VERIFY(!w);
        QCOMPARE(done.count(), 0);
    }

    // Each test starts with the system's own source; some try both.
    void init() { HotlapWatch::useEventSource(FolderEventSource::Native); }

    void watchAnnouncesNewBests_data() { sources(); }
    // A faster lap that lands is announced once it is whole; a slower one,
    // or one still being written, is not.
    void watchAnnouncesNewBests() {
        QFETCH(FolderEventSource, source);
        HotlapWatch::useEventSource(source);
        Desk desk;
        QVERIFY(gp2WithLaps(desk));
        HotlapWatch* watch = watchOf(desk);
        QVERIFY(watch);
        QTRY_VERIFY_WITH_TIMEOUT(watch->watching(), kGenerousWait);
        QCOMPARE(QString::fromStdString(watch->folder()),
                 QDir::toNativeSeparators(desk.dir.path(QStringLiteral("GP2/gpsaves"))));
        QSignalSpy read(watch, &HotlapWatch::lapRead);
        auto* notice = child<QLabel>(&desk.main, "hotlapnotice");
        const int height = desk.main.height();

        const std::string faster = hotlapFile(lap(11, 0x44, 83000, false));
        QVERIFY(writeBytes(QStringLiteral("GP2/gpsaves/MHALF.HL"), faster.substr(0, 400)));
        QVERIFY(read.wait(kGenerousWait));
        QVERIFY(notice->isHidden());
        QFile rest(QStringLiteral("GP2/gpsaves/MHALF.HL"));
        QVERIFY(rest.open(QIODevice::Append) &&
                rest.write(faster.substr(400).c_str(), qint64(faster.size() - 400)) > 0);
        rest.close();
        QVERIFY(read.wait(kGenerousWait));
        QCOMPARE(notice->text(), QStringLiteral("New hot lap at Monza, Qualifying 1.23.000: 0.777 "
                                                "s faster than your best, a clean lap. Open Hot "
                                                "laps to take it."));
        QVERIFY(notice->isVisible() && desk.main.height() > height);
        // A screen reader gets the whole line, as a notification.
        const QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(notice);
        QVERIFY(heard->role() == QAccessible::Notification && !heard->state().invisible);
        QCOMPARE(heard->text(QAccessible::Name), notice->text());
        QTest::mouseClick(notice, Qt::LeftButton);
        QVERIFY(notice->isHidden() && desk.main.height() == height);

        QVERIFY(
            writeBytes(QStringLiteral("GP2/gpsaves/MSLOW2.HL"), hotlapFile(lap(11, 0x44, 85000))));
        QVERIFY(read.wait(kGenerousWait));
        QVERIFY(notice->isHidden());
        QCOMPARE(readBytes(QStringLiteral("set1.dat")), kSet1); // nothing written unasked
    }

    // Every path read is gpsaves' own and absolute, a relative GP2 directory
    // too: a saves folder that cannot be read for a moment is named on the
    // window and listed again by itself once it can be, and a hot lap of the
    // same name lying in the data folder is never announced or listed.
    void everyPathReadIsTheSavesFoldersOwn() {
#ifndef _WIN32
        const auto root = qScopeGuard([] { (void)(::seteuid(0) + ::setegid(0)); });
#endif
        QVERIFY(asOrdinaryUser());
        Desk desk;
        QVERIFY(gp2WithLaps(desk));
        QVERIFY(writeGp2Path("GP2").ok());
        HotlapWatch* watch = watchOf(desk);
        // The main window, active again, watches the GP2 directory just set.
        watch->watch(std::string());
        QVERIFY(activate(&desk.main));
        QEvent activated(QEvent::ActivationChange);
        QCoreApplication::sendEvent(&desk.main, &activated);
        const QString saves =
            QDir::toNativeSeparators(desk.dir.path(QStringLiteral("GP2/gpsaves")));
        QCOMPARE(QString::fromStdString(watch->folder()), saves);
        QTRY_VERIFY_WITH_TIMEOUT(watch->watching(), kGenerousWait);
        QWidget* w = openHotlaps(desk);
        QVERIFY(w);
        QCOMPARE(text(w, "folder"), QStringLiteral("The hot laps in ") + saves);
        // Never to be read: it lies in the data folder. gpsaves' E9.HL will be Barcelona's.
        QVERIFY(writeBytes(QStringLiteral("E9.HL"), hotlapFile(lap(11, 0x44, 65000))));

#ifndef _WIN32 // no rights are taken from a folder this way on Windows
        QVERIFY(::chmod("GP2/gpsaves", 0) == 0);
        const auto readable = qScopeGuard([] { ::chmod("GP2/gpsaves", 0755); });
        QTRY_COMPARE_WITH_TIMEOUT(
            text(w, "folder"),
            QStringLiteral("The saves folder %1 cannot be read (Permission denied); "
                           "Velomark tries it again every few seconds.")
                .arg(saves),
            kFewSeconds);
        QCOMPARE(rows(w), QStringList());
        QVERIFY(::chmod("GP2/gpsaves", 0755) == 0);
        QTRY_COMPARE_WITH_TIMEOUT(rows(w).size(), 7, kFewSeconds);
        QCOMPARE(text(w, "folder"), QStringLiteral("The hot laps in ") + saves);
        QTRY_VERIFY_WITH_TIMEOUT(watch->watching(), kFewSeconds);
#endif

        QVERIFY(writeBytes(QStringLiteral("GP2/gpsaves/E9.HL"), hotlapFile(lap(4, 0x44, 70000))));
        QTRY_COMPARE_WITH_TIMEOUT(child<QLabel>(&desk.main, "hotlapnotice")->text(),
                                  QStringLiteral("New hot lap at Barcelona, Qualifying 1.10.000: "
                                                 "the first time for this session, a clean lap. "
                                                 "Open Hot laps to take it."),
                                  kGenerousWait);
        QTRY_COMPARE_WITH_TIMEOUT(column(w, 0).count(u"E9.HL"), 1, kGenerousWait);
        QCOMPARE(column(w, 1).at(column(w, 0).indexOf(u"E9.HL")), QStringLiteral("Barcelona"));
        w->close();
    }

    // Listing the folder and reading what lands happen on the watch's own
    // thread: with the window thread taking nothing but the watch's news
    // (no timer, no file-system event of its own), laps landing in a large
    // folder are still heard, read and handed over.
    void theWatchWorksOffTheWindowThread() {
        Desk desk;
        QVERIFY(desk.ready(kSet1));
        QVERIFY(QDir().mkpath(QStringLiteral("GP2/gpsaves")));
        const std::string slow =
            hotlapFile({.track = 11, .replaySize = 64, .session = 0x44, .lapTime = 95000});
        for (int i = 0; i < 5000; ++i)
            QVERIFY(writeBytes(QStringLiteral("GP2/gpsaves/A%1.HL").arg(i), slow));
        HotlapWatch* watch = watchOf(desk);
        QSignalSpy read(watch, &HotlapWatch::lapRead);
        watch->watch(desk.dir.path(QStringLiteral("GP2")).toStdString());
        QTRY_VERIFY_WITH_TIMEOUT(watch->watching(), kGenerousWait);
        for (int i = 0; i < 20; ++i)
            QVERIFY(writeBytes(QStringLiteral("GP2/gpsaves/B%1.HL").arg(i), slow));
        QVERIFY(QFile::remove(QStringLiteral("GP2/gpsaves/A7.HL")));
        QElapsedTimer waited;
        waited.start();
        while (read.size() < 20 && waited.elapsed() < kGenerousWait) {
            QThread::msleep(20);
            QCoreApplication::sendPostedEvents(watch, QEvent::MetaCall);
        }
        QCOMPARE(read.size(), 20);
        QTest::qWait(HotlapWatch::kQuietMs * 2); // nothing else comes
        QCOMPARE(read.size(), 20);
    }

    // The watch follows the path, not the folder: one renamed away,
    // replaced, or taken away and made again is found again within seconds,
    // with no action of the player, and while it is missing the Hot laps
    // window says so.
    void theWatchFollowsThePathOfTheSavesFolder_data() {
        sources();
    }
    void theWatchFollowsThePathOfTheSavesFolder() {
        QFETCH(FolderEventSource, source);
        HotlapWatch::useEventSource(source);
        Desk desk;
        QVERIFY(gp2WithLaps(desk));
        HotlapWatch* watch = watchOf(desk);
        QTRY_VERIFY_WITH_TIMEOUT(watch->watching(), kGenerousWait);
        QWidget* w = openHotlaps(desk);
        QVERIFY(w);
        const QString saves =
            QDir::toNativeSeparators(desk.dir.path(QStringLiteral("GP2/gpsaves")));
        auto* notice = child<QLabel>(&desk.main, "hotlapnotice");
        const auto announced = [](const char* lapTime, const char* by) {
            return QStringLiteral("New hot lap at Monza, Qualifying %1: %2 s faster than your "
                                  "best, a clean lap. Open Hot laps to take it.")
                .arg(QLatin1String(lapTime), QLatin1String(by));
        };
        QDir gp2(QStringLiteral("GP2"));

        // Renamed away: missing, and said so.
        QVERIFY(gp2.rename(QStringLiteral("gpsaves"), QStringLiteral("gpsaves.old")));
        QTRY_COMPARE_WITH_TIMEOUT(
            text(w, "folder"),
            QStringLiteral("The saves folder %1 is missing; Velomark looks for it "
                           "again every few seconds.")
                .arg(saves),
            kFewSeconds);
        QCOMPARE(rows(w), QStringList());
        QTRY_VERIFY_WITH_TIMEOUT(!watch->watching(), kFewSeconds);
        // A lap landing in the folder renamed away is no news of gpsaves.
        QVERIFY(writeBytes(QStringLiteral("GP2/gpsaves.old/MOLD.HL"),
                           hotlapFile(lap(11, 0x44, 82000))));

        // Made again: listed again, and a lap that lands there is announced.
        QVERIFY(gp2.mkdir(QStringLiteral("gpsaves")));
        QTRY_COMPARE_WITH_TIMEOUT(text(w, "folder"), QStringLiteral("The hot laps in ") + saves,
                                  kFewSeconds);
        QTRY_VERIFY_WITH_TIMEOUT(watch->watching(), kFewSeconds);
        QVERIFY(
            writeBytes(QStringLiteral("GP2/gpsaves/MNEW.HL"), hotlapFile(lap(11, 0x44, 83000))));
        QTRY_COMPARE_WITH_TIMEOUT(notice->text(), announced("1.23.000", "0.777"), kFewSeconds);
        QTRY_COMPARE_WITH_TIMEOUT(column(w, 0), strings({"MNEW.HL"}), kFewSeconds);
        QTest::mouseClick(notice, Qt::LeftButton);

        // Replaced at once (renamed away and made again before anyone looks):
        // the new folder is the one watched.
        QVERIFY(gp2.rename(QStringLiteral("gpsaves"), QStringLiteral("gpsaves.2")));
        QVERIFY(gp2.mkdir(QStringLiteral("gpsaves")));
        QVERIFY(
            writeBytes(QStringLiteral("GP2/gpsaves/MREP.HL"), hotlapFile(lap(11, 0x44, 82500))));
        QTRY_COMPARE_WITH_TIMEOUT(notice->text(), announced("1.22.500", "1.277"), kFewSeconds);
        QTRY_COMPARE_WITH_TIMEOUT(column(w, 0), strings({"MREP.HL"}), kFewSeconds);
        QTest::mouseClick(notice, Qt::LeftButton);

#ifndef _WIN32 // Wine keeps a watched folder taken away until its watch ends, never telling it
        // Taken away with all it held, and made again.
        QVERIFY(QDir(QStringLiteral("GP2/gpsaves")).removeRecursively());
        QVERIFY(gp2.mkdir(QStringLiteral("gpsaves")));
        QVERIFY(
            writeBytes(QStringLiteral("GP2/gpsaves/MAGAIN.HL"), hotlapFile(lap(11, 0x44, 82400))));
        QTRY_COMPARE_WITH_TIMEOUT(notice->text(), announced("1.22.400", "1.377"), kFewSeconds);
        QTRY_COMPARE_WITH_TIMEOUT(column(w, 0), strings({"MAGAIN.HL"}), kFewSeconds);
#endif
        QCOMPARE(readBytes(QStringLiteral("set1.dat")), kSet1); // nothing written unasked
        w->close();
    }
};

QTEST_MAIN(HotlapsTest)
#include "HotlapsTest.moc"
