#include "gui/map_paint.h"

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

using check::MoveKind;
using mapview::Geometry;
using mapview::MarkKind;
using mapview::PathEnd;

const QColor Background(236, 236, 230);
const QColor OwnOutline(200, 20, 30);
const QColor HomeColour(250, 200, 30);
const QColor TownColour(90, 40, 30);
const QColor GridColour(60, 60, 60, 90);
const QColor IsolatedHatch(0, 0, 0, 110);
const QColor HighlightColour(255, 230, 0, 200);
const QColor FailureColour(220, 0, 0);
// The end of a walk the check accepts though it stopped early: neutral, not an alarm.
const QColor InfoColour(30, 90, 170);
const QColor MarkBacking(255, 255, 255, 200);
const QColor LandPathColour(30, 25, 20);
const QColor SeaPathColour(255, 255, 255);
const QColor RaidPathColour(190, 0, 120);
const QColor PlacementBadge(30, 140, 60);
const QColor OrderBadge(70, 70, 90);
const QColor EspionageColour(20, 60, 150);
// Troop figures stand on a pale backing above paths and badges.
const QColor FigureBacking(255, 252, 240, 215);
// The order being written: a dashed band under its path, the points left in bubbles.
const QColor PreviewColour(255, 120, 0);

// Side of the square blocks the report and figure layers are kept in, and how many blocks
// of both layers are kept at most (about 40 MB).
constexpr int BlockSide = 256;
constexpr std::size_t MaxBlocks = 160;
constexpr int SmallestFont = 7;
// Outlines of a province are this part of its side, two pixels at least.
constexpr int OutlineDivisor = 16;
constexpr int PathWidthDivisor = 14;
constexpr int FailureWidthDivisor = 20;
constexpr double MarkCorner = 3.0;
constexpr double PreviewDash = 1.2; // in widths of the band
constexpr double PreviewGap = 0.8;

QColor ColourOf(mapview::Rgb rgb) {
    return {rgb.r, rgb.g, rgb.b};
}

QColor PathColour(MoveKind kind) {
    switch (kind) {
    case MoveKind::SeaMove:
        return SeaPathColour;
    case MoveKind::RaidMove:
        return RaidPathColour;
    case MoveKind::LandMove:
        break;
    }
    return LandPathColour;
}

// Paths of different kinds through the same provinces run side by side.
int PathOffset(MoveKind kind, int tile) {
    switch (kind) {
    case MoveKind::SeaMove:
        return tile / 8;
    case MoveKind::RaidMove:
        return -tile / 8;
    case MoveKind::LandMove:
        break;
    }
    return 0;
}

int FontSize(int tile) {
    return std::max(SmallestFont, tile / 6);
}

QFont TextFont(int pixelSize, bool bold) {
    QFont font;
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QRect TileRect(const Geometry& g, int x, int y) {
    return {g.Left(x), g.Top(y), g.tile, g.tile};
}

// The provinces whose squares reach into area, as first and last column and row.
struct TileSpan {
    int firstX, lastX, firstY, lastY;
    bool Empty() const { return firstX > lastX || firstY > lastY; }
};

TileSpan SpanOf(const Geometry& g, const QRect& area) {
    const int t = g.tile;
    return {std::max(1, (area.left() - g.margin) / t + 1),
            std::min(g.width, (area.right() - g.margin) / t + 1),
            std::max(1, (area.top() - g.margin) / t + 1),
            std::min(g.height, (area.bottom() - g.margin) / t + 1)};
}

// --- The report layer --------------------------------------------------------------------

void PaintTileMarks(QPainter& painter, const mapview::Tile& tile, const QRect& r, int t,
                    PaintCache& cache) {
    if (tile.isolated) {
        painter.fillRect(r, QBrush(IsolatedHatch, Qt::BDiagPattern));
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
    // The grid as whole lines rather than an outline per tile.
    painter.setPen(GridColour);
    const int top = g.Top(s.firstY) - origin.y();
    const int bottom = g.Top(s.lastY + 1) - origin.y();
    const int left = g.Left(s.firstX) - origin.x();
    const int right = g.Left(s.lastX + 1) - origin.x();
    for (int x = s.firstX; x <= s.lastX + 1; ++x) {
        painter.drawLine(g.Left(x) - origin.x(), top, g.Left(x) - origin.x(), bottom);
    }
    for (int y = s.firstY; y <= s.lastY + 1; ++y) {
        painter.drawLine(left, g.Top(y) - origin.y(), right, g.Top(y) - origin.y());
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

// --- The move layer ----------------------------------------------------------------------

void PaintArrowHead(QPainter& painter, QPointF from, QPointF to, double size) {
    const double dx = to.x() - from.x();
    const double dy = to.y() - from.y();
    const double length = std::hypot(dx, dy);
    if (length < 1) {
        painter.drawEllipse(to, size / 2, size / 2);
        return;
    }
    const double ux = dx / length;
    const double uy = dy / length;
    const QPointF back(to.x() - ux * size, to.y() - uy * size);
    const QPolygonF head({to, QPointF(back.x() - uy * size / 2, back.y() + ux * size / 2),
                          QPointF(back.x() + uy * size / 2, back.y() - ux * size / 2)});
    painter.drawPolygon(head);
}

double EndMarkRadius(int tile) {
    return std::max(4, tile / 6);
}

// A red circle crossed out: the check refuses the path here.
void PaintFailure(QPainter& painter, QPointF at, int tile) {
    const double r = EndMarkRadius(tile);
    painter.setPen(QPen(FailureColour, std::max(2, tile / FailureWidthDivisor)));
    painter.setBrush(MarkBacking);
    painter.drawEllipse(at, r, r);
    painter.drawLine(QPointF(at.x() - r * 0.6, at.y() - r * 0.6),
                     QPointF(at.x() + r * 0.6, at.y() + r * 0.6));
    painter.drawLine(QPointF(at.x() - r * 0.6, at.y() + r * 0.6),
                     QPointF(at.x() + r * 0.6, at.y() - r * 0.6));
}

// A blue circle with an "i": the walk ended early, and the troops stay here.
void PaintStop(QPainter& painter, QPointF at, int tile) {
    const double r = EndMarkRadius(tile);
    painter.setPen(QPen(InfoColour, std::max(2, tile / FailureWidthDivisor)));
    painter.setBrush(MarkBacking);
    painter.drawEllipse(at, r, r);
    painter.drawLine(QPointF(at.x(), at.y() - r * 0.1), QPointF(at.x(), at.y() + r * 0.55));
    painter.setBrush(InfoColour);
    painter.drawEllipse(QPointF(at.x(), at.y() - r * 0.45), r * 0.1, r * 0.1);
}

// The path's points in canvas pixels; a step beyond the map ends in the margin, where the
// end mark stays in sight.
QPolygonF PathLine(const mapview::Arrow& arrow, const Geometry& g) {
    const int t = g.tile;
    const int offset = PathOffset(arrow.kind, t);
    const double left = g.margin / 2.0;
    const double top = g.margin / 2.0;
    const double right = g.PixelWidth() - g.margin / 2.0;
    const double bottom = g.PixelHeight() - g.margin / 2.0;
    QPolygonF line;
    line.reserve(static_cast<qsizetype>(arrow.points.size()));
    for (const check::MapPoint& p : arrow.points) {
        line.append(QPointF(std::clamp(g.Left(p.x) + t / 2.0 + offset, left, right),
                            std::clamp(g.Top(p.y) + t / 2.0 + offset, top, bottom)));
    }
    return line;
}

int PathWidth(int tile) {
    return std::max(2, tile / PathWidthDivisor);
}

enum class Emphasis : std::uint8_t { None, Selected, Preview };

void PaintArrow(QPainter& painter, const mapview::Arrow& arrow, const QPolygonF& line,
                const Geometry& g, Emphasis emphasis) {
    const int t = g.tile;
    const int width = PathWidth(t);
    if (emphasis == Emphasis::Selected) {
        painter.setPen(
            QPen(HighlightColour, width * 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(line);
    } else if (emphasis == Emphasis::Preview) {
        // Dashes a little longer than the band is wide, whatever the zoom.
        QPen band(PreviewColour, width * 3, Qt::CustomDashLine, Qt::FlatCap, Qt::RoundJoin);
        band.setDashPattern({PreviewDash, PreviewGap});
        painter.setPen(band);
        painter.drawPolyline(line);
    }
    const QColor colour = PathColour(arrow.kind);
    const Qt::PenStyle style = arrow.kind == MoveKind::RaidMove ? Qt::DashLine : Qt::SolidLine;
    painter.setPen(QPen(colour, width, style, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(line);
    painter.setPen(QPen(colour, 1));
    painter.setBrush(colour);
    painter.drawEllipse(line.first(), width * 1.5, width * 1.5);
    const QPointF from = line.size() > 1 ? line[line.size() - 2] : line.last();
    switch (arrow.end) {
    case PathEnd::Failed:
        PaintFailure(painter, line.last(), t);
        break;
    case PathEnd::Stopped:
        PaintArrowHead(painter, from, line.last(), std::max(6.0, t / 4.0));
        PaintStop(painter, line.last(), t);
        break;
    case PathEnd::Arrived:
        PaintArrowHead(painter, from, line.last(), std::max(6.0, t / 4.0));
        break;
    }
}

void PaintArrows(QPainter& painter, const mapview::Drawing& drawing, const Geometry& g,
                 const QRect& area, std::optional<std::size_t> selectedLine) {
    // Room around a path for its width, its head and its end mark.
    const int reach = g.tile / 2 + PathWidth(g.tile) * 2;
    const QRectF view(area);
    // The selected line's paths last, above the others.
    for (const bool selected : {false, true}) {
        for (const mapview::Arrow& arrow : drawing.arrows) {
            if ((selectedLine == arrow.line) != selected || arrow.points.empty()) {
                continue;
            }
            const QPolygonF line = PathLine(arrow, g);
            // Widened first: a straight path's bounds have no height or no width.
            if (line.boundingRect().adjusted(-reach, -reach, reach, reach).intersects(view)) {
                PaintArrow(painter, arrow, line, g, selected ? Emphasis::Selected : Emphasis::None);
            }
        }
    }
}

QColor BadgeColour(MarkKind kind) {
    return kind == MarkKind::Placement ? PlacementBadge : OrderBadge;
}

// An eye: the province is spied on.
void PaintEye(QPainter& painter, const QRect& box, bool selected) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(selected ? HighlightColour : Qt::white);
    painter.drawEllipse(box);
    const double iris = box.height() / 3.0;
    painter.setBrush(EspionageColour);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRectF(box).center(), iris, iris);
}

// Where the badges of one province go: along its bottom edge from the left, a row higher
// when one is full; the espionage eye in the bottom right corner, its own place.
struct BadgeRow {
    int next = 0;       // left edge of the next badge, from the tile's left
    int row = 0;        // rows filled below it
    bool spied = false; // an espionage order names the province: room for the eye
    bool eye = false;   // the eye is drawn
};

void PaintBadge(QPainter& painter, const mapview::Mark& mark, const QRect& tile, int height,
                BadgeRow& place, bool selected, PaintCache& cache) {
    const int gap = 2;
    if (mark.kind == MarkKind::Espionage) {
        const int width = height * 3 / 2;
        if (!place.eye || selected) {
            PaintEye(painter,
                     QRect(tile.right() - width - gap, tile.bottom() - height - gap, width, height),
                     selected);
        }
        place.eye = true;
        return;
    }
    const bool labelled = tile.width() >= TextTileSize;
    const QStaticText* label =
        labelled ? &cache.Text(mark.label, FontSize(tile.width()), true) : nullptr;
    const int width = labelled ? static_cast<int>(label->size().width()) + 6 : height;
    const int eyeRoom = place.spied ? height * 2 : 0;
    if (place.next > 0 && place.next + width > tile.width() - eyeRoom) {
        place.next = 0;
        ++place.row;
    }
    const QRect box(tile.left() + gap + place.next,
                    tile.bottom() - (place.row + 1) * (height + 1) - gap + 1, width, height);
    place.next += width + 1;
    const QColor fill = selected ? HighlightColour : BadgeColour(mark.kind);
    if (!labelled) {
        painter.fillRect(box, fill);
        return;
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(box, MarkCorner, MarkCorner);
    painter.setPen(selected ? Qt::black : Qt::white);
    painter.drawStaticText(box.left() + 3,
                           box.top() + (height - static_cast<int>(label->size().height())) / 2,
                           *label);
}

void PaintMarks(QPainter& painter, const mapview::Drawing& drawing, const Geometry& g,
                const QRect& area, std::optional<std::size_t> selectedLine, PaintCache& cache) {
    if (drawing.marks.empty()) {
        return;
    }
    const bool labelled = g.tile >= TextTileSize;
    const QFont font = TextFont(FontSize(g.tile), true);
    painter.setFont(font);
    const int height = labelled ? QFontMetrics(font).height() + 2 : std::max(3, g.tile / 4);
    std::vector<BadgeRow> places(static_cast<std::size_t>(g.width) *
                                 static_cast<std::size_t>(g.height));
    const auto placeOf = [&places, &g](const mapview::Mark& mark) -> BadgeRow* {
        if (mark.at.x < 1 || mark.at.y < 1 || mark.at.x > g.width || mark.at.y > g.height) {
            return nullptr;
        }
        return &places[static_cast<std::size_t>(mark.at.y - 1) * static_cast<std::size_t>(g.width) +
                       static_cast<std::size_t>(mark.at.x - 1)];
    };
    for (const mapview::Mark& mark : drawing.marks) {
        if (BadgeRow* place = placeOf(mark); place != nullptr) {
            place->spied = place->spied || mark.kind == MarkKind::Espionage;
        }
    }
    for (const mapview::Mark& mark : drawing.marks) {
        BadgeRow* place = placeOf(mark);
        const QRect tile = TileRect(g, mark.at.x, mark.at.y);
        if (place != nullptr && tile.intersects(area)) {
            PaintBadge(painter, mark, tile, height, *place, selectedLine == mark.line, cache);
        }
    }
}

// The order being written: its path over a dashed band, below the troop figures like every
// path.
void PaintPreviewPaths(QPainter& painter, const mapview::Drawing& drawing, const Geometry& g) {
    for (const mapview::Arrow& arrow : drawing.preview) {
        if (!arrow.points.empty()) {
            PaintArrow(painter, arrow, PathLine(arrow, g), g, Emphasis::Preview);
        }
    }
}

// Above everything, while the order is being written: the move points left in a bubble at
// every province of its path and why it would stop beside its end.
void PaintPreviewNotes(QPainter& painter, const mapview::Drawing& drawing, const Geometry& g,
                       PaintCache& cache) {
    const int pixelSize = FontSize(g.tile);
    const QFont font = TextFont(pixelSize, true);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    for (const mapview::Arrow& arrow : drawing.preview) {
        if (arrow.points.empty()) {
            continue;
        }
        const QPolygonF line = PathLine(arrow, g);
        const double radius = std::max(6, metrics.height() * 2 / 3);
        for (std::size_t i = 0; i < arrow.pointsLeft.size() && i < arrow.points.size(); ++i) {
            const QPointF at = line[static_cast<qsizetype>(i)] + QPointF(radius, -radius);
            painter.setPen(QPen(PreviewColour, 2));
            painter.setBrush(Qt::white);
            painter.drawEllipse(at, radius, radius);
            painter.setPen(Qt::black);
            const QStaticText& number =
                cache.Text(std::to_string(arrow.pointsLeft[i]), pixelSize, true);
            painter.drawStaticText(at - QPointF(number.size().width(), number.size().height()) / 2,
                                   number);
        }
        if (arrow.stop.empty()) {
            continue;
        }
        const QString why = FromText(arrow.stop);
        const QPointF end = line.last();
        QRectF box(end.x() + radius * 2, end.y() + radius, metrics.horizontalAdvance(why) + 8,
                   metrics.height() + 4);
        // Kept inside the map's picture when the end lies near its right edge.
        box.moveRight(std::min(box.right(), static_cast<double>(g.PixelWidth() - 2)));
        painter.setPen(QPen(arrow.Failed() ? FailureColour : InfoColour, 1));
        painter.setBrush(Qt::white);
        painter.drawRect(box);
        painter.drawText(box, Qt::AlignCenter, why);
    }
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
