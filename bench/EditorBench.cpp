// Times what a player feels in the editor: a click on a circuit button until
// the editor is on screen, SAVE until the beep (alternately with a new lap
// time, which adds a history row, and with only a new setup name, which does
// not), and PROGRESS until the chart of a 100,000-row history is on screen.
// Runs headless; prints the median and the 90th percentile of each.
#include "BenchSupport.h"
#include "app/MainWindow.h"
#include "formats/LapRecordFile.h"
#include "laps/History.h"
#include "laps/SaveTimes.h"
#include "platform/Messages.h"
#include "ui/editor/LapTimeEditor.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace velomark;
using bench::report;
using bench::writeFile;

namespace {

std::string fullFile() {
    std::string line =
        "\"1.31.200\",\"\",\"\",\"\",\"race.set\",\"1.30.950\",\"29.112\",\"1.02.347\","
        "\"28.654\",\"prac.set\",\"1.29.800\",\"28.905\",\"1.01.523\",\"28.301\","
        "\"qual.set\",\"1.32.400\",\"\",\"\",\"\",\"race.set\"\r\n";
    return bench::sameOnEveryCircuit(line);
}

// A history of `rows` rows over the last few years, spread over the circuits
// and sessions of all three tracksets.
std::string madeUpHistory(int rows) {
    std::string bytes = std::string(kHistoryHeader) + "\r\n";
    for (int i = 0; i < rows; ++i) {
        const int circuit = i % 16 + 1;
        const auto session = static_cast<RecordSession>(i / 16 % 4);
        const int ms = 95000 - (i / 64) % 5000;
        char lap[16];
        std::snprintf(lap, sizeof lap, "1.%02d.%03d", ms / 1000 - 60, ms % 1000);
        bytes += historyLine({isoTimestamp(1700000000 + int64_t(i) * 900, 3600),
                              static_cast<Trackset>(i / 64 % 3), circuit, "Somewhere - Country",
                              session, lap, "29.100", "1.02.300", "28.000", "setup.set"});
    }
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    bench::quietOffscreen();
    QApplication app(argc, argv);
    bench::ScratchFolder scratch;
    writeFile(QStringLiteral("set1.dat"), fullFile());
    writeFile(QStringLiteral("gp2path"), "\"C:\\GP2\"\r\n");

    bench::NoMessages clock;
    setMessageSink(&clock);
    MainWindow main;
    main.show();
    (void)QTest::qWaitForWindowExposed(&main);

    const int rounds = argc > 1 ? std::atoi(argv[1]) : 100;
    std::vector<double> openMs, saveMs, saveNoHistoryMs, progressMs;
    writeFile(QStringLiteral("history.csv"), madeUpHistory(1000));
    for (int i = 0; i < rounds; ++i) {
        auto* button = main.findChild<QPushButton*>(QStringLiteral("t%1").arg(i % 16 + 1));
        QElapsedTimer t;
        t.start();
        QTest::mouseClick(button, Qt::LeftButton);
        LapTimeEditor* editor = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("frmtimes") && w->isVisible())
                editor = qobject_cast<LapTimeEditor*>(w);
        while (editor && !editor->windowHandle()->isExposed())
            QCoreApplication::processEvents();
        openMs.push_back(t.nsecsElapsed() / 1e6);
        if (!editor)
            return 1;

        // A changed time, as a player saves it, then a changed setup name only.
        auto* save = editor->findChild<QPushButton*>(QStringLiteral("cmdsave"));
        for (const char* field : {"qrlap", "qrset"}) {
            editor->findChild<QLineEdit*>(QLatin1String(field))
                ->setText(QStringLiteral("1.30.%1").arg(i, 3, 10, QLatin1Char('0')));
            clock.beeped = false;
            t.restart();
            QTest::mouseClick(save, Qt::LeftButton);
            (field[2] == 'l' ? saveMs : saveNoHistoryMs).push_back(t.nsecsElapsed() / 1e6);
            if (!clock.beeped)
                return 1;
        }

        editor->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        (void)QTest::qWaitForWindowActive(&main);
    }
    writeFile(QStringLiteral("history.csv"), madeUpHistory(100000));
    for (int i = 0; i < std::max(rounds / 10, 5); ++i) {
        QTest::mouseClick(main.findChild<QPushButton*>(QStringLiteral("t1")), Qt::LeftButton);
        QWidget* editor = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("frmtimes") && w->isVisible())
                editor = w;
        if (!editor)
            return 1;
        QElapsedTimer t;
        t.start();
        QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("cmdprogress")),
                          Qt::LeftButton);
        QWidget* progress = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("frmprogress") && w->isVisible())
                progress = w;
        while (progress && !progress->windowHandle()->isExposed())
            QCoreApplication::processEvents();
        QCoreApplication::processEvents(); // the chart paints
        progressMs.push_back(t.nsecsElapsed() / 1e6);
        editor->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        (void)QTest::qWaitForWindowActive(&main);
    }
    report("circuit click to editor shown", openMs);
    report("SAVE, new lap: history row", saveMs);
    report("SAVE, new setup: no row", saveNoHistoryMs);
    report("PROGRESS, 100,000 rows", progressMs);
    setMessageSink(nullptr);
    return 0;
}
