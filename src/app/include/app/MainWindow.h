// The main window frmMain: trackset choice, 16 circuit buttons, and the hub
// that opens every other window.
#pragma once

#include "formats/Circuits.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <string>

class QLabel;
class QPushButton;
class QRadioButton;

namespace velomark {

class AboutBox;
class CircuitWindows;
class CustomWindow;
class ExportChooser;
class InitWindow;

class MainWindow : public QWidget {
    Q_OBJECT
  public:
    explicit MainWindow(QWidget* parent = nullptr);

    Trackset selectedTrackset() const;
    // Selects a trackset as the option buttons do; Custom reads the custom
    // file again even when it is already selected.
    void selectTrackset(Trackset set);

    // The circuit hand-over of button tK (K = 1 to 16): opens the editor on
    // it and hides this window until the editor closes.
    void openCircuit(int k);

    static QString title();

  signals:
    // A SAVE in an editor this window opened stored a record, or the custom
    // circuits' window stored their names.
    void recordsSaved();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void buildHeading();
    void buildTracksetFrame();
    void buildCircuitButtons();
    void buildTools();

    // The operation of a trackset's option button: colours, captions, heading.
    void showTrackset(Trackset set);
    bool showCustomCaptions();
    void setCaption(QPushButton* button, const QString& caption);
    CircuitChoice circuitAt(int k) const;
    void openInitialisation();
    void openCustomCircuits();
    void openExportChooser();
    void openAbout();
    void closeTransientWindows();

    QLabel* labset = nullptr;
    QLabel* Image2 = nullptr;
    std::array<QRadioButton*, 3> m_options{}; // set1, set2, set3, in Trackset order
    QPushButton* cmdcustom = nullptr;
    QPushButton* cmdinit = nullptr;
    QPushButton* Command1 = nullptr;
    std::array<QPushButton*, 16> t{};
    std::array<std::string, 16> m_customCaptions; // as last read from the custom file

    QPointer<CircuitWindows> m_circuitWindows; // of the open circuit
    QPointer<InitWindow> m_init;
    QPointer<CustomWindow> m_custom;
    QPointer<ExportChooser> m_export;
    QPointer<AboutBox> m_about;
};

} // namespace velomark
