// The functions the page calls (binding.js): its events, frames and timers, each delivered to
// the model of its window. The numbers they take are declared in PageBridge.h.
#include "toolkit/web/PageBridge.h"
#include "toolkit/web/WebPlatform.h"
#include "toolkit/web/WebScheduler.h"
#include "toolkit/web/WebView.h"

#include <emscripten.h>

#include <string>

namespace {

using tkweb::WebPlatform;
using tkweb::WebView;

// The window an event of the page is for, when it takes input now.
WebView* target(int form) {
    WebPlatform* platform = WebPlatform::instance();
    return platform && platform->takesInput(form) ? platform->view(form) : nullptr;
}

WebView* shown(int form) {
    WebPlatform* platform = WebPlatform::instance();
    return platform ? platform->view(form) : nullptr;
}

} // namespace

extern "C" {
EMSCRIPTEN_KEEPALIVE void lopena_click(int form, int control) {
    if (auto* v = target(form))
        v->click(control);
}
EMSCRIPTEN_KEEPALIVE void lopena_text(int form, int control, const char* text) {
    if (auto* v = target(form))
        v->text(control, text);
}
// action: a bridge::Scroll; value for Scroll::Set.
EMSCRIPTEN_KEEPALIVE void lopena_scroll(int form, int control, int action, int value) {
    if (auto* v = target(form))
        v->scroll(control, action, value);
}
EMSCRIPTEN_KEEPALIVE void lopena_menu(int form, int item) {
    if (auto* v = target(form))
        v->menu(item);
}
// key: a bridge::Key.
EMSCRIPTEN_KEEPALIVE void lopena_key(int form, int key) {
    if (auto* v = target(form))
        v->key(key);
}
EMSCRIPTEN_KEEPALIVE void lopena_close(int form) {
    if (auto* v = target(form); v && v->isWindow())
        v->close();
}
EMSCRIPTEN_KEEPALIVE void lopena_paint(int form) {
    if (auto* v = shown(form))
        v->surface().paint();
}
// The page's room for a window turned taller than wide (tall = 1), or back, or changed its width
// (form pixels): a form with a tall layout lays itself out for it.
EMSCRIPTEN_KEEPALIVE void lopena_arrange(int form, int tall, int width) {
    if (auto* v = shown(form))
        v->form().arrange(tall ? tk::Layout::Tall : tk::Layout::Wide, width);
}
EMSCRIPTEN_KEEPALIVE void lopena_repaint(int form) {
    if (auto* v = shown(form))
        v->surface().repaintAll();
}
// The tooltip of the scene at a point of the form, in model pixels, alive until the next call.
EMSCRIPTEN_KEEPALIVE const char* lopena_tip(int form, int x, int y) {
    static std::string tip;
    auto* v = shown(form);
    tip = v ? v->surface().tipAt(x, y) : std::string();
    return tip.c_str();
}
// Once the program has taken the page over: what the page kept is read back now.
EMSCRIPTEN_KEEPALIVE void lopena_started() {
    if (auto* platform = tkweb::WebPlatform::instance(); platform && platform->started)
        platform->started();
}
// The address's '#' part, without the '#' (a Laborator's code).
EMSCRIPTEN_KEEPALIVE void lopena_address(const char* fragment) {
    if (auto* platform = tkweb::WebPlatform::instance(); platform && platform->addressChanged)
        platform->addressChanged(fragment);
}
EMSCRIPTEN_KEEPALIVE void lopena_timer(int id) {
    if (auto* scheduler = tkweb::WebScheduler::instance())
        scheduler->fire(id);
}
}
