#include "gui/map_paint.h"

#include "gui/map_paint_move.h"
#include "gui/map_paint_parts.h"
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

// --- The report layer --------------------------------------------------------------------

void PaintTileMarks(QPainter& painter, const mapview::Tile& tile, const QRect& r, int t,
                    PaintCache& cache) {
    if (tile.isolated) {
        FillInRows(painter, r, QBrush(IsolatedHatch, Qt::BDiagPattern));
    }
    const int badge = std::max(4, t / 6);
    if (tile.town) {
        const QRect mark(r.right() - badge - 2, r.top() + 2, badge, badge);
        painter.fillRect(mark.adjusted(-1, -1, 1, 1), Qt::white);
        painter.fillRect(mark, TownColour);
    }
    if (tile.home) {
        painter.drawImage(r.left() + 2, r.top() + 2, cache.HomeMark(badge));
    }
    if (tile.own) {
        // Four filled bands: far cheaper than a stroked outline on thousands of tiles.
        const int w = std::max(2, t / OutlineDivisor);
        const QRect in = r.adjusted(1, 1, 0, 0);
        painter.fillRect(in.left(), in.top(), in.width(), w, OwnOutline);
        painter.fillRect(in.left(), in.bottom() - w + 1, in.width(), w, OwnOutline);
        painter.fillRect(in.left(), in.top(), w, in.height(), OwnOutline);
        painter.fillRect(in.right() - w + 1, in.top(), w, in.height(), OwnOutline);
    }
}

// Where a tile's text lines start: below the marks along its top edge.
int TextTop(const QRect& r) {
    return r.top() + r.height() / 8;
}

void PaintOwner(QPainter& painter, const mapview::Tile& tile, const QRect& r, int pixelSize,
                PaintCache& cache) {
    if (tile.owner.empty()) {
        return;
    }
    painter.setPen(tile.sea ? Qt::white : Qt::black);
    // Clear of the house and the town square in the top corners.
    const int corners = tile.home || tile.town ? 2 * (std::max(4, r.width() / 6) + 2) : 0;
    const int room = r.width() - 4 - corners;
    const QStaticText& owner = cache.Text(tile.owner, pixelSize);
    const QStaticText& shown =
        owner.size().width() > room ? cache.Text(tile.initials, pixelSize) : owner;
    painter.drawStaticText(r.left() + (r.width() - static_cast<int>(shown.size().width())) / 2,
                           TextTop(r), shown);
}

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
    const int pixelSize = FontSize(g.tile);
    const bool withText = g.tile >= TextTileSize;
    painter.setFont(TextFont(pixelSize, false));
    ForEachTile(drawing, g, s, origin, [&](const mapview::Tile& tile, const QRect& r) {
        painter.fillRect(r, ColourOf(tile.colour));
        PaintTileMarks(painter, tile, r, g.tile, cache);
        if (withText) {
            PaintOwner(painter, tile, r, pixelSize, cache);
        }
    });
    PaintGrid(painter, g, s, origin);
}

// --- The figure layer --------------------------------------------------------------------

// The troop lines below the owner's line, centred, on a backing just as large as they are.
void PaintFigures(QPainter& painter, const mapview::Drawing& drawing, const Geometry& g,
                  const QRect& area, QPoint origin, PaintCache& cache) {
    const TileSpan s = SpanOf(g, area);
    const int pixelSize = FontSize(g.tile);
    const QFont font = TextFont(pixelSize, false);
    painter.setFont(font);
    const int lineHeight = QFontMetrics(font).height();
    painter.setPen(Qt::black);
    ForEachTile(drawing, g, s, origin, [&](const mapview::Tile& tile, const QRect& r) {
        int top = TextTop(r) + lineHeight;
        for (const std::string& line : mapview::TroopLines(tile.troops)) {
            if (!line.empty() && top + lineHeight <= r.bottom() + 2) {
                const QStaticText& text = cache.Text(line, pixelSize);
                const int width = static_cast<int>(text.size().width());
                const int left = r.left() + (r.width() - width) / 2;
                painter.fillRect(QRect(left - 2, top, width + 4, lineHeight), FigureBacking);
                painter.drawStaticText(left, top, text);
            }
            top += lineHeight;
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
           a.initials == b.initials && a.troops == b.troops;
}

} // namespace

const QStaticText& PaintCache::Text(const std::string& bytes, int pixelSize, bool bold) {
    if (pixelSize != textSize_) {
        texts_.clear();
        boldTexts_.clear();
        textSize_ = pixelSize;
    }
    auto [it, added] = (bold ? boldTexts_ : texts_).try_emplace(bytes);
    if (added) {
        it->second.setText(FromText(bytes));
        it->second.setTextFormat(Qt::PlainText);
        it->second.prepare(QTransform(), TextFont(pixelSize, bold));
    }
    return it->second;
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

void PaintMap(QPainter& painter, const mapview::Drawing& drawing, const Geometry& g,
              const QRect& area, std::optional<std::size_t> selectedLine, PaintCache& cache) {
    if (g.tile <= 0) {
        painter.fillRect(area, Background);
        return;
    }
    FillOutside(painter, g, area);
    cache.StartRedraw();
    cache.DrawLayer(painter, PaintCache::Layer::Report, drawing, g, area);
    // Smooth paths cost more than the tiles on a small zoom, where they gain little.
    painter.setRenderHint(QPainter::Antialiasing, g.tile >= TextTileSize);
    PaintArrows(painter, drawing, g, area, selectedLine);
    PaintPreviewPaths(painter, drawing, g);
    PaintMarks(painter, drawing, g, area, selectedLine, cache);
    if (g.tile >= TextTileSize) {
        cache.DrawLayer(painter, PaintCache::Layer::Figures, drawing, g, area);
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    PaintPreviewNotes(painter, drawing, g, cache);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

bool SameReportLayer(const mapview::Drawing& a, const mapview::Drawing& b) {
    return a.width == b.width && a.height == b.height && a.tiles.size() == b.tiles.size() &&
           std::equal(a.tiles.begin(), a.tiles.end(), b.tiles.begin(), SameLook);
}

} // namespace orv::gui
