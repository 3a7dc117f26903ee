#pragma once

#include "toolkit/Form.h"

#include <QDialog>

#include <memory>

namespace tkqt {

class FormView;

// A dialog around a form, closed when the program unloads the form; Esc presses the
// form's cancel button and the title bar's close button does the same.
class DialogHost : public QDialog, public tk::FormObserver {
    Q_OBJECT

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

} // namespace tkqt
