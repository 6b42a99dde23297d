// Runs a batch file (the import's hof.bat) in the working directory with our
// own interpreter, velobat, from the program's folder, on every system (never
// cmd.exe, so no text in a file name is run as a command). It is started
// directly through QProcess, never through a shell, and its end arrives as a
// signal, so the windows keep running while it works.
#pragma once

#include "laps/Extraction.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class QProcess;

namespace velomark {

class BatchRunner : public QObject {
    Q_OBJECT
  public:
    explicit BatchRunner(QObject* parent = nullptr);
    ~BatchRunner() override; // stops a batch that still runs

    // Where velobat is looked for instead of the program's own folder; tests
    // and benchmarks, which run from other folders, point it at the build's
    // bin folder. An empty text goes back to the program's folder.
    static void setInterpreterDirectory(const QString& dir);
    // The interpreter that start uses on this system.
    static QString interpreter();

    // Starts batchFile (a bare name in the working directory); finished
    // follows exactly once, at the latest timeoutMs later.
    void start(const QString& batchFile, int timeoutMs);
    bool isRunning() const;
    // Kills a running batch and waits briefly for it; finished does not follow.
    void stop();

  signals:
    void finished(const velomark::BatchEnd& end);

  private:
    void collectErrors();
    void report(BatchEnd::Kind kind, int exitCode);

    QPointer<QProcess> m_process;
    QTimer m_timeout;
    quint64 m_run = 0; // counts stops, so that a report queued before one is dropped
    bool m_timedOut = false;
    QByteArray m_errors;
};

} // namespace velomark
