// The lap-time editor frmtimes: one circuit's record as a grid of fields,
// with CLEAR, SAVE, CLOSE, IMPORT, the "+2nd Split" header and the "+/-"
// differences label.
#pragma once

#include "editor/TimeDifferences.h"
#include "store/LapRecordFile.h"
#include "store/TimeText.h"

#include <QPointer>
#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace velomark {

class HotlapImportWindow;
class MainWindow;

class LapTimeEditor : public QWidget {
    Q_OBJECT
  public:
    explicit LapTimeEditor(MainWindow& main);

    // The main window's hand-over: sets the caption, which runs the load
    // step, then the circuit number, then shows the editor. Returns the editor,
    // or nullptr when the record could not be read (the user has been told).
    static LapTimeEditor* open(MainWindow& main, const QString& caption, int circuit);

    // The steps behind the window's buttons and labels, for the hand-over and tests.
    bool loadRecord();
    void diffcheck();
    void pressDifferences(Qt::MouseButton button);
    void releaseDifferences();
    void pressSecondSplitHeader();
    void releaseSecondSplitHeader();
    bool save();
    void clearAll();
    void completeSession(Session s);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    enum Slot {
        QrLap,
        QrSet,
        PLap,
        PS1,
        PS2,
        PS3,
        PrSet,
        QLap,
        QS1,
        QS2,
        QS3,
        QSet,
        RLap,
        RaSet,
        SlotCount
    };

    QLineEdit* field(Slot s) const { return m_fields[s]; }
    QString text(Slot s) const;
    TimeSheet timeSheet() const;
    void showTimeSheet(const TimeSheet& sheet);
    SplitTexts splitTexts(Session s) const;
    void onActivated();
    HotlapImportWindow* importWindow();
    void showStatus(const QString& text);
    void openImport();
    void closeEditor();

    QPointer<MainWindow> m_main;
    QPointer<HotlapImportWindow> m_import;
    std::array<QLineEdit*, SlotCount> m_fields{};
    CircuitRecord m_held{}; // fields 2-4 and 17-19, kept as read

    QLabel* track = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* diff1 = nullptr;
    QLabel* ideal = nullptr;
    QLabel* m_status = nullptr;
    std::array<QLabel*, 4> xps{};
    std::array<QLabel*, 4> yps{};
    QLineEdit* tname = nullptr;
    QLineEdit* tno = nullptr;
    QLineEdit* modd = nullptr;
    QLineEdit* ptime = nullptr;
    QLineEdit* qtime = nullptr;
    QPushButton* cmdimport = nullptr;
    QPushButton* cmdclear = nullptr;
    QPushButton* cmdclose = nullptr;
    QPushButton* cmdsave = nullptr;
    bool m_closing = false;
    bool m_headerHeld = false;
};

} // namespace velomark
