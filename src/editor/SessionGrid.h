// The editor's grid: four session rows by five columns, what each cell is
// called and where it stands in the circuit record. The editor builds its
// fields, its rules and its tab order from these tables.
#pragma once

#include "catalogue/Circuits.h"
#include "store/LapRecordFile.h"
#include "store/TimeText.h"

#include <array>

namespace velomark {

enum class Row { QuickRace, Practice, Qualifying, Race };
enum class Column { Lap, Split1, Split2, Split3, Notes };
inline constexpr int kRows = 4;
inline constexpr int kColumns = 5;

struct RowSpec {
    const char* label;                      // "Practice", as the row is captioned
    std::array<const char*, kColumns> cell; // field names; nullptr where the row has no field
};

// In record order; the load fills the cells row by row, so a session's lap
// time is set before its splits.
inline constexpr std::array<RowSpec, kRows> kRowSpecs{{
    {"Quickrace", {"qrlap", nullptr, nullptr, nullptr, "qrset"}},
    {"Practice", {"plap", "ps1", "ps2", "ps3", "prset"}},
    {"Qualifying", {"qlap", "qs1", "qs2", "qs3", "qset"}},
    {"Race", {"rlap", nullptr, nullptr, nullptr, "raset"}},
}};

inline constexpr std::array<const char*, kColumns> kColumnHeaders{
    "Lap Time", "1st Split", "+2nd Split", "3rd Split", "Notes"};

// Typing limits by column; 0 means none. Loaded texts are never cut to them.
inline constexpr std::array<int, kColumns> kTypingLimits{8, 6, 8, 0, 0};

// A session's five fields follow each other in the record: lap time, three
// splits, setup file.
constexpr int recordIndex(Row r, Column c) {
    return static_cast<int>(r) * kColumns + static_cast<int>(c);
}
static_assert(recordIndex(Row::Race, Column::Notes) == kFieldsPerRecord - 1,
              "four sessions of five fields make one circuit record");

constexpr bool hasField(Row r, Column c) {
    return kRowSpecs[static_cast<size_t>(r)].cell[static_cast<size_t>(c)] != nullptr;
}

constexpr Row rowOf(Session s) {
    return s == Session::Practice ? Row::Practice : Row::Qualifying;
}

} // namespace velomark
