#include "history/CsvExportWindow.h"

#include "history/CsvExport.h"
#include "platform/Messages.h"

#include <QLineEdit>

namespace velomark {

CsvExportWindow::CsvExportWindow()
    : ReportWindow("frmcsv", QStringLiteral("CSV file Export"),
                   QStringLiteral("Choose Trackset to export"), QStringLiteral("Export")) {
    csvfile = addField("csvfile", QStringLiteral("Filename"), QString::fromLatin1(kCsvFileName));
}

void CsvExportWindow::run() {
    const std::string target = fileSystemName(csvfile->text());
    const ExportResult result = exportCsvFile(target, ticked());
    if (result.stop)
        showStop(*result.stop);
    if (result.writeError) {
        showWriteError(*result.writeError, target, csvfile->text());
        return;
    }
    if (!result.stop)
        beep();
    close();
}

} // namespace velomark
