#pragma once

#include "toolkit/Locale.h"
#include "toolkit/qt/SaveDialog.h"

#include <QFontMetrics>
#include <QStringList>
#include <QWidget>

#include <vector>

class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class QTextBrowser;

namespace lopena {

class GraphPanel;
class HistoryModel;
class Notebook;
struct Throw;
class NotebookSignals;
class StepTableModel;

// The lab notebook beside the main window, in four tabs: the step table of the current throw,
// its graphs, the history of throws and the worked solution. It follows the notebook as the
// ball flies and stays usable while the main window shows one of its dialogs.
class NotebookWindow : public QWidget {
    Q_OBJECT
public:
    // Shows whatever the notebook already holds. The notebook must outlive the window, which
    // the main window owns and deletes.
    NotebookWindow(Notebook& notebook, const tk::Locale& locale, QWidget* mainWindow);
    ~NotebookWindow() override;

    // Shows the window to the right of the main window the first time, on the same screen;
    // afterwards brings it back where the user left it, to the front.
    void showBeside();
    void setVisible(bool visible) override;

    // Runs as each Save dialog or message box opens, for tests.
    tkqt::ModalHook onModalShown;

private:
    QWidget* makeTableTab();
    QWidget* makeHistoryTab();
    QWidget* makeSolutionTab();
    // Widens the step table's columns to their widest text; `fresh`: to that alone, for a new
    // throw.
    void fitStepColumns(bool fresh);
    // Copies the selected rows of the step table, with a header row, tab-separated.
    void copySteps();
    void exportSteps();
    void exportHistory();
    void repeatSelected();
    // Under the history: two selected rows compared, the upper one first; else how to choose them.
    void showComparison();
    void showSolution();
    // Writes the solution a launch left stale while it was hidden, once it is on screen.
    void catchUpSolution();
    void savePdf();
    // The worked solution on an A4 page, with a title, the date and the inputs.
    QByteArray solutionPdf(const Throw& current) const;

    Notebook& notebook_;
    tk::Locale locale_;
    NotebookSignals* events_;
    StepTableModel* steps_;
    HistoryModel* history_;
    QSortFilterProxyModel* sortedHistory_;
    QTableView* stepView_;
    QTableView* historyView_;
    QTextBrowser* solution_;
    QPushButton* exportSteps_;
    QPushButton* repeat_;
    QPushButton* series_;
    QLabel* comparison_;
    QPushButton* savePdf_;
    std::vector<QStringList> widestSteps_; // per column, the texts its width was fitted to
    std::vector<QFontMetricsF> stepFonts_; // of the bold and the bold italic rows
    std::vector<qreal> charWidths_;        // per ASCII character, its widest advance, or -1
    std::vector<int> narrowest_;           // per column, the width of its header or "-0000,000"
    bool following_ = true;                // the step table shows its last row: keep it in sight
    bool placed_ = false;                  // shown once already: keep the user's place
    bool solutionStale_ = false;           // a launch came while the solution was hidden
};

} // namespace lopena
