#include "mainwindow/frmmain.h"
#include "toolkit/qt/FormSurface.h"
#include "toolkit/qt/FormView.h"
#include "toolkit/qt/FrameWidget.h"
#include "toolkit/qt/LabelWidget.h"
#include "toolkit/qt/MainWindowHost.h"
#include "toolkit/qt/QtPlatform.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

using lopena::frmmain;

class QtWindowTest : public ::testing::Test {
protected:
    QtWindowTest() {
        w = std::make_unique<frmmain>(platform);
        w->Load(platform.scheduler());
        host = std::make_unique<tkqt::MainWindowHost>(*w, platform);
        host->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(host.get()));
    }
    ~QtWindowTest() override {
        host.reset();
        w.reset();
    }

    template <class T = QWidget> T* widget(const char* name) {
        T* found = host->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QAction* action(const char* name) { return host->findChild<QAction*>(name); }
    QPoint surfacePos(QWidget* child) { return child->mapTo(host->view().surface(), QPoint(0, 0)); }

    tkqt::QtPlatform platform;
    std::unique_ptr<frmmain> w;
    std::unique_ptr<tkqt::MainWindowHost> host;
};

TEST_F(QtWindowTest, WidgetsStandWhereTheLayoutPutsThem) {
    EXPECT_EQ(host->windowTitle(), "Morvak Lopena - Aruncare pe oblica");
    EXPECT_EQ(host->view().surface()->size(), QSize(1016, 492));
    struct Expected {
        const char* name;
        QRect rect; // relative to the client area
    };
    const Expected expected[] = {
        {"Frame1", {8, 360, 417, 121}},    {"Frame2", {432, 360, 249, 121}},
        {"Frame3", {688, 360, 185, 121}},  {"Frame4", {888, 360, 121, 121}},
        {"txtgrav", {208, 384, 57, 19}},   {"cmdFire", {280, 376, 65, 33}},
        {"Command1", {352, 376, 65, 33}},  {"cmdClear", {280, 416, 137, 33}},
        {"txtViteza", {48, 408, 33, 19}},  {"hsbViteza", {112, 408, 145, 17}},
        {"txtUnghi", {48, 432, 33, 19}},   {"HSBRaza", {112, 456, 145, 17}},
        {"Option1_1", {896, 376, 97, 17}}, {"Option1_4", {896, 424, 97, 17}},
    };
    for (const Expected& e : expected) {
        QWidget* wgt = widget(e.name);
        ASSERT_NE(wgt, nullptr);
        EXPECT_EQ(QRect(surfacePos(wgt), wgt->size()), e.rect) << e.name;
    }
    EXPECT_EQ(widget("Label3")->pos(), QPoint(8, 24));
    EXPECT_EQ(widget<tkqt::FrameWidget>("Frame2")->title(), "Rezultate");
    EXPECT_FALSE(widget("chkTrail")->isVisible());
    EXPECT_FALSE(widget("Command1")->isEnabled());
    EXPECT_EQ(widget<QLineEdit>("txtUnghi")->maxLength(), 3);
    EXPECT_TRUE(widget<QLineEdit>("txtRaza")->isReadOnly());
    EXPECT_TRUE(widget<QRadioButton>("Option1_3")->isChecked());
}

TEST_F(QtWindowTest, MenusCarryMarksAndShortcuts) {
    QStringList titles;
    for (QAction* a : host->menuBar()->actions())
        titles << a->text();
    EXPECT_EQ(titles, (QStringList{"&Fisier", "&Vizualizare", "&Ajutor"}));
    EXPECT_TRUE(action("mnutraiect")->isChecked());
    EXPECT_TRUE(action("mnugrid")->isChecked());
    EXPECT_EQ(action("mnugrid")->shortcut(), QKeySequence("Ctrl+G"));
    EXPECT_EQ(action("mnutraiect")->shortcut(), QKeySequence("Ctrl+T"));
    EXPECT_EQ(action("mnuabout")->shortcut(), QKeySequence("Ctrl+D"));
    EXPECT_EQ(action("mnuexit")->shortcut(), QKeySequence("Ctrl+I"));
    EXPECT_EQ(action("mnusave")->text(), "Salveaza rezultate...");

    QTest::keyClick(host.get(), Qt::Key_G, Qt::ControlModifier);
    EXPECT_FALSE(w->mnugrid.Checked());
    EXPECT_FALSE(action("mnugrid")->isChecked());
    EXPECT_FALSE(w->grid(7).Visible());
    QTest::keyClick(host.get(), Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(w->chkTrail.Value(), 0);
    EXPECT_FALSE(action("mnutraiect")->isChecked());
    action("mnutraiect")->trigger();
    EXPECT_TRUE(action("mnutraiect")->isChecked());
    EXPECT_EQ(w->chkTrail.Value(), 1);
}

TEST_F(QtWindowTest, TypingIsCorrectedAtOnce) {
    auto* angle = widget<QLineEdit>("txtUnghi");
    angle->setFocus();
    angle->selectAll();
    QTest::keyClicks(angle, "a");
    EXPECT_EQ(angle->text(), "1");
    EXPECT_EQ(w->txtUnghi.Text(), "1");
    angle->selectAll();
    QTest::keyClicks(angle, "95");
    EXPECT_EQ(angle->text(), "90");
    EXPECT_EQ(w->hsbUnghi.Value(), 45);
}

TEST_F(QtWindowTest, ClickingStartShowsTheResults) {
    QTest::mouseClick(widget("cmdFire"), Qt::LeftButton);
    EXPECT_EQ(widget<tkqt::LabelWidget>("Label5")->text(), "Timp total: 7.21 s");
    EXPECT_EQ(widget<tkqt::LabelWidget>("Label3")->text(), "Distanta parcursa : 254.946 m");
    EXPECT_EQ(widget<tkqt::LabelWidget>("Label6")->text(), "Viteza la impact 50");
    EXPECT_TRUE(widget("Command1")->isEnabled());
    // Self-sizing labels grow with their text.
    EXPECT_GE(widget("Label3")->width(), widget<tkqt::LabelWidget>("Label3")->textWidth());
    EXPECT_GT(widget("Label3")->width(), 83);
    QTest::mouseClick(widget("Command1"), Qt::LeftButton);
    EXPECT_EQ(widget<QPushButton>("Command1")->text(), "Reia");
}

TEST_F(QtWindowTest, EnterAnywherePressesStart) {
    auto* speed = widget<QLineEdit>("txtViteza");
    speed->setFocus();
    QTest::keyClick(speed, Qt::Key_Return);
    EXPECT_TRUE(w->Timer1.Enabled());
    EXPECT_EQ(w->Label5.Caption(), "Timp total: 7.21 s");
}

TEST_F(QtWindowTest, ScrollBarArrowsMoveTheNaturalWay) {
    auto* bar = widget<QScrollBar>("hsbViteza");
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Right);
    EXPECT_EQ(w->hsbViteza.Value(), 51);
    EXPECT_EQ(w->txtViteza.Text(), " 51");
    QTest::keyClick(bar, Qt::Key_Left);
    QTest::keyClick(bar, Qt::Key_Left);
    EXPECT_EQ(w->txtViteza.Text(), " 49");
}

TEST_F(QtWindowTest, RefusedLaunchSelectsTheGravityText) {
    auto* gravity = widget<QLineEdit>("txtgrav");
    gravity->setFocus();
    gravity->selectAll();
    QTest::keyClicks(gravity, "0");
    widget<QLineEdit>("txtViteza")->setFocus();
    QTest::mouseClick(widget("cmdFire"), Qt::LeftButton);
    EXPECT_TRUE(gravity->hasFocus());
    EXPECT_EQ(gravity->selectedText(), "0");
    EXPECT_FALSE(w->Timer1.Enabled());
    EXPECT_EQ(widget<tkqt::LabelWidget>("Label5")->text(), "Timp total");
}

TEST_F(QtWindowTest, FocusStartsInTheAngleBox) {
    QApplication::setActiveWindow(host.get());
    EXPECT_TRUE(widget("txtUnghi")->hasFocus());
}

TEST_F(QtWindowTest, EveryControlHasARomanianAccessibleName) {
    for (tk::Control* control : w->controls()) {
        QWidget* shown = host->view().widgetFor(*control);
        ASSERT_NE(shown, nullptr);
        EXPECT_FALSE(shown->accessibleName().isEmpty()) << control->name();
    }
}

TEST_F(QtWindowTest, KeyboardAloneLaunchesPausesAndOpensAbout) {
    QApplication::setActiveWindow(host.get());
    ASSERT_EQ(QApplication::focusWidget(), widget("txtUnghi"));
    QStringList order;
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(order, (QStringList{"txtViteza", "cmdFire", "hsbViteza", "hsbUnghi", "cmdClear",
                                  "txtgrav", "txtRaza", "HSBRaza", "Option1_3", "txtUnghi"}));

    QTest::keyClick(widget("txtUnghi"), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(widget("txtUnghi"), "60");
    QTest::keyClick(widget("txtUnghi"), Qt::Key_Tab);
    QTest::keyClick(widget("txtViteza"), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(widget("txtViteza"), "40");
    EXPECT_EQ(w->txtUnghi.Text(), "60");
    EXPECT_EQ(w->txtViteza.Text(), "40");
    QTest::keyClick(widget("txtViteza"), Qt::Key_Return);
    ASSERT_TRUE(w->Timer1.Enabled());
    EXPECT_EQ(w->Label8.Caption(), "34.6410161513776"); // 40 m/s at 60 degrees, vertical

    // Stop comes first in the tab order once a flight runs.
    widget("txtUnghi")->setFocus();
    QTest::keyClick(widget("txtUnghi"), Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), widget("Command1"));
    QTest::keyClick(widget("Command1"), Qt::Key_Space);
    EXPECT_EQ(w->Command1.Caption(), "Reia");
    EXPECT_FALSE(w->Timer1.Enabled());
    QTest::keyClick(widget("Command1"), Qt::Key_Space);
    EXPECT_EQ(w->Command1.Caption(), "Stop");
    EXPECT_TRUE(w->Timer1.Enabled());

    widget("Option1_3")->setFocus();
    QTest::keyClick(widget("Option1_3"), Qt::Key_Down);
    EXPECT_EQ(w->shpBall.ShapeCode(), 4);
    EXPECT_TRUE(w->Option1(4).Value());

    bool opened = false;
    platform.onModalShown = [&](QWidget* dialog) {
        opened = true;
        QTest::keyClick(dialog, Qt::Key_Escape);
    };
    QTest::keyClick(host.get(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_TRUE(opened);
    EXPECT_FALSE(w->aboutWindow->loaded());
}

TEST_F(QtWindowTest, LabelUpdatesRepaintNoScene) {
    tkqt::FormSurface* surface = host->view().surface();
    QApplication::processEvents();
    const long long before = surface->itemsPainted();
    w->Label7.setCaption("Coordonata X : 123.45");
    w->Label11.setCaption("6.71096038818359 sec");
    surface->repaint(QRect(688, 360, 185, 121)); // the coordinates frame
    QApplication::processEvents();
    EXPECT_EQ(surface->itemsPainted(), before);
}

TEST_F(QtWindowTest, ATickRepaintsOnlyTheBallAndTheNewDot) {
    tkqt::FormSurface* surface = host->view().surface();
    // A slow flight whose 2000 dots all stay on the surface.
    w->txtViteza.setText("1");
    w->txtUnghi.setText("1");
    w->txtgrav.setText("0.0001");
    w->cmdFire.click();
    for (int i = 0; i < 2000; ++i)
        w->Timer1_Timer();
    QApplication::processEvents();
    surface->repaint();
    const long long full = surface->itemsPainted();
    w->Timer1_Timer();
    QApplication::processEvents();
    const long long tick = surface->itemsPainted() - full;
    EXPECT_LT(tick, 30) << "items drawn for one tick";
    EXPECT_GT(tick, 0);
}

TEST_F(QtWindowTest, ExitItemClosesTheWindow) {
    action("mnuexit")->trigger();
    EXPECT_FALSE(host->isVisible());
    EXPECT_FALSE(w->loaded());
}

TEST(ReportDateTest, LongTimeWithoutTimeZone) {
    for (const char* name : {"ro_RO", "en_US", "de_DE", "C"}) {
        const QString format = tkqt::longTimeFormatWithoutZone(QLocale(name));
        EXPECT_FALSE(format.contains('t')) << name << ": " << format.toStdString();
        EXPECT_TRUE(format.contains("ss")) << name;
    }
    EXPECT_EQ(tkqt::longTimeFormatWithoutZone(QLocale("ro_RO")), "HH:mm:ss");
}

class QtDialogTest : public QtWindowTest {};

TEST_F(QtDialogTest, AboutShowsTheVersionAndClosesWithEnterAndEsc) {
    int openings = 0;
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        platform.onModalShown = [&](QWidget* dialog) {
            ++openings;
            EXPECT_EQ(dialog->size(), QSize(382, 237));
            EXPECT_EQ(dialog->windowTitle(), "Despre...");
            EXPECT_EQ(dialog->findChild<tkqt::LabelWidget*>("lblVersion")->text(),
                      "Versiunea 1.0.3");
            EXPECT_EQ(dialog->focusWidget(), dialog->findChild<QPushButton*>("cmdOK"));
            QTest::keyClick(dialog, key);
        };
        action("mnuabout")->trigger();
        EXPECT_FALSE(w->aboutWindow->loaded());
    }
    EXPECT_EQ(openings, 2);
}

TEST_F(QtDialogTest, MainWindowRefusesInputWhileAboutIsOpenAndAFlightLands) {
    w->txtViteza.setText("1");
    w->txtUnghi.setText("1");
    w->cmdFire.click(); // lands on the second tick, 200 ms on
    bool landedWhileOpen = false;
    platform.onModalShown = [&](QWidget* dialog) {
        EXPECT_TRUE(dialog->isModal());
        // A real window-system click on Start, delivered to the main window's QWindow.
        QWidget* start = widget("cmdFire");
        const QPoint at = start->mapTo(host.get(), start->rect().center());
        const float timeBefore = w->sngTime;
        QTest::qWait(400);
        landedWhileOpen =
            !w->Timer1.Enabled() && w->Label7.Caption().rfind("Coordonata X : ", 0) == 0;
        QTest::mouseClick(host->windowHandle(), Qt::LeftButton, {}, at);
        QTest::qWait(20);
        EXPECT_FALSE(w->Timer1.Enabled()) << "Start reached the blocked window";
        EXPECT_GE(w->sngTime, timeBefore);
        QTest::keyClick(dialog, Qt::Key_Escape);
    };
    action("mnuabout")->trigger();
    EXPECT_TRUE(landedWhileOpen);
    EXPECT_EQ(w->Label7.Caption(), "Coordonata X : 0.004 m");
}

TEST_F(QtDialogTest, SaveWritesTheReportThroughTheDialog) {
    QTemporaryDir dir;
    const QString path = dir.filePath("raport");
    w->cmdFire.click();
    platform.onModalShown = [&](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        EXPECT_EQ(files->windowTitle(), "Salveaza ca...");
        EXPECT_EQ(files->nameFilters(), QStringList{"Fisiere text (*.txt)"});
        EXPECT_EQ(files->defaultSuffix(), "");
        EXPECT_TRUE(files->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(files->directory().absolutePath(), QDir::home().absolutePath());
        EXPECT_TRUE(files->isModal());
        files->selectFile(path);
        static_cast<QDialog*>(files)->accept();
    };
    action("mnusave")->trigger();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_EQ(text.count("\r\n"), 8);
    EXPECT_TRUE(text.endsWith("Timp total: 7.21 s\r\nViteza la impact 50\r\n"));
    EXPECT_TRUE(text.startsWith("Raport creat de Morvak Aplicatie Lopena-Aruncarea oblica la "));
}

// The dialog itself never returns a folder; a folder path is refused one level down.
struct FailingPath {
    const char* name;
    const char* path; // relative to a fresh folder, or absolute
};

class UnwritableReportTest : public QtWindowTest,
                             public ::testing::WithParamInterface<FailingPath> {};

TEST_P(UnwritableReportTest, IsExplainedAndTheWindowGoesOn) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("dosar"));
    const QString path = QDir(dir.path()).absoluteFilePath(GetParam().path);
    QString message;
    platform.onModalShown = [&](QWidget* dialog) {
        if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
            files->selectFile(path);
            static_cast<QDialog*>(files)->accept();
            if (files->isVisible()) // the dialog would not take this path: fail, do not hang
                files->reject();
        } else if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            message = box->text();
            box->accept();
        }
    };
    action("mnusave")->trigger();
    EXPECT_TRUE(message.contains(path)) << message.toStdString();
    EXPECT_TRUE(message.contains("Motiv: ")) << message.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"dosar"});
    QTest::mouseClick(widget("cmdFire"), Qt::LeftButton);
    EXPECT_TRUE(w->Timer1.Enabled());
}

INSTANTIATE_TEST_SUITE_P(Report, UnwritableReportTest,
                         ::testing::Values(FailingPath{"missing_folder", "lipsa/raport.txt"},
                                           FailingPath{"full_disk", "/dev/full"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
