#include "formats/HotlapFiles.h"

#include "files/DiskPath.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace velomark {

namespace {

char folded(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalFolded(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return folded(x) == folded(y); });
}

bool matchFrom(std::string_view pattern, size_t p, std::string_view name, size_t n) {
    while (p < pattern.size()) {
        const char c = pattern[p];
        if (c == '*') {
            while (p < pattern.size() && pattern[p] == '*')
                ++p;
            if (p == pattern.size())
                return true;
            for (size_t from = n; from <= name.size(); ++from) {
                if (matchFrom(pattern, p, name, from))
                    return true;
            }
            return false;
        }
        if (c == '?') {
            if (n < name.size() && matchFrom(pattern, p + 1, name, n + 1))
                return true;
            if (n < name.size() && name[n] != '.')
                return false;
            ++p; // DOS: '?' matches nothing at the end of a name or before its period
            continue;
        }
        if (n >= name.size() || folded(name[n]) != folded(c))
            return false;
        ++p;
        ++n;
    }
    return n == name.size();
}

#ifndef _WIN32
// The entry of dir whose name equals part without regard to case; the first in
// byte order when there are several, so the choice never depends on the disk.
std::string caseInsensitiveEntry(const std::string& dir, const std::string& part) {
    std::string best;
    std::error_code ec;
    for (fs::directory_iterator it(dir.empty() ? "." : dir, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (equalFolded(name, part) && (best.empty() || name < best))
            best = name;
    }
    return best.empty() ? part : best;
}
#endif

} // namespace

std::string hotlapPattern(Trackset set, int circuitNumber) {
    if (circuitNumber < 1 || circuitNumber > 16)
        return std::string();
    if (set == Trackset::Custom)
        return "*.hl?";
    return std::string(1, static_cast<char>(64 + circuitNumber)) + "*.hl";
}

bool matchesDosPattern(std::string_view pattern, std::string_view name) {
    return matchFrom(pattern, 0, name, 0);
}

std::string savesDirectory(std::string_view gp2p) {
    return std::string(gp2p) + "\\gpsaves";
}

std::string absoluteSavesDirectory(std::string_view gp2p) {
    if (gp2p.empty())
        return savesDirectory(gp2p);
    std::error_code ec;
#ifdef _WIN32
    const fs::path absolute = fs::absolute(diskPath(gp2p), ec);
    return savesDirectory(ec ? std::string(gp2p) : utf8Path(absolute));
#else
    std::string dir(gp2p);
    std::replace(dir.begin(), dir.end(), '\\', '/');
    if (dir.front() == '/')
        return savesDirectory(gp2p);
    const fs::path here = fs::current_path(ec);
    if (ec)
        return savesDirectory(gp2p);
    // The working folder as the system names it, then each part of dir but "." and "".
    std::string absolute = here.string();
    size_t start = 0;
    while (start <= dir.size()) {
        const size_t slash = std::min(dir.find('/', start), dir.size());
        const std::string part = dir.substr(start, slash - start);
        if (!part.empty() && part != ".")
            absolute += (absolute.ends_with('/') ? "" : "/") + part;
        start = slash + 1;
    }
    return savesDirectory(absolute);
#endif
}

std::string nativePath(std::string_view dosPath) {
    std::string path(dosPath);
#ifdef _WIN32
    std::replace(path.begin(), path.end(), '/', '\\'); // a GP2 directory typed with '/'
    return path;
#else
    std::replace(path.begin(), path.end(), '\\', '/');
    std::error_code ec;
    if (path.empty() || fs::exists(path, ec))
        return path;
    std::string resolved;
    size_t start = 0;
    while (start <= path.size()) {
        const size_t slash = std::min(path.find('/', start), path.size());
        const std::string part = path.substr(start, slash - start);
        if (!part.empty() && part != "." && part != "..") {
            const std::string exact = resolved + part;
            if (!fs::exists(exact, ec))
                resolved += caseInsensitiveEntry(resolved, part);
            else
                resolved = exact;
        } else {
            resolved += part;
        }
        if (slash < path.size())
            resolved += '/';
        start = slash + 1;
    }
    return resolved;
#endif
}

Result<std::vector<std::string>> listHotlapFiles(std::string_view dosDirectory,
                                                 std::string_view pattern) {
    const std::string dir = nativePath(dosDirectory);
    std::error_code ec;
    if (!fs::is_directory(diskPath(dir), ec))
        return Error{ErrorKind::Missing,
                     Sentence(VM_TEXT("HotLaps", "The folder %1 does not exist."), {utf8Text(dir)}),
                     dir};
    std::vector<std::string> names;
    for (fs::directory_iterator it(diskPath(dir), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        const std::string name = utf8Path(it->path().filename());
        if (it->is_regular_file(typeError) && matchesDosPattern(pattern, name))
            names.push_back(name);
    }
    if (ec)
        return Error{ErrorKind::Missing,
                     Sentence(VM_TEXT("HotLaps", "The folder %1 cannot be read."), {utf8Text(dir)}),
                     dir};
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const bool less =
            std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                         [](char x, char y) { return folded(x) < folded(y); });
        return less || (equalFolded(a, b) && a < b);
    });
    return names;
}

} // namespace velomark
