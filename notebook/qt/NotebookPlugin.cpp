#include "notebook/qt/NotebookPlugin.h"

#include "notebook/qt/NotebookWindow.h"

namespace lopena {

QWidget* NotebookPlugin::createWindow(Notebook& notebook, const tk::Locale& locale,
                                      QWidget* mainWindow) {
    return new NotebookWindow(notebook, locale, mainWindow);
}

void NotebookPlugin::showBeside(QWidget* window) {
    static_cast<NotebookWindow*>(window)->showBeside();
}

} // namespace lopena
