// Line ends as a text file of ours may hold them: CR LF as Velomark writes
// them, LF alone as an editor on Linux saves them, or CR alone as an old Mac
// editor does. Every reader reads the three alike.
#pragma once

#include <string>
#include <string_view>

namespace velomark {

// The text with each lone CR (one that no LF follows) an LF, so that every
// line ends in an LF, alone or after a CR: text itself when it holds none,
// else a copy of it in storage. Every byte keeps its offset, so a line found
// here is found at the same place in text, and from its end back as well.
std::string_view withLoneCrsAsLineFeeds(std::string_view text, std::string& storage);

// Every line break in text (CR LF, CR or LF) as one LF: for the breaks a
// field holds, as a Custom circuit's caption between its name and country.
std::string withLineFeedBreaks(std::string_view text);

} // namespace velomark
