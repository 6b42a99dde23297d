// The lap-time editor frmtimes: one circuit's record as a grid of fields,
// with CLEAR, SAVE, CLOSE, IMPORT, PROGRESS, the "+2nd Split" header and the
// "+/-" differences label. IMPORT and PROGRESS ask for their windows by
// signal; the application opens them and hands imported laps back. The
// record, as stored and as typed, and the rules over it are the session's.
#pragma once

#include "laps/EditorSession.h"
#include "laps/SessionGrid.h"
#include "laps/TimeDifferences.h"
#include "laps/TimeText.h"

#include <QWidget>

#include <array>
#include <optional>
#include <utility>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velomark {

class LapTimeEditor : public QWidget {
    Q_OBJECT
  public:
    explicit LapTimeEditor(CircuitChoice circuit, QWidget* parent = nullptr);

    // The load step: reads the circuit's record into the fields. False when
    // it cannot be read; the player has been told why and the editor should
    // not be shown.
    bool load();

    // The steps behind the window's buttons and labels.
    void diffcheck();
    void pressDifferences(Qt::MouseButton button);
    void releaseDifferences();
    void pressSecondSplitHeader();
    void releaseSecondSplitHeader();
    bool save();
    void clearAll();
    void completeSession(Session s);

    // INSERT in the import window: the times go into the fields of session
    // slot; a Practice or Qualifying lap is completed when the editor is
    // active again, and then importFinished follows.
    void insertLap(RecordSession slot, const std::string& lap, const std::string& split1,
                   const std::string& split2);

    const CircuitChoice& circuit() const { return m_session.circuit(); }
    // The record as last read or saved, and as typed.
    const EditorSession& session() const { return m_session; }

  signals:
    void importRequested();   // IMPORT
    void importFinished();    // an imported lap is complete: its window may go
    void progressRequested(); // PROGRESS
    void saved();             // SAVE stored the record
    void closed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildGrid(QGridLayout* grid);
    void buildDifferenceLabels(QGridLayout* grid);
    QLayout* buildButtons();
    void wireChangeRules();
    void setTabOrder();

    QLineEdit* cell(Row r, Column c) const;
    void showTimeSheet(const TimeSheet& sheet);
    void showTyped();
    SessionTimes sessionTimes(Session s) const;
    std::optional<Session> secondSplitSession(QObject* watched) const;
    void onActivated();
    void showStatus(const QString& text);
    bool storable();
    std::vector<std::pair<size_t, QLineEdit*>> shownFields() const;

    EditorSession m_session;
    bool m_modd = false;      // true while SAVE fills out the time texts
    QString m_ptime, m_qtime; // +2nd splits while the header shows the plain 2nd split
    bool m_headerHeld = false;
    bool m_closing = false;

    std::array<std::array<QLineEdit*, kColumns>, kRows> m_cells{};
    QLabel* track = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* diff1 = nullptr;
    QLabel* ideal = nullptr;
    QLabel* m_status = nullptr;
    std::array<QLabel*, 4> xps{};
    std::array<QLabel*, 4> yps{};
    QPushButton* cmdimport = nullptr;
    QPushButton* cmdclear = nullptr;
    QPushButton* cmdclose = nullptr;
    QPushButton* cmdsave = nullptr;
    QPushButton* cmdprogress = nullptr;
};

} // namespace velomark
