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
#include "gui/message_dialog.h"
#include "gui/move_document.h"
#include "gui/movement_dialog.h"
#include "gui/name_king_dialog.h"
#include "gui/name_province_dialog.h"
#include "gui/order_text_dialog.h"
#include "gui/province_dialog.h"
#include "gui/province_groups_dialog.h"
#include "gui/text_codec.h"

#include <QListWidget>
#include <QSignalBlocker>
#include <utility>

namespace orv::gui {

namespace {

using ListEdit = edit::ListEditOutcome (*)(move::MoveList&, edit::Selection&);

void ApplyListEdit(MainWindow& form, const QString& stepName, ListEdit change) {
    edit::Selection selected = form.SelectedLine();
    std::optional<edit::UserMessage> message;
    form.Document()->Apply(stepName, selected,
                           [change, &message](move::MoveList& move, edit::Selection& line) {
                               edit::ListEditOutcome outcome = change(move, line);
                               message = std::move(outcome.message);
                               return std::move(outcome.undo);
                           });
    if (message) {
        ShowMessage(form.Messages(), message->kind, FromText(message->text));
    } else {
        form.SelectLine(selected);
        form.UpdateCurrentGoods();
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
            PreviewOnMap(kind, {}); // the order itself is drawn now, if any
            ComposeFromDialog(kind, fields);
        });
        dialog->SetPreview([this](move::CommandKind kind, const edit::OrderFields& fields) {
            PreviewOnMap(kind, fields);
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
    edit::Selection selected = line;
    document_->Apply(QStringLiteral("Edit Order Text"), selected,
                     [line, &text](move::MoveList& move, edit::Selection&) {
                         return edit::ReplaceOrderText(move, line, *text);
                     });
    SelectLine(selected);
    UpdateCurrentGoods();
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
    const QList<QListWidgetItem*> selected = ListBoxMove->selectedItems();
    if (selected.isEmpty()) {
        return std::nullopt;
    }
    const int row = ListBoxMove->row(selected.first());
    return row < 0 ? edit::Selection() : edit::Selection(static_cast<std::size_t>(row));
}

void MainWindow::SelectLine(edit::Selection line) {
    {
        const QSignalBlocker quiet(ListBoxMove);
        if (!line || *line >= static_cast<std::size_t>(ListBoxMove->count())) {
            ListBoxMove->clearSelection();
            ListBoxMove->setCurrentRow(-1);
        } else {
            ListBoxMove->setCurrentRow(static_cast<int>(*line));
            ListBoxMove->scrollToItem(ListBoxMove->currentItem());
        }
    }
    // The list's signals were held back; the map follows all the same.
    ShowSelectionOnMap();
}

void MainWindow::OpenCommandDialog(bool newOrder) {
    edit::CommandsListState commands;
    commands.form = CommandsForm();
    const QList<QListWidgetItem*> chosen = ListBoxCommands->selectedItems();
    if (!chosen.isEmpty()) {
        commands.selected = ListBoxCommands->row(chosen.first());
    }
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
    edit::Selection selected = SelectedLine();
    bool changed = false;
    const QString stepName =
        kind == move::CommandKind::SendMessages    ? QStringLiteral("Send Messages")
        : insertMode_ == edit::InsertMode::Replace ? QStringLiteral("Edit Command")
                                                   : QStringLiteral("New Command");
    document_->Apply(stepName, selected,
                     [this, kind, &fields, &changed](move::MoveList& move, edit::Selection& line) {
                         edit::ComposeOutcome outcome =
                             edit::ComposeOrderLine(move, line, insertMode_, kind, fields);
                         changed = outcome.Changed();
                         return std::move(outcome.undo);
                     });
    if (changed) {
        SelectLine(selected);
        UpdateCurrentGoods();
    }
}

void MainWindow::ButtonAboveClick() {
    insertMode_ = edit::InsertMode::Above;
    OpenCommandDialog(true);
}

void MainWindow::ButtonBelowClick() {
    insertMode_ = edit::InsertMode::Below;
    OpenCommandDialog(true);
}

// A double click in the commands list asks for a new order as "Below Curr. Line" does.
void MainWindow::ListBoxCommandsDblClick() {
    insertMode_ = edit::InsertMode::Below;
    OpenCommandDialog(true);
}

void MainWindow::ButtonEditClick() {
    insertMode_ = edit::InsertMode::Replace;
    OpenCommandDialog(false);
}

// A double click on a move line edits it as "Edit Command" does.
void MainWindow::ListBoxMoveDblClick() {
    insertMode_ = edit::InsertMode::Replace;
    OpenCommandDialog(false);
}

void MainWindow::ListBoxMoveClick() {
    const edit::Selection clicked = SelectedLine();
    const edit::Selection wanted = edit::SelectionAfterClick(Move(), clicked);
    if (wanted != clicked) {
        SelectLine(wanted);
    }
    UpdateCurrentGoods();
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
