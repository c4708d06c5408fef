#pragma once
// What the order rules of one move check share: the map they read and book into, the game
// options, the user's tribe key and the provinces that received land units. Also the
// province tests that several rules apply in the same way.

#include "core/check/move_map.h"
#include "core/move/order.h"
#include "core/report/game.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace orv::check {

struct PathTrace;

// The (x, y) pairs of every land unit placed so far in the move, as numbers read from
// the orders (also illegal ones).
class PlacedLandUnits {
  public:
    bool Contains(std::int32_t x, std::int32_t y) const { return pairs_.contains(Key(x, y)); }
    void Append(std::int32_t x, std::int32_t y) { pairs_.insert(Key(x, y)); }
    void Clear() { pairs_.clear(); }

  private:
    static std::uint64_t Key(std::int32_t x, std::int32_t y) {
        return (std::uint64_t{static_cast<std::uint32_t>(x)} << 32) | static_cast<std::uint32_t>(y);
    }
    std::unordered_set<std::uint64_t> pairs_;
};

struct CheckState {
    MoveMap map;
    const report::GameOptions& options;
    std::string tribeKey; // see TribeKey
    PlacedLandUnits placedLandUnits;
    std::vector<PathTrace>* traces = nullptr; // when given, every walk appends its path
};

// The messages one order gives; each becomes an entry of the check report.
using Messages = std::vector<std::string>;

inline constexpr std::string_view IllegalCoordinatesMessage = "   Illegal province coordinates!";
inline constexpr std::string_view IsolatedMessage = "   Province is isolated!";

// The first nine characters of the tribe name in upper case: what an owned province's
// owner reads.
std::string TribeKey(std::string_view tribeName);

bool IsOwned(const CheckState& state, int x, int y);

// Isolated, unless the province is a town terrain.
bool IsIsolatedOutsideTown(const MoveMap& map, int x, int y);

// Isolated, unless a general stands there or it is a town terrain: troops cannot march or
// sail out of it.
bool IsolationHoldsTroops(const MoveMap& map, int x, int y);

// The x word and the y word at k and k + 1 as written, joined by "/".
std::string ProvinceText(const move::Order& order, int k);

// "   You don't own province x/y!" for the words at k and k + 1.
std::string NotOwnedMessage(const move::Order& order, int k);

} // namespace orv::check
