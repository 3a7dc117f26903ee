#pragma once

#include "toolkit/Locale.h"

#include <optional>
#include <string>

namespace tk {

class Form;
class Scheduler;
class Settings;
class TextBox;
struct PrintedDocument;

// What the Save dialog is asked for.
struct SaveFileRequest {
    std::string title;
    std::string filterDescription;
    std::string filterPattern;
    std::string fileName;
};

// Services of the desktop that handlers reach beyond their own controls.
class Platform {
public:
    virtual ~Platform() = default;

    virtual const Locale& locale() const = 0;
    virtual Scheduler& scheduler() = 0;
    // Local date and time as the locale writes them: short date, a blank, long time.
    virtual std::string nowGeneralDate() = 0;

    // Tells the user a text box holds a value that cannot be used: focus, selection, beep, tip.
    virtual void refuseInput(TextBox& box, const std::string& explanation) = 0;

    // Loads the form and shows it modally over the owner's window, whatever window is active;
    // returns once it is unloaded. A form already shown is raised instead of shown again.
    virtual void showModal(Form& form, Form& owner) = 0;
    // Loads the form and shows it as a window of its own beside the owner's, not modal; a form
    // already shown is raised instead. Returns at once.
    virtual void showWindow(Form& form, Form& owner) = 0;
    // Closes a window of the program (the main window's close ends the program).
    virtual void closeWindow(Form& form) = 0;

    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> askSaveFileName(Form& owner,
                                                       const SaveFileRequest& request) = 0;
    // Replaces the file atomically; on failure returns the Romanian explanation: the kind of
    // failure with the system's text as a detail, and what became of the old file.
    virtual std::optional<std::string> writeFileAtomically(const std::string& path,
                                                           const std::string& bytes) = 0;
    virtual void showError(Form& owner, const std::string& title, const std::string& text) = 0;
    // A question answered "Da" or "Nu", modal over the owner's window; "Nu" is the default
    // answer, and closing the question answers it.
    virtual bool askYesNo(Form& owner, const std::string& title, const std::string& question) = 0;

    // Prints the document: the desktop asks where to save it as PDF and writes the file
    // atomically (a failure explained in a message box), the page opens the browser's print
    // dialog on A4, which also saves PDF. May return before the user has answered.
    virtual void print(Form& owner, const PrintedDocument& document) = 0;

    // Puts the box's text on the clipboard; the page, where the browser refuses, leaves the text
    // selected in the box for the user's own copy.
    virtual void copyText(TextBox& box) = 0;
    // The address the program was opened from, without its '#' part; empty on the desktop.
    virtual std::string pageAddress() const { return {}; }

    // What the program keeps between runs; the same object for as long as the platform lives.
    virtual Settings& settings() = 0;
};

} // namespace tk
