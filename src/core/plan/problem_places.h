#pragma once
// The province each problem of the move check is about, so the map can mark it: where a
// walk failed, the province a message names, or the province of the order's group the
// message belongs to.

#include "core/check/check_driver.h"
#include "core/move/move_list.h"
#include "core/report/game.h"

#include <optional>
#include <vector>

namespace orv::plan {

// One entry per row of check::Problems(result), in its order: the province on the map the
// problem is about, or none (the order limit, the goods, coordinates off the map, words
// after the order, a king's name). result is the check of move against game.
std::vector<std::optional<check::MapPoint>> ProblemProvinces(const report::Game& game,
                                                             const move::MoveList& move,
                                                             const check::CheckResult& result);

} // namespace orv::plan
