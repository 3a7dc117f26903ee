#include "toolkit/PrintedDocument.h"

namespace tk {

namespace {

std::string escaped(const std::string& text) {
    std::string out;
    for (const char c : text)
        out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : std::string(1, c);
    return out;
}

} // namespace

std::string printedHtml(const PrintedDocument& document) {
    std::string html;
    for (std::size_t page = 0; page < document.pages.size(); ++page) {
        bool first = true;
        for (const auto& [style, text] : document.pages[page]) {
            const char* tag = style == PrintedDocument::Style::Title     ? "h2"
                              : style == PrintedDocument::Style::Heading ? "h3"
                                                                         : "p";
            html += std::string("<") + tag;
            if (first && page > 0)
                html += " style=\"page-break-before: always\"";
            html += ">" + escaped(text) + "</" + tag + ">\n";
            first = false;
        }
    }
    return html;
}

} // namespace tk
