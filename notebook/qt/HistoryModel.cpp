#include "notebook/qt/HistoryModel.h"

#include "notebook/HistoryTable.h"
#include "notebook/Notebook.h"
#include "notebook/ThrowName.h"
#include "notebook/qt/NotebookSignals.h"
#include "toolkit/qt/QtConversions.h"

namespace lopena {

HistoryModel::HistoryModel(const Notebook& notebook, const tk::Locale& locale,
                           NotebookSignals& events, QObject* parent)
    : QAbstractTableModel(parent), notebook_(notebook), locale_(locale),
      rows_(static_cast<int>(notebook.history().size())),
      columns_(HistoryTable::columns(notebook.history())) {
    connect(&events, &NotebookSignals::started, this, [this] {
        if (const int columns = HistoryTable::columns(notebook_.history()); columns > columns_) {
            beginInsertColumns({}, columns_, columns - 1);
            columns_ = columns;
            endInsertColumns();
        }
        const int rows = static_cast<int>(notebook_.history().size());
        if (rows <= rows_)
            return;
        beginInsertRows({}, rows_, rows - 1);
        rows_ = rows;
        endInsertRows();
    });
}

int HistoryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int HistoryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns_;
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_ || index.column() >= columns_)
        return {};
    const Throw& row = notebook_.history()[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(HistoryTable::cell(row, index.column(), locale_));
    case Qt::DecorationRole:
        return index.column() == 0 ? QVariant(tkqt::toQColor(row.colour)) : QVariant();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    case SortRole:
        return HistoryTable::sortKey(row, index.column());
    case Qt::ToolTipRole: // the throw named by its launch, as the graphs' legend names it
        return QString::fromStdString(throwName(row, locale_));
    default:
        return {};
    }
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < columns_)
        return QString::fromUtf8(HistoryTable::header(section));
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace lopena
