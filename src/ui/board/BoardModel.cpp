#include "ui/board/BoardModel.h"

#include "platform/Translated.h"

namespace velomark {

namespace {

// The trackset and a fixed circuit are named in the player's language; the
// cells keep the English the CSV file holds.
QString shownText(const BoardLine& line, size_t column) {
    if (column == 0)
        return shown(tracksetName(line.set));
    if (column == 1)
        if (const auto fixed = fixedCircuitOf(line.set, line.number))
            return shown(*fixed, QStringLiteral(" - "));
    return QString::fromStdString(line.cells[column].text);
}

} // namespace

void BoardModel::setTable(BoardTable table) {
    beginResetModel();
    m_table = std::move(table);
    endResetModel();
}

void BoardModel::setGapColours(const QColor& faster, const QColor& slower) {
    m_faster = faster;
    m_slower = slower;
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::ForegroundRole});
}

int BoardModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_table.lines.size());
}

int BoardModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_table.header.size());
}

QVariant BoardModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const BoardLine& line = m_table.lines[static_cast<size_t>(index.row())];
    const auto column = static_cast<size_t>(index.column());
    const BoardCell& cell = line.cells[column];
    const bool byValue = m_table.byValue[column];
    switch (role) {
    case Qt::DisplayRole:
        return shownText(line, column);
    case Qt::ForegroundRole:
        return cell.gapSign < 0   ? QVariant(m_faster)
               : cell.gapSign > 0 ? QVariant(m_slower)
                                  : QVariant();
    case Qt::TextAlignmentRole:
        return column > 0 && byValue ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    case kSortRole:
        if (byValue)
            return cell.key ? QVariant(*cell.key) : QVariant();
        return cell.text.empty() ? QVariant() : QVariant(QString::fromStdString(cell.text));
    case kTracksetRole:
        return QString::number(static_cast<int>(line.set));
    default:
        return {};
    }
}

QVariant BoardModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount())
        return {};
    return shown(m_table.header[static_cast<size_t>(section)]);
}

} // namespace velomark
