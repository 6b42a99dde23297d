// The CSV export window frmcsv: the ticked tracksets into one CSV file for a
// spreadsheet.
#pragma once

#include "ui/reports/ReportWindow.h"

namespace velomark {

class CsvExportWindow : public ReportWindow {
    Q_OBJECT
  public:
    CsvExportWindow();
    void run() override;

  private:
    QLineEdit* csvfile = nullptr;
};

} // namespace velomark
