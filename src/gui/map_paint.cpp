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

const QColor OwnOutline(200, 20, 30);
const QColor HomeColour(250, 200, 30);
const QColor TownColour(90, 40, 30);
const QColor GridColour(60, 60, 60, 90);
const QColor HighlightColour(255, 230, 0, 200);
const QColor FailureColour(220, 0, 0);

QColor ColourOf(mapview::Rgb rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

QColor PathColour(MoveKind kind) {
    switch (kind) {
    case MoveKind::SeaMove:
        return QColor(255, 255, 255);
    case MoveKind::RaidMove:
        return QColor(190, 0, 120);
    case MoveKind::LandMove:
        break;
    }
    return QColor(30, 25, 20);
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

QRect TileRect(const Geometry& g, int x, int y) {
    return QRect(g.Left(x), g.Top(y), g.tile, g.tile);
}

void PaintEdgeNumbers(QPainter& painter, const Geometry& g, const QRect& area) {
    QFont font = painter.font();
    font.setPixelSize(std::clamp(g.margin / 2, 8, 12));
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (int x = 1; x <= g.width; ++x) {
        const QRect column(g.Left(x), 0, g.tile, g.margin);
        if (column.right() < area.left() || column.left() > area.right()) {
            continue;
        }
        const QString number = QString::number(x);
        painter.drawText(column, Qt::AlignCenter, number);
        painter.drawText(column.translated(0, g.PixelHeight() - g.margin), Qt::AlignCenter, number);
    }
    for (int y = 1; y <= g.height; ++y) {
        const QRect row(0, g.Top(y), g.margin, g.tile);
        if (row.bottom() < area.top() || row.top() > area.bottom()) {
            continue;
        }
        const QString number = QString::number(y);
        painter.drawText(row, Qt::AlignCenter, number);
        painter.drawText(row.translated(g.PixelWidth() - g.margin, 0), Qt::AlignCenter, number);
    }
}

void PaintTileMarks(QPainter& painter, const mapview::Tile& tile, const QRect& r, int t,
                    PaintCache& cache) {
    if (tile.isolated) {
        painter.fillRect(r, QBrush(QColor(0, 0, 0, 110), Qt::BDiagPattern));
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
        const int w = std::max(2, t / 16);
        const QRect in = r.adjusted(1, 1, 0, 0);
        painter.fillRect(in.left(), in.top(), in.width(), w, OwnOutline);
        painter.fillRect(in.left(), in.bottom() - w + 1, in.width(), w, OwnOutline);
        painter.fillRect(in.left(), in.top(), w, in.height(), OwnOutline);
        painter.fillRect(in.right() - w + 1, in.top(), w, in.height(), OwnOutline);
    }
}

void PaintTileText(QPainter& painter, const mapview::Tile& tile, const QRect& r, int pixelSize,
                   int lineHeight, PaintCache& cache) {
    painter.setPen(tile.sea ? Qt::white : Qt::black);
    const QRect inner = r.adjusted(2, r.height() / 8, -2, -1);
    const auto centred = [&](const QStaticText& text, int top) {
        const int left = inner.left() + (inner.width() - static_cast<int>(text.size().width())) / 2;
        painter.drawStaticText(left, top, text);
    };
    int top = inner.top();
    if (!tile.owner.empty()) {
        const QStaticText& owner = cache.Text(tile.owner, pixelSize);
        centred(owner.size().width() > inner.width() ? cache.Text(tile.initials, pixelSize) : owner,
                top);
    }
    top += lineHeight;
    for (const std::string& troops : mapview::TroopLines(tile.troops)) {
        if (!troops.empty() && top + lineHeight <= r.bottom() + 2) {
            centred(cache.Text(troops, pixelSize), top);
        }
        top += lineHeight;
    }
}

void PaintTiles(QPainter& painter, const mapview::Drawing& drawing, const Geometry& g,
                const QRect& area, PaintCache& cache) {
    const int t = g.tile;
    const int firstX = std::max(1, (area.left() - g.margin) / t + 1);
    const int lastX = std::min(g.width, (area.right() - g.margin) / t + 1);
    const int firstY = std::max(1, (area.top() - g.margin) / t + 1);
    const int lastY = std::min(g.height, (area.bottom() - g.margin) / t + 1);
    const int pixelSize = std::max(7, t / 6);
    QFont font = painter.font();
    font.setPixelSize(pixelSize);
    painter.setFont(font);
    const int lineHeight = QFontMetrics(font).height();
    const bool withText = t >= 28;
    for (int y = firstY; y <= lastY; ++y) {
        for (int x = firstX; x <= lastX; ++x) {
            const mapview::Tile* tile = drawing.TileAt(x, y);
            if (tile == nullptr) {
                continue;
            }
            const QRect r = TileRect(g, x, y);
            painter.fillRect(r, ColourOf(tile->colour));
            PaintTileMarks(painter, *tile, r, t, cache);
            if (withText) {
                PaintTileText(painter, *tile, r, pixelSize, lineHeight, cache);
            }
        }
    }
    if (firstX > lastX || firstY > lastY) {
        return;
    }
    // The grid as whole lines rather than an outline per tile.
    painter.setPen(GridColour);
    const int top = g.Top(firstY);
    const int bottom = g.Top(lastY + 1);
    const int left = g.Left(firstX);
    const int right = g.Left(lastX + 1);
    for (int x = firstX; x <= lastX + 1; ++x) {
        painter.drawLine(g.Left(x), top, g.Left(x), bottom);
    }
    for (int y = firstY; y <= lastY + 1; ++y) {
        painter.drawLine(left, g.Top(y), right, g.Top(y));
    }
}

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

void PaintFailure(QPainter& painter, QPointF at, int tile) {
    const double r = std::max(4, tile / 6);
    painter.setPen(QPen(FailureColour, std::max(2, tile / 20)));
    painter.setBrush(QColor(255, 255, 255, 200));
    painter.drawEllipse(at, r, r);
    painter.drawLine(QPointF(at.x() - r * 0.6, at.y() - r * 0.6),
                     QPointF(at.x() + r * 0.6, at.y() + r * 0.6));
    painter.drawLine(QPointF(at.x() - r * 0.6, at.y() + r * 0.6),
                     QPointF(at.x() + r * 0.6, at.y() - r * 0.6));
}

void PaintArrow(QPainter& painter, const mapview::Arrow& arrow, const Geometry& g,
                bool highlighted) {
    const int t = g.tile;
    const int offset = PathOffset(arrow.kind, t);
    QPolygonF line;
    line.reserve(static_cast<qsizetype>(arrow.points.size()));
    // A step beyond the map ends in the margin, where the failure mark stays in sight.
    const double left = g.margin / 2.0;
    const double top = g.margin / 2.0;
    const double right = g.PixelWidth() - g.margin / 2.0;
    const double bottom = g.PixelHeight() - g.margin / 2.0;
    for (const check::MapPoint& p : arrow.points) {
        line.append(QPointF(std::clamp(g.Left(p.x) + t / 2.0 + offset, left, right),
                            std::clamp(g.Top(p.y) + t / 2.0 + offset, top, bottom)));
    }
    if (line.isEmpty()) {
        return;
    }
    const int width = std::max(2, t / 14);
    if (highlighted) {
        painter.setPen(
            QPen(HighlightColour, width * 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
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
    if (arrow.Failed()) {
        PaintFailure(painter, line.last(), t);
    } else {
        PaintArrowHead(painter, from, line.last(), std::max(6.0, t / 4.0));
    }
}

void PaintMarks(QPainter& painter, const mapview::Drawing& drawing, const Geometry& g,
                std::optional<std::size_t> selectedLine) {
    if (drawing.marks.empty()) {
        return;
    }
    QFont font = painter.font();
    font.setPixelSize(std::max(7, g.tile / 6));
    font.setBold(true);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    // Several marks on one province stand one above the other.
    std::vector<int> stacked(static_cast<std::size_t>(g.width) *
                             static_cast<std::size_t>(g.height));
    for (const mapview::Mark& mark : drawing.marks) {
        if (mark.at.x < 1 || mark.at.y < 1 || mark.at.x > g.width || mark.at.y > g.height) {
            continue;
        }
        int& level =
            stacked[static_cast<std::size_t>(mark.at.y - 1) * static_cast<std::size_t>(g.width) +
                    static_cast<std::size_t>(mark.at.x - 1)];
        const QString label = FromText(mark.label);
        const int h = metrics.height() + 2;
        const QRect box(g.Left(mark.at.x) + 2, g.Top(mark.at.y) + g.tile - (level + 1) * h - 2,
                        metrics.horizontalAdvance(label) + 6, h);
        ++level;
        const bool selected = selectedLine == mark.line;
        const QColor fill = selected                                    ? HighlightColour
                            : mark.kind == mapview::MarkKind::Placement ? QColor(30, 140, 60)
                                                                        : QColor(70, 70, 90);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(fill);
        painter.drawRoundedRect(box, 3, 3);
        painter.setPen(selected ? Qt::black : Qt::white);
        painter.drawText(box, Qt::AlignCenter, label);
    }
}

} // namespace

const QStaticText& PaintCache::Text(const std::string& bytes, int pixelSize) {
    if (pixelSize != textSize_) {
        texts_.clear();
        textSize_ = pixelSize;
    }
    auto [it, added] = texts_.try_emplace(bytes);
    if (added) {
        QFont font;
        font.setPixelSize(pixelSize);
        it->second.setText(FromText(bytes));
        it->second.setTextFormat(Qt::PlainText);
        it->second.prepare(QTransform(), font);
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

void PaintMap(QPainter& painter, const mapview::Drawing& drawing, const Geometry& g,
              const QRect& area, std::optional<std::size_t> selectedLine, PaintCache& cache) {
    const QColor background(236, 236, 230);
    if (g.tile <= 0) {
        painter.fillRect(area, background);
        return;
    }
    // Only the parts the tiles leave: one large fill costs as much as all tiles together.
    const QRect map(g.Left(1), g.Top(1), g.tile * g.width, g.tile * g.height);
    const QRect inner = area.intersected(map);
    if (inner.isEmpty()) {
        painter.fillRect(area, background);
    } else {
        painter.fillRect(QRect(area.left(), area.top(), area.width(), inner.top() - area.top()),
                         background);
        painter.fillRect(
            QRect(area.left(), inner.bottom() + 1, area.width(), area.bottom() - inner.bottom()),
            background);
        painter.fillRect(
            QRect(area.left(), inner.top(), inner.left() - area.left(), inner.height()),
            background);
        painter.fillRect(
            QRect(inner.right() + 1, inner.top(), area.right() - inner.right(), inner.height()),
            background);
    }
    PaintEdgeNumbers(painter, g, area);
    PaintTiles(painter, drawing, g, area, cache);
    // Smooth paths cost more than the tiles on a small zoom, where they gain little.
    painter.setRenderHint(QPainter::Antialiasing, g.tile >= 28);
    for (const mapview::Arrow& arrow : drawing.arrows) {
        if (selectedLine != arrow.line) {
            PaintArrow(painter, arrow, g, false);
        }
    }
    // The selected line's paths last, above the others.
    for (const mapview::Arrow& arrow : drawing.arrows) {
        if (selectedLine == arrow.line) {
            PaintArrow(painter, arrow, g, true);
        }
    }
    PaintMarks(painter, drawing, g, selectedLine);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

} // namespace orv::gui
