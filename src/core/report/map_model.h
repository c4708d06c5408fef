#pragma once
// The provinces of the turn report's map (at most 50 x 50) as the report describes them.

#include "core/report/terrain.h"

#include <array>
#include <cstdint>
#include <string>

namespace orv::report {

inline constexpr int MaxMapSize = 50;
inline constexpr std::uint8_t StatusLetterNone = 2; // 't'

// Index into the six troop counts of a province.
enum TroopKind : int { FootSoldiers = 0, Bowmen, Horsemen, Castles, Generals, Ships, TroopKinds };

struct Province {
    Terrain terrain = Terrain::Cultivated;
    std::array<std::int32_t, TroopKinds> troops{};
    std::string owner;             // at most 9 characters, as written in the report
    std::string nameLine;          // at most 9 characters
    std::uint8_t statusLetter = 0; // index into "fptuc"
    bool apostropheMark = false;
    bool isolated = false;
    bool homeProvince = false;
};

class TMap {
  public:
    // Queries. Coordinates outside 1..50 answer as an empty sea province, so hostile
    // coordinates can never reach outside the grid.
    bool IsOnMap(std::int64_t x, std::int64_t y) const;
    Terrain GetTerrain(int x, int y) const { return At(x, y).terrain; }
    std::string GetOwner(int x, int y) const;
    bool IsCoastal(int x, int y) const;
    bool IsIsolated(int x, int y) const { return At(x, y).isolated; }
    bool IsHomeProvince(int x, int y) const { return At(x, y).homeProvince; }
    std::int32_t Troops(int x, int y, TroopKind kind) const { return At(x, y).troops[kind]; }

    void ClearMap();

    // Direct access for the map reader and the views; nullptr outside the grid.
    Province* Cell(int x, int y);
    const Province& At(int x, int y) const;

    int width = 0;
    int height = 0;
    // The size the report's map has, of which only the 50 x 50 grid is read.
    std::int64_t reportWidth = 0;
    std::int64_t reportHeight = 0;

  private:
    std::array<std::array<Province, MaxMapSize>, MaxMapSize> provinces_;
};

// True when x and y address a cell of the 50 x 50 grid.
constexpr bool IsInGrid(std::int64_t x, std::int64_t y) {
    return x >= 1 && x <= MaxMapSize && y >= 1 && y <= MaxMapSize;
}

// Inline: the map reader asks for every cell of every cell line.
inline Province* TMap::Cell(int x, int y) {
    return IsInGrid(x, y)
               ? &provinces_[static_cast<std::size_t>(x - 1)][static_cast<std::size_t>(y - 1)]
               : nullptr;
}

// Adds without signed overflow: the result saturates at the 32-bit limits.
std::int32_t SaturatingAdd(std::int32_t a, std::int64_t b);

} // namespace orv::report
