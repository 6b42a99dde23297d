#include "ui/reports/PrintWindow.h"

#include "laps/TextReports.h"
#include "platform/Messages.h"
#include "platform/PrintSink.h"
#include "platform/TextCodec.h"
#include "platform/Translated.h"

namespace velomark {

namespace {

PrintJob printJob(const PrintDocument& doc) {
    PrintJob job;
    job.name = fromFileText(doc.title);
    job.fontName = QString::fromLatin1(kPrintFontName);
    for (const PrintLine& line : doc.lines)
        job.lines.append({fromFileText(line.text), line.heading});
    return job;
}

} // namespace

PrintWindow::PrintWindow()
    : ReportWindow("frmprint", tr("Print Lap Times"), tr("Choose Trackset to print"), tr("Print")) {
}

void PrintWindow::run() {
    const TracksetChoice choice = ticked();
    if (nothingTicked(choice)) {
        showMessage(this, {shown(kNothingTickedTitle), shown(kNothingTickedText),
                           MessageButtons::Ok, MessageIcon::None});
        close();
        return;
    }
    // Everything is read before the question, so a missing custom file is
    // told at once; the tracksets read before another missing file still print.
    const ReportWords words = reportWords(fileTextIn);
    const ReportData data = loadReport(choice, realFileOps(), {}, words);
    if (data.stop && data.stop->atCustomFile) {
        showStop(*data.stop);
        close();
        return;
    }
    // Cancel prints nothing.
    const MessageAnswer ready =
        showMessage(this, {shown(kReadyToPrintTitle), shown(kReadyToPrintText),
                           MessageButtons::OkCancel, MessageIcon::None});
    if (ready != MessageAnswer::Ok) {
        close();
        return;
    }

    // A trackset without a reported circuit gives no document at all: an
    // empty page, or an empty PDF, tells the player nothing.
    std::vector<PrintDocument> documents = printDocuments(data, words);
    std::erase_if(documents, [](const PrintDocument& doc) { return doc.lines.empty(); });
    if (documents.empty() && !data.stop) {
        showMessage(this, {shown(kNothingTickedTitle), shown(kNoLapTimesToPrintText),
                           MessageButtons::Ok, MessageIcon::None});
        close();
        return;
    }

    QStringList pdfs;
    QString failure;
    for (const PrintDocument& doc : documents) {
        const PrintOutcome outcome = printSink().print(printJob(doc));
        if (!outcome.savedAs.isEmpty())
            pdfs << outcome.savedAs;
        if (!outcome.error.isEmpty()) {
            failure = outcome.error;
            break;
        }
    }
    if (!pdfs.isEmpty())
        showMessage(this, {QString(), savedAsPdfText(pdfs), MessageButtons::Ok, MessageIcon::None});
    if (!failure.isEmpty()) {
        // The window stays open, so printing can be tried again.
        showMessage(this,
                    {tr("Lap times not printed"), failure, MessageButtons::Ok, MessageIcon::Stop});
        return;
    }
    if (data.stop)
        showStop(*data.stop);
    close();
}

} // namespace velomark
