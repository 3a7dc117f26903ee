#pragma once

#include "notebook/StepTable.h"
#include "toolkit/Locale.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <array>
#include <cstddef>

namespace lopena {

class Notebook;
class NotebookSignals;

// The step table of the current throw: a row appended per step as the ball flies, the row of
// the exact landing once it is down, and a fresh table when the next throw starts.
class StepTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    StepTableModel(const Notebook& notebook, const tk::Locale& locale, NotebookSignals& events,
                   QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The texts of `column` that may be its widest, as shown: those of its largest and smallest
    // values so far (a longer number is a wider one) and of the landing row.
    QStringList widestTexts(int column) const;

private:
    // Appends the rows the current throw has gained since the last call.
    void catchUp();
    // Repaints a row whose mark may have changed (a step overtaken as the highest, the landing).
    void remark(long row);
    // Takes the steps logged since the last call into the largest and smallest values.
    void track();

    const Notebook& notebook_;
    tk::Locale locale_;
    // Rows announced to the views: the notebook is already ahead when it calls back.
    int rows_ = 0;
    long highest_ = -1; // the highest step as last shown
    // Per column, the step with the largest and with the smallest value of the first tracked_.
    std::array<std::size_t, StepTable::columnCount> largest_{}, smallest_{};
    std::size_t tracked_ = 0;
};

} // namespace lopena
