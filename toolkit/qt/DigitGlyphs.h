#pragma once

#include <QGlyphRun>
#include <QRawFont>

#include <array>
#include <optional>
#include <string_view>

namespace tkqt {

// The glyphs and advances of the characters numbers are written with, taken once from a font:
// a number that changes many times a second is laid out from them, without shaping its text
// again. Digits are set without kerning between them, as fonts give them.
class DigitGlyphs {
public:
    explicit DigitGlyphs(const QFont& font);

    // The characters numbers are written with, the ones it covers.
    static constexpr std::string_view characters = "0123456789,.-+E";

    // Whether every character of `text` is one of a number's.
    bool covers(QStringView text) const;
    // The width of a text it covers, px.
    qreal width(QStringView text) const;
    // A text it covers as glyphs from `x` on a baseline at 0.
    QGlyphRun run(QStringView text, qreal x) const;
    // Where the glyph of any character inks, px from its place on the baseline, and its advance.
    QRectF inkOf(QChar c) const;
    qreal advanceOf(QChar c) const;
    // The glyph and advance of a character it covers, without asking the font.
    quint32 glyphOf(QChar c) const { return glyph_[c.unicode()]; }
    qreal advanceIn(QChar c) const { return advance_[c.unicode()]; }
    // The same for every instance made from the same font.
    int fontId() const { return fontId_; }
    qreal ascent() const { return ascent_; }
    qreal height() const { return height_; }

private:
    QRawFont font_;
    std::array<quint32, 128> glyph_{}; // 0 for a character that is not one of a number's
    std::array<qreal, 128> advance_{};
    qreal ascent_ = 0, height_ = 0;
    int fontId_ = 0;
};

} // namespace tkqt
