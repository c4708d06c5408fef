// Feeds any bytes as a move to the move check and the current goods, in both display
// forms, against the example report (every kind of province, own, foreign and isolated).
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

// Everything but the quoted orders, which show each line as the display does.
bool SameFindings(const orv::check::CheckResult& a, const orv::check::CheckResult& b) {
    return a.outcome == b.outcome && orv::check::Problems(a) == orv::check::Problems(b) &&
           a.traces == b.traces && a.changes == b.changes && a.goods == b.goods;
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
    static const std::unique_ptr<Game> example = ExampleGame();
    CheckAgainst(*example, std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
