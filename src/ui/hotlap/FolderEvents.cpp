#include "ui/hotlap/FolderEvents.h"

#include "files/FileOps.h"
#include "platform/TextCodec.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <unordered_set>

#ifdef __linux__
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>

#include <sys/inotify.h>
#include <unistd.h>
#endif

namespace velomark {

namespace {

#ifdef __linux__

// One inotify instance: a watch on the folder, which names every file that
// came, was written, changed or went, and one on its parent for the folder's
// own name. Nothing per file, so a folder of any size costs two watches.
class InotifyEvents final : public FolderEvents {
  public:
    static constexpr uint32_t kFolderMask =
        IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_MODIFY | IN_CLOSE_WRITE |
        IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR | IN_EXCL_UNLINK;
    static constexpr uint32_t kParentMask = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO |
                                            IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;

    InotifyEvents(int fd, FolderEventSink& sink, QObject* owner)
        : m_fd(fd), m_sink(sink),
          m_notifier(new QSocketNotifier(fd, QSocketNotifier::Read, owner)) {
        QObject::connect(m_notifier, &QSocketNotifier::activated, owner, [this] { readEvents(); });
    }
    // Before the owner, whose member this is, deletes its children.
    ~InotifyEvents() override {
        delete m_notifier;
        ::close(m_fd);
    }

    bool watchFolder(const std::string& dir, std::string& reason) override {
        unwatchFolder();
        m_folder = ::inotify_add_watch(m_fd, dir.c_str(), kFolderMask);
        if (m_folder < 0)
            reason = std::strerror(errno);
        return m_folder >= 0;
    }
    void unwatchFolder() override {
        if (m_folder >= 0)
            ::inotify_rm_watch(m_fd, m_folder);
        m_folder = -1;
    }
    bool hearing() const override { return m_folder >= 0; }
    bool watchParent(const std::string& parent, const std::string& name) override {
        unwatchParent();
        m_name = name;
        m_parent = ::inotify_add_watch(m_fd, parent.c_str(), kParentMask);
        return m_parent >= 0;
    }
    void unwatchParent() override {
        if (m_parent >= 0)
            ::inotify_rm_watch(m_fd, m_parent);
        m_parent = -1;
    }

  private:
    void readEvents() {
        alignas(inotify_event) char buffer[64 * 1024];
        for (;;) {
            const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return; // EAGAIN: every event is taken
            for (const char* at = buffer; at < buffer + n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                at += sizeof(inotify_event) + event->len;
                take(*event);
            }
        }
    }

    void take(const inotify_event& e) {
        if (e.mask & IN_Q_OVERFLOW) { // events were lost: look at everything
            m_sink.namesUnknown();
            m_sink.pathChanged();
            return;
        }
        const std::string name = e.len > 0 ? std::string(e.name) : std::string();
        constexpr uint32_t kSelfGone = IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT | IN_IGNORED;
        if (e.wd == m_folder) {
            if (e.mask & (IN_DELETE_SELF | IN_UNMOUNT | IN_IGNORED))
                m_folder = -1; // the kernel ends the watch itself
            if (e.mask & kSelfGone || (name.empty() && e.mask & IN_ATTRIB))
                m_sink.pathChanged();
            else if (name.empty())
                return;
            else if (e.mask & (IN_DELETE | IN_MOVED_FROM))
                m_sink.nameGone(name);
            else if (e.mask & (IN_CREATE | IN_MOVED_TO | IN_MODIFY | IN_CLOSE_WRITE))
                m_sink.nameChanged(name, true);
            else if (e.mask & IN_ATTRIB)
                m_sink.nameChanged(name, false);
        } else if (e.wd == m_parent) {
            if (e.mask & (IN_DELETE_SELF | IN_UNMOUNT | IN_IGNORED))
                m_parent = -1;
            if (e.mask & kSelfGone || equalIgnoringCase(name, m_name))
                m_sink.pathChanged();
        }
    }

    int m_fd;
    FolderEventSink& m_sink;
    QSocketNotifier* m_notifier;
    int m_folder = -1, m_parent = -1;
    std::string m_name;
};

#endif

// Qt's watcher: a folder watch that says only that the folder changed, and a
// watch for each file so that one being written is heard.
class QtWatcherEvents final : public FolderEvents {
  public:
    QtWatcherEvents(FolderEventSink& sink, QObject* owner)
        : m_sink(sink), m_watcher(new QFileSystemWatcher(owner)) {
        QObject::connect(m_watcher, &QFileSystemWatcher::directoryChanged, owner,
                         [this](const QString& path) {
                             if (path == m_dir)
                                 m_sink.namesUnknown();
                             else if (path == m_parent)
                                 m_sink.pathChanged();
                         });
        QObject::connect(m_watcher, &QFileSystemWatcher::fileChanged, owner,
                         [this](const QString& path) { fileChanged(path); });
    }
    ~QtWatcherEvents() override { delete m_watcher; }

    bool watchFolder(const std::string& dir, std::string& reason) override {
        unwatchFolder();
        m_dir = fromDiskName(dir);
        if (m_watcher->addPath(m_dir))
            return true;
        m_dir.clear();
        reason = "it cannot be watched";
        return false;
    }
    void unwatchFolder() override {
        QStringList paths = m_watcher->files();
        if (!m_dir.isEmpty())
            paths << m_dir;
        if (!paths.isEmpty())
            m_watcher->removePaths(paths);
        m_dir.clear();
        m_files.clear();
    }
    bool hearing() const override {
        return !m_dir.isEmpty() && m_watcher->directories().contains(m_dir);
    }
    bool watchParent(const std::string& parent, const std::string& name) override {
        unwatchParent();
        m_parent = fromDiskName(parent);
        m_name = name;
        if (m_watcher->addPath(m_parent))
            return true;
        m_parent.clear();
        return false;
    }
    void unwatchParent() override {
        if (!m_parent.isEmpty())
            m_watcher->removePath(m_parent);
        m_parent.clear();
    }
    void watchFiles(const std::vector<std::string>& names) override {
        if (m_dir.isEmpty())
            return;
        QStringList added;
        for (const std::string& name : names)
            if (m_files.insert(name).second)
                added << m_dir + QLatin1Char('/') + fromDiskName(name);
        if (!added.isEmpty())
            m_watcher->addPaths(added);
    }

  private:
    void fileChanged(const QString& path) {
        const std::string name = diskName(QFileInfo(path).fileName());
        if (!m_files.contains(name))
            return;
        if (!QFileInfo::exists(path)) { // its watch has gone with it
            m_files.erase(name);
            m_sink.nameGone(name);
            return;
        }
        m_watcher->addPath(path); // again, when a file put in its place took its watch away
        m_sink.nameChanged(name, true);
    }

    FolderEventSink& m_sink;
    QFileSystemWatcher* m_watcher;
    QString m_dir, m_parent;
    std::string m_name;
    std::unordered_set<std::string> m_files; // the names with a watch of their own
};

} // namespace

std::unique_ptr<FolderEvents> makeFolderEvents(FolderEventSource source, FolderEventSink& sink,
                                               QObject* owner) {
#ifdef __linux__
    if (source == FolderEventSource::Native) {
        const int fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (fd >= 0)
            return std::make_unique<InotifyEvents>(fd, sink, owner);
    }
#endif
    (void)source;
    return std::make_unique<QtWatcherEvents>(sink, owner);
}

} // namespace velomark
