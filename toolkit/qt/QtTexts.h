#pragma once

class QCoreApplication;

namespace tkqt {

// Shows Qt's own texts (the Save dialog, message-box buttons, context menus) in Romanian
// whatever the system language: Qt ships no Romanian translation of its own, so the program
// carries one, built into it.
void installRomanianQtTexts(QCoreApplication& app);

} // namespace tkqt
