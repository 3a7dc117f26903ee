#include <QApplication>
#include <QDir>

#include <gtest/gtest.h>

#include <cstdlib>

// Prints the main window's layout at the current scale, for the scale test that runs this
// program again with QT_SCALE_FACTOR set.
int dumpLayout();

// Widget tests run without a screen unless one is asked for explicitly.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
        QByteArray dir = QDir::tempPath().toUtf8() + "/lopena-runtime";
        QDir().mkpath(QString::fromUtf8(dir));
        QFile::setPermissions(QString::fromUtf8(dir), QFileDevice::ReadOwner |
                                                          QFileDevice::WriteOwner |
                                                          QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", dir);
    }
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("LOPENA_DUMP_LAYOUT"))
        return dumpLayout();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
