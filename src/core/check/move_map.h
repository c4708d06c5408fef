#pragma once
// The map as a move check sees it: the report's provinces, which the check never changes,
// and what the orders checked so far have done to them (troops moved in and out, units
// placed, provinces earmarked against further movement), so later orders see earlier ones.

#include "core/report/map_model.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace orv::check {

struct ProvinceChange {
    std::array<std::int32_t, report::TroopKinds> moved{};
    std::array<std::int32_t, report::TroopKinds> placed{};
    bool landMark = false; // no further movement over land from here
    bool seaMark = false;  // no further movement by sea from here

    bool operator==(const ProvinceChange&) const = default;
};

// The changes of one check, province by province over the whole grid.
class MoveChanges {
  public:
    MoveChanges();
    // Outside the grid there is no change, and changes there are dropped.
    const ProvinceChange& At(int x, int y) const;
    ProvinceChange* Cell(int x, int y);

    bool operator==(const MoveChanges&) const = default;

  private:
    std::vector<ProvinceChange> cells_;
};

class MoveMap {
  public:
    MoveMap(const report::TMap& map, MoveChanges& changes) : map_(map), changes_(changes) {}

    bool IsOnMap(std::int64_t x, std::int64_t y) const { return map_.IsOnMap(x, y); }
    report::Terrain GetTerrain(int x, int y) const { return map_.GetTerrain(x, y); }
    std::string GetOwner(int x, int y) const { return map_.GetOwner(x, y); }
    bool IsCoastal(int x, int y) const { return map_.IsCoastal(x, y); }
    bool IsIsolated(int x, int y) const { return map_.IsIsolated(x, y); }
    bool IsHomeProvince(int x, int y) const { return map_.IsHomeProvince(x, y); }

    // What the province holds after the orders checked so far.
    std::int32_t Troops(int x, int y, report::TroopKind kind) const;
    std::int32_t GetFootSoldiers(int x, int y) const { return Troops(x, y, report::FootSoldiers); }
    std::int32_t GetBowmen(int x, int y) const { return Troops(x, y, report::Bowmen); }
    std::int32_t GetHorsemen(int x, int y) const { return Troops(x, y, report::Horsemen); }
    std::int32_t GetGenerals(int x, int y) const { return Troops(x, y, report::Generals); }
    std::int32_t GetShips(int x, int y) const { return Troops(x, y, report::Ships); }
    std::int32_t GetPlacedShips(int x, int y) const {
        return changes_.At(x, y).placed[report::Ships];
    }
    bool IsLandMarked(int x, int y) const { return changes_.At(x, y).landMark; }
    bool IsSeaMarked(int x, int y) const { return changes_.At(x, y).seaMark; }

    void Add(int x, int y, report::TroopKind kind, std::int32_t amount, bool alsoPlaced);
    void SetLandMark(int x, int y);
    void SetSeaMark(int x, int y);

  private:
    const report::TMap& map_;
    MoveChanges& changes_;
};

} // namespace orv::check
