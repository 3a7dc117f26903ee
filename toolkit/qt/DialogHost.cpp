#include "toolkit/qt/DialogHost.h"

#include "toolkit/qt/FormSurface.h"
#include "toolkit/qt/FormView.h"
#include "toolkit/qt/MarkedButton.h"
#include "toolkit/qt/QtConversions.h"
#include "toolkit/qt/WindowIcon.h"

#include <QPushButton>

namespace tkqt {

DialogHost::DialogHost(tk::Form& form, QWidget* parent) : QDialog(parent), form_(form) {
    setWindowTitle(toQString(form.Caption()));
    setWindowIcon(windowIcon());
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    view_ = std::make_unique<FormView>(form, this);
    view_->surface()->move(0, 0);
    setFixedSize(form.clientWidth(), form.clientHeight());
    form.setFormObserver(this);
    if (tk::CommandButton* marked = form.markedButton(false))
        if (auto* button = qobject_cast<QPushButton*>(view_->widgetFor(*marked)))
            button->setDefault(true);
}

DialogHost::~DialogHost() {
    form_.setFormObserver(nullptr);
    view_.reset();
}

void DialogHost::reject() {
    // Esc and the close button act as the cancel button; without one the dialog just closes.
    if (!pressMarkedButton(*view_, true))
        form_.Unload();
}

void DialogHost::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    view_->focusFirst();
}

} // namespace tkqt
