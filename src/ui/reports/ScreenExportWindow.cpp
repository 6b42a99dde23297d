#include "ui/reports/ScreenExportWindow.h"

#include "laps/TextReports.h"
#include "platform/Messages.h"
#include "platform/Translated.h"
#include "ui/reports/ScreenView.h"

namespace velomark {

ScreenExportWindow::ScreenExportWindow()
    : ReportWindow("frmscrn", tr("Export to Screen"), tr("Choose Trackset to view"), tr("View")) {}

void ScreenExportWindow::run() {
    // The report is read and laid out whole before the view changes, in one
    // step of the event loop: no second build can start inside this one, and
    // this window cannot go away under it.
    const ReportWords words = reportWords(fileTextIn);
    const ReportData data = loadReport(ticked(), realFileOps(), {}, words);
    if (!data.stop || !data.stop->atCustomFile) {
        ScreenView* view = ScreenView::shared();
        view->setReportText(screenText(data, words));
        view->show();
        view->raise();
    }
    if (data.stop)
        showStop(*data.stop);
    else
        beep();
    close();
}

} // namespace velomark
