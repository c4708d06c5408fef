#pragma once
// Builds a move list from its lines for the tests of the move, the checker and the editing
// operations, in the display form the lines are written in.

#include "core/move/move_list.h"

#include <string>
#include <utility>
#include <vector>

namespace orv::move::testing {

inline MoveList Move(std::vector<std::string> lines, DisplayForm form = DisplayForm::Natural) {
    MoveList move;
    move.lines = std::move(lines);
    move.form = form;
    return move;
}

inline MoveList RawMove(std::vector<std::string> lines) {
    return Move(std::move(lines), DisplayForm::Raw);
}

} // namespace orv::move::testing
