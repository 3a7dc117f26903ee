#include "mainwindow/frmmain.h"
#include "notebook/web/WebNotebook.h"
#include "toolkit/web/WebPlatform.h"
#include "toolkit/web/WebScheduler.h"
#include "toolkit/web/WebView.h"

namespace lopena {

// Once the page is the program's: the boxes kept, then a Laborator's code after '#' in the
// address, at the start and whenever it changes.
void connectPage(frmmain& window, tkweb::WebPlatform& platform) {
    platform.started = [&window] { window.restoreInputs(); };
    platform.addressChanged = [&window](const std::string& fragment) {
        if (!fragment.empty())
            window.openLab(fragment);
    };
}

} // namespace lopena

// The browser edition: the main window on the page, for as long as the page lives, and the lab
// notebook in a panel beside it.
int main() {
    static tkweb::WebScheduler scheduler;
    static tkweb::WebPlatform platform(scheduler);
    static lopena::frmmain window(platform);
    window.Load(platform.scheduler());
    static lopena::WebNotebook notebook(window.notebook, platform.locale(), platform.scheduler());
    window.showNotebook = [] { notebook.show(); };
    lopena::connectPage(window, platform);
    static tkweb::WebView view(window, platform,
                               {{&window.Label7, &window.Label8, &window.Label11}, true});
    return 0;
}
