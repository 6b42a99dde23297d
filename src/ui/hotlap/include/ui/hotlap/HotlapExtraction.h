// One extraction of a hot lap: hof.bat written beside the data files and run
// by the interpreter, its flag and the dump read once it has ended, and the
// dump's lines read into the fields one per turn of the event loop, so that
// the windows answer while it works. It ends once, with the fields or with
// why there are none, unless it is aborted; the working files go either way.
#pragma once

#include "formats/DumpScanner.h"
#include "laps/Extraction.h"

#include <QObject>
#include <QString>

#include <optional>
#include <string>

namespace velomark {

class BatchRunner;

class HotlapExtraction : public QObject {
    Q_OBJECT
  public:
    explicit HotlapExtraction(QObject* parent = nullptr);
    ~HotlapExtraction() override; // aborts one still running

    // Reads fileName, as the list shows it, in the saves folder of the GP2
    // directory gp2p (as stored); ignored while one runs. A name or directory
    // that hof.bat cannot carry ends it before anything is written, and
    // finished comes before start returns.
    void start(const std::string& gp2p, const QString& fileName);
    bool running() const { return m_stage != Stage::Idle; }
    // The file of the running or last extraction.
    const QString& fileName() const { return m_file; }
    // Stops the interpreter and removes the working files; finished does not follow.
    void abort();

  signals:
    // hof.bat is written and about to run: the wait begins.
    void waiting();
    // One more line of the dump has been read into fields.
    void lineRead(const velomark::DumpFields& fields);
    // The fields, converted by tchange, when failure is empty; else one
    // sentence naming the file and why it could not be read.
    void finished(const velomark::DumpFields& fields, const QString& failure);

  private:
    enum class Stage { Idle, Waiting, Reading };

    std::optional<QString> writeWorkingFiles(const std::string& batch);
    void onBatchFinished(const BatchEnd& end);
    void readNextLine();
    void finish(const QString& why);
    QString notRead(const QString& why) const;

    BatchRunner* m_runner = nullptr;
    Stage m_stage = Stage::Idle;
    QString m_file;
    std::string m_gp2p;                   // the GP2 directory, as stored
    std::optional<DumpReading> m_reading; // the dump, once hof2lap has written it
};

} // namespace velomark
