#include "toolkit/qt/SaveDialog.h"

#include "toolkit/SaveFailure.h"
#include "toolkit/qt/AtomicFile.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace tkqt {

void setUpQuestion(QMessageBox& box, const QString& title, const QString& question) {
    box.setIcon(QMessageBox::Question);
    box.setWindowTitle(title);
    box.setText(question);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::No);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Da"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Nu"));
}

namespace {

// Shows a modal dialog and lets a test drive it once it is on screen. Modal to its window
// only: the other windows of the program stay usable.
int execWithHook(QDialog& dialog, const ModalHook& onShown) {
    dialog.setWindowModality(Qt::WindowModal);
    if (onShown)
        QTimer::singleShot(0, &dialog, [&dialog, onShown] { onShown(&dialog); });
    return dialog.exec();
}

// Asks whether `path` may be replaced, "Nu" being the default answer.
void askReplace(QMessageBox& box, const QString& path) {
    setUpQuestion(box, QStringLiteral("Confirmare"),
                  QStringLiteral("Fisierul\n%1\nexista deja. Il inlocuiti?")
                      .arg(QDir::toNativeSeparators(path)));
}

bool confirmReplace(QWidget* parent, const QString& path, const ModalHook& onShown) {
    QMessageBox box(parent);
    askReplace(box, path);
    return execWithHook(box, onShown) == QMessageBox::Yes;
}

// Why a file was not saved, for a message box.
QString failureText(const QString& path, const std::string& failure) {
    return QString::fromStdString(
        tk::saveFailureText(QDir::toNativeSeparators(path).toStdString(), failure));
}

// Shows a window-modal dialog without waiting for it; `onShown` runs once it is on screen.
void openWithHook(QDialog* dialog, const ModalHook& onShown) {
    dialog->setWindowModality(Qt::WindowModal);
    dialog->open();
    if (onShown)
        QTimer::singleShot(0, dialog, [dialog, onShown] { onShown(dialog); });
}

// The program's own (non-native) Save dialog; it asks itself, in Romanian, before replacing.
void setUpSaveDialog(QFileDialog& dialog, const QString& filter, const QString& fileName) {
    dialog.setNameFilter(filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.selectFile(fileName);
}

// A message box that deletes itself once answered.
QMessageBox* newBox(QWidget* parent) {
    auto* box = new QMessageBox(parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    return box;
}

} // namespace

std::optional<QString> askSavePath(QWidget* parent, const QString& title, const QString& filter,
                                   const QString& fileName, const ModalHook& onShown) {
    QFileDialog dialog(parent, title, QDir::homePath(), filter);
    setUpSaveDialog(dialog, filter, fileName);
    for (;;) {
        if (execWithHook(dialog, onShown) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        const QString path = dialog.selectedFiles().constFirst();
        const QFileInfo info(path);
        if (!info.exists() || !info.isFile() || confirmReplace(&dialog, path, onShown))
            return path;
    }
}

void saveThroughDialogLater(QWidget* parent, const QString& title, const QString& filter,
                            const QString& fileName,
                            const std::function<std::optional<QByteArray>()>& bytes,
                            const ModalHook& onShown) {
    auto* dialog = new QFileDialog(parent, title, QDir::homePath(), filter);
    setUpSaveDialog(*dialog, filter, fileName);
    auto write = [parent, title, bytes, onShown](const QString& path) {
        const std::optional<QByteArray> data = bytes();
        if (!data)
            return;
        if (const auto failure = writeFileAtomically(path.toStdString(), data->toStdString())) {
            QMessageBox* box = newBox(parent);
            box->setIcon(QMessageBox::Warning);
            box->setWindowTitle(title);
            box->setText(failureText(path, *failure));
            openWithHook(box, onShown);
        }
    };
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog, write, onShown](int result) {
        const QStringList chosen = dialog->selectedFiles();
        if (result != QDialog::Accepted || chosen.isEmpty())
            return dialog->deleteLater();
        const QString path = chosen.constFirst();
        const QFileInfo info(path);
        if (!info.exists() || !info.isFile()) {
            dialog->deleteLater();
            return write(path);
        }
        // "Nu" brings the Save dialog back; "Da" writes.
        QMessageBox* box = newBox(dialog);
        askReplace(*box, path);
        QObject::connect(box, &QDialog::finished, dialog, [dialog, write, onShown, path](int answer) {
            if (answer != QMessageBox::Yes)
                return openWithHook(dialog, onShown);
            dialog->deleteLater();
            write(path);
        });
        openWithHook(box, onShown);
    });
    openWithHook(dialog, onShown);
}

} // namespace tkqt
