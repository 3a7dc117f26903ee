#include "toolkit/qt/PdfDocument.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QTextDocument>

namespace tkqt {

QByteArray pdfOfHtml(const QString& html, const QString& title) {
    QTextDocument document;
    document.setHtml(html);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Morvak Lopena"));
        document.print(&pdf);
    } // the writer finishes the file as it goes
    return bytes;
}

} // namespace tkqt
