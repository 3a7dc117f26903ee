#include "toolkit/qt/AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tkqt {

namespace {

enum class Outcome { Kept, Incomplete, Device };

const char* const notRegular = "Calea nu este a unui fisier obisnuit";

// Why a write failed, in the user's words; `error` is the failed call's errno, 0 if unknown.
// The system's text (`error`'s, or else Qt's) follows in parentheses.
std::string explain(const QString& path, int error, const QString& qtText, Outcome outcome,
                    const char* reason = nullptr) {
    const QFileInfo info(path);
    if (reason)
        ;
    else if (error == ENOSPC || error == EDQUOT || error == EFBIG)
        reason = "Nu mai este loc pe disc";
    else if (info.isDir())
        reason = "Calea este a unui dosar, nu a unui fisier";
    else if (!QFileInfo(info.absolutePath()).isDir())
        reason = "Dosarul nu exista";
    else if (info.exists() && !info.isFile() && outcome != Outcome::Device)
        reason = notRegular;
    if (!reason && !error) {
        // Asked again without changing anything: may the file, or else its folder, be written?
        const QByteArray name = QFile::encodeName(path);
        const int probe =
            ::open(name.constData(), O_WRONLY | O_APPEND | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (probe >= 0)
            ::close(probe);
        else if (errno != ENOENT)
            error = errno;
        if (!error && ::faccessat(AT_FDCWD, QFile::encodeName(info.absolutePath()).constData(),
                                  W_OK, AT_EACCESS) != 0)
            error = errno;
    }
    if (!reason && error == EROFS)
        reason = "Discul este protejat la scriere (sistem de fisiere doar pentru citire)";
    else if (!reason && (error == EACCES || error == EPERM))
        reason = "Nu aveti dreptul sa scrieti acest fisier sau in acest dosar";
    else if (!reason)
        reason = "Fisierul nu a putut fi scris";
    const std::string detail = error ? std::strerror(error) : qtText.toStdString();
    std::string text = reason + (detail.empty() ? "." : " (" + detail + ").");
    if (outcome == Outcome::Kept)
        text += "\n\nFisierul existent, daca exista, a ramas neschimbat.";
    else if (outcome == Outcome::Incomplete)
        text += "\n\nFisierul a fost scris doar in parte si poate fi incomplet.";
    return text;
}

// Writes all of `data` from the start of the file and cuts it there; 0 or the errno.
int writeWhole(int fd, const std::string& data) {
    if (::lseek(fd, 0, SEEK_SET) != 0)
        return errno;
    for (std::size_t done = 0; done < data.size();) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        done += static_cast<std::size_t>(n);
    }
    return ::ftruncate(fd, static_cast<off_t>(data.size())) == 0 ? 0 : errno;
}

// A writable file in a folder that takes no temporary file: written over in place, with the old
// bytes put back when the new ones do not all fit.
std::optional<std::string> writeInPlace(const QString& path, const std::string& bytes) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return explain(path, errno, {}, Outcome::Kept);
    std::string old;
    char buffer[65536];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            return explain(path, error, {}, Outcome::Kept);
        }
        old.append(buffer, static_cast<std::size_t>(n));
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
        st.st_size != static_cast<off_t>(old.size())) {
        // A file the system makes up as it is read (/proc/version): nothing on disk to replace.
        ::close(fd);
        return explain(path, 0, {}, Outcome::Kept, notRegular);
    }
    int error = writeWhole(fd, bytes);
    if (!error && ::fsync(fd) != 0)
        error = errno;
    // The old bytes fit where they stood, so putting them back needs no new room on the disk.
    const bool restored = error && writeWhole(fd, old) == 0 && ::fsync(fd) == 0;
    if (::close(fd) != 0 && !error)
        error = errno;
    if (!error)
        return std::nullopt;
    return explain(path, error, {}, restored ? Outcome::Kept : Outcome::Incomplete);
}

} // namespace

std::optional<std::string> writeFileAtomically(const std::string& path, const std::string& bytes) {
    const QString name = QString::fromStdString(path);
    const QFileInfo target(name);
    const auto size = static_cast<qint64>(bytes.size());
    if (target.exists() && !target.isFile() && !target.isDir()) {
        // A device or a pipe: renaming a file over it would destroy it, so it gets the bytes.
        QFile device(name);
        if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
            device.write(bytes.data(), size) != size)
            return explain(name, device.error() == QFileDevice::ResourceError ? ENOSPC : 0,
                           device.errorString(), Outcome::Device);
        return std::nullopt;
    }
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) {
        if (target.isFile() &&
            ::faccessat(AT_FDCWD, QFile::encodeName(name).constData(), W_OK, AT_EACCESS) == 0)
            return writeInPlace(name, bytes);
        return explain(name, 0, file.errorString(), Outcome::Kept);
    }
    if (file.write(bytes.data(), size) != size || !file.commit()) {
        const int error = file.error() == QFileDevice::ResourceError ? ENOSPC : 0;
        const QString text = file.errorString();
        file.cancelWriting();
        return explain(name, error, text, Outcome::Kept);
    }
    return std::nullopt;
}

} // namespace tkqt
