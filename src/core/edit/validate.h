#pragma once
// The checks a command dialog makes on OK before it hands its fields to the composer, and
// the small rules by which its fields fill themselves. The first failed check names the
// message to show and the field it is about; the dialog then stays open with what the user
// entered and puts the keyboard focus on that field.

#include "core/edit/order_fields.h"
#include "core/move/catalogue.h"
#include "core/move/order.h"

#include <optional>
#include <string>
#include <string_view>

namespace orv::edit {

// The fields a check can be about, named as the user sees them.
enum class FieldName {
    X,
    Y,
    TroopNumber,
    TroopType,
    Tactic,
    Direction,
    Choice, // the troop type or tactic of a province group
    Name,
    Player,
    Status,
    Text,
};

// A field of a dialog: its name and, for the troops of a movement and the province groups,
// which of the three it belongs to, from 0.
struct FieldRef {
    FieldName name;
    int index = 0;

    bool operator==(const FieldRef&) const = default;
};

// A failed check: the message to show and the field it is about, the first one that is
// empty or wrong.
struct FieldError {
    std::string text;
    FieldRef field;

    bool operator==(const FieldError&) const = default;
};

// What the checks read besides the fields: the game's tribes for the player numbers, and
// the form the order is composed in.
struct ValidationContext {
    move::GrammarContext grammar;
    move::DisplayForm form = move::DisplayForm::Raw;
};

// The first check the fields fail, in the order the dialog of the kind makes them; none
// when they may be composed. After the dialog's own checks the composed order itself is
// read: an order the editor writes never holds anything the move check would call
// malformed.
std::optional<FieldError> ValidateOrderFields(move::CommandKind kind, const OrderFields& fields,
                                              const ValidationContext& context = {});

// The direction text after picking a direction entry: a blank if it held something, then
// the entry's first letter, so North, North and East build "N N E".
std::string AppendDirection(std::string_view text, std::string_view entry);

// A player field leaves only the part before its first blank, so a picked entry
// "3 - name" becomes the player number 3.
std::string PlayerNumberText(std::string_view text);

} // namespace orv::edit
