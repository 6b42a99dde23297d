// The hot-lap import window frmhof: lists GP2's hot laps for the circuit,
// starts an extraction (HotlapExtraction) of the one the player selects,
// shows what it gives, and on INSERT hands the lap to the editor through
// lapChosen. It owns the wait window frmwait and the slot-choice window frmqr.
#pragma once

#include "formats/Circuits.h"
#include "formats/DumpScanner.h"
#include "laps/ImportedLap.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <string>

class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace velomark {

class HotlapExtraction;
class SlotChoiceWindow;
class WaitWindow;

class HotlapImportWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HotlapImportWindow(CircuitChoice circuit, QWidget* parent = nullptr);
    ~HotlapImportWindow() override;

    // Reads gp2path. When it cannot be read, tells the player to set the GP2
    // directory and returns false; the window is then not shown.
    bool load();

    // Fills File1 with the circuit's hot laps in the saves folder.
    void fillFileList();
    // Runs hof2lap on one listed file; ignored while an extraction runs.
    void extract(const QString& fileName);
    bool extracting() const;

    // INSERT, and the two buttons of the slot-choice window.
    void insert();
    void chooseSlot(RecordSession slot);

  signals:
    void lapChosen(const velomark::ImportedLap& lap);
    // An extraction has run its finishing steps (after any message about it).
    void extracted();

  protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QLayout* buildList();
    QLayout* buildFields();
    void chosenInList();
    void showWaiting();
    void onExtracted(const DumpFields& fields, const QString& failure);
    void abortExtraction();
    void showFields();
    void showTrackFile();

    const CircuitChoice m_circuit;
    std::string m_gp2p; // the GP2 directory, as stored (the files' 8-bit text)
    DumpFields m_fields;
    bool m_busyCursor = false;

    HotlapExtraction* m_extraction = nullptr;
    QPointer<WaitWindow> m_wait;
    QPointer<SlotChoiceWindow> m_slotChoice;

    QListWidget* File1 = nullptr;
    QPushButton* m_details = nullptr; // what GP2Lap recorded about the highlighted file's lap
    QLabel* m_status = nullptr;
    QLabel* m_trackFile = nullptr; // the track-editor track a lap was driven on
    QLineEdit* session = nullptr;
    QLineEdit* lap = nullptr;
    QLineEdit* split1 = nullptr;
    QLineEdit* split2 = nullptr;
    QLineEdit* circuit = nullptr;
    QPushButton* cmdins = nullptr;
    QPushButton* Command1 = nullptr;
};

} // namespace velomark
