#pragma once
// Paints the graphical map's picture: tiles, edge numbers, the move's paths and marks. Kept
// apart from the window so that it can also be timed and tested on a plain image.

#include "core/mapview/map_drawing.h"
#include "core/mapview/map_geometry.h"

#include <QImage>
#include <QRect>
#include <QStaticText>
#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>

class QPainter;

namespace orv::gui {

// What one redraw leaves for the next: tile texts laid out once (many tiles share the same
// owner and troop texts) and the home mark drawn once, for the size they were made at.
class PaintCache {
  public:
    // The text laid out in a font of pixelSize; all texts are dropped when the size changes.
    const QStaticText& Text(const std::string& bytes, int pixelSize);
    // The home mark of the given side.
    const QImage& HomeMark(int side);

  private:
    int textSize_ = -1;
    std::unordered_map<std::string, QStaticText> texts_;
    QImage homeMark_;
};

// Paints the part of the map inside area; selectedLine's orders stand out.
void PaintMap(QPainter& painter, const mapview::Drawing& drawing, const mapview::Geometry& geometry,
              const QRect& area, std::optional<std::size_t> selectedLine, PaintCache& cache);

} // namespace orv::gui
