// The Hot laps window's table: one row per hot-lap file, its reading and its
// comparison with the stored best; each column sorts by what it means (times
// and dates as numbers, names without regard to case).
#pragma once

#include "laps/HotlapBests.h"
#include "laps/HotlapFolder.h"

#include <QAbstractTableModel>

#include <vector>

namespace velomark {

class HotlapTable : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column {
        File,
        Circuit,
        SessionColumn,
        Lap,
        Split1,
        Split2,
        Saved,
        Stored,
        FasterBy,
        Clean
    };
    static constexpr int kColumnCount = Clean + 1;
    // What the sort uses.
    static constexpr int kSortRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    void setReadings(std::vector<HotlapReading> readings, const TracksetBests& bests);
    // Compares every row again, with the bests of another trackset or read afresh.
    void compareWith(const TracksetBests& bests);
    // A file read again: its row is replaced, or added when it is new.
    void putReading(const HotlapReading& reading, const TracksetBests& bests);

    const std::vector<HotlapReading>& readings() const { return m_readings; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    QString text(size_t row, int column) const;
    QVariant sortKey(size_t row, int column) const;

    std::vector<HotlapReading> m_readings;
    std::vector<HotlapComparison> m_comparisons;
};

} // namespace velomark
