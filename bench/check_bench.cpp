// Time of checking a long move over a full-size map, beside the time of splitting every
// line of that move into words once. Their ratio is the figure to watch.
#include "core/check/check_driver.h"
#include "core/move/move_list.h"
#include "core/report/game.h"
#include "core/report/tokenizer.h"

#include <array>
#include <benchmark/benchmark.h>
#include <string>

namespace {

using orv::report::TroopKind;

// 50 x 50 provinces, all the user's, sea in every fifth column, troops everywhere.
orv::report::Game FullSizeGame() {
    orv::report::Game game;
    game.tribeName = "Vikings";
    orv::report::TribeElem tribe;
    tribe.name = "Vikings";
    tribe.figures[0] = 50000;
    tribe.figures[1] = 50000;
    game.tribes.push_back(tribe);
    game.currentTribe = 0;
    orv::report::TMap& map = game.map;
    map.ClearMap();
    map.width = 50;
    map.height = 50;
    for (int x = 1; x <= 50; ++x) {
        for (int y = 1; y <= 50; ++y) {
            orv::report::Province& p = *map.Cell(x, y);
            p.terrain = x % 5 == 0 ? orv::report::SeaTerrain : static_cast<std::uint8_t>(y % 13);
            p.owner = "VIKINGS";
            p.homeProvince = true;
            p.isolated = (x * y) % 17 == 0;
            for (const TroopKind kind : {orv::report::FootSoldiers, orv::report::Bowmen,
                                         orv::report::Horsemen, orv::report::Ships}) {
                p.troops[kind] = 20;
            }
            p.troops[orv::report::Generals] = 1;
        }
    }
    return game;
}

// Orders of every kind spread over the map; a few of them are faulty.
orv::move::MoveList LongMove(std::size_t orders) {
    orv::move::MoveList move;
    move.form = orv::move::DisplayForm::Raw;
    move.lines = {"BEGIN"};
    for (std::size_t i = 0; i < orders; ++i) {
        const int x = 1 + static_cast<int>(i * 7 % 50);
        const int y = 1 + static_cast<int>(i * 11 % 50);
        const std::string at = std::to_string(x) + " " + std::to_string(y);
        const std::string next = std::to_string(x % 50 + 1) + " " + std::to_string(y);
        switch (i % 9) {
        case 0:
            move.lines.push_back("PLA " + at + " FO " + next + " SH");
            break;
        case 1:
            move.lines.push_back("LAND " + at + " P HO 2 FO 3 E S");
            break;
        case 2:
            move.lines.push_back("SEA " + at + " SH 2 FO 2 N W");
            break;
        case 3:
            move.lines.push_back("RAID " + at + " AT N");
            break;
        case 4:
            move.lines.push_back("DEF " + at + " F " + next + " T");
            break;
        case 5:
            move.lines.push_back("ESP " + at + " 51 3");
            break;
        case 6:
            move.lines.push_back("NAME " + at + " New Haven upon Trent");
            break;
        case 7:
            move.lines.push_back("CEDE " + at + " 2");
            break;
        default:
            move.lines.push_back("LAND " + at + " FO 1 BO 1 GE 1 N N N");
            break;
        }
    }
    move.lines.emplace_back("END");
    return move;
}

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
