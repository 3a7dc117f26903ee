#pragma once

#include "notebook/qt/NotebookPluginInterface.h"

#include <QObject>

namespace lopena {

// The plugin's entry point: makes and shows the notebook's window for the program.
class NotebookPlugin : public QObject, public NotebookPluginInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID LopenaNotebookPluginInterface_iid)
    Q_INTERFACES(lopena::NotebookPluginInterface)
public:
    QWidget* createWindow(Notebook& notebook, const tk::Locale& locale,
                          QWidget* mainWindow) override;
    void showBeside(QWidget* window) override;
};

} // namespace lopena
