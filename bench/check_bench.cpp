// Time of checking a long move over a full-size map, beside the time of splitting every
// line of that move into words once; the ratio is the figure to watch. A check has to fit
// one frame so that it can run on every edit.
#include "core/check/check_driver.h"
#include "core/move/move_list.h"
#include "core/report/game.h"
#include "core/report/tokenizer.h"
#include "full_size_game.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>

namespace {

using orv::bench::FullSizeGame;
using orv::bench::LongMove;
using orv::move::DisplayForm;

int TokenizeEveryLine(const orv::move::MoveList& move) {
    int words = 0;
    for (std::size_t i = 0; i < move.Size(); ++i) {
        words += orv::report::WordCount(move.Line(i));
    }
    return words;
}

// Both timed side by side in each iteration; "ratio" is check time / tokenizing time.
void CheckToTokenizeRatio(benchmark::State& state, DisplayForm form) {
    using Clock = std::chrono::steady_clock;
    const auto game = std::make_unique<orv::report::Game>(FullSizeGame());
    orv::move::MoveList move = LongMove(static_cast<std::size_t>(state.range(0)));
    move.form = form;
    Clock::duration tokenize{};
    Clock::duration check{};
    for (auto _ : state) {
        const auto t0 = Clock::now();
        benchmark::DoNotOptimize(TokenizeEveryLine(move));
        const auto t1 = Clock::now();
        benchmark::DoNotOptimize(orv::check::CheckMove(move, *game));
        const auto t2 = Clock::now();
        tokenize += t1 - t0;
        check += t2 - t1;
    }
    state.counters["ratio"] = std::chrono::duration<double>(check).count() /
                              std::chrono::duration<double>(tokenize).count();
    state.counters["check_ms_per_iteration"] =
        std::chrono::duration<double, std::milli>(check).count() /
        static_cast<double>(state.iterations());
}

void BM_CheckRawToTokenizeRatio(benchmark::State& state) {
    CheckToTokenizeRatio(state, DisplayForm::Raw);
}
BENCHMARK(BM_CheckRawToTokenizeRatio)->Arg(1000)->Arg(9999)->Unit(benchmark::kMillisecond);

void BM_CheckNaturalToTokenizeRatio(benchmark::State& state) {
    CheckToTokenizeRatio(state, DisplayForm::Natural);
}
BENCHMARK(BM_CheckNaturalToTokenizeRatio)->Arg(1000)->Arg(9999)->Unit(benchmark::kMillisecond);

} // namespace
