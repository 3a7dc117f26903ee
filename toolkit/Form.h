#pragma once

#include "toolkit/Control.h"
#include "toolkit/ControlArray.h"
#include "toolkit/MenuItem.h"
#include "toolkit/Timer.h"

#include <functional>
#include <string>
#include <unordered_map>
#include <utility>
#include <variant>
#include <vector>

namespace tk {

class Scheduler;

// One layer of the form's drawing surface: a lone shape or line, or a whole array of them.
using SceneItem = std::variant<Shape*, Line*, ControlArray<Shape>*, ControlArray<Line>*>;

enum class BorderStyle : std::uint8_t { Sizable, FixedDialog };

// How a form lays its controls out: its own layout, or the one for a room taller than wide (a
// phone upright), if it has one.
enum class Layout : std::uint8_t { Wide, Tall };

// Receives form-level events that a renderer must act on.
class FormObserver {
public:
    virtual ~FormObserver() = default;
    // The form was unloaded by the program (for example by its OK button).
    virtual void formUnloaded() = 0;
    // The form laid itself out again at a new client size; its controls told their new places.
    virtual void formResized() {}
    // The form asks its window, where it scrolls, to show this area of the client (pixels).
    virtual void formReveal(int /*left*/, int /*top*/, int /*width*/, int /*height*/) {}
};

// Whether a control of this kind can take the keyboard: a box, a button, a scroll bar, a check or
// option box.
bool takesKeys(Kind kind);

// A window of the program: its controls, menus, timers and drawing surface.
class Form {
public:
    Form(std::string name, std::string caption, int clientWidth, int clientHeight);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }
    const std::string& Caption() const { return caption_; }
    int clientWidth() const { return clientWidth_; }
    int clientHeight() const { return clientHeight_; }
    BorderStyle border = BorderStyle::Sizable;

    // Whether the form has a tall layout; a binding whose room is taller than wide asks for it.
    virtual bool hasTallLayout() const { return false; }
    Layout layout() const { return layout_; }
    // Lays the form out for a room `roomWidth` pixels wide; a form without a tall layout keeps
    // its own. The client size may change (the observer hears it); nothing else does.
    void arrange(Layout layout, int roomWidth);

    // Controls in the order they were added: frames before what they hold.
    const std::vector<Control*>& controls() const { return controls_; }
    const std::vector<MenuItem*>& menuBar() const { return menuBar_; }
    const std::vector<Timer*>& timers() const { return timers_; }
    // Layers of the drawing surface, the first drawn first.
    const std::vector<SceneItem>& scene() const { return scene_; }

    // The frame that holds a control, or nullptr when it sits on the form itself.
    Control* containerOf(const Control& control) const;
    // The Romanian description of a control for assistive technology, or nullptr.
    const char* accessibleName(const Control& control) const;
    // Labels whose captions a screen reader hears as they change (at most 4 times a second).
    const std::vector<const Control*>& liveControls() const { return live_; }
    // What the pointer resting on a shape of the scene shows; empty for nothing.
    virtual std::string toolTipOf(const Control& control) const;

    // The controls the keyboard reaches (boxes, buttons, scroll bars, check and option boxes
    // with a tab index), in tab order; equal indices keep the order they were added in.
    std::vector<Control*> tabOrder() const;
    // The control that takes the focus when the window opens: the first in tab order that is
    // enabled and visible (of a group of option buttons, the selected one). nullptr if none.
    Control* firstFocus() const;
    // The button that Enter (default) or Esc (cancel) presses: the first so marked that is
    // enabled and visible, since a button that cannot be clicked cannot be pressed either.
    CommandButton* markedButton(bool cancel) const;

    bool loaded() const { return loaded_; }
    // Connects the timers to the scheduler and raises the load event, once per loading.
    void Load(Scheduler& scheduler);
    // Stops the timers and tells the renderer to close the window.
    void Unload();
    void setFormObserver(FormObserver* observer) { formObserver_ = observer; }

    // Raised once each time the form is loaded, before it is first shown.
    std::function<void()> onLoad;

protected:
    void add(Control& control, Control* container = nullptr);
    // A control's place in a layout: its frame (nullptr: the form), its rectangle, its
    // description for assistive technology ("": none), its tab position (-1: none).
    struct Placement {
        Control& control;
        Control* container;
        Single left, top, width, height;
        const char* description = "";
        int tabIndex = -1;
    };
    // Places the control, gives it its tab position and description, and adds it.
    void put(const Placement& p);
    // Puts the control as put() does, next in the tab order where it takes the keys (a label or a
    // frame takes no place in it): the controls put so are in the keys' order.
    void putNext(Placement p) {
        p.tabIndex = takesKeys(p.control.kind()) ? nextTab_++ : -1;
        put(p);
    }
    // Gives a control its description; the text is not copied.
    void describe(const Control& control, const char* literal) {
        accessibleNames_[&control] = literal;
    }
    void markLive(const Control& control) { live_.push_back(&control); }
    void addMenu(MenuItem& item) { menuBar_.push_back(&item); }
    void addTimer(Timer& timer) { timers_.push_back(&timer); }
    void addScene(SceneItem item) { scene_.push_back(item); }
    // Lays the form out again in the same layout and room, after a change of what it shows.
    void rearrange();
    // Scrolls the window, where it scrolls, until the area shows.
    void reveal(int left, int top, int width, int height) {
        if (formObserver_)
            formObserver_->formReveal(left, top, width, height);
    }
    // Places every control for the tall layout and returns the client size it needs; in the wide
    // one every control is already back where it was built, the form adds what it draws.
    virtual std::pair<int, int> arrangeFor(Layout layout, int roomWidth);
    // The client size the form was built with.
    std::pair<int, int> wideSize() const { return wideSize_; }

private:
    std::string name_;
    std::string caption_;
    int clientWidth_;
    int clientHeight_;
    std::vector<Control*> controls_;
    std::vector<MenuItem*> menuBar_;
    std::vector<Timer*> timers_;
    std::vector<SceneItem> scene_;
    std::vector<const Control*> live_;
    // Kept by the form rather than by each control: a trail holds tens of thousands of controls.
    std::unordered_map<const Control*, Control*> containers_;
    std::unordered_map<const Control*, const char*> accessibleNames_;
    bool loaded_ = false;
    int nextTab_ = 0;
    Layout layout_ = Layout::Wide;
    int roomWidth_ = 0;
    struct Bounds {
        Single left, top, width, height;
    };
    // Every control's place as built, taken when the form first leaves its own layout.
    std::vector<std::pair<Control*, Bounds>> wide_;
    std::pair<int, int> wideSize_;
    FormObserver* formObserver_ = nullptr;
};

} // namespace tk
