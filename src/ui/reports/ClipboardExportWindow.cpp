#include "ui/reports/ClipboardExportWindow.h"

#include "laps/TextReports.h"
#include "platform/Messages.h"
#include "platform/TextCodec.h"
#include "platform/Translated.h"

#include <QClipboard>
#include <QGuiApplication>

namespace velomark {

ClipboardExportWindow::ClipboardExportWindow()
    : ReportWindow("frmclip", tr("Clipboard Export"), tr("Choose Trackset to export"), tr("Copy")) {
}

void ClipboardExportWindow::run() {
    const ReportWords words = reportWords(fileTextIn);
    const ReportData data = loadReport(ticked(), realFileOps(), {}, words);
    // The text is built whole and set once, so no other program's change to
    // the clipboard ends up inside the report. What was there before is gone
    // in every case, and the tracksets read before a missing file stay.
    const std::string text = clipboardText(data, words);
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (text.empty())
        clipboard->clear();
    else
        clipboard->setText(fromFileText(text));
    if (data.stop)
        showStop(*data.stop);
    else
        beep();
    close();
}

} // namespace velomark
