#pragma once

#include <string>
#include <vector>

namespace tk {

// A document the program prints (a worksheet, a key): pages of lines, each page begun on a new
// sheet. Both editions print it from the same HTML (printedHtml): the desktop as a PDF file, the
// page through the browser's print dialog.
struct PrintedDocument {
    enum class Style { Title, Heading, Text };
    struct Line {
        Style style;
        std::string text;
    };
    std::string title;    // the document's own, as a PDF's or a printed page's title
    std::string fileName; // proposed for the desktop's PDF
    std::vector<std::vector<Line>> pages;
};

// The document as HTML: a title as <h2>, a heading as <h3>, a text as <p>, the text escaped; the
// first element of every page but the first breaks the page before it (CSS page-break-before,
// which Qt's rich text and the browsers both honour).
std::string printedHtml(const PrintedDocument& document);

} // namespace tk
