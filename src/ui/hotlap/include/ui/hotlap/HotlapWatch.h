// Watches GP2's saves folder while Velomark runs: the file system tells of
// every hot lap that lands or changes (no polling), and each is read once it
// has been quiet for a moment, and read again while its size still changes,
// so a file GP2 is still writing is never taken for a whole one.
//
// The watch follows the folder's path, not the folder: one renamed away,
// taken away, replaced or made unreadable is looked for again (at once, as
// the folder or its parent tells of it, then every kLookAgainMs while it is
// missing), and the folder then found there is watched. While the folder is
// there and its parent is heard, no timer runs. Hearing, listing and reading happen on a thread of
// the watch's own; the window thread only gets the laps read and the folder's coming and going, so
// a change costs it what changed, whatever the folder holds.
#pragma once

#include "laps/HotlapFolder.h"
#include "ui/hotlap/FolderEvents.h"

#include <QObject>
#include <QThread>

#include <string>
#include <vector>

namespace velomark {

class SavesWatcher;

class HotlapWatch : public QObject {
    Q_OBJECT
  public:
    // How long a hot lap must rest before it is read.
    static constexpr int kQuietMs = 300;
    // How often a saves folder that is missing or cannot be read is looked
    // for (and the path of one watched whose parent cannot be heard is
    // checked to lead to it still).
    static constexpr int kLookAgainMs = 2000;

    explicit HotlapWatch(QObject* parent = nullptr);
    ~HotlapWatch() override;

    // What the watches made from now on hear the folder through: the
    // system's own source, or Qt's watcher (which other systems use) to try
    // it where the system's own is another.
    static void useEventSource(FolderEventSource source) { s_source = source; }

    // Watches gp2p's saves folder (gp2p as gp2path holds it, the files' 8-bit
    // text; a relative one is taken from the working folder now); the hot laps
    // already there are not news. "" stops watching; the same gp2p again
    // only looks at the folder's path once more.
    void watch(const std::string& gp2p);
    // The native saves folder watched, absolute, or "" when none is.
    const std::string& folder() const { return m_folder; }
    // Whether the folder is there, can be read and is heard.
    bool watching() const { return m_watching; }

  signals:
    // A hot lap in folder() that landed or changed, read whole.
    void lapRead(const velomark::HotlapReading& lap);
    // The folder was found, went missing, could no longer be read, or
    // another folder came in its place; foundAgain when a folder is watched
    // again after one was lost or replaced (what it holds may all be other).
    void folderChanged(bool foundAgain);

  private:
    friend class SavesWatcher;
    void onFolder(unsigned generation, bool watching, const std::string& dir, bool foundAgain);
    void onReadings(unsigned generation, const std::string& dir,
                    const std::vector<HotlapReading>& readings);

    static inline FolderEventSource s_source = FolderEventSource::Native;

    std::string m_gp2p;
    std::string m_folder;
    bool m_watching = false;
    unsigned m_generation = 0; // of the watch() whose news may arrive
    QThread m_thread;
    SavesWatcher* m_worker = nullptr; // lives on m_thread
};

} // namespace velomark
