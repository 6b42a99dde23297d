// Creating blank data files and keeping the GP2 directory.
#pragma once

#include "files/FileOps.h"
#include "files/Result.h"

#include <string>

namespace velomark {

inline constexpr const char* kGp2PathFileName = "gp2path";

// The first field of the gp2path file.
Result<std::string> readGp2Path(const std::string& path = kGp2PathFileName);
// Stores dir as the one field of the gp2path file, crash-safe.
Status writeGp2Path(const std::string& dir, FileOps& ops = realFileOps(),
                    const std::string& path = kGp2PathFileName);
// A directory as stored: one trailing backslash removed, nothing else changed.
std::string withoutTrailingBackslash(std::string dir);

struct TracksetChoice {
    bool standard = false, trackPack = false, custom = false;
};

// Replaces the chosen tracksets' files with blank ones, in the order set1.dat,
// set2.dat, custom, set3.dat, each written whole before the next. Stops at the
// first failure; the files not yet reached are untouched.
Status initialiseDatafiles(const TracksetChoice& choice, FileOps& ops = realFileOps());

} // namespace velomark
