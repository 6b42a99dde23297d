// The progress window frmprogress: one circuit's lap times over the dates of
// the history, a line per session, the stored best of each marked and the
// ideal lap from the stored splits drawn across.
#pragma once

#include "catalogue/Circuits.h"
#include "store/LapRecordFile.h"

#include <QWidget>

#include <array>
#include <optional>
#include <string>

class QChart;
class QChartView;
class QLabel;
class QPushButton;

namespace velomark {

// What the editor hands the window: the circuit, and the times it holds now.
struct ProgressInput {
    CircuitChoice circuit;
    std::array<std::string, 4> storedLaps; // by session, in the files' 8-bit text
    std::optional<double> idealLap;        // seconds, when the stored splits give one
};

class ProgressWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ProgressWindow(ProgressInput input, QWidget* parent = nullptr);

    // Reads the history and draws it, or says why there is nothing to draw.
    void load(const std::string& historyPath);

    QChart* chart() const { return m_chart; }

  private:
    const ProgressInput m_input;
    QChart* m_chart = nullptr;
    QChartView* m_view = nullptr;
    QLabel* m_sentence = nullptr;
    QPushButton* cmdclose = nullptr;
};

} // namespace velomark
