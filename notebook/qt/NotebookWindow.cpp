#include "notebook/qt/NotebookWindow.h"

#include "notebook/HistoryTable.h"
#include "notebook/Notebook.h"
#include "notebook/StepTable.h"
#include "notebook/ThrowComparison.h"
#include "notebook/WorkedSolution.h"
#include "notebook/qt/CachedTextDelegate.h"
#include "notebook/qt/GraphPanel.h"
#include "notebook/qt/HistoryModel.h"
#include "notebook/qt/NotebookSignals.h"
#include "notebook/qt/StepTableModel.h"
#include "toolkit/qt/PdfDocument.h"
#include "toolkit/qt/PlaceBeside.h"

#include <QAction>
#include <QBoxLayout>
#include <QClipboard>
#include <QDateTime>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QTextBrowser>
#include <QWindow>

#include <algorithm>
#include <ctime>
#include <cmath>
#include <initializer_list>

namespace lopena {

namespace {

const char* const csvTitle = "Exporta CSV";
const char* const csvFilter = "Fisiere CSV (*.csv)";

// Rows as high as a line of text, without row numbers: the tables have their own.
void compact(QTableView& view) {
    view.verticalHeader()->hide();
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.verticalHeader()->setDefaultSectionSize(view.fontMetrics().height() + 6);
    view.setWordWrap(false);
    view.setItemDelegate(new CachedTextDelegate(&view));
}

// A tab: its view above a row of buttons, some at the left edge and some at the right.
void layOut(QWidget* tab, QWidget* view, std::initializer_list<QWidget*> left,
            std::initializer_list<QWidget*> right) {
    auto* buttons = new QHBoxLayout;
    for (QWidget* button : left)
        buttons->addWidget(button);
    buttons->addStretch();
    for (QWidget* button : right)
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(view, 1);
    layout->addLayout(buttons);
}

// The step table. Rows appended below the others repaint only themselves and what scrolls into
// sight: the view's own layout after an insert repaints every visible row, and a flight inserts
// a few rows four times a second.
class StepView : public QTableView {
public:
    using QTableView::QTableView;

protected:
    void rowsInserted(const QModelIndex& parent, int start, int end) override {
        if (!parent.isValid() && end == model()->rowCount() - 1 && !relayout_)
            firstAppended_ = firstAppended_ < 0 ? start : std::min(firstAppended_, start);
        else
            relayout_ = true;
        QTableView::rowsInserted(parent, start, end);
    }
    void reset() override {
        relayout_ = true;
        QTableView::reset();
    }
    void doItemsLayout() override {
        const int first = firstAppended_;
        const bool whole = relayout_ || first < 0;
        firstAppended_ = -1;
        relayout_ = false;
        if (whole) {
            QTableView::doItemsLayout();
            return;
        }
        updateGeometries();
        const int top = std::max(rowViewportPosition(first), 0);
        if (top < viewport()->height())
            viewport()->update(0, top, viewport()->width(), viewport()->height() - top);
    }

private:
    int firstAppended_ = -1; // the first row appended since the last layout, or -1
    bool relayout_ = false;  // a change other than rows appended: lay every row out
};

// The header of the step table, its height hint measured once per font, style and columns
// rather than at every layout of the rows (each time steps arrive).
class StepHeader : public QHeaderView {
public:
    explicit StepHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
        setSectionsClickable(true); // as a table view's own header
        setHighlightSections(true);
        connect(this, &QHeaderView::sectionCountChanged, this, [this] { hint_ = QSize(); });
    }
    QSize sizeHint() const override {
        if (!hint_.isValid())
            hint_ = QHeaderView::sizeHint();
        return hint_;
    }

protected:
    void changeEvent(QEvent* event) override {
        hint_ = QSize();
        QHeaderView::changeEvent(event);
    }

private:
    mutable QSize hint_;
};

} // namespace

NotebookWindow::NotebookWindow(Notebook& notebook, const tk::Locale& locale, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window), notebook_(notebook), locale_(locale),
      events_(new NotebookSignals(notebook, this)),
      steps_(new StepTableModel(notebook, locale_, *events_, this)),
      history_(new HistoryModel(notebook, locale_, *events_, this)) {
    setObjectName("notebookWindow");
    setWindowTitle(QStringLiteral("Caiet de laborator - Lopena"));
    // Closing the main window ends the program, open notebook or not.
    setAttribute(Qt::WA_QuitOnClose, false);

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName("notebookTabs");
    tabs->addTab(makeTableTab(), QStringLiteral("Tabel"));
    tabs->addTab(new GraphPanel(notebook_, locale_, *events_, onModalShown),
                 QStringLiteral("Grafice"));
    tabs->addTab(makeHistoryTab(), QStringLiteral("Istoric"));
    tabs->addTab(makeSolutionTab(), QStringLiteral("Rezolvare"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    resize(720, 540);

    connect(events_, &NotebookSignals::started, this, [this] {
        exportSteps_->setEnabled(true);
        // A hidden solution is written when its tab is shown: a launch costs no layout then.
        solutionStale_ = !solution_->isVisible();
        if (!solutionStale_)
            showSolution();
        savePdf_->setEnabled(true);
    });
    connect(tabs, &QTabWidget::currentChanged, this, &NotebookWindow::catchUpSolution);
    connect(events_, &NotebookSignals::seriesToggled, this, [this](bool active) {
        const QSignalBlocker quiet(series_);
        series_->setChecked(active);
    });
}

NotebookWindow::~NotebookWindow() {
    // Closing as a QWidget re-lays the table out: its scroll bar must not reach this window's
    // members, which are gone by then.
    stepView_->verticalScrollBar()->blockSignals(true);
}

QWidget* NotebookWindow::makeTableTab() {
    auto* tab = new QWidget;
    stepView_ = new StepView(tab);
    stepView_->setHorizontalHeader(new StepHeader(stepView_));
    stepView_->setObjectName("stepTable");
    stepView_->setAccessibleName(QStringLiteral("Tabelul pasilor aruncarii curente"));
    stepView_->setModel(steps_);
    stepView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    stepView_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    compact(*stepView_);
    QFont landing = stepView_->font(); // the landing row's title is bold and italic
    landing.setBold(true);
    landing.setItalic(true);
    stepView_->setColumnWidth(
        0, QFontMetrics(landing).horizontalAdvance(QString::fromUtf8(StepTable::landingRowTitle)) +
               16);
    fitStepColumns(true);
    connect(steps_, &QAbstractItemModel::modelReset, stepView_, [this] { fitStepColumns(true); });
    connect(steps_, &QAbstractItemModel::rowsInserted, stepView_,
            [this] { fitStepColumns(false); });
    // Follows the flight while the last row is in sight, also when new rows or a wider column
    // (and with it a horizontal scroll bar) move the end; a pupil reading higher up stays there.
    QScrollBar* rows = stepView_->verticalScrollBar();
    connect(rows, &QScrollBar::valueChanged, stepView_,
            [this, rows](int value) { following_ = value == rows->maximum(); });
    connect(rows, &QScrollBar::rangeChanged, stepView_, [this, rows](int, int maximum) {
        if (following_)
            rows->setValue(maximum);
    });

    auto* copy = new QAction(QStringLiteral("Copiaza"), stepView_);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    stepView_->addAction(copy);
    stepView_->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(copy, &QAction::triggered, this, &NotebookWindow::copySteps);

    exportSteps_ = new QPushButton(QStringLiteral("Exporta CSV..."), tab);
    exportSteps_->setObjectName("exportSteps");
    exportSteps_->setEnabled(notebook_.current() != nullptr);
    connect(exportSteps_, &QPushButton::clicked, this, &NotebookWindow::exportSteps);

    layOut(tab, stepView_, {}, {exportSteps_});
    return tab;
}

void NotebookWindow::fitStepColumns(bool fresh) {
    if (stepFonts_.empty()) {
        // Marked rows are bold, the landing row bold and italic: a text fits in either.
        QFont bold = stepView_->font();
        bold.setBold(true);
        QFont boldItalic = bold;
        boldItalic.setItalic(true);
        stepFonts_ = {QFontMetricsF(bold), QFontMetricsF(boldItalic)};
        const QFontMetrics plain(stepView_->font());
        for (int column = 0; column < StepTable::columnCount; ++column)
            narrowest_.push_back(
                std::max(plain.horizontalAdvance(QString::fromUtf8(StepTable::headers[column])),
                         plain.horizontalAdvance(QStringLiteral("-0000,000"))));
        widestSteps_.resize(StepTable::columnCount);
        charWidths_.assign(128, -1);
    }
    // A number's width as the sum of its characters' (they are digits, signs and separators, set
    // without kerning), each measured once: shaping every new number would cost more than the
    // rows it fits.
    auto widthOf = [this](const QString& text) {
        qreal width = 0;
        for (QChar c : text) {
            if (c.unicode() >= charWidths_.size())
                return std::max(stepFonts_[0].horizontalAdvance(text),
                                stepFonts_[1].horizontalAdvance(text));
            qreal& advance = charWidths_[c.unicode()];
            if (advance < 0)
                advance = std::max(stepFonts_[0].horizontalAdvance(c),
                                   stepFonts_[1].horizontalAdvance(c));
            width += advance;
        }
        return width;
    };
    for (int column = 1; column < StepTable::columnCount; ++column) {
        QStringList texts = steps_->widestTexts(column);
        QStringList& fitted = widestSteps_[static_cast<std::size_t>(column)];
        if (!fresh && texts == fitted)
            continue; // measured already
        qreal widest = narrowest_[static_cast<std::size_t>(column)];
        for (const QString& text : texts)
            widest = std::max(widest, widthOf(text));
        const int width = static_cast<int>(std::ceil(widest)) + 14;
        fitted = std::move(texts);
        // A new throw starts from the narrowest columns; in flight they only widen.
        if (fresh ? width != stepView_->columnWidth(column)
                  : width > stepView_->columnWidth(column))
            stepView_->setColumnWidth(column, width);
    }
}

QWidget* NotebookWindow::makeHistoryTab() {
    auto* tab = new QWidget;
    sortedHistory_ = new QSortFilterProxyModel(this);
    sortedHistory_->setSourceModel(history_);
    sortedHistory_->setSortRole(HistoryModel::SortRole);
    historyView_ = new QTableView(tab);
    historyView_->setObjectName("historyTable");
    historyView_->setAccessibleName(QStringLiteral("Istoricul aruncarilor"));
    historyView_->setModel(sortedHistory_);
    historyView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Two rows (Ctrl + click) are compared under the table.
    historyView_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    historyView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    compact(*historyView_);
    historyView_->setSortingEnabled(true);
    historyView_->sortByColumn(0, Qt::AscendingOrder);
    historyView_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(historyView_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        notebook_.repeat(static_cast<std::size_t>(sortedHistory_->mapToSource(index).row()));
    });

    repeat_ = new QPushButton(QStringLiteral("Repeta aruncarea"), tab);
    repeat_->setObjectName("repeatThrow");
    repeat_->setEnabled(false);
    connect(historyView_->selectionModel(), &QItemSelectionModel::selectionChanged, repeat_,
            [this] { repeat_->setEnabled(historyView_->selectionModel()->hasSelection()); });
    connect(repeat_, &QPushButton::clicked, this, &NotebookWindow::repeatSelected);

    series_ = new QPushButton(QStringLiteral("Serie de unghiuri"), tab);
    series_->setObjectName("angleSeries");
    series_->setCheckable(true);
    series_->setChecked(notebook_.seriesActive());
    series_->setToolTip(QStringLiteral("Lanseaza pe rand la 15, 30, 45, 60 si 75 de grade, "
                                       "cu viteza si gravitatia din fereastra principala"));
    connect(series_, &QPushButton::clicked, this, [this] {
        notebook_.toggleSeries();
        // A series the inputs refused never starts: the button shows what really happened.
        const QSignalBlocker quiet(series_);
        series_->setChecked(notebook_.seriesActive());
    });

    auto* exportHistory = new QPushButton(QStringLiteral("Exporta CSV..."), tab);
    exportHistory->setObjectName("exportHistory");
    connect(exportHistory, &QPushButton::clicked, this, &NotebookWindow::exportHistory);

    layOut(tab, historyView_, {repeat_, series_}, {exportHistory});
    comparison_ = new QLabel(tab);
    comparison_->setObjectName("historyComparison");
    comparison_->setWordWrap(true);
    comparison_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    static_cast<QVBoxLayout*>(tab->layout())->insertWidget(1, comparison_);
    connect(historyView_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &NotebookWindow::showComparison);
    // A sort moves the rows: the upper one may change.
    connect(sortedHistory_, &QAbstractItemModel::layoutChanged, this,
            &NotebookWindow::showComparison);
    showComparison();
    return tab;
}

QWidget* NotebookWindow::makeSolutionTab() {
    auto* tab = new QWidget;
    solution_ = new QTextBrowser(tab);
    solution_->setObjectName("solution");
    solution_->setAccessibleName(QStringLiteral("Rezolvarea aruncarii curente"));
    savePdf_ = new QPushButton(QStringLiteral("Salveaza PDF..."), tab);
    savePdf_->setObjectName("savePdf");
    connect(savePdf_, &QPushButton::clicked, this, &NotebookWindow::savePdf);
    layOut(tab, solution_, {}, {savePdf_});
    showSolution();
    return tab;
}

void NotebookWindow::copySteps() {
    const Throw* current = notebook_.current();
    if (!current)
        return;
    std::vector<std::size_t> rows;
    for (const QModelIndex& index : stepView_->selectionModel()->selectedRows())
        rows.push_back(static_cast<std::size_t>(index.row()));
    if (rows.empty())
        return;
    std::sort(rows.begin(), rows.end()); // selected in any order, copied in the table's
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(StepTable::text(*current, rows, '\t', "\n", locale_)));
}

void NotebookWindow::exportSteps() {
    if (!notebook_.current())
        return;
    // The current throw when the path is chosen: another may have started meanwhile.
    tkqt::saveThroughDialogLater(
        this, QString::fromUtf8(csvTitle), QString::fromUtf8(csvFilter), QStringLiteral("zbor.csv"),
        [this]() -> std::optional<QByteArray> {
            const Throw* current = notebook_.current();
            if (!current)
                return std::nullopt;
            return QByteArray::fromStdString(StepTable::csv(*current, locale_));
        },
        onModalShown);
}

void NotebookWindow::exportHistory() {
    tkqt::saveThroughDialogLater(
        this, QString::fromUtf8(csvTitle), QString::fromUtf8(csvFilter),
        QStringLiteral("istoric.csv"),
        [this]() -> std::optional<QByteArray> {
            return QByteArray::fromStdString(HistoryTable::csv(notebook_.history(), locale_));
        },
        onModalShown);
}

void NotebookWindow::repeatSelected() {
    const QModelIndexList rows = historyView_->selectionModel()->selectedRows();
    if (!rows.isEmpty())
        notebook_.repeat(static_cast<std::size_t>(sortedHistory_->mapToSource(rows[0]).row()));
}

void NotebookWindow::showComparison() {
    QModelIndexList rows = historyView_->selectionModel()->selectedRows();
    if (rows.size() != 2) {
        comparison_->setText(QString::fromUtf8(historyCompareHint));
        return;
    }
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    const auto& history = notebook_.history();
    const auto first = static_cast<std::size_t>(sortedHistory_->mapToSource(rows[0]).row());
    const auto second = static_cast<std::size_t>(sortedHistory_->mapToSource(rows[1]).row());
    if (first < history.size() && second < history.size())
        comparison_->setText(
            QString::fromStdString(compareThrows(history[first], history[second], locale_)));
}

void NotebookWindow::showSolution() {
    const Throw* current = notebook_.current();
    savePdf_->setEnabled(current != nullptr);
    if (current)
        solution_->setHtml(QString::fromStdString(solutionHtml(*current, locale_)));
    else
        solution_->setPlainText(QString::fromUtf8(noSolutionText));
}

void NotebookWindow::savePdf() {
    if (!notebook_.current())
        return;
    tkqt::saveThroughDialogLater(
        this, QStringLiteral("Salveaza PDF"), QStringLiteral("Documente PDF (*.pdf)"),
        QStringLiteral("rezolvare.pdf"),
        [this]() -> std::optional<QByteArray> {
            const Throw* current = notebook_.current();
            if (!current)
                return std::nullopt;
            return solutionPdf(*current);
        },
        onModalShown);
}

QByteArray NotebookWindow::solutionPdf(const Throw& current) const {
    return tkqt::pdfOfHtml(QString::fromStdString(printHtml(current, locale_, std::time(nullptr))),
                           QString::fromUtf8(printTitle));
}

void NotebookWindow::showBeside() {
    if (!placed_) {
        placed_ = true;
        if (QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen())
            resize(size().boundedTo(screen->availableGeometry().size()));
        tkqt::placeBeside(*this, parentWidget());
    }
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void NotebookWindow::setVisible(bool visible) {
    if (visible) {
        // No transient parent: a window-modal dialog of the main window (its Save dialog) blocks
        // the windows it is transient for, and the notebook must stay usable meanwhile.
        if (!testAttribute(Qt::WA_WState_Created))
            create();
        if (QWindow* window = windowHandle())
            window->setTransientParent(nullptr);
    }
    QWidget::setVisible(visible);
    if (visible)
        catchUpSolution(); // launched while the window was closed, on the solution's tab
}

void NotebookWindow::catchUpSolution() {
    if (solutionStale_ && solution_->isVisible()) {
        solutionStale_ = false;
        showSolution();
    }
}

} // namespace lopena
