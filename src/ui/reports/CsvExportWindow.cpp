#include "ui/reports/CsvExportWindow.h"

#include "laps/CsvExport.h"
#include "platform/TextCodec.h"

#include <QLineEdit>

namespace velomark {

CsvExportWindow::CsvExportWindow()
    : ReportWindow("frmcsv", tr("CSV file Export"), tr("Choose Trackset to export"), tr("Export")) {
    // not translated: the name of the file the export writes
    csvfile = addField("csvfile", tr("Filename"), QString::fromLatin1(kCsvFileName));
}

void CsvExportWindow::run() {
    const std::string target = diskName(csvfile->text());
    finishFileExport(exportCsvFile(target, ticked()));
}

} // namespace velomark
