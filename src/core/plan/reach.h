#pragma once
// Planning a movement on the map: every province a group of troops can reach this turn from
// its province, as the move check sees the map when it comes to a line of the move (the
// troops moved, placed and earmarked by the orders above it), and the cheapest path to one
// of them, written as the order writes its path. The check's own rules and walk decide, so
// a planned order never gets a message of the check about its path.
//
// To plan the order at list line L: ReachOf(game, move, L, movement) (the orders 1 to L - 1
// count), then CheapestPath(reach, x, y) for the province chosen and MovementOrder(movement,
// path.directions) for the line. Many plans at one line share check::StateAtLine(move,
// game, L) and ReachOf(game, state, movement).

#include "core/check/check_driver.h"
#include "core/check/walk_path.h"
#include "core/move/catalogue.h"
#include "core/move/move_list.h"
#include "core/report/game.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv::plan {

// A movement order without its path.
struct Movement {
    check::MoveKind kind = check::MoveKind::LandMove;
    int x = 0; // the province the troops leave
    int y = 0;
    std::string tactic; // LAND only: the one-letter tactic code, or empty
    // As the order lists them: unit code and count, or "AT" (count unused) for all troops;
    // a slot with an empty unit is left out.
    check::TroopSlots troops;
};

// The command that makes a movement of the kind.
move::CommandKind CommandOf(check::MoveKind kind);

// The raw order line of the movement along path ("N N E"; empty: no direction words).
std::string MovementOrder(const Movement& movement, std::string_view path);

struct ReachCell {
    int cost = -1; // move points the cheapest path spends; -1: not reachable
    int steps = 0; // its direction words
    char last = 0; // its last direction, 'N', 'E', 'S' or 'W'; 0 at the start
    // The walk ends on entering it (a land movement stepping into the sea): the path ends
    // here, and a later order carries the troops on.
    bool ends = false;
};

// A coast province that troops carried by the ships can land on with a LAND order from a
// sea province the ships reach.
struct Landing {
    check::MapPoint at;
    check::MapPoint from; // the cheapest such sea province
    char direction = 0;   // the step from there
};

struct PlannedPath {
    std::string directions; // as the order writes them: "N E E"
    int cost = 0;           // move points spent
    int steps = 0;
    std::vector<check::MapPoint> points; // the start, then every province entered
};

class Reach {
  public:
    check::MoveKind kind = check::MoveKind::LandMove;
    check::MapPoint start;
    int budget = 0; // the move points the walk starts with
    // False when the rules refuse the order before walking it (the start province off the
    // map, isolated or earmarked, a sea movement without ships): nothing is reachable.
    bool walks = false;
    // What the check says about the order whatever its path (troops missing, a foreign
    // start province, ...), each with its three-blank indent.
    check::Messages orderMessages;
    std::vector<Landing> landings; // sea movements only

    int Width() const { return width_; }
    int Height() const { return height_; }
    // An unreachable cell off the map. The start has cost 0 and no steps.
    const ReachCell& At(int x, int y) const;
    bool Reachable(int x, int y) const { return At(x, y).cost >= 0; }
    // Every reachable province, the start included, cheapest first.
    std::vector<check::MapPoint> Provinces() const;

  private:
    friend Reach ReachOf(const report::Game&, const check::LineState&, const Movement&);
    friend std::optional<PlannedPath> CheapestPath(const Reach&, int, int);
    int Index(int x, int y) const;
    check::MapPoint Point(int index) const { return {index % width_ + 1, index / width_ + 1}; }

    int width_ = 0;
    int height_ = 0;
    std::vector<ReachCell> cells_;
    std::vector<int> parent_; // the province the cheapest path comes from; -1 at the start
    std::vector<int> order_;  // the reachable provinces, cheapest first
};

// The reach of the movement from the state the check meets at a line of the move.
Reach ReachOf(const report::Game& game, const check::LineState& state, const Movement& movement);
// The same for line of move: the orders above it count.
Reach ReachOf(const report::Game& game, const move::MoveList& move, std::size_t line,
              const Movement& movement);

// The cheapest path to a reachable province: fewest move points, then fewest steps, then
// the first in direction order, comparing the directions one by one with N < E < S < W.
// None for a province out of reach; the empty path for the start.
std::optional<PlannedPath> CheapestPath(const Reach& reach, int x, int y);

} // namespace orv::plan
