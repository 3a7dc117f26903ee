#include "toolkit/qt/RefusalTip.h"

#include "toolkit/TipPlace.h"
#include "toolkit/qt/FormSurface.h"
#include "toolkit/qt/FormView.h"

#include <QAccessible>
#include <QEvent>
#include <QLineEdit>

namespace tkqt {

RefusalTip::RefusalTip(QWidget* parent) : QLabel(parent) {
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setContentsMargins(3, 1, 3, 1);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0xff, 0xff, 0xe1));
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RefusalTip::explain(FormView& view, const tk::TextBox& box, QLineEdit& edit,
                         const QString& text) {
    QWidget* surface = view.surface();
    for (RefusalTip* earlier : surface->findChildren<RefusalTip*>(Qt::FindDirectChildrenOnly))
        delete earlier;
    auto* tip = new RefusalTip(surface);
    tip->setObjectName(edit.objectName() + QStringLiteral("_tip"));
    tip->setText(text);
    tip->ensurePolished();
    const tk::PixelRect at =
        tk::tipPlace(view.form(), box, [tip](int width) { return tip->heightForWidth(width); });
    tip->setGeometry(at.x, at.y, at.width, at.height);
    tip->show();
    tip->raise();
    QObject::connect(&edit, &QLineEdit::textEdited, tip, &QObject::deleteLater);
    edit.installEventFilter(tip);
    QAccessibleEvent shown(tip, QAccessible::Alert);
    QAccessible::updateAccessibility(&shown);
}

bool RefusalTip::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut)
        deleteLater();
    return QLabel::eventFilter(watched, event);
}

} // namespace tkqt
