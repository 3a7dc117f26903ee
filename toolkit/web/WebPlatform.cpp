#include "toolkit/web/WebPlatform.h"

#include "toolkit/Form.h"
#include "toolkit/TipPlace.h"
#include "toolkit/web/WebScheduler.h"
#include "toolkit/web/WebView.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace tkweb {

namespace {

// The page's own texts.
constexpr const char* fileNamePrompt = "Numele fisierului:";
constexpr const char* proposedName = "raport.txt";
constexpr const char* saveButton = "Salveaza";
constexpr const char* cancelButton = "Anuleaza";
constexpr const char* okButton = "OK";
constexpr const char* endedText = "Programul s-a incheiat.";
constexpr const char* restartButton = "Porneste din nou";

// A string the page allocated with malloc, taken over.
std::string taken(char* text) {
    std::unique_ptr<char, decltype(&std::free)> owner(text, &std::free);
    return text ? std::string(text) : std::string();
}

} // namespace

EM_JS(char*, js_decimal_separator, (), { return Module.tk.cstr(Module.tk.decimalSeparator()); });
EM_JS(char*, js_general_date, (), { return Module.tk.cstr(Module.tk.generalDate()); });
// The tip's place (left, top, width in form pixels) comes from the core, as the desktop's does.
EM_JS(void, js_refuse, (int form, int control, const char* text, int x, int y, int width),
      { Module.tk.refuse(form, control, UTF8ToString(text), x, y, width); });
EM_JS(void, js_raise, (int form), { Module.tk.raise(form); });
EM_JS(void, js_end, (const char* text, const char* button),
      { Module.tk.endProgram(UTF8ToString(text), UTF8ToString(button)); });
EM_ASYNC_JS(void, js_wait_form, (int form), { await Module.tk.waitForm(form); });
EM_ASYNC_JS(char*, js_ask_save,
            (const char* title, const char* description, const char* pattern, const char* prompt,
             const char* proposed, const char* save, const char* cancel),
            {
                const name = await Module.tk.askSave(
                    UTF8ToString(title), UTF8ToString(description), UTF8ToString(pattern),
                    UTF8ToString(prompt), UTF8ToString(proposed), UTF8ToString(save),
                    UTF8ToString(cancel));
                return name === null ? 0 : Module.tk.cstr(name);
            });
EM_ASYNC_JS(char*, js_write_file, (const char* path, const char* bytes, int length), {
    const failure = await Module.tk.writeFile(UTF8ToString(path), HEAPU8.slice(bytes, bytes + length));
    return failure === null ? 0 : Module.tk.cstr(failure);
});
EM_ASYNC_JS(void, js_message, (const char* title, const char* text, const char* ok),
            { await Module.tk.message(UTF8ToString(title), UTF8ToString(text), UTF8ToString(ok)); });

namespace {
WebPlatform* current = nullptr;
constexpr int pageDialog = -1;
} // namespace

WebPlatform::WebPlatform(WebScheduler& scheduler) : scheduler_(scheduler) {
    current = this;
}

WebPlatform* WebPlatform::instance() {
    return current;
}

const tk::Locale& WebPlatform::locale() const {
    if (!locale_)
        locale_ = tk::Locale{taken(js_decimal_separator())};
    return *locale_;
}

tk::Scheduler& WebPlatform::scheduler() {
    return scheduler_;
}

std::string WebPlatform::nowGeneralDate() {
    return taken(js_general_date());
}

int WebPlatform::add(WebView& view) {
    views_.push_back(&view);
    return static_cast<int>(views_.size()) - 1;
}

void WebPlatform::remove(WebView& view) {
    std::replace(views_.begin(), views_.end(), &view, static_cast<WebView*>(nullptr));
}

WebView* WebPlatform::view(int id) const {
    return id >= 0 && static_cast<std::size_t>(id) < views_.size()
               ? views_[static_cast<std::size_t>(id)]
               : nullptr;
}

WebView* WebPlatform::viewOf(const tk::Form& form) const {
    for (WebView* v : views_)
        if (v && &v->form() == &form && v->open())
            return v;
    return nullptr;
}

bool WebPlatform::takesInput(int id) const {
    return !ended_ && view(id) && (modal_.empty() || modal_.back() == id || view(id)->isWindow());
}

void WebPlatform::refuseInput(tk::TextBox& box, const std::string& explanation) {
    for (WebView* v : views_)
        if (v && v->idOf(box) >= 0) {
            const tk::PixelRect at = tk::tipPlace(v->form(), box, [&](int width) {
                return tk::estimatedTipHeight(explanation, width);
            });
            js_refuse(v->id(), v->idOf(box), explanation.c_str(), at.x, at.y, at.width);
            return;
        }
}

void WebPlatform::showModal(tk::Form& form, tk::Form&) {
    if (WebView* shown = viewOf(form)) {
        js_raise(shown->id());
        return;
    }
    form.Load(scheduler_);
    if (!form.loaded())
        return;
    WebView view(form, *this, {});
    modal_.push_back(view.id());
    // The C++ stack waits here, unwound, while the page goes on; OK or Esc unloads the form.
    if (view.open())
        js_wait_form(view.id());
    modal_.pop_back();
}

void WebPlatform::showWindow(tk::Form& form, tk::Form&) {
    if (WebView* shown = viewOf(form)) {
        js_raise(shown->id());
        return;
    }
    // A window closed earlier leaves its view: a new one shows the form afresh.
    std::erase_if(windows_, [&](const auto& v) { return &v->form() == &form; });
    form.Load(scheduler_);
    if (form.loaded())
        windows_.push_back(std::make_unique<WebView>(
            form, *this, WebView::Options{form.liveControls(), false, true}));
}

void WebPlatform::closeWindow(tk::Form& form) {
    WebView* shown = viewOf(form);
    const bool main = shown && shown->id() == 0;
    // The main window's close ends the program: its other windows close with it, as on the desktop.
    if (main)
        for (const auto& window : windows_)
            if (window->open())
                window->form().Unload();
    form.Unload();
    if (main) {
        ended_ = true;
        js_end(endedText, restartButton);
    }
}

std::optional<std::string> WebPlatform::askSaveFileName(tk::Form&,
                                                        const tk::SaveFileRequest& request) {
    modal_.push_back(pageDialog);
    char* name = js_ask_save(request.title.c_str(), request.filterDescription.c_str(),
                             request.filterPattern.c_str(), fileNamePrompt,
                             request.fileName.empty() ? proposedName : request.fileName.c_str(),
                             saveButton, cancelButton);
    modal_.pop_back();
    if (!name)
        return std::nullopt;
    return taken(name);
}

std::optional<std::string> WebPlatform::writeFileAtomically(const std::string& path,
                                                            const std::string& bytes) {
    char* failure = js_write_file(path.c_str(), bytes.data(), static_cast<int>(bytes.size()));
    if (!failure)
        return std::nullopt;
    return taken(failure);
}

void WebPlatform::showError(tk::Form&, const std::string& title, const std::string& text) {
    modal_.push_back(pageDialog);
    js_message(title.c_str(), text.c_str(), okButton);
    modal_.pop_back();
}

} // namespace tkweb
