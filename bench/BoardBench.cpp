// Times the bests board as a player feels it: a click on Bests until the
// board of 48 circuits is on screen with a 100,000-row history in the data
// folder, and a click on "Compare with a rival" (the file dialog answered at
// once) until the rival's CSV export of 48 circuits is on the board; then the
// board over a 1,000,000-row history whose Qualifying bests were set lately,
// and over one whose bests were set in its first rows, long before its last
// 64 MB. Runs headless; prints the median and the 90th percentile of each, and
// of the reading alone.
#include "BenchSupport.h"

#include "app/MainWindow.h"
#include "formats/Csv.h"
#include "formats/Dates.h"
#include "laps/BestsTable.h"
#include "laps/History.h"
#include "laps/TimeDifferences.h"
#include "platform/FileDialogs.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace velomark;

namespace {

// Answers the rival's file dialog at once; any message box is unexpected.
class Answers : public FileDialogSink, public bench::NoMessages {
  public:
    QString ask(QWidget*, const FileQuestion&) override { return path; }
    QString path;
};

void put(const QString& name, const std::string& bytes) {
    if (!bench::writeFile(name, bytes))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
}

// Every session of every circuit holds a time; Practice and Qualifying their splits.
std::string filledRecords(int tenths) {
    std::string bytes;
    for (int n = 0; n < kCircuitsPerSet; ++n) {
        const std::string q = "1.2" + std::to_string(n % 10) + "." + std::to_string(tenths) + "00";
        bytes += "\"1.31.200\",\"\",\"\",\"\",\"qr.set\",\"1.30.950\",\"29.112\",\"1.02.347\","
                 "\"28.654\",\"p.set\",\"" +
                 q +
                 "\",\"28.905\",\"1.01.523\",\"28.301\",\"q.set\",\"1.32.400\",\"\",\"\",\"\","
                 "\"r.set\"\r\n";
    }
    return bytes;
}

// 100,000 rows over the 48 circuits and four sessions, oldest first.
std::string longHistory() {
    std::string bytes = std::string(kHistoryHeader) + "\r\n";
    for (int i = 0; i < 100000; ++i) {
        const auto set = static_cast<Trackset>(i % 3);
        const int circuit = i / 3 % kCircuitsPerSet + 1;
        const auto session = static_cast<RecordSession>(i / 48 % 4);
        const std::string lap =
            "1.2" + std::to_string((circuit - 1) % 10) + "." + std::to_string(i % 10) + "00";
        bytes += historyLine({isoTimestamp(1600000000 + std::int64_t(i) * 600, 0), set, circuit,
                              "A circuit - Somewhere", session, lap, "28.905", "1.01.523", "28.301",
                              "q.set"});
    }
    return bytes;
}

// A history of `rows` rows of laps slower than any best, all sessions and
// circuits, with the Qualifying bests of filledRecords set in its last rows
// or, oldest, in its first ones.
std::string millionRows(int rows, bool bestsFirst) {
    std::string bests;
    for (Trackset set : kTracksetsInOrder)
        for (int n = 0; n < kCircuitsPerSet; ++n)
            bests += historyLine({isoTimestamp(1500000000 + n, 0), set, n + 1, "Somewhere",
                                  RecordSession::Qualifying,
                                  "1.2" + std::to_string(n % 10) + "." +
                                      std::to_string(static_cast<int>(set) + 1) + "00",
                                  "28.905", "1.01.523", "28.301", "q.set"});
    std::string bytes = std::string(kHistoryHeader) + "\r\n" + (bestsFirst ? bests : "");
    bytes.reserve(static_cast<size_t>(rows) * 140);
    for (int i = 0; i < rows; ++i)
        bytes += historyLine({isoTimestamp(1600000000 + std::int64_t(i) * 600, 0),
                              static_cast<Trackset>(i % 3), i / 3 % kCircuitsPerSet + 1,
                              "A circuit - Somewhere", static_cast<RecordSession>(i / 48 % 4),
                              "1.3" + std::to_string(i % 10) + ".500", "28.905", "1.01.523",
                              "28.301", "q.set"});
    return bestsFirst ? bytes : bytes + bests;
}

// A CSV export of 48 circuits with every session timed.
std::string rivalExport() {
    std::string bytes = csvLine({"Trackset", "Circuit", "Circuit name", "Session", "Lap time",
                                 "1st split", "+2nd split", "3rd split", "Setup"});
    for (Trackset set : kTracksetsInOrder)
        for (int n = 1; n <= kCircuitsPerSet; ++n)
            for (RecordSession s : kRecordSessions)
                bytes += csvLine({std::string(tracksetName(set)), std::to_string(n),
                                  std::string("Circuit ") + std::to_string(n),
                                  std::string(recordSessionName(s)), "1.29.412", "", "", "", ""});
    return bytes;
}

QWidget* shownBoard() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frmboard") && w->isVisible())
            return w;
    return nullptr;
}

// A click on Bests until the board is shown and painted; its time goes to ms.
QWidget* openBoard(MainWindow& main, std::vector<double>& ms) {
    QElapsedTimer t;
    t.start();
    QTest::mouseClick(main.findChild<QPushButton*>(QStringLiteral("cmdboard")), Qt::LeftButton);
    QWidget* board = shownBoard();
    while (board && !board->windowHandle()->isExposed())
        QCoreApplication::processEvents();
    QCoreApplication::processEvents(); // the table paints
    ms.push_back(t.nsecsElapsed() / 1e6);
    return board;
}

// Clicks on Bests until the board is shown, and reads the board alone.
struct BoardTimes {
    std::vector<double> openMs, readMs;
    size_t dated = 0; // rows with a date under "Set on"
};
bool timeBoard(MainWindow& main, int rounds, BoardTimes& times) {
    for (int i = 0; i < rounds; ++i) {
        QWidget* board = openBoard(main, times.openMs);
        if (!board)
            return false;
        board->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QElapsedTimer t;
        t.start();
        const Board read = readBoard(idealLapSeconds);
        times.readMs.push_back(t.nsecsElapsed() / 1e6);
        times.dated = static_cast<size_t>(
            std::ranges::count_if(read.rows, [](const BoardRow& r) { return !r.setOn.empty(); }));
    }
    return true;
}

// The board over a history of a million rows, its bests set lately or long ago.
bool millionRowBoards(MainWindow& main, int rounds) {
    for (const bool bestsFirst : {false, true}) {
        put(QStringLiteral("history.csv"), millionRows(1000000, bestsFirst));
        BoardTimes times;
        if (!timeBoard(main, rounds, times))
            return false;
        const std::string what = bestsFirst ? "1,000,000 rows, bests before the last 64 MB"
                                            : "1,000,000 rows, bests set lately";
        std::printf("%s: %zu of 48 Qualifying bests dated\n", what.c_str(), times.dated);
        bench::report("  Bests click to board shown", times.openMs, 40);
        bench::report("  reading the board alone", times.readMs, 40);
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    bench::quietOffscreen();
    QApplication app(argc, argv);
    QCoreApplication::addLibraryPath(QStringLiteral(VELOMARK_MODULE_DIR));
    bench::ScratchFolder scratch;
    for (int i = 1; i <= 3; ++i)
        put(QStringLiteral("set%1.dat").arg(i), filledRecords(i));
    put(QStringLiteral("custom"), "\"Brno\nCzechia\"" + std::string(15, ',') + "\r\n");
    put(QStringLiteral("history.csv"), longHistory());
    put(QStringLiteral("rival.csv"), rivalExport());

    Answers answers;
    answers.path = QDir::current().filePath(QStringLiteral("rival.csv"));
    setFileDialogSink(&answers);
    setMessageSink(&answers);
    MainWindow main;
    main.show();
    (void)QTest::qWaitForWindowExposed(&main);

    const int rounds = argc > 1 ? std::atoi(argv[1]) : 50;
    std::vector<double> openMs, rivalMs, readMs, rivalReadMs;
    for (int i = 0; i < rounds; ++i) {
        QWidget* board = openBoard(main, openMs);
        if (!board)
            return 1;
        QElapsedTimer t;
        t.start();
        QTest::mouseClick(board->findChild<QPushButton*>(QStringLiteral("cmdrival")),
                          Qt::LeftButton);
        QCoreApplication::processEvents();
        rivalMs.push_back(t.nsecsElapsed() / 1e6);
        board->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        t.restart();
        const Board read = readBoard(idealLapSeconds);
        readMs.push_back(t.nsecsElapsed() / 1e6);
        t.restart();
        const auto rival = readRivalCsv(answers.path.toStdString());
        rivalReadMs.push_back(t.nsecsElapsed() / 1e6);
        if (read.rows.size() != 48 || !rival)
            return 1;
    }
    bench::report("Bests click to board shown, 100,000 rows", openMs, 40);
    bench::report("rival's CSV of 48 circuits to the board", rivalMs, 40);
    bench::report("  reading the board alone", readMs, 40);
    bench::report("  reading the rival's CSV alone", rivalReadMs, 40);
    const bool million = millionRowBoards(main, std::max(3, rounds / 5));
    setFileDialogSink(nullptr);
    setMessageSink(nullptr);
    return million && !answers.failed ? 0 : 1;
}
