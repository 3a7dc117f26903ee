#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tk {

class MenuItem;

// Receives changes of a menu item's mark or state; the renderer implements it.
class MenuObserver {
public:
    virtual ~MenuObserver() = default;
    virtual void menuChanged(MenuItem& item) = 0;
};

// An item of a form's menu bar: a menu (with children), a command, or a separator ("-").
class MenuItem {
public:
    MenuItem(std::string name, std::string caption, std::string shortcut = {});
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& name() const { return name_; }
    // "&" marks the access key.
    const std::string& Caption() const { return caption_; }
    // Like "Ctrl+T"; empty when the item has none.
    const std::string& shortcut() const { return shortcut_; }
    bool isSeparator() const { return caption_ == "-"; }

    // The mark is only changed by the program, never by choosing the item.
    bool Checked() const { return checked_; }
    void setChecked(bool value);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool value);

    void addChild(MenuItem& child) { children_.push_back(&child); }
    const std::vector<MenuItem*>& children() const { return children_; }

    std::function<void()> onClick;
    // Choosing the item by mouse, access key or shortcut.
    void click();

    void setObserver(MenuObserver* observer) { observer_ = observer; }

private:
    std::string name_;
    std::string caption_;
    std::string shortcut_;
    bool checked_ = false;
    bool enabled_ = true;
    std::vector<MenuItem*> children_;
    MenuObserver* observer_ = nullptr;
};

} // namespace tk
