#include "toolkit/web/WebView.h"

#include "toolkit/SceneItems.h"
#include "toolkit/web/PageBridge.h"
#include "toolkit/web/WebPlatform.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>

namespace tkweb {

EM_JS(void, js_open_form,
      (int form, const char* name, const char* caption, int width, int height, int mode,
       int tall),
      {
          Module.tk.openForm(form, UTF8ToString(name), UTF8ToString(caption), width, height,
                             mode, !!tall);
      });
EM_JS(void, js_form_resized, (int form, int width, int height),
      { Module.tk.formResized(form, width, height); });
EM_JS(void, js_form_reveal, (int form, int left, int top, int width, int height),
      { Module.tk.reveal(form, left, top, width, height); });
EM_JS(void, js_add_control,
      (int form, int id, int kind, const char* name, int container, int x, int y, int w, int h,
       int flags, const char* text, const char* description, int tab, int group, int maxLength),
      {
          Module.tk.addControl({form, id, kind, name : UTF8ToString(name), container, x, y, w, h,
                                flags, text : UTF8ToString(text),
                                description : UTF8ToString(description), tab, group, maxLength});
      });
EM_JS(void, js_set_geometry, (int form, int id, int x, int y, int w, int h),
      { Module.tk.setGeometry(form, id, x, y, w, h); });
EM_JS(void, js_set_flags, (int form, int id, int flags), { Module.tk.setFlags(form, id, flags); });
EM_JS(void, js_set_text, (int form, int id, const char* text),
      { Module.tk.setText(form, id, UTF8ToString(text)); });
EM_JS(void, js_set_range, (int form, int id, int min, int max, int value),
      { Module.tk.setRange(form, id, min, max, value); });
EM_JS(void, js_add_menu,
      (int form, int id, int parent, const char* name, const char* caption, const char* shortcut,
       int flags),
      {
          Module.tk.addMenu(form, id, parent, UTF8ToString(name), UTF8ToString(caption),
                            UTF8ToString(shortcut), flags);
      });
EM_JS(void, js_set_menu, (int form, int id, int flags), { Module.tk.setMenu(form, id, flags); });
EM_JS(void, js_form_ready, (int form, int focus), { Module.tk.formReady(form, focus); });
EM_JS(void, js_close_form, (int form), { Module.tk.closeForm(form); });

namespace {

using tk::pixel;
using bridge::Flag;
using bridge::MenuFlag;

constexpr int bit(Flag f) { return bridge::n(f); }
constexpr int bit(MenuFlag f) { return bridge::n(f); }

std::string domName(const tk::Control& control) {
    std::string name(control.name());
    if (control.index() >= 0)
        name += "_" + std::to_string(control.index());
    return name;
}

int flagsOf(const tk::Control& c) {
    int f = (c.Visible() ? bit(Flag::Visible) : 0) | (c.Enabled() ? bit(Flag::Enabled) : 0);
    if (c.kind() == tk::Kind::Label) {
        const auto& label = static_cast<const tk::Label&>(c);
        f |= (label.AutoSize ? bit(Flag::AutoSize) : 0) | (label.WordWrap ? bit(Flag::WordWrap) : 0) |
             (label.Centred ? bit(Flag::Centred) : 0);
    } else if (c.kind() == tk::Kind::CommandButton) {
        const auto& button = static_cast<const tk::CommandButton&>(c);
        f |= (button.Default ? bit(Flag::Default) : 0) | (button.Cancel ? bit(Flag::Cancel) : 0);
    } else if (c.kind() == tk::Kind::TextBox) {
        f |= static_cast<const tk::TextBox&>(c).Locked ? bit(Flag::Locked) : 0;
    } else if (c.kind() == tk::Kind::CheckBox) {
        f |= static_cast<const tk::CheckBox&>(c).Value() ? bit(Flag::Checked) : 0;
    } else if (c.kind() == tk::Kind::OptionButton) {
        f |= static_cast<const tk::OptionButton&>(c).Value() ? bit(Flag::Checked) : 0;
    }
    return f;
}

std::string contentOf(const tk::Control& c) {
    if (c.kind() == tk::Kind::TextBox)
        return static_cast<const tk::TextBox&>(c).Text();
    if (auto* captioned = dynamic_cast<const tk::CaptionedControl*>(&c))
        return captioned->Caption();
    return {};
}

int menuFlags(const tk::MenuItem& item) {
    return (item.Checked() ? bit(MenuFlag::Checked) : 0) | (item.Enabled() ? bit(MenuFlag::Enabled) : 0) |
           (item.isSeparator() ? bit(MenuFlag::Separator) : 0) |
           (item.children().empty() ? 0 : bit(MenuFlag::Submenu));
}

} // namespace

WebView::WebView(tk::Form& form, WebPlatform& platform, Options options)
    : form_(form), platform_(platform), options_(std::move(options)), id_(platform.add(*this)),
      surface_(form, id_) {
    js_open_form(id_, form.name().c_str(), form.Caption().c_str(), form.clientWidth(),
                 form.clientHeight(),
                 bridge::n(options_.main     ? bridge::FormMode::Main
                           : options_.window ? bridge::FormMode::Window
                                             : bridge::FormMode::Dialog),
                 form.hasTallLayout() ? 1 : 0);
    // Every control's place in the tab order (from 1), the page's order of elements: the keys
    // go through the controls as on the desktop. -1: a control Tab does not reach.
    std::vector<tk::Control*> ordered(form.controls().begin(), form.controls().end());
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](auto* a, auto* b) { return a->TabIndex() < b->TabIndex(); });
    for (tk::Control* c : form.controls()) {
        const auto at = std::find(ordered.begin(), ordered.end(), c);
        const bool skipped = tk::takesKeys(c->kind()) && c->TabIndex() < 0;
        addControl(*c, skipped ? -1 : static_cast<int>(at - ordered.begin()) + 1);
    }
    tk::watchScene(form_, this);
    for (tk::MenuItem* top : form.menuBar())
        addMenu(*top, -1);
    form.setFormObserver(this);
    js_form_ready(id_, focusFirst());
}

WebView::~WebView() {
    for (tk::Control* c : controls_)
        if (c)
            c->setObserver(nullptr);
    tk::watchScene(form_, nullptr);
    for (tk::MenuItem* item : items_)
        item->setObserver(nullptr);
    form_.setFormObserver(nullptr);
    if (open_)
        js_close_form(id_);
    platform_.remove(*this);
}

void WebView::addControl(tk::Control& c, int tabPosition) {
    const int id = static_cast<int>(controls_.size());
    controls_.push_back(&c);
    ids_[&c] = id;
    c.setObserver(this);
    const tk::Control* frame = form_.containerOf(c);
    const char* explanation = form_.accessibleName(c);
    int group = -1, maxLength = 0;
    if (c.kind() == tk::Kind::OptionButton) {
        const auto& members = static_cast<tk::OptionButton&>(c).group();
        group = members.empty() ? id : idOf(*members.front());
        if (group < 0)
            group = id;
    } else if (c.kind() == tk::Kind::TextBox) {
        maxLength = static_cast<tk::TextBox&>(c).MaxLength;
    }
    js_add_control(id_, id, static_cast<int>(c.kind()), domName(c).c_str(),
                   frame ? idOf(*frame) : -1, pixel(c.Left()), pixel(c.Top()), pixel(c.Width()),
                   pixel(c.Height()), flagsOf(c) |
                       (std::count(options_.live.begin(), options_.live.end(), &c) ? bit(Flag::Live) : 0),
                   contentOf(c).c_str(), explanation ? explanation : "", tabPosition, group,
                   maxLength);
    if (c.kind() == tk::Kind::HScrollBar)
        sendRange(static_cast<tk::HScrollBar&>(c), id);
}

void WebView::sendRange(const tk::HScrollBar& bar, int id) {
    js_set_range(id_, id, std::min(bar.Min(), bar.Max()), std::max(bar.Min(), bar.Max()),
                 bar.Value());
}

void WebView::addMenu(tk::MenuItem& item, int parent) {
    const int id = static_cast<int>(items_.size());
    items_.push_back(&item);
    item.setObserver(this);
    js_add_menu(id_, id, parent, item.name().c_str(), item.Caption().c_str(),
                item.shortcut().c_str(), menuFlags(item));
    for (tk::MenuItem* child : item.children())
        addMenu(*child, id);
}

int WebView::idOf(const tk::Control& control) const {
    auto it = ids_.find(&control);
    return it == ids_.end() ? -1 : it->second;
}

tk::Control* WebView::control(int id) const {
    return id >= 0 && static_cast<std::size_t>(id) < controls_.size()
               ? controls_[static_cast<std::size_t>(id)]
               : nullptr;
}

int WebView::focusFirst() const {
    const tk::Control* first = form_.firstFocus();
    return first ? idOf(*first) : -1;
}

void WebView::changed(tk::Control& c, tk::Prop what) {
    if (c.kind() == tk::Kind::Shape || c.kind() == tk::Kind::Line) {
        surface_.sceneChanged(c, what);
        return;
    }
    const int id = idOf(c);
    if (id < 0)
        return;
    switch (what) {
    case tk::Prop::Geometry:
        js_set_geometry(id_, id, pixel(c.Left()), pixel(c.Top()), pixel(c.Width()),
                        pixel(c.Height()));
        break;
    case tk::Prop::Visible:
    case tk::Prop::Enabled:
    case tk::Prop::Checked:
        js_set_flags(id_, id, flagsOf(c));
        break;
    case tk::Prop::Value:
    case tk::Prop::Range:
        if (c.kind() == tk::Kind::HScrollBar)
            sendRange(static_cast<tk::HScrollBar&>(c), id);
        else
            js_set_flags(id_, id, flagsOf(c));
        break;
    case tk::Prop::Destroyed:
        controls_[static_cast<std::size_t>(id)] = nullptr;
        ids_.erase(&c);
        break;
    case tk::Prop::Caption:
    case tk::Prop::Text:
        js_set_text(id_, id, contentOf(c).c_str());
        break;
    default:
        break;
    }
}

void WebView::menuChanged(tk::MenuItem& item) {
    const auto it = std::find(items_.begin(), items_.end(), &item);
    if (it != items_.end())
        js_set_menu(id_, static_cast<int>(it - items_.begin()), menuFlags(item));
}

void WebView::formResized() {
    js_form_resized(id_, form_.clientWidth(), form_.clientHeight());
    surface_.repaintAll();
}

void WebView::formReveal(int left, int top, int width, int height) {
    js_form_reveal(id_, left, top, width, height);
}

void WebView::formUnloaded() {
    open_ = false;
    js_close_form(id_);
}

void WebView::click(int id) {
    tk::Control* c = control(id);
    if (!c)
        return;
    if (c->kind() == tk::Kind::CommandButton)
        static_cast<tk::CommandButton*>(c)->click();
    else if (c->kind() == tk::Kind::OptionButton)
        static_cast<tk::OptionButton*>(c)->click();
    else if (c->kind() == tk::Kind::CheckBox && c->Enabled())
        static_cast<tk::CheckBox*>(c)->setValue(static_cast<tk::CheckBox*>(c)->Value() ? 0 : 1);
}

void WebView::text(int id, const std::string& text) {
    tk::Control* c = control(id);
    if (!c || c->kind() != tk::Kind::TextBox)
        return;
    auto* box = static_cast<tk::TextBox*>(c);
    if (box->Locked) {
        js_set_text(id_, id, box->Text().c_str());
        return;
    }
    box->setText(text);
    // The page shows what the model holds, corrections included.
    js_set_text(id_, id, box->Text().c_str());
}

void WebView::scroll(int id, int action, int value) {
    tk::Control* c = control(id);
    if (!c || c->kind() != tk::Kind::HScrollBar || !c->Enabled())
        return;
    auto* bar = static_cast<tk::HScrollBar*>(c);
    const int lo = std::min(bar->Min(), bar->Max()), hi = std::max(bar->Min(), bar->Max());
    int next = bar->Value();
    using bridge::Scroll;
    switch (static_cast<Scroll>(action)) {
    case Scroll::Set: next = value; break;
    case Scroll::SmallDown: next -= bar->SmallChange; break;
    case Scroll::SmallUp: next += bar->SmallChange; break;
    case Scroll::LargeDown: next -= bar->LargeChange; break;
    case Scroll::LargeUp: next += bar->LargeChange; break;
    case Scroll::Min: next = lo; break;
    case Scroll::Max: next = hi; break;
    default: return;
    }
    bar->setValue(static_cast<tk::Integer>(std::clamp(next, lo, hi)));
}

void WebView::menu(int id) {
    if (id >= 0 && static_cast<std::size_t>(id) < items_.size())
        items_[static_cast<std::size_t>(id)]->click();
}

void WebView::key(int key) {
    using bridge::Key;
    if (key != bridge::n(Key::Enter) && key != bridge::n(Key::Escape))
        return;
    const bool escape = key == bridge::n(Key::Escape);
    if (tk::CommandButton* button = form_.markedButton(escape))
        button->click();
    else if (escape && options_.window)
        close(); // a window of the page without a cancel button: Esc closes it, as its close button
}

void WebView::close() {
    form_.Unload();
}

} // namespace tkweb
