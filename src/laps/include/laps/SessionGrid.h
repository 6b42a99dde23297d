// The editor's grid: four session rows by five columns, what each cell is
// called and where it stands in the circuit record. The editor builds its
// fields, its rules and its tab order from these tables.
#pragma once

#include "formats/Circuits.h"
#include "formats/LapRecordFile.h"
#include "laps/TimeText.h"

#include <array>

namespace velomark {

// Grid rows are the record's sessions and grid columns its session fields.
using Row = RecordSession;
using Column = RecordField;
inline constexpr int kRows = static_cast<int>(kRecordSessions.size());
inline constexpr int kColumns = kFieldsPerSession;

struct RowSpec {
    SourceText label;                       // "Practice", as the row is captioned
    std::array<const char*, kColumns> cell; // field names; nullptr where the row has no field
};

// In record order; the load fills the cells row by row, so a session's lap
// time is set before its splits.
inline constexpr std::array<RowSpec, kRows> kRowSpecs{{
    {VM_TEXT("SessionGrid", "Quickrace"), {"qrlap", nullptr, nullptr, nullptr, "qrset"}},
    {VM_TEXT("SessionGrid", "Practice"), {"plap", "ps1", "ps2", "ps3", "prset"}},
    {VM_TEXT("SessionGrid", "Qualifying"), {"qlap", "qs1", "qs2", "qs3", "qset"}},
    {VM_TEXT("SessionGrid", "Race"), {"rlap", nullptr, nullptr, nullptr, "raset"}},
}};

inline constexpr std::array<SourceText, kColumns> kColumnHeaders{
    VM_TEXT("SessionGrid", "Lap Time"), VM_TEXT("SessionGrid", "1st Split"),
    VM_TEXT("SessionGrid", "+2nd Split"), VM_TEXT("SessionGrid", "3rd Split"),
    VM_TEXT("SessionGrid", "Notes")};

// Typing limits by column; 0 means none. Loaded texts are never cut to them.
inline constexpr std::array<int, kColumns> kTypingLimits{8, 6, 8, 0, 0};

constexpr bool hasField(Row r, Column c) {
    return kRowSpecs[static_cast<size_t>(r)].cell[static_cast<size_t>(c)] != nullptr;
}

constexpr Row rowOf(Session s) {
    return s == Session::Practice ? Row::Practice : Row::Qualifying;
}

} // namespace velomark
