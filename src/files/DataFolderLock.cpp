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
    const Sentence named = dir == "."
                               ? Sentence(VM_TEXT("Files", "this data folder"))
                               : Sentence(VM_TEXT("Files", "the data folder %1"), {utf8Text(dir)});
    switch (sys::lockFolder(dir, m_file)) {
    case sys::LockState::Held:
        return success();
    case sys::LockState::Busy:
        return Error{
            ErrorKind::Busy,
            Sentence(VM_TEXT("Files", "Another copy of Velomark is already running on %1."),
                     {named})};
    case sys::LockState::CannotOpen:
        return Error{ErrorKind::Missing,
                     Sentence(VM_TEXT("Files", "Velomark cannot open %1: %2."),
                              {named, utf8Text(sys::reason(sys::lastError()))})};
    default:
        return Error{ErrorKind::WriteFailed,
                     Sentence(VM_TEXT("Files", "Velomark cannot lock %1: %2."),
                              {named, utf8Text(sys::reason(sys::lastError()))})};
    }
}

} // namespace velomark
