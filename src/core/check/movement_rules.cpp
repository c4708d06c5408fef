#include "core/check/movement_rules.h"

#include "core/move/codes.h"

#include <algorithm>
#include <array>
#include <utility>

namespace orv::check {

namespace {

bool BeginsWithDirection(std::string_view word) {
    return !word.empty() && (word[0] == 'E' || word[0] == 'N' || word[0] == 'S' || word[0] == 'W');
}

// Ends a SEA troop list: a single direction letter.
bool EndsSeaTroops(std::string_view word) {
    return word.size() == 1 && BeginsWithDirection(word);
}

// Ends a RAID troop list: any word beginning with a direction letter ("SH" included).
bool EndsRaidTroops(std::string_view word) {
    return BeginsWithDirection(word);
}

// Ends a LAND troop list: a word beginning with a direction letter other than "SH".
bool EndsLandTroops(std::string_view word) {
    return word != "SH" && BeginsWithDirection(word);
}

// Land units the ships of a SEA order have to carry, and the ships that move.
struct SeaCargo {
    bool allTroops = false;
    std::int64_t landUnits = 0;
    std::int64_t shipsMoved = 0;
};

void PutIntoSlot(TroopSlots& slots, std::string_view unit, std::int32_t count) {
    auto free =
        std::find_if(slots.begin(), slots.end(), [](const TroopSlot& s) { return s.unit.empty(); });
    TroopSlot& slot = free == slots.end() ? slots.back() : *free;
    slot.unit = std::string(unit);
    slot.count = count;
}

void FreeLastFilledSlot(TroopSlots& slots) {
    for (auto it = slots.rbegin(); it != slots.rend(); ++it) {
        if (!it->unit.empty()) {
            *it = TroopSlot{};
            return;
        }
    }
}

struct LandTroop {
    std::string_view code;
    report::TroopKind kind;
    std::string_view shortage;
};

constexpr std::array<LandTroop, 4> landTroops{{
    {"BO", report::Bowmen, "   Not enough bowmen in province!"},
    {"FO", report::FootSoldiers, "   Not enough foot soldiers in province!"},
    {"HO", report::Horsemen, "   Not enough horsemen in province!"},
    {"GE", report::Generals, "   Not enough generals in province!"},
}};

// The troop tests for one unit word with a count above zero, against what the start
// province holds of that kind; a SEA order also counts its cargo and ships.
void TestTroop(MoveKind kind, std::string_view unit, std::int32_t n, const MoveMap& map, int x,
               int y, Messages& messages, SeaCargo* cargo) {
    if (unit == "CA") {
        messages.emplace_back("   Castles can't move!");
        return;
    }
    if (unit == "SH" && kind != MoveKind::RaidMove) {
        const std::int32_t av = map.GetShips(x, y);
        if (n > av) {
            messages.emplace_back("   Not enough ships in province!");
        } else if (kind == MoveKind::LandMove && map.GetTerrain(x, y) != report::Terrain::Sea) {
            messages.emplace_back("   You can'move ships over land!");
        }
        if (cargo != nullptr && n <= av) {
            cargo->shipsMoved += n;
        }
        return;
    }
    const auto troop = std::find_if(landTroops.begin(), landTroops.end(),
                                    [unit](const LandTroop& t) { return t.code == unit; });
    if (troop == landTroops.end()) {
        return;
    }
    const std::int32_t av = TroopsIn(map, x, y, troop->kind);
    if (n > av) {
        messages.emplace_back(troop->shortage);
    } else if (cargo != nullptr) {
        cargo->landUnits += cargo->allTroops ? -(std::int64_t{av} - n) : std::int64_t{n};
    }
}

// Reads the troop list from word k into slots, testing each unit against the start
// province. ends tells which word ends the list; the last word of the line never is a unit.
template <typename EndsList>
TroopSlots ReadTroops(const move::Order& order, int k, EndsList ends, MoveKind kind,
                      const MoveMap& map, int x, int y, Messages& messages,
                      SeaCargo* cargo = nullptr) {
    TroopSlots slots;
    while (k < order.Size()) {
        const std::string_view unit = order.Word(k);
        if (ends(unit)) {
            break;
        }
        const std::int32_t n = order.Number(k + 1);
        PutIntoSlot(slots, unit, n);
        if (unit == "AT") {
            k += 1; // the word after "AT" is read as a unit word
            continue;
        }
        if (n <= 0) {
            FreeLastFilledSlot(slots);
        } else {
            TestTroop(kind, unit, n, map, x, y, messages, cargo);
        }
        k += 2;
    }
    return slots;
}

std::int64_t LandUnitsIn(const MoveMap& map, int x, int y) {
    return std::int64_t{map.GetFootSoldiers(x, y)} + map.GetBowmen(x, y) + map.GetHorsemen(x, y) +
           map.GetGenerals(x, y);
}

// Whether any of the words 4 to 8 is exactly word.
bool TroopWordsHold(const move::Order& order, std::string_view word) {
    for (int k = 4; k <= 8; ++k) {
        if (order.Word(k) == word) {
            return true;
        }
    }
    return false;
}

WalkEnd Walk(CheckState& state, int x, int y, MoveKind kind, const std::string& path,
             const TroopSlots& slots, Messages& messages) {
    PathTrace trace;
    const WalkEnd end =
        WalkPathTo(state.map, x, y, kind, path, slots, state.traces != nullptr ? &trace : nullptr);
    if (state.traces != nullptr) {
        state.traces->push_back(std::move(trace));
    }
    const std::string_view message = WalkMessage(kind, end.result);
    if (!message.empty()) {
        messages.emplace_back(message);
    }
    return end;
}

// Reads the start province from words 2 and 3; false, with the message, when it is not
// on the map.
bool ReadStart(const move::Order& order, const MoveMap& map, int& x, int& y, Messages& messages) {
    const std::int32_t wx = order.Number(2);
    const std::int32_t wy = order.Number(3);
    if (!map.IsOnMap(wx, wy)) {
        messages.emplace_back(IllegalCoordinatesMessage);
        return false;
    }
    x = wx;
    y = wy;
    return true;
}

} // namespace

std::string_view WalkMessage(MoveKind kind, PathResult result) {
    switch (result) {
    case PathResult::PathOk:
        return {};
    case PathResult::PathOffMap:
        return kind == MoveKind::SeaMove    ? "   Ship moves beyond map boundaries!"
               : kind == MoveKind::RaidMove ? "   Move goes beyond map boundaries!"
                                            : "   Moves beyond map boundaries not allowed!";
    case PathResult::PathEnteredSea:
        return kind == MoveKind::RaidMove ? "   Move entered sea province!" : "";
    case PathResult::PathOutOfPoints:
        return kind == MoveKind::SeaMove ? "   Ship move points exceeded!"
                                         : "   Move points exceeded!";
    case PathResult::PathBlockedByLand:
        return kind == MoveKind::LandMove ? "" : "   Land province blocks the way!";
    }
    return {};
}

int PathBegin(const move::Order& order) {
    int first = order.Size() + 1;
    while (first > 1 && BeginsWithDirection(order.Word(first - 1))) {
        --first;
    }
    return first;
}

std::string DirectionPath(const move::Order& order) {
    std::string path;
    for (int k = PathBegin(order); k <= order.Size(); ++k) {
        if (!path.empty()) {
            path += ' ';
        }
        path += order.Word(k);
    }
    return path;
}

void CheckSeaMove(const move::Order& order, CheckState& state, Messages& messages) {
    if (!TroopWordsHold(order, "SH")) {
        messages.push_back(
            std::string("   You can't move units by sea without ships") +
            (TroopWordsHold(order, "AT") ? " (Note that AT doesn't include ships)!" : "!"));
        return;
    }
    MoveMap& map = state.map;
    int x = 0;
    int y = 0;
    if (!ReadStart(order, map, x, y, messages)) {
        return;
    }
    if (IsOwned(state, x, y) && IsolationHoldsTroops(map, x, y)) {
        messages.emplace_back(IsolatedMessage);
        return;
    }
    if (state.options.shipPlacementSetsSeaFlag && map.GetPlacedShips(x, y) > 0) {
        messages.emplace_back("   These units may no further move by sea this turn (because you "
                              "placed a ship in this province\r\n"
                              "   and the global option e doesn't allow a sea movement from "
                              "this province then)!");
        return;
    }
    SeaCargo cargo;
    if (order.Size() >= 4 && order.RestFrom(4).find("AT") != std::string_view::npos) {
        cargo.allTroops = true;
        cargo.landUnits = LandUnitsIn(map, x, y);
    }
    const TroopSlots slots = ReadTroops(order, order.TroopsBegin(), EndsSeaTroops,
                                        MoveKind::SeaMove, map, x, y, messages, &cargo);
    if (cargo.landUnits > cargo.shipsMoved) {
        messages.emplace_back("   Not enough ships!");
    }
    const std::string path = DirectionPath(order);
    if (map.IsSeaMarked(x, y)) {
        messages.emplace_back(
            "   Province is earmarked. These units may move no further by sea this turn!");
        return;
    }
    Walk(state, x, y, MoveKind::SeaMove, path, slots, messages);
}

void CheckRaid(const move::Order& order, CheckState& state, Messages& messages) {
    MoveMap& map = state.map;
    int x = 0;
    int y = 0;
    if (!ReadStart(order, map, x, y, messages)) {
        return;
    }
    if (!IsOwned(state, x, y)) {
        messages.push_back(NotOwnedMessage(order, 2));
        return;
    }
    if (map.IsIsolated(x, y)) {
        messages.emplace_back(IsolatedMessage);
        return;
    }
    const TroopSlots slots = ReadTroops(order, order.TroopsBegin(), EndsRaidTroops,
                                        MoveKind::RaidMove, map, x, y, messages);
    Walk(state, x, y, MoveKind::RaidMove, DirectionPath(order), slots, messages);
}

void CheckLandMove(const move::Order& order, CheckState& state, Messages& messages) {
    MoveMap& map = state.map;
    int x = 0;
    int y = 0;
    if (!ReadStart(order, map, x, y, messages)) {
        return;
    }
    const bool atSea = map.GetTerrain(x, y) == report::Terrain::Sea;
    if (!IsOwned(state, x, y) && !atSea) {
        // A foreign start province is reported, but the troops are still tested and moved.
        messages.push_back(NotOwnedMessage(order, 2));
    } else if (IsolationHoldsTroops(map, x, y)) {
        messages.emplace_back(IsolatedMessage);
        return;
    }
    const TroopSlots slots = ReadTroops(order, order.TroopsBegin(), EndsLandTroops,
                                        MoveKind::LandMove, map, x, y, messages);
    const std::string path = DirectionPath(order);
    if (map.IsLandMarked(x, y)) {
        messages.emplace_back(
            "   Province is earmarked. These units may move no further over land this turn!");
        return;
    }
    const WalkEnd end = Walk(state, x, y, MoveKind::LandMove, path, slots, messages);
    // The troops stay in the sea province they stepped into; the steps after it are lost.
    const int steps = order.Size() + 1 - PathBegin(order);
    if (end.result == PathResult::PathEnteredSea && end.steps < steps) {
        messages.push_back(move::SeaEndMessage(end.at.x, end.at.y));
    }
}

} // namespace orv::check
