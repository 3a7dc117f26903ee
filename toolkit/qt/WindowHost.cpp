#include "toolkit/qt/WindowHost.h"

#include "toolkit/qt/FormSurface.h"
#include "toolkit/qt/FormView.h"
#include "toolkit/qt/MarkedButton.h"
#include "toolkit/qt/PlaceBeside.h"
#include "toolkit/qt/QtConversions.h"
#include "toolkit/qt/QtPlatform.h"
#include "toolkit/qt/WindowIcon.h"

#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QScreen>
#include <QShortcut>

namespace tkqt {

WindowHost::WindowHost(tk::Form& form, QtPlatform& platform, QWidget* owner)
    : QWidget(owner, Qt::Window), form_(form), platform_(platform) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(toQString(form.Caption()));
    setWindowIcon(windowIcon());
    view_ = std::make_unique<FormView>(form, this);
    if (form.hasTallLayout()) {
        scroll_ = new QScrollArea(this);
        scroll_->setFrameShape(QFrame::NoFrame);
        scroll_->setWidget(view_->surface());
        auto* column = new QVBoxLayout(this);
        column->setContentsMargins(0, 0, 0, 0);
        column->addWidget(scroll_);
        setMinimumSize(320, 240);
        resize(form.clientWidth(), form.clientHeight());
    } else {
        view_->surface()->move(0, 0);
        setFixedSize(form.clientWidth(), form.clientHeight());
    }
    form.setFormObserver(this);
    platform_.registerView(form, view_.get(), this);
    addEnterKeys(this, *view_);
    if (owner)
        placeBeside(*this, owner);
}

WindowHost::~WindowHost() {
    platform_.unregisterView(form_);
    form_.setFormObserver(nullptr);
    view_.reset();
}

void WindowHost::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!scroll_)
        return;
    const QSize room = event->size();
    const bool tall = room.height() > room.width();
    // The tall layout is taller than the window: the room left of the vertical scroll bar.
    const int bar = scroll_->verticalScrollBar()->sizeHint().width();
    form_.arrange(tall ? tk::Layout::Tall : tk::Layout::Wide, room.width() - bar);
}

void WindowHost::formResized() {
    view_->surface()->setFixedSize(form_.clientWidth(), form_.clientHeight());
    view_->surface()->update();
}

void WindowHost::formReveal(int left, int top, int width, int height) {
    if (scroll_)
        scroll_->ensureVisible(left + width / 2, top + height / 2, width / 2, height / 2);
}

void WindowHost::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    view_->focusFirst();
}

void WindowHost::closeEvent(QCloseEvent* event) {
    form_.setFormObserver(nullptr);
    form_.Unload();
    QWidget::closeEvent(event);
}

} // namespace tkqt
