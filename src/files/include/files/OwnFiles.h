// Velomark's own files in its data folder, the working directory: the lap
// record files, the custom circuit list, the GP2 directory setting, the
// history, and the files it works through. No export may take their place.
#pragma once

#include "files/Result.h"

#include <optional>
#include <string>

namespace velomark {

// Why path may not be written as an export: it is, or leads through links to,
// one of Velomark's own files in the data folder, in any case of its letters
// (its folder too may be reached through links). One sentence naming it; a
// file of such a name in another folder is the player's, and nothing is said.
std::optional<Error> ownFileRefusal(const std::string& path);

} // namespace velomark
