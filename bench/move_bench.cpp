// Time of rebuilding a long move between the two display forms.
#include "core/move/move_list.h"

#include <array>
#include <benchmark/benchmark.h>
#include <string>

namespace {

orv::move::MoveList LongRawMove(std::size_t orders) {
    static const std::array<std::string, 8> samples = {
        "LAND 12 7 P HO 4 GE 1 S",
        "SEA 20 5 SH 2 FO 30 E E S",
        "RAID 12 7 HO 6 BO AT N",
        "DEF 12 7 F 13 7 U 14 8 C",
        "ESP 12 7 13 8 14 9",
        "PLA 12 7 FO 13 7 CA 14 8 SH",
        "NAME 12 7 New Haven upon Trent",
        "ALL 3 2",
    };
    orv::move::MoveList move;
    move.form = orv::move::DisplayForm::Raw;
    move.lines = {"BEGIN"};
    for (std::size_t i = 0; i < orders; ++i) {
        move.lines.push_back(samples[i % samples.size()]);
    }
    move.lines.emplace_back("END");
    return move;
}

void BM_RebuildToNaturalAndBack(benchmark::State& state) {
    const orv::move::MoveList start = LongRawMove(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        orv::move::MoveList move = start;
        benchmark::DoNotOptimize(move.Rebuild(orv::move::DisplayForm::Natural));
        benchmark::DoNotOptimize(move.Rebuild(orv::move::DisplayForm::Raw));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RebuildToNaturalAndBack)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
