#include "toolkit/Form.h"

#include <algorithm>

namespace tk {

Form::Form(std::string name, std::string caption, int clientWidth, int clientHeight)
    : name_(std::move(name)), caption_(std::move(caption)), clientWidth_(clientWidth),
      clientHeight_(clientHeight), wideSize_(clientWidth, clientHeight) {}

Form::~Form() {
    for (Timer* timer : timers_)
        timer->attach(nullptr);
}

void Form::add(Control& control, Control* container) {
    if (container)
        containers_[&control] = container;
    controls_.push_back(&control);
}

void Form::put(const Placement& p) {
    p.control.place(p.left, p.top, p.width, p.height);
    p.control.setTabIndex(p.tabIndex);
    if (*p.description)
        describe(p.control, p.description);
    add(p.control, p.container);
}

Control* Form::containerOf(const Control& control) const {
    auto it = containers_.find(&control);
    return it == containers_.end() ? nullptr : it->second;
}

void Form::arrange(Layout layout, int roomWidth) {
    if (!hasTallLayout())
        layout = Layout::Wide;
    if (layout == layout_ && (layout == Layout::Wide || roomWidth == roomWidth_))
        return;
    if (wide_.empty())
        for (Control* c : controls_)
            wide_.push_back({c, {c->Left(), c->Top(), c->Width(), c->Height()}});
    layout_ = layout;
    roomWidth_ = roomWidth;
    rearrange();
}

void Form::rearrange() {
    if (layout_ == Layout::Wide)
        for (const auto& [control, b] : wide_)
            control->setBounds(b.left, b.top, b.width, b.height);
    const auto [width, height] = arrangeFor(layout_, roomWidth_);
    if (width == clientWidth_ && height == clientHeight_)
        return;
    clientWidth_ = width;
    clientHeight_ = height;
    if (formObserver_)
        formObserver_->formResized();
}

std::pair<int, int> Form::arrangeFor(Layout, int) {
    return wideSize_;
}

std::string Form::toolTipOf(const Control&) const {
    return {};
}

bool takesKeys(Kind kind) {
    switch (kind) {
    case Kind::TextBox:
    case Kind::CommandButton:
    case Kind::HScrollBar:
    case Kind::CheckBox:
    case Kind::OptionButton:
        return true;
    default:
        return false;
    }
}

std::vector<Control*> Form::tabOrder() const {
    std::vector<Control*> ordered;
    for (Control* c : controls_)
        if (takesKeys(c->kind()) && c->TabIndex() >= 0)
            ordered.push_back(c);
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const Control* a, const Control* b) { return a->TabIndex() < b->TabIndex(); });
    return ordered;
}

Control* Form::firstFocus() const {
    for (Control* c : tabOrder())
        if (c->Enabled() && c->Visible() &&
            (c->kind() != Kind::OptionButton || static_cast<OptionButton*>(c)->Value()))
            return c;
    return nullptr;
}

CommandButton* Form::markedButton(bool cancel) const {
    for (Control* c : controls_)
        if (c->kind() == Kind::CommandButton) {
            auto* button = static_cast<CommandButton*>(c);
            if ((cancel ? button->Cancel : button->Default) && button->Enabled() && button->Visible())
                return button;
        }
    return nullptr;
}

const char* Form::accessibleName(const Control& control) const {
    auto it = accessibleNames_.find(&control);
    return it == accessibleNames_.end() ? nullptr : it->second;
}

void Form::Load(Scheduler& scheduler) {
    if (loaded_)
        return;
    loaded_ = true;
    for (Timer* timer : timers_)
        timer->attach(&scheduler);
    if (onLoad)
        onLoad();
}

void Form::Unload() {
    if (!loaded_)
        return;
    loaded_ = false;
    for (Timer* timer : timers_)
        timer->attach(nullptr);
    if (formObserver_)
        formObserver_->formUnloaded();
}

} // namespace tk
