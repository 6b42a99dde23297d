#include "ui/reports/TextExportWindow.h"

#include "laps/TextReports.h"
#include "platform/TextCodec.h"
#include "platform/Translated.h"

#include <QLineEdit>

namespace velomark {

TextExportWindow::TextExportWindow()
    : ReportWindow("frmtxt", tr("Text file Export"), tr("Choose Trackset to export"),
                   tr("Export")) {
    // not translated: the name of the file the export writes
    hfile = addField("hfile", tr("Filename"), QString::fromLatin1(kTextFileName));
}

void TextExportWindow::run() {
    const std::string target = diskName(hfile->text());
    finishFileExport(exportTextFile(target, ticked(), realFileOps(), {}, reportWords(fileTextIn)));
}

} // namespace velomark
