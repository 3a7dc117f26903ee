#pragma once

#include "toolkit/Form.h"

#include <QMainWindow>

#include <memory>

namespace tkqt {

class FormView;
class QtPlatform;

// A top-level window around a form: menu bar, fixed client area, icon. Enter presses the
// focused button, or else the default one. Closing it ends the program when it is the main
// window.
class MainWindowHost : public QMainWindow, public tk::FormObserver {
    Q_OBJECT

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

} // namespace tkqt
