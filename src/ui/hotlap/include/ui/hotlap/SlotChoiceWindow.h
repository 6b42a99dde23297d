// The slot-choice window frmqr: a race lap goes to the Race or the QuickRace slot.
#pragma once

#include "laps/ImportedLap.h"

#include <QWidget>

namespace velomark {

class SlotChoiceWindow : public QWidget {
    Q_OBJECT
  public:
    explicit SlotChoiceWindow(QWidget* parent = nullptr);

  signals:
    // Race or QuickRace; the import window inserts the lap and closes this window.
    void slotChosen(velomark::RecordSession slot);
};

} // namespace velomark
