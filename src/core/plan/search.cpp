#include "core/plan/search.h"

#include "core/check/movement_rules.h"
#include "core/report/map_model.h"

#include <algorithm>

namespace orv::plan {

namespace {

int GridSide(int side) {
    return std::clamp(side, 0, report::MaxMapSize);
}

} // namespace

Search::Search(const check::MoveMap& map, int width, int height)
    : map_(map), width_(GridSide(width)), height_(GridSide(height)),
      seen_(static_cast<std::size_t>(Cells()), 0), labels_(static_cast<std::size_t>(Cells())) {}

int Search::Index(int x, int y) const {
    if (x < 1 || y < 1 || x > width_ || y > height_) {
        return -1;
    }
    return (y - 1) * width_ + (x - 1);
}

check::MapPoint Search::Point(int index) const {
    return {index % width_ + 1, index / width_ + 1};
}

const Label* Search::At(int index) const {
    if (index < 0 || index >= Cells() || seen_[static_cast<std::size_t>(index)] != run_) {
        return nullptr;
    }
    return &labels_[static_cast<std::size_t>(index)];
}

void Search::Offer(int index, int cost, int steps, bool ends, int direction, int from) {
    const auto i = static_cast<std::size_t>(index);
    Label& label = labels_[i];
    if (seen_[i] == run_) {
        if (std::pair(cost, steps) > std::pair(label.cost, label.steps)) {
            return;
        }
        if (std::pair(cost, steps) == std::pair(label.cost, label.steps)) {
            label.from[static_cast<std::size_t>(direction)] = from;
            return;
        }
    }
    seen_[i] = run_;
    label = Label{cost, steps, ends, {-1, -1, -1, -1}};
    if (direction >= 0) {
        label.from[static_cast<std::size_t>(direction)] = from;
    }
    heap_.push_back({cost, steps, index});
    std::push_heap(heap_.begin(), heap_.end(), Later);
}

void Search::Run(check::MoveKind kind, int budget, std::span<const int> sources) {
    ++run_;
    reached_.clear();
    heap_.clear();
    for (const int source : sources) {
        if (source >= 0 && source < Cells()) {
            Offer(source, 0, 0, false, -1, -1);
        }
    }
    while (!heap_.empty()) {
        std::pop_heap(heap_.begin(), heap_.end(), Later);
        const Entry entry = heap_.back();
        heap_.pop_back();
        const Label label = labels_[static_cast<std::size_t>(entry.index)];
        if (entry.cost != label.cost || entry.steps != label.steps) {
            continue; // a dearer offer that a cheaper one replaced
        }
        reached_.push_back(entry.index);
        if (label.ends || !check::CanStep(budget - label.cost)) {
            continue;
        }
        const check::MapPoint at = Point(entry.index);
        for (int d = 0; d < static_cast<int>(Directions.size()); ++d) {
            const check::Step step =
                check::TakeStep(map_, at, Directions[static_cast<std::size_t>(d)], kind);
            // A step that ends the walk is an end only where the check says nothing of it.
            if (step.stop && !check::WalkMessage(kind, *step.stop).empty()) {
                continue;
            }
            const int to = Index(step.to.x, step.to.y);
            if (to >= 0) {
                Offer(to, label.cost + step.cost, label.steps + 1, step.stop.has_value(), d,
                      entry.index);
            }
        }
    }
}

} // namespace orv::plan
