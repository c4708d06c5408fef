#pragma once
// The checks a command dialog makes on OK before it hands its fields to the composer, and
// the small rules by which its fields fill themselves. The first failed check names the
// message to show; the dialog then stays open with what the user entered.

#include "core/edit/order_fields.h"
#include "core/move/catalogue.h"

#include <optional>
#include <string>
#include <string_view>

namespace orv::edit {

// The error text of the first check the fields fail, in the order the dialog of the kind
// makes them; none when they may be composed.
std::optional<std::string> ValidateOrderFields(move::CommandKind kind, const OrderFields& fields);

// The direction text after picking a direction entry: a blank if it held something, then
// the entry's first letter, so North, North and East build "N N E".
std::string AppendDirection(std::string_view text, std::string_view entry);

// A player field leaves only the part before its first blank, so a picked entry
// "3 - name" becomes the player number 3.
std::string PlayerNumberText(std::string_view text);

} // namespace orv::edit
