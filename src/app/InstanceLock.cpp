#include "app/InstanceLock.h"

#include "platform/Messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace velomark {

namespace {

// Takes over a lock file that no live process holds. Qt judges one by the
// process id written in it, which Windows hands out again: a later Velomark
// (under Wine every first one) can carry a killed holder's id, and the lock
// then looked held for good. There a held lock file stays open and nobody may
// delete it, so one that can be deleted is stale, whatever id it names.
bool takeOverUnheld(QLockFile& lock) {
#ifdef Q_OS_WIN
    return lock.error() == QLockFile::LockFailedError && lock.removeStaleLockFile() &&
           lock.tryLock(0);
#else
    (void)lock;
    return false;
#endif
}

} // namespace

InstanceLock::InstanceLock(QString lockPath, std::string dataFolder)
    : m_lock(std::make_unique<QLockFile>(lockPath)), m_dataFolder(std::move(dataFolder)) {
    // Never treat a live holder's lock as stale by its age; a dead holder's
    // lock is detected by its process id and removed by tryLock, or on
    // Windows by takeOverUnheld.
    m_lock->setStaleLockTime(0);
}

InstanceLock::~InstanceLock() = default;

bool InstanceLock::tryAcquire() {
    if (m_held)
        return true;
    // The folder first, so that whoever finds the lock file finds the folder
    // held too. Only another copy holding the folder keeps this one out; a
    // folder that cannot be locked at all (an odd file system) does not stop
    // the start.
    const Status folder = m_folder.acquire(m_dataFolder);
    if (!folder && folder.error().kind == ErrorKind::Busy)
        return false;
    if (!m_lock->tryLock(0) && !takeOverUnheld(*m_lock)) {
        m_folder.release();
        return false;
    }
    m_held = true;
    return true;
}

QString InstanceLock::defaultPath() {
#ifdef Q_OS_WIN
    // There the runtime location is the home folder; the user's own temporary
    // folder is where such a lock belongs. Its name is not the data folder's
    // lock's, so that Velomark still starts with that folder as its data folder.
    return QDir::tempPath() + QStringLiteral("/velomark-user.lock");
#else
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir + QStringLiteral("/velomark.lock");
#endif
}

bool CheckPrevInstance(InstanceLock& lock) {
    if (lock.tryAcquire())
        return true;
    showMessage(nullptr,
                {applicationTitle(),
                 QCoreApplication::translate("velomark::InstanceLock", "I`m already running! "),
                 MessageButtons::Ok, MessageIcon::Stop, true});
    return false;
}

} // namespace velomark
