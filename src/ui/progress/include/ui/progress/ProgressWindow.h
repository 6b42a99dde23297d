// The progress window frmprogress: one circuit's lap times over the dates of
// the history, a line per session, the stored best of each marked and the
// ideal lap from the stored splits drawn across. It lives in the progress
// module.
#pragma once

#include "ui/progress/ProgressModule.h"

#include <QWidget>

#include <string>

class QLabel;
class QPushButton;

namespace velomark {

class ChartView;

class ProgressWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ProgressWindow(ProgressInput input, QWidget* parent = nullptr);

    // Reads the history and draws it, or says why there is nothing to draw.
    void load(const std::string& historyPath);

  private:
    const ProgressInput m_input;
    ChartView* m_view = nullptr;
    QLabel* m_sentence = nullptr;
    QPushButton* cmdclose = nullptr;
};

} // namespace velomark
