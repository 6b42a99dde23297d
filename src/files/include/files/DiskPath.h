// A UTF-8 path, as the file layer's calls take it, turned into what
// std::filesystem takes on every system (on Windows a plain std::string
// would be read in the ANSI code page), and back.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace velomark {

inline std::filesystem::path diskPath(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string utf8Path(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace velomark
