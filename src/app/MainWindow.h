// The main window frmMain: trackset choice, 16 circuit buttons, and the hub
// that opens every other window.
#pragma once

#include "catalogue/Circuits.h"

#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace velomark {

class MainWindow : public QWidget {
    Q_OBJECT
  public:
    // Opens the lap-time editor on the circuit just handed over.
    using EditorOpener = std::function<void(MainWindow& main, const QString& caption, int circuit)>;

    explicit MainWindow(QWidget* parent = nullptr);

    void setEditorOpener(EditorOpener opener) { m_openEditor = std::move(opener); }

    // The hand-over state the editor reads: the lap record file of the last
    // circuit click and the number of the circuit last pointed at or clicked.
    QString fn() const;
    QString tno2() const;

    Trackset selectedTrackset() const;
    // Selects a trackset as the option buttons do; Custom reads the custom
    // file again even when it is already selected.
    void selectTrackset(Trackset set);

    // The circuit hand-over of button tK (K = 1 to 16).
    void openCircuit(int k);

    static QString title();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // The operation of a trackset's option button: colours, captions, heading.
    void showTrackset(Trackset set);
    bool showCustomCaptions();
    void setCaption(QPushButton* button, const QString& caption);
    void closeTransientWindows();
    void notBuiltYet(const QString& what);

    QLabel* labset = nullptr;
    QLabel* Image2 = nullptr;
    std::array<QRadioButton*, 3> m_options{}; // set1, set2, set3, in Trackset order
    QPushButton* cmdcustom = nullptr;
    QPushButton* cmdinit = nullptr;
    QPushButton* Command1 = nullptr;
    std::array<QPushButton*, 16> t{};
    QLineEdit* m_fn = nullptr;
    QLineEdit* m_tno2 = nullptr;
    EditorOpener m_openEditor;
};

} // namespace velomark
