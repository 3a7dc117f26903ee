#include "toolkit/MenuItem.h"

namespace tk {

MenuItem::MenuItem(std::string name, std::string caption, std::string shortcut)
    : name_(std::move(name)), caption_(std::move(caption)), shortcut_(std::move(shortcut)) {}

void MenuItem::setChecked(bool value) {
    if (value == checked_)
        return;
    checked_ = value;
    if (observer_)
        observer_->menuChanged(*this);
}

void MenuItem::setEnabled(bool value) {
    if (value == enabled_)
        return;
    enabled_ = value;
    if (observer_)
        observer_->menuChanged(*this);
}

void MenuItem::click() {
    if (enabled_ && onClick)
        onClick();
}

} // namespace tk
