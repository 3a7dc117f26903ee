#pragma once

#include "toolkit/Locale.h"

#include <QAbstractTableModel>

namespace lopena {

class Notebook;
class NotebookSignals;

// The history of throws, a row appended per launch, the first column a swatch of the trail
// colour. A throw's results are known at its launch, so a row never changes afterwards. The
// Laborator's columns (h0, the medium, the prediction's errors) are added at its first throw.
class HistoryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Holds the number a column sorts by (HistoryTable::sortKey), for a sorting proxy.
    static constexpr int SortRole = Qt::UserRole + 1;

    HistoryModel(const Notebook& notebook, const tk::Locale& locale, NotebookSignals& events,
                 QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const Notebook& notebook_;
    tk::Locale locale_;
    int rows_ = 0;    // rows announced to the views
    int columns_ = 0; // columns announced to the views
};

} // namespace lopena
