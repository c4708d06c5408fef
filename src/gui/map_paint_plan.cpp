#include "gui/map_paint_plan.h"

#include "gui/map_paint_move.h"
#include "gui/map_paint_parts.h"

#include <QPainter>
#include <algorithm>

namespace orv::gui {

namespace {

using namespace paint;

const QColor ReachWash(0, 160, 255, 70);
const QColor SeaReachWash(255, 255, 255, 110);
const QColor ReachEdge(0, 110, 220);
const QColor LandingWash(40, 190, 70, 110);
const QColor ThreatOwn(210, 0, 0, 230);
const QColor ThreatOther(210, 0, 0, 70);
const QColor FindingFill(210, 0, 0);

// A town's mark takes the top right corner, so the flag goes to the left, unless the home
// mark is there; then it covers a corner of the town's mark.
bool FlagOnTheLeft(const mapview::Tile& tile) {
    return tile.town && !tile.home;
}

// The reach: every reachable province washed in blue (the sea in white), the start framed, the
// coasts the ships land on washed in green; a walk that would end on entering a province (a land
// movement stepping into the sea) hatches it.
void PaintReach(QPainter& painter, const plan::Reach& reach, const mapview::Drawing& drawing,
                const Geometry& g, const TileSpan& s) {
    if (!reach.walks) {
        return;
    }
    for (int y = s.firstY; y <= s.lastY; ++y) {
        for (int x = s.firstX; x <= s.lastX; ++x) {
            const plan::ReachCell& cell = reach.At(x, y);
            if (cell.cost < 0) {
                continue;
            }
            const mapview::Tile* tile = drawing.TileAt(x, y);
            // Blue would not show on the sea.
            const QColor wash = tile != nullptr && tile->sea ? SeaReachWash : ReachWash;
            painter.fillRect(TileRect(g, x, y),
                             cell.ends ? QBrush(wash, Qt::Dense4Pattern) : QBrush(wash));
        }
    }
    for (const plan::Landing& landing : reach.landings) {
        painter.fillRect(TileRect(g, landing.at.x, landing.at.y), LandingWash);
    }
    const int w = std::max(2, g.tile / 10);
    painter.setPen(QPen(ReachEdge, w));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(TileRect(g, reach.start.x, reach.start.y).adjusted(w / 2, w / 2, -w, -w));
}

// Provinces foreign troops could strike: the user's own hatched boldly, since they may need
// defending, others faintly.
void PaintThreats(QPainter& painter, const plan::ThreatMap& threats,
                  const mapview::Drawing& drawing, const Geometry& g, const TileSpan& s) {
    for (int y = s.firstY; y <= s.lastY; ++y) {
        for (int x = s.firstX; x <= s.lastX; ++x) {
            const mapview::Tile* tile = drawing.TileAt(x, y);
            if (tile == nullptr || threats.ArmiesAt(x, y).empty()) {
                continue;
            }
            painter.fillRect(TileRect(g, x, y),
                             QBrush(tile->own ? ThreatOwn : ThreatOther, Qt::BDiagPattern));
        }
    }
}

// The move points the path costs, above its end's square.
void PaintPathCost(QPainter& painter, const mapview::Arrow& path, int points, const Geometry& g) {
    if (path.points.size() < 2) {
        return;
    }
    const check::MapPoint end = path.points.back();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QString cost = QString::number(points);
    QFont font = TextFont(FontSize(std::max(g.tile, TextTileSize)), TextStyle::Bold);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const QSizeF size(metrics.horizontalAdvance(cost) + 8, metrics.height() + 2);
    // Above the end's square, so that it covers neither the end nor its figures.
    QRectF box(QPointF(g.Left(end.x) + (g.tile - size.width()) / 2, g.Top(end.y) - size.height()),
               size);
    box.moveTop(std::max(0.0, box.top()));
    painter.setPen(QPen(PreviewColour, 2));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(box, MarkCorner, MarkCorner);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, cost);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void PaintFindings(QPainter& painter, const std::vector<FindingMark>& findings,
                   const mapview::Drawing& drawing, const Geometry& g, const QRect& area) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    check::MapPoint last{0, 0};
    for (const FindingMark& finding : findings) {
        if (finding.at.x == last.x && finding.at.y == last.y) {
            continue; // one mark for a province's findings
        }
        last = finding.at;
        const QRect box = FindingMarkRect(g, drawing, finding.at);
        if (box.isEmpty() || !box.intersects(area)) {
            continue;
        }
        // A flag in the corner: it covers less of the province than a badge would.
        const bool left = FlagOnTheLeft(*drawing.TileAt(finding.at.x, finding.at.y));
        const QPolygon flag(
            {box.topLeft(), box.topRight() + QPoint(1, 0),
             left ? box.bottomLeft() + QPoint(0, 1) : box.bottomRight() + QPoint(1, 1)});
        painter.setPen(QPen(Qt::white, 1));
        painter.setBrush(FindingFill);
        painter.drawPolygon(flag);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

} // namespace

QRect FindingMarkRect(const Geometry& g, const mapview::Drawing& drawing, check::MapPoint at) {
    const int x = at.x;
    const int y = at.y;
    const mapview::Tile* tile = drawing.TileAt(x, y);
    if (tile == nullptr || g.tile <= 0) {
        return {};
    }
    // The corner the province's texts keep clear of.
    const int side = std::max(6, TileInset(g.tile) + CornerMarkSide(g.tile));
    const int left = FlagOnTheLeft(*tile) ? g.Left(x) + 1 : g.Left(x) + g.tile - side;
    return {left, g.Top(y) + 1, side, side};
}

void PaintPlan(QPainter& painter, PlanLayer layer, const PlanPicture& plan,
               const mapview::Drawing& drawing, const Geometry& g, const QRect& area) {
    if (g.tile <= 0) {
        return;
    }
    const TileSpan s = SpanOf(g, area);
    switch (layer) {
    case PlanLayer::Shading:
        if (plan.threats && !s.Empty()) {
            PaintThreats(painter, *plan.threats, drawing, g, s);
        }
        if (plan.reach && !s.Empty()) {
            PaintReach(painter, *plan.reach, drawing, g, s);
        }
        break;
    case PlanLayer::Path:
        if (plan.path) {
            PaintPreviewArrow(painter, *plan.path, g);
        }
        break;
    case PlanLayer::Marks:
        PaintFindings(painter, plan.findings, drawing, g, area);
        if (plan.path) {
            PaintPathCost(painter, *plan.path, plan.pathCost, g);
        }
        break;
    }
}

} // namespace orv::gui
