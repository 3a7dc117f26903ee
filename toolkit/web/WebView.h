#pragma once

#include "toolkit/Control.h"
#include "toolkit/Form.h"
#include "toolkit/MenuItem.h"
#include "toolkit/web/WebSurface.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace tkweb {

class WebPlatform;

// A form on the page: one HTML element per control (its id the control's name, `name_index` in
// an array), the menu bar, and the scene on a canvas beneath them. Changes of the model are
// passed to the page as they happen; the page's events come back as changes of the model, so
// every handler runs as on the desktop.
class WebView : public tk::ControlObserver, public tk::MenuObserver, public tk::FormObserver {
public:
    struct Options {
        // Labels whose captions a screen reader hears as they change (at most 4 times a second).
        std::vector<const tk::Control*> live;
        // The main window takes the page; any other form opens as a modal dialog, or as a
        // window of the page beside the main one when `window` is set.
        bool main = false;
        bool window = false;
    };
    WebView(tk::Form& form, WebPlatform& platform, Options options);
    ~WebView() override;
    WebView(const WebView&) = delete;
    WebView& operator=(const WebView&) = delete;

    int id() const { return id_; }
    tk::Form& form() const { return form_; }
    // The page's id of a control of this form, or -1.
    int idOf(const tk::Control& control) const;
    bool open() const { return open_; }
    bool isWindow() const { return options_.window; }

    void changed(tk::Control& control, tk::Prop what) override;
    void menuChanged(tk::MenuItem& item) override;
    void formUnloaded() override;
    void formResized() override;
    void formReveal(int left, int top, int width, int height) override;

    // Events of the page.
    void click(int control);
    void text(int control, const std::string& text);
    // action: a bridge::Scroll.
    void scroll(int control, int action, int value);
    void menu(int item);
    // key: a bridge::Key. Enter and Esc press the marked buttons; Esc closes a window without one.
    void key(int key);
    // The window's close button: the form is unloaded, as by the program.
    void close();
    WebSurface& surface() { return surface_; }

private:
    void addControl(tk::Control& control, int tabPosition);
    void sendRange(const tk::HScrollBar& bar, int id);
    void addMenu(tk::MenuItem& item, int parent);
    int focusFirst() const;
    tk::Control* control(int id) const;

    tk::Form& form_;
    WebPlatform& platform_;
    Options options_;
    int id_;
    std::vector<tk::Control*> controls_;
    std::unordered_map<const tk::Control*, int> ids_;
    std::vector<tk::MenuItem*> items_;
    WebSurface surface_;
    bool open_ = true;
};

} // namespace tkweb
