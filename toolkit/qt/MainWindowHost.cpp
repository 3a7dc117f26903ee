#include "toolkit/qt/MainWindowHost.h"

#include "toolkit/qt/FormSurface.h"
#include "toolkit/qt/FormView.h"
#include "toolkit/qt/MarkedButton.h"
#include "toolkit/qt/QtConversions.h"
#include "toolkit/qt/QtPlatform.h"
#include "toolkit/qt/WindowIcon.h"

#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

namespace tkqt {

MainWindowHost::MainWindowHost(tk::Form& form, QtPlatform& platform)
    : form_(form), platform_(platform) {
    setWindowTitle(toQString(form.Caption()));
    setWindowIcon(windowIcon());
    auto* holder = new QWidget(this);
    view_ = std::make_unique<FormView>(form, holder);
    view_->surface()->move(0, 0);
    // Resizing moves nothing: the client area keeps its size at the top left.
    holder->setMinimumSize(form.clientWidth(), form.clientHeight());
    setCentralWidget(holder);
    view_->buildMenuBar(menuBar());
    resize(form.clientWidth(), form.clientHeight() + menuBar()->sizeHint().height());
    form.setFormObserver(this);
    platform_.registerView(form, view_.get(), this);

    // In a main window Qt gives the default button no key of its own: Enter presses Start.
    addEnterKeys(this, *view_);
}

MainWindowHost::~MainWindowHost() {
    platform_.unregisterView(form_);
    form_.setFormObserver(nullptr);
    view_.reset();
}

void MainWindowHost::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!focused_) {
        focused_ = true;
        view_->focusFirst();
    }
}

void MainWindowHost::closeEvent(QCloseEvent* event) {
    // The window goes: its timers stop with it.
    form_.setFormObserver(nullptr);
    form_.Unload();
    QMainWindow::closeEvent(event);
    // The program ends with it: no other window, owned or not, keeps it running.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible())
            window->close();
}

} // namespace tkqt
