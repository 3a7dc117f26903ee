#include "notebook/qt/NotebookMenu.h"

#include "notebook/qt/NotebookPluginInterface.h"
#include "toolkit/Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>
#include <QPointer>
#include <QWidget>

namespace lopena {

QString notebookPluginFile() {
    const QDir program(QCoreApplication::applicationDirPath());
    const QString name = QStringLiteral("/" LOPENA_NOTEBOOK_PLUGIN);
    const QString installed = program.filePath(QStringLiteral(LOPENA_PLUGIN_FROM_BINDIR) + name);
    // The build tree keeps it in <build>/<libdir>/lopena: the program is in <build>, the tests
    // and benchmarks one folder below.
    for (const QString& path :
         {installed, program.filePath(QStringLiteral(LOPENA_PLUGIN_DIR) + name),
          program.filePath(QStringLiteral("../" LOPENA_PLUGIN_DIR) + name)})
        if (QFileInfo::exists(path))
            return QDir::cleanPath(path);
    return QDir::cleanPath(installed);
}

std::function<void()> connectNotebook(Notebook& notebook, tk::Form& form, QWidget* host,
                                      tk::Platform& platform, const QString& pluginFile) {
    return [&notebook, &form, host, &platform, pluginFile, shown = QPointer<QWidget>(),
            plugin = static_cast<NotebookPluginInterface*>(nullptr)]() mutable {
        if (!plugin) {
            QPluginLoader loader(pluginFile);
            plugin = qobject_cast<NotebookPluginInterface*>(loader.instance());
            if (!plugin) {
                // Said by its kind, in Romanian: the loader's own words are English and technical.
                const bool there = QFileInfo::exists(pluginFile);
                loader.unload();
                platform.showError(form, "Caiet de laborator",
                                   "Caietul de laborator nu poate fi deschis: fisierul lui,\n" +
                                       QDir::toNativeSeparators(pluginFile).toStdString() + ",\n" +
                                       (there ? "exista, dar nu poate fi incarcat: este deteriorat "
                                                "sau nu se potriveste acestei versiuni a "
                                                "programului."
                                              : "lipseste.") +
                                       " Reinstalati programul.");
                return;
            }
        }
        if (!shown)
            shown = plugin->createWindow(notebook, platform.locale(), host);
        plugin->showBeside(shown);
    };
}

} // namespace lopena
