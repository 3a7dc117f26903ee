#include "toolkit/Form.h"

namespace tk {

Form::Form(std::string name, std::string caption, int clientWidth, int clientHeight)
    : name_(std::move(name)), caption_(std::move(caption)), clientWidth_(clientWidth),
      clientHeight_(clientHeight) {}

Form::~Form() {
    for (Timer* timer : timers_)
        timer->attach(nullptr);
}

void Form::add(Control& control, Control* container) {
    if (container)
        containers_[&control] = container;
    controls_.push_back(&control);
}

Control* Form::containerOf(const Control& control) const {
    auto it = containers_.find(&control);
    return it == containers_.end() ? nullptr : it->second;
}

std::string Form::toolTipOf(const Control&) const {
    return {};
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
