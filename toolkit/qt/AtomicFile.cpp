#include "toolkit/qt/AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tkqt {

namespace {

template <class File> std::optional<std::string> writeAll(File& file, const std::string& bytes) {
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
        static_cast<qint64>(bytes.size()))
        return file.errorString().toStdString();
    return std::nullopt;
}

} // namespace

std::optional<std::string> writeFileAtomically(const std::string& path, const std::string& bytes) {
    const QString name = QString::fromStdString(path);
    const QFileInfo target(name);
    if (target.exists() && !target.isFile() && !target.isDir()) {
        // A device or a pipe: renaming a file over it would destroy it, so it gets the bytes.
        QFile device(name);
        if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return device.errorString().toStdString();
        return writeAll(device, bytes);
    }
    QSaveFile file(name);
    // A writable file in a folder the user cannot write to is written in place: no temporary
    // file can stand beside it.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString().toStdString();
    if (auto failure = writeAll(file, bytes)) {
        file.cancelWriting();
        return failure;
    }
    if (!file.commit())
        return file.errorString().toStdString();
    return std::nullopt;
}

} // namespace tkqt
