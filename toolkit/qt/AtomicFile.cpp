#include "toolkit/qt/AtomicFile.h"

#include "toolkit/SaveFailure.h"
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tkqt {

namespace {

enum class Outcome { Kept, Incomplete, Device };

const char* const notRegular = "Calea nu este a unui fisier obisnuit";
const char* const pipeTarget =
    "Calea este a unei conducte (FIFO), care nu poate pastra un fisier; alegeti alt nume";

// Why a write failed, in the user's words; `error` is the failed call's errno, 0 if unknown.
// The system's text (`error`'s, or else `fallback`) follows in parentheses.
std::string explain(const QString& path, int error, Outcome outcome, const char* reason = nullptr,
                    const std::string& fallback = {}) {
    const QFileInfo info(path);
    if (reason)
        ;
    else if (error == ENOSPC || error == EDQUOT || error == EFBIG)
        reason = "Nu mai este loc pe disc";
    else if (error == ENAMETOOLONG)
        reason = "Numele fisierului este prea lung";
    else if (info.isDir())
        reason = "Calea este a unui dosar, nu a unui fisier";
    else if (!QFileInfo(info.absolutePath()).isDir())
        reason = "Dosarul nu exista";
    else if (info.exists() && !info.isFile() && outcome != Outcome::Device)
        reason = notRegular;
    if (!reason && error == EROFS)
        reason = "Discul este protejat la scriere (sistem de fisiere doar pentru citire)";
    else if (!reason && (error == EACCES || error == EPERM))
        reason = "Nu aveti dreptul sa scrieti acest fisier sau in acest dosar";
    else if (!reason)
        reason = "Fisierul nu a putut fi scris";
    const std::string detail = error ? std::strerror(error) : fallback;
    std::string text = reason + (detail.empty() ? "." : " (" + detail + ").");
    if (outcome == Outcome::Kept)
        text += tk::keptFileNote;
    else if (outcome == Outcome::Incomplete)
        text += "\n\nFisierul a fost scris doar in parte si poate fi incomplet.";
    return text;
}

// A file-size limit must fail the write with EFBIG, not kill the program half-way through it.
void surviveFileSizeLimit() {
    static std::atomic_flag done = ATOMIC_FLAG_INIT;
    if (!done.test_and_set())
        std::signal(SIGXFSZ, SIG_IGN);
}

// Writes all of `data` at the file's current offset; 0 or the errno. A write that takes nothing
// and gives no reason can only mean that the disk is full.
int writeAll(int fd, const std::string& data) {
    for (std::size_t done = 0; done < data.size();) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return ENOSPC;
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

// Writes all of `data` from the start of the file, cuts it there and waits for the disk.
int writeWhole(int fd, const std::string& data) {
    if (::lseek(fd, 0, SEEK_SET) != 0)
        return errno;
    if (const int error = writeAll(fd, data))
        return error;
    if (::ftruncate(fd, static_cast<off_t>(data.size())) != 0 || ::fsync(fd) != 0)
        return errno;
    return 0;
}

// 0 when the file may be written by this user; else the errno.
int writable(const QByteArray& name) {
    return ::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) == 0 ? 0 : errno;
}

// A writable file that cannot be replaced (its folder takes no new file, or another user owns
// it in a sticky folder): written over in place, with the old bytes put back when the new ones
// do not all reach the disk.
std::optional<std::string> writeInPlace(const QString& path, const std::string& bytes) {
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return explain(path, errno, Outcome::Kept);
    std::string old;
    char buffer[65536];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            return explain(path, error, Outcome::Kept);
        }
        old.append(buffer, static_cast<std::size_t>(n));
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
        st.st_size != static_cast<off_t>(old.size())) {
        // A file the system makes up as it is read (/proc/version): nothing on disk to replace.
        ::close(fd);
        return explain(path, 0, Outcome::Kept, notRegular);
    }
    int error = writeWhole(fd, bytes);
    // The old bytes fit where they stood, so putting them back needs no new room on the disk.
    const bool restored = error && writeWhole(fd, old) == 0;
    if (::close(fd) != 0 && !error)
        error = errno;
    if (!error)
        return std::nullopt;
    return explain(path, error, restored ? Outcome::Kept : Outcome::Incomplete);
}

// A device (/dev/null, a terminal): renaming a file over it would destroy it, so it gets the
// bytes. Never waits for a reader or a writer.
std::optional<std::string> writeDevice(const QString& path, const std::string& bytes) {
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return explain(path, errno, Outcome::Device);
    int error = writeAll(fd, bytes);
    if (::close(fd) != 0 && !error)
        error = errno;
    return error ? std::optional(explain(path, error == EAGAIN ? 0 : error, Outcome::Device)) :
                   std::nullopt;
}

// A new file beside `target`, with a short name so that a target whose own name is as long as
// the system allows can still be replaced. -1 and errno on failure.
int createTemporary(const QByteArray& folder, QByteArray& name) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + "/.lopena-" + QByteArray::number(::getpid()) + "-" +
               QByteArray::number(counter++);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC,
                              0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

std::optional<std::string> writeFileAtomically(const std::string& path, const std::string& bytes) {
    surviveFileSizeLimit();
    const QString name = QString::fromStdString(path);
    // A link is followed: the file it names is replaced, the link stays.
    QFileInfo target(name);
    for (int hops = 0; hops < 40 && target.isSymLink() && !target.symLinkTarget().isEmpty(); ++hops)
        target = QFileInfo(target.symLinkTarget());
    const QString resolved = target.absoluteFilePath();
    const QByteArray encoded = QFile::encodeName(resolved);
    struct stat st {};
    const bool exists = ::stat(encoded.constData(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode))
        return explain(resolved, EISDIR, Outcome::Kept);
    if (exists && S_ISFIFO(st.st_mode))
        return explain(resolved, 0, Outcome::Kept, pipeTarget);
    if (exists && (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)))
        return writeDevice(resolved, bytes);
    if (exists && !S_ISREG(st.st_mode))
        return explain(resolved, 0, Outcome::Kept, notRegular);
    // A read-only file is refused, not replaced behind its owner's back.
    if (const int error = exists ? writable(encoded) : 0)
        return explain(resolved, error, Outcome::Kept);

    QByteArray temporary;
    const int fd = createTemporary(QFile::encodeName(target.absolutePath()), temporary);
    if (fd < 0) {
        const int error = errno;
        return exists ? writeInPlace(resolved, bytes) : explain(resolved, error, Outcome::Kept);
    }
    // The new file takes the old one's permissions, as an edit in place would keep them.
    int error = exists && ::fchmod(fd, st.st_mode & 07777) != 0 ? errno : 0;
    if (!error)
        error = writeAll(fd, bytes);
    if (!error && ::fsync(fd) != 0)
        error = errno;
    struct stat written {};
    if (!error && (::fstat(fd, &written) != 0 || written.st_size != off_t(bytes.size())))
        error = ENOSPC; // fewer bytes on the disk than were written: never rename them in
    if (::close(fd) != 0 && !error)
        error = errno;
    if (!error && ::rename(temporary.constData(), encoded.constData()) != 0)
        error = errno;
    if (!error)
        return std::nullopt;
    ::unlink(temporary.constData());
    // Another user's file in a sticky folder (/tmp) cannot be replaced, but may be written.
    if ((error == EPERM || error == EACCES) && exists && writable(encoded) == 0)
        return writeInPlace(resolved, bytes);
    return explain(resolved, error, Outcome::Kept);
}

} // namespace tkqt
