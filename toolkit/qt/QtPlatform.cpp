#include "toolkit/qt/QtPlatform.h"

#include "toolkit/Control.h"
#include "toolkit/Form.h"
#include "toolkit/PrintedDocument.h"
#include "toolkit/qt/AtomicFile.h"
#include "toolkit/qt/DialogHost.h"
#include "toolkit/qt/FormView.h"
#include "toolkit/qt/MainWindowHost.h"
#include "toolkit/qt/OwnerModal.h"
#include "toolkit/qt/PdfDocument.h"
#include "toolkit/qt/QtConversions.h"
#include "toolkit/qt/RefusalTip.h"
#include "toolkit/qt/SaveDialog.h"
#include "toolkit/qt/WindowHost.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTimer>

namespace tkqt {

QString longTimeFormatWithoutZone(const QLocale& locale) {
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("\\s*\\bt+\\b")));
    return format.trimmed();
}

QtPlatform::QtPlatform(tk::Scheduler& scheduler) : scheduler_(scheduler) {
    QLocale system = QLocale::system();
    locale_.decimalSeparator = system.decimalPoint().toStdString();
}

std::string QtPlatform::nowGeneralDate() {
    QLocale system = QLocale::system();
    QDateTime now = QDateTime::currentDateTime();
    return (system.toString(now.date(), QLocale::ShortFormat) + " " +
            system.toString(now.time(), longTimeFormatWithoutZone(system)))
        .toStdString();
}

void QtPlatform::registerView(tk::Form& form, FormView* view, QWidget* window) {
    views_[&form] = {view, window};
}

void QtPlatform::unregisterView(tk::Form& form) {
    views_.erase(&form);
}

QWidget* QtPlatform::windowOf(tk::Form& form) const {
    auto it = views_.find(&form);
    return it == views_.end() ? nullptr : it->second.window.data();
}

void QtPlatform::refuseInput(tk::TextBox& box, const std::string& explanation) {
    QApplication::beep();
    for (const auto& [form, registered] : views_) {
        auto* edit = qobject_cast<QLineEdit*>(registered.view->widgetFor(box));
        if (!edit)
            continue;
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
        RefusalTip::explain(*registered.view, box, *edit, toQString(explanation));
        return;
    }
}

void QtPlatform::showModal(tk::Form& form, tk::Form& ownerForm) {
    if (QWidget* shown = windowOf(form)) {
        // One at a time: a second request brings the open window to the front.
        shown->raise();
        shown->activateWindow();
        return;
    }
    QWidget* owner = windowOf(ownerForm);
    form.Load(scheduler_);
    DialogHost dialog(form, owner);
    registerView(form, &dialog.view(), &dialog);
    if (form.loaded())
        OwnerModal::exec(dialog, onModalShown);
    unregisterView(form);
    // Closed by the program's end rather than by the form itself: unloaded all the same, so
    // that the next opening loads it afresh.
    form.Unload();
}

void QtPlatform::showWindow(tk::Form& form, tk::Form& ownerForm) {
    if (QWidget* shown = windowOf(form)) {
        shown->raise();
        shown->activateWindow();
        return;
    }
    form.Load(scheduler_);
    // Owned by the owner's window: it goes when the main window goes.
    auto* host = new WindowHost(form, *this, windowOf(ownerForm));
    host->show();
}

void QtPlatform::closeWindow(tk::Form& form) {
    if (QWidget* window = windowOf(form))
        window->close();
}

std::optional<std::string> QtPlatform::askSaveFileName(tk::Form& owner,
                                                       const tk::SaveFileRequest& request) {
    const auto path =
        askSavePath(windowOf(owner), toQString(request.title), toQString(request.filterDescription),
                    toQString(request.fileName), onModalShown);
    return path ? std::optional(path->toStdString()) : std::nullopt;
}

std::optional<std::string> QtPlatform::writeFileAtomically(const std::string& path,
                                                           const std::string& bytes) {
    return tkqt::writeFileAtomically(path, bytes);
}

void QtPlatform::showError(tk::Form& owner, const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::Warning, toQString(title), toQString(text), QMessageBox::Ok,
                    windowOf(owner));
    box.setWindowModality(Qt::WindowModal);
    if (onModalShown)
        QTimer::singleShot(0, &box, [this, &box] { onModalShown(&box); });
    box.exec();
}

void QtPlatform::copyText(tk::TextBox& box) {
    QGuiApplication::clipboard()->setText(toQString(box.Text()));
}

bool QtPlatform::askYesNo(tk::Form& owner, const std::string& title, const std::string& question) {
    QMessageBox box(windowOf(owner));
    setUpQuestion(box, toQString(title), toQString(question));
    // Modal to the owner's window only, as the forms' dialogs are.
    return OwnerModal::exec(box, onModalShown) == QMessageBox::Yes;
}

void QtPlatform::print(tk::Form& owner, const tk::PrintedDocument& document) {
    const QString html = toQString(tk::printedHtml(document)), title = toQString(document.title);
    saveThroughDialogLater(
        windowOf(owner), QStringLiteral("Salveaza PDF"), QStringLiteral("Documente PDF (*.pdf)"),
        toQString(document.fileName), [html, title] { return pdfOfHtml(html, title); },
        onModalShown);
}

} // namespace tkqt
