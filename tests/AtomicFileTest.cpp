#include "toolkit/qt/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#include <csignal>

#include <pwd.h>
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
    std::string path(const char* name) { return dir.filePath(name).toStdString(); }
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

TEST_F(AtomicFileTest, ReplacesAnExistingFileWhole) {
    put(path("raport.txt"), std::string(5000, 'x'));
    EXPECT_FALSE(tkqt::writeFileAtomically(path("raport.txt"), newReport));
    EXPECT_EQ(contents(path("raport.txt")), newReport);
    EXPECT_EQ(entries(dir.path()), QStringList{"raport.txt"});
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
}

TEST_F(AtomicFileTest, AFullDeviceSurvivesAWrite) {
    EXPECT_TRUE(tkqt::writeFileAtomically("/dev/full", newReport));
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
        signal(SIGXFSZ, SIG_IGN);
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

} // namespace
