#pragma once

#include "toolkit/Form.h"

#include <QScrollArea>
#include <QWidget>

#include <memory>

namespace tkqt {

class FormView;
class QtPlatform;

// A second top-level window around a form, beside its owner's and not modal: fixed client
// area (or, for a form with a tall layout, a sizable window that lays the form out tall when it
// is taller than wide, its client scrolling), icon, Enter presses the focused button or else the default one. Closing it unloads the
// form; it is deleted on close, and closing the main window closes it.
class WindowHost : public QWidget, public tk::FormObserver {
    Q_OBJECT

public:
    WindowHost(tk::Form& form, QtPlatform& platform, QWidget* owner);
    ~WindowHost() override;

    FormView& view() const { return *view_; }
    void formUnloaded() override { close(); }
    void formResized() override;
    void formReveal(int left, int top, int width, int height) override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    tk::Form& form_;
    QtPlatform& platform_;
    std::unique_ptr<FormView> view_;
    // Where the form has a tall layout: the window is sizable and its client scrolls.
    QScrollArea* scroll_ = nullptr;
};

} // namespace tkqt
