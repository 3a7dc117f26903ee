#include "toolkit/web/WebPlatform.h"

#include "toolkit/Form.h"
#include "toolkit/PrintedDocument.h"
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
constexpr const char* yesButton = "Da";
constexpr const char* noButton = "Nu";
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
EM_ASYNC_JS(int, js_ask, (const char* title, const char* text, const char* yes, const char* no), {
    const yes_ = await Module.tk.ask(UTF8ToString(title), UTF8ToString(text), UTF8ToString(yes), UTF8ToString(no));
    return yes_ ? 1 : 0;
});
EM_JS(void, js_print, (const char* title, const char* html),
      { Module.tk.print(UTF8ToString(title), UTF8ToString(html)); });
// The box's text copied, or selected for the user where the browser refuses (binding.js).
EM_JS(void, js_copy, (int form, int control, const char* text),
      { Module.tk.copy(form, control, UTF8ToString(text)); });
EM_JS(char*, js_address, (), { return Module.tk.cstr(location.href.split('#')[0]); });
// The page's storage (storage.js): a text, or 0 for none.
EM_JS(char*, js_setting, (const char* key), {
    const value = Module.tk.storage.get(UTF8ToString(key));
    return value === null ? 0 : Module.tk.cstr(value);
});
EM_JS(void, js_set_setting, (const char* key, const char* value),
      { Module.tk.storage.set(UTF8ToString(key), UTF8ToString(value)); });
EM_JS(void, js_remove_settings, (const char* prefix),
      { Module.tk.storage.removeAll(UTF8ToString(prefix)); });
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

void WebPlatform::copyText(tk::TextBox& box) {
    for (WebView* v : views_)
        if (v && v->idOf(box) >= 0) {
            js_copy(v->id(), v->idOf(box), box.Text().c_str());
            return;
        }
}

std::string WebPlatform::pageAddress() const {
    return taken(js_address());
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

bool WebPlatform::askYesNo(tk::Form&, const std::string& title, const std::string& question) {
    modal_.push_back(pageDialog);
    const bool yes = js_ask(title.c_str(), question.c_str(), yesButton, noButton) != 0;
    modal_.pop_back();
    return yes;
}

void WebPlatform::print(tk::Form&, const tk::PrintedDocument& document) {
    js_print(document.title.c_str(), tk::printedHtml(document).c_str());
}

std::optional<std::string> WebPlatform::PageSettings::value(const std::string& key) const {
    char* value = js_setting(key.c_str());
    if (!value)
        return std::nullopt;
    return taken(value);
}

void WebPlatform::PageSettings::setValue(const std::string& key, const std::string& value) {
    js_set_setting(key.c_str(), value.c_str());
}

void WebPlatform::PageSettings::removeAll(const std::string& prefix) {
    js_remove_settings(prefix.c_str());
}

} // namespace tkweb
