// Times the hot-lap import as a player feels it: a click on a file in the
// import window until its fields are filled, with the real velobat and
// hof2lap. Also measures the processor time the program itself spends
// while hof2lap runs, with a hof2lap held back by one second, to show that
// the wait costs nothing. Runs headless; prints medians over many rounds.
//
// Usage: bench_import [ROUNDS] [SLOW_ROUNDS]
#include "BenchSupport.h"
#include "HotlapFixture.h"
#include "platform/Messages.h"
#include "ui/hotlap/BatchRunner.h"
#include "ui/hotlap/HotlapImportWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace velomark;
using bench::NoMessages;
using bench::writeFile;

namespace {

double cpuMs(int who) {
    rusage usage{};
    getrusage(who, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double p90(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() * 9 / 10];
}

struct Round {
    double wallMs, selfCpuMs, childCpuMs;
};

// Clicks the file and lets the event loop run until the extraction has finished.
bool extractOnce(HotlapImportWindow& import, Round& round) {
    auto* list = import.findChild<QListWidget*>(QStringLiteral("File1"));
    if (!list || list->count() == 0)
        return false;
    QEventLoop loop;
    QObject::connect(&import, &HotlapImportWindow::extracted, &loop, &QEventLoop::quit);
    const double self = cpuMs(RUSAGE_SELF), children = cpuMs(RUSAGE_CHILDREN);
    QElapsedTimer t;
    t.start();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    if (import.extracting())
        loop.exec();
    round = {t.nsecsElapsed() / 1e6, cpuMs(RUSAGE_SELF) - self, cpuMs(RUSAGE_CHILDREN) - children};
    return import.findChild<QLineEdit*>(QStringLiteral("lap"))->text() ==
           QStringLiteral("1.23.456");
}

void report(const char* what, const std::vector<Round>& rounds) {
    std::vector<double> wall, self, child;
    for (const Round& r : rounds) {
        wall.push_back(r.wallMs);
        self.push_back(r.selfCpuMs);
        child.push_back(r.childCpuMs);
    }
    std::printf("%s (%zu rounds)\n", what, rounds.size());
    std::printf("  click to fields filled   median %8.3f ms   p90 %8.3f ms\n", median(wall),
                p90(wall));
    std::printf("  program's own CPU        median %8.3f ms   p90 %8.3f ms\n", median(self),
                p90(self));
    std::printf("  velobat + hof2lap CPU    median %8.3f ms   p90 %8.3f ms\n", median(child),
                p90(child));
}

} // namespace

int main(int argc, char** argv) {
    bench::quietOffscreen();
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    const int slowRounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;

    bench::ScratchFolder scratch;
    test::FixtureLap lap;
    lap.session = 0x44;
    if (!QDir().mkpath(QStringLiteral("GP2/gpsaves")) ||
        !writeFile(QStringLiteral("GP2/gpsaves/AHOT.HL"), test::hotlapFile(lap)) ||
        !writeFile(QStringLiteral("gp2path"), "\"GP2\"\r\n"))
        return 1;
    BatchRunner::setInterpreterDirectory(QStringLiteral(VELOBAT_DIR));

    NoMessages messages;
    setMessageSink(&messages);
    HotlapImportWindow import(CircuitChoice{Trackset::Standard, 1, "Interlagos\nBrazil"});
    if (!import.load())
        return 1;
    import.show();
    (void)QTest::qWaitForWindowExposed(&import);

    std::vector<Round> fast;
    for (int i = 0; i < rounds; ++i) {
        Round r{};
        if (!extractOnce(import, r) || messages.failed)
            return 1;
        fast.push_back(r);
    }
    report("hot lap extraction, real velobat and hof2lap", fast);

    // A hof2lap in the GP2 directory that takes a second: velobat runs it in
    // place of its own, and the program waits for it.
    const QString slow = QStringLiteral("GP2/hof2lap");
    if (!writeFile(slow, "#!/bin/sh\nsleep 1\nexec '" VELOBAT_DIR "/hof2lap' \"$@\"\n") ||
        !QFile::setPermissions(slow, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return 1;
    std::vector<Round> held;
    for (int i = 0; i < slowRounds; ++i) {
        Round r{};
        if (!extractOnce(import, r) || messages.failed)
            return 1;
        held.push_back(r);
    }
    report("hof2lap held back one second", held);
    setMessageSink(nullptr);
    return 0;
}
