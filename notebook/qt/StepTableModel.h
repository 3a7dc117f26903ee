#pragma once

#include "toolkit/Locale.h"

#include <QAbstractTableModel>

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

private:
    // Appends the rows the current throw has gained since the last call.
    void catchUp();
    // Repaints a row whose mark may have changed (a step overtaken as the highest, the landing).
    void remark(long row);

    const Notebook& notebook_;
    tk::Locale locale_;
    // Rows announced to the views: the notebook is already ahead when it calls back.
    int rows_ = 0;
    long highest_ = -1; // the highest step as last shown
};

} // namespace lopena
