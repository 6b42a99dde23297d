// The bests board's table and the rival: the rows, notes and dates read from
// a data folder and its history, a rival's times and gaps from a CSV export
// and from a data folder, and a malformed and an oversized rival file.
#include "laps/BestsTable.h"

#include "formats/Csv.h"
#include "laps/CsvExport.h"
#include "laps/DataFiles.h"
#include "laps/Rival.h"
#include "laps/TimeDifferences.h"
#include "support/BoardData.h"

#include <doctest.h>

#include <filesystem>
#include <tuple>

using namespace velomark;
using namespace velomark::test;

namespace {

// The texts of a line's cells from..to.
std::vector<std::string> cells(const BoardLine& line, size_t from = 0, size_t to = 99) {
    std::vector<std::string> out;
    for (size_t i = from; i < std::min(to, line.cells.size()); ++i)
        out.push_back(line.cells[i].text);
    return out;
}

using V = std::vector<std::string>;

} // namespace

TEST_CASE("the board's rows, notes and dates") {
    WorkDir dir;
    Board board = readBoard(idealLapSeconds);
    REQUIRE(board.notes.size() == 1);
    CHECK(board.notes[0].message == "There are no lap record files yet: press INITIALISE ! on "
                                    "the main window to create them.");
    // Every trackset just initialised, then a custom file emptied: no custom
    // circuit named yet is no fault, so nothing is said of it; a few
    // circuits and no more is a file gone wrong, and is named.
    for (const char* file : {"set1.dat", "set2.dat", "set3.dat"})
        REQUIRE(writeBytes(file, blankLapRecordFile()));
    for (auto [custom, rows, note] :
         {std::tuple{fixture("custom_initialised"), 48u, ""}, std::tuple{std::string(), 32u, ""},
          std::tuple{std::string(",,,\r\n"), 32u, "fewer than 16"}}) {
        REQUIRE(writeBytes("custom", custom));
        board = readBoard(idealLapSeconds);
        CHECK(board.rows.size() == rows);
        CHECK(board.notes.size() == (*note ? 1u : 0u));
        CHECK((!*note || board.notes[0].message.find(note) != std::string::npos));
    }

    std::filesystem::remove("set2.dat");
    REQUIRE(writeBoardData());
    // 65 MB of later Practice rows: the rows that set the bests long before
    // still date them; a best that no row holds stays undated.
    std::string later, bytes = readBytes("history.csv");
    while (later.size() < 64 * 1024)
        later += interlagosRow("2026-06-01T20:00:00+01:00", RecordSession::Practice, "1.29.800");
    for (int i = 0; i <= 1040; ++i)
        bytes += later;
    REQUIRE(writeBytes("history.csv", bytes));
    board = readBoard(idealLapSeconds);
    const BoardTable t = boardTable(board);
    CHECK(t.lines.size() == 32);
    CHECK(cells(t.lines[0]) == V{"Standard", "Interlagos - Brazil", "1.31.200", "1.30.950",
                                 "1.29.800", "1.32.400", "1.29.824", "2026-03-07"});
    CHECK(cells(t.lines[11], 4) == V{"1.21.000", "", "", ""});
    CHECK(cells(t.lines[17], 1) == V{"Brno - Czechia", "", "", "58.100", "", "", ""});
    REQUIRE(board.notes.size() == 1);
    CHECK(board.notes[0].message.rfind(
              "The IA Track Pack circuits are left out because the file set2.dat", 0) == 0);
}

// The same times and gaps from the export, from the export with its lines
// ended by CR alone, and from the folder.
TEST_CASE("a rival's times and gaps") {
    WorkDir dir;
    REQUIRE(writeBoardData());
    REQUIRE(!exportCsvFile("anna.csv", {true, false, true}, realFileOps(), "anna/").writeError);
    REQUIRE(writeBytes("cronly.csv", withLineBreaks(readBytes("anna.csv"), "\r")));
    const Board board = readBoard(idealLapSeconds);
    for (const Result<RivalTimes>& rival :
         {readRivalCsv("anna.csv"), readRivalCsv("cronly.csv"), readRivalFolder("anna/")}) {
        REQUIRE(rival.ok());
        const BoardTable t = boardTable(board, &*rival);
        CHECK(cells(t.lines[0], 2, 14) == V{"1.31.200", "", "", "1.30.950", "1.30.000", "+0.950",
                                            "1.29.800", "1.30.212", "-0.412", "1.32.400", "", ""});
        CHECK((t.lines[0].cells[7].gapSign == 1 && t.lines[0].cells[10].gapSign == -1));
        CHECK(cells(t.lines[17], 8, 11) == V{"58.100", "58.000", "+0.100"});
    }
    const Result<RivalTimes> folder = readRivalFolder("anna/");
    CHECK((folder.ok() && !folder->notes.empty() &&
           folder->notes[0].message.rfind("The rival's IA Track Pack times are left out because",
                                          0) == 0));
}

// Rows that can be read are compared; the rest are counted by reason. A
// file over 64 MB is refused by name.
TEST_CASE("a malformed and an oversized rival file") {
    WorkDir dir;
    const auto row = [](const char* set, const char* circuit, const char* lap) {
        return csvLine({set, circuit, "Somewhere", "Qualifying", lap, "", "", "", ""});
    };
    const std::string good = row("Standard", "12", "1.21.500");
    const RivalTimes rival =
        parseRivalCsv("\"Trackset\",\"Circuit\"\r\n" + good + "\"open, never closed\r\n" +
                      row("Nowhere", "1", "1.00.000") + row("Standard", "17", "1.00.000") + good);
    CHECK(rival.lap(Trackset::Standard, 12, "", RecordSession::Qualifying) == "1.21.500");
    REQUIRE(!rival.notes.empty());
    CHECK(rival.notes.back().message ==
          "4 lines of the rival's file were skipped: 1 is not a CSV row of nine fields, 2 name "
          "no trackset, circuit (1 to 16) or session that Velomark knows, 1 repeats the "
          "circuit and session of an earlier line.");

    REQUIRE(writeBytes("huge.csv", ""));
    std::filesystem::resize_file("huge.csv", kRivalFileLimit + 1);
    const Result<RivalTimes> huge = readRivalCsv("huge.csv");
    CHECK(
        (!huge && huge.error().message.find("huge.csv is larger than 64 MB") != std::string::npos));
}
