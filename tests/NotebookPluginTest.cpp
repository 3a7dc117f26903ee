// The notebook's window comes from a plugin loaded when it is first opened. This program links
// neither the notebook's window nor Qt Charts, as the program itself does not.
#include "mainwindow/frmmain.h"
#include "notebook/qt/NotebookMenu.h"
#include "support/VirtualClock.h"
#include "toolkit/qt/MainWindowHost.h"
#include "toolkit/qt/QtPlatform.h"

#include <QFile>
#include <QMessageBox>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryFile>

#include <gtest/gtest.h>

namespace {

bool mapped(const char* library) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

struct Program {
    explicit Program(const QString& plugin = lopena::notebookPluginFile()) {
        w.Load(clock);
        lopena::connectNotebook(w, &host, platform, plugin);
        host.show();
    }
    tk::VirtualClock clock;
    tkqt::QtPlatform platform{clock};
    lopena::frmmain w{platform};
    tkqt::MainWindowHost host{w, platform};
};

TEST(NotebookPluginTest, ChartsAndOpenGlLoadOnlyWhenTheNotebookFirstOpens) {
    Program program;
    for (const char* library : {"libQt6Charts", "libQt6OpenGL", "libGL.so"})
        EXPECT_FALSE(mapped(library)) << library << " mapped before the notebook opened";
    program.w.mnucaiet_Click();
    auto* tabs = program.host.findChild<QTabWidget*>(QStringLiteral("notebookTabs"));
    ASSERT_TRUE(tabs && tabs->isVisible());
    EXPECT_TRUE(mapped("libQt6Charts"));
    program.w.cmdFire.click();
    for (int tick = 0; tick < 40; ++tick)
        program.clock.advance(100);
    EXPECT_EQ(program.host.findChild<QTableView*>(QStringLiteral("stepTable"))->model()->rowCount(),
              31) << "30 steps and the computed landing";
    program.w.mnucaiet_Click(); // raised, not made again
    EXPECT_EQ(program.host.findChildren<QTabWidget*>(QStringLiteral("notebookTabs")).size(), 1);
}

TEST(NotebookPluginTest, APluginThatCannotBeLoadedIsExplainedAtEveryChoice) {
    QTemporaryFile notALibrary;
    ASSERT_TRUE(notALibrary.open() && notALibrary.write("lopena") == 6 && notALibrary.flush());
    for (const QString& plugin : {QStringLiteral("/lipsa/liblopena_notebook.so"),
                                  notALibrary.fileName()}) {
        Program program(plugin);
        QStringList messages;
        program.platform.onModalShown = [&](QWidget* dialog) {
            messages << static_cast<QMessageBox*>(dialog)->text();
            static_cast<QMessageBox*>(dialog)->accept();
        };
        program.w.mnucaiet_Click();
        program.w.mnucaiet_Click();
        ASSERT_EQ(messages.size(), 2) << plugin.toStdString();
        EXPECT_TRUE(messages[0].startsWith(QStringLiteral(
                        "Caietul de laborator nu poate fi deschis: fisierul lui,\n") + plugin))
            << messages[0].toStdString();
        EXPECT_FALSE(program.host.findChild<QTabWidget*>(QStringLiteral("notebookTabs")));
    }
}

} // namespace
