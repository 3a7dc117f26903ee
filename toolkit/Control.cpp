#include "toolkit/Control.h"

#include <algorithm>

namespace tk {

Control::Control(Kind kind, const char* name) : name_(name), kind_(kind) {}

void Control::notify(Prop what) {
    if (observer_)
        observer_->changed(*this, what);
}

void Control::setLeft(Single value) {
    if (value == left_)
        return;
    left_ = value;
    notify(Prop::Geometry);
}

void Control::setTop(Single value) {
    if (value == top_)
        return;
    top_ = value;
    notify(Prop::Geometry);
}

void Control::setWidth(Single value) {
    if (value == width_)
        return;
    width_ = value;
    notify(Prop::Geometry);
}

void Control::setHeight(Single value) {
    if (value == height_)
        return;
    height_ = value;
    notify(Prop::Geometry);
}

void Control::Move(Single left, Single top) {
    if (left == left_ && top == top_)
        return;
    left_ = left;
    top_ = top;
    notify(Prop::Geometry);
}

void Control::setBounds(Single left, Single top, Single width, Single height) {
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    place(left, top, width, height);
    notify(Prop::Geometry);
}

void Control::place(Single left, Single top, Single width, Single height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void Control::setVisible(bool value) {
    if (value == visible_)
        return;
    visible_ = value;
    notify(Prop::Visible);
}

void Control::setEnabled(bool value) {
    if (value == enabled_)
        return;
    enabled_ = value;
    notify(Prop::Enabled);
}

CaptionedControl::CaptionedControl(Kind kind, const char* name, std::string caption)
    : Control(kind, name), caption_(std::move(caption)) {}

void CaptionedControl::setCaption(const std::string& text) {
    if (text == caption_)
        return;
    caption_ = text;
    notify(Prop::Caption);
}

Frame::Frame(const char* name, std::string caption)
    : CaptionedControl(Kind::Frame, name, std::move(caption)) {}

Label::Label(const char* name, std::string caption)
    : CaptionedControl(Kind::Label, name, std::move(caption)) {}

TextBox::TextBox(const char* name, std::string text)
    : Control(Kind::TextBox, name), text_(std::move(text)) {}

void TextBox::setText(const std::string& text) {
    if (text == text_)
        return;
    text_ = text;
    notify(Prop::Text);
    if (onChange)
        onChange();
}

CommandButton::CommandButton(const char* name, std::string caption)
    : CaptionedControl(Kind::CommandButton, name, std::move(caption)) {}

void CommandButton::click() {
    if (Enabled() && Visible() && onClick)
        onClick();
}

HScrollBar::HScrollBar(const char* name, Integer min, Integer max, Integer value)
    : Control(Kind::HScrollBar, name), min_(min), max_(max), value_(value) {}

void HScrollBar::setValue(Integer value) {
    value = std::clamp(value, std::min(min_, max_), std::max(min_, max_));
    if (value == value_)
        return;
    value_ = value;
    notify(Prop::Value);
    if (onChange)
        onChange();
}

CheckBox::CheckBox(const char* name, std::string caption, Integer value)
    : CaptionedControl(Kind::CheckBox, name, std::move(caption)), value_(value) {}

void CheckBox::setValue(Integer value) {
    if (value == value_)
        return;
    value_ = value;
    notify(Prop::Value);
    if (onClick)
        onClick();
}

OptionButton::OptionButton(const char* name, std::string caption, bool selected)
    : CaptionedControl(Kind::OptionButton, name, std::move(caption)), value_(selected) {}

void OptionButton::setValue(bool selected) {
    if (selected == value_)
        return;
    value_ = selected;
    notify(Prop::Value);
    if (selected && group_)
        for (OptionButton* other : *group_)
            if (other != this)
                other->setValue(false);
}

void OptionButton::makeGroup(std::initializer_list<OptionButton*> buttons) {
    auto group = std::make_shared<std::vector<OptionButton*>>(buttons);
    for (OptionButton* button : buttons)
        button->group_ = group;
}

const std::vector<OptionButton*>& OptionButton::group() const {
    static const std::vector<OptionButton*> none;
    return group_ ? *group_ : none;
}

void OptionButton::click() {
    if (!Enabled() || !Visible())
        return;
    setValue(true);
    if (onClick)
        onClick(index());
}

Shape::Shape(const char* name, Integer shape) : Control(Kind::Shape, name), shape_(shape) {}

void Shape::setShape(Integer code) {
    if (code == shape_)
        return;
    shape_ = code;
    notify(Prop::Shape);
}

void Shape::setFillStyle(Integer style) {
    if (style == fillStyle_)
        return;
    fillStyle_ = style;
    notify(Prop::Fill);
}

void Shape::setFillColor(Colour colour) {
    if (colour == fillColor_)
        return;
    fillColor_ = colour;
    notify(Prop::Fill);
}

Line::Line(const char* name, Single x1, Single y1, Single x2, Single y2)
    : Control(Kind::Line, name), X1(x1), Y1(y1), X2(x2), Y2(y2) {}

void Line::setPoints(Single x1, Single y1, Single x2, Single y2) {
    if (x1 == X1 && y1 == Y1 && x2 == X2 && y2 == Y2)
        return;
    X1 = x1;
    Y1 = y1;
    X2 = x2;
    Y2 = y2;
    notify(Prop::Line);
}

PictureBox::PictureBox(const char* name) : Control(Kind::PictureBox, name) {}

} // namespace tk
