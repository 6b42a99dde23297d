// One Velomark at a time: a lock file in the user's runtime directory, and a
// lock on the data folder itself, so that no two copies ever save into one
// folder whatever their environment (another login, sudo, a different
// runtime directory). A lock left behind by a process that no longer runs is
// taken over; the folder lock dies with its process.
#pragma once

#include "files/DataFolderLock.h"

#include <QString>

#include <memory>

class QLockFile;

namespace velomark {

class InstanceLock {
  public:
    explicit InstanceLock(QString lockPath = defaultPath(), std::string dataFolder = ".");
    ~InstanceLock();

    // True when this process now holds both locks.
    bool tryAcquire();
    bool held() const { return m_held; }

    static QString defaultPath();

  private:
    std::unique_ptr<QLockFile> m_lock;
    std::string m_dataFolder;
    DataFolderLock m_folder;
    bool m_held = false;
};

// Takes the lock; when another instance holds it, says so and returns false,
// and the caller ends the program without showing a window.
bool CheckPrevInstance(InstanceLock& lock);

} // namespace velomark
