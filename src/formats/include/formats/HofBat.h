// hof.bat, the three-line batch file that runs hof2lap on the chosen hot lap,
// and flag, the file whose first item tells the import that hof2lap has ended.
#pragma once

#include "files/Result.h"

#include <string>
#include <string_view>

namespace velomark {

inline constexpr const char* kHofBatName = "hof.bat";
inline constexpr const char* kDumpName = "hoftemp";
inline constexpr const char* kFlagName = "flag";
// What the import writes into flag before it starts hof.bat.
inline constexpr std::string_view kFlagRunning = "0\r\n";

struct HofBat {
    std::string fil;   // the hot lap's path and the redirection: C:\GP2\gpsaves\AHOT.HL >hoftemp
    std::string cline; // the first line: C:\GP2\hof2lap C:\GP2\gpsaves\AHOT.HL >hoftemp
    std::string bytes; // cline, "echo 1 >flag" and "exit", each ended by CR LF
};

// The batch file for GP2 directory gp2p (no trailing backslash) and the file
// name fileName as the list shows it, both in the files' 8-bit text. A path
// that holds a blank or a character with a meaning of its own to cmd.exe is put in
// double quotes, so that no part of a name is ever run as a command; a name
// that even quotes cannot carry (a double quote, a percent sign, a control
// character, or a separator in the file name) is refused in plain words.
Result<HofBat> composeHofBat(std::string_view gp2p, std::string_view fileName);

enum class FlagState {
    Running,    // the first item is 0, or the file is empty while the batch rewrites it
    Finished,   // the first item is a number other than 0
    NotANumber, // the first item is text that is no number: the extraction has failed
    Unreadable, // the file is missing or cannot be read at this moment
};

// The state that flag's bytes announce, by the strict number rule (formats/NumberText.h).
FlagState flagState(std::string_view bytes);
FlagState readFlag(const std::string& path = kFlagName);

} // namespace velomark
