// Feeds any bytes as a move to the move check and the current goods, in both display
// forms, against a small map with every kind of province and against the example report.
// The check must leave the map as it found it (no move deltas or placed counters, the
// report's counts untouched) and the move's orders as they were: a raw move line for line,
// a natural move in the raw lines it saves as.
#include "core/check/check_driver.h"
#include "core/check/goods.h"
#include "core/move/move_file.h"
#include "core/report/report_reader.h"
#include "written_lines.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

using orv::move::DisplayForm;
using orv::move::MoveList;
using orv::report::Game;
using orv::report::MaxMapSize;
using orv::report::TMap;

std::unique_ptr<Game> SmallGame() {
    auto game = std::make_unique<Game>();
    game->tribeName = "Vikings";
    orv::report::TribeElem tribe;
    tribe.name = "Vikings";
    tribe.figures[0] = 40;
    tribe.figures[1] = 20;
    game->tribes.push_back(tribe);
    game->currentTribe = 0;
    game->options.shipPlacementSetsSeaFlag = true;
    game->options.maxOrdersPerMove = 12;
    TMap& map = game->map;
    map.ClearMap();
    map.width = 6;
    map.height = 5;
    for (int x = 1; x <= 6; ++x) {
        for (int y = 1; y <= 5; ++y) {
            orv::report::Province& p = *map.Cell(x, y);
            p.terrain = static_cast<std::uint8_t>((x * 3 + y * 5) % 14);
            p.owner = (x + y) % 3 == 0 ? "Picts" : "VIKINGS";
            p.homeProvince = x % 2 == 0;
            p.isolated = (x * y) % 7 == 0;
            p.troops = {3, 2, 1, 1, y % 2, 2};
        }
    }
    return game;
}

std::unique_ptr<Game> ExampleGame() {
    auto game = std::make_unique<Game>();
    orv::report::LoadReport(*game, ORV_EXAMPLES_DIR "/turn12.txt");
    game->tribeName = "Vikings";
    orv::report::SelectCurrentTribe(*game);
    if (game->map.width == 0 || !game->currentTribe) {
        std::fprintf(stderr, "the example report did not load\n");
        std::abort();
    }
    return game;
}

// Everything of a province but the earmarks, which a check clears and leaves as set.
bool SameApartFromMarks(const orv::report::Province& a, const orv::report::Province& b) {
    return a.terrain == b.terrain && a.troops == b.troops && a.moveDelta == b.moveDelta &&
           a.placed == b.placed && a.owner == b.owner && a.nameLine == b.nameLine &&
           a.statusLetter == b.statusLetter && a.apostropheMark == b.apostropheMark &&
           a.isolated == b.isolated && a.homeProvince == b.homeProvince;
}

bool SameMap(const TMap& a, const TMap& b) {
    if (a.width != b.width || a.height != b.height) {
        return false;
    }
    for (int x = 1; x <= MaxMapSize; ++x) {
        for (int y = 1; y <= MaxMapSize; ++y) {
            if (!SameApartFromMarks(a.At(x, y), b.At(x, y))) {
                return false;
            }
        }
    }
    return true;
}

// The raw lines a move saves as; empty when a line does not convert.
std::vector<std::string> SavedLines(MoveList move) {
    if (move.form == DisplayForm::Natural && !move.Rebuild(DisplayForm::Raw).empty()) {
        return {};
    }
    return move.lines;
}

bool OrdersKeepTheirWording(const std::vector<std::string>& rawLines) {
    for (const std::string& line : rawLines) {
        if (!orv::fuzz::KeepsItsWording(line)) {
            return false;
        }
    }
    return true;
}

void CheckAgainst(Game& game, const TMap& pristine, std::string_view text) {
    for (const DisplayForm form : {DisplayForm::Raw, DisplayForm::Natural}) {
        MoveList move;
        move.form = form;
        move.fileName = "/moves/m.cmd";
        if (!orv::move::LoadMoveFromText(move, text).Ok()) {
            continue;
        }
        const MoveList before = move;
        const std::vector<std::string> saved = SavedLines(move);
        (void)orv::check::ComputeCurrentGoods(move, game,
                                              static_cast<std::int64_t>(move.lines.size()) - 1);
        const orv::check::CheckResult result = orv::check::CheckMove(move, game);
        if (!SameMap(game.map, pristine)) {
            std::fprintf(stderr, "the check changed the map\n");
            std::abort();
        }
        if (move.form != before.form || move.fileName != before.fileName) {
            std::fprintf(stderr, "the check changed the move's form or name\n");
            std::abort();
        }
        const bool untouched =
            form == DisplayForm::Raw || result.outcome == orv::check::CheckOutcome::NotConvertible;
        if (untouched ? move.lines != before.lines
                      : OrdersKeepTheirWording(saved) && SavedLines(move) != saved) {
            std::fprintf(stderr, "the check changed the move's orders\n");
            std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::unique_ptr<Game> small = SmallGame();
    static const std::unique_ptr<Game> example = ExampleGame();
    static const std::unique_ptr<TMap> smallMap = std::make_unique<TMap>(small->map);
    static const std::unique_ptr<TMap> exampleMap = std::make_unique<TMap>(example->map);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckAgainst(*small, *smallMap, text);
    CheckAgainst(*example, *exampleMap, text);
    return 0;
}
