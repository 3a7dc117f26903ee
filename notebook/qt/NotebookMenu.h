#pragma once

#include <QString>

class QWidget;

namespace tk {
class Platform;
}

namespace lopena {

class frmmain;

// The notebook's plugin: where the installed program keeps it (<libdir>/lopena, reached from
// <bindir>), else where the build tree has it, for the program, its tests and its benchmarks.
QString notebookPluginFile();

// Makes "Caiet de laborator" open the notebook's window beside `host`, the main window. The
// plugin is loaded and the window made on first use, owned by the host, and raised at every
// later choice. A plugin that cannot be loaded is explained over the main window, and tried
// again at the next choice.
void connectNotebook(frmmain& window, QWidget* host, tk::Platform& platform,
                     const QString& pluginFile = notebookPluginFile());

} // namespace lopena
