// The export chooser frmexport: the five reports and a CSV file to get the
// lap times out; OK opens the chosen export window and closes the chooser.
#pragma once

#include <QWidget>

class QPushButton;
class QRadioButton;

namespace velomark {

class ExportChooser : public QWidget {
    Q_OBJECT
  public:
    explicit ExportChooser(QWidget* parent = nullptr);

    void cmdexportClick(); // "OK"

  private:
    QRadioButton* optprt = nullptr;
    QRadioButton* opttxt = nullptr;
    QRadioButton* optweb = nullptr;
    QRadioButton* optclip = nullptr;
    QRadioButton* optscrn = nullptr;
    QRadioButton* optcsv = nullptr;
    QPushButton* cmdexport = nullptr;
    QPushButton* Command1 = nullptr;
};

} // namespace velomark
