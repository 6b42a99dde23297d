// GP2's saves folder as a whole: every hot lap that the import would list for
// any circuit, each read in-process by hof2lap's reader and taken through the
// import's own reading of its dump (scan, session mapping, tchange).
#pragma once

#include "files/Result.h"
#include "formats/DumpScanner.h"
#include "formats/HotlapFile.h"
#include "formats/LapRecordFile.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velomark {

// What a Custom circuit's import lists: every hot lap of every circuit.
inline constexpr std::string_view kEveryHotlapPattern = "*.hl?";

struct SavesFolder {
    std::vector<std::string> names; // the regular files, as the import lists them
    int notFiles = 0; // entries of such a name that are no file to read (pipe, folder, dead link)
};

// The saves folder (DOS form, gp2p + "\gpsaves") listed with kEveryHotlapPattern.
Result<SavesFolder> listSavesFolder(std::string_view dosDirectory);

// name in the native directory nativeDir.
std::string pathIn(const std::string& nativeDir, const std::string& name);

// The time and size a file has now; both 0 when it cannot be looked at.
struct FileStamp {
    std::int64_t modified = 0; // seconds since 1970
    std::uint64_t size = 0;
    bool operator==(const FileStamp&) const = default;
};
FileStamp fileStamp(const std::string& path);

enum class HotlapState {
    Timed,      // a session Velomark keeps, with a lap time
    NoTimes,    // a plain hot lap, or GP2Lap records that give no lap time
    NotKept,    // a warm-up or another session the import does not insert
    Unreadable, // not a hot lap, cut short, too large, not a file...
};

// One hot lap, read. Texts are the files' 8-bit bytes.
struct HotlapReading {
    std::string name; // as the file system spells it
    FileStamp stamp;
    HotlapState state = HotlapState::Unreadable;
    // Timed: "Practice", "Qualifying" or "Race"; otherwise what the player is
    // told instead ("times not in this file", why it cannot be read...).
    Sentence session;
    RecordSession slot = RecordSession::Race; // Timed only
    int circuit = 0;                          // 1 to 16 from the file's track number; 0 for none
    // GP2Lap's track record says the lap was driven on a track file of the
    // track editor, loaded into slot `circuit`; trackName is its own name.
    bool customTrack = false;
    std::string trackName;    // "" when it is not, or the file names none
    DumpFields fields;        // lap and splits as the import makes them
    hotlap::HotlapLap record; // all hof2lap's reader made of it (no extension when unreadable)
};

// Reads name in the native directory nativeDir. Never throws, never waits on
// a pipe, never reads more than a hot lap can hold.
HotlapReading readHotlapAt(const std::string& nativeDir, const std::string& name);

} // namespace velomark
