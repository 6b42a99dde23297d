// The text file export frmtxt: the ticked tracksets into one plain text file.
#pragma once

#include "ui/reports/ReportWindow.h"

namespace velomark {

class TextExportWindow : public ReportWindow {
    Q_OBJECT
  public:
    TextExportWindow();
    void run() override;

  private:
    QLineEdit* hfile = nullptr;
};

} // namespace velomark
