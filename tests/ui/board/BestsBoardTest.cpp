// The bests board from the main window's Bests button: its module, its cells
// and notes, sorting, filtering and opening a circuit, a SAVE read in, a rival
// chosen as a CSV export or a data folder and its colours, an oversized rival
// file, and the board's export. What the table and the rival hold is
// tested in tests/laps/BoardTest.cpp.
#include "formats/Csv.h"
#include "formats/Dates.h"
#include "laps/CsvExport.h"
#include "laps/History.h"
#include "laps/Rival.h"
#include "platform/FileDialogs.h"
#include "platform/WidgetLook.h"

#include "support/Windows.h"

#include <QComboBox>
#include <QHeaderView>
#include <QTableView>
#include <QtTest>

using namespace velomark;
using namespace velomark::test;

namespace {

// Answers file dialogs from a queue; one nobody answered is cancelled.
class FakeFileDialogs : public FileDialogSink {
  public:
    FakeFileDialogs() { setFileDialogSink(this); }
    ~FakeFileDialogs() override { setFileDialogSink(nullptr); }
    QString ask(QWidget*, const FileQuestion&) override {
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    QStringList answers;
};

const std::string kInterlagos = // the editor's own example: ideal lap 1.29.824
    R"("1.31.200","","","","r.set","1.30.950","29.112","1.02.347","28.654","p.set",)"
    R"("1.29.800","28.905","1.01.523","28.301","q.set","1.32.400","","","","r.set")";
const std::string kCustom = ",\"Brno\nCzechia\"" + std::string(14, ',') + "\r\n";

std::string qualifying(const char* lap) {
    return ",,,,,,,,,," + std::string("\"") + lap + "\",,,,,,,,,";
}

// Interlagos rows of the history: Qualifying laps, and last a Practice lap
// as fast as the Qualifying best, which dates nothing.
std::string history(std::initializer_list<std::pair<const char*, const char*>> rows) {
    std::string out = std::string(kHistoryHeader) + "\r\n";
    size_t left = rows.size();
    for (const auto& [when, lap] : rows)
        out += historyLine({when, Trackset::Standard, 1, "Interlagos - Brazil",
                            --left == 0 ? RecordSession::Practice : RecordSession::Qualifying, lap,
                            "", "", "", ""});
    return out;
}

// Yours: Interlagos, Monza (Qualifying 1.21.000) and the Custom Brno
// (58.100); no set2.dat. The rival anna: Interlagos 1.30.000 in Practice and
// 1.30.212 in Qualifying, Brno as their circuit 5 in 58.000.
bool writeData() {
    return writeBytes(QStringLiteral("set1.dat"),
                      lapRecords({{1, kInterlagos}, {12, qualifying("1.21.000")}})) &&
           writeBytes(QStringLiteral("set3.dat"), lapRecords({{2, qualifying("58.100")}})) &&
           writeBytes(QStringLiteral("custom"), kCustom) &&
           writeBytes(QStringLiteral("history.csv"),
                      history({{"2026-01-05T20:00:00+01:00", "1.29.800"},
                               {"2026-03-07T20:00:00+01:00", "1.29.800"},
                               {"2026-04-01T20:00:00+01:00", "1.30.100"},
                               {"2026-05-02T20:00:00+01:00", "1.29.800"}})) &&
           QDir().mkdir(QStringLiteral("anna")) &&
           writeBytes(QStringLiteral("anna/set1.dat"),
                      lapRecords({{1, ",,,,,\"1.30.000\",,,,,\"1.30.212\",,,,,,,,,"}})) &&
           writeBytes(QStringLiteral("anna/set3.dat"), lapRecords({{5, qualifying("58.000")}})) &&
           writeBytes(QStringLiteral("anna/custom"), ",,," + kCustom);
}

QStringList row(const QAbstractItemModel* m, int r) {
    QStringList cells;
    for (int c = 0; c < m->columnCount(); ++c)
        cells << m->index(r, c).data().toString();
    return cells;
}

// The rows' texts in one column, top to bottom.
QStringList column(const QAbstractItemModel* m, int c) {
    QStringList cells;
    for (int r = 0; r < m->rowCount(); ++r)
        cells << m->index(r, c).data().toString();
    return cells;
}

// A dark desktop's palette: light text on dark grey.
QPalette darkPalette() {
    const QColor grey(45, 45, 45);
    return QPalette(Qt::white, grey, grey.lighter(), grey.darker(), grey, Qt::white, Qt::white,
                    QColor(30, 30, 30), grey);
}

// The rival's CSV export of Standard and Custom, as Velomark writes it.
bool annaExported() {
    return !exportCsvFile("anna.csv", {true, false, true}, realFileOps(), "anna/").writeError;
}

// The board opened from the main window and compared with the rival at
// chosen, in the desk's folder.
QWidget* boardAgainst(Desk& desk, FakeFileDialogs& dialogs, const char* chosen) {
    clickButton(&desk.main, "cmdboard");
    QWidget* board = window("frmboard");
    dialogs.answers << desk.dir.path(QString::fromLatin1(chosen));
    clickButton(board, "cmdrival");
    return board;
}

int rowOf(const QAbstractItemModel* m, const char* circuit) {
    return static_cast<int>(column(m, 1).indexOf(QString::fromUtf8(circuit)));
}

} // namespace

class BestsBoardTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QCoreApplication::addLibraryPath(QStringLiteral(VELOMARK_MODULE_DIR)); }

    void boardOfYourBests() {
        Desk desk;
        // Without its module the button says so, and nothing else breaks.
        QCoreApplication::removeLibraryPath(QStringLiteral(VELOMARK_MODULE_DIR));
        desk.msgs.expect(MessageAnswer::Ok);
        clickButton(&desk.main, "cmdboard");
        QVERIFY(!window("frmboard") && desk.msgs.shown.value(0).text.startsWith(QStringLiteral(
                                           "The bests board needs the module velomark-board, "
                                           "which is missing")));
        QCoreApplication::addLibraryPath(QStringLiteral(VELOMARK_MODULE_DIR));
        QVERIFY(writeData() && desk.ready(std::nullopt));
        auto* bests = child<QPushButton>(&desk.main, "cmdboard");
        for (auto* other : desk.main.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY(other == bests || !other->geometry().intersects(bests->geometry()));
        QTest::mouseClick(bests, Qt::LeftButton);
        auto* board = window("frmboard");
        QVERIFY(board && board->windowTitle() == QLatin1String("Bests board"));
        auto* view = child<QTableView>(board, "board");
        const QAbstractItemModel* m = view->model();

        QCOMPARE(m->rowCount(), 32);
        QCOMPARE(row(m, 0), strings({"Standard", "Interlagos - Brazil", "1.31.200", "1.30.950",
                                     "1.29.800", "1.32.400", "1.29.824", "2026-03-07"}));
        QVERIFY(text(board, "notes")
                    .startsWith(QStringLiteral(
                        "The IA Track Pack circuits are left out because the file set2.dat")));

        // Sorted by Qualifying, the empty ones last; filtered to Custom.
        auto* header = view->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(4) + 5, 5));
        QCOMPARE(column(m, 1).mid(0, 4),
                 strings({"Brno - Czechia", "Monza - Italy", "Interlagos - Brazil",
                          "TI Circuit Aida - Pacific"}));
        auto* filter = child<QComboBox>(board, "filter");
        filter->setCurrentText(QStringLiteral("Custom"));
        QVERIFY(m->rowCount() == 16 && column(m, 0) == QStringList(16, QStringLiteral("Custom")));
        filter->setCurrentText(QStringLiteral("All"));

        // Enter opens Monza, a double-click Brno in place of it; a SAVE there
        // is on the board at once, dated today.
        view->setFocus();
        view->setCurrentIndex(m->index(rowOf(m, "Monza - Italy"), 0));
        QTest::keyClick(view, Qt::Key_Return);
        auto* editor = window<LapTimeEditor>("frmtimes");
        QVERIFY(editor && editor->circuit().number == 12 && !desk.main.isVisible());
        const QRect brno = view->visualRect(m->index(rowOf(m, "Brno - Czechia"), 1));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, brno.center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, brno.center());
        editor = window<LapTimeEditor>("frmtimes");
        QVERIFY(editor && editor->circuit().trackset == Trackset::Custom &&
                editor->circuit().number == 2);
        QVERIFY(desk.main.selectedTrackset() == Trackset::Custom);
        retype(editor, {{"qlap", "57.950"}});
        clickButton(editor, "cmdsave");
        const QString today = QString::fromStdString(systemClock().isoNow().substr(0, 10));
        QCOMPARE(row(m, rowOf(m, "Brno - Czechia")).mid(4),
                 strings({"57.950", "", "", qPrintable(today)}));
        editor->close();
        board->close();
    }

    // The times and gaps from the export and from the folder (a data file
    // chosen stands for its folder), coloured legibly on a dark palette.
    void rivalFromAnExportAndAFolder() {
        Desk desk;
        FakeFileDialogs dialogs;
        QVERIFY(writeData() && desk.ready(std::nullopt) && annaExported());
        auto* board = boardAgainst(desk, dialogs, "anna.csv");
        const auto* m = child<QTableView>(board, "board")->model();
        const QStringList fromExport = row(m, 0).mid(2, 12);
        QCOMPARE(fromExport, strings({"1.31.200", "", "", "1.30.950", "1.30.000", "+0.950",
                                      "1.29.800", "1.30.212", "-0.412", "1.32.400", "", ""}));
        dialogs.answers << desk.dir.path(QStringLiteral("anna/set1.dat"));
        clickButton(board, "cmdrival");
        QCOMPARE(row(m, 0).mid(2, 12), fromExport);
        QCOMPARE(text(board, "rivalname"), QStringLiteral("Rival: anna"));
        QVERIFY(
            text(board, "notes")
                .contains(QStringLiteral("The rival's IA Track Pack times are left out because")));

        for (const QPalette& p : {QApplication::palette(), darkPalette()}) {
            QApplication::setPalette(p);
            const QColor base = child<QTableView>(board, "board")->palette().color(QPalette::Base);
            const auto faster = m->index(0, 10).data(Qt::ForegroundRole).value<QColor>();
            const auto slower = m->index(0, 7).data(Qt::ForegroundRole).value<QColor>();
            QVERIFY(faster.green() > faster.red() && slower.red() > slower.green());
            QVERIFY(contrastRatio(faster, base) >= kContrastFloor &&
                    contrastRatio(slower, base) >= kContrastFloor);
        }
        QApplication::setPalette(QApplication::style()->standardPalette());
        clickButton(board, "cmdclearrival");
        QVERIFY(m->columnCount() == 8 && text(board, "rivalname") == QLatin1String("Rival: none"));
        board->close();
    }

    // The rows as shown, rival columns included, formulas guarded; a rival's
    // file is never the target, and never written at all, nor is a file of
    // Velomark's own.
    void boardExport() {
        Desk desk;
        FakeFileDialogs dialogs;
        QVERIFY(writeData() && desk.ready(std::nullopt) && annaExported());
        const QStringList rivalFiles{QStringLiteral("anna.csv"), QStringLiteral("anna/set1.dat"),
                                     QStringLiteral("anna/set3.dat"),
                                     QStringLiteral("anna/custom")};
        std::vector<std::string> before;
        for (const QString& f : rivalFiles)
            before.push_back(readBytes(f));
        auto* board = boardAgainst(desk, dialogs, "anna/custom");
        child<QComboBox>(board, "filter")->setCurrentText(QStringLiteral("Standard"));
        dialogs.answers << desk.dir.path(QStringLiteral("anna/set1.dat"))
                        << desk.dir.path(QStringLiteral("Bests.csv"));
        desk.msgs.expect(MessageAnswer::Ok);
        clickButton(board, "cmdexportboard");
        QVERIFY(desk.msgs.shown.takeLast().text.endsWith(QStringLiteral("only reads.")));
        clickButton(board, "cmdexportboard");
        QCOMPARE(desk.msgs.beeps, 1);
        const std::string exported = readBytes(QStringLiteral("Bests.csv"));
        QCOMPARE(std::count(exported.begin(), exported.end(), '\n'), 17);
        QVERIFY(exported.find("\"1.30.212\",\"'-0.412\"") != std::string::npos);
        const auto header = parseCsvLine(exported.substr(0, exported.find('\r')));
        QVERIFY(header && header->size() == 16 && (*header)[4] == "Gap");
        for (qsizetype i = 0; i < rivalFiles.size(); ++i)
            QCOMPARE(readBytes(rivalFiles[i]), before[static_cast<size_t>(i)]);

        // Of an own file's name elsewhere, the player's; the own file reached
        // through a link to the data folder, where a link can be made
        // (Windows makes them only for an account with the right, Wine none).
        dialogs.answers << desk.dir.path(QStringLiteral("anna/history.csv"));
        clickButton(board, "cmdexportboard");
        QVERIFY(desk.msgs.beeps == 2 && readBytes(QStringLiteral("anna/history.csv")) == exported);
        const bool linked = makeLink(QDir::currentPath().toStdString(), "here");
#ifdef _WIN32
        if (!linked) {
            board->close();
            QSKIP("no link could be made here");
        }
#endif
        QVERIFY(linked);
        dialogs.answers << desk.dir.path(QStringLiteral("here/gp2path"));
        desk.msgs.expect(MessageAnswer::Ok);
        clickButton(board, "cmdexportboard");
        QVERIFY(desk.msgs.shown.last().text.contains(
                    QDir::toNativeSeparators(QStringLiteral("here/gp2path is Velomark's"))) &&
                !QFile::exists(QStringLiteral("gp2path")));
        board->close();
    }

    // A rival file over 64 MB is refused by name and the rival shown stays.
    void oversizedRival() {
        Desk desk;
        FakeFileDialogs dialogs;
        QVERIFY(writeData() && desk.ready(std::nullopt) && annaExported());
        auto* board = boardAgainst(desk, dialogs, "anna.csv");
        QFile huge(QStringLiteral("huge.csv"));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(kRivalFileLimit + 1));
        dialogs.answers << desk.dir.path(QStringLiteral("huge.csv"));
        desk.msgs.expect(MessageAnswer::Ok);
        clickButton(board, "cmdrival");
        QVERIFY(
            desk.msgs.shown.last().text.contains(QStringLiteral("huge.csv is larger than 64 MB")));
        QCOMPARE(text(board, "rivalname"), QStringLiteral("Rival: anna.csv"));
        board->close();
    }
};

QTEST_MAIN(BestsBoardTest)
#include "BestsBoardTest.moc"
