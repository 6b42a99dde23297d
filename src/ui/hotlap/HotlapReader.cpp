#include "ui/hotlap/HotlapReader.h"

#include <QMetaObject>

#include <utility>

namespace velomark {

HotlapReader::HotlapReader(QObject* parent, ReadOne readOne)
    : QObject(parent), m_readOne(std::move(readOne)) {}

HotlapReader::~HotlapReader() {
    cancel();
}

void HotlapReader::cancel() {
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    m_stop = false;
    m_running = false;
    ++m_generation;
}

void HotlapReader::start(const std::string& nativeDir, std::vector<std::string> names) {
    cancel();
    m_running = true;
    const unsigned generation = m_generation;
    m_thread = std::thread([this, nativeDir, names = std::move(names), generation] {
        std::vector<HotlapReading> readings;
        readings.reserve(names.size());
        const int total = static_cast<int>(names.size());
        for (const std::string& name : names) {
            if (m_stop)
                return;
            readings.push_back(m_readOne(nativeDir, name));
            const int done = static_cast<int>(readings.size());
            // Runs on the window thread; dropped if this reader has gone by then.
            QMetaObject::invokeMethod(
                this,
                [this, generation, done, total] {
                    if (generation == m_generation)
                        emit progress(done, total);
                },
                Qt::QueuedConnection);
        }
        QMetaObject::invokeMethod(
            this,
            [this, generation, readings = std::move(readings)] {
                if (generation != m_generation)
                    return;
                if (m_thread.joinable())
                    m_thread.join(); // it has nothing left to do
                m_running = false;
                emit finished(readings);
            },
            Qt::QueuedConnection);
    });
}

} // namespace velomark
