// The initialisation window frminit: resets chosen tracksets to blank lap
// records, and stores the GP2 directory in gp2path.
#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace velomark {

class InitWindow : public QWidget {
    Q_OBJECT
  public:
    explicit InitWindow(QWidget* parent = nullptr);

    void doIt();       // "Do it !"
    void setGp2Path(); // "Set GP2 path"

  private:
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* Check3 = nullptr;
    QPushButton* Command1 = nullptr;
    QLineEdit* gp2p = nullptr;
    QPushButton* Command2 = nullptr;
};

} // namespace velomark
