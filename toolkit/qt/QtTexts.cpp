#include "toolkit/qt/QtTexts.h"

#include <QCoreApplication>
#include <QTranslator>

namespace tkqt {

void installRomanianQtTexts(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    // Built from translations/lopena_qt_ro.ts into the program's resources.
    if (translator->load(QStringLiteral(":/i18n/lopena_qt_ro.qm")) &&
        QCoreApplication::installTranslator(translator))
        return;
    qWarning("Qt's own texts stay in English: the Romanian translation did not load");
    delete translator;
}

} // namespace tkqt
