#include "notebook/qt/NotebookMenu.h"

#include "mainwindow/frmmain.h"
#include "notebook/qt/NotebookWindow.h"

#include <QPointer>
#include <QWidget>

namespace lopena {

void connectNotebook(frmmain& window, QWidget* host, const tk::Locale& locale) {
    window.showNotebook = [&window, host, locale, shown = QPointer<NotebookWindow>()]() mutable {
        if (!shown)
            shown = new NotebookWindow(window.notebook, locale, host);
        shown->showBeside();
    };
}

} // namespace lopena
