#include "mainwindow/frmmain.h"
#include "support/VersionText.h"
#include "support/VirtualClock.h"
#include "toolkit/qt/FormSurface.h"
#include "toolkit/qt/DigitGlyphs.h"
#include "toolkit/qt/DigitTiles.h"
#include "toolkit/qt/FormView.h"
#include "toolkit/qt/FrameWidget.h"
#include "toolkit/qt/LabelWidget.h"
#include "toolkit/qt/LineBatch.h"
#include "toolkit/qt/MainWindowHost.h"
#include "toolkit/qt/QtPlatform.h"
#include "toolkit/qt/QtSettings.h"
#include "toolkit/qt/WindowHost.h"
#include "toolkit/NumberParsing.h"

#include <QTest>
#include <QtWidgets>

#include <gtest/gtest.h>

#include <memory>

namespace {

using lopena::frmmain;

// The main window on a virtual clock: time moves only when a test advances it.
class QtWindowTest : public ::testing::Test {
protected:
    QtWindowTest() {
        w = std::make_unique<frmmain>(platform);
        w->Load(clock);
        host = std::make_unique<tkqt::MainWindowHost>(*w, platform);
        host->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(host.get()));
    }

    template <class T = QWidget> T* widget(const char* name, QWidget* in = nullptr) {
        T* found = (in ? in : host.get())->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // What a self-drawn label shows.
    QString text(const char* name, QWidget* in = nullptr) {
        return static_cast<tkqt::LabelWidget*>(widget(name, in))->text();
    }
    QAction* action(const char* name) { return host->findChild<QAction*>(name); }
    // The Laborator's windows in sight.
    static QList<tkqt::WindowHost*> labs() {
        QList<tkqt::WindowHost*> found;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* lab = qobject_cast<tkqt::WindowHost*>(top); lab && lab->isVisible())
                found << lab;
        return found;
    }

    tk::VirtualClock clock;
    tkqt::QtPlatform platform{clock};
    std::unique_ptr<frmmain> w;
    std::unique_ptr<tkqt::MainWindowHost> host;
};

// Where the widgets stand is checked by the scale test, from the same window.
TEST_F(QtWindowTest, WidgetsShowTheLayoutsSettings) {
    EXPECT_EQ(host->windowTitle(), "Morvak Lopena - Aruncare pe oblica");
    EXPECT_EQ(static_cast<tkqt::FrameWidget*>(widget("Frame2"))->title(), "Rezultate");
    EXPECT_EQ(widget("Label3")->pos(), QPoint(8, 24)); // in its frame
    EXPECT_FALSE(widget("chkTrail")->isVisible());
    EXPECT_FALSE(widget("Command1")->isEnabled());
    EXPECT_EQ(widget<QLineEdit>("txtUnghi")->maxLength(), 3);
    EXPECT_TRUE(widget<QLineEdit>("txtRaza")->isReadOnly());
    EXPECT_TRUE(widget<QRadioButton>("Option1_3")->isChecked());
    for (tk::Control* control : w->controls()) { // assistive technology reads every control
        QWidget* shown = host->view().widgetFor(*control);
        EXPECT_FALSE(
            QAccessible::queryAccessibleInterface(shown)->text(QAccessible::Name).isEmpty())
            << control->name();
    }
}

TEST_F(QtWindowTest, MenusCarryMarksAndShortcuts) {
    QStringList titles;
    for (QAction* a : host->menuBar()->actions())
        titles << a->text();
    EXPECT_EQ(titles, (QStringList{"&Fisier", "&Vizualizare", "&Ajutor"}));
    EXPECT_TRUE(action("mnutraiect")->isChecked());
    EXPECT_TRUE(action("mnugrid")->isChecked());
    for (auto [name, keys] : {std::pair{"mnugrid", "Ctrl+G"},
                              {"mnutraiect", "Ctrl+T"},
                              {"mnuabout", "Ctrl+D"},
                              {"mnuexit", "Ctrl+I"}})
        EXPECT_EQ(action(name)->shortcut(), QKeySequence(keys)) << name;
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

TEST_F(QtWindowTest, RefusedLaunchSelectsTheGravityTextAndALaunchShowsTheResults) {
    auto* gravity = widget<QLineEdit>("txtgrav");
    gravity->setFocus();
    gravity->selectAll();
    QTest::keyClicks(gravity, "0");
    widget("txtViteza")->setFocus();
    QTest::mouseClick(widget("cmdFire"), Qt::LeftButton);
    EXPECT_TRUE(gravity->hasFocus());
    EXPECT_EQ(gravity->selectedText(), "0");
    EXPECT_FALSE(w->Timer1.Enabled());
    EXPECT_EQ(text("Label5"), "Timp total");

    QTest::keyClicks(gravity, "9.806");
    QTest::mouseClick(widget("cmdFire"), Qt::LeftButton);
    EXPECT_EQ(text("Label3"), "Distanta parcursa : 254.946 m");
    // Self-sizing labels grow with their text.
    EXPECT_GE(widget("Label3")->width(),
              static_cast<tkqt::LabelWidget*>(widget("Label3"))->textWidth());
    EXPECT_GT(widget("Label3")->width(), 83);
    QTest::mouseClick(widget("Command1"), Qt::LeftButton);
    EXPECT_EQ(widget<QPushButton>("Command1")->text(), "Reia");
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

    // Typing is corrected at once, in the box as well, and never moves the bar.
    auto* angle = widget<QLineEdit>("txtUnghi");
    QTest::keyClick(angle, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(angle, "95");
    EXPECT_EQ(angle->text(), "90");
    QTest::keyClick(angle, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(angle, "60");
    QTest::keyClick(angle, Qt::Key_Tab);
    QTest::keyClick(widget("txtViteza"), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(widget("txtViteza"), "2,5"); // a decimal typed key by key stays
    EXPECT_EQ(w->txtViteza.Text(), "2,5");
    // Text written by assistive technology is checked and used like typed text.
    auto* speedReader = QAccessible::queryAccessibleInterface(widget("txtViteza"));
    speedReader->setText(QAccessible::Value, "0");
    EXPECT_EQ(widget<QLineEdit>("txtViteza")->text(), "1");
    speedReader->setText(QAccessible::Value, "40");
    EXPECT_EQ(w->txtUnghi.Text(), "60");
    EXPECT_EQ(w->txtViteza.Text(), "40");
    EXPECT_EQ(w->hsbUnghi.Value(), 45);
    QTest::keyClick(widget("txtViteza"), Qt::Key_Return); // Enter anywhere presses Start
    ASSERT_TRUE(w->Timer1.Enabled());
    EXPECT_EQ(w->Label8.Caption(), "34.6410161513776"); // 40 m/s at 60 degrees, vertical

    // Stop comes first in the tab order once a flight runs.
    angle->setFocus();
    QTest::keyClick(angle, Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), widget("Command1"));
    QTest::keyClick(widget("Command1"), Qt::Key_Return); // Enter presses the focused button
    EXPECT_EQ(w->Command1.Caption(), "Reia");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(widget("Command1"))->text(QAccessible::Name),
              "Reia");
    EXPECT_FALSE(w->Timer1.Enabled());
    QTest::keyClick(widget("Command1"), Qt::Key_Space);
    EXPECT_EQ(w->Command1.Caption(), "Stop");
    EXPECT_TRUE(w->Timer1.Enabled());

    // Arrow keys move a bar the natural way and choose the ball's shape.
    QTest::keyClick(widget("hsbViteza"), Qt::Key_Right);
    EXPECT_EQ(widget<QLineEdit>("txtViteza")->text(), " 51");
    QTest::keyClick(widget("hsbViteza"), Qt::Key_Left);
    QTest::keyClick(widget("hsbViteza"), Qt::Key_Left);
    EXPECT_EQ(w->txtViteza.Text(), " 49");
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

// Labels are opaque and the trail settles into a cached layer: neither a caption nor a tick
// repaints the scene beneath.
TEST_F(QtWindowTest, ATickRepaintsOnlyTheBallAndTheNewDotAndACaptionNothingOfTheScene) {
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
    w->Label7.setCaption("Coordonata X : 123.45");
    w->Label11.setCaption("6.71096038818359 sec");
    surface->repaint(QRect(688, 360, 185, 121)); // the coordinates frame
    QApplication::processEvents();
    EXPECT_EQ(surface->itemsPainted(), full + tick);
}

// A Laborator flight with its arrows, repainted tick by tick through the window's own repaints
// (the places a tick changes handed to Qt as the window is about to repaint), pictures of the
// surface taken in between, leaves in the window's picture the scene painted whole, to a level of
// rounding (a settled dot is blended again into the trail's layer).
TEST_F(QtWindowTest, ATickByTickFlightLeavesTheScenePaintedWhole) {
    action("mnulab")->trigger();
    ASSERT_EQ(labs().size(), 1);
    tkqt::WindowHost* host = labs().front();
    lopena::frmLab& lab = *w->labWindow;
    lab.chkLabVectori.setValue(1);
    lab.chkLabFantoma.setValue(1);
    lab.cmdLabStart.click();
    tkqt::FormSurface* surface = host->view().surface();
    for (int i = 0; i < 12 && lab.flying(); ++i) {
        clock.advance(100);
        if (i % 3 == 2)
            surface->grab(); // a picture taken between a tick and the window's repaint
        QApplication::processEvents();
    }
    ASSERT_TRUE(lab.flying());
    const auto* picture = dynamic_cast<QImage*>(host->backingStore()->paintDevice());
    ASSERT_NE(picture, nullptr);
    const QImage shown = picture->copy(QRect(surface->mapTo(host, QPoint(0, 0)), surface->size()))
                             .convertToFormat(QImage::Format_RGB32);
    const QImage whole = surface->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), whole.size());
    int stale = 0;
    for (int y = 0; y < whole.height(); ++y)
        for (int x = 0; x < whole.width(); ++x) {
            const QRgb a = shown.pixel(x, y), b = whole.pixel(x, y);
            stale += std::abs(qRed(a) - qRed(b)) > 2 || std::abs(qGreen(a) - qGreen(b)) > 2 ||
                     std::abs(qBlue(a) - qBlue(b)) > 2;
        }
    EXPECT_EQ(stale, 0);
}

// The scene painted a small place at a time (grid lines drawn across each place only) shows the
// pixels of the scene painted whole, mid-flight.
TEST_F(QtWindowTest, TheScenePaintedInSmallPlacesIsTheScenePaintedWhole) {
    w->cmdFire.click();
    for (int i = 0; i < 12; ++i)
        w->Timer1_Timer();
    tkqt::FormSurface* surface = host->view().surface();
    const QImage whole = surface->grab().toImage();
    QImage pieces(whole.size(), whole.format());
    pieces.fill(Qt::white);
    for (int y = 0; y < whole.height(); y += 29)
        for (int x = 0; x < whole.width(); x += 37)
            surface->render(&pieces, QPoint(x, y), QRegion(x, y, 37, 29));
    EXPECT_EQ(pieces, whole);
}

// Lines straight across or down, 1 px wide, are filled as rectangles: the pixels Qt's own line
// drawing gives, fractional ends and places included; the others are Qt's.
TEST(LineBatchTest, LinesFilledAcrossAndDownShowQtsLinePixels) {
    const QLineF lines[] = {{3, 5, 40, 5},          {40, 7.25, 3, 7.25},   {12.25, 9.5, 12.75, 9.5},
                            {0.49, 12.999, 33.5, 12.999}, {12.51, 14, 13.49, 14}, {-3, 20.5, 70, 20.5},
                            {5, 0, 5, 63},          {9.75, 40, 9.75, 12.5},  {31.4999, 2.0078, 31.4999, 30.992},
                            {20, -0.25, 50, -0.25}, {8, 8, 8, 8},          {2, 50, 60, 58}};
    for (const QLineF& line : lines) {
        QImage batched(64, 64, QImage::Format_RGB32), drawn(64, 64, QImage::Format_RGB32);
        batched.fill(Qt::white);
        drawn.fill(Qt::white);
        {
            QPainter painter(&batched);
            tkqt::LineBatch batch(painter);
            batch.add(QColor(200, 100, 50), 1, line);
        }
        QPainter painter(&drawn);
        QPen pen(QColor(200, 100, 50), 1);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(line);
        painter.end();
        EXPECT_EQ(batched, drawn) << line.x1() << "," << line.y1() << " " << line.x2() << "," << line.y2();
    }
}

// A caption whose number is set from the font's digit glyphs shows the pixels of the whole text
// shaped at once, at every number a flight writes, and after the words around it change.
TEST(LabelWidgetTest, NumbersFromDigitGlyphsShowTheShapedTextsPixels) {
    tkqt::LabelWidget label;
    label.resize(300, 17);
    const auto shown = [&label] {
        QImage image(label.size(), QImage::Format_ARGB32);
        label.render(&image);
        return image;
    };
    const auto shaped = [&label](const QString& text) {
        QImage image(label.size(), QImage::Format_ARGB32);
        image.fill(label.palette().color(label.backgroundRole()));
        QPainter painter(&image);
        painter.setFont(label.font());
        painter.setPen(label.palette().color(QPalette::Active, QPalette::WindowText));
        QStaticText whole(text);
        whole.setTextFormat(Qt::PlainText);
        painter.drawStaticText(QPointF(0, 0), whole);
        return image;
    };
    for (const char* text : {"Coordonata X : 132.58", "Coordonata Y : -0.07", "Momentul 3.21096038818359 sec",
                             "x = 49,780 m", "vy = -14,142 m/s", "t = 1,5E-05 s", "6.71", "Timp total: 7.21 s",
                             "Viteza: 50 m/s, Unghi: 45", "t urcare =", "t urcare = 1,186 s",
                             "unghi la impact = 56.09°", "in vid: V = 20.000 m/s", "vx0 = -14.142 m/s", "g (m/s2)", "x-2",
                             "fara numar"}) {
        label.setText(QString::fromUtf8(text));
        EXPECT_EQ(shown(), shaped(label.text())) << text;
    }
}

// A number copied from pictures of its glyphs shows Qt's pixels, at every place within a pixel,
// in each picture format a window paints into, in two fonts, and within a part of the caption;
// where it cannot (glyphs inking into each other, a scaled painter) it paints nothing.
TEST(DigitTilesTest, ANumberCopiedFromGlyphPicturesShowsQtsPixels) {
    QFont bold = QApplication::font();
    bold.setPointSize(15), bold.setBold(true);
    const QColor ink(20, 30, 120), paper(250, 245, 230);
    int copied = 0;
    for (const QFont& font : {QApplication::font(), bold})
        for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied})
            for (int sixteenth = 0; sixteenth < 16; ++sixteenth)
                for (const char* number : {"-14.142", "0.000", "987,65", "1.5E-05", "+20"}) {
                    const tkqt::DigitGlyphs digits(font);
                    const qreal x = 3 + sixteenth / 16.0, baseline = QFontMetricsF(font).ascent();
                    const int height = static_cast<int>(std::ceil(QFontMetricsF(font).height()));
                    const QRect area(sixteenth % 4 == 0 ? 0 : 9, 0, sixteenth % 4 == 0 ? 160 : 30, height);
                    const auto paint = [&](bool fromPictures) {
                        QImage image(160, height, format);
                        image.fill(paper);
                        QPainter painter(&image);
                        painter.setClipRect(area);
                        painter.setPen(ink);
                        const tkqt::DigitTiles::Caption caption{digits, height, baseline, ink, paper};
                        if (!fromPictures ||
                            !tkqt::DigitTiles::paint(painter, caption, QString::fromLatin1(number), x, area,
                                                     area.left(), area.right() + 1))
                            painter.drawGlyphRun(QPointF(0, baseline), digits.run(QString::fromLatin1(number), x));
                        else
                            ++copied;
                        return image;
                    };
                    EXPECT_EQ(paint(true), paint(false)) << number << " at " << x << " in " << format;
                }
    EXPECT_GT(copied, 2 * 2 * 16 * 5 / 2); // mostly copied, not left to Qt

    QImage image(100, 20, QImage::Format_RGB32);
    image.fill(paper);
    const QImage before = image;
    QPainter scaled(&image);
    scaled.scale(2, 2);
    const tkqt::DigitGlyphs digits(QApplication::font());
    const tkqt::DigitTiles::Caption caption{digits, 20, 14, ink, paper};
    EXPECT_FALSE(tkqt::DigitTiles::paint(scaled, caption, u"12", 0, QRect(0, 0, 100, 20), 0, 100));
    scaled.end();
    EXPECT_EQ(image, before);
}

// A live caption repaints only the characters of its number that changed (the words after it too
// where its width changed): what it then shows is the new text painted whole, along a flight's
// numbers, a longer number, a sign that comes and goes, a caption without a number and numbers
// touching the words, whose ink the repainted place then takes in.
TEST(LabelWidgetTest, ANumberRepaintedWhereItChangedShowsTheWholeNewText) {
    QWidget window;
    auto* label = new tkqt::LabelWidget(&window);
    label->setGeometry(0, 0, 200, 17);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const auto painted = [label] {
        QImage image(label->size(), QImage::Format_ARGB32_Premultiplied);
        label->render(&image);
        return image;
    };
    struct Repainted : QObject {
        QRegion place;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint)
                place += static_cast<QPaintEvent*>(event)->region();
            return false;
        }
    } repainted;
    label->installEventFilter(&repainted);
    label->setText("vx = 8.461 m/s");
    QApplication::processEvents();
    QImage shown = painted();
    for (const char* text :
         {"vx = 8.263 m/s", "vx = 8.269 m/s", "vx = 18.269 m/s", "vx = 11.111 m/s",
          "vx = -1.111 m/s", "vx = 7.111 m/s", "vy = 7.111 m/s", "fara numar", "t = 0.000 s",
          "vx=8.11m/s", "vx=1.12m/s", "vx=1.17m/s", "vx1.17m/s", "vx2.17m/s"}) {
        repainted.place = {};
        label->setText(QString::fromUtf8(text));
        QApplication::processEvents();
        ASSERT_FALSE(repainted.place.isEmpty()) << text;
        // Into the picture as the window's buffer takes it: the place alone, where it stands.
        label->render(&shown, repainted.place.boundingRect().topLeft(), repainted.place);
        EXPECT_EQ(shown, painted()) << text;
    }
}

// About shows the version with OK focused and blocks the main window alone, whichever window is
// active: the notebook, a window of its own beside it, stays usable. A second request leaves the
// open one; Enter, Esc and the title bar each close it.
TEST_F(QtWindowTest, AboutIsModalToTheMainWindowAloneAndOneAtATime) {
    QWidget notebook(host.get(), Qt::Window), elsewhere;
    auto* button = new QPushButton("Tabel", &notebook);
    int pressed = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++pressed; });
    notebook.show();
    elsewhere.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&notebook) &&
                QTest::qWaitForWindowExposed(&elsewhere));
    const auto click = [](QWidget* target) { // as the window system delivers it
        QTest::mouseClick(target->window()->windowHandle(), Qt::LeftButton, {},
                          target->mapTo(target->window(), target->rect().center()));
    };
    for (auto [active, key] : {std::pair<QWidget*, int>{&notebook, Qt::Key_Return},
                               {&elsewhere, Qt::Key_Escape},
                               {&notebook, 0}}) {
        int shown = 0;
        platform.onModalShown = [&, key = key](QWidget* dialog) {
            if (++shown > 1)
                return static_cast<QDialog*>(dialog)->done(0);
            EXPECT_EQ(dialog->parentWidget(), host.get());
            EXPECT_EQ(dialog->size(), QSize(382, 237));
            EXPECT_EQ(dialog->windowTitle(), "Despre...");
            EXPECT_EQ(text("lblVersion", dialog).toStdString(), lopena::testing::versionText());
            EXPECT_EQ(dialog->focusWidget(), widget("cmdOK", dialog));
            click(widget("cmdFire"));
            QTest::keyClick(host->windowHandle(), Qt::Key_G, Qt::ControlModifier);
            click(button);
            action("mnuabout")->trigger(); // a second request
            EXPECT_TRUE(dialog->isVisible());
            if (key)
                QTest::keyClick(dialog, Qt::Key(key));
            else
                dialog->close();
            EXPECT_FALSE(dialog->isVisible()) << key;
            static_cast<QDialog*>(dialog)->done(0);
        };
        QApplication::setActiveWindow(active);
        action("mnuabout")->trigger();
        EXPECT_EQ(shown, 1);
        EXPECT_FALSE(w->aboutWindow->loaded());
        EXPECT_FALSE(w->Timer1.Enabled()) << "Start pressed behind About";
        EXPECT_TRUE(w->mnugrid.Checked()) << "Ctrl+G behind About";
        EXPECT_FALSE(QApplication::activeModalWidget());
    }
    EXPECT_EQ(pressed, 3) << "the notebook refused a click";
}

// "Iesire" ends the event loop, also with the notebook, About asked for twice (1), or a window of
// no owner open (2).
class QtExitTest : public QtWindowTest, public ::testing::WithParamInterface<int> {};
TEST_P(QtExitTest, EndsTheProgram) {
    (new QWidget(host.get(), Qt::Window))->show(); // the notebook
    QWidget alone;
    alone.setVisible(GetParam() == 2);
    platform.onModalShown = [&](QWidget*) {
        action("mnuabout")->trigger();
        action("mnuexit")->trigger();
    };
    QTimer::singleShot(0, host.get(),
                       [&] { action(GetParam() == 1 ? "mnuabout" : "mnuexit")->trigger(); });
    QTimer watchdog; // only a program that would not end meets it
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(20000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(host->isVisible());
    EXPECT_FALSE(w->loaded() || (w->aboutWindow && w->aboutWindow->loaded()));
}
INSTANTIATE_TEST_SUITE_P(, QtExitTest, ::testing::Values(0, 1, 2));

TEST(ReportDateTest, LongTimeWithoutTimeZone) {
    for (const char* name : {"ro_RO", "en_US", "de_DE", "C"}) {
        const QString format = tkqt::longTimeFormatWithoutZone(QLocale(name));
        EXPECT_FALSE(format.contains('t')) << name << ": " << format.toStdString();
        EXPECT_TRUE(format.contains("ss")) << name;
    }
    EXPECT_EQ(tkqt::longTimeFormatWithoutZone(QLocale("ro_RO")), "HH:mm:ss");
}

// A path the file cannot be written to is explained; then the report is written as chosen.
TEST_F(QtWindowTest, SaveWritesTheReportThroughTheDialogOrExplainsWhyNot) {
    QTemporaryDir dir;
    QString path = dir.filePath("lipsa/raport"), message;
    w->cmdFire.click();
    platform.onModalShown = [&](QWidget* dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            message = box->text();
            return box->accept();
        }
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        EXPECT_EQ(files->windowTitle(), "Salveaza ca...");
        EXPECT_EQ(files->nameFilters(), QStringList{"Fisiere text (*.txt)"});
        EXPECT_EQ(files->defaultSuffix(), "");
        EXPECT_TRUE(files->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(files->directory().absolutePath(), QDir::home().absolutePath());
        files->selectFile(path);
        static_cast<QDialog*>(files)->accept();
    };
    action("mnusave")->trigger();
    EXPECT_TRUE(message.contains(path) && message.contains("Motiv: ")) << message.toStdString();
    path = dir.filePath("raport");
    action("mnusave")->trigger();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray report = file.readAll();
    EXPECT_EQ(report.count("\r\n"), 8);
    EXPECT_TRUE(report.endsWith("Timp total: 7.21 s\r\nViteza la impact 50\r\n"));
    EXPECT_TRUE(report.startsWith("Raport creat de Morvak Aplicatie Lopena-Aruncarea oblica la "));

    // Choosing it again asks first; "Nu", the default, brings the dialog back, then Cancel.
    int asked = 0, dialogs = 0;
    platform.onModalShown = [&](QWidget* dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            ++asked;
            EXPECT_EQ(box->defaultButton()->text(), "&Nu");
            return box->defaultButton()->click();
        }
        auto* files = static_cast<QFileDialog*>(dialog);
        if (++dialogs == 2)
            return files->reject();
        files->selectFile(path);
        static_cast<QDialog*>(files)->accept();
    };
    w->txtViteza.setText("70");
    w->cmdFire.click();
    action("mnusave")->trigger();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(dialogs, 2);
    ASSERT_TRUE(file.seek(0));
    EXPECT_EQ(file.readAll(), report);
}

} // namespace

namespace {

// The Laborator: Ctrl+Y opens it as a window of its own beside the main one, once; it throws
// and flies on the same clock, and goes with the main window.
TEST_F(QtWindowTest, LaboratorOpensBesideOnceFliesAndClosesWithTheMainWindow) {
    EXPECT_EQ(action("mnulab")->shortcut(), QKeySequence("Ctrl+Y"));
    QTest::keyClick(host.get(), Qt::Key_Y, Qt::ControlModifier);
    action("mnulab")->trigger();
    ASSERT_EQ(labs().size(), 1);
    tkqt::WindowHost* lab = labs().front();
    EXPECT_EQ(lab->windowTitle(), "Laborator - aruncarea corpurilor");
    const std::string sep = platform.locale().decimalSeparator;
    QTest::mouseClick(widget<QPushButton>("cmdLabStart", lab), Qt::LeftButton);
    clock.advance(2900);
    EXPECT_EQ(text("lblLabLive_0", lab).toStdString(), "t = 2" + sep + "883 s");
    EXPECT_EQ(w->labWindow->shpLabUrma.Count(), 30);
    // Made taller than wide, it lays the Laborator out tall, its scene as wide as the window
    // left of the scroll bar; made wide again, the window's own layout.
    const auto surface = [&] { return lab->findChild<tkqt::FormSurface*>()->size(); };
    lab->resize(420, 880);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->labWindow->layout() == tk::Layout::Tall; }));
    EXPECT_LT(surface().width(), 420);
    EXPECT_GT(surface().width(), 390);
    EXPECT_GT(surface().height(), 880); // it scrolls
    lab->resize(1016, 630);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->labWindow->layout() == tk::Layout::Wide; }));
    EXPECT_EQ(surface(), QSize(1016, 630));
    QTest::mouseClick(widget<QPushButton>("cmdFire"), Qt::LeftButton);
    EXPECT_TRUE(w->Timer1.Enabled()); // the main window flies beside it
    QPointer<QWidget> alive(lab);
    host->close();
    EXPECT_TRUE(alive.isNull() || !alive->isVisible());
    EXPECT_FALSE(w->labWindow->loaded());
}

// "Probleme" opens by its shortcut as a window of its own; typed answers are judged beside
// their boxes, and "Vezi in Laborator" flies the exercise there.
TEST_F(QtWindowTest, ProblemeOpensJudgesTypedAnswersAndFliesTheExercise) {
    EXPECT_EQ(action("mnuprob")->shortcut(), QKeySequence("Ctrl+E"));
    action("mnuprob")->trigger();
    QWidget* window = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->windowTitle() == "Probleme - exercitii de aruncare")
            window = top;
    ASSERT_TRUE(window);
    auto* pupil = widget<QLineEdit>("txtProbElev", window);
    pupil->clear();
    QTest::keyClicks(pupil, "7");
    const std::string sep = platform.locale().decimalSeparator;
    QTest::keyClicks(widget<QLineEdit>("txtProbRaspuns_0", window),
                     QString::fromStdString("0" + sep + "391"));
    QTest::mouseClick(widget<QPushButton>("cmdProbVerifica", window), Qt::LeftButton);
    EXPECT_EQ(text("lblProbVerdict_0", window), "Corect");
    QTest::mouseClick(widget<QPushButton>("cmdProbLaborator", window), Qt::LeftButton);
    ASSERT_TRUE(w->labWindow && w->labWindow->flying());
    EXPECT_EQ(w->labWindow->lblLabT.Caption(), "T = 0" + sep + "391 s");
}

// The answers go to the user's settings file at once, where a value that is not a text is read
// as none; "Sterge progresul" asks over the Probleme window alone; "Fisa de lucru..." for pupils
// 1 to 3 asks a file name and writes a PDF of three pages, one per pupil, whose text pdftotext
// (poppler-utils) reads back.
TEST_F(QtWindowTest, ProblemeKeepsAnswersInTheUsersSettingsAndWritesTheWorksheetAsPdf) {
    action("mnuprob")->trigger();
    lopena::frmProbleme& problems = *w->problemsWindow;
    problems.txtProbElev.setText("2");
    problems.txtProbRaspuns(0).setText("0,4");
    tkqt::QtSettings settings;
    EXPECT_EQ(settings.value("probleme/elev"), "2");
    QFile file(QSettings(QStringLiteral("Morvak"), QStringLiteral("Lopena")).fileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("0,4")) << file.fileName().toStdString();
    QSettings(QStringLiteral("Morvak"), QStringLiteral("Lopena"))
        .setValue(QStringLiteral("probleme/clasa"), QStringList{"9B", "9C"});
    EXPECT_EQ(settings.value("probleme/clasa"), std::nullopt);
    platform.onModalShown = [&](QWidget* dialog) {
        auto* question = qobject_cast<QMessageBox*>(dialog);
        ASSERT_TRUE(question && question->defaultButton() == question->button(QMessageBox::No));
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr); // the main window goes on
        question->button(QMessageBox::Yes)->click();
    };
    problems.cmdProbSterge.click();
    EXPECT_EQ(problems.txtProbRaspuns(0).Text(), "");

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fise.pdf"));
    platform.onModalShown = [&](QWidget* dialog) {
        if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit")) {
            name->setText(path);
            return static_cast<QDialog*>(dialog)->accept();
        }
        auto* pupils = widget<QLineEdit>("txtFisaElevi", dialog);
        pupils->clear();
        QTest::keyClicks(pupils, "3");
        QTest::mouseClick(widget<QPushButton>("cmdFisaOK", dialog), Qt::LeftButton);
    };
    problems.cmdProbFisa.click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo(path).size() > 0; }));
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "no pdftotext to read the PDF (Debian: poppler-utils)";
    QProcess reader;
    reader.start(pdftotext, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    ASSERT_TRUE(reader.waitForFinished());
    const QString text = QString::fromUtf8(reader.readAllStandardOutput());
    EXPECT_EQ(text.count(QLatin1Char('\f')), 3) << "a page per pupil";
    for (int pupil = 1; pupil <= 3; ++pupil)
        EXPECT_TRUE(text.contains(QStringLiteral("Fisa de lucru - clasa 9B, elevul %1").arg(pupil)))
            << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Timpul de cadere: t = ________________ s")));
}

// The Laborator's axis numbers leave the platform whole; Enter in a prediction box throws; a
// refusal's tip stands over no control, so the first click on the box it names reaches the box.
TEST_F(QtWindowTest, LaboratorKeepsItsPlatformWholeThrowsOnEnterAndTipsAside) {
    action("mnulab")->trigger();
    lopena::frmLab& lab = *w->labWindow;
    ASSERT_EQ(labs().size(), 1);
    tkqt::WindowHost* window = labs().front();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    tkqt::FormSurface* surface = window->view().surface();
    lab.txtLabUnghi.setText("30");
    lab.txtLabInaltime.setText("45"); // 10 m a square: the platform from y = 236 to 416
    lab.cmdLabStart.click();
    clock.advance(5000);
    const QImage shot = surface->grab().toImage();
    for (int metres = 10; metres <= 40; metres += 10)
        EXPECT_EQ(shot.pixel(54, 416 - 4 * metres), qRgb(170, 150, 120)) << metres << " m";

    lab.chkLabPrezice.setValue(1);
    lab.cmdLabStart.click();
    auto* prediction = widget<QLineEdit>("txtLabPrezD", window);
    prediction->setFocus();
    QTest::keyClick(prediction, Qt::Key_Return);
    EXPECT_TRUE(lab.flying());

    lab.chkLabPrezice.setValue(0);
    lab.txtLabUnghi.setText("0");
    lab.txtLabInaltime.setText("0");
    lab.cmdLabStart.click(); // from the ground at 0 degrees: fill in a height
    auto* tip = window->findChild<QLabel*>("txtLabUnghi_tip");
    ASSERT_TRUE(tip && tip->isVisible());
    auto* height = widget<QLineEdit>("txtLabInaltime", window);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      height->mapTo(window, height->rect().center()));
    EXPECT_TRUE(height->hasFocus());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window->findChild<QLabel*>("txtLabUnghi_tip"), nullptr); // gone with the focus
}

} // namespace

// "lopena --lab CODE": the Laborator's window opens with the code's set-up in its boxes and gives
// the same code back; a refused code is told in a message box and leaves the Laborator's start.
// The code is the one the page's test opens from its address (tests/web/lab.test.mjs): 12.5 m/s
// at 30 degrees from 20 m on the Moon, in air with k = 0.2 /s, the vectors on, a target at 18.5 m.
TEST_F(QtWindowTest, LabArgumentOpensTheLaboratorSetUp) {
    const std::string code = "L1-ASESpfMPIPGmLwovCgV_CgZ_ClXxil9vV7pLnQ";
    QString told;
    platform.onModalShown = [&](QWidget* box) {
        told = static_cast<QMessageBox*>(box)->text();
        static_cast<QDialog*>(box)->accept();
    };
    EXPECT_EQ(w->openArguments({"--lab", "L1-AAAA"}), w->openLab("L1-AAAA"));
    EXPECT_TRUE(told.startsWith(QStringLiteral("Codul nu este valid: ")));
    EXPECT_EQ(w->openArguments({"--lab", code}), std::nullopt);
    ASSERT_EQ(labs().size(), 1);
    for (const auto& [name, value] :
         {std::pair("txtLabViteza", 12.5), std::pair("txtLabUnghi", 30.0), std::pair("txtLabInaltime", 20.0),
          std::pair("txtLabGrav", 1.62), std::pair("txtLabK", 0.2), std::pair("txtLabTintaD", 18.5)})
        EXPECT_EQ(tk::Val(widget<QLineEdit>(name, labs().front())->text().toStdString()), value) << name;
    for (const char* name : {"optLabMediu_1", "chkLabTinta", "chkLabVectori"})
        EXPECT_TRUE(widget<QAbstractButton>(name, labs().front())->isChecked()) << name;
    std::string why;
    const auto back = w->labWindow->setup(why);
    ASSERT_TRUE(back) << why;
    EXPECT_EQ(lopena::encodeSetup(*back), code) << "and back";
}
