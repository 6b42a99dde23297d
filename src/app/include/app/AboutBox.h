// The About box frmAbout: our own picture, what Velomark is for, its version,
// and links to its documentation and to its developers.
#pragma once

#include <QDialog>
#include <QUrl>

class QLabel;
class QPushButton;

namespace velomark {

class AboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit AboutBox(QWidget* parent = nullptr);

    // The README installed with the program, or the source tree's README for
    // a copy run from its build folder.
    static QUrl homePage();
    static QUrl emailAddress();

  private:
    QLabel* lblDescription = nullptr;
    QLabel* lblVersion = nullptr;
    QPushButton* cmdOK = nullptr;
};

} // namespace velomark
