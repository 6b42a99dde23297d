// The bests board from the main window's Bests button: its module, its cells
// and notes, sorting, filtering and opening a circuit, a SAVE read in, a rival
// chosen as a CSV export or a data folder and its colours, an oversized rival
// file, and the board's export. What the table and the rival hold is
// tested in tests/laps/BoardTest.cpp.
#include "formats/Csv.h"
#include "formats/Dates.h"
#include "laps/CsvExport.h"
#include "laps/Rival.h"
#include "platform/FileDialogs.h"
#include "platform/WidgetLook.h"

#include "support/BoardData.h"
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
    return static_cast<int>(columnTexts(m, 1).indexOf(QString::fromUtf8(circuit)));
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
        QVERIFY(writeBoardData() && desk.ready(std::nullopt));
        auto* bests = child<QPushButton>(&desk.main, "cmdboard");
        for (auto* other : desk.main.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY(other == bests || !other->geometry().intersects(bests->geometry()));
        QTest::mouseClick(bests, Qt::LeftButton);
        auto* board = window("frmboard");
        QVERIFY(board && board->windowTitle() == QLatin1String("Bests board"));
        auto* view = child<QTableView>(board, "board");
        const QAbstractItemModel* m = view->model();

        // Sorted by Qualifying, the empty ones last; filtered to Custom.
        auto* header = view->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(4) + 5, 5));
        QCOMPARE(columnTexts(m, 1).mid(0, 4),
                 strings({"Brno - Czechia", "Monza - Italy", "Interlagos - Brazil",
                          "TI Circuit Aida - Pacific"}));
        auto* filter = child<QComboBox>(board, "filter");
        filter->setCurrentText(QStringLiteral("Custom"));
        QVERIFY(m->rowCount() == 16 &&
                columnTexts(m, 0) == QStringList(16, QStringLiteral("Custom")));
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
        QCOMPARE(rowTexts(m, rowOf(m, "Brno - Czechia")).mid(4),
                 strings({"57.950", "", "", qPrintable(today)}));
        editor->close();
        board->close();
    }

    // The rival from an export; a rival file over 64 MB refused by name, the
    // rival shown staying; the rival from a folder (a data file chosen stands
    // for its folder), its gaps coloured legibly on a dark palette.
    void rivalFromAnExportAndAFolder() {
        Desk desk;
        FakeFileDialogs dialogs;
        QVERIFY(writeBoardData() && desk.ready(std::nullopt) && annaExported());
        auto* board = boardAgainst(desk, dialogs, "anna.csv");
        const auto* m = child<QTableView>(board, "board")->model();
        QFile huge(QStringLiteral("huge.csv"));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(kRivalFileLimit + 1));
        dialogs.answers << desk.dir.path(QStringLiteral("huge.csv"));
        desk.msgs.expect(MessageAnswer::Ok);
        clickButton(board, "cmdrival");
        QVERIFY(
            desk.msgs.shown.last().text.contains(QStringLiteral("huge.csv is larger than 64 MB")));
        QCOMPARE(text(board, "rivalname"), QStringLiteral("Rival: anna.csv"));

        dialogs.answers << desk.dir.path(QStringLiteral("anna/set1.dat"));
        clickButton(board, "cmdrival");
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
        QVERIFY(writeBoardData() && desk.ready(std::nullopt) && annaExported());
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
};

QTEST_MAIN(BestsBoardTest)
#include "BestsBoardTest.moc"
