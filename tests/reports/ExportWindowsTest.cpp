// The export chooser and the five export windows: what each opens with and
// what it writes, prints, copies or shows, also when an input file is missing.
// The report layouts are the core's, checked byte for byte in ReportsTest.
#include "app/MainWindow.h"
#include "platform/PrintSink.h"
#include "reports/ClipboardExportWindow.h"
#include "reports/HtmlExportWindow.h"
#include "reports/PrintWindow.h"
#include "reports/ScreenExportWindow.h"
#include "reports/TextExportWindow.h"

#include "store/LapRecordFile.h"
#include "support/FakeMessages.h"
#include "support/TestFiles.h"
#include "support/Windows.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace velomark;
using namespace velomark::test;

Q_DECLARE_METATYPE(velomark::MessageAnswer)

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
    const std::string lap = ",,,,,1.21.950,27.100,55.300,26.650,prac.set,,,,,,,,,,\r\n";
    const std::string none = std::string(19, ',') + "\r\n", rest = blankLapRecordFile().substr(122);
    return writeBytes(QStringLiteral("set1.dat"), lap + none + rest) &&
           writeBytes(QStringLiteral("set2.dat"), (trackPackTimes ? lap : none) + none + rest) &&
           writeBytes(QStringLiteral("set3.dat"), none + lap + rest) &&
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

void retype(QLineEdit* field, const QString& text) {
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
}

void click(QWidget* w, const char* button) {
    QTest::mouseClick(child<QPushButton>(w, button), Qt::LeftButton);
}

QStringList titles(const FakeMessages& msgs) {
    QStringList out;
    for (const Message& m : msgs.shown)
        out << m.title;
    return out;
}

} // namespace

class ExportWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void chooserOpensTheChosenWindowAfresh_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("opens");
        QTest::newRow("Printer") << QStringLiteral("optprt") << QStringLiteral("frmprint");
        QTest::newRow("Clipboard") << QStringLiteral("optclip") << QStringLiteral("frmclip");
        QTest::newRow("Web Page") << QStringLiteral("optweb") << QStringLiteral("frmweb");
        QTest::newRow("Text file") << QStringLiteral("opttxt") << QStringLiteral("frmtxt");
        QTest::newRow("Screen") << QStringLiteral("optscrn") << QStringLiteral("frmscrn");
        QTest::newRow("nothing chosen") << QString() << QString();
    }
    void chooserOpensTheChosenWindowAfresh() {
        QFETCH(QString, option);
        QFETCH(QString, opens);
        ScopedWorkDir dir;
        FakeMessages msgs;
        RecordingPrinter printer;
        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        MainWindow main;
        QPushButton* exportButton = main.findChild<QPushButton*>(QStringLiteral("Command1"));
        for (int opening = 0; opening < 2; ++opening) {
            QTest::mouseClick(exportButton, Qt::LeftButton);
            QWidget* chooser = window("frmexport");
            for (QRadioButton* b : chooser->findChildren<QRadioButton*>())
                QVERIFY(!b->isChecked()); // nothing carried over from the first opening
            if (auto* b = chooser->findChild<QRadioButton*>(option);
                !option.isEmpty() && opening == 0)
                QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
            click(chooser, opening == 0 ? "cmdexport" : "Command1");
            QVERIFY(!window("frmexport"));
        }
        for (const char* name : {"frmprint", "frmclip", "frmweb", "frmtxt", "frmscrn"})
            QCOMPARE(window(name) != nullptr, opens == QLatin1String(name));
        if (opens.isEmpty())
            return;

        // Standard alone is ticked; Cancel writes, prints, copies and shows nothing.
        QWidget* w = window(qPrintable(opens));
        QVERIFY(child<QCheckBox>(w, "chk1")->isChecked() &&
                !child<QCheckBox>(w, "chk2")->isChecked() &&
                !child<QCheckBox>(w, "chk3")->isChecked());
        QVERIFY(writeInputs());
        click(w, "Command2");
        QVERIFY(!window(qPrintable(opens)) && !window("frmview"));
        QCOMPARE(QDir().entryList(QDir::Files).size(), 4);
        QVERIFY(printer.jobs.isEmpty() && msgs.beeps == 0);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    }

    void textFile() {
        ScopedWorkDir dir;
        FakeMessages msgs;
        QVERIFY(writeInputs(false));
        auto* w = open<TextExportWindow>(QStringLiteral("I"));
        QCOMPARE(child<QLineEdit>(w, "hfile")->text(), QStringLiteral("Laptimes.txt"));
        retype(child<QLineEdit>(w, "hfile"), QStringLiteral("IA laps.txt"));
        click(w, "Command1");
        QCOMPARE(readBytes(QStringLiteral("IA laps.txt")),
                 std::string(30, ' ') + "GP2 Lap Times - IA Track Pack\r\n\r\n");
        QVERIFY(msgs.beeps == 1 && !window("frmtxt"));

        // A target that cannot be written: named in the message, no beep, the window stays.
        QVERIFY(QDir().mkdir(QStringLiteral("Laptimes.txt")));
        w = open<TextExportWindow>(QStringLiteral("SI"));
        msgs.expect(MessageAnswer::Ok);
        click(w, "Command1");
        QVERIFY(msgs.shown[0].text.contains(QStringLiteral("Laptimes.txt")));
        QVERIFY(msgs.beeps == 1 && window("frmtxt") == w);

        // A later trackset's file missing: the earlier tracksets stay in the file.
        QVERIFY(QFile::remove(QStringLiteral("set2.dat")));
        retype(child<QLineEdit>(w, "hfile"), QStringLiteral("out.txt"));
        msgs.expect(MessageAnswer::Ok);
        click(w, "Command1");
        QVERIFY(msgs.shown[1].title == QLatin1String("Ooops!") &&
                msgs.shown[1].text == QLatin1String(kNotSetUpText.data()) &&
                msgs.shown[1].icon == MessageIcon::Stop);
        QVERIFY(msgs.beeps == 1 && !window("frmtxt")); // a stopped export is no success
        const std::string kept = readBytes(QStringLiteral("out.txt"));
        QVERIFY(kept.starts_with(std::string(30, ' ') + "GP2 Lap Times - Standard Circuits\r\n"));
        QVERIFY(kept.find("Interlagos") != std::string::npos && kept.find("IA Track") == kept.npos);
    }

    void htmlPage() {
        ScopedWorkDir dir;
        FakeMessages msgs;
        QVERIFY(writeInputs());
        auto* w = open<HtmlExportWindow>(QStringLiteral("S"));
        auto* hfile = child<QLineEdit>(w, "hfile");
        auto* htitle = child<QLineEdit>(w, "htitle");
        QVERIFY(hfile->text() == QLatin1String("Laptimes.html") &&
                htitle->text() == QLatin1String("GP2 Lap Times"));
        retype(hfile, QStringLiteral("laps.HTML"));
        retype(htitle, QStringLiteral("Tom & Jerry's \"laps\""));
        msgs.expect(MessageAnswer::Ok);
        click(w, "Command1");
        QCOMPARE(titles(msgs), QStringList{QStringLiteral("Correct the filename")});
        QCOMPARE(msgs.shown[0].text, QStringLiteral("Invalid filename. Must end in `.html`"));
        QVERIFY(window("frmweb") == w && hfile->text() == QLatin1String("laps.HTML"));

        // The typed double quotes were refused; the rest of the title heads the page.
        retype(hfile, QStringLiteral("laps.html"));
        click(w, "Command1");
        QVERIFY(msgs.beeps == 1 && !window("frmweb"));
        QVERIFY(readBytes(QStringLiteral("laps.html")).find("<h1>Tom &amp; Jerry's laps</h1>") !=
                std::string::npos);
    }

    void printing_data() {
        QTest::addColumn<QString>("ticked");
        QTest::addColumn<QString>("missing");
        QTest::addColumn<MessageAnswer>("ready");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("documents");
        const QStringList ready{QStringLiteral("Ready to print")};
        QTest::newRow("three tracksets")
            << QStringLiteral("CIS") << QString() << MessageAnswer::Ok << ready << 3;
        QTest::newRow("Cancel prints nothing")
            << QStringLiteral("S") << QString() << MessageAnswer::Cancel << ready << 0;
        QTest::newRow("later file missing")
            << QStringLiteral("SI") << QStringLiteral("set2.dat") << MessageAnswer::Ok
            << strings({"Ready to print", "Ooops!"}) << 1;
        QTest::newRow("custom missing: no question")
            << QStringLiteral("SC") << QStringLiteral("custom") << MessageAnswer::Ok
            << strings({"Ooops!"}) << 0;
        QTest::newRow("nothing ticked")
            << QString() << QString() << MessageAnswer::Ok << strings({"Nothing to print"}) << 0;
    }
    void printing() {
        QFETCH(QString, ticked);
        QFETCH(QString, missing);
        QFETCH(MessageAnswer, ready);
        QFETCH(QStringList, messages);
        QFETCH(int, documents);
        ScopedWorkDir dir;
        FakeMessages msgs;
        RecordingPrinter printer;
        QVERIFY(writeInputs(false));
        QVERIFY(missing.isEmpty() || QFile::remove(missing));
        auto* w = open<PrintWindow>(ticked);
        for (const QString& title : messages)
            msgs.expect(title == QLatin1String("Ready to print") ? ready : MessageAnswer::Ok);
        click(w, "Command1");
        QCOMPARE(titles(msgs), messages);
        QVERIFY(messages.first() != QLatin1String("Ready to print") ||
                msgs.shown.first().buttons == MessageButtons::OkCancel);
        QVERIFY(!window("frmprint") && msgs.beeps == 0);
        QCOMPARE(printer.jobs.size(), documents);
        if (documents == 0)
            return;
        const PrintJob& standard = printer.jobs[0];
        QCOMPARE(standard.name, QStringLiteral("GP2 Lap Times - Standard Circuits"));
        QVERIFY(standard.fontName == QLatin1String("Courier") && standard.lines.size() == 5);
        QVERIFY(standard.lines[0].heading && !standard.lines[2].heading);
        if (documents == 3) { // one document per trackset, in order, even an empty one
            QVERIFY(printer.jobs[1].lines.isEmpty());
            QCOMPARE(printer.jobs[2].lines[0].text, QStringLiteral("Brno - Czechia"));
        }
    }

    void printingWithoutPrinterWritesPdf() {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("a printer is installed here; this checks the PDF written without one");
        QCOMPARE(expandTabs(QStringLiteral("ab\tc\t\td")),
                 QStringLiteral("ab      c%1d").arg(QString(15, u' ')));
        ScopedWorkDir dir;
        FakeMessages msgs;
        QVERIFY(writeInputs());
        auto* w = open<PrintWindow>(QStringLiteral("S"));
        msgs.expect(MessageAnswer::Ok);
        msgs.expect(MessageAnswer::Ok);
        click(w, "Command1");
        const QString pdf = QStringLiteral("GP2 Lap Times - Standard Circuits.pdf");
        QVERIFY(msgs.shown[1].text.contains(QLatin1Char('"') + pdf + QLatin1Char('"')));
        QVERIFY(readBytes(pdf).starts_with("%PDF-"));
    }

    void clipboard() {
        ScopedWorkDir dir;
        FakeMessages msgs;
        QVERIFY(writeInputs());
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText(QStringLiteral("older text"));
        click(open<ClipboardExportWindow>(QStringLiteral("I")), "Command1");
        const QString none =
            QStringLiteral("%1\t   %2\t   %2\t   %1\t  %1").arg(QString(8, u' '), QString(6, u' '));
        QCOMPARE(clipboard->text(),
                 QStringLiteral("\r\nBrands Hatch - Ireland\r\nQuickRace  :%1%2\r\nPractice   :%1%3"
                                "\t   27.100\t   55.300\t   26.650\t  prac.set\r\n"
                                "Qualifying :%1%2\r\nRace       :%1%2\r\n")
                     .arg(QString(15, u' '), none, QStringLiteral("1.21.950")));
        QVERIFY(msgs.beeps == 1 && !window("frmclip"));
    }

    void screenView() {
        ScopedWorkDir dir;
        FakeMessages msgs;
        QVERIFY(writeInputs());
        click(open<ScreenExportWindow>(QStringLiteral("S")), "Command1");
        QPointer<QWidget> view = window("frmview");
        QVERIFY(view && view->isVisible() && !window("frmscrn"));
        auto* text = child<QPlainTextEdit>(view, "view");
        QVERIFY(QFontInfo(text->font()).fixedPitch());
        QVERIFY(text->toPlainText().startsWith(QString(30, u' ') +
                                               QStringLiteral("GP2 Lap Times - Standard Circuits\n"
                                                              "\nInterlagos - Brazil\nSession")));

        // A second view refills the same window.
        click(open<ScreenExportWindow>(QStringLiteral("I")), "Command1");
        QCOMPARE(window("frmview"), view.data());
        QVERIFY(text->toPlainText().contains(QStringLiteral("Brands Hatch")) &&
                !text->toPlainText().contains(QStringLiteral("Interlagos")));
        QCOMPARE(msgs.beeps, 2);
        view->close();
    }
};

QTEST_MAIN(ExportWindowsTest)
#include "ExportWindowsTest.moc"
