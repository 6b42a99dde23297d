// The 8-bit character set of the data files (Windows-1252, as GP2 players'
// Western systems write them). Every byte decodes to one character and back,
// so a file read and written again keeps its bytes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velomark {

char32_t decodeCp1252(unsigned char byte);
// The byte for a character, or nothing when the set cannot hold it.
std::optional<char> encodeCp1252(char32_t c);

// The first character of text that the set cannot hold, or nothing.
std::optional<char32_t> firstUnstorable(std::u32string_view text);

std::u32string decodeCp1252(std::string_view bytes);
std::optional<std::string> encodeCp1252(std::u32string_view text);

// The files' bytes as UTF-8, for files of ours that other programs read.
std::string cp1252ToUtf8(std::string_view bytes);

} // namespace velomark
