#pragma once
// Between the map's planning and the move: the movement a command dialog's fields describe,
// and an order of the move given a new path to another province, the cheapest its troops
// can walk there from the state the check meets at its line.

#include "core/edit/order_fields.h"
#include "core/move/catalogue.h"
#include "core/move/move_list.h"
#include "core/plan/reach.h"
#include "core/report/game.h"

#include <cstddef>
#include <optional>
#include <string>

namespace orv::plan {

// The command of a movement kind, and back; none for a command that moves no troops.
move::CommandKind CommandOf(check::MoveKind kind);
std::optional<check::MoveKind> MoveKindOf(move::CommandKind kind);

// The movement of a movement dialog's fields without their path, its troops as the order
// composed from them lists them; none when the kind moves no troops or the start, or a
// count given, is no number.
std::optional<Movement> MovementOf(move::CommandKind kind, const edit::MovementFields& fields);

// The movement order at line of move along the cheapest path to (x, y), as its raw line:
// its words up to the path as they are, then the new path. None when the line is no
// movement, (x, y) is its own start or out of its reach.
std::optional<std::string> Repathed(const report::Game& game, const move::MoveList& move,
                                    std::size_t line, int x, int y);

} // namespace orv::plan
