#include "core/check/walk_path.h"

#include "core/report/tokenizer.h"

#include <algorithm>
#include <limits>

namespace orv::check {

namespace {

using report::TroopKind;

struct MovingKind {
    TroopKind kind;
    std::string_view code;
};

// The troop kinds that move, in the order the counts are assigned.
constexpr std::array<MovingKind, 5> movingKinds{{{report::FootSoldiers, "FO"},
                                                 {report::Bowmen, "BO"},
                                                 {report::Horsemen, "HO"},
                                                 {report::Generals, "GE"},
                                                 {report::Ships, "SH"}}};

std::int32_t Negated(std::int32_t value) {
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(-std::int64_t{value}, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max()));
}

// The counts that move, in the order of movingKinds: the last pair of a code wins, and
// with "AT" every kind not given moves whole.
using MovingCounts = std::array<std::int32_t, movingKinds.size()>;

constexpr std::size_t FootIndex = 0;
constexpr std::size_t BowmenIndex = 1;
constexpr std::size_t GeneralsIndex = 3;

// Move points at the start: ships have ten; a general gives an army three, foot soldiers or
// bowmen without one two, others three.
int BudgetFor(MoveKind kind, const MovingCounts& counts) {
    if (kind == MoveKind::SeaMove) {
        return 10;
    }
    if (counts[GeneralsIndex] > 0) {
        return 3;
    }
    return counts[FootIndex] > 0 || counts[BowmenIndex] > 0 ? 2 : 3;
}

// Reads the counts from the slots: the last pair of a code wins, and with "AT" every kind
// not given that the start province holds moves whole.
MovingCounts CountsOf(const MoveMap& map, int x, int y, const TroopSlots& slots) {
    MovingCounts counts{};
    counts.fill(-1);
    for (std::size_t k = 0; k < movingKinds.size(); ++k) {
        for (const TroopSlot& slot : slots) {
            if (slot.unit == movingKinds[k].code) {
                counts[k] = slot.count;
            }
        }
    }
    const bool allTroops =
        std::any_of(slots.begin(), slots.end(), [](const TroopSlot& s) { return s.unit == "AT"; });
    for (std::size_t k = 0; k < movingKinds.size(); ++k) {
        if (allTroops && counts[k] == -1) {
            const std::int32_t present = TroopsIn(map, x, y, movingKinds[k].kind);
            if (present >= 1) {
                counts[k] = present;
            }
        }
        if (counts[k] == -1) {
            counts[k] = 0;
        }
    }
    return counts;
}

// Reads the counts from the slots and takes them out of the start province.
MovingCounts TakeOutOfStart(MoveMap& map, int x, int y, const TroopSlots& slots) {
    const MovingCounts counts = CountsOf(map, x, y, slots);
    for (std::size_t k = 0; k < movingKinds.size(); ++k) {
        map.Add(x, y, movingKinds[k].kind, Negated(counts[k]), false);
    }
    return counts;
}

// The province one step in a direction leads to; a word of no direction stays.
MapPoint StepTo(MapPoint at, char direction) {
    switch (direction) {
    case 'E':
        return {at.x + 1, at.y};
    case 'W':
        return {at.x - 1, at.y};
    case 'N':
        return {at.x, at.y - 1};
    case 'S':
        return {at.x, at.y + 1};
    default:
        return at;
    }
}

// Follows the direction words while move points last and the terrain lets the kind pass.
WalkEnd FollowPath(const MoveMap& map, MapPoint start, MoveKind kind, std::string_view path,
                   int budget, PathTrace* trace) {
    WalkEnd end{PathResult::PathOk, start};
    for (const std::size_t word : report::WordStarts(path)) {
        if (!CanStep(budget)) {
            end.result = PathResult::PathOutOfPoints;
            break;
        }
        const Step step = TakeStep(map, end.at, path[word], kind);
        end.at = step.to;
        ++end.steps;
        budget -= step.cost;
        if (trace != nullptr) {
            trace->points.push_back(end.at);
            trace->pointsLeft.push_back(std::max(0, budget));
        }
        if (step.stop) {
            end.result = *step.stop;
            break;
        }
    }
    return end;
}

} // namespace

std::int32_t TroopsIn(const MoveMap& map, int x, int y, TroopKind kind) {
    switch (kind) {
    case report::FootSoldiers:
        return map.GetFootSoldiers(x, y);
    case report::Bowmen:
        return map.GetBowmen(x, y);
    case report::Horsemen:
        return map.GetHorsemen(x, y);
    case report::Generals:
        return map.GetGenerals(x, y);
    case report::Ships:
        return map.GetShips(x, y);
    default:
        return 0; // castles never move
    }
}

Step TakeStep(const MoveMap& map, MapPoint at, char direction, MoveKind kind) {
    Step step{StepTo(at, direction), 0, std::nullopt};
    if (!map.IsOnMap(step.to.x, step.to.y)) {
        step.stop = PathResult::PathOffMap;
        return step;
    }
    const report::Terrain terrain = map.GetTerrain(step.to.x, step.to.y);
    const bool sea = terrain == report::Terrain::Sea;
    if (sea != (kind == MoveKind::SeaMove)) {
        step.stop = sea ? PathResult::PathEnteredSea : PathResult::PathBlockedByLand;
        return step;
    }
    step.cost = report::InfoOf(terrain).moveCost;
    return step;
}

int StartBudget(const MoveMap& map, int x, int y, MoveKind kind, const TroopSlots& slots) {
    return BudgetFor(kind, CountsOf(map, x, y, slots));
}

PathResult WalkPath(MoveMap& map, int x, int y, MoveKind kind, std::string_view path,
                    const TroopSlots& slots, PathTrace* trace) {
    return WalkPathTo(map, x, y, kind, path, slots, trace).result;
}

WalkEnd WalkPathTo(MoveMap& map, int x, int y, MoveKind kind, std::string_view path,
                   const TroopSlots& slots, PathTrace* trace) {
    const MovingCounts counts = TakeOutOfStart(map, x, y, slots);
    if (trace != nullptr) {
        trace->kind = kind;
        trace->points.assign(1, MapPoint{x, y});
    }
    const int budget = BudgetFor(kind, counts);
    if (trace != nullptr) {
        trace->pointsLeft.assign(1, budget);
    }
    const WalkEnd end = FollowPath(map, {x, y}, kind, path, budget, trace);
    if (trace != nullptr) {
        trace->result = end.result;
    }
    // After a step off the map the troops are lost and no province is earmarked.
    if (end.result == PathResult::PathOffMap) {
        return end;
    }
    for (std::size_t k = 0; k < movingKinds.size(); ++k) {
        map.Add(end.at.x, end.at.y, movingKinds[k].kind, counts[k], false);
    }
    if (kind == MoveKind::SeaMove) {
        map.SetSeaMark(end.at.x, end.at.y);
    } else if (kind == MoveKind::LandMove) {
        map.SetLandMark(end.at.x, end.at.y);
    }
    return end;
}

} // namespace orv::check
