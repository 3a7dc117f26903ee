#pragma once

#include "support/VirtualClock.h"
#include "toolkit/Control.h"
#include "toolkit/Form.h"
#include "toolkit/Platform.h"
#include "toolkit/PrintedDocument.h"
#include "toolkit/Settings.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace lopena::testing {

// A platform without a screen: a virtual clock, a fixed locale and date, a scripted Save dialog
// and questions, files and settings kept in memory, and a record of everything shown or printed.
class HeadlessPlatform : public tk::Platform {
public:
    explicit HeadlessPlatform(tk::Locale locale = tk::Locale::c()) : locale_(std::move(locale)) {}

    const tk::Locale& locale() const override { return locale_; }
    tk::Scheduler& scheduler() override { return clock; }
    std::string nowGeneralDate() override { return dateText; }
    void refuseInput(tk::TextBox& box, const std::string& explanation) override {
        refusals.push_back({&box, explanation});
    }
    void showModal(tk::Form& form, tk::Form&) override {
        form.Load(clock);
        if (whileModal)
            whileModal(form);
        form.Unload();
    }
    void showWindow(tk::Form& form, tk::Form&) override {
        raised += form.loaded();
        form.Load(clock);
    }
    void closeWindow(tk::Form& form) override { form.Unload(); }
    std::optional<std::string> askSaveFileName(tk::Form&, const tk::SaveFileRequest&) override {
        return saveAnswer;
    }
    std::optional<std::string> writeFileAtomically(const std::string& path,
                                                   const std::string& bytes) override {
        if (auto failing = failingPaths.find(path); failing != failingPaths.end())
            return failing->second;
        files[path] = bytes;
        return std::nullopt;
    }
    void showError(tk::Form&, const std::string&, const std::string& text) override {
        errors.push_back(text);
    }
    bool askYesNo(tk::Form&, const std::string&, const std::string& question) override {
        questions.push_back(question);
        return yes;
    }
    void print(tk::Form&, const tk::PrintedDocument& document) override {
        printed.push_back(document);
    }
    void copyText(tk::TextBox& box) override { copied.push_back(box.Text()); }
    std::string pageAddress() const override { return address; }
    tk::Settings& settings() override { return kept; }

    tk::VirtualClock clock;
    std::string dateText = "06.12.2026 22:30:00";

    struct Refusal {
        const tk::TextBox* box;
        std::string explanation;
    };
    std::vector<Refusal> refusals;
    std::vector<std::string> errors;
    int raised = 0; // windows shown again while open

    // Plays the user while a modal form is open; unloads the form if it did not.
    std::function<void(tk::Form&)> whileModal;

    // The Save dialog's answer; nothing means Cancel.
    std::optional<std::string> saveAnswer;
    // Written files; a path listed in failingPaths fails with the reason given.
    std::map<std::string, std::string> files;
    std::map<std::string, std::string> failingPaths;

    // The questions asked, and the answer given to each ("Nu" unless told).
    std::vector<std::string> questions;
    bool yes = false;
    std::vector<tk::PrintedDocument> printed;
    std::vector<std::string> copied; // the clipboard's texts, the last one on it
    std::string address; // the page's, empty for the desktop
    // Kept between the windows made on this platform, as between two runs of the program.
    tk::MemorySettings kept;

private:
    tk::Locale locale_;
};

} // namespace lopena::testing
