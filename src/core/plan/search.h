#pragma once
// The search under every plan of a movement: the provinces a walk of the check can end in
// within its move points, cheapest first, found step by step with the walk's own steps and
// budget test, so a plan never disagrees with the check.

#include "core/check/move_map.h"
#include "core/check/walk_path.h"

#include <array>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace orv::plan {

// The directions in the order that breaks ties between equally cheap paths.
inline constexpr std::string_view Directions = "NESW";

// What the search knows of a province it reached.
struct Label {
    int cost = 0;      // move points spent on the way, fewest first
    int steps = 0;     // direction words, fewest among the cheapest
    bool ends = false; // entering it ends the walk: no step goes on from it
    // Per direction of Directions, the province an equally good last step in that direction
    // comes from (a grid index), or -1.
    std::array<int, 4> from{-1, -1, -1, -1};
};

class Search {
  public:
    // The grid of a map of width x height provinces (each cut to the 50 x 50 grid).
    Search(const check::MoveMap& map, int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Cells() const { return width_ * height_; }
    // The grid index of a province; -1 off the grid.
    int Index(int x, int y) const;
    check::MapPoint Point(int index) const;

    // Finds every province a walk of the kind with budget move points can end in without a
    // message of the check about its path, from any of the sources (grid indexes).
    void Run(check::MoveKind kind, int budget, std::span<const int> sources);
    // The provinces of the last run in the order they were settled: cheapest first.
    const std::vector<int>& Reached() const { return reached_; }
    // nullptr when the last run did not reach the province.
    const Label* At(int index) const;

  private:
    struct Entry {
        int cost;
        int steps;
        int index;
    };
    static bool Later(const Entry& a, const Entry& b) {
        return std::pair(a.cost, a.steps) > std::pair(b.cost, b.steps);
    }
    void Offer(int index, int cost, int steps, bool ends, int direction, int from);

    const check::MoveMap& map_;
    int width_;
    int height_;
    unsigned run_ = 0;
    std::vector<unsigned> seen_; // the run that last labelled each province
    std::vector<Label> labels_;
    std::vector<int> reached_;
    std::vector<Entry> heap_;
};

} // namespace orv::plan
