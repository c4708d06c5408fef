#include "core/plan/threat.h"

#include "core/check/check_state.h"
#include "core/plan/search.h"

#include <algorithm>

namespace orv::plan {

namespace {

using check::MoveKind;

struct Kind {
    report::TroopKind kind;
    const char* code;
};

constexpr Kind landKinds[] = {{report::FootSoldiers, "FO"},
                              {report::Bowmen, "BO"},
                              {report::Horsemen, "HO"},
                              {report::Generals, "GE"}};

// The most move points a part of the army's troops starts a LAND walk with: all of them, or
// one kind alone.
int BestLandBudget(const check::MoveMap& map, int x, int y) {
    int best = check::StartBudget(map, x, y, MoveKind::LandMove, {{{"AT", 0}, {}, {}}});
    for (const Kind& kind : landKinds) {
        const std::int32_t count = check::TroopsIn(map, x, y, kind.kind);
        if (count > 0) {
            best = std::max(best, check::StartBudget(map, x, y, MoveKind::LandMove,
                                                     {{{kind.code, count}, {}, {}}}));
        }
    }
    return best;
}

std::int32_t LandUnits(const check::MoveMap& map, int x, int y) {
    std::int64_t units = 0;
    for (const Kind& kind : landKinds) {
        units += std::max(0, check::TroopsIn(map, x, y, kind.kind));
    }
    return report::SaturatingAdd(0, units);
}

} // namespace

int ThreatMap::Index(int x, int y) const {
    if (x < 1 || y < 1 || x > width_ || y > height_) {
        return -1;
    }
    return (y - 1) * width_ + (x - 1);
}

std::span<const std::uint16_t> ThreatMap::ArmiesAt(int x, int y) const {
    const int i = Index(x, y);
    if (i < 0) {
        return {};
    }
    const auto at = static_cast<std::size_t>(i);
    return std::span(entries_).subspan(begin_[at], begin_[at + 1] - begin_[at]);
}

std::int64_t ThreatMap::TroopsAt(int x, int y) const {
    const int i = Index(x, y);
    return i < 0 ? 0 : troops_[static_cast<std::size_t>(i)];
}

ThreatMap Threats(const report::Game& game) {
    check::MoveChanges none;
    const check::MoveMap map(game.map, none);
    Search search(map, game.map.width, game.map.height);
    ThreatMap threats;
    threats.width_ = search.Width();
    threats.height_ = search.Height();
    const auto cells = static_cast<std::size_t>(search.Cells());
    const std::string tribeKey = check::TribeKey(game.tribeName);

    // (province, army) for every strike, each once.
    std::vector<std::pair<int, std::uint16_t>> strikes;
    std::vector<int> struckBy(cells, -1);
    const auto strike = [&](int army, int start) {
        for (const int i : search.Reached()) {
            const Label& label = *search.At(i);
            if (label.steps > 0 && !label.ends && i != start &&
                struckBy[static_cast<std::size_t>(i)] != army) {
                struckBy[static_cast<std::size_t>(i)] = army;
                strikes.emplace_back(i, static_cast<std::uint16_t>(army));
            }
        }
    };
    std::vector<int> seaSources;
    for (int start = 0; start < search.Cells(); ++start) {
        const auto [x, y] = search.Point(start);
        const std::string owner = map.GetOwner(x, y);
        const std::int32_t units = LandUnits(map, x, y);
        if (owner.empty() || owner == tribeKey || units == 0) {
            continue;
        }
        const int army = static_cast<int>(threats.armies_.size());
        threats.armies_.push_back({{x, y}, units});
        if (check::IsolationHoldsTroops(map, x, y)) {
            continue;
        }
        const int budget = BestLandBudget(map, x, y);
        const int sources[] = {start};
        search.Run(MoveKind::LandMove, budget, sources);
        strike(army, start);
        const std::int32_t ships = map.GetShips(x, y);
        if (ships > 0) {
            search.Run(MoveKind::SeaMove,
                       check::StartBudget(map, x, y, MoveKind::SeaMove, {{{"SH", ships}, {}, {}}}),
                       sources);
            seaSources.clear();
            for (const int i : search.Reached()) {
                if (search.At(i)->steps > 0) {
                    seaSources.push_back(i);
                }
            }
            search.Run(MoveKind::LandMove, budget, seaSources);
            strike(army, start);
        }
    }

    // Grouped by province, the armies in their order.
    threats.begin_.assign(cells + 1, 0);
    threats.troops_.assign(cells, 0);
    for (const auto& [province, army] : strikes) {
        ++threats.begin_[static_cast<std::size_t>(province) + 1];
        threats.troops_[static_cast<std::size_t>(province)] += threats.armies_[army].troops;
    }
    for (std::size_t i = 0; i < cells; ++i) {
        threats.begin_[i + 1] += threats.begin_[i];
    }
    threats.entries_.resize(strikes.size());
    std::vector<std::size_t> next(threats.begin_.begin(), threats.begin_.end() - 1);
    for (const auto& [province, army] : strikes) {
        threats.entries_[next[static_cast<std::size_t>(province)]++] = army;
    }
    return threats;
}

} // namespace orv::plan
