#include "gui/map_paint.h"

#include "gui/map_paint_move.h"
#include "gui/map_paint_parts.h"
#include "gui/map_paint_plan.h"
#include "gui/text_codec.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <vector>

namespace orv::gui {

namespace {

using namespace paint;

// --- What the layers share --------------------------------------------------------------

// Calls paint(tile, rect) for every tile of the span, rect in the image's coordinates.
template <typename Paint>
void ForEachTile(const mapview::Drawing& drawing, const Geometry& g, const TileSpan& s,
                 QPoint origin, Paint paint) {
    for (int y = s.firstY; y <= s.lastY; ++y) {
        for (int x = s.firstX; x <= s.lastX; ++x) {
            if (const mapview::Tile* tile = drawing.TileAt(x, y)) {
                paint(*tile, TileRect(g, x, y).translated(-origin));
            }
        }
    }
}

// The layout of a tile's own texts and marks, without the move.
mapview::TileLayout TextLayout(const mapview::Tile& tile, const std::array<std::string, 2>& troops,
                               const TileFonts& fonts, PaintCache& cache) {
    return mapview::LayOutTile(TextContent(tile, troops, fonts, cache));
}

// --- The report layer --------------------------------------------------------------------

// Diagonal lines as the hatch pattern draws them, for a device that wants shapes.
void DrawHatch(QPainter& painter, const QRect& r) {
    constexpr int Spacing = 8;
    painter.setPen(QPen(IsolatedHatch, 1));
    const int first = r.left() + r.top();
    const int last = r.right() + r.bottom();
    for (int c = first + Spacing - first % Spacing; c <= last; c += Spacing) {
        const int x0 = std::max(r.left(), c - r.bottom());
        const int x1 = std::min(r.right(), c - r.top());
        painter.drawLine(x0, c - x0, x1, c - x1);
    }
}

void DrawHomeMark(QPainter& painter, const QRect& box, PaintCache& cache) {
    if (cache.InBlocks()) {
        painter.drawImage(box.topLeft(), cache.HomeMark(box.width() - 1));
        return;
    }
    const int side = box.width() - 1;
    const QPolygon house({QPoint(0, side / 2), QPoint(side / 2, 0), QPoint(side, side / 2),
                          QPoint(side, side), QPoint(0, side)});
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(HomeColour);
    painter.drawPolygon(house.translated(box.topLeft()));
}

void PaintTileMarks(QPainter& painter, const mapview::Tile& tile, const QRect& r, int t,
                    const mapview::TileLayout& layout, PaintCache& cache) {
    if (tile.isolated) {
        if (cache.InBlocks()) {
            FillInRows(painter, r, QBrush(IsolatedHatch, Qt::BDiagPattern));
        } else {
            DrawHatch(painter, r);
        }
    }
    if (tile.town) {
        const QRect mark = ToRect(layout.town, r.topLeft());
        painter.fillRect(mark, Qt::white);
        painter.fillRect(mark.adjusted(1, 1, -1, -1), TownColour);
    }
    if (tile.home) {
        DrawHomeMark(painter, ToRect(layout.home, r.topLeft()), cache);
    }
    if (tile.own) {
        // Four filled bands: far cheaper than a stroked outline on thousands of tiles.
        const int w = OutlineWidth(t);
        const QRect in = r.adjusted(1, 1, 0, 0);
        painter.fillRect(in.left(), in.top(), in.width(), w, OwnOutline);
        painter.fillRect(in.left(), in.bottom() - w + 1, in.width(), w, OwnOutline);
        painter.fillRect(in.left(), in.top(), w, in.height(), OwnOutline);
        painter.fillRect(in.right() - w + 1, in.top(), w, in.height(), OwnOutline);
    }
}

void PaintOwnerAndName(QPainter& painter, const mapview::Tile& tile, const QRect& r,
                       const mapview::TileLayout& layout, const TileFonts& fonts,
                       PaintCache& cache) {
    if (!layout.owner.Empty()) {
        painter.setPen(tile.sea ? Qt::white : Qt::black);
        DrawFitted(painter, layout.initials ? tile.initials : tile.owner,
                   ToRect(layout.owner, r.topLeft()), fonts.plainSize, TextStyle::Plain, 0, cache);
    }
    if (!layout.name.Empty()) {
        painter.setPen(tile.sea ? QColor(Qt::white) : NameColour);
        DrawFitted(painter, tile.name, ToRect(layout.name, r.topLeft()), fonts.smallSize,
                   TextStyle::Name, 0, cache);
    }
}

void PaintGrid(QPainter& painter, const Geometry& g, const TileSpan& s, QPoint origin) {
    // Whole lines rather than an outline per tile. The columns are filled in short pieces:
    // the raster engine hands a blend of more than about a hundred rows to its thread pool,
    // and on a busy machine the waiting for it costs far more than the few pixels.
    const int top = g.Top(s.firstY) - origin.y();
    const int bottom = g.Top(s.lastY + 1) - origin.y();
    const int left = g.Left(s.firstX) - origin.x();
    const int right = g.Left(s.lastX + 1) - origin.x();
    for (int x = s.firstX; x <= s.lastX + 1; ++x) {
        FillInRows(painter, QRect(g.Left(x) - origin.x(), top, 1, bottom - top + 1), GridColour);
    }
    for (int y = s.firstY; y <= s.lastY + 1; ++y) {
        painter.fillRect(QRect(left, g.Top(y) - origin.y(), right - left + 1, 1), GridColour);
    }
}

// The layers paint the part of the map inside area into an image whose top left corner is
// origin. They move their own coordinates rather than the painter, and paint in the font
// the cached texts were laid out in: a static text is laid out anew whenever the painter's
// font or transformation differs from the last drawing's, and then takes the painter's font.
void PaintReport(QPainter& painter, const mapview::Drawing& drawing, const Geometry& g,
                 const QRect& area, QPoint origin, PaintCache& cache) {
    const TileSpan s = SpanOf(g, area);
    if (s.Empty()) {
        return;
    }
    const TileFonts& fonts = cache.Fonts(g.tile);
    ForEachTile(drawing, g, s, origin, [&](const mapview::Tile& tile, const QRect& r) {
        painter.fillRect(r, ColourOf(tile.colour));
        const mapview::TileLayout layout =
            TextLayout(tile, mapview::TroopLines(tile.troops), fonts, cache);
        PaintTileMarks(painter, tile, r, g.tile, layout, cache);
        PaintOwnerAndName(painter, tile, r, layout, fonts, cache);
    });
    PaintGrid(painter, g, s, origin);
}

// --- The figure layer --------------------------------------------------------------------

// The troop lines where the tile's layout puts them, on a backing just as large.
void PaintFigures(QPainter& painter, const mapview::Drawing& drawing, const Geometry& g,
                  const QRect& area, QPoint origin, PaintCache& cache) {
    const TileSpan s = SpanOf(g, area);
    const TileFonts& fonts = cache.Fonts(g.tile);
    painter.setPen(Qt::black);
    ForEachTile(drawing, g, s, origin, [&](const mapview::Tile& tile, const QRect& r) {
        const std::array<std::string, 2> troops = mapview::TroopLines(tile.troops);
        if (troops[0].empty() && troops[1].empty()) {
            return;
        }
        const mapview::TileLayout layout = TextLayout(tile, troops, fonts, cache);
        for (std::size_t i = 0; i < troops.size(); ++i) {
            if (!layout.troops[i].Empty()) {
                const QRect box = ToRect(layout.troops[i], r.topLeft());
                painter.fillRect(box, FigureBacking);
                DrawFitted(painter, troops[i], box.adjusted(TroopPadding, 0, -TroopPadding, 0),
                           fonts.plainSize, TextStyle::Plain, fonts.troopTextTop, cache);
            }
        }
    });
}

// Fills the parts of area outside the map's picture.
void FillOutside(QPainter& painter, const Geometry& g, const QRect& area) {
    const QRect picture(0, 0, g.PixelWidth(), g.PixelHeight());
    const QRect inner = area.intersected(picture);
    if (inner.isEmpty()) {
        painter.fillRect(area, Background);
        return;
    }
    painter.fillRect(QRect(area.left(), area.top(), area.width(), inner.top() - area.top()),
                     Background);
    painter.fillRect(
        QRect(area.left(), inner.bottom() + 1, area.width(), area.bottom() - inner.bottom()),
        Background);
    painter.fillRect(QRect(area.left(), inner.top(), inner.left() - area.left(), inner.height()),
                     Background);
    painter.fillRect(
        QRect(inner.right() + 1, inner.top(), area.right() - inner.right(), inner.height()),
        Background);
}

std::uint64_t BlockKey(PaintCache::Layer layer, int column, int row) {
    constexpr int RowShift = 20;
    constexpr int LayerShift = 40;
    return (static_cast<std::uint64_t>(layer) << LayerShift) |
           (static_cast<std::uint64_t>(row) << RowShift) | static_cast<std::uint64_t>(column);
}

bool SameGeometry(const Geometry& a, const Geometry& b) {
    return a.tile == b.tile && a.margin == b.margin && a.width == b.width && a.height == b.height;
}

bool SameLook(const mapview::Tile& a, const mapview::Tile& b) {
    return a.colour == b.colour && a.sea == b.sea && a.town == b.town && a.home == b.home &&
           a.isolated == b.isolated && a.own == b.own && a.owner == b.owner &&
           a.initials == b.initials && a.name == b.name && a.troops == b.troops;
}

} // namespace

PaintCache::Texts& PaintCache::TextsOf(int pixelSize, TextStyle style) {
    Texts& texts = texts_[static_cast<std::size_t>(style)];
    if (pixelSize != texts.pixelSize) {
        texts.whole.clear();
        texts.fitted.clear();
        texts.pixelSize = pixelSize;
    }
    return texts;
}

namespace {

QStaticText Prepared(const QString& text, int pixelSize, TextStyle style) {
    QStaticText laidOut(text);
    laidOut.setTextFormat(Qt::PlainText);
    laidOut.prepare(QTransform(), TextFont(pixelSize, style));
    return laidOut;
}

} // namespace

const QStaticText& PaintCache::Text(const std::string& bytes, int pixelSize, TextStyle style) {
    auto [it, added] = TextsOf(pixelSize, style).whole.try_emplace(bytes);
    if (added) {
        it->second = Prepared(FromText(bytes), pixelSize, style);
    }
    return it->second;
}

const QStaticText& PaintCache::Fitted(const std::string& bytes, int pixelSize, TextStyle style,
                                      int width) {
    const QStaticText& whole = Text(bytes, pixelSize, style);
    if (whole.size().width() <= width) {
        return whole;
    }
    std::string key = std::to_string(width);
    key += ' ';
    key += bytes;
    auto [it, added] = TextsOf(pixelSize, style).fitted.try_emplace(std::move(key));
    if (added) {
        const QFontMetrics metrics(TextFont(pixelSize, style));
        it->second =
            Prepared(metrics.elidedText(FromText(bytes), Qt::ElideRight, width), pixelSize, style);
    }
    return it->second;
}

const TileFonts& PaintCache::Fonts(int tile) {
    if (fonts_.tile == tile) {
        return fonts_;
    }
    fonts_.tile = tile;
    fonts_.plainSize = FontSize(tile);
    fonts_.smallSize = SmallFontSize(tile);
    const QFontMetrics plain(TextFont(fonts_.plainSize, TextStyle::Plain));
    const QFontMetrics name(TextFont(fonts_.smallSize, TextStyle::Name));
    const QFontMetrics bold(TextFont(fonts_.smallSize, TextStyle::Bold));
    fonts_.ownerHeight = plain.height();
    // A pixel above the capitals, two below.
    fonts_.troopHeight = static_cast<int>(plain.capHeight()) + 3;
    fonts_.troopTextTop = 1 + static_cast<int>(plain.capHeight()) - plain.ascent();
    fonts_.nameHeight = name.height();
    // Two pixels above and below, room for the odd small letter's tail.
    fonts_.badgeHeight = static_cast<int>(bold.capHeight()) + 4;
    fonts_.badgeTextTop = 2 + static_cast<int>(bold.capHeight()) - bold.ascent();
    return fonts_;
}

const QImage& PaintCache::HomeMark(int side) {
    if (homeMark_.width() == side + 1) {
        return homeMark_;
    }
    // A small house: a roof on a square.
    homeMark_ = QImage(side + 1, side + 1, QImage::Format_ARGB32_Premultiplied);
    homeMark_.fill(Qt::transparent);
    QPainter painter(&homeMark_);
    const QPolygon house({QPoint(0, side / 2), QPoint(side / 2, 0), QPoint(side, side / 2),
                          QPoint(side, side), QPoint(0, side)});
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(HomeColour);
    painter.drawPolygon(house);
    return homeMark_;
}

void PaintCache::DropLayers() {
    blocks_.clear();
}

const QImage& PaintCache::BlockImage(Layer layer, int column, int row,
                                     const mapview::Drawing& drawing, const Geometry& geometry) {
    Block& block = blocks_[BlockKey(layer, column, row)];
    block.used = redraws_;
    if (!block.image.isNull()) {
        return block.image;
    }
    // The report is opaque and copied as it is; the figures are laid over the move.
    const bool report = layer == Layer::Report;
    // As many pixels as the screen has for the block's side, so that text stays sharp on a
    // scaled display.
    const int side = static_cast<int>(std::ceil(BlockSide * layerRatio_));
    block.image =
        QImage(side, side, report ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    block.image.setDevicePixelRatio(layerRatio_);
    block.image.fill(report ? Background : QColor(Qt::transparent));
    QPainter painter(&block.image);
    const QRect area(column * BlockSide, row * BlockSide, BlockSide, BlockSide);
    if (report) {
        PaintReport(painter, drawing, geometry, area, area.topLeft(), *this);
    } else {
        PaintFigures(painter, drawing, geometry, area, area.topLeft(), *this);
    }
    return block.image;
}

void PaintCache::DrawLayer(QPainter& painter, Layer layer, const mapview::Drawing& drawing,
                           const Geometry& geometry, const QRect& area) {
    if (!inBlocks_) {
        painter.save();
        if (layer == Layer::Report) {
            PaintReport(painter, drawing, geometry, area, QPoint(0, 0), *this);
        } else {
            PaintFigures(painter, drawing, geometry, area, QPoint(0, 0), *this);
        }
        painter.restore();
        return;
    }
    const qreal ratio = painter.device() != nullptr ? painter.device()->devicePixelRatio() : 1.0;
    if (!SameGeometry(geometry, layerGeometry_) || ratio != layerRatio_) {
        blocks_.clear();
        layerGeometry_ = geometry;
        layerRatio_ = ratio;
    }
    const QRect wanted =
        area.intersected(QRect(0, 0, geometry.PixelWidth(), geometry.PixelHeight()));
    if (wanted.isEmpty()) {
        return;
    }
    for (int row = wanted.top() / BlockSide; row <= wanted.bottom() / BlockSide; ++row) {
        for (int column = wanted.left() / BlockSide; column <= wanted.right() / BlockSide;
             ++column) {
            const QRect block(column * BlockSide, row * BlockSide, BlockSide, BlockSide);
            const QRect part = block.intersected(wanted);
            // The source in the image's own pixels.
            const QRectF source(QPointF(part.topLeft() - block.topLeft()) * ratio,
                                QSizeF(part.size()) * ratio);
            painter.drawImage(QRectF(part), BlockImage(layer, column, row, drawing, geometry),
                              source);
        }
    }
    // Past the limit only the blocks of this redraw stay.
    if (blocks_.size() > MaxBlocks) {
        std::erase_if(blocks_, [this](const auto& entry) { return entry.second.used != redraws_; });
    }
}

namespace paint {

mapview::TileContent TextContent(const mapview::Tile& tile,
                                 const std::array<std::string, 2>& troops, const TileFonts& fonts,
                                 PaintCache& cache) {
    mapview::TileContent c;
    const int t = fonts.tile;
    c.side = t;
    c.inset = TileInset(t);
    c.corner = CornerMarkSide(t);
    c.home = tile.home;
    c.town = tile.town;
    if (t < TextTileSize) {
        return c;
    }
    const auto width = [&cache](const std::string& text, int pixelSize, TextStyle style) {
        return text.empty()
                   ? 0
                   : static_cast<int>(std::ceil(cache.Text(text, pixelSize, style).size().width()));
    };
    c.ownerWidth = width(tile.owner, fonts.plainSize, TextStyle::Plain);
    c.initialsWidth = width(tile.initials, fonts.plainSize, TextStyle::Plain);
    c.ownerHeight = fonts.ownerHeight;
    for (std::size_t i = 0; i < troops.size(); ++i) {
        const int w = width(troops[i], fonts.plainSize, TextStyle::Plain);
        c.troopWidths[i] = w > 0 ? w + 2 * TroopPadding : 0;
    }
    c.troopHeight = fonts.troopHeight;
    c.nameWidth = width(tile.name, fonts.smallSize, TextStyle::Name);
    c.nameHeight = fonts.nameHeight;
    return c;
}

void DrawFitted(QPainter& painter, const std::string& text, const QRect& box, int pixelSize,
                TextStyle style, int textTop, PaintCache& cache) {
    const QStaticText& shown = cache.Fitted(text, pixelSize, style, box.width());
    painter.setFont(TextFont(pixelSize, style));
    painter.drawStaticText(
        box.left() + (box.width() - static_cast<int>(std::ceil(shown.size().width()))) / 2,
        box.top() + textTop, shown);
}

} // namespace paint

void PaintMap(QPainter& painter, const mapview::Drawing& drawing, const Geometry& g,
              const QRect& area, std::optional<std::size_t> selectedLine, PaintCache& cache,
              const PlanPicture* plan) {
    if (g.tile <= 0) {
        painter.fillRect(area, Background);
        return;
    }
    FillOutside(painter, g, area);
    cache.StartRedraw();
    cache.DrawLayer(painter, PaintCache::Layer::Report, drawing, g, area);
    if (plan != nullptr) {
        PaintPlan(painter, PlanLayer::Shading, *plan, drawing, g, area);
    }
    const MoveLabels labels = LayOutMoveLabels(drawing, g, area, selectedLine, cache);
    // Smooth paths cost more than the tiles on a small zoom, where they gain little.
    painter.setRenderHint(QPainter::Antialiasing, g.tile >= TextTileSize);
    PaintArrows(painter, drawing, g, area, selectedLine);
    PaintPreviewPaths(painter, drawing, g);
    if (plan != nullptr) {
        PaintPlan(painter, PlanLayer::Path, *plan, drawing, g, area);
    }
    PaintBadges(painter, drawing, labels, cache);
    if (g.tile >= TextTileSize) {
        cache.DrawLayer(painter, PaintCache::Layer::Figures, drawing, g, area);
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    PaintPreviewNotes(painter, labels, cache);
    if (plan != nullptr) {
        PaintPlan(painter, PlanLayer::Marks, *plan, drawing, g, area);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

bool SameReportLayer(const mapview::Drawing& a, const mapview::Drawing& b) {
    return a.width == b.width && a.height == b.height && a.tiles.size() == b.tiles.size() &&
           std::equal(a.tiles.begin(), a.tiles.end(), b.tiles.begin(), SameLook);
}

} // namespace orv::gui
