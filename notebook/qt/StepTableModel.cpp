#include "notebook/qt/StepTableModel.h"

#include "notebook/Notebook.h"
#include "notebook/StepTable.h"
#include "notebook/qt/NotebookSignals.h"

#include <QBrush>
#include <QColor>
#include <QFont>

namespace lopena {

namespace {

// The number a step shows in a column (n aside).
double value(const FlightStep& step, int column) {
    const double values[] = {0, step.t, step.x, step.y, step.vx, step.vy, step.v};
    return values[column];
}

} // namespace

StepTableModel::StepTableModel(const Notebook& notebook, const tk::Locale& locale,
                               NotebookSignals& events, QObject* parent)
    : QAbstractTableModel(parent), notebook_(notebook), locale_(locale) {
    if (const Throw* current = notebook_.current()) {
        rows_ = static_cast<int>(StepTable::rowCount(*current));
        highest_ = current->log.highestStep();
        track();
    }
    connect(&events, &NotebookSignals::started, this, [this] {
        beginResetModel();
        rows_ = 0;
        highest_ = -1;
        tracked_ = 0;
        endResetModel();
        catchUp();
    });
    connect(&events, &NotebookSignals::stepsArrived, this, [this] { catchUp(); });
    connect(&events, &NotebookSignals::landed, this, [this] {
        // The last step became the landing step.
        remark(notebook_.current()->log.landingStep());
    });
}

void StepTableModel::catchUp() {
    const Throw* current = notebook_.current();
    if (!current)
        return;
    const int rows = static_cast<int>(StepTable::rowCount(*current));
    if (rows > rows_) {
        track();
        beginInsertRows({}, rows_, rows - 1);
        rows_ = rows;
        endInsertRows();
    }
    const long highest = current->log.highestStep();
    if (highest != highest_) {
        // The step overtaken loses its mark; a new highest step is a row just inserted.
        const long overtaken = highest_;
        highest_ = highest;
        remark(overtaken);
    }
}

void StepTableModel::remark(long row) {
    if (row >= 0 && row < rows_)
        emit dataChanged(index(static_cast<int>(row), 0),
                         index(static_cast<int>(row), columnCount() - 1),
                         {Qt::FontRole, Qt::ToolTipRole});
}

void StepTableModel::track() {
    const std::vector<FlightStep>& steps = notebook_.current()->log.steps();
    for (std::size_t row = tracked_; row < steps.size(); ++row)
        for (int column = 1; column < StepTable::columnCount; ++column) {
            const double v = value(steps[row], column);
            if (row == 0 || v > value(steps[largest_[column]], column))
                largest_[column] = row;
            if (row == 0 || v < value(steps[smallest_[column]], column))
                smallest_[column] = row;
        }
    tracked_ = steps.size();
}

QStringList StepTableModel::widestTexts(int column) const {
    const Throw* current = notebook_.current();
    QStringList texts;
    if (!current || column < 0 || column >= StepTable::columnCount)
        return texts;
    auto add = [&](std::size_t row) {
        texts.append(QString::fromStdString(StepTable::cell(*current, row, column, locale_)));
    };
    if (tracked_ > 0) {
        add(column == 0 ? tracked_ - 1 : largest_[static_cast<std::size_t>(column)]);
        add(column == 0 ? 0 : smallest_[static_cast<std::size_t>(column)]);
    }
    if (current->log.landing())
        add(StepTable::rowCount(*current) - 1);
    return texts;
}

int StepTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int StepTableModel::columnCount(const QModelIndex& parent) const {
    // A throw of the Laborator in air shows its acceleration too.
    const Throw* current = notebook_.current();
    return parent.isValid() ? 0 : current ? StepTable::columns(*current) : StepTable::columnCount;
}

QVariant StepTableModel::data(const QModelIndex& index, int role) const {
    const Throw* current = notebook_.current();
    if (!current || !index.isValid() || index.row() >= rows_)
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    const bool landingRow = StepTable::isClosingRow(*current, row);
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(StepTable::cell(*current, row, index.column(), locale_));
    case Qt::TextAlignmentRole:
        // Numbers line up on their last digit; the title of the landing row reads from the left.
        return QVariant::fromValue(landingRow && index.column() == 0
                                       ? Qt::AlignLeft | Qt::AlignVCenter
                                       : Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ToolTipRole: {
        const std::string why = StepTable::mark(*current, row);
        return why.empty() ? QVariant() : QVariant(QString::fromStdString(why));
    }
    case Qt::FontRole: {
        const bool marked = !StepTable::mark(*current, row).empty();
        if (!landingRow && !marked)
            return {};
        QFont font;
        font.setItalic(landingRow);
        font.setBold(marked);
        return font;
    }
    case Qt::BackgroundRole:
        return landingRow ? QVariant(QBrush(QColor(0xff, 0xf4, 0xcc))) : QVariant();
    default:
        return {};
    }
}

QVariant StepTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < StepTable::airColumnCount)
        return QString::fromUtf8(StepTable::headers[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace lopena
