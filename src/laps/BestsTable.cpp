#include "laps/BestsTable.h"

#include "files/SafeReplace.h"
#include "formats/Cp1252.h"
#include "formats/Csv.h"
#include "formats/CustomFile.h"
#include "formats/HistoryFile.h"
#include "formats/NumberText.h"

#include <algorithm>

namespace velomark {

namespace {

SessionTimes sessionTimes(const CircuitRecord& r, RecordSession s) {
    return {textOf(r[fieldIndex(s, RecordField::Lap)]),
            textOf(r[fieldIndex(s, RecordField::Split1)]),
            textOf(r[fieldIndex(s, RecordField::Split2)]),
            textOf(r[fieldIndex(s, RecordField::Split3)])};
}

BoardRow boardRow(Trackset set, int number, std::string heading, const CircuitRecord& record,
                  IdealLap ideal) {
    BoardRow row{set, number, std::move(heading), {}, {}, {}};
    for (RecordSession s : kRecordSessions)
        row.laps[static_cast<size_t>(s)] =
            cp1252ToUtf8(textOf(record[fieldIndex(s, RecordField::Lap)]));
    const auto seconds = ideal(sessionTimes(record, RecordSession::Practice),
                               sessionTimes(record, RecordSession::Qualifying));
    if (seconds)
        row.ideal = lapTimeText(*seconds);
    return row;
}

void addTrackset(Board& board, Trackset set, IdealLap ideal, const std::string& folder,
                 FileOps& ops) {
    const Sentence what(VM_TEXT("Board", "The %1 circuits"), {Sentence(tracksetName(set))});
    const auto records = readLapRecordFile(folder + std::string(lapRecordFileName(set)), ops);
    if (!records) {
        board.notes.push_back(leftOut(what, records.error()));
        return;
    }
    std::array<std::string, kCircuitsPerSet> headings;
    if (set == Trackset::Custom) {
        const auto captions = readCustomCaptions(folder + kCustomFileName);
        // No custom circuit named yet is the state INITIALISE ! leaves, not
        // a fault: the rows are left out as the main window leaves them out.
        if (!captions && captions.error().kind != ErrorKind::Empty)
            board.notes.push_back(leftOut(what, captions.error()));
        if (!captions)
            return;
        for (size_t i = 0; i < headings.size(); ++i)
            headings[i] = cp1252ToUtf8(customHeading((*captions)[i]));
    } else {
        for (size_t i = 0; i < headings.size(); ++i)
            headings[i] = reportHeading(fixedCircuits(set)[i]);
    }
    for (int n = 1; n <= kCircuitsPerSet; ++n) {
        const auto i = static_cast<size_t>(n - 1);
        board.rows.push_back(boardRow(set, n, std::move(headings[i]), (*records)[i], ideal));
    }
}

// The date of the newest history row that holds a circuit's Qualifying best.
// The history is read from its end back, only as far as the oldest of those
// rows: a board whose bests were set lately reads its last rows alone.
void addDates(Board& board, const std::string& folder, FileOps& ops) {
    constexpr auto q = static_cast<size_t>(RecordSession::Qualifying);
    std::array<std::array<BoardRow*, kCircuitsPerSet>, 3> undated{};
    int left = 0;
    for (BoardRow& r : board.rows)
        if (!r.laps[q].empty()) {
            undated[static_cast<size_t>(r.set)][static_cast<size_t>(r.number - 1)] = &r;
            ++left;
        }
    if (left == 0)
        return;
    // Only the Qualifying rows are split into fields.
    const HistoryFilter qualifying{Trackset::Standard, 0, RecordSession::Qualifying};
    const Status read = readHistoryBackwards(
        folder + kHistoryFileName, qualifying,
        [&](const HistoryRow& h) {
            BoardRow*& r = undated[static_cast<size_t>(h.set)][static_cast<size_t>(h.circuit - 1)];
            if (r && h.lap == r->laps[q]) {
                r->setOn = h.when.substr(0, 10);
                r = nullptr;
                --left;
            }
            return left > 0;
        },
        ops);
    if (!read)
        board.notes.push_back(
            leftOut(VM_TEXT("Board", "The dates under \"Set on\""), read.error()));
}

BoardCell timeCell(const std::string& text) {
    return {text, timeSeconds(text)};
}

std::vector<BoardCell> cellsOf(const BoardRow& row, const RivalTimes* rival) {
    std::vector<BoardCell> cells{
        {std::string(tracksetName(row.set)), static_cast<int>(row.set) * 100 + row.number},
        {row.circuit, std::nullopt}};
    for (RecordSession s : kRecordSessions) {
        const std::string& yours = row.laps[static_cast<size_t>(s)];
        cells.push_back(timeCell(yours));
        if (!rival)
            continue;
        const std::string& theirs = rival->lap(row.set, row.number, row.circuit, s);
        cells.push_back(timeCell(theirs));
        const auto gap = gapThousandths(yours, theirs);
        cells.push_back(
            gap ? BoardCell{gapText(*gap), static_cast<double>(*gap), (*gap > 0) - (*gap < 0)}
                : BoardCell{});
    }
    cells.push_back(timeCell(row.ideal));
    cells.push_back({row.setOn, std::nullopt});
    return cells;
}

} // namespace

Board readBoard(IdealLap ideal, const std::string& folder, FileOps& ops) {
    Board board;
    for (Trackset set : kTracksetsInOrder)
        addTrackset(board, set, ideal, folder, ops);
    // A first start: one sentence on what to do rather than three on what is missing.
    if (board.rows.empty() && std::ranges::all_of(board.notes, [](const Error& e) {
            return e.kind == ErrorKind::Missing;
        })) {
        board.notes = {Error{ErrorKind::Missing,
                             Sentence(VM_TEXT("Board", "There are no lap record files yet: press "
                                                       "INITIALISE ! on the main window to create "
                                                       "them."))}};
        return board;
    }
    addDates(board, folder, ops);
    return board;
}

BoardTable boardTable(const Board& board, const RivalTimes* rival) {
    BoardTable table;
    table.header = {VM_TEXT("Board", "Trackset"), VM_TEXT("Board", "Circuit")};
    table.byValue = {true, false};
    for (RecordSession s : kRecordSessions) {
        table.header.push_back(sessionWord(s));
        if (rival)
            table.header.insert(table.header.end(),
                                {VM_TEXT("Board", "Rival"), VM_TEXT("Board", "Gap")});
    }
    table.header.insert(table.header.end(),
                        {VM_TEXT("Board", "Ideal"), VM_TEXT("Board", "Set on")});
    table.byValue.resize(table.header.size() - 1, true);
    table.byValue.push_back(false);
    for (const BoardRow& row : board.rows)
        table.lines.push_back({row.set, row.number, cellsOf(row, rival)});
    return table;
}

Status writeBoardCsv(const std::string& target, const std::vector<std::vector<std::string>>& lines,
                     FileOps& ops) {
    std::string bytes;
    for (const auto& line : lines)
        bytes += csvLine(line);
    return writeExportFile(ops, target, bytes);
}

} // namespace velomark
