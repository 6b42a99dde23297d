// The CSV dialect of Velomark's own CSV files (the history and the CSV
// export): RFC 4180, every field quoted, inner quotes doubled, CR LF, and a
// field that a spreadsheet would run as a formula guarded as text.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velomark {

// Whether a field would be taken for a formula by a spreadsheet: it begins
// with =, +, -, @, a tab or a carriage return, after any apostrophes. Such a
// field is written with one more apostrophe in front, which makes it text
// there and which the reader takes off again, so every text reads back as it
// was written.
bool needsFormulaGuard(std::string_view text);

// One CSV line: every field quoted, inner quotes doubled, ended by CR LF.
std::string csvLine(const std::vector<std::string>& fields);

// A field of a line as it stands there, without a copy: the quotes around it
// taken off, doubled quotes inside still doubled (escaped tells).
struct CsvField {
    std::string_view text;
    bool escaped = false;
    // The text as it was written, the formula guard taken off.
    std::string value() const;
};

// Splits a line (without its line end) into fields; false when it is not
// well-formed CSV (an unclosed or stray quote, text after a closing quote).
bool splitCsvLine(std::string_view line, std::vector<CsvField>& fields);

// The fields of one line without its line end; nothing when the line is not
// well-formed.
std::optional<std::vector<std::string>> parseCsvLine(std::string_view line);

} // namespace velomark
