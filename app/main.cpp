#include "mainwindow/frmmain.h"
#include "notebook/qt/NotebookMenu.h"
#include "toolkit/qt/FormView.h"
#include "toolkit/qt/MainWindowHost.h"
#include "toolkit/qt/QtPlatform.h"
#include "toolkit/qt/QtScheduler.h"
#include "toolkit/qt/QtTexts.h"
#include "toolkit/qt/WindowIcon.h"

#include <QApplication>

#include <iostream>

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
    window.restoreInputs();
    host.show();
    // "--lab CODE": the Laborator opened with a set-up received; a refused code told here too.
    if (const auto refusal = window.openArguments({argv + 1, argv + argc}))
        std::cerr << *refusal << '\n';
    return QApplication::exec();
}
