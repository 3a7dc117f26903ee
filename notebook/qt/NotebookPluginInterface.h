#pragma once

#include "toolkit/Locale.h"

#include <QtPlugin>

class QWidget;

namespace lopena {

class Notebook;

// What the program asks of the notebook's window, which lives in a plugin loaded when the
// notebook is first opened: a start loads neither Qt Charts nor the OpenGL libraries it needs.
class NotebookPluginInterface {
public:
    virtual ~NotebookPluginInterface() = default;
    // A hidden window showing `notebook`, owned by `mainWindow`; the notebook must outlive it.
    virtual QWidget* createWindow(Notebook& notebook, const tk::Locale& locale,
                                  QWidget* mainWindow) = 0;
    // Shows a window made by createWindow beside the main window, or brings it to the front.
    virtual void showBeside(QWidget* window) = 0;
};

} // namespace lopena

#define LopenaNotebookPluginInterface_iid "ro.morvak.lopena.NotebookPluginInterface/1"
Q_DECLARE_INTERFACE(lopena::NotebookPluginInterface, LopenaNotebookPluginInterface_iid)
