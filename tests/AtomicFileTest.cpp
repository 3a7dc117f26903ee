#include "toolkit/qt/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#include <csignal>

#include <fcntl.h>
#include <pwd.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string oldReport = "vechiul raport\r\n";
const std::string newReport =
    "Raport creat de Morvak Aplicatie Lopena-Aruncarea oblica la 06.12.2026\r\n";

class AtomicFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    std::string path(const std::string& name) { return dir.filePath(name.c_str()).toStdString(); }
    static std::string contents(const std::string& file) {
        QFile f(QString::fromStdString(file));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll().toStdString();
    }
    static void put(const std::string& file, const std::string& text) {
        QFile f(QString::fromStdString(file));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text.data(), static_cast<qint64>(text.size()));
    }
    // Names in the folder: a failed save must leave no temporary file behind.
    QStringList entries(const QString& folder) const {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    QTemporaryDir dir;
};

// Also under the longest name the system allows, to the last byte.
TEST_F(AtomicFileTest, ReplacesAnExistingFileWhole) {
    for (const std::string& name : {std::string("raport.txt"), std::string(255, 'r')}) {
        put(path(name), std::string(5000, 'x'));
        EXPECT_FALSE(tkqt::writeFileAtomically(path(name), newReport));
        EXPECT_EQ(contents(path(name)), newReport);
    }
    EXPECT_EQ(entries(dir.path()), (QStringList{"raport.txt", QString(255, 'r')}));
}

// The reason comes in Romanian from the kind of failure; the system's text follows in brackets.
TEST_F(AtomicFileTest, AFailureNamesItsKindAndLeavesAllAsItWas) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("dosar"));
    put(path("dosar/a.txt"), oldReport);
    const std::string kept = ").\n\nFisierul existent, daca exista, a ramas neschimbat.";
    for (auto [target, expected] : {
             std::pair{path("lipsa/raport.txt"),
                       "Dosarul nu exista (No such file or directory" + kept},
             {path("dosar"), "Calea este a unui dosar, nu a unui fisier ("},
             {"/proc/version", "Calea nu este a unui fisier obisnuit." + kept.substr(2)},
             {"/dev/full", "Nu mai este loc pe disc (No space left on device)."},
         }) {
        const auto failure = tkqt::writeFileAtomically(target, newReport);
        ASSERT_TRUE(failure) << target;
        EXPECT_EQ(failure->substr(0, expected.size()), expected) << *failure;
    }
    EXPECT_TRUE(QFileInfo(dir.filePath("dosar")).isDir());
    EXPECT_EQ(contents(path("dosar/a.txt")), oldReport);
    EXPECT_EQ(entries(dir.path()), QStringList{"dosar"});
    struct stat st {};
    ASSERT_EQ(stat("/dev/full", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode)) << "the device was replaced by a file";
}

// Runs `body` as an ordinary user: root writes through read-only permissions.
int asOrdinaryUser(const std::function<int()>& body) {
    if (geteuid() != 0)
        return body();
    const passwd* nobody = getpwnam("nobody");
    if (!nobody)
        return -1;
    pid_t child = fork();
    if (child == 0) {
        if (setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0)
            _exit(99);
        _exit(body());
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 98;
}

// A read-only file stays byte for byte; a writable file in a read-only folder, where no
// temporary file can stand, is written in place, and keeps its old bytes when the new ones
// outgrow the room left (here a file size limit).
TEST_F(AtomicFileTest, ReadOnlyFileStaysAndAWritableFileInAReadOnlyFolderIsWrittenInPlace) {
    const QString readOnlyFolder = dir.filePath("citire");
    ASSERT_TRUE(QDir().mkdir(readOnlyFolder));
    const std::string inFolder = (readOnlyFolder + "/raport.txt").toStdString();
    const std::string readOnlyFile = path("protejat.txt");
    put(inFolder, oldReport);
    put(readOnlyFile, oldReport);
    chmod(dir.path().toLocal8Bit().constData(), 0777);
    chmod(readOnlyFolder.toLocal8Bit().constData(), 0555);
    chmod(inFolder.c_str(), 0666);
    chmod(readOnlyFile.c_str(), 0444);
    const int refused = asOrdinaryUser([&] {
        const auto denied = tkqt::writeFileAtomically(readOnlyFile, newReport);
        // The limit's signal is left as it is: the program must survive it on its own.
        const rlimit room{oldReport.size() + 8, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &room);
        const auto tooBig = tkqt::writeFileAtomically(inFolder, newReport);
        const bool kept = tooBig && tooBig->find("Nu mai este loc pe disc") == 0 &&
                          tooBig->find("a ramas neschimbat") != std::string::npos &&
                          contents(inFolder) == oldReport;
        const rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &unlimited);
        return (tkqt::writeFileAtomically(inFolder, newReport) ? 1 : 0) +
               (denied && denied->find("Nu aveti dreptul") == 0 ? 2 : 0) + (kept ? 0 : 4);
    });
    chmod(readOnlyFolder.toLocal8Bit().constData(), 0755);
    if (refused < 0)
        GTEST_SKIP() << "no ordinary user to write as";
    EXPECT_EQ(refused, 2);
    EXPECT_EQ(contents(inFolder), newReport);
    EXPECT_EQ(contents(readOnlyFile), oldReport);
    EXPECT_EQ(entries(readOnlyFolder), QStringList{"raport.txt"});
    EXPECT_EQ(entries(dir.path()), (QStringList{"citire", "protejat.txt"}));
}

// A pipe, another user's file in a sticky folder.
TEST_F(AtomicFileTest, UnusualTargetsAreSavedOrTrulyExplained) {
    const std::string pipe = path("conducta");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0666), 0);
    const auto refused = tkqt::writeFileAtomically(pipe, newReport); // must not wait for a reader
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->rfind("Calea este a unei conducte (FIFO)", 0), 0u) << *refused;

    const QString sticky = dir.filePath("comun");
    const std::string shared = (sticky + "/raport.txt").toStdString();
    ASSERT_TRUE(QDir().mkdir(sticky));
    put(shared, oldReport);
    chmod(dir.path().toLocal8Bit().constData(), 0777);
    chmod(sticky.toLocal8Bit().constData(), 01777);
    chmod(shared.c_str(), 0666);
    const int failed = asOrdinaryUser([&] { return tkqt::writeFileAtomically(shared, newReport) ? 1 : 0; });
    if (failed < 0 || geteuid() != 0)
        GTEST_SKIP() << "another user's file needs root to set up";
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(contents(shared), newReport);
    EXPECT_EQ(entries(sticky), QStringList{"raport.txt"});
}

// A small file system of its own, mounted for the test and gone after it.
struct SmallDisk {
    explicit SmallDisk(const QString& at) : folder(at.toLocal8Bit()) {
        mounted = geteuid() == 0 && mount("lopena", folder.constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallDisk() {
        if (mounted)
            umount2(folder.constData(), MNT_DETACH);
    }
    // Fills the disk and then frees `room` bytes of it.
    void fillLeaving(off_t room) const {
        const int fd = open((folder + "/plin").constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const std::string block(4096, 'p');
        off_t size = 0;
        for (ssize_t n; (n = write(fd, block.data(), block.size())) > 0;)
            size += n;
        EXPECT_EQ(ftruncate(fd, size > room ? size - room : 0), 0);
        close(fd);
    }
    QByteArray folder;
    bool mounted = false;
};

// A save that does not reach the disk whole is refused and the old file stays byte for byte.
TEST_F(AtomicFileTest, AFullDiskRefusesTheSaveAndKeepsTheOldFile) {
    const SmallDisk disk(dir.path());
    if (!disk.mounted)
        GTEST_SKIP() << "mounting a small file system needs root";
    const std::string report = path("raport.txt");
    const std::string old28 = "raportul de ieri, 28 octeti\n";
    for (auto [room, size] : {std::pair<off_t, std::size_t>{0, 9000}, {8192, 9000}, {8192, 16384},
                              {4096, 5000}}) {
        put(report, old28);
        disk.fillLeaving(room);
        const auto failure = tkqt::writeFileAtomically(report, std::string(size, 'n'));
        ASSERT_TRUE(failure) << room << " free, " << size << " bytes";
        EXPECT_EQ(failure->rfind("Nu mai este loc pe disc (No space left on device).", 0), 0u) << *failure;
        EXPECT_EQ(contents(report), old28);
        EXPECT_EQ(entries(dir.path()), (QStringList{"plin", "raport.txt"}));
    }
    disk.fillLeaving(16384);
    EXPECT_FALSE(tkqt::writeFileAtomically(report, std::string(9000, 'n')));
    EXPECT_EQ(contents(report), std::string(9000, 'n'));
}

} // namespace
