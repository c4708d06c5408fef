#pragma once
// The rules for working on the move list directly: where a user's click leaves the
// selection, and moving the selected order up ("-"), down ("+") or deleting it. The
// message block after "END" is handled as one command, and the frame lines "BEGIN" and
// "END" always stay.

#include "core/edit/order_fields.h"
#include "core/move/move_edit.h"
#include "core/move/move_list.h"

#include <optional>
#include <string_view>

namespace orv::edit {

inline constexpr std::string_view SelectLineFirstMessage =
    "You have to select a line in the 'Your Move' section first!";
inline constexpr std::string_view MessagePositionMessage =
    "You can't change the position of the \"Send message(s)\" command!";

// The selection after the user selected line `clicked`: off "BEGIN" onto the first order,
// off "END" onto the last, and inside the message block onto its first line. A move of
// fewer than three lines keeps no selection.
Selection SelectionAfterClick(const move::MoveList& move, Selection clicked);

struct ListEditOutcome {
    std::optional<UserMessage> message; // an error to show; the move is unchanged then
    std::optional<move::MoveEdit> undo; // takes the change back; none when nothing changed

    bool Changed() const { return undo.has_value(); }
};

// "-": the selected order one place up; the first order wraps to the last place.
ListEditOutcome MoveOrderUp(move::MoveList& move, Selection& selected);

// "+": the selected order one place down; the last order wraps to the first place.
ListEditOutcome MoveOrderDown(move::MoveList& move, Selection& selected);

// "Delete Command": the selected order, or the message block from the selected line on.
// The selection goes to the line that took its place, never to a frame line.
ListEditOutcome DeleteCommand(move::MoveList& move, Selection& selected);

} // namespace orv::edit
