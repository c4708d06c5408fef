#pragma once
// Paints the graphical map's picture: tiles, edge numbers, the move's paths and marks. Kept
// apart from the window so that it can also be timed and tested on a plain image.

#include "core/mapview/map_drawing.h"
#include "core/mapview/map_geometry.h"

#include <QRect>
#include <cstddef>
#include <optional>

class QPainter;

namespace orv::gui {

// Paints the part of the map inside area; selectedLine's orders stand out.
void PaintMap(QPainter& painter, const mapview::Drawing& drawing, const mapview::Geometry& geometry,
              const QRect& area, std::optional<std::size_t> selectedLine);

} // namespace orv::gui
