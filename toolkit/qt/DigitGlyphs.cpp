#include "toolkit/qt/DigitGlyphs.h"

#include <QHash>

namespace tkqt {

DigitGlyphs::DigitGlyphs(const QFont& font) : font_(QRawFont::fromFont(font)) {
    static QHash<QString, int> fonts;
    const QString key = font.key();
    auto known = fonts.constFind(key);
    if (known == fonts.cend())
        known = fonts.insert(key, static_cast<int>(fonts.size()));
    fontId_ = *known;
    if (!font_.isValid())
        return;
    const QString characters = QString::fromLatin1(DigitGlyphs::characters);
    const QList<quint32> glyphs = font_.glyphIndexesForString(characters);
    const QList<QPointF> advances = font_.advancesForGlyphIndexes(glyphs);
    for (qsizetype i = 0; i < characters.size() && i < glyphs.size() && i < advances.size(); ++i) {
        glyph_[characters[i].unicode()] = glyphs[i];
        advance_[characters[i].unicode()] = advances[i].x();
    }
    ascent_ = font_.ascent();
    height_ = font_.ascent() + font_.descent();
}

bool DigitGlyphs::covers(QStringView text) const {
    for (QChar c : text)
        if (c.unicode() >= glyph_.size() || glyph_[c.unicode()] == 0)
            return false;
    return font_.isValid();
}

qreal DigitGlyphs::width(QStringView text) const {
    qreal width = 0;
    for (QChar c : text)
        width += advance_[c.unicode()];
    return width;
}

QRectF DigitGlyphs::inkOf(QChar c) const {
    const QList<quint32> glyphs = font_.glyphIndexesForString(QString(c));
    return glyphs.isEmpty() ? QRectF() : font_.boundingRect(glyphs.first());
}

qreal DigitGlyphs::advanceOf(QChar c) const {
    const QList<QPointF> advances = font_.advancesForGlyphIndexes(font_.glyphIndexesForString(QString(c)));
    return advances.isEmpty() ? 0 : advances.first().x();
}

QGlyphRun DigitGlyphs::run(QStringView text, qreal x) const {
    QList<quint32> glyphs;
    QList<QPointF> positions;
    glyphs.reserve(text.size());
    positions.reserve(text.size());
    for (QChar c : text) {
        glyphs.append(glyph_[c.unicode()]);
        positions.append(QPointF(x, 0));
        x += advance_[c.unicode()];
    }
    QGlyphRun run;
    run.setRawFont(font_);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    return run;
}

} // namespace tkqt
