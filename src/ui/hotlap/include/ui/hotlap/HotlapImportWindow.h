// The hot-lap import window frmhof: lists GP2's hot laps for the circuit,
// runs hof2lap on the one the player selects (through hof.bat and the
// platform's interpreter), shows what the dump says, and on INSERT hands the
// lap to the editor through lapChosen. It owns the wait window frmwait and
// the slot-choice window frmqr.
#pragma once

#include "formats/Circuits.h"
#include "formats/DumpScanner.h"
#include "formats/HofBat.h"
#include "laps/ImportedLap.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <optional>
#include <string>

class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace velomark {

class BatchRunner;
struct BatchOutcome;
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
    bool extracting() const { return m_stage != Stage::Idle; }

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
    enum class Stage { Idle, Waiting, Reading };

    QLayout* buildList();
    QLayout* buildFields();
    void chosenInList();
    void onBatchFinished(const BatchOutcome& outcome);
    QString batchFailure(const BatchOutcome& outcome) const;
    void readNextLine();
    QString notRead(const QString& why) const;
    void fail(const QString& message);
    void finish();
    void abortExtraction();
    void showFields();
    void showTrackFile();

    const CircuitChoice m_circuit;
    std::string m_gp2p; // the GP2 directory, as stored (the files' 8-bit text)
    DumpFields m_fields;
    FlagState m_flg = FlagState::Running;
    std::string m_cline, m_fil; // hof.bat's first line and its part after the tool's name

    Stage m_stage = Stage::Idle;
    QString m_extractedFile;          // the file of the running extraction
    std::string m_dump;               // the dump being read
    std::optional<DumpLines> m_lines; // reads m_dump
    QString m_failure;                // why the running extraction went wrong, told at its end
    bool m_busyCursor = false;

    BatchRunner* m_runner = nullptr;
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
