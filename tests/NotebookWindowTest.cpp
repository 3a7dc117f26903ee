#include "notebook/qt/NotebookWindow.h"
#include "laboratory/frmLab.h"
#include "notebook/Notebook.h"
#include "notebook/qt/HistoryModel.h"
#include "support/HeadlessPlatform.h"

#include <QtCharts>
#include <QtTest>

#include <gtest/gtest.h>

#include <cmath>

namespace {

class NotebookWindowTest : public ::testing::Test {
protected:
    NotebookWindowTest() { window.show(); }
    // Flies a launch (its results those of 50 m/s) as the flight reports it: a step every
    // 0.25 s, then the landing, or the flight cut short.
    void fly(int angle, int steps, double v0 = 50, bool lands = true) {
        const double g = 9.806, vx = v0 * std::cos(angle * M_PI / 180),
                     vy = v0 * std::sin(angle * M_PI / 180);
        notebook.launched({"50", std::to_string(angle), "9.806", "7,21", "254,946", "63,737", "50",
                           50, double(angle), g, vx, vy, 7.21, 254.946, 63.737, 50, 0x3020c0});
        for (int i = 0; i < steps; ++i)
            notebook.stepComputed(0.25 * i, vx * 0.25 * i, (vy - g * 0.125 * i) * 0.25 * i, g);
        lands ? notebook.landed() : notebook.interrupted();
    }
    template <class T = QWidget> T* child(const char* name) { return window.findChild<T*>(name); }
    QAbstractItemModel* steps() { return child<QTableView>("stepTable")->model(); }
    QChart* chart() { return child<QChartView>("chartView")->chart(); }

    QWidget main;
    lopena::Notebook notebook{tk::Locale::romanian()};
    lopena::NotebookWindow window{notebook, tk::Locale::romanian(), &main};
};

TEST_F(NotebookWindowTest, StepsArriveAsMarkedRowsAndCopyWithTheirHeader) {
    QSignalSpy inserted(steps(), &QAbstractItemModel::rowsInserted);
    QSignalSpy resets(steps(), &QAbstractItemModel::modelReset);
    QSignalSpy remarked(steps(), &QAbstractItemModel::dataChanged);
    auto* tabs = child<QTabWidget>("notebookTabs");
    tabs->setCurrentIndex(1); // a hidden graph waits until it is shown
    auto* line = chart()->findChild<QLineSeries*>("currentThrow");
    QSignalSpy appended(line, &QXYSeries::pointAdded);
    fly(45, 20);
    fly(45, 30);
    EXPECT_EQ(appended.count(), 20 + 30) << "a point appended per step, nothing redrawn whole";
    EXPECT_EQ(line->count(), 30);
    EXPECT_EQ(resets.count(), 2) << "a reset per throw, none per step";
    // Steps logged together arrive together: here each throw at its landing.
    EXPECT_EQ(inserted.count(), 2);
    ASSERT_EQ(steps()->rowCount(), 31) << "30 steps and the computed landing";
    EXPECT_EQ(remarked.count(), 2) << "the landing step of each throw, marked";
    using Row = std::tuple<int, bool, bool, const char*>; // row, bold, italic, tooltip
    for (auto [row, bold, italic, tip] :
         {Row{13, false, false, ""}, Row{14, true, false, "Punctul cel mai inalt"},
          Row{29, true, false, "Pasul aterizarii"},
          Row{30, true, true, "Aterizarea calculata din formule"}}) {
        const QModelIndex cell = steps()->index(row, 3);
        const QFont font = cell.data(Qt::FontRole).value<QFont>();
        EXPECT_EQ(std::pair(font.bold(), font.italic()), std::pair(bold, italic)) << row;
        EXPECT_EQ(cell.data(Qt::ToolTipRole).toString(), tip) << row;
    }

    tabs->setCurrentIndex(0);
    auto* view = child<QTableView>("stepTable");
    QApplication::setActiveWindow(&window);
    view->setFocus();
    for (int row : {5, 2}) // copied in the table's order
        view->selectionModel()->select(steps()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
              "n\tt (s)\tx (m)\ty (m)\tvx (m/s)\tvy (m/s)\tv (m/s)\n"
              "2\t0,50\t17,678\t16,452\t35,355\t30,452\t46,662\n"
              "5\t1,25\t44,194\t36,533\t35,355\t23,098\t42,232\n");

    // In flight, the steps logged since the last time arrive a few times a second.
    notebook.launched({});
    for (double t : {0.0, 0.25, 0.5})
        notebook.stepComputed(t, t, t, 9.806);
    QTRY_COMPARE(steps()->rowCount(), 3);
    EXPECT_EQ(inserted.count(), 3);
}

TEST_F(NotebookWindowTest, EveryTabShowsTheLastThrowWhenTheWindowIsShownAgain) {
    const std::function<bool()> current[] = {
        // after 45 and 30 degrees, 12 steps
        [&] { return steps()->rowCount() == 13; }, // and the computed landing
        [&] { return chart()->findChild<QLineSeries*>("currentThrow")->count() == 12; },
        [&] { return child<QTableView>("historyTable")->model()->rowCount() == 6; }, // 3 x 2
        [&] { return child<QTextBrowser>("solution")->toPlainText().contains("sin 30"); }};
    for (int tab = 0; tab < 4; ++tab) {
        fly(45, 30);
        child<QTabWidget>("notebookTabs")->setCurrentIndex(tab);
        window.close();
        fly(30, 12);
        window.show();
        EXPECT_TRUE(current[tab]()) << "tab " << tab;
    }
}

TEST_F(NotebookWindowTest, StepColumnsTakeTheirWidestNumber) {
    fly(45, 40, 40000); // x and y reach 275771,645 and 275305,553: wider than at 50 m/s
    auto* view = child<QTableView>("stepTable");
    for (int row = 0; row < steps()->rowCount(); ++row)
        for (int column = 0; column < steps()->columnCount(); ++column) {
            const QModelIndex cell = steps()->index(row, column);
            const QVariant font = cell.data(Qt::FontRole);
            const QFontMetrics metrics(font.isValid() ? font.value<QFont>() : view->font());
            EXPECT_LE(metrics.horizontalAdvance(cell.data().toString()) + 6,
                      view->columnWidth(column))
                << row << "," << column << ": " << cell.data().toString().toStdString();
        }
}

// The landing has a legend entry only when there was a landing: not for a flight cut short.
TEST_F(NotebookWindowTest, NoLandingEntryWithoutALanding) {
    child<QTabWidget>("notebookTabs")->setCurrentIndex(1);
    auto landingShown = [&] {
        for (QLegendMarker* entry : chart()->legend()->markers())
            if (entry->label() == "Aterizare")
                return entry->isVisible();
        return false;
    };
    fly(45, 30);
    EXPECT_TRUE(landingShown());
    fly(45, 20, 1e38, false);
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(landingShown());
    // x to the 20th step (3.3E+38 m), not to a full log's 5.7E+41 m
    EXPECT_LT(qobject_cast<QValueAxis*>(chart()->axes(Qt::Horizontal).at(0))->max(), 1e39);
}

// A save button, the name its dialog suggests, the path typed, how the file starts ("": refused).
using Save = std::tuple<std::string, std::string, std::string, std::string>;

class NotebookSaveTest : public NotebookWindowTest, public ::testing::WithParamInterface<Save> {};

TEST_P(NotebookSaveTest, GoesThroughTheDialogOrExplainsTheFailure) {
    const auto& [button, suggestion, typed, start] = GetParam();
    fly(45, 30);
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromStdString(typed));
    QString suggested, message;
    window.onModalShown = [&](QWidget* dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(dialog))
            return message = box->text(), box->accept();
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        suggested = name->text();
        name->setText(path);
        static_cast<QDialog*>(dialog)->accept();
    };
    child<QAbstractButton>(button.c_str())->click();
    // The click returns with the dialog open: it holds no loop of its own that a dialog of
    // another window would have to wait for.
    EXPECT_TRUE(window.findChild<QFileDialog*>() && suggested.isEmpty());
    QFile file(path);
    if (start.empty()) // explained, and nothing left behind
        EXPECT_TRUE(QTest::qWaitFor([&] { return message.contains(path); }) &&
                    QDir(dir.path()).isEmpty())
            << message.toStdString();
    else
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return file.open(QIODevice::ReadOnly) && file.readAll().startsWith(start.c_str());
        })) << message.toStdString();
    EXPECT_EQ(suggested.toStdString(), suggestion);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.findChild<QDialog*>(); }));
}

const Save saves[] = {{"exportSteps", "zbor.csv", "z.csv", "n;t (s);x"},
                      {"exportSteps", "zbor.csv", "lipsa/z.csv", ""},
                      {"exportHistory", "istoric.csv", "i.csv", "Culoare;"},
                      {"saveImage", "grafic.png", "g.png", "\x89PNG\r\n"},
                      {"savePdf", "rezolvare.pdf", "r.pdf", "%PDF-"}};
INSTANTIATE_TEST_SUITE_P(Notebook, NotebookSaveTest, ::testing::ValuesIn(saves));

TEST_F(NotebookWindowTest, HistoryRepeatsTheChosenRowWhileTheMainWindowShowsADialog) {
    std::vector<std::string> relaunched;
    notebook.setRequests({[&](const lopena::Throw& t) { relaunched = {t.speed, t.angle, t.gravity}; }, {}});
    for (int angle : {15, 7, 60})
        fly(angle, 3);
    main.show();
    child<QTabWidget>("notebookTabs")->setCurrentIndex(2);
    auto* view = child<QTableView>("historyTable");
    ASSERT_EQ(view->model()->rowCount(), 3);
    view->sortByColumn(2, Qt::DescendingOrder); // by angle: 60, 15, 7 (as text: 7, 60, 15)
    view->selectRow(2);
    // A real click on "Repeta aruncarea" while the main window's Save dialog would be open.
    QDialog dialog(&main);
    dialog.setWindowModality(Qt::WindowModal);
    QTimer::singleShot(0, &dialog, [&] {
        QWidget* repeat = child("repeatThrow");
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                          repeat->mapTo(&window, repeat->rect().center()));
        dialog.reject();
    });
    dialog.exec();
    EXPECT_EQ(relaunched, (std::vector<std::string>{"50", "7", "9.806"}));

    const auto alone = chart()->series().size();
    child<QCheckBox>("compareThrows")->setChecked(true);
    EXPECT_EQ(chart()->series().size(), alone + 2) << "earlier throws beside the current one";
}

// Each row's "Culoare" cell shows its trail's colour, so that a row can be matched to its trail;
// the Laborator's columns join the history at its first throw, empty in the main window's rows.
TEST_F(NotebookWindowTest, HistoryPaintsTheTrailColourOfEachRowAndGainsTheLaboratorsColumns) {
    fly(45, 3); // the colour 0x3020c0: red c0, green 20, blue 30
    child<QTabWidget>("notebookTabs")->setCurrentIndex(2);
    auto* view = child<QTableView>("historyTable");
    QAbstractItemModel* history = view->model();
    const QImage image = view->viewport()->grab(view->visualRect(history->index(0, 0))).toImage();
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            painted += image.pixelColor(x, y) == QColor(0xc0, 0x20, 0x30);
    EXPECT_GE(painted, 100) << "of " << image.width() << " x " << image.height();
    EXPECT_EQ(history->columnCount(), 8);
    physics::Launch in;
    in.v0 = 10;
    in.g = 10; // at 45 degrees: D = 10 m, H = 2.5 m
    lopena::LabThrow lab{*physics::solve(in), {}, {11.0, 2.0, std::nullopt}, 0, ""};
    notebook.labLaunched(lab);
    ASSERT_EQ(history->columnCount(), 13);
    EXPECT_EQ(history->headerData(9, Qt::Horizontal).toString(), "Mediu");
    const double none = -INFINITY; // an empty cell sorts first
    using Cell = std::tuple<int, int, const char*, double>; // row, column, text, sort key
    for (auto [row, column, text, key] :
         {Cell{0, 7, "50,000", 50}, Cell{0, 8, "", none}, Cell{0, 10, "", none}, Cell{1, 8, "0,000", 0},
          Cell{1, 9, "Vid", 0}, Cell{1, 10, "10,0", 10}, Cell{1, 11, "-20,0", -20},
          Cell{1, 12, "", none}}) {
        const QModelIndex cell = history->index(row, column);
        EXPECT_EQ(cell.data().toString().toStdString(), text) << row << " " << column;
        const double sorted = cell.data(lopena::HistoryModel::SortRole).toDouble();
        EXPECT_TRUE(sorted == key || std::fabs(sorted - key) < 1e-9) << row << " " << column;
    }
}

// A throw of the Laborator from its model, as its recorder tells the notebook.
void labThrow(lopena::Notebook& notebook, double v0, double angle, double h0,
              physics::Medium medium = physics::Medium::Vacuum) {
    physics::Launch in;
    in.v0 = v0;
    in.angle = angle;
    in.h0 = h0;
    in.medium = medium;
    in.mass = 0.057; // the tennis ball
    in.diameter = 0.067;
    in.cd = 0.55;
    const lopena::LabThrow lab{*physics::solve(in), {}, {}, 0, ""};
    notebook.labLaunched(lab);
    notebook.labLanded(lab);
}

// The Laborator's series, 20 m/s from 10 m in vacuum, run to its end on the virtual clock:
// "Distanta D(unghi) a seriei" joins its 13 points and marks the best angle,
// atan(20 / sqrt(20^2 + 2 g 10)) = 39,32 degrees.
TEST_F(NotebookWindowTest, TheLaboratorsSeriesIsDrawnAsDOfAlphaWithItsBestAngle) {
    child<QTabWidget>("notebookTabs")->setCurrentIndex(1);
    child<QComboBox>("graphChoice")->setCurrentIndex(4);
    lopena::testing::HeadlessPlatform platform(tk::Locale::romanian());
    lopena::frmLab lab(platform);
    lab.setRecorder(&notebook);
    lab.Load(platform.clock);
    lab.txtLabInaltime.setText("10");
    lab.cmdLabSerie.click();
    for (int ms = 0; ms < 120000 && lab.seriesActive(); ms += 100)
        platform.clock.advance(100);
    ASSERT_FALSE(lab.seriesActive());
    auto* curve = chart()->findChild<QLineSeries*>("seriesCurve");
    auto* best = chart()->findChild<QScatterSeries*>("bestAngle");
    ASSERT_EQ(curve->count(), 13);
    EXPECT_EQ(curve->name().toStdString(), "D(unghi): 20 m/s, h0 10 m, vid");
    EXPECT_EQ(best->name().toStdString(), "unghi optim 39,32\xC2\xB0, D = 49,780 m");
    EXPECT_NEAR(best->at(0).x(), 39.32, 0.005);
    EXPECT_FALSE(chart()->series().contains(chart()->findChild<QLineSeries*>("currentThrow")));
    child<QComboBox>("graphChoice")->setCurrentIndex(0);
    EXPECT_EQ(chart()->series().size(), 3) << "the throw's curve and its two markers again";
}

// Two rows chosen: the lower against the upper, the tennis ball in air after vacuum losing half.
TEST_F(NotebookWindowTest, TwoChosenRowsOfTheHistoryAreComparedUnderIt) {
    labThrow(notebook, 30, 30, 0);
    labThrow(notebook, 30, 30, 0, physics::Medium::QuadraticDrag);
    child<QTabWidget>("notebookTabs")->setCurrentIndex(2);
    auto* view = child<QTableView>("historyTable");
    auto* said = child<QLabel>("historyComparison");
    EXPECT_EQ(view->model()->index(1, 3).data(Qt::ToolTipRole).toString().toStdString(),
              "30 m/s, 30\xC2\xB0, h0 0 m, aer");
    EXPECT_TRUE(said->text().startsWith("Alegeti doua randuri"));
    view->selectRow(1);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      view->visualRect(view->model()->index(0, 2)).center());
    EXPECT_TRUE(said->text().startsWith(
        QString::fromUtf8("Diferente (rand 2 fata de rand 1, in % din rand 1): \xCE\x94"
                          "D = -39,6 m (-49,8 %), \xCE\x94H = ")))
        << said->text().toStdString();
}

} // namespace
