// Time of checking a long move over a full-size map, beside the time of splitting every
// line of that move into words once. Their ratio is the figure to watch.
#include "core/check/check_driver.h"
#include "core/move/move_list.h"
#include "core/report/game.h"
#include "core/report/tokenizer.h"
#include "full_size_game.h"

#include <array>
#include <benchmark/benchmark.h>
#include <string>

namespace {

using orv::bench::FullSizeGame;
using orv::bench::LongMove;

void BM_CheckMove(benchmark::State& state) {
    orv::report::Game game = FullSizeGame();
    orv::move::MoveList move = LongMove(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(orv::check::CheckMove(move, game));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CheckMove)->Arg(1000)->Arg(9999)->Unit(benchmark::kMillisecond);

void BM_CheckMoveShownNatural(benchmark::State& state) {
    orv::report::Game game = FullSizeGame();
    orv::move::MoveList move = LongMove(static_cast<std::size_t>(state.range(0)));
    move.Rebuild(orv::move::DisplayForm::Natural);
    for (auto _ : state) {
        benchmark::DoNotOptimize(orv::check::CheckMove(move, game));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CheckMoveShownNatural)->Arg(9999)->Unit(benchmark::kMillisecond);

// The yardstick: every line of the move split into words once.
void BM_TokenizeEveryLine(benchmark::State& state) {
    const orv::move::MoveList move = LongMove(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        int words = 0;
        for (const std::string& line : move.lines) {
            words += orv::report::WordCount(line);
        }
        benchmark::DoNotOptimize(words);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_TokenizeEveryLine)->Arg(1000)->Arg(9999)->Unit(benchmark::kMillisecond);

} // namespace
