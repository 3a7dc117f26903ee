#include "toolkit/qt/MainWindowHost.h"

#include "toolkit/qt/FormSurface.h"
#include "toolkit/qt/FormView.h"
#include "toolkit/qt/QtPlatform.h"
#include "toolkit/qt/WindowIcon.h"

#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

namespace tkqt {

bool pressMarkedButton(FormView& view, bool cancel) {
    for (tk::Control* control : view.form().controls()) {
        if (control->kind() != tk::Kind::CommandButton)
            continue;
        auto* button = static_cast<tk::CommandButton*>(control);
        if ((cancel ? button->Cancel : button->Default) && button->Enabled() && button->Visible()) {
            if (auto* widget = qobject_cast<QPushButton*>(view.widgetFor(*button)))
                widget->click();
            return true;
        }
    }
    return false;
}

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

    // In a main window Qt gives the default button no key of its own: Enter anywhere presses it.
    for (auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), this);
        enter->setContext(Qt::WindowShortcut);
        connect(enter, &QShortcut::activated, this, [this] { pressMarkedButton(*view_, false); });
    }
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
}

DialogHost::DialogHost(tk::Form& form, QWidget* parent) : QDialog(parent), form_(form) {
    setWindowTitle(toQString(form.Caption()));
    setWindowIcon(windowIcon());
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    view_ = std::make_unique<FormView>(form, this);
    view_->surface()->move(0, 0);
    setFixedSize(form.clientWidth(), form.clientHeight());
    form.setFormObserver(this);
    for (tk::Control* control : form.controls())
        if (control->kind() == tk::Kind::CommandButton &&
            static_cast<tk::CommandButton*>(control)->Default)
            if (auto* button = qobject_cast<QPushButton*>(view_->widgetFor(*control)))
                button->setDefault(true);
}

DialogHost::~DialogHost() {
    form_.setFormObserver(nullptr);
    view_.reset();
}

void DialogHost::reject() {
    // Esc and the close button act as the cancel button; without one the dialog just closes.
    if (!pressMarkedButton(*view_, true))
        form_.Unload();
}

void DialogHost::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    view_->focusFirst();
}

} // namespace tkqt
