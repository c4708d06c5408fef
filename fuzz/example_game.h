#pragma once
// What the fuzz targets that check moves share: the example report as the Vikings, and the
// check of a text as a move, which must not depend on the display form and must agree with
// the goods display.
#include "core/check/check_driver.h"
#include "core/check/goods.h"
#include "core/move/move_file.h"
#include "core/report/report_reader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace orv::fuzzing {

inline std::unique_ptr<report::Game> ExampleGame() {
    auto game = std::make_unique<report::Game>();
    report::LoadReport(*game, ORV_EXAMPLES_DIR "/turn12.txt");
    game->tribeName = "Vikings";
    if (game->map.width == 0 || !report::SelectCurrentTribe(*game)) {
        std::fprintf(stderr, "the example report did not load\n");
        std::abort();
    }
    return game;
}

inline bool SameFindings(const check::CheckResult& a, const check::CheckResult& b) {
    return a.outcome == b.outcome && check::Problems(a) == check::Problems(b) &&
           a.traces == b.traces && a.changes == b.changes && a.goods == b.goods;
}

inline void CheckAsMove(const report::Game& game, std::string_view text) {
    move::MoveList move;
    move.form = move::DisplayForm::Raw;
    if (!move::LoadMoveFromText(move, text).Ok()) {
        return;
    }
    const check::CheckResult raw = check::CheckMove(move, game);
    move.form = move::DisplayForm::Natural;
    if (!SameFindings(raw, check::CheckMove(move, game))) {
        std::fprintf(stderr, "the check depends on the display form\n");
        std::abort();
    }
    const auto last = static_cast<std::int64_t>(move.Size()) - 1;
    if (check::ComputeCurrentGoods(move, game, last) != raw.goods) {
        std::fprintf(stderr, "the check and the goods display disagree\n");
        std::abort();
    }
    (void)check::CheckReportText(raw);
}

} // namespace orv::fuzzing
