#include "mainwindow/frmmain.h"
#include "notebook/qt/NotebookMenu.h"
#include "toolkit/qt/FormView.h"
#include "toolkit/qt/MainWindowHost.h"
#include "toolkit/qt/QtPlatform.h"
#include "toolkit/qt/QtScheduler.h"
#include "toolkit/qt/QtTexts.h"
#include "toolkit/qt/WindowIcon.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tkqt::installRomanianQtTexts(app);
    QApplication::setWindowIcon(tkqt::windowIcon());

    tkqt::QtScheduler scheduler;
    tkqt::QtPlatform platform(scheduler);
    lopena::frmmain window(platform);
    window.Load(platform.scheduler());

    tkqt::MainWindowHost host(window, platform);
    window.showNotebook = lopena::connectNotebook(window.notebook, window, &host, platform);
    host.show();
    return QApplication::exec();
}
