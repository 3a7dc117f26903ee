#include "toolkit/qt/FormView.h"

#include "toolkit/SceneItems.h"
#include "toolkit/qt/Accessibility.h"
#include "toolkit/qt/FormSurface.h"
#include "toolkit/qt/FrameWidget.h"
#include "toolkit/qt/LabelWidget.h"
#include "toolkit/qt/QtConversions.h"
#include "toolkit/qt/WindowIcon.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>
#include <functional>

namespace tkqt {

FormView::FormView(tk::Form& form, QWidget* parent)
    : form_(form), surface_(new FormSurface(form, parent)) {
    installAccessibility();
    surface_->setFixedSize(form.clientWidth(), form.clientHeight());
    // The layout was drawn for an 8-point sans-serif system font, 11 pixels high.
    QFont font = surface_->font();
    font.setFamilies({"Liberation Sans", "Arial", "Nimbus Sans", "Helvetica", "DejaVu Sans"});
    font.setPixelSize(11);
    surface_->setFont(font);

    for (tk::Control* control : form.controls()) {
        QWidget* parentWidget = surface_;
        if (tk::Control* frame = form.containerOf(*control))
            if (QWidget* holder = widgetFor(*frame))
                parentWidget = holder;
        QWidget* widget = createWidget(*control, parentWidget);
        widget->setFont(font);
        widgets_[control] = widget;
        control->setObserver(this);
        // A control with a caption is named by it, as Qt's own widgets are, so a reader tells
        // "Stop" from "Reia"; the layout's explanation is then its description. Boxes and bars
        // show no caption: the explanation names them.
        if (const char* explanation = form.accessibleName(*control)) {
            if (dynamic_cast<tk::CaptionedControl*>(control))
                widget->setAccessibleDescription(QString::fromUtf8(explanation));
            else
                widget->setAccessibleName(QString::fromUtf8(explanation));
        }
        QString objectName = QString::fromUtf8(control->name().data(),
                                               static_cast<qsizetype>(control->name().size()));
        if (control->index() >= 0)
            objectName += QStringLiteral("_%1").arg(control->index());
        widget->setObjectName(objectName);
        applyContent(*control, widget);
        applyGeometry(*control, widget);
        widget->setEnabled(control->Enabled());
        widget->setVisible(control->Visible());
    }
    tk::watchScene(form_, this);
    setTabOrder();
}

FormView::~FormView() {
    for (tk::Control* control : form_.controls())
        control->setObserver(nullptr);
    tk::watchScene(form_, nullptr);
    for (const auto& [item, action] : actions_)
        const_cast<tk::MenuItem*>(item)->setObserver(nullptr);
}

QWidget* FormView::widgetFor(const tk::Control& control) const {
    auto it = widgets_.find(&control);
    return it == widgets_.end() ? nullptr : it->second.data();
}

QAction* FormView::actionFor(const tk::MenuItem& item) const {
    auto it = actions_.find(&item);
    return it == actions_.end() ? nullptr : it->second.data();
}

QWidget* FormView::createWidget(tk::Control& control, QWidget* parent) {
    switch (control.kind()) {
    case tk::Kind::Frame:
        return new FrameWidget(parent);
    case tk::Kind::Label: {
        auto* label = new LabelWidget(parent);
        const auto& model = static_cast<tk::Label&>(control);
        label->setWordWrap(model.WordWrap);
        label->setCentred(model.Centred);
        label->setAutoSize(model.AutoSize);
        return label;
    }
    case tk::Kind::TextBox: {
        auto* edit = new QLineEdit(parent);
        auto& model = static_cast<tk::TextBox&>(control);
        if (model.MaxLength > 0)
            edit->setMaxLength(model.MaxLength);
        edit->setReadOnly(model.Locked);
        edit->setTextMargins(0, 0, 0, 0);
        // Every change reaches the model, typed or set through the accessibility interface;
        // the view's own writes are made with the signals blocked.
        QObject::connect(edit, &QLineEdit::textChanged, edit,
                         [&model](const QString& text) { model.setText(text.toStdString()); });
        return edit;
    }
    case tk::Kind::CommandButton: {
        auto* button = new QPushButton(parent);
        button->setAutoDefault(false);
        auto& model = static_cast<tk::CommandButton&>(control);
        QObject::connect(button, &QPushButton::clicked, button, [&model] { model.click(); });
        return button;
    }
    case tk::Kind::HScrollBar: {
        auto* bar = new QScrollBar(Qt::Horizontal, parent);
        auto& model = static_cast<tk::HScrollBar&>(control);
        bar->setTracking(false); // only the end of a drag is a change
        bar->setInvertedControls(false);
        bar->setFocusPolicy(Qt::StrongFocus);
        QObject::connect(bar, &QScrollBar::valueChanged, bar,
                         [&model](int value) { model.setValue(static_cast<tk::Integer>(value)); });
        return bar;
    }
    case tk::Kind::CheckBox: {
        auto* box = new QCheckBox(parent);
        auto& model = static_cast<tk::CheckBox&>(control);
        QObject::connect(box, &QCheckBox::clicked, box,
                         [&model](bool checked) { model.setValue(checked ? 1 : 0); });
        return box;
    }
    case tk::Kind::OptionButton: {
        auto* radio = new QRadioButton(parent);
        auto& model = static_cast<tk::OptionButton&>(control);
        QObject::connect(radio, &QRadioButton::clicked, radio, [&model] { model.click(); });
        return radio;
    }
    case tk::Kind::PictureBox: {
        auto* picture = new QLabel(parent);
        picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        picture->setPixmap(windowIconPixmap());
        picture->setAlignment(Qt::AlignCenter);
        return picture;
    }
    case tk::Kind::Shape:
    case tk::Kind::Line:
        break;
    }
    return new QWidget(parent);
}

void FormView::applyGeometry(tk::Control& control, QWidget* widget) {
    QRect r(pixel(control.Left()), pixel(control.Top()), pixel(control.Width()),
            pixel(control.Height()));
    if (auto* label = dynamic_cast<LabelWidget*>(widget); label && label->autoSize()) {
        widget->move(r.topLeft());
        widget->resize(label->textWidth(), r.height());
        return;
    }
    widget->setGeometry(r);
}

void FormView::applyContent(tk::Control& control, QWidget* widget) {
    // The model's own writes are not fed back to it.
    const QSignalBlocker blocker(widget);
    switch (control.kind()) {
    case tk::Kind::Frame:
        static_cast<FrameWidget*>(widget)->setTitle(
            toQString(static_cast<tk::Frame&>(control).Caption()));
        break;
    case tk::Kind::Label:
        static_cast<LabelWidget*>(widget)->setText(
            toQString(static_cast<tk::Label&>(control).Caption()));
        break;
    case tk::Kind::TextBox: {
        auto* edit = static_cast<QLineEdit*>(widget);
        QString text = toQString(static_cast<tk::TextBox&>(control).Text());
        if (edit->text() != text)
            edit->setText(text);
        break;
    }
    case tk::Kind::CommandButton:
        static_cast<QPushButton*>(widget)->setText(
            toQString(static_cast<tk::CommandButton&>(control).Caption()));
        break;
    case tk::Kind::HScrollBar: {
        auto* bar = static_cast<QScrollBar*>(widget);
        auto& model = static_cast<tk::HScrollBar&>(control);
        bar->setRange(std::min(model.Min(), model.Max()), std::max(model.Min(), model.Max()));
        bar->setSingleStep(model.SmallChange);
        bar->setPageStep(model.LargeChange);
        bar->setValue(model.Value());
        break;
    }
    case tk::Kind::CheckBox: {
        auto* box = static_cast<QCheckBox*>(widget);
        auto& model = static_cast<tk::CheckBox&>(control);
        box->setText(toQString(model.Caption()));
        box->setChecked(model.Value() != 0);
        break;
    }
    case tk::Kind::OptionButton: {
        auto* radio = static_cast<QRadioButton*>(widget);
        auto& model = static_cast<tk::OptionButton&>(control);
        radio->setText(toQString(model.Caption()));
        radio->setChecked(model.Value());
        break;
    }
    default:
        break;
    }
}

void FormView::changed(tk::Control& control, tk::Prop what) {
    if (control.kind() == tk::Kind::Shape || control.kind() == tk::Kind::Line) {
        surface_->sceneChanged(control, what);
        return;
    }
    QWidget* widget = widgetFor(control);
    if (!widget)
        return;
    switch (what) {
    case tk::Prop::Geometry:
        applyGeometry(control, widget);
        break;
    case tk::Prop::Visible:
        widget->setVisible(control.Visible());
        break;
    case tk::Prop::Enabled:
        widget->setEnabled(control.Enabled());
        break;
    case tk::Prop::Destroyed:
        widgets_.erase(&control);
        delete widget;
        break;
    default:
        applyContent(control, widget);
        break;
    }
}

void FormView::buildMenuBar(QMenuBar* bar) {
    std::function<void(tk::MenuItem&, QMenu*)> addItem = [&](tk::MenuItem& item, QMenu* menu) {
        if (item.isSeparator()) {
            menu->addSeparator();
            return;
        }
        if (!item.children().empty()) {
            QMenu* sub = menu->addMenu(toQString(item.Caption()));
            sub->setObjectName(toQString(item.name()));
            for (tk::MenuItem* child : item.children())
                addItem(*child, sub);
            return;
        }
        QAction* action = menu->addAction(toQString(item.Caption()));
        action->setObjectName(toQString(item.name()));
        if (!item.shortcut().empty()) {
            action->setShortcut(QKeySequence(toQString(item.shortcut())));
            action->setShortcutContext(Qt::WindowShortcut);
        }
        action->setCheckable(item.Checked());
        action->setChecked(item.Checked());
        action->setEnabled(item.Enabled());
        // The mark belongs to the program: undo Qt's own toggle before the handler runs.
        QObject::connect(action, &QAction::triggered, action, [&item, action] {
            action->setChecked(item.Checked());
            item.click();
        });
        actions_[&item] = action;
        item.setObserver(this);
    };
    for (tk::MenuItem* top : form_.menuBar()) {
        QMenu* menu = bar->addMenu(toQString(top->Caption()));
        menu->setObjectName(toQString(top->name()));
        for (tk::MenuItem* child : top->children())
            addItem(*child, menu);
    }
}

void FormView::menuChanged(tk::MenuItem& item) {
    QAction* action = actionFor(item);
    if (!action)
        return;
    if (item.Checked())
        action->setCheckable(true);
    action->setChecked(item.Checked());
    action->setEnabled(item.Enabled());
}

void FormView::setTabOrder() {
    QWidget* previous = nullptr;
    for (tk::Control* control : form_.tabOrder()) {
        QWidget* widget = widgetFor(*control);
        if (!widget || widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void FormView::focusFirst() {
    if (tk::Control* first = form_.firstFocus())
        if (QWidget* widget = widgetFor(*first))
            widget->setFocus(Qt::OtherFocusReason);
}

} // namespace tkqt
