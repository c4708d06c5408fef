#pragma once
// Carries one troop movement of the move check across the map: takes the troops out of the
// start province, walks them along the direction words within their move points, books them
// where the walk ended and earmarks that province against further movement of the same kind.

#include "core/check/move_map.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv::check {

enum class MoveKind : std::uint8_t { SeaMove = 1, RaidMove = 2, LandMove = 3 };

enum class PathResult : std::uint8_t {
    PathOk = 0,
    PathOffMap = 1,
    PathEnteredSea = 2,
    PathOutOfPoints = 3,
    PathBlockedByLand = 4,
};

// One unit and count pair of an order's troop list; a free slot has an empty unit.
struct TroopSlot {
    std::string unit; // unit code, "AT" or empty
    std::int32_t count = 0;

    bool operator==(const TroopSlot&) const = default;
};

using TroopSlots = std::array<TroopSlot, 3>;

// A province position; off the map when a walk left it.
struct MapPoint {
    int x = 0;
    int y = 0;

    bool operator==(const MapPoint&) const = default;
};

// The provinces one walk passed through, for drawing the move: the start province, then
// every province it entered, the one where it failed included (also off the map).
struct PathTrace {
    std::size_t line = 0; // the list line of the order that walked it
    MoveKind kind = MoveKind::LandMove;
    std::vector<MapPoint> points;
    // The move points left on reaching each of points, never below 0: the whole budget at
    // the start; a step that ended the walk (off the map, into the wrong terrain) costs none.
    std::vector<int> pointsLeft;
    PathResult result = PathResult::PathOk;

    bool operator==(const PathTrace&) const = default;
};

// Where a walk ended and how: the province the last step entered (the failing one
// included), and the number of direction words it took.
struct WalkEnd {
    PathResult result = PathResult::PathOk;
    MapPoint at;
    int steps = 0;
};

// What the province holds of a kind that moves, after the orders checked so far (0 for
// castles, which never move).
std::int32_t TroopsIn(const MoveMap& map, int x, int y, report::TroopKind kind);

// Whether a walk with this many move points left may take one more step; the last step
// may spend more points than are left.
constexpr bool CanStep(int pointsLeft) {
    return pointsLeft >= 1;
}

// One step of a walk: the province a direction word leads to, and either the move points
// entering it costs or the result that ends the walk there.
struct Step {
    MapPoint to;
    int cost = 0;                   // 0 when the step ends the walk
    std::optional<PathResult> stop; // PathOffMap, PathEnteredSea or PathBlockedByLand
};

// The step a direction word (by its first character) takes from at for a kind of movement.
Step TakeStep(const MoveMap& map, MapPoint at, char direction, MoveKind kind);

// The move points a walk of these slots from (x, y) starts with; "AT" counts what the
// province holds after the orders checked so far.
int StartBudget(const MoveMap& map, int x, int y, MoveKind kind, const TroopSlots& slots);

// Walks path (direction words separated by blanks) from (x, y), which the caller has
// checked to be on the map. The map's changes and earmarks record the result; trace, when
// given, the provinces passed.
PathResult WalkPath(MoveMap& map, int x, int y, MoveKind kind, std::string_view path,
                    const TroopSlots& slots, PathTrace* trace = nullptr);

// The same walk, telling where it ended.
WalkEnd WalkPathTo(MoveMap& map, int x, int y, MoveKind kind, std::string_view path,
                   const TroopSlots& slots, PathTrace* trace = nullptr);

} // namespace orv::check
