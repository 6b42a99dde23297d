// The reports against hand-made golden files, the page's file-name check, what
// each export keeps when an input file is missing part-way, HTML escaping, and
// the CSV export read back by Python's csv module.
#include "reports/CsvExport.h"
#include "reports/HtmlPage.h"
#include "reports/TextReports.h"

#include "support/TestFiles.h"

#include <QProcess>
#include <QtTest>

using namespace velomark;
using namespace velomark::test;

namespace {

// Writes 16 records: the given lines, all other fields empty.
bool putRecords(const char* name, std::initializer_list<std::pair<int, std::string>> lines) {
    return writeBytes(QString::fromLatin1(name), lapRecords(lines, std::string(19, ',')));
}

// Standard: Interlagos with a Race lap and a long setup name only, TI Circuit Aida with
// a split and a setup but no lap time, Monza with most fields. IA Track Pack: Monte
// Carlo as Interlagos, or nothing. Custom: circuits 2 and 5, captions with line feeds.
bool writeReportInputs(bool trackPackTimes) {
    const std::string raceOnly = ",,,,,,,,,,,,,,,1.32.400,,,,wet_weather_race_setup.set";
    const std::string monza = "1.20.100,27.000,,26.500,quick.set,1.21.950,27.100,55.300,26.650,"
                              "prac.set,1.21.500,26.900,55.000,,qual.set,,,,,race.set";
    const std::string custom = ",\"Long\nName\nHere\",,,\"Brno\nCzechia\",,,,,,,,,,,\r\n";
    return writeBytes(QStringLiteral("custom"), custom) &&
           putRecords("set1.dat",
                      {{1, raceOnly}, {2, ",,,,,,29.100,,,prac.set,,,,,,,,,,"}, {12, monza}}) &&
           putRecords("set2.dat", {{trackPackTimes ? 4 : 0, raceOnly}}) &&
           putRecords("set3.dat",
                      {{2, ",,,,,59.876,,,,,,,,,,,,,,"}, {5, ",,,,,,,,,,1.05.000,,,,,,,,,"}});
}

QByteArray bytes(const std::string& s) {
    return QByteArray::fromStdString(s);
}

// As the golden file writes print documents: "B " before a heading line, two
// blanks before a plain line, "[end]" where a document ends.
std::string printed(const std::vector<PrintDocument>& documents) {
    std::string out;
    for (const PrintDocument& doc : documents) {
        for (const PrintLine& line : doc.lines)
            out += (line.heading ? "B " : "  ") + line.text + "\n";
        out += "[end]\n";
    }
    return out;
}

} // namespace

class ReportsTest : public QObject {
    Q_OBJECT
  private slots:
    void goldenReports_data() {
        QTest::addColumn<QString>("golden"); // in tests/data/reports
        QTest::addColumn<bool>("trackPackTimes");
        QTest::addColumn<QString>("ticked"); // in the order ticked: S, I (IA Track Pack), C
        QTest::newRow("text, IA Track Pack reports nothing") << "text.txt" << false << "IS";
        QTest::newRow("screen, setup cut to 20") << "screen.txt" << true << "I";
        QTest::newRow("clipboard, one circuit") << "clipboard.txt" << true << "I";
        QTest::newRow("print, three documents") << "print.txt" << true << "CIS";
        QTest::newRow("web page") << "standard.html" << true << "S";
    }
    void goldenReports() {
        QFETCH(QString, golden);
        QFETCH(bool, trackPackTimes);
        QFETCH(QString, ticked);
        ScopedWorkDir dir;
        QVERIFY(writeReportInputs(trackPackTimes));
        const TracksetChoice choice{ticked.contains(u'S'), ticked.contains(u'I'),
                                    ticked.contains(u'C')};
        const ReportData data = loadReport(choice);
        // The text file and the page are written over an older and much longer file.
        QVERIFY(writeBytes(golden, "an older and much longer report"));
        const ExportResult r = golden.endsWith(u".html")
                                   ? exportHtmlFile(golden.toStdString(), kHtmlTitle, choice)
                                   : exportTextFile(golden.toStdString(), choice);
        QVERIFY(r.refused == ExportResult::Refused::No && !r.stop && !r.writeError);
        const std::string out = golden == u"screen.txt"      ? screenText(data)
                                : golden == u"clipboard.txt" ? clipboardText(data)
                                : golden == u"print.txt"     ? printed(printDocuments(data))
                                                             : readBytes(golden);
        QCOMPARE(bytes(out), bytes(fixture(qPrintable(QStringLiteral("reports/") + golden))));
    }

    // A missing custom file leaves the text file untouched, a missing first lap record
    // file empties it, a later one keeps the tracksets before it; no half page is written.
    void missingInputs_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("damaged"); // written in the file's place; empty: removed
        QTest::newRow("custom missing") << "custom" << QByteArray();
        QTest::newRow("first set missing") << "set1.dat" << QByteArray();
        QTest::newRow("later set missing") << "set2.dat" << QByteArray();
        QTest::newRow("later set short") << "set2.dat" << QByteArray(",,\r\n");
    }
    void missingInputs() {
        QFETCH(QString, file);
        QFETCH(QByteArray, damaged);
        const bool custom = file == u"custom";
        ScopedWorkDir dir;
        QVERIFY(writeReportInputs(true));
        QVERIFY(damaged.isEmpty() ? QFile::remove(file) : writeBytes(file, damaged.toStdString()));
        QVERIFY(writeBytes(QStringLiteral("out.txt"), "old") &&
                writeBytes(QStringLiteral("out.html"), "old"));

        const ExportResult result = exportTextFile("out.txt", {true, true, custom});
        QVERIFY(result.stop && !result.writeError && result.stop->atCustomFile == custom);
        QVERIFY(damaged.isEmpty()
                    ? result.stop->text() == kNotSetUpText
                    : result.stop->text().find(file.toStdString()) != std::string::npos);
        const std::string full = fixture("reports/text.txt");
        const std::string standard =
            full.substr(0, full.find(std::string(30, ' ') + "GP2 Lap Times - IA"));
        const std::string kept = file == u"set2.dat" ? standard : custom ? "old" : "";
        QCOMPARE(bytes(readBytes(QStringLiteral("out.txt"))), bytes(kept));

        const ExportResult page = exportHtmlFile("out.html", kHtmlTitle, {true, true, custom});
        QVERIFY(page.stop && page.stop->atCustomFile == custom && !page.writeError);
        QCOMPARE(readBytes(QStringLiteral("out.html")), std::string("old"));
    }

    void pageNameAndWriteFailures() {
        ScopedWorkDir dir;
        QVERIFY(writeReportInputs(true));
        using enum ExportResult::Refused;
        const TracksetChoice standard{true, false, false};
        for (const char* name : {"x.htm", "LAPTIMES.HTML", ".html", "Laptimes.html "})
            QVERIFY2(exportHtmlFile(name, kHtmlTitle, standard).refused == BadFileName, name);
        QVERIFY(exportHtmlFile("Laptimes.html", kHtmlTitle, {}).refused == NothingTicked);
        QCOMPARE(QDir().entryList(QDir::Files).size(), 4); // the inputs alone
        QVERIFY(exportHtmlFile("no folder/x.html", "", standard).writeError);
    }

    // The IA Track Pack heading and escaped texts; the rest of the layout is the golden page's.
    void trackPackPageWithEscapedTexts() {
        const ReportCircuit c{1, "R&D <Ring>", {"1.20.000", "", "", "", "<b>fast</b>&co"}};
        const std::string page = htmlPage({{{Trackset::TrackPack, {c}}}, {}}, "Tom & \"J\" <laps>");
        for (const char* part :
             {"<h1>Tom &amp; &quot;J&quot; &lt;laps&gt;</h1></center></u></strong></font></p>\r\n"
              "<br><strong><center><h2><u>IA Track Pack</u></h2></center></strong></p>\r\n<p><font "
              "color=\"#408080\" size=\"4\"><strong><u>R&amp;D &lt;Ring&gt;</u>",
              "<td></td><td>&lt;b&gt;fast&lt;/b&gt;&amp;co</td>\r\n"})
            QVERIFY2(page.find(part) != std::string::npos, part);

        // A line break in a hand-edited setup name keeps the text reports' one line a session.
        ReportCircuit wet{1, "A - B", {"1.20.000"}};
        wet.fields[4] = "wet\r\nset";
        const ReportData broken{{{Trackset::Standard, {wet}}}, {}};
        QVERIFY(textFileReport(broken).find("wet  set") != std::string::npos);
        const std::vector<PrintDocument> printed = printDocuments(broken);
        for (const PrintLine& line : printed[0].lines)
            QVERIFY(line.text.find_first_of("\r\n") == std::string::npos);
    }
    // The CSV file as a strict reader sees it: the rows of the stored times,
    // names with commas and quotes intact, in trackset order.
    void csvExportReadByPython() {
        ScopedWorkDir dir;
        std::string set1, set2;
        for (int k = 1; k <= 16; ++k) {
            set1 += k == 12 ? "\"1.20.100\",,,,\"a, b.set\",\"1.21.950\",\"27.100\",\"55.300\","
                              "\"26.650\",wet\"B\".set,,,,,,,,,,\r\n"
                            : std::string(19, ',') + "\r\n";
            set2 += k == 4 ? ",,,,,,,,,,,,,,,\"1.32.400\",,,,\"caf\xe9.set\"\r\n"
                           : std::string(19, ',') + "\r\n";
        }
        QVERIFY(writeBytes(QStringLiteral("set1.dat"), set1));
        QVERIFY(writeBytes(QStringLiteral("set2.dat"), set2));
        const ExportResult result = exportCsvFile("out.csv", {true, true, false});
        QVERIFY(!result.stop && !result.writeError);

        QProcess python;
        python.start(QStringLiteral("python3"),
                     {QStringLiteral("-c"),
                      QStringLiteral("import csv,sys\n"
                                     "with open('out.csv', newline='', encoding='utf-8') as f:\n"
                                     "    for r in csv.reader(f, strict=True):\n"
                                     "        sys.stdout.write('|'.join(r) + '\\n')\n")});
        QVERIFY(python.waitForFinished(10000) && python.exitCode() == 0);
        QCOMPARE(QString::fromUtf8(python.readAllStandardOutput()),
                 QStringLiteral(
                     "Trackset|Circuit|Circuit name|Session|Lap time|1st split|'+2nd "
                     "split|3rd split|Setup\n"
                     "Standard|12|Monza - Italy|QuickRace|1.20.100||||a, b.set\n"
                     "Standard|12|Monza - Italy|Practice|1.21.950|27.100|55.300|26.650|"
                     "wet\"B\".set\n"
                     "IA Track Pack|4|Monte Carlo - Monaco|Race|1.32.400||||caf\u00e9.set\n"));
    }
};

QTEST_APPLESS_MAIN(ReportsTest)
#include "ReportsTest.moc"
