// The main window's editing side: the controls that open the command dialogs, the
// composed line going into the move, the selection rule of the move list and the "-", "+"
// and "Delete Command" buttons. The decisions are the core's.

#include "core/edit/compose.h"
#include "core/edit/dispatch.h"
#include "core/edit/list_editing.h"
#include "gui/main.h"
#include "gui/movec1.h"
#include "gui/movec2.h"
#include "gui/movec3.h"
#include "gui/movec4.h"
#include "gui/movec5.h"
#include "gui/movec6.h"
#include "gui/movec7.h"
#include "gui/text_codec.h"

#include <QListWidget>
#include <QSignalBlocker>
#include <utility>

namespace orv::gui {

namespace {

void Show(Notifier& notifier, const edit::UserMessage& message) {
    const QString text = FromText(message.text);
    switch (message.kind) {
    case move::MessageKind::None:
        break;
    case move::MessageKind::Error:
        notifier.Error(text);
        break;
    case move::MessageKind::Warning:
        notifier.Warning(text);
        break;
    case move::MessageKind::Information:
        notifier.Information(text);
        break;
    }
}

using ListEdit = edit::ListEditOutcome (*)(move::MoveList&, edit::Selection&);

void ApplyListEdit(TFormMain& form, ListEdit change) {
    edit::Selection selected = form.SelectedLine();
    const edit::ListEditOutcome outcome = change(form.State().move, selected);
    if (outcome.message) {
        Show(form.Messages(), *outcome.message);
    }
    if (outcome.changed) {
        form.ShowMoveSelecting(selected);
    }
    if (outcome.updateGoods) {
        form.UpdateCurrentGoods();
    }
}

} // namespace

void TFormMain::BuildCommandDialogs() {
    const auto at = [](move::CommandDialog which) { return static_cast<std::size_t>(which); };
    using move::CommandDialog;
    commandDialogs_[at(CommandDialog::TFormMoveC1)] = new TFormMoveC1(this, *notifier_);
    commandDialogs_[at(CommandDialog::TFormMoveC2)] = new TFormMoveC2(this, *notifier_);
    commandDialogs_[at(CommandDialog::TFormMoveC3)] = new TFormMoveC3(this, *notifier_);
    commandDialogs_[at(CommandDialog::TFormMoveC4)] =
        new TFormMoveC4(this, *notifier_, state_.game);
    commandDialogs_[at(CommandDialog::TFormMoveC5)] =
        new TFormMoveC5(this, *notifier_, state_.game);
    commandDialogs_[at(CommandDialog::TFormMoveC6)] = new TFormMoveC6(this, *notifier_);
    commandDialogs_[at(CommandDialog::TFormMoveC7)] = new TFormMoveC7(this, *notifier_);
    for (TCommandDialog* dialog : commandDialogs_) {
        dialog->SetComposer([this](move::CommandKind kind, const edit::OrderFields& fields) {
            ComposeFromDialog(kind, fields);
        });
        connect(dialog, &TCommandDialog::HelpRequested, this, &TFormMain::ShowHelpContext);
        dialog->SetPicker([this](QWidget* over, std::function<void(int, int)> done) {
            PickOnMap(std::move(done), over);
        });
    }
}

TCommandDialog* TFormMain::CommandDialog(move::CommandDialog which) const {
    return commandDialogs_.at(static_cast<std::size_t>(which));
}

edit::Selection TFormMain::SelectedLine() const {
    const QList<QListWidgetItem*> selected = ListBoxMove->selectedItems();
    if (selected.isEmpty()) {
        return std::nullopt;
    }
    const int row = ListBoxMove->row(selected.first());
    return row < 0 ? edit::Selection() : edit::Selection(static_cast<std::size_t>(row));
}

void TFormMain::SelectLine(edit::Selection line) {
    const QSignalBlocker quiet(ListBoxMove);
    if (!line || *line >= static_cast<std::size_t>(ListBoxMove->count())) {
        ListBoxMove->clearSelection();
        ListBoxMove->setCurrentRow(-1);
        return;
    }
    ListBoxMove->setCurrentRow(static_cast<int>(*line));
    ListBoxMove->scrollToItem(ListBoxMove->currentItem());
}

void TFormMain::ShowMoveSelecting(edit::Selection line) {
    const QSignalBlocker quiet(ListBoxMove);
    ShowMove();
    SelectLine(line);
}

void TFormMain::OpenCommandDialog(bool newOrder) {
    edit::CommandsListState commands;
    commands.form = CommandsForm();
    const QList<QListWidgetItem*> chosen = ListBoxCommands->selectedItems();
    if (!chosen.isEmpty()) {
        commands.selected = ListBoxCommands->row(chosen.first());
    }
    const edit::DialogDecision decision = edit::DecideCommandDialog(
        newOrder, commands, state_.game.options.buildOrderActive, state_.move, SelectedLine());
    if (decision.message) {
        Show(*notifier_, *decision.message);
    }
    if (decision.dialog) {
        const edit::DialogRequest& request = *decision.dialog;
        CommandDialog(move::InfoOf(request.kind).dialog)
            ->ShowCommand(request.listForm, request.kind, request.fields);
    }
}

void TFormMain::ComposeFromDialog(move::CommandKind kind, const edit::OrderFields& fields) {
    edit::Selection selected = SelectedLine();
    const edit::ComposeOutcome outcome =
        edit::ComposeOrderLine(state_.move, selected, insertMode_, kind, fields);
    if (outcome.changed) {
        ShowMoveSelecting(selected);
    }
    if (outcome.updateGoods) {
        UpdateCurrentGoods();
    }
}

void TFormMain::ButtonAboveClick() {
    insertMode_ = edit::InsertModeFor(edit::DialogOpener::ButtonAbove);
    OpenCommandDialog(true);
}

void TFormMain::ButtonBelowClick() {
    insertMode_ = edit::InsertModeFor(edit::DialogOpener::ButtonBelow);
    OpenCommandDialog(true);
}

void TFormMain::ListBoxCommandsDblClick() {
    insertMode_ = edit::InsertModeFor(edit::DialogOpener::CommandsDoubleClick);
    OpenCommandDialog(true);
}

void TFormMain::ButtonEditClick() {
    insertMode_ = edit::InsertModeFor(edit::DialogOpener::ButtonEdit);
    OpenCommandDialog(false);
}

void TFormMain::ListBoxMoveDblClick() {
    insertMode_ = edit::InsertModeFor(edit::DialogOpener::MoveDoubleClick);
    OpenCommandDialog(false);
}

void TFormMain::ListBoxMoveClick() {
    const edit::Selection clicked = SelectedLine();
    const edit::Selection wanted = edit::SelectionAfterClick(state_.move, clicked);
    if (wanted != clicked) {
        SelectLine(wanted);
    }
    UpdateCurrentGoods();
}

void TFormMain::ButtonMinusClick() {
    ApplyListEdit(*this, &edit::MoveOrderUp);
}

void TFormMain::ButtonPlusClick() {
    ApplyListEdit(*this, &edit::MoveOrderDown);
}

void TFormMain::ButtonDeleteClick() {
    ApplyListEdit(*this, &edit::DeleteCommand);
}

} // namespace orv::gui
