// Files created afresh for writing, never through a link, and the removal of
// what an earlier run can have left in their place.
#pragma once

#include "files/FileOps.h"
#include "files/Result.h"

#include <string>
#include <string_view>

namespace velomark {

// A file created afresh for writing, closed when it goes.
class FreshFile {
  public:
    FreshFile() = default;
    explicit FreshFile(NativeFile file) : m_file(file) {}
    ~FreshFile();
    FreshFile(FreshFile&& other) noexcept : m_file(other.m_file) { other.m_file = kNoFile; }
    FreshFile& operator=(FreshFile&& other) noexcept;
    FreshFile(const FreshFile&) = delete;
    FreshFile& operator=(const FreshFile&) = delete;

    // The descriptor or handle, for a program whose output goes into the file.
    NativeFile native() const { return m_file; }
    // Each step reports a failure as a reason only, as writeScratch does.
    Status write(std::string_view bytes);
    Status setMode(int mode); // see ReplaceTarget
    Status sync();
    Status close(); // reports what the close itself says

  private:
    NativeFile m_file = kNoFile;
};

// Removes what an earlier run can have left at path: a regular file or a
// link (removing a link leaves its target alone), with anyCase also under the
// same name in other letters. Anything else there (a directory, pipe or
// device) is refused before anything is removed. Messages are a reason only.
Status removeStale(const std::string& path, bool anyCase = false);

// Creates path afresh, never through a link, so the bytes written land nowhere
// but there. A regular file or a link standing there (with anyCase, under the
// same name in other letters too: HOFTEMP, HofTemp) is removed first by
// removeStale, for it can only be a scratch or working file left behind, or a
// link put in its place; a directory, pipe or device is somebody else's and is
// left alone and refused. A new file gets mode less the umask (Windows has no
// such bits: it gets the folder's rights). Messages are a reason only.
Result<FreshFile> createFresh(const std::string& path, int mode = 0666, bool anyCase = false);

} // namespace velomark
