#include "ui/hotlap/HotlapTable.h"

#include "formats/NumberText.h"
#include "laps/LapDetails.h"
#include "platform/TextCodec.h"
#include "platform/Translated.h"

#include <QDateTime>

namespace velomark {

namespace {

constexpr const char* kHeadings[HotlapTable::kColumnCount] = {
    QT_TRANSLATE_NOOP("velomark::HotlapTable", "File"),
    QT_TRANSLATE_NOOP("velomark::HotlapTable", "Circuit"),
    QT_TRANSLATE_NOOP("velomark::HotlapTable", "Session"),
    QT_TRANSLATE_NOOP("velomark::HotlapTable", "Lap Time"),
    QT_TRANSLATE_NOOP("velomark::HotlapTable", "1st Split"),
    //: The 2nd split counted from the start of the lap.
    QT_TRANSLATE_NOOP("velomark::HotlapTable", "+2nd Split"),
    //: When GP2 saved the hot lap's file.
    QT_TRANSLATE_NOOP("velomark::HotlapTable", "Saved"),
    //: Your best lap time stored for the circuit and session.
    QT_TRANSLATE_NOOP("velomark::HotlapTable", "Stored"),
    QT_TRANSLATE_NOOP("velomark::HotlapTable", "Faster by"),
    //: Whether the lap was clean (not off track, not through the pits...), or why not.
    QT_TRANSLATE_NOOP("velomark::HotlapTable", "Clean"),
};

// Rows without a time sort after every time, whichever way the column sorts first.
constexpr double kNoTime = 1e12;

double secondsOrNone(const std::string& time) {
    return timeSeconds(time).value_or(kNoTime);
}

} // namespace

void HotlapTable::setReadings(std::vector<HotlapReading> readings, const TracksetBests& bests) {
    beginResetModel();
    m_readings = std::move(readings);
    m_comparisons.clear();
    for (const HotlapReading& r : m_readings)
        m_comparisons.push_back(compareHotlap(r, bests));
    endResetModel();
}

void HotlapTable::compareWith(const TracksetBests& bests) {
    for (size_t i = 0; i < m_readings.size(); ++i)
        m_comparisons[i] = compareHotlap(m_readings[i], bests);
    if (!m_readings.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
}

void HotlapTable::putReading(const HotlapReading& reading, const TracksetBests& bests) {
    for (size_t i = 0; i < m_readings.size(); ++i) {
        if (m_readings[i].name == reading.name) {
            m_readings[i] = reading;
            m_comparisons[i] = compareHotlap(reading, bests);
            const int row = static_cast<int>(i);
            emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
            return;
        }
    }
    const int row = rowCount();
    beginInsertRows({}, row, row);
    m_readings.push_back(reading);
    m_comparisons.push_back(compareHotlap(reading, bests));
    endInsertRows();
}

int HotlapTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_readings.size());
}

int HotlapTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QString HotlapTable::text(size_t row, int column) const {
    const HotlapReading& r = m_readings[row];
    const HotlapComparison& c = m_comparisons[row];
    switch (column) {
    case File:
        return fromDiskName(r.name);
    case Circuit:
        return shown(c.circuit);
    case SessionColumn:
        return shown(r.session);
    case Lap:
        return fromFileText(r.fields.lap);
    case Split1:
        return fromFileText(r.fields.split1);
    case Split2:
        return fromFileText(r.fields.split2);
    case Saved: // not translated: the date and time in one order for every language
        return r.stamp.modified == 0 ? QString()
                                     : QDateTime::fromSecsSinceEpoch(r.stamp.modified)
                                           .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case Stored:
        return fromFileText(c.stored);
    case FasterBy:
        if (c.editorTrackOnStandard)
            return tr("a track-editor track: compare with TrackPack or Custom");
        if (c.fasterBy)
            return QString::fromStdString(threeDecimalFormat(*c.fasterBy));
        return c.beats() ? tr("no best yet") : QString();
    case Clean:
        return shown(cleanSentence(r.record));
    }
    return QString();
}

QVariant HotlapTable::sortKey(size_t row, int column) const {
    const HotlapReading& r = m_readings[row];
    const HotlapComparison& c = m_comparisons[row];
    switch (column) {
    case Lap:
        return secondsOrNone(r.fields.lap);
    case Split1:
        return secondsOrNone(r.fields.split1);
    case Split2:
        return secondsOrNone(r.fields.split2);
    case Stored:
        return secondsOrNone(c.stored);
    case Saved:
        return static_cast<double>(r.stamp.modified);
    case FasterBy: // a first time counts as faster than any margin
        return c.fasterBy ? *c.fasterBy : c.beats() ? kNoTime : -1.0;
    default:
        return text(row, column).toCaseFolded();
    }
}

QVariant HotlapTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto row = static_cast<size_t>(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: // a long reason shows whole
        return text(row, index.column());
    case kSortRole:
        return sortKey(row, index.column());
    case Qt::TextAlignmentRole:
        return index.column() >= Lap && index.column() != Saved && index.column() != Clean
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant();
    default:
        return {};
    }
}

QVariant HotlapTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return tr(kHeadings[section]);
    // A first click sorts the widest margin first, everything else from its least.
    if (role == Qt::InitialSortOrderRole)
        return section == FasterBy ? Qt::DescendingOrder : Qt::AscendingOrder;
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace velomark
