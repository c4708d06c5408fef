// Feeds any bytes as a move to the move check and the current goods, in both display
// forms, over a small map with every kind of province; the map must hold no move state
// afterwards.
#include "core/check/check_driver.h"
#include "core/check/goods.h"
#include "core/move/move_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::unique_ptr<orv::report::Game> SmallGame() {
    auto game = std::make_unique<orv::report::Game>();
    game->tribeName = "Vikings";
    orv::report::TribeElem tribe;
    tribe.name = "Vikings";
    tribe.figures[0] = 40;
    tribe.figures[1] = 20;
    game->tribes.push_back(tribe);
    game->currentTribe = 0;
    game->options.shipPlacementSetsSeaFlag = true;
    game->options.maxOrdersPerMove = 12;
    orv::report::TMap& map = game->map;
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

bool HoldsMoveState(const orv::report::TMap& map) {
    for (int x = 1; x <= orv::report::MaxMapSize; ++x) {
        for (int y = 1; y <= orv::report::MaxMapSize; ++y) {
            const orv::report::Province& p = map.At(x, y);
            for (int k = 0; k < orv::report::TroopKinds; ++k) {
                if (p.moveDelta[static_cast<std::size_t>(k)] != 0 ||
                    p.placed[static_cast<std::size_t>(k)] != 0) {
                    return true;
                }
            }
        }
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    auto game = SmallGame();
    for (const auto form : {orv::move::DisplayForm::Raw, orv::move::DisplayForm::Natural}) {
        orv::move::MoveList move;
        move.form = form;
        if (!orv::move::LoadMoveFromText(move, text).Ok()) {
            continue;
        }
        const std::vector<std::string> before = move.lines;
        (void)orv::check::ComputeCurrentGoods(move, *game,
                                              static_cast<std::int64_t>(move.lines.size()) - 1);
        (void)orv::check::CheckMove(move, *game);
        if (HoldsMoveState(game->map) ||
            (form == orv::move::DisplayForm::Raw && move.lines != before)) {
            std::abort();
        }
    }
    return 0;
}
