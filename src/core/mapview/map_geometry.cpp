#include "core/mapview/map_geometry.h"

#include <algorithm>

namespace orv::mapview {

std::optional<check::MapPoint> Geometry::ProvinceAt(int px, int py) const {
    if (tile <= 0 || px < margin || py < margin) {
        return std::nullopt;
    }
    const int x = (px - margin) / tile + 1;
    const int y = (py - margin) / tile + 1;
    if (x > width || y > height) {
        return std::nullopt;
    }
    return check::MapPoint{x, y};
}

int ZoomedTileSize(int tile, int steps) {
    std::int64_t size = std::clamp(tile, MinTileSize, MaxTileSize);
    for (int i = 0; i < steps && size < MaxTileSize; ++i) {
        size = std::max(size + 1, size * 5 / 4);
    }
    for (int i = 0; i > steps && size > MinTileSize; --i) {
        size = std::min(size - 1, size * 4 / 5);
    }
    return static_cast<int>(std::clamp<std::int64_t>(size, MinTileSize, MaxTileSize));
}

int FitTileSize(int viewWidth, int viewHeight, int width, int height, int margin) {
    if (width <= 0 || height <= 0) {
        return DefaultTileSize;
    }
    const int across = (viewWidth - 2 * margin) / width;
    const int down = (viewHeight - 2 * margin) / height;
    return std::clamp(std::min(across, down), MinTileSize, MaxTileSize);
}

} // namespace orv::mapview
