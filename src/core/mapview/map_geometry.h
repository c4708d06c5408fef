#pragma once
// Where provinces lie on the graphical map at a zoom: the pixel square of each, the
// province under a pixel, and the zoom steps and the fit to a window.

#include "core/check/walk_path.h"

#include <optional>

namespace orv::mapview {

inline constexpr int MinTileSize = 12;
inline constexpr int MaxTileSize = 160;
inline constexpr int DefaultTileSize = 56;
inline constexpr int DefaultMargin = 24;

struct Geometry {
    int tile = DefaultTileSize; // side of a province in pixels
    int margin = DefaultMargin; // room for the column and row numbers on every side
    int width = 0;              // provinces across
    int height = 0;             // provinces down

    int PixelWidth() const { return 2 * margin + tile * width; }
    int PixelHeight() const { return 2 * margin + tile * height; }
    // Left and top edge of a province's square; also for positions just off the map.
    int Left(int x) const { return margin + (x - 1) * tile; }
    int Top(int y) const { return margin + (y - 1) * tile; }

    // The province whose square holds the pixel; none in the margins.
    std::optional<check::MapPoint> ProvinceAt(int px, int py) const;
};

// The tile size after steps zoom steps in (positive) or out (negative), each a quarter,
// kept within MinTileSize and MaxTileSize.
int ZoomedTileSize(int tile, int steps);

// The largest tile size at which a map of width x height provinces fits the view.
int FitTileSize(int viewWidth, int viewHeight, int width, int height, int margin);

} // namespace orv::mapview
