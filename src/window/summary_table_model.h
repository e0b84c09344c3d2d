// The summary as a Qt table: one row per room, two per temperature level and two for the object
// total, the texts as the report prints them. A room that could not be loaded is red, its reason
// the row's tooltip. A room's name can be edited in place; the edit is handed on as a signal, the
// table changes only when new texts are set.
#pragma once

#include "object/summary_report.h"

#include <QAbstractTableModel>

#include <optional>

namespace zeltar::object {

class SummaryTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setTexts(SummaryReportTexts texts);
    const SummaryReportTexts& texts() const { return texts_; }

    // The room a table row shows; nullopt for level and total rows.
    std::optional<std::size_t> roomOfRow(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The cell of a room's name, where renaming edits.
    QModelIndex nameCellOfRoom(std::size_t room) const;

signals:
    // The user typed a new name for a room (as typed; empty to show the file name again).
    void roomNameEdited(std::size_t room, const QString& name);

private:
    SummaryReportTexts texts_;
    std::vector<SummaryLine> lines_;
};

} // namespace zeltar::object
