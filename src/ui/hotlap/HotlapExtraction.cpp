// The extraction's steps, driven by the interpreter's end and the event loop
// (never a busy wait).
#include "ui/hotlap/HotlapExtraction.h"

#include "files/FreshFiles.h"
#include "formats/HofBat.h"
#include "platform/Language.h"
#include "platform/StorableText.h"
#include "platform/TextCodec.h"
#include "platform/Translated.h"
#include "ui/hotlap/BatchRunner.h"

#include <QCoreApplication>
#include <QDir>

namespace velomark {

namespace {

// Writes one of the working files afresh, never through a link: a stale file
// or link of its name in any case of its letters goes first, and anything
// else standing there is named. Returns why it failed, or nothing.
std::optional<QString> writeWorkingFile(const char* name, std::string_view bytes) {
    Result<FreshFile> file = createFresh(name, 0666, true);
    Status written = file ? file.value().write(bytes) : Status(file.error());
    if (written)
        written = file.value().close();
    if (written)
        return std::nullopt;
    //: Why a hot lap could not be read, set after "The hot lap A1.hl could not be read: ";
    //: %1 is Velomark's data folder, %2 what is wrong with a working file in it.
    return QCoreApplication::translate("velomark::HotlapImportWindow", "in the data folder %1, %2")
        .arg(QDir::toNativeSeparators(QDir::currentPath()), messageText(written.error()));
}

// Only what an extraction leaves: a pipe or directory that stood in the way
// is somebody else's and stays.
void removeWorkingFiles() {
    for (const char* name : {kHofBatName, kDumpName, kFlagName})
        removeStale(name);
}

} // namespace

HotlapExtraction::HotlapExtraction(QObject* parent) : QObject(parent) {
    m_runner = new BatchRunner(this);
    connect(m_runner, &BatchRunner::finished, this, &HotlapExtraction::onBatchFinished);
}

HotlapExtraction::~HotlapExtraction() {
    abort();
}

void HotlapExtraction::start(const std::string& gp2p, const QString& fileName) {
    if (running())
        return;
    m_file = fileName;
    m_gp2p = gp2p;
    m_stage = Stage::Waiting;
    // Refused before anything is written or started.
    const std::optional<std::string> name = toFileText(fileName);
    if (!name)
        return finish(shown(nameNotCarried(firstUnstorable(fileName).toStdString())));
    const Result<HofBat> bat = composeHofBat(gp2p, *name);
    if (!bat)
        return finish(messageText(bat.error()));
    emit waiting();
    if (const std::optional<QString> why = writeWorkingFiles(bat->bytes))
        return finish(*why);
    m_runner->start(QString::fromLatin1(kHofBatName), kExtractionTimeoutMs);
}

// hoftemp too, empty, so that a pipe or directory in its way is named now.
std::optional<QString> HotlapExtraction::writeWorkingFiles(const std::string& batch) {
    std::optional<QString> why = writeWorkingFile(kDumpName, {});
    if (!why)
        why = writeWorkingFile(kFlagName, kFlagRunning);
    if (!why)
        why = writeWorkingFile(kHofBatName, batch);
    return why;
}

void HotlapExtraction::onBatchFinished(const BatchEnd& end) {
    if (m_stage != Stage::Waiting)
        return;
    const QString gp2Dir = QDir::toNativeSeparators(fromFileText(m_gp2p));
    if (const std::optional<Sentence> why = batchFailure(end, gp2Dir.toStdString()))
        return finish(shown(*why));
    if (const std::optional<Sentence> why = flagFailure(readFlag()))
        return finish(shown(*why));
    Result<std::string> dump = readDumpFile(kDumpName);
    if (!dump)
        return finish(messageText(dump.error()));
    if (!dumpComplete(*dump))
        return finish(shown(dumpCutShort()));
    m_reading.emplace(std::move(*dump));
    m_stage = Stage::Reading;
    readNextLine();
}

// One line per turn of the event loop, so the windows answer between lines.
void HotlapExtraction::readNextLine() {
    if (m_stage != Stage::Reading)
        return;
    if (!m_reading->readLine()) // the 19th line was read, or the dump ended before it
        return finish(QString());
    emit lineRead(m_reading->fields());
    QMetaObject::invokeMethod(this, &HotlapExtraction::readNextLine, Qt::QueuedConnection);
}

// The sentence that names the file and says why it was not read: the reason
// set after a colon, without its period (and in English without the capital
// of its first word, unless that is a name in capitals).
QString HotlapExtraction::notRead(const QString& why) const {
    const std::string reason = why.toStdString();
    const QString clause = QString::fromStdString(
        spokenLanguage() == QLatin1String("en") ? asClause(reason) : withoutClosingPeriod(reason));
    return QCoreApplication::translate("velomark::HotlapImportWindow",
                                       "The hot lap %1 could not be read: %2.")
        .arg(m_file, clause);
}

void HotlapExtraction::finish(const QString& why) {
    DumpFields fields = m_reading ? m_reading->fields() : DumpFields{};
    m_reading.reset();
    tchange(fields);
    removeWorkingFiles();
    m_stage = Stage::Idle;
    emit finished(fields, why.isEmpty() ? QString() : notRead(why));
}

// Closing the window in the middle of an extraction: the interpreter is
// stopped and the working files go, as at the end of any extraction.
void HotlapExtraction::abort() {
    if (m_stage == Stage::Idle)
        return;
    m_runner->stop();
    m_stage = Stage::Idle;
    m_reading.reset();
    removeWorkingFiles();
}

} // namespace velomark
