// The view window frmview: the screen report in a fixed-pitch, scrollable
// text field. There is one such window; a new view refills it.
#pragma once

#include <QWidget>

#include <string>

class QPlainTextEdit;

namespace velomark {

class ScreenView : public QWidget {
    Q_OBJECT
  public:
    // The open view window, or a new one (not shown yet).
    static ScreenView* shared();

    // Replaces the whole text with the report's bytes.
    void setReportText(const std::string& bytes);

  private:
    ScreenView();

    QPlainTextEdit* view = nullptr;
};

} // namespace velomark
