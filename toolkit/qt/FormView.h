#pragma once

#include "toolkit/Control.h"
#include "toolkit/Form.h"
#include "toolkit/MenuItem.h"

#include <QPointer>

#include <unordered_map>

class QAction;
class QMenuBar;
class QWidget;

namespace tkqt {

class FormSurface;

// Renders one form of the model with Qt widgets: builds a widget per control, keeps it in step
// with the model, and feeds clicks, typing and scroll-bar moves back to the model.
class FormView : public tk::ControlObserver, public tk::MenuObserver {
public:
    FormView(tk::Form& form, QWidget* parent);
    ~FormView() override;
    FormView(const FormView&) = delete;
    FormView& operator=(const FormView&) = delete;

    tk::Form& form() const { return form_; }
    FormSurface* surface() const { return surface_; }
    // The widget of a control, or nullptr for shapes and lines (painted by the surface).
    QWidget* widgetFor(const tk::Control& control) const;
    QAction* actionFor(const tk::MenuItem& item) const;

    // Fills the menu bar from the form's menus.
    void buildMenuBar(QMenuBar* bar);
    // Gives the focus to the first control in tab order that can take it.
    void focusFirst();

    void changed(tk::Control& control, tk::Prop what) override;
    void menuChanged(tk::MenuItem& item) override;

private:
    QWidget* createWidget(tk::Control& control, QWidget* parent);
    void applyGeometry(tk::Control& control, QWidget* widget);
    void applyContent(tk::Control& control, QWidget* widget);
    void setTabOrder();

    tk::Form& form_;
    FormSurface* surface_;
    std::unordered_map<const tk::Control*, QPointer<QWidget>> widgets_;
    std::unordered_map<const tk::MenuItem*, QPointer<QAction>> actions_;
};

} // namespace tkqt
