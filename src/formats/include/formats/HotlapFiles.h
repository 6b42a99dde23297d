// The hot-lap files the import lists (the pattern of a circuit, DOS wildcard
// matching, the saves folder's matching files) and the paths in DOS form
// (gp2p + "\gpsaves") turned into native ones where the file system is touched.
#pragma once

#include "files/Result.h"
#include "formats/Circuits.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velomark {

// Circuit K (1 to 16) of the Standard or TrackPack set: the letter 64 + K, then
// "*.hl" ("A*.hl" ... "P*.hl"); every Custom circuit: "*.hl?". An empty
// pattern, matching nothing, for a number outside 1 to 16.
std::string hotlapPattern(Trackset set, int circuitNumber);

// DOS wildcards, letters compared without regard to case: '*' any run of
// characters, '?' any one character or, at the end of the name or before a
// period, none ("*.hl?" matches X.HLP and X.HL).
bool matchesDosPattern(std::string_view pattern, std::string_view name);

// gp2p followed by "\gpsaves", as the import builds it.
std::string savesDirectory(std::string_view gp2p);
// The same, gp2p (a disk name in DOS form) first made absolute against the
// working folder, which is the data folder: what the watch and the Hot laps
// window read, however the working folder changes afterwards.
std::string absoluteSavesDirectory(std::string_view gp2p);

// A DOS-form path as the file system takes it, every separator the system's
// own: on Windows each '/' becomes a backslash; elsewhere every backslash
// becomes '/', and when the path does not exist as written, each
// missing part is looked up without regard to case (GP2's folders copied from
// a DOS disk are often called GPSAVES); parts that are not found stay as written.
std::string nativePath(std::string_view dosPath);

// The names of the regular files in the DOS-form directory that match pattern,
// sorted as the list shows them: without regard to case. A missing or
// unreadable directory is an error naming the folder looked in.
Result<std::vector<std::string>> listHotlapFiles(std::string_view dosDirectory,
                                                 std::string_view pattern);

} // namespace velomark
