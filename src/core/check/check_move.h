#pragma once
// "Check Move" over the move document as the user sees it: the lines are checked in raw
// form and quoted in the form on display. The move itself is never changed.

#include "core/check/check_driver.h"
#include "core/move/move_list.h"
#include "core/report/game.h"

namespace orv::check {

// Checks the move against the game state. A line that has no raw form ends the check with
// NotConvertible and the unrecognised-command message as report; the move stays as it was.
CheckResult CheckMove(const move::MoveList& move, report::Game& game);

} // namespace orv::check
