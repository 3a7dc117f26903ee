#include "toolkit/qt/PlaceBeside.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace tkqt {

void placeBeside(QWidget& window, const QWidget* owner) {
    QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect free = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    QPoint at = free.center() - window.rect().center();
    if (owner)
        at = QPoint(owner->frameGeometry().right() + 8, owner->frameGeometry().top());
    at.setX(std::clamp(at.x(), free.left(), std::max(free.left(), free.right() + 1 - window.width())));
    at.setY(std::clamp(at.y(), free.top(), std::max(free.top(), free.bottom() + 1 - window.height())));
    window.move(at);
}

} // namespace tkqt
