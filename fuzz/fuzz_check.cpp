// Feeds any bytes as a move to the move check and the current goods, in both display
// forms, against a small map with every kind of province and against the example report.
// The check only reads the game and the move (the compiler holds it to that); what it
// finds must not depend on the form the move is shown in, and the goods it ends with are
// those the goods display shows for the last line.
#include "core/check/check_driver.h"
#include "core/check/goods.h"
#include "core/move/move_file.h"
#include "core/report/report_reader.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace {

using orv::move::DisplayForm;
using orv::move::MoveList;
using orv::report::Game;
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
            p.terrain = static_cast<orv::report::Terrain>((x * 3 + y * 5) % 14);
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

bool SameFindings(const orv::check::CheckResult& a, const orv::check::CheckResult& b) {
    if (a.outcome != b.outcome || a.findings.size() != b.findings.size() || a.traces != b.traces ||
        a.changes != b.changes || a.goods != b.goods) {
        return false;
    }
    for (std::size_t f = 0; f < a.findings.size(); ++f) {
        if (a.findings[f].line != b.findings[f].line ||
            a.findings[f].messages != b.findings[f].messages) {
            return false;
        }
    }
    return true;
}

void CheckAgainst(const Game& game, std::string_view text) {
    MoveList move;
    move.form = DisplayForm::Raw;
    if (!orv::move::LoadMoveFromText(move, text).Ok()) {
        return;
    }
    const orv::check::CheckResult raw = orv::check::CheckMove(move, game);
    move.form = DisplayForm::Natural;
    const orv::check::CheckResult natural = orv::check::CheckMove(move, game);
    if (!SameFindings(raw, natural)) {
        std::fprintf(stderr, "the check depends on the display form\n");
        std::abort();
    }
    const auto last = static_cast<std::int64_t>(move.Size()) - 1;
    if (orv::check::ComputeCurrentGoods(move, game, last) != raw.goods) {
        std::fprintf(stderr, "the check and the goods display disagree\n");
        std::abort();
    }
    (void)orv::check::CheckReportText(raw);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::unique_ptr<Game> small = SmallGame();
    static const std::unique_ptr<Game> example = ExampleGame();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckAgainst(*small, text);
    CheckAgainst(*example, text);
    return 0;
}
