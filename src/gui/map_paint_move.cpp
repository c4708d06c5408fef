#include "gui/map_paint_move.h"

#include "gui/map_paint.h"
#include "gui/map_paint_parts.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
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
    switch (kind) {
    case MarkKind::Placement:
        return PlacementBadge;
    case MarkKind::Espionage:
        return EspionageColour;
    default:
        return OrderBadge;
    }
}

// An eye: the province is spied on.
void PaintEye(QPainter& painter, const QRect& box, bool selected) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(selected ? HighlightColour : Qt::white);
    painter.drawEllipse(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
    const double iris = box.height() / 3.0;
    painter.setBrush(EspionageColour);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRectF(box).center(), iris, iris);
}

int EyeWidth(int height) {
    return height * 3 / 2;
}

std::string CountText(std::size_t counted) {
    std::string text(1, '+');
    text += std::to_string(counted);
    return text;
}

// The badges' and the note's sizes, in the small bold font from TextTileSize, as small
// squares below it.
void MeasureMoveLabel(const mapview::Drawing& drawing, const TileFonts& fonts, MoveLabel& label,
                      PaintCache& cache) {
    mapview::TileContent& c = label.content;
    const bool labelled = fonts.tile >= TextTileSize;
    const int h = labelled ? fonts.badgeHeight : std::max(3, fonts.tile / 4);
    const auto width = [&](const std::string& text) {
        return static_cast<int>(
                   std::ceil(cache.Text(text, fonts.smallSize, TextStyle::Bold).size().width())) +
               2 * BadgePadding;
    };
    c.badgeHeight = h;
    c.badgeWidths.reserve(label.badges.size());
    for (const Badge& badge : label.badges) {
        const mapview::Mark& mark = drawing.marks[badge.mark];
        c.badgeWidths.push_back(!labelled                          ? h
                                : mark.kind == MarkKind::Espionage ? EyeWidth(h)
                                                                   : width(mark.label));
    }
    c.countWidth = labelled ? width(CountText(label.badges.size())) : h;
    if (label.pointsLeft) {
        c.noteHeight = fonts.badgeHeight;
        c.noteWidth = width(std::to_string(*label.pointsLeft));
    }
}

} // namespace

MoveLabels LayOutMoveLabels(const mapview::Drawing& drawing, const Geometry& g, const QRect& area,
                            std::optional<std::size_t> selectedLine, PaintCache& cache) {
    MoveLabels labels;
    if (drawing.marks.empty() && drawing.preview.empty()) {
        return labels;
    }
    // Each province's place in labels, once it has one.
    std::vector<std::size_t> at(drawing.tiles.size(), SIZE_MAX);
    const auto labelAt = [&](check::MapPoint p) -> MoveLabel* {
        const mapview::Tile* tile = drawing.TileAt(p.x, p.y);
        const QRect rect = TileRect(g, p.x, p.y);
        if (tile == nullptr || !rect.intersects(area)) {
            return nullptr;
        }
        std::size_t& index = at[static_cast<std::size_t>(tile - drawing.tiles.data())];
        if (index == SIZE_MAX) {
            index = labels.size();
            labels.emplace_back();
            labels.back().tile = tile;
            labels.back().rect = rect;
        }
        return &labels[index];
    };
    for (std::size_t i = 0; i < drawing.marks.size(); ++i) {
        const mapview::Mark& mark = drawing.marks[i];
        MoveLabel* label = labelAt(mark.at);
        if (label == nullptr) {
            continue;
        }
        const bool selected = selectedLine == mark.line;
        if (mark.kind != MarkKind::Espionage || !label->eye) {
            if (mark.kind == MarkKind::Espionage) {
                label->eye = label->badges.size();
            }
            label->badges.push_back(Badge{i, selected});
        } else {
            label->badges[*label->eye].selected = label->badges[*label->eye].selected || selected;
        }
    }
    // The points left when the order leaves a province, the last time it passes.
    for (const mapview::Arrow& arrow : drawing.preview) {
        for (std::size_t i = 0; i < arrow.pointsLeft.size() && i < arrow.points.size(); ++i) {
            if (MoveLabel* label = labelAt(arrow.points[i])) {
                label->pointsLeft = arrow.pointsLeft[i];
            }
        }
    }
    const TileFonts& fonts = cache.Fonts(g.tile);
    for (MoveLabel& label : labels) {
        label.content =
            TextContent(*label.tile, mapview::TroopLines(label.tile->troops), fonts, cache);
        MeasureMoveLabel(drawing, fonts, label, cache);
        label.layout = mapview::LayOutTile(label.content);
        // Where the texts leave no row for a labelled badge, small squares still show that
        // orders name the province.
        if (!label.badges.empty() && label.layout.badges.empty() && label.layout.count.Empty() &&
            fonts.tile >= TextTileSize) {
            const int side = std::max(3, fonts.tile / 12);
            label.content.badgeHeight = side;
            std::fill(label.content.badgeWidths.begin(), label.content.badgeWidths.end(), side);
            label.content.countWidth = side;
            label.compact = true;
            label.layout = mapview::LayOutTile(label.content);
        }
        for (std::size_t i = label.layout.badges.size(); i < label.badges.size(); ++i) {
            label.countSelected = label.countSelected || label.badges[i].selected;
        }
    }
    return labels;
}

namespace {

// A rounded badge with its text in white, black when it stands out.
void PaintLabelledBadge(QPainter& painter, const QRect& box, const std::string& text,
                        const QColor& fill, const QColor& pen, const TileFonts& fonts,
                        PaintCache& cache) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), MarkCorner, MarkCorner);
    painter.setPen(pen);
    DrawFitted(painter, text, box.adjusted(BadgePadding, 0, -BadgePadding, 0), fonts.smallSize,
               TextStyle::Bold, fonts.badgeTextTop, cache);
}

// The count of the badges left out as a small square with a plus where there is no text.
void PaintCount(QPainter& painter, const MoveLabel& label, bool labelled, const TileFonts& fonts,
                PaintCache& cache) {
    const QRect box = ToRect(label.layout.count, label.rect.topLeft());
    const QColor fill = label.countSelected ? HighlightColour : QColor(Qt::white);
    if (labelled) {
        PaintLabelledBadge(painter, box, CountText(label.layout.Counted(label.content)), fill,
                           Qt::black, fonts, cache);
        return;
    }
    painter.fillRect(box, OrderBadge);
    const QPoint c = box.center();
    painter.setPen(fill);
    painter.drawLine(box.left() + 1, c.y(), box.right() - 1, c.y());
    painter.drawLine(c.x(), box.top() + 1, c.x(), box.bottom() - 1);
}

} // namespace

void PaintBadges(QPainter& painter, const mapview::Drawing& drawing, const MoveLabels& labels,
                 PaintCache& cache) {
    if (labels.empty()) {
        return;
    }
    const TileFonts& fonts = cache.Fonts(labels.front().content.side);
    for (const MoveLabel& label : labels) {
        const bool labelled = fonts.tile >= TextTileSize && !label.compact;
        for (std::size_t i = 0; i < label.layout.badges.size(); ++i) {
            const Badge& badge = label.badges[i];
            const mapview::Mark& mark = drawing.marks[badge.mark];
            const QRect box = ToRect(label.layout.badges[i], label.rect.topLeft());
            const QColor fill = badge.selected ? HighlightColour : BadgeColour(mark.kind);
            if (mark.kind == MarkKind::Espionage && labelled) {
                PaintEye(painter, box, badge.selected);
            } else if (!labelled) {
                painter.fillRect(box, fill);
            } else {
                PaintLabelledBadge(painter, box, mark.label, fill,
                                   badge.selected ? Qt::black : Qt::white, fonts, cache);
            }
        }
        if (!label.layout.count.Empty()) {
            PaintCount(painter, label, labelled, fonts, cache);
        }
    }
}

// The order being written: its path over a dashed band, below the troop figures like every
// path.
void PaintPreviewPaths(QPainter& painter, const mapview::Drawing& drawing, const Geometry& g) {
    for (const mapview::Arrow& arrow : drawing.preview) {
        PaintPreviewArrow(painter, arrow, g);
    }
}

void PaintPreviewArrow(QPainter& painter, const mapview::Arrow& arrow, const Geometry& g) {
    if (!arrow.points.empty()) {
        PaintArrow(painter, arrow, PathLine(arrow, g), g, Emphasis::Preview);
    }
}

// Above everything, while the order is being written: the move points left in a bubble at
// every province of its path, where the province's layout leaves room. Where the bubble
// takes the place of the owner's or the province's name, that text yields to it. Why the
// order would stop is told below the map.
void PaintPreviewNotes(QPainter& painter, const MoveLabels& labels, PaintCache& cache) {
    for (const MoveLabel& label : labels) {
        if (!label.pointsLeft || label.layout.note.Empty()) {
            continue;
        }
        const TileFonts& fonts = cache.Fonts(label.content.side);
        const QPoint origin = label.rect.topLeft();
        if (!label.layout.noteReplaces.Empty()) {
            const QRect covered = ToRect(label.layout.noteReplaces, origin);
            painter.fillRect(covered, ColourOf(label.tile->colour));
            if (label.tile->isolated) {
                painter.fillRect(covered, QBrush(IsolatedHatch, Qt::BDiagPattern));
            }
        }
        const QRect box = ToRect(label.layout.note, origin);
        const double radius = box.height() / 2.0;
        painter.setPen(QPen(PreviewColour, 1.5));
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(QRectF(box).adjusted(0.75, 0.75, -0.75, -0.75), radius, radius);
        // Too small for the figure at the smallest zooms: the bubble alone marks the path.
        if (box.height() >= fonts.badgeHeight) {
            painter.setPen(Qt::black);
            DrawFitted(painter, std::to_string(*label.pointsLeft),
                       box.adjusted(BadgePadding, 0, -BadgePadding, 0), fonts.smallSize,
                       TextStyle::Bold, fonts.badgeTextTop, cache);
        }
    }
}

} // namespace orv::gui::paint
