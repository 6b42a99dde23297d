// The custom-circuit window frmcustom: names and countries of the 16 Custom
// circuits, saved in the custom file on OK.
#pragma once

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace velomark {

class CustomWindow : public QWidget {
    Q_OBJECT
  public:
    explicit CustomWindow(QWidget* parent = nullptr);

    // OK: the reminder, then the save; on success saved() and the window
    // closes, on failure it stays open with every text as typed.
    void cmdokClick();

  signals:
    // The custom file holds the new captions.
    void saved();

  private:
    void buildHeadings();
    void buildRows();

    std::array<QLineEdit*, 16> cn{};
    std::array<QLineEdit*, 16> co{};
    QPushButton* cmdok = nullptr;
    QLabel* m_status = nullptr;
};

} // namespace velomark
