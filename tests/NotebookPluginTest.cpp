// Like the program, this test links neither the notebook's window nor Qt Charts: its plugin does.
#include "mainwindow/frmmain.h"
#include "notebook/qt/NotebookMenu.h"
#include "support/VirtualClock.h"
#include "toolkit/qt/MainWindowHost.h"
#include "toolkit/qt/QtPlatform.h"

#include <QFile>
#include <QMessageBox>
#include <QTabWidget>
#include <QTableView>

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

bool mapped(const char* library) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

TEST(NotebookPluginTest, ChartsLoadWithTheNotebookAndAPluginMissingOrDamagedIsExplained) {
    QTemporaryDir dir;
    const QString damaged = dir.filePath(QStringLiteral("liblopena_notebook.so"));
    QFile junk(damaged);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly) && junk.write("nu este o biblioteca") > 0);
    junk.close();
    for (const QString& plugin : {QStringLiteral("/lipsa/liblopena_notebook.so"), damaged,
                                  lopena::notebookPluginFile()}) {
        tk::VirtualClock clock;
        tkqt::QtPlatform platform(clock);
        lopena::frmmain w(platform);
        w.Load(clock);
        tkqt::MainWindowHost host(w, platform);
        w.showNotebook = lopena::connectNotebook(w.notebook, w, &host, platform, plugin);
        QStringList messages;
        platform.onModalShown = [&](QWidget* box) {
            messages << static_cast<QMessageBox*>(box)->text();
            static_cast<QMessageBox*>(box)->accept();
        };
        host.show();
        for (const char* library : {"libQt6Charts", "libQt6OpenGL", "libGL.so"})
            EXPECT_FALSE(mapped(library)) << library << " mapped before the notebook opened";
        w.mnucaiet_Click();
        w.mnucaiet_Click(); // loaded again, or the window raised rather than made again
        const auto tabs = host.findChildren<QTabWidget*>(QStringLiteral("notebookTabs"));
        if (plugin != lopena::notebookPluginFile()) {
            ASSERT_EQ(messages.size(), 2);
            const QString why = plugin == damaged ? "exista, dar nu poate fi incarcat: este "
                                                    "deteriorat sau nu se potriveste acestei "
                                                    "versiuni a programului. Reinstalati programul."
                                                  : "lipseste. Reinstalati programul.";
            EXPECT_TRUE(tabs.isEmpty());
            EXPECT_EQ(messages[0], "Caietul de laborator nu poate fi deschis: fisierul lui,\n" +
                                       plugin + ",\n" + why);
            continue;
        }
        ASSERT_EQ(tabs.size(), 1) << messages.join(QString()).toStdString();
        EXPECT_TRUE(tabs[0]->isVisible() && mapped("libQt6Charts"));
        w.cmdFire.click();
        clock.advance(4000);
        EXPECT_EQ(host.findChild<QTableView*>(QStringLiteral("stepTable"))->model()->rowCount(), 31)
            << "30 steps and the computed landing";
    }
}

} // namespace
