// The main window's editing side: the controls that open the command dialogs, the
// composed line going into the move, the selection rule of the move list and the "-", "+"
// and "Delete Command" buttons. The decisions are the core's.

#include "core/check/check_driver.h"
#include "core/edit/compose.h"
#include "core/edit/dispatch.h"
#include "core/edit/list_editing.h"
#include "core/edit/order_text.h"
#include "gui/alliance_dialog.h"
#include "gui/main.h"
#include "gui/map_follower.h"
#include "gui/message_dialog.h"
#include "gui/move_document.h"
#include "gui/movement_dialog.h"
#include "gui/name_king_dialog.h"
#include "gui/name_province_dialog.h"
#include "gui/order_text_dialog.h"
#include "gui/province_dialog.h"
#include "gui/province_groups_dialog.h"
#include "gui/row_list_view.h"
#include "gui/text_codec.h"

#include <utility>

namespace orv::gui {

namespace {

using ListEdit = edit::ListEditOutcome (*)(move::MoveList&, edit::Selection&);

void ApplyListEdit(MainWindow& form, const QString& stepName, ListEdit change) {
    std::optional<edit::UserMessage> message;
    form.Document()->Apply(stepName,
                           [change, &message](move::MoveList& move, edit::Selection& line) {
                               edit::ListEditOutcome outcome = change(move, line);
                               message = std::move(outcome.message);
                               return std::move(outcome.undo);
                           });
    if (message) {
        ShowMessage(form.Messages(), message->kind, FromText(message->text));
    }
}

} // namespace

void MainWindow::BuildCommandDialogs() {
    const auto at = [](move::CommandDialog which) { return static_cast<std::size_t>(which); };
    using move::CommandDialog;
    // Each dialog's message boxes belong to it (see Notifier::ForWindow), so they open above
    // the dialog, which stays on top.
    Notifier& messages = *notifier_;
    commandDialogs_[at(CommandDialog::Movement)] = new MovementDialog(this, messages);
    commandDialogs_[at(CommandDialog::ProvinceGroups)] = new ProvinceGroupsDialog(this, messages);
    commandDialogs_[at(CommandDialog::NameProvince)] = new NameProvinceDialog(this, messages);
    commandDialogs_[at(CommandDialog::Alliance)] = new AllianceDialog(this, messages, state_.game);
    commandDialogs_[at(CommandDialog::Province)] = new ProvinceDialog(this, messages, state_.game);
    commandDialogs_[at(CommandDialog::NameKing)] = new NameKingDialog(this, messages);
    commandDialogs_[at(CommandDialog::Message)] = new MessageDialog(this, messages);
    for (CommandDialogBase* dialog : commandDialogs_) {
        dialog->SetComposer([this](move::CommandKind kind, const edit::OrderFields& fields) {
            map_->Preview(kind, {}); // the order itself is drawn now, if any
            ComposeFromDialog(kind, fields);
        });
        dialog->SetPreview([this](move::CommandKind kind, const edit::OrderFields& fields) {
            map_->Preview(kind, fields);
        });
        dialog->SetValidation([this] {
            return edit::ValidationContext{check::GrammarContextOf(state_.game), Move().form};
        });
        connect(dialog, &CommandDialogBase::HelpRequested, this, &MainWindow::ShowHelpContext);
        dialog->SetPicker([this](QWidget* over, std::function<void(int, int)> done) {
            PickOnMap(std::move(done), over);
        });
    }
}

void MainWindow::EditOrderText(std::size_t line) {
    if (orderTextDialog_ == nullptr) {
        orderTextDialog_ = new OrderTextDialog(this);
        orderTextDialog_->SetContext([this] { return check::GrammarContextOf(state_.game); });
        connect(orderTextDialog_, &OrderTextDialog::HelpRequested, this,
                &MainWindow::ShowHelpContext);
    }
    const std::optional<std::string> text = orderTextDialog_->EditText(Move().Order(line).raw);
    if (!text || *text == Move().Order(line).raw) {
        return;
    }
    document_->SetCurrentLine(line);
    document_->Apply(QStringLiteral("Edit Order Text"),
                     [line, &text](move::MoveList& move, edit::Selection&) {
                         return edit::ReplaceOrderText(move, line, *text);
                     });
}

void MainWindow::menuItemEditOrderTextClick() {
    const edit::Selection selected = SelectedLine();
    if (!selected || !Move().IsOrderLine(*selected)) {
        gui::ShowMessage(*notifier_, move::MessageKind::Error,
                         FromText(edit::SelectMoveLineMessage));
        return;
    }
    EditOrderText(*selected);
}

CommandDialogBase* MainWindow::CommandDialog(move::CommandDialog which) const {
    return commandDialogs_.at(static_cast<std::size_t>(which));
}

edit::Selection MainWindow::SelectedLine() const {
    return document_->CurrentLine();
}

void MainWindow::SelectLine(edit::Selection line) {
    document_->SetCurrentLine(line);
}

void MainWindow::OpenCommandDialog(bool newOrder) {
    edit::CommandsListState commands;
    commands.form = CommandsForm();
    commands.selected = ListBoxCommands->currentRow();
    const edit::DialogDecision decision = edit::DecideCommandDialog(
        newOrder, commands, state_.game.options.buildOrderActive, Move(), SelectedLine());
    if (decision.message) {
        gui::ShowMessage(*notifier_, decision.message->kind, FromText(decision.message->text));
    }
    if (decision.orderText) {
        EditOrderText(*decision.orderText);
    }
    if (decision.dialog) {
        const edit::DialogRequest& request = *decision.dialog;
        CommandDialog(move::InfoOf(request.kind).dialog)
            ->ShowCommand(request.listForm, request.kind, request.fields);
    }
}

void MainWindow::ComposeFromDialog(move::CommandKind kind, const edit::OrderFields& fields) {
    const edit::InsertMode mode = document_->InsertMode();
    const QString stepName = kind == move::CommandKind::SendMessages
                                 ? QStringLiteral("Send Messages")
                             : mode == edit::InsertMode::Replace ? QStringLiteral("Edit Command")
                                                                 : QStringLiteral("New Command");
    document_->Apply(stepName, [mode, kind, &fields](move::MoveList& move, edit::Selection& line) {
        edit::ComposeOutcome outcome = edit::ComposeOrderLine(move, line, mode, kind, fields);
        return std::move(outcome.undo);
    });
}

void MainWindow::ButtonAboveClick() {
    document_->SetInsertMode(edit::InsertMode::Above);
    OpenCommandDialog(true);
}

void MainWindow::ButtonBelowClick() {
    document_->SetInsertMode(edit::InsertMode::Below);
    OpenCommandDialog(true);
}

// A double click in the commands list asks for a new order as "Below Curr. Line" does.
void MainWindow::ListBoxCommandsDblClick() {
    document_->SetInsertMode(edit::InsertMode::Below);
    OpenCommandDialog(true);
}

void MainWindow::ButtonEditClick() {
    document_->SetInsertMode(edit::InsertMode::Replace);
    OpenCommandDialog(false);
}

// A double click on a move line edits it as "Edit Command" does.
void MainWindow::ListBoxMoveDblClick() {
    document_->SetInsertMode(edit::InsertMode::Replace);
    OpenCommandDialog(false);
}

void MainWindow::ButtonMinusClick() {
    ApplyListEdit(*this, QStringLiteral("Move Command Up"), &edit::MoveOrderUp);
}

void MainWindow::ButtonPlusClick() {
    ApplyListEdit(*this, QStringLiteral("Move Command Down"), &edit::MoveOrderDown);
}

void MainWindow::ButtonDeleteClick() {
    ApplyListEdit(*this, QStringLiteral("Delete Command"), &edit::DeleteCommand);
}

} // namespace orv::gui
