#pragma once
// The move layer of the map's picture: the paths of the move with their ends, the badges of
// the other orders, and the order being written with the move points it leaves. For the
// painting files only.

#include "core/mapview/map_drawing.h"
#include "core/mapview/map_geometry.h"
#include "core/mapview/tile_layout.h"

#include <QRect>
#include <cstddef>
#include <optional>
#include <vector>

class QPainter;

namespace orv::gui {
class PaintCache;
} // namespace orv::gui

namespace orv::gui::paint {

// A badge of a province: an order that names it; all espionage orders share one eye.
struct Badge {
    std::size_t mark = 0; // into the drawing's marks
    bool selected = false;
};

// What the move puts on one province, laid out with the province's own texts.
struct MoveLabel {
    const mapview::Tile* tile = nullptr;
    QRect rect; // the province's square
    std::vector<Badge> badges;
    std::optional<std::size_t> eye; // the badge of the espionage orders
    bool countSelected = false;     // a counted badge is the selected line's
    bool compact = false;           // the badges are small squares without their texts
    std::optional<int> pointsLeft;  // the order being written passes here
    mapview::TileContent content;
    mapview::TileLayout layout;
};
using MoveLabels = std::vector<MoveLabel>;

// The provinces inside area that the move's badges or the order being written name.
MoveLabels LayOutMoveLabels(const mapview::Drawing& drawing, const mapview::Geometry& g,
                            const QRect& area, std::optional<std::size_t> selectedLine,
                            PaintCache& cache);

void PaintArrows(QPainter& painter, const mapview::Drawing& drawing, const mapview::Geometry& g,
                 const QRect& area, std::optional<std::size_t> selectedLine);
void PaintBadges(QPainter& painter, const mapview::Drawing& drawing, const MoveLabels& labels,
                 PaintCache& cache);
void PaintPreviewPaths(QPainter& painter, const mapview::Drawing& drawing,
                       const mapview::Geometry& g);
// One path drawn as the order being written is: over a dashed band.
void PaintPreviewArrow(QPainter& painter, const mapview::Arrow& arrow, const mapview::Geometry& g);
void PaintPreviewNotes(QPainter& painter, const MoveLabels& labels, PaintCache& cache);

} // namespace orv::gui::paint
