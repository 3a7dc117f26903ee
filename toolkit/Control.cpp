#include "toolkit/Control.h"

#include <algorithm>

namespace tk {

Control::Control(Kind kind, const char* name) : name_(name), kind_(kind) {}

void Control::notify(Prop what) {
    if (observer_)
        observer_->changed(*this, what);
}

void Control::setLeft(Single value) {
    change(left_, value, Prop::Geometry);
}

void Control::setTop(Single value) {
    change(top_, value, Prop::Geometry);
}

void Control::setWidth(Single value) {
    change(width_, value, Prop::Geometry);
}

void Control::setHeight(Single value) {
    change(height_, value, Prop::Geometry);
}

void Control::Move(Single left, Single top) {
    setBounds(left, top, width_, height_);
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
    change(visible_, value, Prop::Visible);
}

void Control::setEnabled(bool value) {
    change(enabled_, value, Prop::Enabled);
}

CaptionedControl::CaptionedControl(Kind kind, const char* name, std::string caption)
    : Control(kind, name), caption_(std::move(caption)) {}

void CaptionedControl::setCaption(const std::string& text) {
    change(caption_, text, Prop::Caption);
}

Frame::Frame(const char* name, std::string caption)
    : CaptionedControl(Kind::Frame, name, std::move(caption)) {}

Label::Label(const char* name, std::string caption)
    : CaptionedControl(Kind::Label, name, std::move(caption)) {}

TextBox::TextBox(const char* name, std::string text)
    : Control(Kind::TextBox, name), text_(std::move(text)) {}

void TextBox::setText(const std::string& text) {
    if (!change(text_, text, Prop::Text))
        return;
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
    if (!change(value_, value, Prop::Value))
        return;
    if (onChange)
        onChange();
}

CheckBox::CheckBox(const char* name, std::string caption, Integer value)
    : CaptionedControl(Kind::CheckBox, name, std::move(caption)), value_(value) {}

void CheckBox::setValue(Integer value) {
    if (!change(value_, value, Prop::Value))
        return;
    if (onClick)
        onClick();
}

OptionButton::OptionButton(const char* name, std::string caption, bool selected)
    : CaptionedControl(Kind::OptionButton, name, std::move(caption)), value_(selected) {}

void OptionButton::setValue(bool selected) {
    if (!change(value_, selected, Prop::Value))
        return;
    if (selected && group_)
        for (OptionButton* other : *group_)
            if (other != this)
                other->setValue(false);
}

void OptionButton::makeGroup(std::initializer_list<OptionButton*> buttons) {
    makeGroup(std::vector<OptionButton*>(buttons));
}

void OptionButton::makeGroup(const std::vector<OptionButton*>& buttons) {
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
    change(shape_, code, Prop::Shape);
}

void Shape::setFillStyle(Integer style) {
    change(fillStyle_, style, Prop::Fill);
}

void Shape::setFillColor(Colour colour) {
    change(fillColor_, colour, Prop::Fill);
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
