#include "toolkit/qt/OwnerModal.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QTimer>
#include <QWindow>

namespace tkqt {

OwnerModal::OwnerModal(QDialog& dialog, QEventLoop& loop, const ModalHook& onShown)
    : dialog_(dialog), loop_(loop), onShown_(onShown),
      owner_(dialog.parentWidget() ? dialog.parentWidget()->window() : nullptr) {}

void OwnerModal::shown() {
    if (!onShown_)
        return;
    QTimer::singleShot(0, &dialog_, [dialog = &dialog_, hook = onShown_] { hook(dialog); });
    onShown_ = nullptr;
}

int OwnerModal::exec(QDialog& dialog, const ModalHook& onShown) {
    QEventLoop loop;
    OwnerModal modal(dialog, loop, onShown);
    dialog.setWindowModality(Qt::NonModal);
    QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    qApp->installEventFilter(&modal);
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
    // Active at once, not only when the window system gets to it: the owner's shortcuts must
    // not take the keys meant for the dialog.
    QApplication::setActiveWindow(&dialog);
    modal.shown();
    if (dialog.isVisible())
        loop.exec(QEventLoop::DialogExec);
    return dialog.result();
}

bool OwnerModal::inOwner(QObject* target) const {
    if (target->isWidgetType())
        return static_cast<QWidget*>(target)->window() == owner_;
    return target->isWindowType() && static_cast<QWindow*>(target) == owner_->windowHandle();
}

bool OwnerModal::eventFilter(QObject* target, QEvent* event) {
    if (target == &dialog_ && event->type() == QEvent::Hide)
        loop_.quit(); // hidden without an answer: the show returns all the same
    // A dialog already closed blocks nothing, even while a later dialog keeps its loop waiting.
    if (!owner_ || !dialog_.isVisible())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
        if (!inOwner(target))
            return false;
        // As a modal window does: the dialog comes to the front and the refusal is heard.
        dialog_.raise();
        dialog_.activateWindow();
        QApplication::beep();
        return true;
    case QEvent::ShortcutOverride:
        // Taken, so that no shortcut of the window fires; the key press itself is refused.
        if (!inOwner(target))
            return false;
        event->accept();
        return true;
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyRelease:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
        return inOwner(target);
    default:
        return false;
    }
}

} // namespace tkqt
