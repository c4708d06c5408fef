#pragma once
// The rules for the orders that move troops: by sea, raid and over land. Each checks the
// start province and the troop list against the troops present, then lets WalkPath carry
// the movement so later orders see the troops at their new place.

#include "core/check/check_state.h"
#include "core/check/walk_path.h"
#include "core/move/order.h"

#include <string>
#include <string_view>

namespace orv::check {

void CheckSeaMove(const move::Order& order, CheckState& state, Messages& messages);
void CheckRaid(const move::Order& order, CheckState& state, Messages& messages);
void CheckLandMove(const move::Order& order, CheckState& state, Messages& messages);

// The message a movement of a kind gives for the result of its walk; empty when it gives
// none (a land movement that steps into the sea simply ends there).
std::string_view WalkMessage(MoveKind kind, PathResult result);

// The first word of the path the movement rules walk: going back from the last word, the
// words that begin with E, N, S or W; one past the last word when the last is none.
int PathBegin(const move::Order& order);

// The words of the path from PathBegin on, in line order, joined by single blanks.
std::string DirectionPath(const move::Order& order);

} // namespace orv::check
