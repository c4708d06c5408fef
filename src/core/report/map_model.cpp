#include "core/report/map_model.h"

#include "core/report/tokenizer.h"

#include <algorithm>
#include <limits>

namespace orv::report {

namespace {

Province MakeOutsideProvince() {
    Province p;
    p.terrain = SeaTerrain;
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

Province* TMap::Cell(int x, int y) {
    return IsInGrid(x, y)
               ? &provinces_[static_cast<std::size_t>(x - 1)][static_cast<std::size_t>(y - 1)]
               : nullptr;
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
    return (x > 1 && GetTerrain(x - 1, y) == SeaTerrain) ||
           (x < width && GetTerrain(x + 1, y) == SeaTerrain) ||
           (y > 1 && GetTerrain(x, y - 1) == SeaTerrain) ||
           (y < height && GetTerrain(x, y + 1) == SeaTerrain);
}

std::int32_t TMap::Count(int x, int y, TroopKind kind) const {
    const Province& p = At(x, y);
    return SaturatingAdd(p.troops[kind], p.moveDelta[kind]);
}

void TMap::Add(int x, int y, TroopKind kind, std::int32_t amount, bool alsoPlaced) {
    Province* p = Cell(x, y);
    if (p == nullptr) {
        return;
    }
    p->moveDelta[kind] = SaturatingAdd(p->moveDelta[kind], amount);
    if (alsoPlaced) {
        p->placed[kind] = SaturatingAdd(p->placed[kind], amount);
    }
}

void TMap::SetLandMark(int x, int y, bool value) {
    if (Province* p = Cell(x, y)) {
        p->landMark = value;
    }
}

void TMap::SetSeaMark(int x, int y, bool value) {
    if (Province* p = Cell(x, y)) {
        p->seaMark = value;
    }
}

void TMap::ClearMap() {
    for (auto& column : provinces_) {
        column.fill(outsideProvince);
    }
}

void TMap::ClearMoveDeltas() {
    for (auto& column : provinces_) {
        for (Province& p : column) {
            p.moveDelta.fill(0);
            p.placed.fill(0);
        }
    }
}

void TMap::ClearMoveMarks() {
    for (int x = 1; x <= std::min(width, MaxMapSize); ++x) {
        for (int y = 1; y <= std::min(height, MaxMapSize); ++y) {
            Province* p = Cell(x, y);
            p->landMark = false;
            p->seaMark = false;
        }
    }
}

} // namespace orv::report
