#include "window/summary_table_model.h"

#include "object/summary_table.h"

#include <QBrush>
#include <QFont>

namespace zeltar::object {

namespace {

const QColor kFailedRoomRed(200, 0, 0);
const QColor kLevelRowShade(235, 238, 245);

bool IsTotal(SummaryLineKind kind)
{
    return kind == SummaryLineKind::TotalSums || kind == SummaryLineKind::TotalPlant;
}

bool IsFailed(SummaryLineKind kind)
{
    return kind == SummaryLineKind::FailedRoom || kind == SummaryLineKind::FailureReason;
}

bool OfRoom(SummaryLineKind kind)
{
    return kind == SummaryLineKind::Room || IsFailed(kind);
}

} // namespace

void SummaryTableModel::setTexts(SummaryReportTexts texts)
{
    beginResetModel();
    texts_ = std::move(texts);
    lines_ = SummaryLines(texts_);
    endResetModel();
}

std::optional<std::size_t> SummaryTableModel::roomOfRow(int row) const
{
    if (row < 0 || row >= static_cast<int>(lines_.size()))
        return std::nullopt;
    const SummaryLine& line = lines_[static_cast<std::size_t>(row)];
    if (!OfRoom(line.kind))
        return std::nullopt;
    return line.index;
}

int SummaryTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

int SummaryTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(kSummaryColumnCount);
}

QVariant SummaryTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const SummaryLine& line = lines_[static_cast<std::size_t>(index.row())];
    const auto column = static_cast<std::size_t>(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return QString::fromStdString(LineCells(texts_, line)[column]).trimmed();
    case Qt::ToolTipRole:
        if (IsFailed(line.kind))
            return QString::fromStdString(texts_.rooms[line.index].failure);
        if (line.kind == SummaryLineKind::Room) {
            const SummaryRoomTexts& room = texts_.rooms[line.index];
            return QString::fromStdString(room.note.empty() ? room.path : room.path + "\n" + room.note);
        }
        return {};
    case Qt::ForegroundRole:
        if (IsFailed(line.kind))
            return QBrush(kFailedRoomRed);
        return {};
    case Qt::BackgroundRole:
        if (!OfRoom(line.kind))
            return QBrush(kLevelRowShade);
        return {};
    case Qt::FontRole: {
        // Totals bold; a room whose file lies outside the object's folder or repeats a row italic.
        QFont font;
        font.setBold(IsTotal(line.kind));
        font.setItalic(line.kind == SummaryLineKind::Room && !texts_.rooms[line.index].note.empty());
        return font.bold() || font.italic() ? QVariant(font) : QVariant();
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (kSummaryColumns[column].number ? Qt::AlignRight : Qt::AlignLeft));
    default: return {};
    }
}

Qt::ItemFlags SummaryTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == static_cast<int>(SummaryColumn::RoomName) && roomOfRow(index.row()) &&
        lines_[static_cast<std::size_t>(index.row())].kind != SummaryLineKind::FailureReason)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool SummaryTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    emit roomNameEdited(*roomOfRow(index.row()), value.toString());
    return true;
}

QModelIndex SummaryTableModel::nameCellOfRoom(std::size_t room) const
{
    for (int row = 0; row < rowCount(); ++row)
        if (roomOfRow(row) == room)
            return index(row, static_cast<int>(SummaryColumn::RoomName));
    return {};
}

QVariant SummaryTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= static_cast<int>(kSummaryColumnCount))
        return QAbstractTableModel::headerData(section, orientation, role);
    const SummaryColumnInfo& info = kSummaryColumns[static_cast<std::size_t>(section)];
    QString header = QString::fromUtf8(info.caption.data(), static_cast<qsizetype>(info.caption.size()));
    if (!info.unit.empty())
        header += QLatin1Char('\n') + QString::fromUtf8(info.unit.data(), static_cast<qsizetype>(info.unit.size()));
    return header;
}

} // namespace zeltar::object
