#include "toolkit/qt/ShapedWords.h"

#include <QHash>

namespace tkqt {

std::shared_ptr<const ShapedWords::Layout> ShapedWords::wrapped(const QString& words,
                                                                const QFont& font, qreal width) {
    auto layout = std::make_shared<Layout>();
    layout->text.setTextFormat(Qt::PlainText);
    layout->text.setPerformanceHint(QStaticText::AggressiveCaching);
    layout->text.setText(words);
    layout->text.setTextWidth(width);
    layout->text.prepare(QTransform(), font);
    // The line's natural width: the advance of all but the spaces that end it.
    layout->advance = layout->text.size().width();
    return layout;
}

std::shared_ptr<const ShapedWords::Layout> ShapedWords::of(const QString& words, const QFont& font,
                                                           const QString& fontKey) {
    // By font and words; the layouts themselves belong to the captions showing them.
    static QHash<QString, std::weak_ptr<const Layout>> shown;
    std::weak_ptr<const Layout>& entry = shown[fontKey + QLatin1Char('\n') + words];
    if (auto layout = entry.lock())
        return layout;
    auto layout = wrapped(words, font, -1);
    entry = layout;
    if (shown.size() > 4096)
        shown.removeIf([](const auto& it) { return it.value().expired(); });
    return layout;
}

} // namespace tkqt
