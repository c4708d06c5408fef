// Time of planning a movement on a full-size map: the reach of a group of troops and the
// cheapest path to the farthest province it reaches, for a start anywhere on the map, and
// the threats of the foreign armies of a whole map. A plan has to follow the pointer.
#include "core/plan/reach.h"
#include "core/plan/threat.h"
#include "full_size_game.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

using orv::check::MoveKind;
using orv::plan::Movement;

// One start after the other over every province, each planned to its farthest reach.
void PlanEverywhere(benchmark::State& state, const orv::report::Game& game, Movement movement) {
    const orv::check::LineState above =
        orv::check::StateAtLine(orv::bench::LongMove(200), game, 201);
    int province = 0;
    for (auto _ : state) {
        movement.x = 1 + province % 50;
        movement.y = 1 + province / 50 % 50;
        ++province;
        const orv::plan::Reach reach = orv::plan::ReachOf(game, above, movement);
        const std::vector<orv::check::MapPoint> reached = reach.Provinces();
        if (!reached.empty()) {
            benchmark::DoNotOptimize(
                orv::plan::CheapestPath(reach, reached.back().x, reached.back().y));
        }
    }
}

void BM_PlanLandMove(benchmark::State& state) {
    const auto game = std::make_unique<orv::report::Game>(orv::bench::FullSizeGame());
    PlanEverywhere(state, *game, {MoveKind::LandMove, 0, 0, "", {{{"GE", 1}, {"HO", 5}, {}}}});
}
BENCHMARK(BM_PlanLandMove)->Unit(benchmark::kMicrosecond);

// Open sea all round: the ships' ten move points reach the most provinces.
void BM_PlanSeaMoveOnOpenSea(benchmark::State& state) {
    const auto game = std::make_unique<orv::report::Game>(orv::bench::FullSizeGame());
    for (int x = 1; x <= 50; ++x) {
        for (int y = 1; y <= 50; ++y) {
            game->map.Cell(x, y)->terrain = orv::report::Terrain::Sea;
        }
    }
    PlanEverywhere(state, *game, {MoveKind::SeaMove, 0, 0, "", {{{"SH", 2}, {"FO", 2}, {}}}});
}
BENCHMARK(BM_PlanSeaMoveOnOpenSea)->Unit(benchmark::kMicrosecond);

// The state a plan starts from: the check of the orders above the line.
void BM_StateAtLine(benchmark::State& state) {
    const auto game = std::make_unique<orv::report::Game>(orv::bench::FullSizeGame());
    const orv::move::MoveList move = orv::bench::LongMove(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(orv::check::StateAtLine(move, *game, move.EndLineIndex()));
    }
}
BENCHMARK(BM_StateAtLine)->Arg(200)->Arg(9999)->Unit(benchmark::kMicrosecond);

// Half the map foreign, troops and ships everywhere: 1250 armies.
void BM_Threats(benchmark::State& state) {
    const auto game = std::make_unique<orv::report::Game>(orv::bench::FullSizeGame());
    for (int x = 26; x <= 50; ++x) {
        for (int y = 1; y <= 50; ++y) {
            game->map.Cell(x, y)->owner = "DANES";
        }
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(orv::plan::Threats(*game));
    }
}
BENCHMARK(BM_Threats)->Unit(benchmark::kMillisecond);

} // namespace
