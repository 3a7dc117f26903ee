#include "toolkit/qt/ShapedWords.h"

#include <QCoreApplication>
#include <QHash>

#include <array>

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
    // The last words shaped stay a while after their captions close: a window opened again
    // shows the same words ("Timp total: ", " m/s") without shaping them again.
    static std::array<std::shared_ptr<const Layout>, 128> recent;
    static std::size_t next = 0;
    if (next == 0) // let go before the application, which the layouts' fonts need
        qAddPostRoutine([] { recent.fill(nullptr), next = 0; });
    recent[next++ % recent.size()] = layout;
    if (shown.size() > 4096)
        shown.removeIf([](const auto& it) { return it.value().expired(); });
    return layout;
}

} // namespace tkqt
