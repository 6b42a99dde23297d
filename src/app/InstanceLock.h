// One Velomark per user: a lock file in the user's runtime directory. A lock
// left behind by a process that no longer runs is taken over.
#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace velomark {

class InstanceLock {
  public:
    explicit InstanceLock(QString lockPath = defaultPath());
    ~InstanceLock();

    // True when this process now holds the lock.
    bool tryAcquire();
    bool held() const { return m_held; }

    static QString defaultPath();

  private:
    std::unique_ptr<QLockFile> m_lock;
    bool m_held = false;
};

// Takes the lock; when another instance holds it, says so and returns false,
// and the caller ends the program without showing a window.
bool CheckPrevInstance(InstanceLock& lock);

} // namespace velomark
