#pragma once

#include "toolkit/Platform.h"
#include "toolkit/Settings.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tkweb {

class WebScheduler;
class WebView;

// The browser's services: its language, its timers, the date, dialogs of the page (the modal
// calls unwind the C++ stack while the page waits and return when the dialog closes), saving
// through the File System Access API or a download, printing through the browser's dialog, the
// browser's storage, and a beep through Web Audio.
class WebPlatform : public tk::Platform {
public:
    explicit WebPlatform(WebScheduler& scheduler);
    // The page's platform, for its entry points; nullptr before it is made.
    static WebPlatform* instance();

    // Asked of the browser on first use: its locale data loads slowly, so not before the first
    // frame.
    const tk::Locale& locale() const override;
    tk::Scheduler& scheduler() override;
    std::string nowGeneralDate() override;
    void refuseInput(tk::TextBox& box, const std::string& explanation) override;
    void showModal(tk::Form& form, tk::Form& owner) override;
    void showWindow(tk::Form& form, tk::Form& owner) override;
    void closeWindow(tk::Form& form) override;
    std::optional<std::string> askSaveFileName(tk::Form& owner,
                                               const tk::SaveFileRequest& request) override;
    std::optional<std::string> writeFileAtomically(const std::string& path,
                                                   const std::string& bytes) override;
    void showError(tk::Form& owner, const std::string& title, const std::string& text) override;
    bool askYesNo(tk::Form& owner, const std::string& title, const std::string& question) override;
    void print(tk::Form& owner, const tk::PrintedDocument& document) override;
    void copyText(tk::TextBox& box) override;
    std::string pageAddress() const override;
    tk::Settings& settings() override { return settings_; }

    // Told once the program has taken the page over (after the main window's start, which the
    // page drew from a recording, so nothing of it may differ): what is kept, then the address's
    // '#' part.
    std::function<void()> started;
    // The address's '#' part, without the '#', at the start and whenever it changes.
    std::function<void(const std::string&)> addressChanged;

    // The views of the page's windows, by id.
    int add(WebView& view);
    void remove(WebView& view);
    WebView* view(int id) const;
    // Whether a window takes input now: the topmost dialog, the main window when none is open,
    // and the windows beside it always.
    bool takesInput(int id) const;

private:
    // The browser's local storage for the page's file, or memory where the browser keeps nothing
    // (storage.js).
    class PageSettings : public tk::Settings {
    public:
        std::optional<std::string> value(const std::string& key) const override;
        void setValue(const std::string& key, const std::string& value) override;
        void removeAll(const std::string& prefix) override;
    };

    WebView* viewOf(const tk::Form& form) const;
    WebScheduler& scheduler_;
    mutable std::optional<tk::Locale> locale_;
    std::vector<WebView*> views_;
    // The views of the windows beside the main one, kept until shown again.
    std::vector<std::unique_ptr<WebView>> windows_;
    // Ids of the open modal windows, the topmost last; -1 stands for a dialog of the page
    // itself (the Save prompt, a message).
    std::vector<int> modal_;
    bool ended_ = false;
    PageSettings settings_;
};

} // namespace tkweb
