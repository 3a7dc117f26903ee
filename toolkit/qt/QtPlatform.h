#pragma once

#include "toolkit/Platform.h"
#include "toolkit/qt/QtSettings.h"
#include "toolkit/qt/SaveDialog.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <unordered_map>

namespace tkqt {

class FormView;

// The desktop services over Qt: the system locale, the given timers, dialogs, files, PDF, the
// user's settings.
class QtPlatform : public tk::Platform {
public:
    // The program runs on precise Qt timers; tests pass a virtual clock.
    explicit QtPlatform(tk::Scheduler& scheduler);

    const tk::Locale& locale() const override { return locale_; }
    tk::Scheduler& scheduler() override { return scheduler_; }
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
    void copyText(tk::TextBox& box) override;
    void print(tk::Form& owner, const tk::PrintedDocument& document) override;
    tk::Settings& settings() override { return settings_; }

    // Makes a form's view known, so dialogs find their owner and refusals their box.
    void registerView(tk::Form& form, FormView* view, QWidget* window);
    void unregisterView(tk::Form& form);

    // Runs as soon as a modal window is shown; tests use it to drive the dialog.
    ModalHook onModalShown;

private:
    struct Registered {
        FormView* view;
        QPointer<QWidget> window;
    };
    QWidget* windowOf(tk::Form& form) const;

    tk::Locale locale_;
    tk::Scheduler& scheduler_;
    std::unordered_map<const tk::Form*, Registered> views_;
    QtSettings settings_;
};

// The locale's long time without a time zone: hours, minutes, seconds.
QString longTimeFormatWithoutZone(const QLocale& locale);

} // namespace tkqt
