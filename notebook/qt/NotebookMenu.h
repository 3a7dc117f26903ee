#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace tk {
class Form;
class Platform;
}

namespace lopena {

class Notebook;

// The notebook's plugin: where the installed program keeps it (<libdir>/lopena, reached from
// <bindir>), else where the build tree has it, for the program, its tests and its benchmarks.
QString notebookPluginFile();

// What opens the window of `notebook` beside `host`, the main window `form`'s widget. The plugin
// is loaded and the window made on first use, owned by the host, and raised at every later
// call. A plugin that cannot be loaded is explained over `form`, and tried again at the next
// call. All must outlive the function.
std::function<void()> connectNotebook(Notebook& notebook, tk::Form& form, QWidget* host,
                                      tk::Platform& platform,
                                      const QString& pluginFile = notebookPluginFile());

} // namespace lopena
