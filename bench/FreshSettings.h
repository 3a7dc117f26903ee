#pragma once

#include <QByteArray>
#include <QTemporaryDir>

// The program's settings in a folder of their own for the run: a window placed or sized by the
// user (the Laborator's placement) would change what a flight repaints, and so the figures.
class FreshSettings {
public:
    FreshSettings() { qputenv("XDG_CONFIG_HOME", folder_.path().toUtf8()); }

private:
    QTemporaryDir folder_;
};
