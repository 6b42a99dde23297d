// Starts the batch file with velobat through QProcess and reports its end
// once, asynchronously, whatever way it ended.
#include "ui/hotlap/BatchRunner.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

#ifndef Q_OS_WIN
#include <csignal>
#include <unistd.h>
#endif

namespace velomark {

namespace {

// The interpreter's messages are a line or two; a runaway one is cut here.
constexpr qsizetype kErrorLimit = 4096;

QString& interpreterDirectoryOverride() {
    static QString dir;
    return dir;
}

// The interpreter and every program it started (a hof2lap that hangs would
// otherwise run on after the import gave up): on POSIX its process group, on
// Windows velobat's job, which ends its programs as velobat goes.
void killBatch(QProcess* process) {
#ifndef Q_OS_WIN
    if (const qint64 pid = process->processId(); pid > 0)
        ::kill(-static_cast<pid_t>(pid), SIGKILL);
#endif
    process->kill();
}

} // namespace

BatchRunner::BatchRunner(QObject* parent) : QObject(parent) {
    m_timeout.setSingleShot(true);
    connect(&m_timeout, &QTimer::timeout, this, [this] {
        if (!m_process)
            return;
        m_timedOut = true;
        killBatch(m_process); // finished follows from the process
    });
}

BatchRunner::~BatchRunner() {
    stop();
}

void BatchRunner::setInterpreterDirectory(const QString& dir) {
    interpreterDirectoryOverride() = dir;
}

QString BatchRunner::interpreter() {
    const QString dir = interpreterDirectoryOverride().isEmpty()
                            ? QCoreApplication::applicationDirPath()
                            : interpreterDirectoryOverride();
#ifdef Q_OS_WIN
    return dir + QStringLiteral("/velobat.exe");
#else
    return dir + QStringLiteral("/velobat");
#endif
}

void BatchRunner::start(const QString& batchFile, int timeoutMs) {
    stop();
    m_timedOut = false;
    m_errors.clear();

    auto* process = new QProcess(this);
    m_process = process;
    process->setWorkingDirectory(QDir::currentPath());
    process->setStandardInputFile(QProcess::nullDevice());
    // An echo without a file would land here; nothing on it is of use.
    process->setStandardOutputFile(QProcess::nullDevice());
    // On Windows QProcess gives velobat no console window, so the player's
    // keys stay with the import window while hof2lap runs.
    const QStringList arguments{batchFile};
#ifndef Q_OS_WIN
    // A process group of its own, so that a stop reaches hof2lap as well.
    process->setChildProcessModifier([] { ::setpgid(0, 0); });
#endif
    connect(process, &QProcess::readyReadStandardError, this, &BatchRunner::collectErrors);
    connect(process, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        collectErrors();
        if (m_timedOut)
            report(BatchEnd::Kind::TimedOut, exitCode);
        else if (status == QProcess::CrashExit)
            report(BatchEnd::Kind::Crashed, exitCode);
        else
            report(BatchEnd::Kind::Ended, exitCode);
    });
    connect(process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart || !m_process)
            return;
        m_errors = m_process->errorString().toUtf8();
        report(BatchEnd::Kind::NotStarted, -1);
    });
    m_timeout.start(timeoutMs);
    process->start(interpreter(), arguments);
}

bool BatchRunner::isRunning() const {
    return m_process != nullptr;
}

void BatchRunner::stop() {
    ++m_run;
    m_timeout.stop();
    QProcess* process = m_process;
    m_process = nullptr;
    if (!process)
        return;
    process->disconnect(this);
    if (process->state() != QProcess::NotRunning) {
        killBatch(process);
        process->waitForFinished(2000);
    }
    process->deleteLater();
}

void BatchRunner::collectErrors() {
    if (!m_process)
        return;
    const QByteArray more = m_process->readAllStandardError();
    m_errors += more.left(std::max<qsizetype>(0, kErrorLimit - m_errors.size()));
}

// Delivered from the event loop, never from inside start: the caller sees the
// end of a batch only after start has returned, and a stop in between cancels it.
void BatchRunner::report(BatchEnd::Kind kind, int exitCode) {
    m_timeout.stop();
    QProcess* process = m_process;
    if (!process)
        return;
    process->disconnect(this);
    BatchEnd end{kind, exitCode, QDir::toNativeSeparators(interpreter()).toStdString(),
                 QString::fromUtf8(m_errors).trimmed().toStdString()};
    QMetaObject::invokeMethod(
        this,
        [this, process, run = m_run, end] {
            if (run != m_run)
                return; // stopped, or started again, meanwhile
            m_process = nullptr;
            process->deleteLater();
            emit finished(end);
        },
        Qt::QueuedConnection);
}

} // namespace velomark
