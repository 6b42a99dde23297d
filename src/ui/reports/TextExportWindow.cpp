#include "ui/reports/TextExportWindow.h"

#include "laps/TextReports.h"
#include "platform/TextCodec.h"
#include "platform/Translated.h"

#include <QLineEdit>

namespace velomark {

TextExportWindow::TextExportWindow()
    : ReportWindow("frmtxt", QStringLiteral("Text file Export"),
                   QStringLiteral("Choose Trackset to export"), QStringLiteral("Export")) {
    hfile = addField("hfile", QStringLiteral("Filename"), QString::fromLatin1(kTextFileName));
}

void TextExportWindow::run() {
    const std::string target = diskName(hfile->text());
    finishFileExport(exportTextFile(target, ticked(), realFileOps(), {}, reportWords(fileTextIn)));
}

} // namespace velomark
