// The reports against hand-made golden files, the page's file-name check, what
// each export keeps when an input file is missing part-way, HTML escaping, and
// the CSV export read back by Python's csv module.
#include "laps/CsvExport.h"
#include "laps/HtmlPage.h"
#include "laps/TextReports.h"

#include "support/Files.h"

#include <doctest.h>

#include <cstdio>

using namespace velomark;
using namespace velomark::test;

namespace {

// Writes 16 records: the given lines, all other fields empty.
bool putRecords(const char* name, std::initializer_list<std::pair<int, std::string>> lines) {
    return writeBytes(name, lapRecords(lines, std::string(19, ',')));
}

// Standard: Interlagos with a Race lap and a long setup name only, TI Circuit Aida with
// a split and a setup but no lap time, Monza with most fields. IA Track Pack: Monte
// Carlo as Interlagos, or nothing. Custom: circuits 2 and 5, captions with line feeds.
bool writeReportInputs(bool trackPackTimes) {
    const std::string raceOnly = ",,,,,,,,,,,,,,,1.32.400,,,,wet_weather_race_setup.set";
    const std::string monza = "1.20.100,27.000,,26.500,quick.set,1.21.950,27.100,55.300,26.650,"
                              "prac.set,1.21.500,26.900,55.000,,qual.set,,,,,race.set";
    const std::string custom = ",\"Long\nName\nHere\",,,\"Brno\nCzechia\",,,,,,,,,,,\r\n";
    return writeBytes("custom", custom) &&
           putRecords("set1.dat",
                      {{1, raceOnly}, {2, ",,,,,,29.100,,,prac.set,,,,,,,,,,"}, {12, monza}}) &&
           putRecords("set2.dat", {{trackPackTimes ? 4 : 0, raceOnly}}) &&
           putRecords("set3.dat",
                      {{2, ",,,,,59.876,,,,,,,,,,,,,,"}, {5, ",,,,,,,,,,1.05.000,,,,,,,,,"}});
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

TEST_CASE("golden reports") {
    const struct {
        const char* name;
        std::string golden; // in tests/data/reports
        bool trackPackTimes;
        std::string ticked; // in the order ticked: S, I (IA Track Pack), C
    } rows[] = {{"text, IA Track Pack reports nothing", "text.txt", false, "IS"},
                {"screen, setup cut to 20", "screen.txt", true, "I"},
                {"clipboard, one circuit", "clipboard.txt", true, "I"},
                {"print, three documents", "print.txt", true, "CIS"},
                {"web page", "standard.html", true, "S"}};
    for (const auto& row : rows) {
        INFO(std::string(row.name));
        WorkDir dir;
        REQUIRE(writeReportInputs(row.trackPackTimes));
        const auto ticked = [&row](char c) { return row.ticked.find(c) != std::string::npos; };
        const TracksetChoice choice{ticked('S'), ticked('I'), ticked('C')};
        const ReportData data = loadReport(choice);
        // The text file and the page are written over an older and much longer file.
        REQUIRE(writeBytes(row.golden, "an older and much longer report"));
        const ExportResult r = row.golden.ends_with(".html")
                                   ? exportHtmlFile(row.golden, kHtmlTitle, choice)
                                   : exportTextFile(row.golden, choice);
        CHECK((r.refused == ExportResult::Refused::No && !r.stop && !r.writeError));
        const std::string out = row.golden == "screen.txt"      ? screenText(data)
                                : row.golden == "clipboard.txt" ? clipboardText(data)
                                : row.golden == "print.txt"     ? printed(printDocuments(data))
                                                                : readBytes(row.golden);
        CHECK(out == fixture(("reports/" + row.golden).c_str()));
    }
}

// A missing custom file leaves the text file untouched, a missing first lap record
// file empties it, a later one keeps the tracksets before it; no half page is written.
TEST_CASE("missing inputs") {
    const struct {
        const char* name;
        std::string file;
        std::string damaged; // written in the file's place; empty: removed
    } rows[] = {{"custom missing", "custom", ""},
                {"first set missing", "set1.dat", ""},
                {"later set missing", "set2.dat", ""},
                {"later set short", "set2.dat", ",,\r\n"}};
    for (const auto& row : rows) {
        INFO(std::string(row.name));
        const bool custom = row.file == "custom";
        WorkDir dir;
        REQUIRE(writeReportInputs(true));
        REQUIRE((row.damaged.empty() ? std::remove(row.file.c_str()) == 0
                                     : writeBytes(row.file, row.damaged)));
        REQUIRE((writeBytes("out.txt", "old") && writeBytes("out.html", "old")));

        const ExportResult result = exportTextFile("out.txt", {true, true, custom});
        REQUIRE(result.stop);
        CHECK((!result.writeError && result.stop->atCustomFile == custom));
        CHECK((row.damaged.empty() ? result.stop->text() == kNotSetUpText
                                   : result.stop->text().find(row.file) != std::string::npos));
        const std::string full = fixture("reports/text.txt");
        const std::string standard =
            full.substr(0, full.find(std::string(30, ' ') + "GP2 Lap Times - IA"));
        const std::string kept = row.file == "set2.dat" ? standard : custom ? "old" : "";
        CHECK(readBytes("out.txt") == kept);

        const ExportResult page = exportHtmlFile("out.html", kHtmlTitle, {true, true, custom});
        REQUIRE(page.stop);
        CHECK((page.stop->atCustomFile == custom && !page.writeError));
        CHECK(readBytes("out.html") == "old");
    }
}

TEST_CASE("page name and write failures") {
    WorkDir dir;
    REQUIRE(writeReportInputs(true));
    using enum ExportResult::Refused;
    const TracksetChoice standard{true, false, false};
    for (const char* name : {"x.htm", "LAPTIMES.HTML", ".html", "Laptimes.html "})
        CHECK_MESSAGE(exportHtmlFile(name, kHtmlTitle, standard).refused == BadFileName, name);
    CHECK(exportHtmlFile("Laptimes.html", kHtmlTitle, {}).refused == NothingTicked);
    CHECK(entries(dir.path()).size() == 4); // the inputs alone
    CHECK(exportHtmlFile("no folder/x.html", "", standard).writeError);
}

// The IA Track Pack heading and escaped texts; the rest of the layout is the golden page's.
TEST_CASE("track pack page with escaped texts") {
    const ReportCircuit c{1, "R&D <Ring>", {"1.20.000", "", "", "", "<b>fast</b>&co"}};
    const std::string page = htmlPage({{{Trackset::TrackPack, {c}}}, {}}, "Tom & \"J\" <laps>");
    for (const char* part :
         {"<h1>Tom &amp; &quot;J&quot; &lt;laps&gt;</h1></center></u></strong></font></p>\r\n"
          "<br><strong><center><h2><u>IA Track Pack</u></h2></center></strong></p>\r\n<p><font "
          "color=\"#408080\" size=\"4\"><strong><u>R&amp;D &lt;Ring&gt;</u>",
          "<td></td><td>&lt;b&gt;fast&lt;/b&gt;&amp;co</td>\r\n"})
        CHECK_MESSAGE(page.find(part) != std::string::npos, part);

    // A line break in a hand-edited setup name keeps the text reports' one line a session.
    ReportCircuit wet{1, "A - B", {"1.20.000"}};
    wet.fields[4] = "wet\r\nset";
    const ReportData broken{{{Trackset::Standard, {wet}}}, {}};
    CHECK(textFileReport(broken).find("wet  set") != std::string::npos);
    const std::vector<PrintDocument> printed = printDocuments(broken);
    for (const PrintLine& line : printed[0].lines)
        CHECK(line.text.find_first_of("\r\n") == std::string::npos);
}

// The CSV file as a strict reader sees it: the rows of the stored times,
// names with commas and quotes intact, in trackset order.
TEST_CASE("CSV export read by Python") {
    WorkDir dir;
    std::string set1, set2;
    for (int k = 1; k <= 16; ++k) {
        set1 += k == 12 ? "\"1.20.100\",,,,\"a, b.set\",\"1.21.950\",\"27.100\",\"55.300\","
                          "\"26.650\",wet\"B\".set,,,,,,,,,,\r\n"
                        : std::string(19, ',') + "\r\n";
        set2 += k == 4 ? ",,,,,,,,,,,,,,,\"1.32.400\",,,,\"caf\xe9.set\"\r\n"
                       : std::string(19, ',') + "\r\n";
    }
    REQUIRE((writeBytes("set1.dat", set1) && writeBytes("set2.dat", set2)));
    const ExportResult result = exportCsvFile("out.csv", {true, true, false});
    REQUIRE((!result.stop && !result.writeError));
#ifdef _WIN32
    MESSAGE("skipped the reading by Python's csv module: there is no Python for Windows here");
#else
    const Ran python = runProgram("/usr/bin/env", {"python3", "-c",
                                                   "import csv,sys\n"
                                                   "with open('out.csv', newline='', "
                                                   "encoding='utf-8') as f:\n"
                                                   "    for r in csv.reader(f, strict=True):\n"
                                                   "        sys.stdout.write('|'.join(r) + "
                                                   "'\\n')\n"});
    REQUIRE(python.status == 0);
    CHECK(python.out == "Trackset|Circuit|Circuit name|Session|Lap time|1st split|'+2nd "
                        "split|3rd split|Setup\n"
                        "Standard|12|Monza - Italy|QuickRace|1.20.100||||a, b.set\n"
                        "Standard|12|Monza - Italy|Practice|1.21.950|27.100|55.300|26.650|"
                        "wet\"B\".set\n"
                        "IA Track Pack|4|Monte Carlo - Monaco|Race|1.32.400||||caf\xc3\xa9.set\n");
#endif
}
