#pragma once
// Reads an order line of the move back into the command kind and the fields of the
// dialog that edits it, so an existing order opens prefilled. Natural sentences and raw
// lines are both read; the message block is read as one text.

#include "core/edit/order_fields.h"
#include "core/move/catalogue.h"
#include "core/move/move_list.h"

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

// The order a line holds, by its first word compared with case: natural sentences first,
// then raw lines. None for a line whose first word is no key ("BEGIN", "END", free text).
// A field whose word is missing from the line stays empty.
std::optional<EditedOrder> ReadOrderLine(std::string_view line);

// The order at line i of the move, which must be an order line: read from its sentence
// when the natural form shows one, else from its raw text.
std::optional<EditedOrder> ReadMoveOrder(const move::MoveList& move, std::size_t i);

// The text of the message block for its dialog: every message line from line `first` (the
// natural heading counts as the first message line) to the last, each followed by CR LF.
std::string MessageBlockText(const move::MoveList& move, std::size_t first);

} // namespace orv::edit
