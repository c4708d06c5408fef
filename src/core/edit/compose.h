#pragma once
// Turns the field texts of a confirmed command dialog into an order line of the move, in
// the form the move is shown in, and puts it where the user asked; the message command
// rewrites the whole block after "END" instead.

#include "core/edit/order_fields.h"
#include "core/move/catalogue.h"
#include "core/move/move_edit.h"
#include "core/move/move_list.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv::edit {

// The order line of a command kind built from its dialog's fields, in raw or natural form.
// SendMessages has no order line and gives the empty text.
std::string ComposeLine(move::CommandKind kind, const OrderFields& fields, move::DisplayForm form);

// The lines of a message text split at CR LF, LF or CR. Blank lines are kept; what follows
// the last line end becomes a line only when it is not empty.
move::TextLines MessageLines(std::string_view text);

// Replaces every line after "END" by the lines of the message text; returns the edit that
// takes it back.
move::MoveEdit RewriteMessageBlock(move::MoveList& move, std::string_view text);

// Inserts the order above, below or in place of the selected line and selects it; without
// a selection it goes directly above "END". Orders stay between "BEGIN" and "END": a
// selection outside them (a frame line or the message block) puts the order as close to
// it as the frame allows, and never replaces a frame or message line.
move::MoveEdit PlaceOrderLine(move::MoveList& move, Selection& selected, InsertMode mode,
                              move::OrderLine line);

// The order a dialog's fields make, composed in the given form.
move::OrderLine ComposeOrder(move::CommandKind kind, const OrderFields& fields,
                             move::DisplayForm form);

struct ComposeOutcome {
    std::optional<move::MoveEdit> undo; // takes the change back; none when nothing changed

    bool Changed() const { return undo.has_value(); }
};

// What a dialog's OK, Cancel or Escape does with its fields. Fields that hold no command's
// (what Cancel and Escape hand over) change nothing. Lines go into the move in its display form.
ComposeOutcome ComposeOrderLine(move::MoveList& move, Selection& selected, InsertMode mode,
                                move::CommandKind kind, const OrderFields& fields);

} // namespace orv::edit
