#pragma once
// The move layer of the map's picture: the paths of the move with their ends, the badges of
// the other orders, and the order being written with the points it leaves. For the painting
// files only.

#include "core/mapview/map_drawing.h"
#include "core/mapview/map_geometry.h"

#include <QRect>
#include <cstddef>
#include <optional>

class QPainter;

namespace orv::gui {
class PaintCache;
} // namespace orv::gui

namespace orv::gui::paint {

void PaintArrows(QPainter& painter, const mapview::Drawing& drawing, const mapview::Geometry& g,
                 const QRect& area, std::optional<std::size_t> selectedLine);
void PaintMarks(QPainter& painter, const mapview::Drawing& drawing, const mapview::Geometry& g,
                const QRect& area, std::optional<std::size_t> selectedLine, PaintCache& cache);
void PaintPreviewPaths(QPainter& painter, const mapview::Drawing& drawing,
                       const mapview::Geometry& g);
void PaintPreviewNotes(QPainter& painter, const mapview::Drawing& drawing,
                       const mapview::Geometry& g, PaintCache& cache);

} // namespace orv::gui::paint
