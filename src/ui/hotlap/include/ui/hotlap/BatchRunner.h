// Runs a batch file (the import's hof.bat) in the working directory with our
// own interpreter, velobat, from the program's folder, on every system (never
// cmd.exe, so no text in a file name is run as a command). It is started
// directly through QProcess, never through a shell, and its end arrives as a
// signal, so the windows keep running while it works.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class QProcess;

namespace velomark {

struct BatchOutcome {
    enum class Kind {
        Ended,      // the interpreter ran to its end, with exitCode
        NotStarted, // the interpreter could not be started at all
        TimedOut,   // it did not end in time and was stopped
        Crashed,    // it died by a signal or was killed from outside
    };
    Kind kind = Kind::Ended;
    int exitCode = 0;
    QString interpreter; // the program that ran the batch file
    QString errors;      // what it wrote to its standard error, or why it did not start
};

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
    void finished(const velomark::BatchOutcome& outcome);

  private:
    void collectErrors();
    void report(BatchOutcome::Kind kind, int exitCode);

    QPointer<QProcess> m_process;
    QTimer m_timeout;
    quint64 m_run = 0; // counts stops, so that a report queued before one is dropped
    bool m_timedOut = false;
    QByteArray m_errors;
};

} // namespace velomark
