// The custom circuit file as its setup window edits it: 16 rows of name and
// country, stored as 16 captions (name, line feed, country); the file's
// bytes are formats/CustomFile.h's.
#pragma once

#include "files/FileOps.h"
#include "files/Result.h"
#include "formats/CustomFile.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace velomark {

struct CustomRow {
    std::string name;
    std::string country;
    bool operator==(const CustomRow&) const = default;
};
using CustomRows = std::array<CustomRow, 16>;

// A caption split at its first line feed. A caption without one (a file not
// written by this program) is taken whole as the name, so no text is lost.
CustomRow splitCaption(std::string_view caption);

// The rows the setup window opens with. A missing or unreadable file, or one
// with fewer than 16 captions, gives 16 empty rows, as an initialised file does.
CustomRows loadCustomRows(const std::string& path = kCustomFileName);

// Why a name or country cannot be stored, or nothing when it can: a double
// quote would end its caption early when read back, and a line feed in a name
// would move the rest of the name into the country. The setup window refuses
// such text as it is typed; the writer refuses it again.
std::optional<Sentence> customTextProblem(std::string_view text, bool isName);

// Replaces the file through temp.dat, so a failure leaves the old one
// whole; a row that cannot be stored is named and nothing is written.
Status writeCustomFile(const CustomRows& rows, FileOps& ops = realFileOps(),
                       const std::string& path = kCustomFileName);

} // namespace velomark
