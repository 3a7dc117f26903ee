#pragma once

#include "toolkit/Form.h"

#include <QDialog>
#include <QMainWindow>

#include <memory>

namespace tkqt {

class FormView;
class QtPlatform;

// A top-level window around a form: menu bar, fixed client area, icon, Enter for the
// default button. Closing it ends the program when it is the main window.
class MainWindowHost : public QMainWindow, public tk::FormObserver {
public:
    // Makes itself known to the platform, so dialogs find their owner and refusals their box.
    MainWindowHost(tk::Form& form, QtPlatform& platform);
    ~MainWindowHost() override;

    FormView& view() const { return *view_; }
    void formUnloaded() override { close(); }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    tk::Form& form_;
    QtPlatform& platform_;
    std::unique_ptr<FormView> view_;
    bool focused_ = false;
};

// A modal dialog around a form, closed when the program unloads the form; Esc presses the
// form's cancel button and the title bar's close button does the same.
class DialogHost : public QDialog, public tk::FormObserver {
public:
    DialogHost(tk::Form& form, QWidget* parent);
    ~DialogHost() override;

    FormView& view() const { return *view_; }
    void formUnloaded() override { done(0); }
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    tk::Form& form_;
    std::unique_ptr<FormView> view_;
};

// Presses the form's button marked Default (Enter) or Cancel (Esc), if it can be pressed.
bool pressMarkedButton(FormView& view, bool cancel);

} // namespace tkqt
