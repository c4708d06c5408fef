#pragma once
// The values a command dialog hands over and gets back: its ten field texts, where a new
// line goes, the selected line of the move and a message for the window to show.

#include "core/move/move_file.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orv::edit {

// The ten field texts of a dialog, slot 1 at index 0. Each dialog uses its own layout:
//   TFormMoveC1: X, Y, number 1, type 1, number 2, type 2, number 3, type 3, tactic, direction
//   TFormMoveC2: X1, Y1, choice 1, X2, Y2, choice 2, X3, Y3, choice 3
//   TFormMoveC3: X, Y, new name        TFormMoveC4: player, status
//   TFormMoveC5: X, Y, player          TFormMoveC6: name       TFormMoveC7: message text
// Slots a dialog does not use stay empty.
struct OrderFields {
    std::array<std::string, 10> slot;

    // Slot n, counted from 1 as in the layouts above.
    const std::string& At(int n) const { return slot.at(static_cast<std::size_t>(n - 1)); }
    void Set(int n, std::string_view text) { slot.at(static_cast<std::size_t>(n - 1)) = text; }
    bool Given(int n) const { return !At(n).empty(); }

    bool operator==(const OrderFields&) const = default;
};

// Where a composed line goes relative to the selected line of the move.
enum class InsertMode { Above, Below, Replace };

// The selected line of the move list, by index; none when nothing is selected.
using Selection = std::optional<std::size_t>;

// A message for the window to show in a message box with an OK button.
struct UserMessage {
    move::MessageKind kind = move::MessageKind::Error;
    std::string text;

    bool operator==(const UserMessage&) const = default;
};

} // namespace orv::edit
