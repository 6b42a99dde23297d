#include "reports/TextExportWindow.h"

#include "platform/Messages.h"
#include "reports/TextReports.h"

#include <QLineEdit>

namespace velomark {

TextExportWindow::TextExportWindow()
    : ReportWindow("frmtxt", QStringLiteral("Text file Export"),
                   QStringLiteral("Choose Trackset to export"), QStringLiteral("Export")) {
    hfile = addField("hfile", QStringLiteral("Filename"), QString::fromLatin1(kTextFileName));
}

void TextExportWindow::run() {
    const std::string target = fileSystemName(hfile->text());
    const ExportResult result = exportTextFile(target, ticked());
    if (result.stop)
        showStop(*result.stop);
    if (result.writeError) {
        showWriteError(*result.writeError, target, hfile->text());
        return;
    }
    // A stopped export is no success: the message said so, and no beep follows it.
    if (!result.stop)
        beep();
    close();
}

} // namespace velomark
