#pragma once
// The rules for the orders that move troops: by sea, raid and over land. Each checks the
// start province and the troop list against the troops present, then lets WalkPath carry
// the movement so later orders see the troops at their new place.

#include "core/check/check_state.h"
#include "core/check/walk_path.h"
#include "core/move/words.h"

#include <string>
#include <string_view>

namespace orv::check {

void CheckSeaMove(const LineWords& words, CheckState& state, Messages& messages);
void CheckRaid(const LineWords& words, CheckState& state, Messages& messages);
void CheckLandMove(const LineWords& words, CheckState& state, Messages& messages);

// The message a movement of a kind gives for the result of its walk; empty when it gives
// none (a land movement that steps into the sea simply ends there).
std::string_view WalkMessage(MoveKind kind, PathResult result);

// The direction words at the end of the line (each beginning with E, N, S or W), in line
// order, joined by single blanks; empty when the last word is none.
std::string DirectionPath(const LineWords& words);

} // namespace orv::check
