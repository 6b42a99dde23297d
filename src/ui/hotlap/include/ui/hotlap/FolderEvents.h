// What the file system tells of one folder and of its name in its parent,
// for the watch on GP2's saves folder. Two sources: Linux's inotify, which
// names each file that came, changed or went (so a change costs what
// changed), and Qt's QFileSystemWatcher elsewhere, which says only that
// something in the folder changed and hears a file being written through a
// watch of the file's own. Both run on the thread that makes them, and tell
// that thread only: nothing here waits or looks at more than it is told.
#pragma once

#include <memory>
#include <string>
#include <vector>

class QObject;

namespace velomark {

class FolderEventSink {
  public:
    virtual ~FolderEventSink() = default;
    // name came, or was written to or replaced (content), or only its
    // attributes or times changed (!content).
    virtual void nameChanged(const std::string& name, bool content) = 0;
    virtual void nameGone(const std::string& name) = 0;
    // Something in the folder changed and the source cannot say what: every
    // name is to be looked at.
    virtual void namesUnknown() = 0;
    // The folder itself, or what stands at its name in the parent, may have
    // gone, come, been replaced or had its rights changed.
    virtual void pathChanged() = 0;
};

class FolderEvents {
  public:
    virtual ~FolderEvents() = default;

    // Hears the native folder dir from now on, in place of any folder heard
    // before; false, with the system's reason, when it cannot be heard.
    virtual bool watchFolder(const std::string& dir, std::string& reason) = 0;
    virtual void unwatchFolder() = 0;
    // Whether the folder watched is heard still: a folder deleted takes its
    // watch with it, even when another made at once gets its inode number.
    virtual bool hearing() const = 0;
    // Hears the native folder parent for what happens to the entry called
    // name there (in any case); false when it cannot be heard.
    virtual bool watchParent(const std::string& parent, const std::string& name) = 0;
    virtual void unwatchParent() = 0;
    // The files of the folder heard (names in it): a source that hears a
    // file written to only through a watch of the file's own watches them.
    virtual void watchFiles(const std::vector<std::string>& names) { (void)names; }
};

enum class FolderEventSource {
    Native,   // inotify on Linux, Qt's watcher elsewhere
    QtWatcher // Qt's watcher everywhere (to try it where inotify is the native one)
};

// A source telling sink, its objects children of owner (which lives on the
// calling thread).
std::unique_ptr<FolderEvents> makeFolderEvents(FolderEventSource source, FolderEventSink& sink,
                                               QObject* owner);

} // namespace velomark
