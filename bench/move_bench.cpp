// Time of reading a long move (every order converted both ways and compared) and of
// writing it out again.
#include "core/move/move_file.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>

namespace {

std::string LongMoveText(std::size_t orders) {
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
    std::string text = "BEGIN\r\n";
    for (std::size_t i = 0; i < orders; ++i) {
        text += samples[i % samples.size()];
        text += "\r\n";
    }
    text += "END\r\n";
    return text;
}

// Reads the text as a move, again and again; `lines` orders a round.
void ReadRounds(benchmark::State& state, const std::string& text, std::int64_t lines) {
    for (auto _ : state) {
        orv::move::MoveList move;
        benchmark::DoNotOptimize(orv::move::LoadMoveFromText(move, text));
    }
    state.SetItemsProcessed(state.iterations() * lines);
}

void BM_ReadLongMove(benchmark::State& state) {
    ReadRounds(state, LongMoveText(static_cast<std::size_t>(state.range(0))), state.range(0));
}
BENCHMARK(BM_ReadLongMove)->Arg(10000)->Unit(benchmark::kMillisecond);

// Orders as a hand writes them: other letter case and blanks, which a load puts right.
void BM_ReadHandWrittenMove(benchmark::State& state) {
    std::string text = "BEGIN\r\n";
    for (std::int64_t i = 0; i < state.range(0); ++i) {
        text += i % 2 == 0 ? "land  12 7 p ho 4 ge 1 s\r\n" : "pla 12 7 fo 13 7 ca\r\n";
    }
    text += "END\r\n";
    ReadRounds(state, text, state.range(0));
}
BENCHMARK(BM_ReadHandWrittenMove)->Arg(10000)->Unit(benchmark::kMillisecond);

// One order ending in a long run of quotes: each pair is a word whose run reaches to the
// end of the line, which must not make the reading quadratic.
void BM_ReadQuoteRun(benchmark::State& state) {
    const std::string text = "BEGIN\r\nNAME 3 4 " +
                             std::string(static_cast<std::size_t>(state.range(0)), '"') +
                             "\r\nEND\r\n";
    ReadRounds(state, text, 1);
}
BENCHMARK(BM_ReadQuoteRun)->Arg(200000)->Unit(benchmark::kMillisecond);

void BM_WriteLongMove(benchmark::State& state) {
    orv::move::MoveList move;
    orv::move::LoadMoveFromText(move, LongMoveText(static_cast<std::size_t>(state.range(0))));
    for (auto _ : state) {
        benchmark::DoNotOptimize(orv::move::MoveClipboardText(move));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_WriteLongMove)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
