// The progress window frmprogress: one circuit's lap times over the dates of
// the history, a line per session, the stored best of each marked and the
// ideal lap from the stored splits drawn across. It lives in the progress
// module, with Qt Charts.
#pragma once

#include "history/ProgressChart.h"
#include "history/ProgressModule.h"

#include <QWidget>

#include <string>
#include <vector>

class QChart;
class QChartView;
class QLabel;
class QLineSeries;
class QPushButton;
class QXYSeries;

namespace velomark {

class ProgressWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ProgressWindow(ProgressInput input, QWidget* parent = nullptr);

    // Reads the history and draws it, or says why there is nothing to draw.
    void load(const std::string& historyPath);

  private:
    void draw(const ProgressChart& chart);
    void addAxes(const ProgressChart& chart, const std::vector<QXYSeries*>& drawn);
    void showPointOnHover(QLineSeries* series, const ProgressLine& line);

    const ProgressInput m_input;
    QChart* m_chart = nullptr;
    QChartView* m_view = nullptr;
    QLabel* m_sentence = nullptr;
    QPushButton* cmdclose = nullptr;
};

} // namespace velomark
