#pragma once
// The decisions taken before a command dialog opens: which command the user means, the
// rules that refuse it, where its line will go, and the fields an edited order starts with.
// The window shows the message, if any, then opens the dialog, if any.

#include "core/edit/order_fields.h"
#include "core/edit/read_back.h"
#include "core/move/catalogue.h"
#include "core/move/move_list.h"

#include <optional>
#include <string_view>

namespace orv::edit {

inline constexpr std::string_view BuildDisallowedMessage =
    "Global GM option disallow the use of the BUILD command!";
inline constexpr std::string_view SelectCommandMessage =
    "Please select a command from the 'Commands'-list first";
inline constexpr std::string_view SelectMoveLineMessage =
    "Please select a command in the 'Your Move'-section first";
inline constexpr std::string_view SecondMessageBlockMessage =
    "There exists a \"Send message(s)\" command already.\r\n"
    "Only one \"Send message(s)\" command is allowed in a move.\r\n"
    "Select the \"Send message(s)\" command in the move and press\r\n"
    "the \"Edit command\" button to add a message.";

// The commands list as the window shows it.
struct CommandsListState {
    move::DisplayForm form = move::DisplayForm::Natural;
    std::optional<int> selected; // place of the selected entry, from 0
};

// A dialog to open: the kind's dialog (move::InfoOf(kind).dialog), its heading and help in
// the list form, its fields prefilled.
struct DialogRequest {
    move::CommandKind kind;
    move::DisplayForm listForm;
    OrderFields fields;

    bool operator==(const DialogRequest&) const = default;
};

struct DialogDecision {
    std::optional<UserMessage> message;  // shown first
    std::optional<DialogRequest> dialog; // opened after the message
    // An order its dialog cannot hold whole, opened in the order text editor instead: its
    // line.
    std::optional<std::size_t> orderText;

    bool operator==(const DialogDecision&) const = default;
};

// What opening a command dialog does, for a new order (the commands list's entry, put above
// or below the selected line) or an edit of the selected move line.
// An edit warns about a disallowed BUILD chosen in the commands list and goes on; a line
// that holds no order opens nothing and says nothing; an order with words its dialog has no
// field for opens in the order text editor, so no word is dropped.
DialogDecision DecideCommandDialog(bool newOrder, const CommandsListState& commands,
                                   bool buildOrderActive, const move::MoveList& move,
                                   Selection selectedLine);

} // namespace orv::edit
