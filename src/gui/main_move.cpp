// The main window's move side: the Move menu, the two display switches, the current goods
// and Check Move. The move document and the checker are the core's.

#include "core/check/check_driver.h"
#include "core/check/goods.h"
#include "core/move/catalogue.h"
#include "gui/busy_cursor.h"
#include "gui/check_result.h"
#include "gui/main.h"
#include "gui/text_codec.h"

#include <QAction>
#include <QButtonGroup>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>

namespace orv::gui {

namespace {

QString Text(std::string_view text) {
    return FromText(text);
}

move::DisplayForm FormOf(const QButtonGroup* group) {
    return group->checkedId() == 1 ? move::DisplayForm::Raw : move::DisplayForm::Natural;
}

void ShowGoodsValue(QLabel* label, std::int32_t value) {
    label->setText(QString::number(value));
    label->setStyleSheet(value < 0 ? QStringLiteral("color: red;") : QString());
}

} // namespace

move::DisplayForm TFormMain::CommandsForm() const {
    return FormOf(commandsForm);
}

move::DisplayForm TFormMain::DisplayFormChosen() const {
    return FormOf(displayForm);
}

void TFormMain::ShowMessage(move::MessageKind kind, const std::string& message) {
    switch (kind) {
    case move::MessageKind::None:
        break;
    case move::MessageKind::Error:
        notifier_->Error(Text(message));
        break;
    case move::MessageKind::Warning:
        notifier_->Warning(Text(message));
        break;
    case move::MessageKind::Information:
        notifier_->Information(Text(message));
        break;
    }
}

void TFormMain::StartNewMove() {
    state_.move.NewMove();
    ShowMove();
}

void TFormMain::ShowMove() {
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(state_.move.Size()));
    for (std::size_t i = 0; i < state_.move.Size(); ++i) {
        lines.append(Text(state_.move.Line(i)));
    }
    ListBoxMove->clear();
    ListBoxMove->addItems(lines);
    LabelMove->setText(FromPath(state_.move.LabelText()));
    menuItemSave->setEnabled(state_.move.CanSave());
    menuItemReload->setEnabled(state_.move.CanSave());
    emit StateShown();
}

void TFormMain::UpdateCurrentGoods() {
    const QList<QListWidgetItem*> selected = ListBoxMove->selectedItems();
    if (selected.isEmpty()) {
        LabelCGoldVal->setText(QStringLiteral("-"));
        LabelCWoodVal->setText(QStringLiteral("-"));
        LabelCGoldVal->setStyleSheet(QString());
        LabelCWoodVal->setStyleSheet(QString());
        return;
    }
    const check::Goods goods =
        check::ComputeCurrentGoods(state_.move, state_.game, ListBoxMove->row(selected.first()));
    ShowGoodsValue(LabelCGoldVal, goods.gold);
    ShowGoodsValue(LabelCWoodVal, goods.wood);
}

void TFormMain::RadioGroupCommandsClick() {
    ListBoxCommands->clear();
    for (const std::string& caption : move::CommandCaptions(CommandsForm())) {
        ListBoxCommands->addItem(Text(caption));
    }
}

void TFormMain::RadioGroupDisplayClick() {
    state_.move.form = DisplayFormChosen();
    ShowMove();
}

void TFormMain::menuItemNewClick() {
    if (notifier_->Confirm(Text(move::ConfirmNewMessage), false)) {
        StartNewMove();
    }
}

void TFormMain::menuItemGetfromClipboardClick() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasText()) {
        notifier_->Error(Text(move::NoPlainTextMessage));
        return;
    }
    const move::MoveResult result =
        move::LoadMoveFromText(state_.move, ToText(QGuiApplication::clipboard()->text()));
    ShowMessage(result.kind, result.message);
    ShowMove();
}

void TFormMain::menuItemPuttoClipboardClick() {
    QGuiApplication::clipboard()->setText(Text(move::MoveClipboardText(state_.move)));
}

void TFormMain::menuItemLoadClick() {
    const QString chosen =
        picker_->OpenFileName(Text(move::SelectMoveFileTitle), FromPath(state_.move.folder),
                              DialogFilter(Text(move::MoveFileFilter)));
    if (chosen.isEmpty()) {
        return;
    }
    const move::MoveResult result = move::LoadMove(state_.move, ToPath(chosen));
    ShowMessage(result.kind, result.message);
    ShowMove();
}

void TFormMain::menuItemReloadClick() {
    if (state_.move.fileName.empty() ||
        !notifier_->Confirm(Text(move::ConfirmReloadMessage), false)) {
        return;
    }
    const std::string fileName = state_.move.fileName;
    const move::MoveResult result = move::LoadMove(state_.move, fileName);
    ShowMessage(result.kind, result.message);
    ShowMove();
}

void TFormMain::menuItemSaveClick() {
    if (state_.move.fileName.empty()) {
        return;
    }
    const move::SaveResult result = move::SaveMove(state_.move);
    if (!result.ok) {
        notifier_->Error(FromPath(result.message));
    }
}

void TFormMain::menuItemSaveAsClick() {
    const QString chosen =
        picker_->SaveFileName(QStringLiteral("Save move file as"), FromPath(state_.move.folder),
                              DialogFilter(Text(move::MoveFileFilter)));
    if (chosen.isEmpty()) {
        return;
    }
    if (QFileInfo::exists(chosen) &&
        !notifier_->Confirm(Text(move::ConfirmOverwriteMessage), true)) {
        return;
    }
    const move::SaveResult result = move::SaveMoveAs(state_.move, ToPath(chosen));
    if (!result.ok) {
        notifier_->Error(FromPath(result.message));
    }
    ShowMove();
}

void TFormMain::menuItemLoadMostRecentFileClick() {
    const move::MoveResult result = move::LoadMostRecentFile(state_.move);
    ShowMessage(result.kind, result.message);
    ShowMove();
}

void TFormMain::menuItemCheckMoveClick() {
    check::CheckResult result;
    {
        const BusyCursor busy;
        result = check::CheckMove(state_.move, state_.game);
    }
    switch (result.outcome) {
    case check::CheckOutcome::NothingToCheck:
        notifier_->Information(Text(check::NothingToCheckText));
        break;
    case check::CheckOutcome::MoveSeemsCorrect:
        notifier_->Information(Text(check::MoveSeemsCorrectText));
        break;
    case check::CheckOutcome::ErrorsFound:
        formCheckResult_->ShowTextWindow(check::CheckReportText(result),
                                         Text(check::CheckResultCaption));
        break;
    }
}

} // namespace orv::gui
