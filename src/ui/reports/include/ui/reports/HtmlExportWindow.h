// The HTML export frmweb: the ticked tracksets as one web page, under a title
// of the player's choice.
#pragma once

#include "ui/reports/ReportWindow.h"

namespace velomark {

class HtmlExportWindow : public ReportWindow {
    Q_OBJECT
  public:
    HtmlExportWindow();
    void run() override;

  private:
    QLineEdit* hfile = nullptr;
    QLineEdit* htitle = nullptr;
};

} // namespace velomark
