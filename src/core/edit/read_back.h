#pragma once
// Reads an order of the move back into the command kind and the fields of the dialog that
// edits it, so an existing order opens prefilled. The order is read from its raw line, which
// the natural sentence shown for it says word for word; the message block is read as one
// text.

#include "core/edit/order_fields.h"
#include "core/move/catalogue.h"
#include "core/move/move_list.h"
#include "core/move/order.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv::edit {

struct EditedOrder {
    move::CommandKind kind;
    OrderFields fields; // of the kind's family

    bool operator==(const EditedOrder&) const = default;
};

// The fields of an order; none for a line that is no order ("BEGIN", "END", free text). A
// field whose word is missing from the line stays empty.
std::optional<EditedOrder> ReadOrder(const move::Order& order);

// The same for a raw line.
std::optional<EditedOrder> ReadOrderLine(std::string_view line);

// The order at line i of the move, which must be an order line.
std::optional<EditedOrder> ReadMoveOrder(const move::MoveList& move, std::size_t i);

// Whether the fields read from an order give it back whole when the dialog composes them:
// no word the dialog has no field for (a fourth troop group, a word after the order).
bool DialogHoldsWhole(const move::Order& order, const EditedOrder& read);

// The text of the message block for its dialog: every message line from line `first` (the
// natural heading counts as the first message line) to the last, each followed by CR LF.
std::string MessageBlockText(const move::MoveList& move, std::size_t first);

} // namespace orv::edit
