// The bests board frmboard: every circuit's bests in one sortable table with a
// trackset filter, a rival's times and the gaps beside yours, and the board
// as a CSV file. A circuit is asked for by signal; app opens it in the editor.
#pragma once

#include "laps/BestsTable.h"

#include <QWidget>

#include <optional>

class QComboBox;
class QLabel;
class QLayout;
class QModelIndex;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace velomark {

class BoardModel;

class BestsBoard : public QWidget {
    Q_OBJECT
  public:
    explicit BestsBoard(IdealLap ideal, QWidget* parent = nullptr);

    // Reads the record files and the history again: when the board opens,
    // and after every SAVE. A rival's times are kept.
    void reload();

    // The buttons' steps.
    void compareWithRival();
    void clearRival();
    void exportBoard();

  signals:
    // Enter or a double-click on a row.
    void circuitRequested(velomark::Trackset set, int number);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildTable();
    QLayout* buildControls();
    void showBoard();
    void requestCircuit(const QModelIndex& index);
    bool isRivals(const QString& path) const;

    const IdealLap m_ideal;
    Board m_board;
    std::optional<RivalTimes> m_rival;
    QString m_rivalPath; // the rival's CSV file or data folder

    BoardModel* m_model = nullptr;
    QSortFilterProxyModel* m_sorted = nullptr;
    QTableView* board = nullptr;
    QComboBox* filter = nullptr;
    QLabel* rivalname = nullptr;
    QLabel* notes = nullptr;
    QPushButton* cmdrival = nullptr;
    QPushButton* cmdclearrival = nullptr;
    QPushButton* cmdexportboard = nullptr;
};

} // namespace velomark
