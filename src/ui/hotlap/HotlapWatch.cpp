#include "ui/hotlap/HotlapWatch.h"

#include "files/DiskPath.h"
#include "files/FileOps.h"
#include "formats/HotlapFiles.h"
#include "platform/TextCodec.h"

#include <QMetaObject>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <limits>
#include <list>
#include <optional>
#include <system_error>
#include <unordered_map>
#include <utility>

namespace fs = std::filesystem;

namespace velomark {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::int64_t kNever = std::numeric_limits<std::int64_t>::max();

std::int64_t secondsSince1970() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

bool isRegularFile(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(diskPath(path), ec);
}

bool opens(const std::string& dir) {
    std::error_code ec;
    const fs::directory_iterator it(diskPath(dir), ec);
    return !ec;
}

// The last part of a DOS-form or native path: "gpsaves".
std::string lastPart(const std::string& path) {
    const size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

} // namespace

// The watch's work, on the watch's thread: hearing the folder, looking for
// it, listing it and reading the hot laps that landed. Everything it knows
// is its own; the window thread hears from it through queued calls only.
class SavesWatcher final : public QObject, public FolderEventSink {
  public:
    SavesWatcher(HotlapWatch* watch, FolderEventSource source) : m_watch(watch), m_source(source) {
        m_quiet = new QTimer(this);
        m_quiet->setSingleShot(true);
        connect(m_quiet, &QTimer::timeout, this, [this] { readDue(); });
        m_look = new QTimer(this);
        m_look->setInterval(HotlapWatch::kLookAgainMs);
        connect(m_look, &QTimer::timeout, this, [this] { m_watching ? confirm() : look(); });
        m_lookSoon = new QTimer(this);
        m_lookSoon->setSingleShot(true);
        m_lookSoon->setInterval(0);
        connect(m_lookSoon, &QTimer::timeout, this, [this] { recheck(); });
    }

    // Watches the saves folder dos (DOS form, absolute) for generation.
    void start(const std::string& dos, unsigned generation) {
        stop();
        if (!m_events)
            m_events = makeFolderEvents(m_source, *this, this);
        m_dos = dos;
        m_name = lastPart(dos);
        m_generation = generation;
        m_active = true;
        m_since = kNever; // what the folder holds when first found is no news
        look();
    }

    void stop() {
        m_active = m_watching = false;
        if (m_events) {
            m_events->unwatchFolder();
            m_events->unwatchParent();
        }
        m_parentWatched = false;
        m_parent.clear();
        m_parentId.reset();
        m_id.reset();
        m_dir.clear();
        m_known.clear();
        m_order.clear();
        m_pending.clear();
        m_quiet->stop();
        m_look->stop();
        m_lookSoon->stop();
        m_findings = m_reportedFindings = 0;
        m_reported = false;
    }

    void nameChanged(const std::string& name, bool content) override {
        if (m_watching && matchesDosPattern(kEveryHotlapPattern, name))
            pend(name, content);
    }

    void nameGone(const std::string& name) override {
        m_known.erase(name);
        if (const auto it = m_pending.find(name); it != m_pending.end()) {
            m_order.erase(it->second);
            m_pending.erase(it);
        }
    }

    // Every name listed and set against what was known: the folder's size,
    // never its square, and only when the source cannot name what changed.
    void namesUnknown() override {
        if (!m_watching)
            return;
        const Result<std::vector<std::string>> names = listHotlapFiles(m_dos, kEveryHotlapPattern);
        if (!names) {
            m_lookSoon->start();
            return;
        }
        std::unordered_map<std::string, FileStamp> known;
        known.reserve(names->size());
        for (const std::string& name : *names) {
            const FileStamp stamp = fileStamp(pathIn(m_dir, name));
            const auto was = m_known.find(name);
            if (was == m_known.end() || was->second != stamp)
                pend(name, true);
            known.emplace(name, stamp);
        }
        m_known = std::move(known);
        m_events->watchFiles(*names);
    }

    void pathChanged() override {
        if (m_active)
            m_lookSoon->start(); // once for all that the source tells at once
    }

  private:
    struct Due {
        std::string name;
        Clock::time_point at; // when it was last heard of
        bool content = false; // written to or replaced, not only its attributes changed
    };

    // Looks for the folder at its path and watches what is there.
    void look() {
        if (!m_active)
            return;
        const std::string dir = nativePath(m_dos);
        watchParentOf(dir);
        const std::optional<FileIdentity> id = fileIdentity(dir);
        std::string reason;
        if (!id || !m_events->watchFolder(dir, reason)) {
            notThere(dir);
            return;
        }
        const Result<std::vector<std::string>> names = listHotlapFiles(m_dos, kEveryHotlapPattern);
        if (!names || fileIdentity(dir) != id) { // unreadable, or replaced meanwhile
            m_events->unwatchFolder();
            notThere(dir);
            return;
        }
        m_dir = dir;
        m_id = id;
        // Come back, or another in its place: what was written since it was
        // last seen, and is not known as it is, is news.
        std::unordered_map<std::string, FileStamp> known;
        known.reserve(names->size());
        for (const std::string& name : *names) {
            const FileStamp stamp = fileStamp(pathIn(dir, name));
            const auto was = m_known.find(name);
            if ((was == m_known.end() || was->second != stamp) && stamp.modified >= m_since)
                pend(name, true);
            known.emplace(name, stamp);
        }
        m_known = std::move(known);
        m_events->watchFiles(*names);
        m_watching = true;
        ++m_findings;
        m_since = secondsSince1970();
        timeLooks();
        report();
    }

    void notThere(const std::string& dir) {
        m_watching = false;
        m_dir = dir;
        m_id.reset();
        m_order.clear();
        m_pending.clear();
        m_quiet->stop();
        if (m_since == kNever)
            m_since = secondsSince1970(); // missing at the start: what lands later is news
        m_look->start();
        report();
    }

    // Something at the folder's path or in its parent changed.
    void recheck() {
        if (!m_active)
            return;
        if (!m_watching) {
            look();
            return;
        }
        const std::string dir = nativePath(m_dos);
        if (m_events->hearing() && dir == m_dir && fileIdentity(dir) == m_id && opens(dir)) {
            watchParentOf(dir); // the parent may have been replaced under it
            m_since = secondsSince1970();
            timeLooks();
            return;
        }
        m_watching = false;
        m_events->unwatchFolder();
        look();
    }

    // Every kLookAgainMs while watching a folder whose parent cannot be
    // heard: three looks at the path, no more.
    void confirm() {
        const std::string dir = nativePath(m_dos);
        if (!m_events->hearing() || dir != m_dir || fileIdentity(dir) != m_id) {
            recheck();
            return;
        }
        watchParentOf(dir);
        m_since = secondsSince1970();
        timeLooks();
    }

    // A folder watched with its parent is heard, not looked at: no timer
    // runs. One missing, or whose parent cannot be heard, is looked at now and then.
    void timeLooks() {
        if (m_watching && m_parentWatched)
            m_look->stop();
        else if (!m_look->isActive())
            m_look->start();
    }

    // The parent tells at once when the folder is renamed, taken away or made.
    void watchParentOf(const std::string& dir) {
        const fs::path native = diskPath(dir);
        const std::string parent = utf8Path(native.parent_path());
        const std::optional<FileIdentity> id = fileIdentity(parent);
        if (m_parentWatched && parent == m_parent && id == m_parentId)
            return;
        m_parent = parent;
        m_parentId = id;
        m_parentWatched = id && m_events->watchParent(parent, m_name);
        if (!m_parentWatched)
            m_events->unwatchParent();
    }

    void pend(const std::string& name, bool content) {
        if (const auto it = m_pending.find(name); it != m_pending.end()) {
            content = content || it->second->content;
            m_order.erase(it->second);
            m_pending.erase(it);
        }
        m_order.push_back({name, Clock::now(), content});
        m_pending.emplace(name, std::prev(m_order.end()));
        if (!m_quiet->isActive())
            m_quiet->start(HotlapWatch::kQuietMs);
    }

    // Reads each hot lap that has been quiet for kQuietMs.
    void readDue() {
        if (!m_watching)
            return;
        const auto quiet = std::chrono::milliseconds(HotlapWatch::kQuietMs);
        const Clock::time_point now = Clock::now();
        std::vector<Due> due;
        while (!m_order.empty() && m_order.front().at + quiet <= now) {
            m_pending.erase(m_order.front().name);
            due.push_back(std::move(m_order.front()));
            m_order.pop_front();
        }
        std::vector<HotlapReading> readings;
        for (const Due& d : due)
            if (std::optional<HotlapReading> lap = readWhole(d))
                readings.push_back(std::move(*lap));
        if (!readings.empty())
            QMetaObject::invokeMethod(
                m_watch,
                [w = m_watch, g = m_generation, dir = m_dir, r = std::move(readings)] {
                    w->onReadings(g, dir, r);
                },
                Qt::QueuedConnection);
        if (!m_order.empty()) {
            const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(
                m_order.front().at + quiet - Clock::now());
            m_quiet->start(
                static_cast<int>(std::max<std::chrono::milliseconds::rep>(0, wait.count() + 1)));
        }
    }

    // The hot lap d names, read; nothing when it went, is no file to read (a
    // pipe, a folder), only had its rights or such changed, or was written to
    // while it was read (then it is read once more, when quiet).
    std::optional<HotlapReading> readWhole(const Due& d) {
        const std::string path = pathIn(m_dir, d.name);
        const FileStamp stamp = fileStamp(path);
        if (stamp == FileStamp{} || !isRegularFile(path)) {
            m_known.erase(d.name);
            return std::nullopt;
        }
        const auto was = m_known.find(d.name);
        if (!d.content && was != m_known.end() && was->second == stamp)
            return std::nullopt;
        HotlapReading lap = readHotlapAt(m_dir, d.name);
        const FileStamp after = fileStamp(path);
        if (after == FileStamp{}) {
            m_known.erase(d.name);
            return std::nullopt;
        }
        m_known[d.name] = after;
        if (after != lap.stamp) {
            pend(d.name, true);
            return std::nullopt;
        }
        return lap;
    }

    // Tells the window thread when the folder was found, lost, or replaced;
    // found again when a folder was found before (the same one come back, or
    // another in its place, even one given the same inode number).
    void report() {
        if (m_reported && m_reportedWatching == m_watching && m_reportedId == m_id &&
            m_reportedDir == m_dir && m_reportedFindings == m_findings)
            return;
        const bool again = m_watching && m_reportedFindings > 0 && m_findings != m_reportedFindings;
        m_reported = true;
        m_reportedWatching = m_watching;
        m_reportedId = m_id;
        m_reportedDir = m_dir;
        m_reportedFindings = m_findings;
        QMetaObject::invokeMethod(
            m_watch,
            [w = m_watch, g = m_generation, watching = m_watching, dir = m_dir, again] {
                w->onFolder(g, watching, dir, again);
            },
            Qt::QueuedConnection);
    }

    HotlapWatch* const m_watch; // only ever called through its own thread's events
    const FolderEventSource m_source;
    std::unique_ptr<FolderEvents> m_events; // made on this thread

    std::string m_dos;  // the saves folder, DOS form, absolute
    std::string m_name; // its last part, as its parent names it: "gpsaves"
    unsigned m_generation = 0;
    bool m_active = false;   // started, not stopped
    bool m_watching = false; // the folder is there, heard and listed
    std::string m_dir;       // native: the folder watched, or the path looked at
    std::optional<FileIdentity> m_id;
    std::string m_parent;
    std::optional<FileIdentity> m_parentId;
    bool m_parentWatched = false;
    // Seconds since 1970: in a folder found again, files written since are news.
    std::int64_t m_since = kNever;

    std::unordered_map<std::string, FileStamp> m_known; // every hot lap, as last seen
    std::list<Due> m_order;                             // to be read, the longest quiet first
    std::unordered_map<std::string, std::list<Due>::iterator> m_pending;

    unsigned m_findings = 0; // folders found at the path since start()

    bool m_reported = false, m_reportedWatching = false;
    unsigned m_reportedFindings = 0;
    std::optional<FileIdentity> m_reportedId;
    std::string m_reportedDir;

    QTimer* m_quiet = nullptr;    // the next read, when the longest-waiting lap is quiet
    QTimer* m_look = nullptr;     // kLookAgainMs: look for it, or confirm its path
    QTimer* m_lookSoon = nullptr; // the source told of the path: look once it has told all
};

HotlapWatch::HotlapWatch(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("hotlapwatch"));
    m_worker = new SavesWatcher(this, s_source);
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.setObjectName(QStringLiteral("hotlapwatch"));
    m_thread.start();
}

HotlapWatch::~HotlapWatch() {
    m_thread.quit();
    m_thread.wait(); // the worker is deleted on its thread as it ends
}

void HotlapWatch::watch(const std::string& gp2p) {
    SavesWatcher* worker = m_worker;
    if (gp2p == m_gp2p) { // a look at its path, should a folder above it have been renamed
        QMetaObject::invokeMethod(
            worker, [worker] { worker->pathChanged(); }, Qt::QueuedConnection);
        return;
    }
    m_gp2p = gp2p;
    ++m_generation;
    m_watching = false;
    if (gp2p.empty()) {
        m_folder.clear();
        QMetaObject::invokeMethod(
            worker, [worker] { worker->stop(); }, Qt::QueuedConnection);
    } else {
        const std::string dos = absoluteSavesDirectory(diskName(fromFileText(gp2p)));
        m_folder = nativePath(dos);
        QMetaObject::invokeMethod(
            worker, [worker, dos, g = m_generation] { worker->start(dos, g); },
            Qt::QueuedConnection);
    }
    emit folderChanged(false);
}

void HotlapWatch::onFolder(unsigned generation, bool watching, const std::string& dir,
                           bool foundAgain) {
    if (generation != m_generation)
        return; // news of a folder no longer watched
    m_folder = dir;
    m_watching = watching;
    emit folderChanged(foundAgain);
}

void HotlapWatch::onReadings(unsigned generation, const std::string& dir,
                             const std::vector<HotlapReading>& readings) {
    if (generation != m_generation)
        return;
    m_folder = dir;
    for (const HotlapReading& lap : readings)
        emit lapRead(lap);
}

} // namespace velomark
