#include "toolkit/qt/SaveDialog.h"

#include "toolkit/qt/AtomicFile.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace tkqt {

namespace {

// Shows a modal dialog and lets a test drive it once it is on screen. Modal to its window
// only: the other windows of the program stay usable.
int execWithHook(QDialog& dialog, const ModalHook& onShown) {
    dialog.setWindowModality(Qt::WindowModal);
    if (onShown)
        QTimer::singleShot(0, &dialog, [&dialog, onShown] { onShown(&dialog); });
    return dialog.exec();
}

bool confirmReplace(QWidget* parent, const QString& path, const ModalHook& onShown) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirmare"),
                    QStringLiteral("Fisierul\n%1\nexista deja. Il inlocuiti?")
                        .arg(QDir::toNativeSeparators(path)),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Da"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Nu"));
    return execWithHook(box, onShown) == QMessageBox::Yes;
}

} // namespace

std::optional<QString> askSavePath(QWidget* parent, const QString& title, const QString& filter,
                                   const QString& fileName, const ModalHook& onShown) {
    QFileDialog dialog(parent, title, QDir::homePath(), filter);
    dialog.setNameFilter(filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The program asks itself, in Romanian, with "Nu" as the default answer.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.selectFile(fileName);
    for (;;) {
        if (execWithHook(dialog, onShown) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        const QString path = dialog.selectedFiles().constFirst();
        const QFileInfo info(path);
        if (!info.exists() || !info.isFile() || confirmReplace(&dialog, path, onShown))
            return path;
    }
}

bool saveOrExplain(QWidget* parent, const QString& title, const QString& path,
                   const QByteArray& bytes, const ModalHook& onShown) {
    const auto failure = writeFileAtomically(path.toStdString(), bytes.toStdString());
    if (!failure)
        return true;
    QMessageBox box(QMessageBox::Warning, title,
                    QStringLiteral("Fisierul nu a putut fi salvat:\n%1\n\nMotiv: %2")
                        .arg(QDir::toNativeSeparators(path), QString::fromStdString(*failure)),
                    QMessageBox::Ok, parent);
    execWithHook(box, onShown);
    return false;
}

bool saveThroughDialog(QWidget* parent, const QString& title, const QString& filter,
                       const QString& fileName, const std::function<QByteArray()>& bytes,
                       const ModalHook& onShown) {
    const auto path = askSavePath(parent, title, filter, fileName, onShown);
    return path && saveOrExplain(parent, title, *path, bytes(), onShown);
}

} // namespace tkqt
