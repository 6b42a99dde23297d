#include "hotlap/HotlapWatch.h"

#include "hotlap/HotlapFiles.h"
#include "hotlap/HotlapReader.h"
#include "platform/TextCodec.h"

#include <QFileInfo>
#include <QFileSystemWatcher>

namespace velomark {

HotlapWatch::HotlapWatch(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("hotlapwatch"));
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(kQuietMs);
    connect(&m_quiet, &QTimer::timeout, this, &HotlapWatch::readPending);
    m_reader = new HotlapReader(this);
    connect(m_reader, &HotlapReader::finished, this, &HotlapWatch::onRead);
}

void HotlapWatch::watch(const std::string& gp2p) {
    if (gp2p == m_gp2p && !m_dir.empty())
        return;
    m_gp2p = gp2p;
    delete m_watcher;
    m_watcher = nullptr;
    m_reader->cancel();
    m_quiet.stop();
    m_dir.clear();
    m_known.clear();
    m_pending.clear();
    if (gp2p.empty())
        return;
    m_dos = savesDirectory(diskName(fromFileText(gp2p)));
    const Result<SavesFolder> folder = listSavesFolder(m_dos);
    if (!folder)
        return; // no saves folder yet: looked for again at the next call
    m_dir = nativePath(m_dos);
    m_watcher = new QFileSystemWatcher(this);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &HotlapWatch::onFolderChanged);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &HotlapWatch::onFileChanged);
    m_watcher->addPath(fromDiskName(m_dir));
    for (const std::string& name : folder->names)
        m_known[name] = fileStamp(pathIn(m_dir, name));
    watchFiles(folder->names);
}

// A name came, went or was replaced. A folder watch does not hear a file
// being written, so each hot lap is watched on its own as well.
void HotlapWatch::onFolderChanged() {
    const Result<SavesFolder> folder = listSavesFolder(m_dos);
    if (!folder) {
        m_dir.clear(); // the folder has gone, and its watch with it: looked for at the next call
        return;
    }
    std::map<std::string, FileStamp> now;
    for (const std::string& name : folder->names) {
        const FileStamp stamp = fileStamp(pathIn(m_dir, name));
        const auto was = m_known.find(name);
        if (was == m_known.end() || was->second != stamp)
            m_pending.insert(name);
        now[name] = stamp;
    }
    m_known = std::move(now);
    watchFiles(folder->names);
    if (!m_pending.empty())
        m_quiet.start();
}

void HotlapWatch::onFileChanged(const QString& path) {
    const std::string name = diskName(QFileInfo(path).fileName());
    if (!m_known.contains(name))
        return;
    m_pending.insert(name);
    m_quiet.start(); // again: the file is read once GP2 has stopped writing it
}

void HotlapWatch::watchFiles(const std::vector<std::string>& names) {
    const QStringList watched = m_watcher->files();
    QStringList added;
    for (const std::string& name : names) {
        const QString path = fromDiskName(pathIn(m_dir, name));
        if (!watched.contains(path))
            added << path;
    }
    if (!added.isEmpty())
        m_watcher->addPaths(added);
}

void HotlapWatch::readPending() {
    if (m_reader->running()) {
        m_quiet.start(); // after this read
        return;
    }
    m_reader->start(m_dir, {m_pending.begin(), m_pending.end()});
    m_pending.clear();
}

void HotlapWatch::onRead(const std::vector<HotlapReading>& readings) {
    for (const HotlapReading& lap : readings) {
        const FileStamp now = fileStamp(pathIn(m_dir, lap.name));
        if (!m_known.contains(lap.name) || now == FileStamp{}) {
            m_known.erase(lap.name); // gone meanwhile
            continue;
        }
        m_known[lap.name] = now;
        if (now != lap.stamp) { // written to while it was read: once more, when quiet
            m_pending.insert(lap.name);
            continue;
        }
        emit lapRead(lap);
    }
    if (!m_pending.empty())
        m_quiet.start();
}

} // namespace velomark
