#include "mainwindow/frmmain.h"
#include "toolkit/qt/FormView.h"
#include "toolkit/qt/MainWindowHost.h"
#include "toolkit/qt/QtPlatform.h"
#include "toolkit/qt/WindowIcon.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(tkqt::windowIcon());

    tkqt::QtPlatform platform;
    lopena::frmmain window(platform);
    window.Load(platform.scheduler());

    tkqt::MainWindowHost host(window, platform);
    host.show();
    return QApplication::exec();
}
