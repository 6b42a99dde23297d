// The board's cells as a table model: texts as they stand, gaps in the colour
// that says who is faster, and a key per cell to sort by.
#pragma once

#include "laps/BestsTable.h"

#include <QAbstractTableModel>
#include <QColor>

namespace velomark {

class BoardModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    // What a cell sorts by: a number, a text, or nothing (sorted last).
    static constexpr int kSortRole = Qt::UserRole;
    // The row's trackset, as the filter matches it: "0", "1" or "2".
    static constexpr int kTracksetRole = Qt::UserRole + 1;

    using QAbstractTableModel::QAbstractTableModel;

    void setTable(BoardTable table);
    const BoardTable& table() const { return m_table; }
    void setGapColours(const QColor& faster, const QColor& slower);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    BoardTable m_table;
    QColor m_faster, m_slower;
};

} // namespace velomark
