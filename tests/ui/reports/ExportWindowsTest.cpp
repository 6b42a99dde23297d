// The export chooser and the five export windows: what each opens with and
// what it writes, prints, copies or shows, also when an input file is missing.
// The report layouts are the core's, checked byte for byte in ReportsTest.
#include "laps/TextReports.h"
#include "platform/PrintSink.h"
#include "platform/TextCodec.h"
#include "platform/WidgetLook.h"
#include "ui/reports/ClipboardExportWindow.h"
#include "ui/reports/CsvExportWindow.h"
#include "ui/reports/HtmlExportWindow.h"
#include "ui/reports/PrintWindow.h"
#include "ui/reports/ScreenExportWindow.h"
#include "ui/reports/TextExportWindow.h"

#include "support/Windows.h"

#include <QCheckBox>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QtTest>

using namespace velomark;
using namespace velomark::test;

namespace {

class RecordingPrinter : public PrintSink {
  public:
    RecordingPrinter() { setPrintSink(this); }
    ~RecordingPrinter() override { setPrintSink(nullptr); }
    PrintOutcome print(const PrintJob& job) override {
        jobs.append(job);
        return {};
    }
    QList<PrintJob> jobs;
};

// Circuit 1 of set1.dat and of set2.dat, and circuit 2 of set3.dat ("Brno"
// in "Czechia"), hold a Practice lap and nothing else; set2.dat may be blank.
bool writeInputs(bool trackPackTimes = true) {
    const std::string lap = ",,,,,1.21.950,27.100,55.300,26.650,prac.set,,,,,,,,,,";
    return writeBytes(QStringLiteral("set1.dat"), lapRecords({{1, lap}})) &&
           writeBytes(QStringLiteral("set2.dat"), lapRecords({{trackPackTimes ? 1 : 0, lap}})) &&
           writeBytes(QStringLiteral("set3.dat"), lapRecords({{2, lap}})) &&
           writeBytes(QStringLiteral("custom"),
                      ",\"Brno\nCzechia\"" + std::string(14, ',') + "\r\n");
}

template <class T> T* open(const QString& ticked) { // S, I, C
    auto* w = new T;
    w->show();
    child<QCheckBox>(w, "chk1")->setChecked(ticked.contains(u'S'));
    child<QCheckBox>(w, "chk2")->setChecked(ticked.contains(u'I'));
    child<QCheckBox>(w, "chk3")->setChecked(ticked.contains(u'C'));
    return w;
}

} // namespace

class ExportWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void chooserOpensTheChosenWindowAfresh_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("opens");
        addRow("Printer", "optprt", "frmprint");
        addRow("Clipboard", "optclip", "frmclip");
        addRow("Web Page", "optweb", "frmweb");
        addRow("Text file", "opttxt", "frmtxt");
        addRow("Screen", "optscrn", "frmscrn");
        addRow("CSV file", "optcsv", "frmcsv");
        addRow("nothing chosen", "", "");
    }
    void chooserOpensTheChosenWindowAfresh() {
        QFETCH(QString, option);
        QFETCH(QString, opens);
        Desk desk;
        RecordingPrinter printer;
        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        for (int opening = 0; opening < 2; ++opening) {
            clickButton(&desk.main, "Command1");
            QWidget* chooser = window("frmexport");
            for (QRadioButton* b : chooser->findChildren<QRadioButton*>())
                QVERIFY(!b->isChecked()); // nothing carried over from the first opening
            if (auto* b = chooser->findChild<QRadioButton*>(option); b && opening == 0)
                QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
            clickButton(chooser, opening == 0 ? "cmdexport" : "Command1");
            QVERIFY(!window("frmexport"));
        }
        for (const char* name : {"frmprint", "frmclip", "frmweb", "frmtxt", "frmscrn", "frmcsv"})
            QCOMPARE(window(name) != nullptr, opens == QLatin1String(name));
        if (opens.isEmpty())
            return;

        // Cancel writes, prints, copies and shows nothing.
        QVERIFY(writeInputs());
        clickButton(window(qPrintable(opens)), "Command2");
        QVERIFY(!window(qPrintable(opens)) && !window("frmview"));
        QVERIFY(QDir().entryList(QDir::Files).size() == 4 && printer.jobs.isEmpty() &&
                !desk.msgs.beeps);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    }

    // The text file and the page: their names, what is written, and the messages
    // when a name is refused, a target cannot be written or an input is missing.
    void fileExports() {
        ScopedWorkDir dir;
        FakeMessages msgs;
        QVERIFY(writeInputs(false));
        auto* w = open<TextExportWindow>(QStringLiteral("I"));
        retype(w, {{"hfile", "IA laps.txt"}});
        clickButton(w, "Command1");
        QCOMPARE(readBytes(QStringLiteral("IA laps.txt")),
                 std::string(30, ' ') + "GP2 Lap Times - IA Track Pack\r\n\r\n");
        QVERIFY(msgs.beeps == 1 && !window("frmtxt"));
        // A name as long as a name may be: the scratch file beside it has one of its own.
        const std::string longest = std::string(251, 'L') + ".txt";
        w = open<TextExportWindow>(QStringLiteral("I"));
        retype(w, {{"hfile", longest.c_str()}});
        clickButton(w, "Command1");
        QVERIFY(msgs.beeps == 2 && !window("frmtxt"));
        QVERIFY(QFile::exists(QString::fromStdString(longest)));

        // A target that cannot be written (here the name the window opens with,
        // then one in a folder that is not there) is named as typed; no beep,
        // and the window stays.
        QVERIFY(QDir().mkdir(QStringLiteral("Laptimes.txt")));
        w = open<TextExportWindow>(QStringLiteral("SI"));
        msgs.expect(MessageAnswer::Ok);
        clickButton(w, "Command1");
        QVERIFY(msgs.shown[0].text.contains(QStringLiteral("Laptimes.txt")));
        retype(w, {{"hfile", "Zo\u00eb/laps.txt"}});
        msgs.expect(MessageAnswer::Ok);
        clickButton(w, "Command1");
        QVERIFY(msgs.shown.takeLast().text.contains(QStringLiteral("Zo\u00eb/laps.txt")));
        QVERIFY(msgs.beeps == 2 && window("frmtxt") == w);

        // A later trackset's file missing: said, and no beep, as the export is not whole.
        QVERIFY(QFile::remove(QStringLiteral("set2.dat")));
        retype(w, {{"hfile", "out.txt"}});
        msgs.expect(MessageAnswer::Ok);
        clickButton(w, "Command1");
        QVERIFY(msgs.shown[1].title == QLatin1String("Ooops!") &&
                msgs.shown[1].text == QLatin1String(kNotSetUpText.data()) &&
                msgs.shown[1].icon == MessageIcon::Stop);
        QVERIFY(msgs.beeps == 2 && !window("frmtxt") && QFile::exists(QStringLiteral("out.txt")));

        // A page name must end in ".html"; the window stays to have it corrected.
        auto* web = open<HtmlExportWindow>(QStringLiteral("S"));
        retype(web, {{"hfile", "laps.HTML"}, {"htitle", "Tom & Jerry's \"laps\""}});
        msgs.expect(MessageAnswer::Ok);
        clickButton(web, "Command1");
        QCOMPARE(msgs.shown[2].title, QStringLiteral("Correct the filename"));
        QCOMPARE(msgs.shown[2].text, QStringLiteral("Invalid filename. Must end in `.html`"));
        QVERIFY(window("frmweb") == web && msgs.beeps == 2);

        // The typed double quotes were refused; the rest of the title heads the page.
        retype(web, {{"hfile", "laps.html"}});
        clickButton(web, "Command1");
        QVERIFY(msgs.beeps == 3 && !window("frmweb"));
        QVERIFY(readBytes(QStringLiteral("laps.html")).find("<h1>Tom &amp; Jerry's laps</h1>") !=
                std::string::npos);
    }

    // No export takes the place of one of Velomark's own files, by name in
    // any case of its letters (on Windows with the dots it drops at a name's
    // end) or through a link; the window stays.
    void ownFilesAreNoTargets() {
        ScopedWorkDir dir;
        FakeMessages msgs;
        QVERIFY(writeInputs());
        const auto ownBytes = [] {
            return readBytes(QStringLiteral("custom")) + readBytes(QStringLiteral("set1.dat"));
        };
        const std::string before = ownBytes();
#ifdef _WIN32
        const char* const set1 = "SET1.dat.";
#else
        const char* const set1 = "SET1.dat";
#endif
        std::vector<std::tuple<QWidget*, const char*, const char*>> exports{
            {open<CsvExportWindow>(QStringLiteral("S")), "csvfile", "gp2path"},
            {open<TextExportWindow>(QStringLiteral("S")), "hfile", set1}};
        const bool linked = makeLink("custom", "p.html");
        if (linked)
            exports.emplace_back(open<HtmlExportWindow>(QStringLiteral("S")), "hfile", "p.html");
        for (const auto& [w, field, target] : exports) {
            retype(w, {{field, target}});
            msgs.expect(MessageAnswer::Ok);
            clickButton(w, "Command1");
            QVERIFY(w->isVisible() && msgs.shown.last().text.endsWith(
                                          QStringLiteral("; choose another name for the export.")));
            w->close();
        }
        QVERIFY(ownBytes() == before && msgs.beeps == 0 &&
                QDir().entryList(QDir::Files).size() == 4 + linked);
#ifdef _WIN32
        if (!linked) // Windows makes links only for an account with the right, Wine none
            QSKIP("no link could be made here");
#endif
        QVERIFY(linked &&
                msgs.shown[2].text.startsWith(QStringLiteral("p.html leads to custom, ")));
    }

    // Nothing printed after "Ready to print" means it was answered Cancel.
    void printing_data() {
        QTest::addColumn<QString>("ticked");
        QTest::addColumn<QString>("missing");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("documents");
        const QStringList ready{QStringLiteral("Ready to print")};
        addRow("three tracksets, the empty one left out", "CIS", "", ready, 2);
        addRow("Cancel prints nothing", "S", "", ready, 0);
        addRow("later file missing", "SI", "set2.dat", strings({"Ready to print", "Ooops!"}), 1);
        addRow("custom missing: no question", "SC", "custom", strings({"Ooops!"}), 0);
        addRow("nothing ticked", "", "", strings({"Nothing to print"}), 0);
        addRow("no lap times in the ticked trackset", "I", "",
               strings({"Ready to print", "Nothing to print"}), 0);
    }
    void printing() {
        QFETCH(QString, ticked);
        QFETCH(QString, missing);
        QFETCH(QStringList, messages);
        QFETCH(int, documents);
        ScopedWorkDir dir;
        FakeMessages msgs;
        RecordingPrinter printer;
        QVERIFY(writeInputs(false) && (missing.isEmpty() || QFile::remove(missing)));
        auto* w = open<PrintWindow>(ticked);
        using enum MessageAnswer;
        const bool cancel = documents == 0 && messages.size() == 1;
        for (const QString& title : messages)
            msgs.expect(title == QLatin1String("Ready to print") && cancel ? Cancel : Ok);
        clickButton(w, "Command1");
        QStringList titles;
        for (const Message& m : msgs.shown)
            titles << m.title;
        QCOMPARE(titles, messages);
        QVERIFY(messages.first() != QLatin1String("Ready to print") ||
                msgs.shown.first().buttons == MessageButtons::OkCancel);
        QVERIFY(!window("frmprint") && msgs.beeps == 0);
        QCOMPARE(printer.jobs.size(), documents);
        QVERIFY(documents == 0 ||
                printer.jobs[0].name == QLatin1String("GP2 Lap Times - Standard Circuits"));
        for (const PrintJob& job : printer.jobs) // the headings marked
            QVERIFY(job.lines.isEmpty() || (job.lines[0].heading && !job.lines.last().heading));
    }

    void printingWithoutPrinterWritesPdf() {
        // The last two names joined by "and", whatever commas the names hold.
        QCOMPARE(savedAsPdfText({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c, d")}),
                 QStringLiteral("No printer is installed, so the lap times were saved as \"a\", "
                                "\"b\" and \"c, d\" in the folder %1.")
                     .arg(QDir::toNativeSeparators(QDir::currentPath())));
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("a printer is installed here; this checks the PDF written without one");
        QCOMPARE(expandTabs(QStringLiteral("ab\tc\t\td")),
                 QStringLiteral("ab      c%1d").arg(QString(15, u' ')));
        ScopedWorkDir dir;
        FakeMessages msgs;
        QVERIFY(writeInputs());
        QCoreApplication::addLibraryPath(QStringLiteral(VELOMARK_MODULE_DIR)); // the printer's
        auto* w = open<PrintWindow>(QStringLiteral("S"));
        msgs.expect(MessageAnswer::Ok);
        msgs.expect(MessageAnswer::Ok);
        clickButton(w, "Command1");
        const QString pdf = QStringLiteral("GP2 Lap Times - Standard Circuits.pdf");
        QVERIFY(msgs.shown[1].text.contains(QLatin1Char('"') + pdf + QLatin1Char('"')));
        QVERIFY(readBytes(pdf).starts_with("%PDF-"));
    }

    // The clipboard and the view receive the report of the ticked tracksets; the
    // view, in a fixed-pitch font, is one window that a second view refills.
    void clipboardAndView() {
        ScopedWorkDir dir;
        FakeMessages msgs;
        QVERIFY(writeInputs());
        QGuiApplication::clipboard()->setText(QStringLiteral("older text"));
        clickButton(open<ClipboardExportWindow>(QStringLiteral("I")), "Command1");
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 fromFileText(clipboardText(loadReport({false, true, false}))));
        QVERIFY(msgs.beeps == 1 && !window("frmclip"));

        clickButton(open<ScreenExportWindow>(QStringLiteral("S")), "Command1");
        QPointer<QWidget> view = window("frmview");
        auto* text = child<QPlainTextEdit>(view, "view");
        QVERIFY(view && view->isVisible() && !window("frmscrn") && lettersLineUp(text->font()));
        QVERIFY(text->toPlainText().startsWith(QString(30, u' ') +
                                               QStringLiteral("GP2 Lap Times - Standard Circuits\n"
                                                              "\nInterlagos - Brazil\nSession")));
        clickButton(open<ScreenExportWindow>(QStringLiteral("I")), "Command1");
        QVERIFY(window("frmview") == view && !text->toPlainText().contains(u"Interlagos") &&
                text->toPlainText().contains(u"Brands Hatch"));
        QCOMPARE(msgs.beeps, 3);
        view->close();
    }
};

QTEST_MAIN(ExportWindowsTest)
#include "ExportWindowsTest.moc"
