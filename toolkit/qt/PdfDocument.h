#pragma once

#include <QByteArray>
#include <QString>

namespace tkqt {

// The HTML laid out by Qt's rich text on A4 pages with 20 mm margins, as the bytes of a PDF file
// titled `title` (the notebook's printed solution, the Probleme's worksheets).
QByteArray pdfOfHtml(const QString& html, const QString& title);

} // namespace tkqt
