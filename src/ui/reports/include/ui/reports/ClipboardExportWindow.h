// The clipboard export frmclip: the ticked tracksets' report as plain text on
// the system clipboard.
#pragma once

#include "ui/reports/ReportWindow.h"

namespace velomark {

class ClipboardExportWindow : public ReportWindow {
    Q_OBJECT
  public:
    ClipboardExportWindow();
    void run() override;
};

} // namespace velomark
