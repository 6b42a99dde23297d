#include "app/InstanceLock.h"

#include "platform/Messages.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace velomark {

InstanceLock::InstanceLock(QString lockPath) : m_lock(std::make_unique<QLockFile>(lockPath)) {
    // Never treat a live holder's lock as stale by its age; a dead holder's
    // lock is detected by its process id and removed by tryLock.
    m_lock->setStaleLockTime(0);
}

InstanceLock::~InstanceLock() = default;

bool InstanceLock::tryAcquire() {
    if (!m_held)
        m_held = m_lock->tryLock(0);
    return m_held;
}

QString InstanceLock::defaultPath() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir + QStringLiteral("/velomark.lock");
}

bool CheckPrevInstance(InstanceLock& lock) {
    if (lock.tryAcquire())
        return true;
    showMessage(nullptr, {applicationTitle(), QStringLiteral("I`m already running! "),
                          MessageButtons::Ok, MessageIcon::Stop, true});
    return false;
}

} // namespace velomark
