// The custom circuit file's bytes: 16 captions (name, line feed, country) as
// quoted fields, read whatever its line breaks, written on two lines of 8.
#pragma once

#include "files/FileOps.h"
#include "files/Result.h"

#include <array>
#include <string>

namespace velomark {

inline constexpr const char* kCustomFileName = "custom";

using CustomCaptions = std::array<std::string, 16>;

// The 16 Custom captions from the custom file, whatever its line breaks.
Result<CustomCaptions> readCustomCaptions(const std::string& path = kCustomFileName);

// One line of 16 fields holding nothing: fifteen commas and CR LF.
std::string blankCustomFile();

// Replaces the file with captions on two lines of 8 through temp.dat, so a
// failure leaves the old one whole. A caption holding a double quote, which
// would end its field early, is refused.
Status writeCustomCaptions(const CustomCaptions& captions, FileOps& ops = realFileOps(),
                           const std::string& path = kCustomFileName);

} // namespace velomark
