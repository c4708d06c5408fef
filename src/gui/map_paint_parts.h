#pragma once
// What the layers of the map's picture share: their colours, sizes and the tiles an area
// covers. For the painting files only.

#include "core/mapview/map_drawing.h"
#include "core/mapview/map_geometry.h"
#include "core/mapview/tile_layout.h"
#include "gui/map_paint.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRect>
#include <algorithm>
#include <array>
#include <cstddef>
#include <string>

namespace orv::gui::paint {

using check::MoveKind;
using mapview::Geometry;
using mapview::MarkKind;
using mapview::PathEnd;

inline const QColor Background(236, 236, 230);
inline const QColor OwnOutline(200, 20, 30);
inline const QColor HomeColour(250, 200, 30);
inline const QColor TownColour(90, 40, 30);
inline const QColor GridColour(60, 60, 60, 90);
inline const QColor IsolatedHatch(0, 0, 0, 110);
inline const QColor HighlightColour(255, 230, 0, 200);
inline const QColor FailureColour(220, 0, 0);
// The end of a walk the check accepts though it stopped early: neutral, not an alarm.
inline const QColor InfoColour(30, 90, 170);
inline const QColor MarkBacking(255, 255, 255, 200);
inline const QColor LandPathColour(30, 25, 20);
inline const QColor SeaPathColour(255, 255, 255);
inline const QColor RaidPathColour(190, 0, 120);
inline const QColor PlacementBadge(30, 140, 60);
inline const QColor OrderBadge(70, 70, 90);
inline const QColor EspionageColour(20, 60, 150);
// Troop figures stand on a pale backing above paths and badges.
inline const QColor FigureBacking(255, 252, 240, 215);
// The order being written: a dashed band under its path, the points left in bubbles.
inline const QColor PreviewColour(255, 120, 0);
inline const QColor NameColour(50, 40, 30);

// Side of the square blocks the report and figure layers are kept in, and how many blocks
// of both layers are kept at most (about 40 MB).
inline constexpr int BlockSide = 256;
inline constexpr std::size_t MaxBlocks = 160;
inline constexpr int SmallestFont = 7;
// Beside the troop lines on their backing.
inline constexpr int TroopPadding = 2;
// Beside the text of a badge or a note.
inline constexpr int BadgePadding = 3;
// Outlines of a province are this part of its side, two pixels at least.
inline constexpr int OutlineDivisor = 16;
inline constexpr int PathWidthDivisor = 14;
inline constexpr int FailureWidthDivisor = 20;
inline constexpr double MarkCorner = 3.0;
inline constexpr double PreviewDash = 1.2; // in widths of the band
inline constexpr double PreviewGap = 0.8;

inline QColor ColourOf(mapview::Rgb rgb) {
    return {rgb.r, rgb.g, rgb.b};
}

inline QColor PathColour(MoveKind kind) {
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
inline int PathOffset(MoveKind kind, int tile) {
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

inline int FontSize(int tile) {
    return std::max(SmallestFont, tile / 6);
}

// The names of provinces, the badges and the move points are a size smaller than the owner
// and the troops.
inline int SmallFontSize(int tile) {
    return std::max(SmallestFont, FontSize(tile) * 5 / 6);
}

inline QFont TextFont(int pixelSize, TextStyle style) {
    QFont font;
    font.setPixelSize(pixelSize);
    font.setBold(style == TextStyle::Bold);
    font.setItalic(style == TextStyle::Name);
    return font;
}

// The band along a province's edges that its texts and marks leave to the outline of an
// own province, and the side of the home and town marks in its top corners.
inline int OutlineWidth(int tile) {
    return std::max(2, tile / OutlineDivisor);
}
inline int TileInset(int tile) {
    return OutlineWidth(tile) + 1;
}
inline int CornerMarkSide(int tile) {
    return std::max(4, tile / 6);
}

inline QRect ToRect(const mapview::Box& box, QPoint origin) {
    return {origin.x() + box.x, origin.y() + box.y, box.width, box.height};
}

// The texts of a province that its layout needs, measured in the zoom's fonts: none below
// TextTileSize, where provinces show colours and small squares only.
mapview::TileContent TextContent(const mapview::Tile& tile,
                                 const std::array<std::string, 2>& troops, const TileFonts& fonts,
                                 PaintCache& cache);

// Draws text centred in box, shortened with an ellipsis when the box is narrower.
void DrawFitted(QPainter& painter, const std::string& text, const QRect& box, int pixelSize,
                TextStyle style, int textTop, PaintCache& cache);

inline QRect TileRect(const Geometry& g, int x, int y) {
    return {g.Left(x), g.Top(y), g.tile, g.tile};
}

// The provinces whose squares reach into area, as first and last column and row.
struct TileSpan {
    int firstX, lastX, firstY, lastY;
    bool Empty() const { return firstX > lastX || firstY > lastY; }
};

// Fills rect in bands of a few rows: a blend of more rows at once goes to the raster engine's
// thread pool, whose hand-over costs more than such a fill.
inline void FillInRows(QPainter& painter, const QRect& rect, const QBrush& brush) {
    constexpr int Band = 64;
    for (int top = rect.top(); top <= rect.bottom(); top += Band) {
        painter.fillRect(
            QRect(rect.left(), top, rect.width(), std::min(Band, rect.bottom() - top + 1)), brush);
    }
}

inline TileSpan SpanOf(const Geometry& g, const QRect& area) {
    const int t = g.tile;
    return {std::max(1, (area.left() - g.margin) / t + 1),
            std::min(g.width, (area.right() - g.margin) / t + 1),
            std::max(1, (area.top() - g.margin) / t + 1),
            std::min(g.height, (area.bottom() - g.margin) / t + 1)};
}

} // namespace orv::gui::paint
