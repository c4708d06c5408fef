#include "core/edit/dispatch.h"

namespace orv::edit {

using move::CommandKind;
using move::MessageKind;

DialogDecision DecideCommandDialog(bool newOrder, const CommandsListState& commands,
                                   bool buildOrderActive, const move::MoveList& move,
                                   Selection selectedLine) {
    DialogDecision decision;
    std::optional<CommandKind> chosen;
    if (commands.selected) {
        chosen = move::CommandAtPosition(commands.form, *commands.selected);
    }
    if (!buildOrderActive && chosen == CommandKind::ChangeTerrainType) {
        if (newOrder) {
            decision.message = UserMessage{MessageKind::Error, std::string(BuildDisallowedMessage)};
            return decision;
        }
        decision.message = UserMessage{MessageKind::Warning, std::string(BuildDisallowedMessage)};
    }

    if (newOrder) {
        if (!chosen) {
            decision.message = UserMessage{MessageKind::Error, std::string(SelectCommandMessage)};
        } else if (*chosen == CommandKind::SendMessages && move.HasMessages()) {
            decision.message =
                UserMessage{MessageKind::Error, std::string(SecondMessageBlockMessage)};
        } else {
            decision.dialog = DialogRequest{*chosen, commands.form, {}};
        }
        return decision;
    }

    if (!selectedLine || *selectedLine >= move.Size()) {
        decision.message = UserMessage{MessageKind::Error, std::string(SelectMoveLineMessage)};
        return decision;
    }
    if (*selectedLine > move.EndLineIndex()) {
        decision.dialog = DialogRequest{CommandKind::SendMessages, commands.form,
                                        MessageFields{MessageBlockText(move, *selectedLine)}};
        return decision;
    }
    if (!move.IsOrderLine(*selectedLine)) {
        return decision;
    }
    const move::Order order(move.Order(*selectedLine).raw);
    if (auto read = ReadOrder(order)) {
        if (DialogHoldsWhole(order, *read)) {
            decision.dialog = DialogRequest{read->kind, commands.form, std::move(read->fields)};
        } else {
            decision.orderText = *selectedLine;
        }
    }
    return decision;
}

} // namespace orv::edit
