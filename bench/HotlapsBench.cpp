// Times the hot laps of GP2's saves folder as a player meets them, over a
// folder of 1,000 hot laps (compressed and plain bodies, a tenth without
// GP2Lap's records, 20 to 110 KB of replay each):
//   - listing, reading and comparing them all in-process (the window's work);
//   - a click on "Hot laps" until the table is filled;
//   - a new faster hot lap landing in the folder until the main window's line says so.
// Runs headless; prints the median and the 90th percentile of each.
//
// Usage: bench_hotlaps [ROUNDS]
#include "BenchSupport.h"
#include "HotlapFixture.h"
#include "app/MainWindow.h"
#include "catalogue/DataFiles.h"
#include "hotlap/HotlapBests.h"
#include "hotlap/HotlapFiles.h"
#include "hotlap/HotlapWatch.h"
#include "hotlap/HotlapsWindow.h"
#include "platform/Messages.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
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

// A click on "Hot laps" until the window has read and compared every file.
std::vector<double> timeWindow(MainWindow& main, int rounds) {
    std::vector<double> ms;
    auto* button = main.findChild<QPushButton*>(QStringLiteral("cmdhotlaps"));
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer t;
        t.start();
        button->click();
        HotlapsWindow* w = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String("frmhotlaps"))
                w = qobject_cast<HotlapsWindow*>(top);
        if (!w)
            return {};
        QSignalSpy done(w, &HotlapsWindow::readingDone);
        if (w->reading() && !done.wait(60000))
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

} // namespace

int main(int argc, char** argv) {
    bench::quietOffscreen();
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 15;
    bench::ScratchFolder scratch;
    QDir().mkpath(QStringLiteral("GP2/gpsaves"));
    fillSaves(QStringLiteral("GP2/gpsaves"), 1000);
    writeFile(QStringLiteral("set1.dat"), setWithBests());
    (void)writeGp2Path(scratch.dir.filePath(QStringLiteral("GP2")).toStdString());
    bench::NoMessages quiet;
    setMessageSink(&quiet);

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
    setMessageSink(nullptr);
    return 0;
}
