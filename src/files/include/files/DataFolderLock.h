// The lock that keeps a second running copy of Velomark out of the data folder.
#pragma once

#include "files/FileOps.h"
#include "files/Result.h"

#include <string>

namespace velomark {

// An exclusive lock on a data folder for as long as this object lives (or the
// process does): a second copy of the program asking for it is told Busy.
// Nothing of it outlives the process, so a crash leaves nothing behind that
// could block a start: on Linux it is a lock on the folder itself; Windows
// locks no folder, so there it is a lock on the hidden file kFolderLockName
// in the folder, which the system deletes when its last handle closes.
class DataFolderLock {
  public:
    DataFolderLock() = default;
    ~DataFolderLock();
    DataFolderLock(const DataFolderLock&) = delete;
    DataFolderLock& operator=(const DataFolderLock&) = delete;

    Status acquire(const std::string& dir = ".");
    void release();
    bool held() const { return m_file != kNoFile; }

  private:
    NativeFile m_file = kNoFile;
};

inline constexpr const char* kFolderLockName = "velomark.lock";

} // namespace velomark
