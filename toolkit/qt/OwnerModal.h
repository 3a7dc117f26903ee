#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QDialog;
class QEventLoop;
class QWidget;

namespace tkqt {

// Runs as soon as a modal dialog is shown; tests use it to drive the dialog.
using ModalHook = std::function<void(QWidget*)>;

// Keeps a dialog modal to the window it stands over and to no other: that window takes no
// input until the dialog closes, while the program's other windows stay usable. Qt's window
// modality would also block every window the owner owns, the lab notebook among them.
class OwnerModal : public QObject {
public:
    // Shows `dialog` over its parent's window and returns its result once it is closed;
    // `onShown` runs as soon as it is on screen.
    static int exec(QDialog& dialog, const ModalHook& onShown = {});

protected:
    bool eventFilter(QObject* target, QEvent* event) override;

private:
    OwnerModal(QDialog& dialog, QEventLoop& loop, const ModalHook& onShown);
    bool inOwner(QObject* target) const;
    // Runs the hook, once, as soon as the dialog is on screen.
    void shown();

    QDialog& dialog_;
    QEventLoop& loop_;
    ModalHook onShown_;
    QPointer<QWidget> owner_;
};

} // namespace tkqt
