// The reports against hand-made golden files: the text file, screen, clipboard
// and print layouts, the HTML page and its file-name check, what each keeps
// when an input file is missing part-way, and the escaping of HTML texts.
#include "reports/HtmlPage.h"
#include "reports/TextReports.h"

#include "support/TestFiles.h"

#include <QtTest>

#include <map>

using namespace velomark;
using namespace velomark::test;

namespace {

bool writeFile(const QString& name, const std::string& bytes) {
    QFile f(name);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           f.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
}

// 16 records: the given lines, all other fields empty.
std::string lapRecords(const std::map<int, std::string>& lines) {
    std::string out;
    for (int k = 1; k <= 16; ++k)
        out += (lines.count(k) ? lines.at(k) : std::string(19, ',')) + "\r\n";
    return out;
}

// Standard: Interlagos with only a Race lap and a long setup name, TI Circuit
// Aida with a split and a setup but no lap time, Monza with most fields. IA
// Track Pack: Monte Carlo as Interlagos, or nothing. Custom: circuits 2 and 5,
// captions with two and one line feeds.
bool writeReportInputs(bool trackPackTimes) {
    const std::string raceOnly = ",,,,,,,,,,,,,,,1.32.400,,,,wet_weather_race_setup.set";
    const std::string monza = "1.20.100,27.000,,26.500,quick.set,1.21.950,27.100,55.300,26.650,"
                              "prac.set,1.21.500,26.900,55.000,,qual.set,,,,,race.set";
    const std::string custom = ",\"Long\nName\nHere\",,,\"Brno\nCzechia\",,,,,,,,,,,\r\n";
    return writeFile(QStringLiteral("custom"), custom) &&
           writeFile(QStringLiteral("set1.dat"),
                     lapRecords(
                         {{1, raceOnly}, {2, ",,,,,,29.100,,,prac.set,,,,,,,,,,"}, {12, monza}})) &&
           writeFile(QStringLiteral("set2.dat"),
                     lapRecords({{trackPackTimes ? 4 : 0, raceOnly}})) &&
           writeFile(QStringLiteral("set3.dat"), lapRecords({{2, ",,,,,59.876,,,,,,,,,,,,,,"},
                                                             {5, ",,,,,,,,,,1.05.000,,,,,,,,,"}}));
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
        QTest::addColumn<QString>("sink");
        QTest::addColumn<bool>("trackPackTimes");
        QTest::addColumn<QString>("ticked"); // in the order ticked: S, I (IA Track Pack), C
        QTest::newRow("text, IA Track Pack reports nothing") << "text" << false << "IS";
        QTest::newRow("screen, setup cut to 20") << "screen" << true << "I";
        QTest::newRow("clipboard, one circuit") << "clipboard" << true << "I";
        QTest::newRow("print, three documents") << "print" << true << "CIS";
    }
    void goldenReports() {
        QFETCH(QString, sink);
        QFETCH(bool, trackPackTimes);
        QFETCH(QString, ticked);
        ScopedWorkDir dir;
        QVERIFY(writeReportInputs(trackPackTimes));
        QVERIFY(writeFile(QStringLiteral("Laptimes.txt"), "an older and much longer report"));
        const TracksetChoice choice{ticked.contains(u'S'), ticked.contains(u'I'),
                                    ticked.contains(u'C')};
        const ReportData data = loadReport(choice);
        QVERIFY(!data.stop);
        std::string out = sink == QStringLiteral("screen")      ? screenText(data)
                          : sink == QStringLiteral("clipboard") ? clipboardText(data)
                                                                : printed(printDocuments(data));
        if (sink == QStringLiteral("text")) {
            const ExportResult result = exportTextFile("Laptimes.txt", choice);
            QVERIFY(!result.stop && !result.writeError);
            out = readBytes(QStringLiteral("Laptimes.txt"));
        }
        QCOMPARE(bytes(out),
                 bytes(fixture(qPrintable(QStringLiteral("reports/%1.txt").arg(sink)))));
    }

    void missingInputs_data() {
        QTest::addColumn<bool>("custom");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("damaged"); // written in the file's place; empty: removed
        QTest::addColumn<bool>("standardKept");
        QTest::newRow("custom missing: untouched") << true << "custom" << QByteArray() << false;
        QTest::newRow("first set missing: emptied") << false << "set1.dat" << QByteArray() << false;
        QTest::newRow("later set missing") << false << "set2.dat" << QByteArray() << true;
        QTest::newRow("later set short") << false << "set2.dat" << QByteArray(",,\r\n") << true;
    }
    void missingInputs() {
        QFETCH(bool, custom);
        QFETCH(QString, file);
        QFETCH(QByteArray, damaged);
        QFETCH(bool, standardKept);
        ScopedWorkDir dir;
        QVERIFY(writeReportInputs(true));
        QVERIFY(damaged.isEmpty() ? QFile::remove(file) : writeFile(file, damaged.toStdString()));
        QVERIFY(writeFile(QStringLiteral("out.txt"), "old"));

        const ExportResult result = exportTextFile("out.txt", {true, true, custom});
        QVERIFY(result.stop && !result.writeError);
        QCOMPARE(result.stop->atCustomFile, custom);
        QCOMPARE(result.stop->text() == kNotSetUpText, damaged.isEmpty());
        QVERIFY(damaged.isEmpty() ||
                result.stop->text().find(file.toStdString()) != std::string::npos);

        std::string kept = custom ? "old" : "";
        if (standardKept) {
            kept = fixture("reports/text.txt");
            kept.resize(kept.find(std::string(30, ' ') + "GP2 Lap Times - IA"));
        }
        QCOMPARE(bytes(readBytes(QStringLiteral("out.txt"))), bytes(kept));
    }

    void exportWritesThePageOrNothing() {
        ScopedWorkDir dir;
        QVERIFY(writeReportInputs(true));
        ExportResult r = exportHtmlFile("Laptimes.html", kHtmlTitle, {true, false, false});
        QVERIFY(r.refused == ExportResult::Refused::No && !r.stop && !r.writeError);
        const std::string page = fixture("reports/standard.html");
        QCOMPARE(bytes(readBytes(QStringLiteral("Laptimes.html"))), bytes(page));

        for (const char* name : {"x.htm", "LAPTIMES.HTML", ".html", "Laptimes.html "}) {
            r = exportHtmlFile(name, kHtmlTitle, {true, false, false});
            QVERIFY2(r.refused == ExportResult::Refused::BadFileName, name);
        }
        r = exportHtmlFile("Laptimes.html", kHtmlTitle, {false, false, false});
        QVERIFY(r.refused == ExportResult::Refused::NothingTicked);
        QVERIFY(QFile::remove(QStringLiteral("set2.dat")));
        r = exportHtmlFile("Laptimes.html", kHtmlTitle, {true, true, false});
        QVERIFY(r.stop && !r.stop->atCustomFile);
        QCOMPARE(QDir().entryList(QDir::Files).size(), 4); // the inputs and the first page
        QCOMPARE(readBytes(QStringLiteral("Laptimes.html")), page);
        QVERIFY(exportHtmlFile("no folder/x.html", "", {true, false, false}).writeError);
    }

    void trackPackPageWithEscapedTexts() {
        ReportCircuit c;
        c.heading = "R&D <Ring>";
        c.fields[0] = "1.20.000";
        c.fields[4] = "<b>fast</b>&co";
        const std::string page = htmlPage({{{Trackset::TrackPack, {c}}}, {}}, "Tom & \"J\" <laps>");
        QVERIFY(page.find(
                    "<h1>Tom &amp; &quot;J&quot; &lt;laps&gt;</h1></center></u></strong></font>"
                    "</p>\r\n<br><strong><center><h2><u>IA Track Pack</u></h2></center></strong>"
                    "</p>\r\n<p><font color=\"#408080\" size=\"4\"><strong><u>R&amp;D &lt;Ring&gt;"
                    "</u>") != std::string::npos);
        QVERIFY(page.find("<td>1.20.000</td><td>&nbsp;</td><td>&nbsp;</td><td></td>"
                          "<td>&lt;b&gt;fast&lt;/b&gt;&amp;co</td>\r\n</tr><tr><td>Practice") !=
                std::string::npos);
        QVERIFY(page.find("</tr></table><p>&nbsp;</p>\r\n<p align=\"center\"><A HREF=") !=
                std::string::npos);
    }
};

QTEST_APPLESS_MAIN(ReportsTest)
#include "ReportsTest.moc"
