#include "toolkit/qt/DigitTiles.h"

#include "toolkit/qt/DigitGlyphs.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <memory>
#include <string_view>
#include <vector>

namespace tkqt {

namespace {

// Glyphs are placed in 64ths of a pixel, as Qt places them.
constexpr int steps = 64;

struct Tile {
    QImage picture;
    int pad = 0;                   // columns left of the glyph's pixel
    int inkLeft = 0, inkRight = 0; // the columns it inks, [left, right)
};

// What the pictures of one caption's glyphs share.
struct Look {
    int font = 0;
    QRgb ink = 0, background = 0;
    int format = 0, height = 0, baseline = 0; // baseline in 64ths of a pixel
    bool operator==(const Look&) const = default;
};

// Where a character's pictures stand among a look's, or -1 for one numbers are not written with.
int slotOf(QChar c) {
    const std::size_t at = c.unicode() < 128 ? DigitGlyphs::characters.find(static_cast<char>(c.unicode()))
                                             : std::string_view::npos;
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

// A look's pictures by character and place within a pixel, found without hashing: a live caption
// looks up some six a tick.
struct LookTiles {
    Look look;
    std::array<std::unique_ptr<Tile>, DigitGlyphs::characters.size() * steps> tiles;
};

// Kept for every caption of the program, a few looks at most (a font and colours each).
LookTiles& tilesOf(const Look& look) {
    static std::vector<std::unique_ptr<LookTiles>> looks;
    for (const auto& kept : looks)
        if (kept->look == look)
            return *kept;
    if (looks.size() >= 16)
        looks.clear(); // bounded over a long run with many fonts and colours
    looks.push_back(std::make_unique<LookTiles>());
    looks.back()->look = look;
    return *looks.back();
}

// The glyph alone on the background, drawn by Qt at the same place within its pixel.
Tile drawTile(const DigitTiles::Caption& caption, QChar character, int step, QImage::Format format) {
    const QRectF ink = caption.digits.inkOf(character);
    Tile tile;
    tile.pad = 2 + static_cast<int>(std::ceil(std::max(0.0, -ink.left())));
    const int width =
        tile.pad + static_cast<int>(std::ceil(std::max(ink.right(), caption.digits.advanceIn(character)))) + 3;
    tile.picture = QImage(width, caption.height, format);
    tile.picture.fill(caption.background);
    {
        QPainter painter(&tile.picture);
        painter.setPen(caption.ink);
        painter.drawGlyphRun(QPointF(0, caption.baseline),
                             caption.digits.run(QStringView(&character, 1), tile.pad + qreal(step) / steps));
    }
    // Its ink: the columns where any pixel differs from the background.
    const auto* pixels = reinterpret_cast<const QRgb*>(tile.picture.constBits());
    const qsizetype stride = tile.picture.bytesPerLine() / 4;
    const QRgb background = pixels[0];
    tile.inkLeft = width;
    tile.inkRight = 0;
    for (int y = 0; y < caption.height; ++y)
        for (int x = 0; x < width; ++x)
            if (pixels[y * stride + x] != background) {
                tile.inkLeft = std::min(tile.inkLeft, x);
                tile.inkRight = std::max(tile.inkRight, x + 1);
            }
    if (tile.inkLeft >= tile.inkRight)
        tile.inkLeft = tile.inkRight = 0;
    return tile;
}

// The picture the painter writes into, when it is one of 32-bit pixels at scale 1 and the
// painter moves by whole pixels and paints plainly over it.
const QImage* targetOf(QPainter& painter) {
    QPaintEngine* engine = painter.paintEngine();
    QPaintDevice* device = engine ? engine->paintDevice() : nullptr;
    if (!device || device->devType() != QInternal::Image)
        return nullptr;
    const auto* image = static_cast<const QImage*>(device);
    const QTransform& t = painter.deviceTransform();
    const bool whole = t.type() <= QTransform::TxTranslate && t.dx() == std::floor(t.dx()) &&
                       t.dy() == std::floor(t.dy());
    const bool plain = painter.compositionMode() == QPainter::CompositionMode_SourceOver &&
                       painter.opacity() == 1.0;
    const QImage::Format f = image->format();
    const bool pixels32 = f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
                          f == QImage::Format_ARGB32_Premultiplied;
    return whole && plain && pixels32 && image->devicePixelRatio() == 1.0 ? image : nullptr;
}

} // namespace

bool DigitTiles::paint(QPainter& painter, const Caption& caption, QStringView number, qreal x,
                       const QRect& area, int left, int right) {
    const QImage* target = targetOf(painter);
    if (!target || caption.ink.alpha() != 255 || caption.background.alpha() != 255 ||
        area.top() < 0 || area.bottom() >= caption.height || number.size() > 64)
        return false;
    LookTiles& kept = tilesOf({caption.digits.fontId(), caption.ink.rgba(), caption.background.rgba(),
                               static_cast<int>(target->format()), caption.height,
                               qRound(caption.baseline * steps)});
    // Each glyph's picture and where its first column falls in the caption, its pen placed as
    // the glyph run places it.
    struct Placed {
        const Tile* tile;
        int column;
    };
    QVarLengthArray<Placed, 16> placed;
    int inkedUpTo = std::numeric_limits<int>::min(); // the last glyph's ink in the area ends here
    for (QChar c : number) {
        const int slot = slotOf(c);
        if (slot < 0)
            return false;
        const auto at = static_cast<qint64>(std::floor(x * steps + 0.5));
        x += caption.digits.advanceIn(c);
        const auto pixel = static_cast<int>(at >= 0 ? at / steps : -((-at + steps - 1) / steps));
        const int step = static_cast<int>(at - qint64(pixel) * steps);
        std::unique_ptr<Tile>& picture = kept.tiles[static_cast<std::size_t>(slot * steps + step)];
        if (!picture)
            picture = std::make_unique<Tile>(drawTile(caption, c, step, target->format()));
        const Tile& tile = *picture;
        const int column = pixel - tile.pad;
        // Of its ink, what the area holds: inside the columns, and apart from the last glyph's.
        const int from = std::max(column + tile.inkLeft, area.left());
        const int to = std::min(column + tile.inkRight, area.right() + 1);
        if (from < to) {
            if (from < left || to > right || from < inkedUpTo)
                return false;
            inkedUpTo = to;
        }
        placed.append({&tile, column});
    }
    const QRect strip = area & QRect(left, area.top(), right - left, area.height());
    if (strip.isEmpty())
        return true;
    // The strip composed in a buffer kept from paint to paint, then copied in one call.
    static std::vector<QRgb> buffer;
    buffer.resize(static_cast<std::size_t>(strip.width()) * strip.height());
    QImage composed(reinterpret_cast<uchar*>(buffer.data()), strip.width(), strip.height(),
                    strip.width() * 4, target->format());
    composed.fill(caption.background);
    for (const Placed& p : placed) {
        const int from = std::max(strip.left(), p.column + p.tile->inkLeft);
        const int to = std::min(strip.right() + 1, p.column + p.tile->inkRight);
        if (from >= to)
            continue;
        const qsizetype stride = p.tile->picture.bytesPerLine() / 4;
        const QRgb* source = reinterpret_cast<const QRgb*>(p.tile->picture.constBits()) +
                             strip.top() * stride + (from - p.column);
        QRgb* out = buffer.data() + (from - strip.left());
        for (int y = strip.top(); y <= strip.bottom(); ++y, source += stride, out += strip.width())
            std::copy_n(source, to - from, out); // a few pixels a row: no call for each
    }
    painter.drawImage(strip.topLeft(), composed);
    return true;
}

} // namespace tkqt
