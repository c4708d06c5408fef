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

int StartBudget(MoveKind kind, const std::array<std::int32_t, 5>& counts) {
    if (kind == MoveKind::SeaMove) {
        return 10;
    }
    // Index 3 is generals, 0 and 1 foot soldiers and bowmen (order of movingKinds).
    if (counts[3] > 0) {
        return 3;
    }
    return counts[0] > 0 || counts[1] > 0 ? 2 : 3;
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

int TerrainCost(std::uint8_t terrain) {
    switch (terrain) {
    case 7: // Mountains
    case 9: // Swamp
        return 3;
    case 5: // Forest
    case 6: // Hills
    case 8: // Marsh
        return 2;
    default:
        return 1;
    }
}

PathResult WalkPath(MoveMap& map, int x, int y, MoveKind kind, std::string_view path,
                    const TroopSlots& slots, PathTrace* trace) {
    std::array<std::int32_t, 5> counts{};
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
        map.Add(x, y, movingKinds[k].kind, Negated(counts[k]), false);
    }

    int budget = StartBudget(kind, counts);
    PathResult result = PathResult::PathOk;
    int cx = x;
    int cy = y;
    if (trace != nullptr) {
        trace->kind = kind;
        trace->points.assign(1, MapPoint{x, y});
    }
    for (const std::size_t start : report::WordStarts(path)) {
        if (budget < 1) {
            result = PathResult::PathOutOfPoints;
            break;
        }
        switch (path[start]) {
        case 'E':
            ++cx;
            break;
        case 'W':
            --cx;
            break;
        case 'N':
            --cy;
            break;
        case 'S':
            ++cy;
            break;
        default:
            break; // no step: the walk enters the same province again
        }
        if (trace != nullptr) {
            trace->points.push_back(MapPoint{cx, cy});
        }
        if (!map.IsOnMap(cx, cy)) {
            result = PathResult::PathOffMap;
            break;
        }
        const std::uint8_t terrain = map.GetTerrain(cx, cy);
        if (terrain == report::SeaTerrain && kind != MoveKind::SeaMove) {
            result = PathResult::PathEnteredSea;
            break;
        }
        if (terrain != report::SeaTerrain && kind == MoveKind::SeaMove) {
            result = PathResult::PathBlockedByLand;
            break;
        }
        budget -= TerrainCost(terrain);
    }

    if (trace != nullptr) {
        trace->result = result;
    }
    // After a step off the map the troops are lost and no province is earmarked.
    if (map.IsOnMap(cx, cy)) {
        for (std::size_t k = 0; k < movingKinds.size(); ++k) {
            map.Add(cx, cy, movingKinds[k].kind, counts[k], false);
        }
    }
    if (result == PathResult::PathOffMap) {
        return result;
    }
    if (kind == MoveKind::SeaMove) {
        map.SetSeaMark(cx, cy);
    } else if (kind == MoveKind::LandMove) {
        map.SetLandMark(cx, cy);
    }
    return result;
}

} // namespace orv::check
