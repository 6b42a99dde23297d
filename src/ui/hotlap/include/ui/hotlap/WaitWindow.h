// The wait window frmwait: shown while hof2lap dumps a hot lap.
#pragma once

#include <QWidget>

namespace velomark {

class WaitWindow : public QWidget {
    Q_OBJECT
  public:
    explicit WaitWindow(QWidget* parent = nullptr);
};

} // namespace velomark
