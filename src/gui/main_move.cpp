// The main window's move side: the Move menu, the two display switches, the current goods,
// Check Move, the save question and the draft. The move document and the checker are the
// core's; every change of the move arrives through the document's Changed signal.

#include "core/check/check_driver.h"
#include "core/check/goods.h"
#include "core/move/catalogue.h"
#include "core/report/text_file.h"
#include "gui/busy_cursor.h"
#include "gui/captions.h"
#include "gui/check_result.h"
#include "gui/draft.h"
#include "gui/main.h"
#include "gui/map_follower.h"
#include "gui/move_document.h"
#include "gui/move_list_model.h"
#include "gui/row_list_view.h"
#include "gui/text_codec.h"

#include <QAction>
#include <QButtonGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStringListModel>

namespace orv::gui {

namespace {

QString Text(std::string_view text) {
    return FromText(text);
}

move::DisplayForm FormOf(const QButtonGroup* group) {
    return group->checkedId() == 1 ? move::DisplayForm::Raw : move::DisplayForm::Natural;
}

} // namespace

move::DisplayForm MainWindow::CommandsForm() const {
    return FormOf(commandsForm);
}

move::DisplayForm MainWindow::DisplayFormChosen() const {
    return FormOf(displayForm);
}

const move::MoveList& MainWindow::Move() const {
    return document_->Move();
}

void MainWindow::ShowMessage(move::MessageKind kind, const report::Message& message) {
    gui::ShowMessage(*notifier_, kind, FromMessage(message));
}

void MainWindow::DocumentChanged(unsigned aspects) {
    if ((aspects & MoveDocument::Orders) != 0) {
        RunCheck();
    }
    if ((aspects & (MoveDocument::Orders | MoveDocument::Identity)) != 0) {
        // An unnamed move is saved through "Save As", so Save stays offered.
        menuItemReload->setEnabled(Move().CanSave());
    }
    if ((aspects & MoveDocument::Modified) != 0) {
        setWindowModified(document_->IsModified());
    }
    if ((aspects & MoveDocument::Orders) != 0) {
        emit StateShown();
    }
}

void MainWindow::UpdateCurrentGoods() {
    const edit::Selection selected = document_->CurrentLine();
    if (!selected) {
        LabelCGoldVal->setText(QStringLiteral("-"));
        LabelCWoodVal->setText(QStringLiteral("-"));
        LabelCGoldVal->setStyleSheet(QString());
        LabelCWoodVal->setStyleSheet(QString());
        return;
    }
    const check::Goods goods =
        check::ComputeCurrentGoods(Move(), state_.game, static_cast<std::int64_t>(*selected));
    ShowGoodsValue(LabelCGoldVal, goods.gold);
    ShowGoodsValue(LabelCWoodVal, goods.wood);
}

void MainWindow::RadioGroupCommandsClick() {
    QStringList captions;
    for (const std::string& caption : move::CommandCaptions(CommandsForm())) {
        captions.append(Text(caption));
    }
    commandsModel_->setStringList(captions);
}

void MainWindow::RadioGroupDisplayClick() {
    document_->SetForm(DisplayFormChosen());
}

bool MainWindow::MaybeSave() {
    if (!document_->IsModified()) {
        return true;
    }
    switch (notifier_->AskSave(QString::fromLatin1(SaveChangesQuestion))) {
    case SaveChoice::Save:
        return Move().CanSave() ? SaveCurrent() : SaveCurrentAs();
    case SaveChoice::Discard:
        // The draft stays until the move is replaced or the window closes: the action
        // asked for may still be cancelled (a file dialog), and the edits are then kept.
        return true;
    case SaveChoice::Cancel:
        break;
    }
    return false;
}

void MainWindow::menuItemNewClick() {
    if (document_->IsModified()) {
        if (!MaybeSave()) {
            return;
        }
    } else if (!notifier_->Confirm(Text(move::ConfirmNewMessage), false)) {
        return;
    }
    move::MoveList fresh = Move();
    fresh.NewMove();
    document_->ReplaceMove(QStringLiteral("New"), std::move(fresh), true);
}

void MainWindow::menuItemGetfromClipboardClick() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasText()) {
        notifier_->Error(Text(move::NoPlainTextMessage));
        return;
    }
    const QString text = QGuiApplication::clipboard()->text();
    if (!KeepsUnwritable(*notifier_, text, true) || !MaybeSave()) {
        return;
    }
    move::MoveList read = Move();
    const move::MoveResult result = move::LoadMoveFromText(read, ToText(text));
    ShowMessage(result.kind, result.message);
    if (result.Ok()) {
        // Nobody's file: the next save asks where the pasted orders go.
        document_->ReplaceMove(QStringLiteral("Get from Clipboard"), std::move(read), false);
        document_->SetStamp(std::nullopt);
    }
}

void MainWindow::menuItemPuttoClipboardClick() {
    QGuiApplication::clipboard()->setText(Text(move::MoveClipboardText(Move())));
    statusBar()->showMessage(QStringLiteral("Move put on the clipboard"), StatusMs);
}

void MainWindow::TakeLoadedMove(const QString& stepName, move::MoveList read,
                                const move::MoveResult& result) {
    document_->SetFolder(read.folder);
    ShowMessage(result.kind, result.message);
    if (result.Ok()) {
        const QString path = FromPath(read.fileName);
        document_->ReplaceMove(stepName, std::move(read), true);
        document_->SetStamp(result.stamp);
        RememberRecentFile(path);
        statusBar()->showMessage(QStringLiteral("Loaded ") + QFileInfo(path).fileName(), StatusMs);
    }
}

void MainWindow::LoadMoveFile(const QString& stepName, const std::string& path) {
    move::MoveList read = Move();
    const move::MoveResult result = move::LoadMove(read, path);
    TakeLoadedMove(stepName, std::move(read), result);
}

void MainWindow::menuItemLoadClick() {
    if (!MaybeSave()) {
        return;
    }
    const QString chosen =
        picker_->OpenFileName(SelectMoveFileTitle, FromPath(Move().folder), MoveFileFilter);
    if (!chosen.isEmpty()) {
        LoadMoveFile(QStringLiteral("Load"), ToPath(chosen));
    }
}

void MainWindow::OpenMoveFile(const QString& path) {
    if (MaybeSave()) {
        LoadMoveFile(QStringLiteral("Load"), ToPath(path));
    }
}

void MainWindow::menuItemReloadClick() {
    if (Move().fileName.empty() || !notifier_->Confirm(Text(move::ConfirmReloadMessage), false)) {
        return;
    }
    LoadMoveFile(QStringLiteral("Reload"), Move().fileName);
}

bool MainWindow::SaveCurrent() {
    // Another window or program may have written the file since this one read it: its
    // orders are not lost without a word.
    const std::optional<move::FileStamp>& stamp = document_->Stamp();
    if (stamp && stamp->file == Move().fileName && move::ChangedSince(*stamp) &&
        !notifier_->Confirm(FromMessage(move::ChangedOnDiskMessage(Move().fileName)), false)) {
        return false;
    }
    const move::SaveResult result = move::SaveMove(Move());
    if (!result.ok) {
        notifier_->Error(FromMessage(result.message));
        return false;
    }
    document_->MarkSaved();
    document_->SetStamp(result.stamp);
    statusBar()->showMessage(
        QStringLiteral("Saved ") + QFileInfo(FromPath(Move().fileName)).fileName(), StatusMs);
    return true;
}

QString MainWindow::ProposedMoveFile() const {
    return FromPath(
        move::ProposedMoveName(Move().fileName.string(), Move().folder, state_.reportFileName));
}

bool MainWindow::SaveCurrentAs() {
    QString proposed = ProposedMoveFile();
    QString chosen;
    // "No" to writing over a file goes back to the dialog, at the name chosen.
    for (;;) {
        QString filter;
        chosen = picker_->SaveFileName(SaveMoveFileTitle, proposed, MoveFileFilter, &filter);
        if (chosen.isEmpty()) {
            return false;
        }
        // A name typed without an extension gets the first one of the filter chosen.
        static const QRegularExpression FirstExtension(QStringLiteral("\\*(\\.\\w+)"));
        const QRegularExpressionMatch extension = FirstExtension.match(filter);
        if (QFileInfo(chosen).suffix().isEmpty() && extension.hasMatch()) {
            chosen += extension.captured(1);
        }
        if (!QFileInfo::exists(chosen) ||
            notifier_->Confirm(Text(move::ConfirmOverwriteMessage), true)) {
            break;
        }
        proposed = chosen;
    }
    move::MoveList named = Move();
    const move::SaveResult result = move::SaveMoveAs(named, ToPath(chosen));
    if (!result.ok) {
        notifier_->Error(FromMessage(result.message));
        return false;
    }
    document_->SetFileName(named.fileName);
    document_->MarkSaved();
    document_->SetStamp(result.stamp);
    RememberRecentFile(FromPath(Move().fileName));
    statusBar()->showMessage(QStringLiteral("Saved ") + QFileInfo(chosen).fileName(), StatusMs);
    return true;
}

void MainWindow::menuItemSaveClick() {
    if (Move().CanSave()) {
        SaveCurrent();
    } else {
        SaveCurrentAs();
    }
}

void MainWindow::menuItemSaveAsClick() {
    SaveCurrentAs();
}

void MainWindow::menuItemLoadMostRecentFileClick() {
    if (!MaybeSave()) {
        return;
    }
    move::MoveList read = Move();
    const move::MoveResult result = move::LoadMostRecentFile(read);
    TakeLoadedMove(QStringLiteral("Load"), std::move(read), result);
}

void MainWindow::menuItemCheckMoveClick() {
    check::CheckResult result;
    {
        const BusyCursor busy;
        result = check::CheckMove(Move(), state_.game);
    }
    const auto problems = static_cast<qsizetype>(check::Problems(result).size());
    statusBar()->showMessage(problems == 1
                                 ? QStringLiteral("1 problem")
                                 : QString::number(problems) + QStringLiteral(" problems"),
                             StatusMs);
    switch (result.outcome) {
    case check::CheckOutcome::NothingToCheck:
        notifier_->Information(Text(check::NothingToCheckText));
        break;
    case check::CheckOutcome::MoveSeemsCorrect:
        notifier_->Information(Text(check::MoveSeemsCorrectText));
        break;
    case check::CheckOutcome::ErrorsFound:
        formCheckResult_->ShowTextWindow(check::CheckReportText(result), CheckResultCaption);
        break;
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!quitConfirmed_ && !MaybeSave()) {
        event->ignore();
        return;
    }
    draft_->Discard();
    SaveWindowState();
    event->accept();
}

void MainWindow::OfferDraft() {
    std::optional<move::MoveList> left = draft_->Left();
    if (!left) {
        return;
    }
    const report::Message changes =
        left->fileName.empty() ? report::Message("Changes to the unnamed move")
                               : report::Message().Text("Changes to ").Name(left->fileName);
    if (notifier_->Confirm(FromMessage(changes) +
                               QStringLiteral(" were not saved when OrvMove last closed.\r\n"
                                              "Restore them?"),
                           false)) {
        document_->ReplaceMove(QStringLiteral("Restore Draft"), std::move(*left), false);
    } else {
        draft_->Discard();
    }
}

} // namespace orv::gui
