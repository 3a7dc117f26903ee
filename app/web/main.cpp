#include "mainwindow/frmmain.h"
#include "toolkit/web/WebPlatform.h"
#include "toolkit/web/WebScheduler.h"
#include "toolkit/web/WebView.h"

// The browser edition: the main window on the page, for as long as the page lives. The lab
// notebook does not come to the browser yet, so its menu item is not shown.
int main() {
    static tkweb::WebScheduler scheduler;
    static tkweb::WebPlatform platform(scheduler);
    static lopena::frmmain window(platform);
    window.Load(platform.scheduler());
    static tkweb::WebView view(window, platform,
                               {{&window.Label7, &window.Label8, &window.Label11},
                                {&window.l2, &window.mnucaiet},
                                true});
    return 0;
}
