#pragma once

#include <QFont>
#include <QStaticText>
#include <QString>

#include <memory>

namespace tkqt {

// Words laid out once for all the captions showing them in one font: captions that show the
// same words ("t = ", " m/s") share one layout while any of them shows it, and the last ones
// shaped are kept for a window opened again.
class ShapedWords {
public:
    struct Layout {
        QStaticText text;
        qreal advance = 0; // px from the words' start to where a character after them stands
    };
    // Words on one line, shared; `fontKey` is the font's key(), which takes some time to write.
    // The advance counts no space that ends the words.
    static std::shared_ptr<const Layout> of(const QString& words, const QFont& font,
                                            const QString& fontKey);
    // Words broken into lines `width` px wide: a layout of their own.
    static std::shared_ptr<const Layout> wrapped(const QString& words, const QFont& font, qreal width);
};

} // namespace tkqt
