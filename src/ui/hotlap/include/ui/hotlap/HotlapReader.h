// Reads hot laps of one folder on a thread of its own, so that the windows
// go on answering while a few hundred files are read; the readings come back
// on the window thread.
#pragma once

#include "laps/HotlapFolder.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace velomark {

class HotlapReader : public QObject {
    Q_OBJECT
  public:
    // How one file is read: readHotlapAt, or a test's stand-in for it.
    using ReadOne =
        std::function<HotlapReading(const std::string& nativeDir, const std::string& name)>;

    explicit HotlapReader(QObject* parent = nullptr, ReadOne readOne = readHotlapAt);
    ~HotlapReader() override; // a read still running is stopped and waited for

    // Reads names in the native folder nativeDir; a read still running is
    // stopped first, and its readings never arrive.
    void start(const std::string& nativeDir, std::vector<std::string> names);
    bool running() const { return m_running; }
    // Stops a read still running; its readings never arrive.
    void cancel();

  signals:
    void progress(int done, int total);
    void finished(const std::vector<velomark::HotlapReading>& readings);

  private:
    ReadOne m_readOne;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    unsigned m_generation = 0; // of the read whose readings may still arrive
    bool m_running = false;
};

} // namespace velomark
