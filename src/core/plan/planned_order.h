#pragma once
// Between the map's planning and the move: the movement a command dialog's fields describe,
// an order of the move given a new path to another province, the cheapest its troops can
// walk there from the state the check meets at its line, and the commands a province's
// menu offers.

#include "core/edit/order_fields.h"
#include "core/move/catalogue.h"
#include "core/move/move_list.h"
#include "core/plan/reach.h"
#include "core/report/game.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace orv::plan {

// The movement kind of a command; none for a command that moves no troops.
std::optional<check::MoveKind> MoveKindOf(move::CommandKind kind);

// The movement of a movement dialog's fields without their path, its troops as the order
// composed from them lists them; none when the kind moves no troops or the start, or a
// count given, is no number as the check reads numbers.
std::optional<Movement> MovementOf(move::CommandKind kind, const edit::MovementFields& fields);

// A movement order of the move read back: its command, its dialog's fields and its movement.
struct MovementLine {
    move::CommandKind kind = move::CommandKind::MoveThroughLand;
    edit::MovementFields fields;
    Movement movement;
};

// The movement order at line of move; none for a line that is no order, whose order is no
// movement with a start of two numbers, or has words its dialog has no field for.
std::optional<MovementLine> MovementAtLine(const move::MoveList& move, std::size_t line);

// The movement order at line of move along the cheapest path to (x, y), as its raw line:
// its words up to the path as they are, then the new path. None when the line is no
// movement, (x, y) is its own start or out of its reach.
std::optional<std::string> Repathed(const report::Game& game, const move::MoveList& move,
                                    std::size_t line, int x, int y);

// The commands that fit a province, each to be opened with it filled in, in this order:
// the movements from an own province with land units (ships for the sea), then placing,
// defending, naming, changing its terrain (while the game takes BUILD orders) and ceding an
// own land province; spying on a land province not the user's. None off the map.
std::vector<move::CommandKind> ProvinceCommands(const report::Game& game, int x, int y);

} // namespace orv::plan
