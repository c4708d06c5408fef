// The main window's editing side: the controls that open the command dialogs, the
// composed line going into the move, the selection rule of the move list and the "-", "+"
// and "Delete Command" buttons. The decisions are the core's.

#include "core/edit/compose.h"
#include "core/edit/dispatch.h"
#include "core/edit/list_editing.h"
#include "gui/main.h"
#include "gui/move_document.h"
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

void ApplyListEdit(TFormMain& form, const QString& stepName, ListEdit change) {
    edit::Selection selected = form.SelectedLine();
    std::optional<edit::UserMessage> message;
    form.Document()->Apply(stepName, selected,
                           [change, &message](move::MoveList& move, edit::Selection& line) {
                               edit::ListEditOutcome outcome = change(move, line);
                               message = std::move(outcome.message);
                               return std::move(outcome.undo);
                           });
    if (message) {
        Show(form.Messages(), *message);
    } else {
        form.SelectLine(selected);
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

void TFormMain::OpenCommandDialog(bool newOrder) {
    edit::CommandsListState commands;
    commands.form = CommandsForm();
    const QList<QListWidgetItem*> chosen = ListBoxCommands->selectedItems();
    if (!chosen.isEmpty()) {
        commands.selected = ListBoxCommands->row(chosen.first());
    }
    const edit::DialogDecision decision = edit::DecideCommandDialog(
        newOrder, commands, state_.game.options.buildOrderActive, Move(), SelectedLine());
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
    const edit::Selection wanted = edit::SelectionAfterClick(Move(), clicked);
    if (wanted != clicked) {
        SelectLine(wanted);
    }
    UpdateCurrentGoods();
}

void TFormMain::ButtonMinusClick() {
    ApplyListEdit(*this, QStringLiteral("Move Command Up"), &edit::MoveOrderUp);
}

void TFormMain::ButtonPlusClick() {
    ApplyListEdit(*this, QStringLiteral("Move Command Down"), &edit::MoveOrderDown);
}

void TFormMain::ButtonDeleteClick() {
    ApplyListEdit(*this, QStringLiteral("Delete Command"), &edit::DeleteCommand);
}

} // namespace orv::gui
