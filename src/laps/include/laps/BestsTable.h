// The bests board's contents: a row per circuit of the three tracksets with
// its stored lap times, the ideal lap of its stored splits and the date its
// Qualifying best was set; a rival's times and the gaps beside them; and the
// board as a CSV file.
#pragma once

#include "files/FileOps.h"
#include "formats/Circuits.h"
#include "formats/LapRecordFile.h"
#include "laps/Rival.h"
#include "laps/TimeText.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace velomark {

// The ideal lap of a circuit's stored Practice and Qualifying splits in
// seconds, as the editor computes it; nothing where the editor shows none.
using IdealLap = std::optional<double> (*)(const SessionTimes& practice,
                                           const SessionTimes& qualifying);

// One circuit. Texts are UTF-8.
struct BoardRow {
    Trackset set = Trackset::Standard;
    int number = 0;                  // 1 to 16
    std::string circuit;             // its report heading
    std::array<std::string, 4> laps; // per session, as stored
    std::string ideal;               // m.ss.sss, or ""
    std::string setOn;               // 2026-11-02, or "" when the history does not tell
};

struct Board {
    std::vector<BoardRow> rows; // trackset by trackset, in circuit order
    // A trackset left out, a history that could not be read: a sentence each.
    std::vector<Error> notes;
};

// Reads the lap record files, the custom file and the history in folder (""
// for the working directory, else ending in a separator). A trackset whose
// lap record file (or, for Custom, custom file) cannot be read is left out.
Board readBoard(IdealLap ideal, const std::string& folder = {}, FileOps& ops = realFileOps());

// One cell as the board shows and exports it, and what it sorts by.
struct BoardCell {
    std::string text;          // UTF-8
    std::optional<double> key; // times and gaps sort by their value
    int gapSign = 0;           // in a gap: -1 when you are faster, 1 when slower
};

struct BoardLine {
    Trackset set = Trackset::Standard;
    int number = 0;
    std::vector<BoardCell> cells;
};

struct BoardTable {
    std::vector<SourceText> header; // English in the CSV file, translated on the board
    std::vector<bool> byValue;      // per column: sorted by the cells' keys, not their texts
    std::vector<BoardLine> lines;
};

// "Trackset", "Circuit", each session (with "Rival" and "Gap" after it when
// there is a rival), "Ideal", "Set on".
BoardTable boardTable(const Board& board, const RivalTimes* rival = nullptr);

// Lines of texts (the header first) as a CSV file in the CSV export's
// dialect, written as every export is: aside first, then renamed into place.
Status writeBoardCsv(const std::string& target, const std::vector<std::vector<std::string>>& lines,
                     FileOps& ops = realFileOps());

} // namespace velomark
