#include "toolkit/qt/WindowHost.h"

#include "toolkit/qt/FormSurface.h"
#include "toolkit/qt/FormView.h"
#include "toolkit/qt/MarkedButton.h"
#include "toolkit/qt/QtConversions.h"
#include "toolkit/qt/QtPlatform.h"
#include "toolkit/qt/WindowIcon.h"

#include <QPushButton>
#include <QScreen>
#include <QShortcut>

namespace tkqt {

WindowHost::WindowHost(tk::Form& form, QtPlatform& platform, QWidget* owner)
    : QWidget(owner, Qt::Window), form_(form), platform_(platform) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(toQString(form.Caption()));
    setWindowIcon(windowIcon());
    view_ = std::make_unique<FormView>(form, this);
    view_->surface()->move(0, 0);
    setFixedSize(form.clientWidth(), form.clientHeight());
    form.setFormObserver(this);
    platform_.registerView(form, view_.get(), this);
    addEnterKeys(this, *view_);
    placeBeside(owner);
}

WindowHost::~WindowHost() {
    platform_.unregisterView(form_);
    form_.setFormObserver(nullptr);
    view_.reset();
}

void WindowHost::placeBeside(QWidget* owner) {
    if (!owner)
        return;
    const QRect frame = owner->frameGeometry();
    const QRect room = owner->screen() ? owner->screen()->availableGeometry() : QRect();
    QPoint at(frame.right() + 8, frame.top());
    if (!room.isEmpty() && at.x() + width() > room.right())
        at = QPoint(std::max(room.left(), room.right() - width()), frame.top() + 24);
    move(at);
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
