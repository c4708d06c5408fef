#pragma once
// The one-line order editor: an order's raw words as the user types them, what in them does
// not fit the command (the check's own findings, as the user types), and the edit that puts
// them in place of the order. It holds any order whole, also one its dialog has no field for.

#include "core/move/move_edit.h"
#include "core/move/move_list.h"
#include "core/move/order.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orv::edit {

inline constexpr std::string_view NotAnOrderMessage =
    "Not an order: the first word must be ALL, BUILD, CEDE, DEF, ESP, LAND, NAME, PLA, RAID or "
    "SEA.";
inline constexpr std::string_view OneLineMessage = "An order takes one line.";

struct OrderTextCheck {
    bool order = false;                // the text may replace an order line
    std::vector<std::string> messages; // what the check would say, one line each
};

// What the editor says under the text: why it is no order, or the findings the move check
// would write for it, without their indent.
OrderTextCheck CheckOrderText(std::string_view text, const move::GrammarContext& context);

// Puts the text in place of the order at line i as a loaded line is put in (keywords and
// codes in capitals where that says the same); returns the edit that takes it back. The
// text must pass CheckOrderText as an order.
move::MoveEdit ReplaceOrderText(move::MoveList& move, std::size_t i, std::string_view text);

} // namespace orv::edit
