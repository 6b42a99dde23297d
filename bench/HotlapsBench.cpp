// Times the hot laps of GP2's saves folder as a player meets them, over a
// folder of 1,000 hot laps (compressed and plain bodies, a tenth without
// GP2Lap's records, 20 to 110 KB of replay each):
//   - listing, reading and comparing them all in-process (the window's work);
//   - a click on "Hot laps" until the table is filled;
//   - a new faster hot lap landing in the folder until the main window's line says so.
// Then the watch over a large folder (40,000 small hot laps unless told otherwise):
//   - the longest stall of the window thread (the widest gap between the ticks
//     of a 5 ms timer) from the main window shown until the watch hears a lap;
//   - the same, and the time stalled in all, while 100 hot laps land at 10 a
//     second (written by a thread of their own) until the watch has read them;
//   - a new faster hot lap landing until the main window's line says so.
// Runs headless; prints the median and the 90th percentile of each.
//
// Usage: bench_hotlaps [ROUNDS] [LARGE_FOLDER_FILES]
#include "BenchSupport.h"
#include "HotlapFixture.h"
#include "app/MainWindow.h"
#include "formats/HotlapFiles.h"
#include "laps/DataFiles.h"
#include "laps/HotlapBests.h"
#include "platform/Messages.h"
#include "ui/hotlap/HotlapWatch.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

using namespace velomark;
using bench::writeFile;

namespace {

// Twenty kinds of hot lap, each written fifty times under its own name: the
// fixture's compressor is too slow to make a thousand different ones.
void fillSaves(const QString& saves, int count) {
    std::vector<std::string> kinds;
    for (uint8_t k = 0; k < 20; ++k) {
        test::FixtureLap lap{.track = static_cast<uint8_t>(k % 16),
                             .compressed = k % 2 == 0,
                             .extension = k % 10 != 9};
        lap.replaySize = 20 * 1024 + k * 4 * 1024;
        lap.session = k % 3 == 0 ? 0x44 : k % 3 == 1 ? 0x00 : 0x80;
        lap.lapTime = 80000 + k * 731;
        kinds.push_back(test::hotlapFile(lap));
    }
    for (int i = 0; i < count; ++i)
        writeFile(saves + QStringLiteral("/%1%2.HL")
                              .arg(QChar(u'A' + i % 16))
                              .arg(i, 4, 10, QLatin1Char('0')),
                  kinds[static_cast<size_t>(i) % kinds.size()]);
}

std::string setWithBests() {
    const std::string line =
        "\"\",\"\",\"\",\"\",\"\",\"1.21.000\",\"29.000\",\"1.02.000\",\"19.000\",\"p.set\","
        "\"1.20.500\",\"28.900\",\"1.01.800\",\"18.700\",\"q.set\",\"1.30.000\",\"\",\"\",\"\","
        "\"r.set\"\r\n";
    return bench::sameOnEveryCircuit(line);
}

// Listing, reading and comparing every hot lap, as the window's reader does.
double readAll(const std::string& dos) {
    QElapsedTimer t;
    t.start();
    const Result<SavesFolder> folder = listSavesFolder(dos);
    const TracksetBests bests = readTracksetBests(Trackset::Standard);
    int faster = 0;
    for (const std::string& name : folder->names)
        faster += compareHotlap(readHotlapAt(nativePath(dos), name), bests).beats() ? 1 : 0;
    const double ms = t.nsecsElapsed() / 1e6;
    return faster > 0 ? ms : -1;
}

QWidget* hotlapsWindow() {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QLatin1String("frmhotlaps"))
            return top;
    return nullptr;
}

// A click on "Hot laps" until the window has read and compared every file.
std::vector<double> timeWindow(MainWindow& main, int rounds) {
    std::vector<double> ms;
    auto* button = main.findChild<QPushButton*>(QStringLiteral("cmdhotlaps"));
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer t;
        t.start();
        button->click();
        QWidget* w = hotlapsWindow(); // from its module
        if (!w)
            return {};
        QSignalSpy done(w, SIGNAL(readingDone()));
        if (w->property("reading").toBool() && !done.wait(60000))
            return {};
        ms.push_back(t.nsecsElapsed() / 1e6);
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return ms;
}

// A new faster hot lap written into the folder until the main window's line shows it.
std::vector<double> timeLanding(MainWindow& main, int rounds) {
    std::vector<double> ms;
    auto* watch = main.findChild<HotlapWatch*>(QStringLiteral("hotlapwatch"));
    auto* notice = main.findChild<QLabel*>(QStringLiteral("hotlapnotice"));
    QSignalSpy read(watch, &HotlapWatch::lapRead);
    for (int i = 0; i < rounds; ++i) {
        notice->clear();
        const test::FixtureLap faster{.track = static_cast<uint8_t>(i % 16),
                                      .session = 0x44,
                                      .lapTime = 70000u + static_cast<uint32_t>(i)};
        QElapsedTimer t;
        t.start();
        writeFile(QStringLiteral("GP2/gpsaves/NEW%1.HL").arg(i), test::hotlapFile(faster));
        while (notice->text().isEmpty())
            if (!read.wait(60000))
                return {};
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    return ms;
}

// The gaps between the ticks of a 5 ms timer on the window thread: each gap
// beyond the interval is a time the window could not answer.
class StallMeter {
  public:
    StallMeter() {
        m_tick.setTimerType(Qt::PreciseTimer);
        m_tick.setInterval(5);
        QObject::connect(&m_tick, &QTimer::timeout, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            const double gap = (now - m_last) / 1e6;
            m_longest = std::max(m_longest, gap);
            if (gap > 50)
                m_over50 += gap;
            m_last = now;
        });
    }
    void start() {
        m_longest = m_over50 = 0;
        m_clock.start();
        m_last = 0;
        m_tick.start();
    }
    double longestMs() const { return m_longest; }
    double over50Ms() const { return m_over50; } // the sum of the gaps of more than 50 ms

  private:
    QTimer m_tick;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    double m_longest = 0, m_over50 = 0;
};

// Waits, the events running, until done() or timeoutMs; false on the timeout.
template <class F> bool runUntil(F done, int timeoutMs) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// A small hot lap, slower than the bests of setWithBests() unless faster.
std::string smallLap(int i, bool faster) {
    test::FixtureLap lap{.track = static_cast<uint8_t>(i % 16), .session = 0x44};
    lap.replaySize = 64;
    lap.lapTime = faster ? 70000u + static_cast<uint32_t>(i % 1000) : 95000;
    return test::hotlapFile(lap);
}

// The Hot laps window over the large folder: a click until every row is in
// its table, then one more lap landing while it is open, each with the
// longest stall of the window thread.
bool timeLargeWindow(MainWindow& main, StallMeter& meter) {
    QElapsedTimer t;
    meter.start();
    t.start();
    main.findChild<QPushButton*>(QStringLiteral("cmdhotlaps"))->click();
    QWidget* w = hotlapsWindow();
    if (!w || !runUntil([w] { return !w->property("reading").toBool(); }, 300000))
        return false;
    std::printf("Hot laps click to a full table                %.0f ms, longest stall %.0f ms\n",
                t.nsecsElapsed() / 1e6, meter.longestMs());
    const auto* table = w->findChild<QAbstractItemView*>(QStringLiteral("hotlaps"));
    const int rows = table->model()->rowCount();
    meter.start();
    t.restart();
    writeFile(QStringLiteral("GP2/gpsaves/OPEN.HL"), smallLap(1, true));
    if (!runUntil([&] { return table->model()->rowCount() > rows; }, 120000))
        return false;
    std::printf("with it open, a lap landing to its row         %.0f ms, longest stall %.0f ms\n",
                t.nsecsElapsed() / 1e6, meter.longestMs());
    w->close();
    return true;
}

// The watch on a folder of files hot laps, as the player meets it.
int timeLargeFolder(int files, int rounds) {
    bench::ScratchFolder scratch;
    QDir().mkpath(QStringLiteral("GP2/gpsaves"));
    const std::string slow = smallLap(0, false);
    QElapsedTimer made;
    made.start();
    for (int i = 0; i < files; ++i)
        writeFile(QStringLiteral("GP2/gpsaves/%1%2.HL")
                      .arg(QChar(u'A' + i % 16))
                      .arg(i, 5, 10, QLatin1Char('0')),
                  slow);
    std::printf("%d hot laps written in %.1f s\n", files, made.elapsed() / 1e3);
    writeFile(QStringLiteral("set1.dat"), setWithBests());
    (void)writeGp2Path(scratch.dir.filePath(QStringLiteral("GP2")).toStdString());

    StallMeter meter;
    MainWindow main;
    auto* watch = main.findChild<HotlapWatch*>(QStringLiteral("hotlapwatch"));
    auto* notice = main.findChild<QLabel*>(QStringLiteral("hotlapnotice"));
    int heard = 0;
    QObject::connect(watch, &HotlapWatch::lapRead, [&heard] { ++heard; });

    // Start-up: a new hot lap after every 500 ms in which the window answered
    // (one that lands before the watch has looked is no news) until the watch
    // hears one; a stall never counts, so a lap is left quiet long enough to be read.
    QElapsedTimer t;
    t.start();
    meter.start();
    main.show();
    int probes = 0;
    qint64 last = 0, answered = 500;
    const bool started = runUntil(
        [&] {
            const qint64 now = t.elapsed();
            answered += std::min<qint64>(now - last, 50);
            last = now;
            if (answered >= 500) {
                writeFile(QStringLiteral("GP2/gpsaves/Z%1.HL").arg(probes++), slow);
                answered = 0;
            }
            return heard > 0;
        },
        300000);
    if (!started)
        return 1;
    std::printf("start-up until the watch hears a lap          %.0f ms, longest stall %.0f ms\n",
                t.nsecsElapsed() / 1e6, meter.longestMs());

    // 100 hot laps landing at 10 a second, written by a thread of their own.
    heard = 0;
    runUntil([] { return false; }, 500); // the start-up's last events
    heard = 0;
    std::atomic<int> written{0};
    meter.start();
    t.restart();
    std::thread writer([&written, &slow] {
        for (int i = 0; i < 100; ++i) {
            writeFile(QStringLiteral("GP2/gpsaves/L%1.HL").arg(i, 3, 10, QLatin1Char('0')), slow);
            ++written;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    });
    const bool allRead = runUntil([&] { return heard >= 100; }, 600000);
    writer.join();
    if (!allRead)
        return 1;
    std::printf("100 landing at 10/s until all read            %.0f ms, longest stall %.0f ms, "
                "stalled %.0f ms in all\n",
                t.nsecsElapsed() / 1e6, meter.longestMs(), meter.over50Ms());

    // A new faster hot lap until the main window's line says so.
    std::vector<double> ms, stalls;
    for (int i = 0; i < rounds; ++i) {
        notice->clear();
        meter.start();
        t.restart();
        writeFile(QStringLiteral("GP2/gpsaves/N%1.HL").arg(i), smallLap(i, true));
        if (!runUntil([&] { return !notice->text().isEmpty(); }, 120000))
            return 1;
        ms.push_back(t.nsecsElapsed() / 1e6);
        stalls.push_back(meter.longestMs());
    }
    const QByteArray what = QStringLiteral("in %1: new faster lap to the line").arg(files).toUtf8();
    bench::report(what.constData(), ms, 44);
    const QByteArray stall = QStringLiteral("in %1: its longest stall").arg(files).toUtf8();
    bench::report(stall.constData(), stalls, 44);
    return timeLargeWindow(main, meter) ? 0 : 1;
}

int timeOneThousand(int rounds) {
    bench::ScratchFolder scratch;
    QDir().mkpath(QStringLiteral("GP2/gpsaves"));
    fillSaves(QStringLiteral("GP2/gpsaves"), 1000);
    writeFile(QStringLiteral("set1.dat"), setWithBests());
    (void)writeGp2Path(scratch.dir.filePath(QStringLiteral("GP2")).toStdString());

    std::vector<double> coreMs;
    for (int i = 0; i < rounds; ++i)
        coreMs.push_back(
            readAll(savesDirectory(scratch.dir.filePath(QStringLiteral("GP2")).toStdString())));

    MainWindow main;
    main.show();
    (void)QTest::qWaitForWindowExposed(&main);
    const std::vector<double> windowMs = timeWindow(main, rounds);
    const std::vector<double> landingMs = timeLanding(main, rounds);
    if (windowMs.empty() || landingMs.empty())
        return 1;
    bench::report("list, read and compare 1,000 (in-process)", coreMs, 44);
    bench::report("Hot laps click to 1,000 rows in the table", windowMs, 44);
    bench::report("new faster hot lap landing to the line", landingMs, 44);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    bench::quietOffscreen();
    QApplication app(argc, argv);
    QCoreApplication::addLibraryPath(QStringLiteral(VELOMARK_MODULE_DIR));
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 15;
    const int largeFiles = argc > 2 ? std::atoi(argv[2]) : 40000;
    bench::NoMessages quiet;
    setMessageSink(&quiet);
    if (const int failed = timeOneThousand(rounds); failed != 0)
        return failed;
    const int failed = timeLargeFolder(largeFiles, std::min(rounds, 5));
    setMessageSink(nullptr);
    return failed;
}
