#include "gui/map_paint_move.h"

#include "gui/map_paint_parts.h"
#include "gui/text_codec.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <cmath>
#include <vector>

namespace orv::gui::paint {

namespace {

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

} // namespace

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

namespace {

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

} // namespace

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

} // namespace orv::gui::paint
