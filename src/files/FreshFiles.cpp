// Files created afresh, never through a link, and the removal of what an
// earlier run left in their place.
#include "files/FreshFiles.h"

#include "FileWords.h"
#include "files/DiskPath.h"
#include "files/SystemFiles.h"

#include <system_error>
#include <utility>
#include <vector>

namespace velomark {

namespace {

// The names in path's folder that stand for path: its own, and with anyCase
// every name that differs from it in the case of its letters only.
std::vector<std::string> namesFor(const std::string& path, bool anyCase) {
    const std::string dir = directoryOf(path);
    const std::string name = baseName(path);
    std::vector<std::string> names{name};
    if (!anyCase)
        return names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(diskPath(dir.empty() ? "." : dir), ec), end;
         !ec && it != end; it.increment(ec)) {
        const std::string other = utf8Path(it->path().filename());
        if (other != name && equalIgnoringCase(other, name))
            names.push_back(other);
    }
    return names;
}

} // namespace

Status removeStale(const std::string& path, bool anyCase) {
    const std::string dir = directoryOf(path);
    const std::string name = baseName(path);
    std::vector<std::string> stale;
    for (const std::string& found : namesFor(path, anyCase)) {
        sys::Facts facts;
        if (!sys::examine(dir + found, facts)) {
            if (sys::isMissing(sys::lastError()))
                continue;
            return Error{ErrorKind::WriteFailed,
                         Sentence(VM_TEXT("Files", "%1 cannot be examined: %2"),
                                  {utf8Text(found), systemReason()})};
        }
        if (facts.kind != sys::Kind::Regular && facts.kind != sys::Kind::Link)
            return Error{
                ErrorKind::NotRegular,
                found == name
                    ? Sentence(VM_TEXT("Files", "%1 stands at %2; it was left alone"),
                               {kindOf(facts.kind), utf8Text(found)})
                    : Sentence(VM_TEXT("Files", "%1 stands at %2, which is %3 in other letters; "
                                                "it was left alone"),
                               {kindOf(facts.kind), utf8Text(found), utf8Text(name)})};
        stale.push_back(found);
    }
    for (const std::string& found : stale) {
        if (!sys::removeEntry(dir + found) && !sys::isMissing(sys::lastError()))
            return Error{ErrorKind::WriteFailed,
                         Sentence(VM_TEXT("Files", "the old %1 cannot be removed: %2"),
                                  {utf8Text(found), systemReason()})};
    }
    return success();
}

FreshFile::~FreshFile() {
    if (m_file != kNoFile)
        sys::close(m_file);
}

FreshFile& FreshFile::operator=(FreshFile&& other) noexcept {
    if (this != &other) {
        if (m_file != kNoFile)
            sys::close(m_file);
        m_file = std::exchange(other.m_file, kNoFile);
    }
    return *this;
}

Status FreshFile::write(std::string_view bytes) {
    return failed(sys::writeAll(m_file, bytes));
}

Status FreshFile::setMode(int mode) {
    return failed(sys::setKept(m_file, mode));
}

Status FreshFile::sync() {
    return failed(sys::flush(m_file));
}

Status FreshFile::close() {
    const NativeFile file = std::exchange(m_file, kNoFile);
    return failed(file == kNoFile || sys::close(file));
}

Result<FreshFile> createFresh(const std::string& path, int mode, bool anyCase) {
    if (Status cleared = removeStale(path, anyCase); !cleared)
        return cleared.error();
    // Exclusive and never through a link: a link put there since the stale
    // names were removed is neither followed nor replaced.
    const NativeFile file = sys::createNew(path, mode);
    if (file == kNoFile)
        return Error{ErrorKind::WriteFailed, Sentence(VM_TEXT("Files", "%1 cannot be created: %2"),
                                                      {utf8Text(baseName(path)), systemReason()})};
    return FreshFile(file);
}

} // namespace velomark
