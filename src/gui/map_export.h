#pragma once
// The graphical map on paper and in files: the whole map, with the move's paths and marks,
// printed on one page or written as an SVG or PNG image, at a size where every province
// shows its troops and owner as text; on paper and in SVG as shapes and text.

#include "core/mapview/map_drawing.h"

#include <QString>
#include <cstddef>
#include <optional>

class QPagedPaintDevice;

namespace orv::gui {

// Writes the map to path, as SVG when the name ends in ".svg" and as PNG otherwise; false
// when the file could not be written.
bool ExportMap(const mapview::Drawing& drawing, std::optional<std::size_t> selectedLine,
               const QString& path);

// Paints the map on one page of the device, as large as the page allows.
bool PrintMap(const mapview::Drawing& drawing, std::optional<std::size_t> selectedLine,
              QPagedPaintDevice& device);

} // namespace orv::gui
