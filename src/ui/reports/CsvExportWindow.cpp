#include "ui/reports/CsvExportWindow.h"

#include "laps/CsvExport.h"
#include "platform/TextCodec.h"

#include <QLineEdit>

namespace velomark {

CsvExportWindow::CsvExportWindow()
    : ReportWindow("frmcsv", QStringLiteral("CSV file Export"),
                   QStringLiteral("Choose Trackset to export"), QStringLiteral("Export")) {
    csvfile = addField("csvfile", QStringLiteral("Filename"), QString::fromLatin1(kCsvFileName));
}

void CsvExportWindow::run() {
    const std::string target = diskName(csvfile->text());
    finishFileExport(exportCsvFile(target, ticked()));
}

} // namespace velomark
