#include "core/plan/reach.h"

#include "core/check/movement_rules.h"
#include "core/move/catalogue.h"
#include "core/plan/search.h"

#include <algorithm>
#include <limits>
#include <tuple>
#include <utility>

namespace orv::plan {

namespace {

using check::MapPoint;
using check::MoveKind;

// Grid indexes are ints, with -1 for none.
constexpr std::size_t U(int index) {
    return static_cast<std::size_t>(index);
}

// What the check says about the order whatever its path, and the move points its walk starts
// with (none when the rules refuse it before walking). The rules run on a copy of the state
// with a path of one step, so that the troop list reads as it does before any path; they
// book it into scratch, a copy of the state.
struct Probe {
    check::Messages messages;
    std::optional<int> budget;
};

Probe ProbeOrder(const report::Game& game, check::LineState& scratch, const Movement& movement) {
    std::vector<check::PathTrace> traces;
    check::CheckState checkState{check::MoveMap(game.map, scratch.changes), game.options,
                                 check::TribeKey(game.tribeName),
                                 std::move(scratch.placedLandUnits), &traces};
    const move::Order order(MovementOrder(movement, "N"));
    Probe probe{check::GrammarMessages(order, check::GrammarContextOf(game)), std::nullopt};
    check::CheckOrder(order, checkState, probe.messages);
    if (!traces.empty()) {
        probe.budget = traces.front().pointsLeft.front();
        // The walk's message comes last; the probe's own step belongs to no plan.
        if (!check::WalkMessage(movement.kind, traces.front().result).empty()) {
            probe.messages.pop_back();
        }
    }
    return probe;
}

// Level by level of steps, a province's first cheapest path is the first of its parents'
// paths followed by one direction: its place among the paths of its level follows from its
// parent's place and the direction. Sets the parent and the last direction of each reached
// province and returns the places.
std::vector<int> ChooseFirstPaths(const Search& search, std::vector<int>& parent,
                                  std::vector<ReachCell>& cells) {
    std::vector<std::vector<int>> levels;
    for (const int i : search.Reached()) {
        const std::size_t steps = U(search.At(i)->steps);
        levels.resize(std::max(levels.size(), steps + 1));
        levels[steps].push_back(i);
    }
    std::vector<int> rank(U(search.Cells()), 0);
    std::vector<int> key(U(search.Cells()), 0);
    const int ways = static_cast<int>(Directions.size());
    for (std::size_t k = 1; k < levels.size(); ++k) {
        for (const int i : levels[k]) {
            const Label& label = *search.At(i);
            key[U(i)] = std::numeric_limits<int>::max();
            for (int d = 0; d < ways; ++d) {
                const int from = label.from[U(d)];
                if (from >= 0 && rank[U(from)] * ways + d < key[U(i)]) {
                    key[U(i)] = rank[U(from)] * ways + d;
                    parent[U(i)] = from;
                    cells[U(i)].last = Directions[U(d)];
                }
            }
        }
        std::sort(levels[k].begin(), levels[k].end(),
                  [&key](int a, int b) { return key[U(a)] < key[U(b)]; });
        for (std::size_t r = 0; r < levels[k].size(); ++r) {
            rank[U(levels[k][r])] = static_cast<int>(r);
        }
    }
    return rank;
}

// The coast provinces the carried troops land on with a LAND order from a sea province the
// ships reach, each from the cheapest such sea province.
std::vector<Landing> Landings(const check::MoveMap& map, const Search& search, const Reach& reach) {
    std::vector<Landing> landings;
    std::vector<bool> landed(U(search.Cells()), false);
    for (const MapPoint from : reach.Provinces()) {
        if (reach.At(from.x, from.y).steps == 0) {
            continue;
        }
        for (const char d : Directions) {
            const check::Step step = check::TakeStep(map, from, d, MoveKind::LandMove);
            const int to = search.Index(step.to.x, step.to.y);
            if (!step.stop && to >= 0 && !landed[U(to)]) {
                landed[U(to)] = true;
                landings.push_back({step.to, from, d});
            }
        }
    }
    return landings;
}

} // namespace

move::CommandKind CommandOf(MoveKind kind) {
    switch (kind) {
    case MoveKind::SeaMove:
        return move::CommandKind::MoveThroughSea;
    case MoveKind::RaidMove:
        return move::CommandKind::RaidProvince;
    case MoveKind::LandMove:
        break;
    }
    return move::CommandKind::MoveThroughLand;
}

std::string MovementOrder(const Movement& movement, std::string_view path) {
    std::string line(move::InfoOf(CommandOf(movement.kind)).keyword);
    line += ' ' + std::to_string(movement.x) + ' ' + std::to_string(movement.y);
    if (movement.kind == MoveKind::LandMove && !movement.tactic.empty()) {
        line += ' ' + movement.tactic;
    }
    for (const check::TroopSlot& slot : movement.troops) {
        if (slot.unit.empty()) {
            continue;
        }
        line += ' ' + slot.unit;
        if (slot.unit != "AT") {
            line += ' ' + std::to_string(slot.count);
        }
    }
    if (!path.empty()) {
        line += ' ';
        line += path;
    }
    return line;
}

int Reach::Index(int x, int y) const {
    if (x < 1 || y < 1 || x > width_ || y > height_) {
        return -1;
    }
    return (y - 1) * width_ + (x - 1);
}

const ReachCell& Reach::At(int x, int y) const {
    static const ReachCell outside{};
    const int i = Index(x, y);
    return i < 0 ? outside : cells_[U(i)];
}

std::vector<MapPoint> Reach::Provinces() const {
    std::vector<MapPoint> points;
    points.reserve(order_.size());
    for (const int i : order_) {
        points.push_back(Point(i));
    }
    return points;
}

Reach ReachOf(const report::Game& game, const check::LineState& state, const Movement& movement) {
    Reach reach;
    reach.kind = movement.kind;
    reach.start = {movement.x, movement.y};
    check::LineState scratch = state;
    Probe probe = ProbeOrder(game, scratch, movement);
    reach.orderMessages = std::move(probe.messages);
    // The search reads only the terrain.
    const check::MoveMap map(game.map, scratch.changes);
    Search search(map, game.map.width, game.map.height);
    reach.width_ = search.Width();
    reach.height_ = search.Height();
    reach.cells_.assign(U(search.Cells()), ReachCell{});
    reach.parent_.assign(U(search.Cells()), -1);
    const int start = search.Index(movement.x, movement.y);
    if (!probe.budget || start < 0) {
        return reach;
    }
    reach.walks = true;
    reach.budget = *probe.budget;
    const int sources[] = {start};
    search.Run(movement.kind, reach.budget, sources);

    const std::vector<int> rank = ChooseFirstPaths(search, reach.parent_, reach.cells_);
    for (const int i : search.Reached()) {
        const Label& label = *search.At(i);
        ReachCell& cell = reach.cells_[U(i)];
        cell.cost = label.cost;
        cell.steps = label.steps;
        cell.ends = label.ends;
    }
    reach.order_ = search.Reached();
    std::stable_sort(reach.order_.begin(), reach.order_.end(), [&](int a, int b) {
        const ReachCell& ca = reach.cells_[U(a)];
        const ReachCell& cb = reach.cells_[U(b)];
        return std::tuple(ca.cost, ca.steps, rank[U(a)]) <
               std::tuple(cb.cost, cb.steps, rank[U(b)]);
    });
    if (movement.kind == MoveKind::SeaMove) {
        reach.landings = Landings(map, search, reach);
    }
    return reach;
}

Reach ReachOf(const report::Game& game, const move::MoveList& move, std::size_t line,
              const Movement& movement) {
    return ReachOf(game, check::StateAtLine(move, game, line), movement);
}

std::optional<PlannedPath> CheapestPath(const Reach& reach, int x, int y) {
    const int target = reach.Index(x, y);
    if (target < 0 || reach.cells_[U(target)].cost < 0) {
        return std::nullopt;
    }
    const ReachCell& end = reach.cells_[U(target)];
    PlannedPath path{{}, end.cost, end.steps, {}};
    std::string reversed;
    for (int at = target; at >= 0; at = reach.parent_[U(at)]) {
        path.points.push_back(reach.Point(at));
        if (reach.parent_[U(at)] >= 0) {
            reversed += reach.cells_[U(at)].last;
        }
    }
    std::reverse(path.points.begin(), path.points.end());
    for (auto d = reversed.rbegin(); d != reversed.rend(); ++d) {
        if (!path.directions.empty()) {
            path.directions += ' ';
        }
        path.directions += *d;
    }
    return path;
}

} // namespace orv::plan
