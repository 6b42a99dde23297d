// The printed report frmprint: one print document per ticked trackset.
#pragma once

#include "ui/reports/ReportWindow.h"

namespace velomark {

class PrintWindow : public ReportWindow {
    Q_OBJECT
  public:
    PrintWindow();
    void run() override;
};

} // namespace velomark
