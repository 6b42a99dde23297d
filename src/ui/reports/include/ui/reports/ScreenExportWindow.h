// The screen export frmscrn: the ticked tracksets' report in the view window.
#pragma once

#include "ui/reports/ReportWindow.h"

namespace velomark {

class ScreenExportWindow : public ReportWindow {
    Q_OBJECT
  public:
    ScreenExportWindow();
    void run() override;
};

} // namespace velomark
