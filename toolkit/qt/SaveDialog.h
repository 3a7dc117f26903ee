#pragma once

#include "toolkit/qt/OwnerModal.h"

#include <QString>

#include <functional>
#include <optional>

class QMessageBox;
class QWidget;

namespace tkqt {

// Makes the box a question answered "Da" or "Nu", "Nu" being the default answer.
void setUpQuestion(QMessageBox& box, const QString& title, const QString& question);

// Asks where to save, in the program's own (non-native) Save dialog. Choosing a file that
// exists asks first whether to replace it, "Nu" being the default answer; "Nu" brings the
// dialog back. Nothing when the user cancelled.
std::optional<QString> askSavePath(QWidget* parent, const QString& title, const QString& filter,
                                   const QString& fileName, const ModalHook& onShown = {});

// Asks where to save and writes the bytes atomically, a failure explained in a Romanian message
// box, without a loop of its own: the dialogs stand modal over `parent`'s window
// and this returns at once, so a dialog of another window may open and close meanwhile in any
// order. `bytes` is asked for once a path is chosen; nothing is written if it gives nothing.
void saveThroughDialogLater(QWidget* parent, const QString& title, const QString& filter,
                            const QString& fileName,
                            const std::function<std::optional<QByteArray>()>& bytes,
                            const ModalHook& onShown = {});

} // namespace tkqt
