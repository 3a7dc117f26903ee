#pragma once

#include "toolkit/Types.h"

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

// What changed on a control, so a renderer can refresh just that.
enum class Prop : std::uint8_t {
    Geometry,
    Visible,
    Enabled,
    Caption,
    Text,
    Value,
    Range,
    Checked,
    Fill,
    Shape,
    Line,
    Destroyed,
};

enum class Kind : std::uint8_t {
    Frame,
    Label,
    TextBox,
    CommandButton,
    HScrollBar,
    CheckBox,
    OptionButton,
    Shape,
    Line,
    PictureBox,
};

class Control;

// Receives every property change of the controls it watches; the renderer implements it.
class ControlObserver {
public:
    virtual ~ControlObserver() = default;
    virtual void changed(Control& control, Prop what) = 0;
};

// A control of a form: a named, positioned element whose properties the handlers read and write.
class Control {
public:
    // The name is not copied: it is a literal, or the name of the array that owns the control.
    Control(Kind kind, const char* name);
    virtual ~Control() = default;
    Control& operator=(const Control&) = delete;

    Kind kind() const { return kind_; }
    std::string_view name() const { return name_; }
    // Index inside its control array, or -1 for a lone control.
    Integer index() const { return index_; }
    void setIndex(Integer index) { index_ = index; }

    Single Left() const { return left_; }
    Single Top() const { return top_; }
    Single Width() const { return width_; }
    Single Height() const { return height_; }
    void setLeft(Single value);
    void setTop(Single value);
    void setWidth(Single value);
    void setHeight(Single value);
    // Sets left and top together, so a renderer repaints the move once.
    void Move(Single left, Single top);
    // A new place and size, reported once.
    void setBounds(Single left, Single top, Single width, Single height);
    // Layout-time placement; no change is reported.
    void place(Single left, Single top, Single width, Single height);

    bool Visible() const { return visible_; }
    void setVisible(bool value);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool value);

    // Position in the keyboard order of the form; -1 when the control takes no part.
    int TabIndex() const { return tabIndex_; }
    void setTabIndex(int index) { tabIndex_ = static_cast<std::int16_t>(index); }

    // Hides without reporting; for an element that no renderer has seen yet.
    void quietHide() { visible_ = false; }

    ControlObserver* observer() const { return observer_; }
    void setObserver(ControlObserver* observer) { observer_ = observer; }

protected:
    // Copies every property and the observer; used when an array creates an element from element 0.
    Control(const Control&) = default;
    void notify(Prop what);
    // Stores a new value and tells the observer; an equal value changes and tells nothing.
    template <class T, class U> bool change(T& field, const U& value, Prop what) {
        if (field == value)
            return false;
        field = value;
        notify(what);
        return true;
    }

private:
    // Ordered for size: a trail holds tens of thousands of these.
    ControlObserver* observer_ = nullptr;
    const char* name_;
    Single left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    Integer index_ = -1;
    std::int16_t tabIndex_ = -1;
    Kind kind_;
    bool visible_ = true;
    bool enabled_ = true;
};

// A control with a caption: frames, labels, buttons, check boxes and option buttons.
class CaptionedControl : public Control {
public:
    CaptionedControl(Kind kind, const char* name, std::string caption = {});
    const std::string& Caption() const { return caption_; }
    void setCaption(const std::string& text);

protected:
    CaptionedControl(const CaptionedControl&) = default;

private:
    std::string caption_;
};

class Frame : public CaptionedControl {
public:
    Frame(const char* name, std::string caption);
};

class Label : public CaptionedControl {
public:
    Label(const char* name, std::string caption);
    // Width follows the caption, one line high.
    bool AutoSize = false;
    // The caption wraps within the fixed size.
    bool WordWrap = false;
    bool Centred = false;
};

class TextBox : public Control {
public:
    TextBox(const char* name, std::string text);
    const std::string& Text() const { return text_; }
    // Raises onChange inside the write, and only when the text really changes.
    void setText(const std::string& text);
    // Typing stops at this many characters; 0 means no limit. Program writes are not cut.
    int MaxLength = 0;
    // The user cannot type into the box; the program still writes it.
    bool Locked = false;
    std::function<void()> onChange;

private:
    std::string text_;
};

class CommandButton : public CaptionedControl {
public:
    CommandButton(const char* name, std::string caption);
    // Pressed by Enter anywhere in its window.
    bool Default = false;
    // Pressed by Esc anywhere in its window.
    bool Cancel = false;
    std::function<void()> onClick;
    // A press by mouse or key; does nothing while the button is disabled or hidden.
    void click();
};

class HScrollBar : public Control {
public:
    HScrollBar(const char* name, Integer min, Integer max, Integer value);
    Integer Min() const { return min_; }
    Integer Max() const { return max_; }
    Integer Value() const { return value_; }
    // Clamps into Min..Max; raises onChange after the value changed.
    void setValue(Integer value);
    Integer SmallChange = 1;
    Integer LargeChange = 1;
    std::function<void()> onChange;

private:
    Integer min_, max_, value_;
};

class CheckBox : public CaptionedControl {
public:
    CheckBox(const char* name, std::string caption, Integer value);
    // 0 clear, 1 ticked.
    Integer Value() const { return value_; }
    // Raises onClick after the value changed, by the user or the program.
    void setValue(Integer value);
    std::function<void()> onClick;

private:
    Integer value_;
};

class OptionButton : public CaptionedControl {
public:
    OptionButton(const char* name, std::string caption, bool selected);
    bool Value() const { return value_; }
    // Selecting one button clears the others of its group.
    void setValue(bool selected);
    // Makes the buttons one group in which at most one is selected.
    static void makeGroup(std::initializer_list<OptionButton*> buttons);
    static void makeGroup(const std::vector<OptionButton*>& buttons);
    const std::vector<OptionButton*>& group() const;
    // Receives the element's index, as an array's click handler does.
    std::function<void(Integer)> onClick;
    void click();

private:
    bool value_;
    std::shared_ptr<std::vector<OptionButton*>> group_;
};

// Shape codes of a Shape control.
namespace ShapeCodes {
constexpr Integer Rectangle = 0;
constexpr Integer Square = 1;
constexpr Integer Oval = 2;
constexpr Integer Circle = 3;
constexpr Integer RoundedRectangle = 4;
constexpr Integer RoundedSquare = 5;
} // namespace ShapeCodes

class Shape : public Control {
public:
    Shape(const char* name, Integer shape);
    Shape(const Shape&) = default;
    Integer ShapeCode() const { return shape_; }
    void setShape(Integer code);
    // 0 solid, 1 transparent.
    Integer FillStyle() const { return fillStyle_; }
    void setFillStyle(Integer style);
    Colour FillColor() const { return fillColor_; }
    void setFillColor(Colour colour);

private:
    Integer shape_;
    Integer fillStyle_ = 1;
    Colour fillColor_ = 0;
};

class Line : public Control {
public:
    Line(const char* name, Single x1, Single y1, Single x2, Single y2);
    Line(const Line&) = default;
    Single X1, Y1, X2, Y2;
    // Moves both ends, so a renderer repaints the old and the new place once.
    void setPoints(Single x1, Single y1, Single x2, Single y2);
    // -1 means the system's window-text colour.
    Colour BorderColor = -1;
    int BorderWidth = 1;
};

class PictureBox : public Control {
public:
    explicit PictureBox(const char* name);
};

} // namespace tk
