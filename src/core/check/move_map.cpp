#include "core/check/move_map.h"

namespace orv::check {

namespace {

constexpr auto GridSize = static_cast<std::size_t>(report::MaxMapSize);

const ProvinceChange noChange{};

} // namespace

MoveChanges::MoveChanges() : cells_(GridSize * GridSize) {}

ProvinceChange* MoveChanges::Cell(int x, int y) {
    if (!report::IsInGrid(x, y)) {
        return nullptr;
    }
    return &cells_[static_cast<std::size_t>(x - 1) * GridSize + static_cast<std::size_t>(y - 1)];
}

const ProvinceChange& MoveChanges::At(int x, int y) const {
    if (!report::IsInGrid(x, y)) {
        return noChange;
    }
    return cells_[static_cast<std::size_t>(x - 1) * GridSize + static_cast<std::size_t>(y - 1)];
}

std::int32_t MoveMap::Troops(int x, int y, report::TroopKind kind) const {
    return report::SaturatingAdd(map_.Troops(x, y, kind), changes_.At(x, y).moved[kind]);
}

void MoveMap::Add(int x, int y, report::TroopKind kind, std::int32_t amount, bool alsoPlaced) {
    ProvinceChange* change = changes_.Cell(x, y);
    if (change == nullptr) {
        return;
    }
    change->moved[kind] = report::SaturatingAdd(change->moved[kind], amount);
    if (alsoPlaced) {
        change->placed[kind] = report::SaturatingAdd(change->placed[kind], amount);
    }
}

void MoveMap::SetLandMark(int x, int y) {
    if (ProvinceChange* change = changes_.Cell(x, y)) {
        change->landMark = true;
    }
}

void MoveMap::SetSeaMark(int x, int y) {
    if (ProvinceChange* change = changes_.Cell(x, y)) {
        change->seaMark = true;
    }
}

} // namespace orv::check
