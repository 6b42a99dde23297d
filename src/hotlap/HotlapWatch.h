// Watches GP2's saves folder while Velomark runs: the file system tells of
// every hot lap that lands or changes (no polling), and each is read once it
// has been quiet for a moment, and read again while its size still changes,
// so a file GP2 is still writing is never taken for a whole one.
#pragma once

#include "hotlap/HotlapFolder.h"

#include <QObject>
#include <QTimer>

#include <map>
#include <set>
#include <string>

class QFileSystemWatcher;

namespace velomark {

class HotlapReader;

class HotlapWatch : public QObject {
    Q_OBJECT
  public:
    // How long a hot lap must rest before it is read.
    static constexpr int kQuietMs = 300;

    explicit HotlapWatch(QObject* parent = nullptr);

    // Watches gp2p's saves folder (gp2p as gp2path holds it, the files' 8-bit
    // text); the hot laps already there are not news. "" stops watching; the
    // folder already watched goes on being watched.
    void watch(const std::string& gp2p);
    // The native saves folder being watched, or "".
    const std::string& folder() const { return m_dir; }

  signals:
    // A hot lap that landed or changed, read whole.
    void lapRead(const velomark::HotlapReading& lap);

  private:
    void onFolderChanged();
    void onFileChanged(const QString& path);
    void readPending();
    void onRead(const std::vector<HotlapReading>& readings);
    void watchFiles(const std::vector<std::string>& names);

    std::string m_gp2p;
    std::string m_dos; // the saves folder as the import names it (gp2p + "\gpsaves")
    std::string m_dir; // and as the file system does
    std::map<std::string, FileStamp> m_known; // every hot lap, as last seen
    std::set<std::string> m_pending;          // to be read once all is quiet
    QFileSystemWatcher* m_watcher = nullptr;
    HotlapReader* m_reader = nullptr;
    QTimer m_quiet;
};

} // namespace velomark
