#include "files/DataFolderLock.h"

#include "files/SystemFiles.h"

namespace velomark {

DataFolderLock::~DataFolderLock() {
    release();
}

void DataFolderLock::release() {
    if (m_file != kNoFile)
        sys::close(m_file); // releases the lock
    m_file = kNoFile;
}

Status DataFolderLock::acquire(const std::string& dir) {
    if (held())
        return success();
    const std::string named = dir == "." ? "this data folder" : "the data folder " + dir;
    switch (sys::lockFolder(dir, m_file)) {
    case sys::LockState::Held:
        return success();
    case sys::LockState::Busy:
        return Error{ErrorKind::Busy,
                     "Another copy of Velomark is already running on " + named + "."};
    case sys::LockState::CannotOpen:
        return Error{ErrorKind::Missing,
                     "Velomark cannot open " + named + ": " + sys::reason(sys::lastError()) + "."};
    default:
        return Error{ErrorKind::WriteFailed,
                     "Velomark cannot lock " + named + ": " + sys::reason(sys::lastError()) + "."};
    }
}

} // namespace velomark
