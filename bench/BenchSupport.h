// What the window timings share: a message sink that answers every message
// and says it was not expected, writing a file, and the line of numbers.
#pragma once

#include "formats/LapRecordFile.h"
#include "platform/Messages.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace velomark::bench {

class NoMessages : public MessageSink {
  public:
    MessageAnswer show(QWidget*, const Message& m) override {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(m.text));
        failed = true;
        return MessageAnswer::Ok;
    }
    void beep() override { beeped = true; }
    bool failed = false;
    bool beeped = false;
};

// Before the QApplication: windows on the offscreen platform, whose warning
// on every window shown would drown the numbers, so Qt's messages are dropped.
inline void quietOffscreen() {
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

// A data folder of its own, made the current folder for the run and removed after it.
struct ScratchFolder {
    ScratchFolder() { QDir::setCurrent(dir.path()); }
    QTemporaryDir dir;
};

// A lap record file whose every circuit holds the same record line.
inline std::string sameOnEveryCircuit(const std::string& line) {
    std::string bytes;
    for (int i = 0; i < kCircuitsPerSet; ++i)
        bytes += line;
    return bytes;
}

inline bool writeFile(const QString& name, const std::string& bytes) {
    QFile f(name);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           f.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
               static_cast<qint64>(bytes.size());
}

// The median and the 90th percentile of the rounds' milliseconds.
inline void report(const char* what, std::vector<double> ms, int width = 28) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-*s median %.3f ms   p90 %.3f ms   (%zu rounds)\n", width, what,
                ms[ms.size() / 2], ms[ms.size() * 9 / 10], ms.size());
}

} // namespace velomark::bench
