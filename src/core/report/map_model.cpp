#include "core/report/map_model.h"

#include "core/report/tokenizer.h"

#include <algorithm>
#include <limits>

namespace orv::report {

namespace {

Province MakeOutsideProvince() {
    Province p;
    p.terrain = Terrain::Sea;
    p.statusLetter = StatusLetterNone;
    return p;
}

const Province outsideProvince = MakeOutsideProvince();

} // namespace

std::int32_t SaturatingAdd(std::int32_t a, std::int64_t b) {
    const std::int64_t sum =
        std::int64_t{a} + std::clamp<std::int64_t>(b, std::numeric_limits<std::int32_t>::min(),
                                                   std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

bool TMap::IsOnMap(std::int64_t x, std::int64_t y) const {
    return x >= 1 && x <= width && y >= 1 && y <= height;
}

const Province& TMap::At(int x, int y) const {
    return IsInGrid(x, y)
               ? provinces_[static_cast<std::size_t>(x - 1)][static_cast<std::size_t>(y - 1)]
               : outsideProvince;
}

std::string TMap::GetOwner(int x, int y) const {
    return UpperAscii(At(x, y).owner);
}

bool TMap::IsCoastal(int x, int y) const {
    return (x > 1 && GetTerrain(x - 1, y) == Terrain::Sea) ||
           (x < width && GetTerrain(x + 1, y) == Terrain::Sea) ||
           (y > 1 && GetTerrain(x, y - 1) == Terrain::Sea) ||
           (y < height && GetTerrain(x, y + 1) == Terrain::Sea);
}

void TMap::ClearMap() {
    for (auto& column : provinces_) {
        column.fill(outsideProvince);
    }
}

} // namespace orv::report
