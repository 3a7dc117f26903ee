#include "toolkit/qt/Accessibility.h"

#include "toolkit/qt/FrameWidget.h"
#include "toolkit/qt/LabelWidget.h"

#include <QAccessibleWidget>

namespace tkqt {

namespace {

// A widget of the binding named by the text it shows, as Qt's own widgets are.
template <class Widget, QAccessible::Role shownRole>
class ShownTextAccessible : public QAccessibleWidget {
public:
    explicit ShownTextAccessible(Widget* widget) : QAccessibleWidget(widget, shownRole) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return shown(static_cast<Widget*>(widget()));
        return QAccessibleWidget::text(t);
    }

private:
    static QString shown(LabelWidget* label) { return label->text(); }
    static QString shown(FrameWidget* frame) { return frame->title(); }
};

QAccessibleInterface* makeInterface(const QString& key, QObject* object) {
    if (key == QLatin1String(LabelWidget::staticMetaObject.className()))
        return new ShownTextAccessible<LabelWidget, QAccessible::StaticText>(
            static_cast<LabelWidget*>(object));
    if (key == QLatin1String(FrameWidget::staticMetaObject.className()))
        return new ShownTextAccessible<FrameWidget, QAccessible::Grouping>(
            static_cast<FrameWidget*>(object));
    return nullptr;
}

} // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(makeInterface);
        return true;
    }();
    (void)installed;
}

} // namespace tkqt
