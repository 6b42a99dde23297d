// The window frmhotlapdetails, "Hot lap details": what GP2Lap recorded about
// one hot lap, read-only and selectable, with Copy (the same text to the
// clipboard) and Close. The Hot laps window and the import window each keep one.
#pragma once

#include "laps/HotlapFolder.h"

#include <QWidget>

class QPlainTextEdit;

namespace velomark {

class HotlapDetailsWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HotlapDetailsWindow(QWidget* parent);

    void showLap(const HotlapReading& lap);
    QString text() const;

  private:
    QPlainTextEdit* m_text = nullptr;
};

// Shows lap in owner's details window, which is opened when owner has none.
void showHotlapDetails(QWidget* owner, const HotlapReading& lap);

} // namespace velomark
