#include "gui/move_document.h"

#include <QUndoCommand>
#include <QUndoStack>
#include <utility>

namespace orv::gui {

namespace {

// One step of the history. It holds the edit that goes the other way: undo carries it out
// and keeps what comes back for redo, and so on. The change itself is made before the
// step is pushed, so the first redo does nothing.
class EditCommand final : public QUndoCommand {
  public:
    EditCommand(MoveDocument& document, const QString& text, move::MoveEdit undo,
                edit::Selection before, edit::Selection after)
        : QUndoCommand(text), document_(document), edit_(std::move(undo)), before_(before),
          after_(after) {}

    void undo() override {
        edit_ = document_.ApplyEdit(edit_);
        document_.Announce(before_);
    }

    void redo() override {
        if (done_) {
            done_ = false;
            return;
        }
        edit_ = document_.ApplyEdit(edit_);
        document_.Announce(after_);
    }

  private:
    MoveDocument& document_;
    move::MoveEdit edit_;
    edit::Selection before_;
    edit::Selection after_;
    bool done_ = true;
};

} // namespace

MoveDocument::MoveDocument(QObject* parent) : QObject(parent), undo_(new QUndoStack(this)) {
    // A long history of whole moves (every load is one step) must not eat the memory.
    constexpr int Steps = 500;
    undo_->setUndoLimit(Steps);
    connect(undo_, &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit ModifiedChanged(!clean); });
}

bool MoveDocument::IsModified() const {
    return !undo_->isClean();
}

void MoveDocument::Apply(const QString& text, edit::Selection& selection, const Change& change) {
    const edit::Selection before = selection;
    std::optional<move::MoveEdit> undo = change(move_, selection);
    if (!undo) {
        return;
    }
    undo_->push(new EditCommand(*this, text, std::move(*undo), before, selection));
    emit Changed();
}

void MoveDocument::ReplaceMove(const QString& text, move::MoveList move, bool saved) {
    edit::Selection none;
    Apply(text, none, [&move](move::MoveList& open, edit::Selection&) {
        return std::optional<move::MoveEdit>(
            move::Apply(open, move::MoveEdit::WholeMove(std::move(move))));
    });
    if (saved) {
        undo_->setClean();
    }
    // A row number of the move before means nothing in this one.
    emit SelectionRestored(none);
}

void MoveDocument::SetForm(move::DisplayForm form) {
    if (move_.form != form) {
        move_.form = form;
        emit Changed();
    }
}

void MoveDocument::SetFolder(const std::string& folder) {
    move_.folder = folder;
}

void MoveDocument::SetFileName(const std::string& fileName) {
    move_.fileName = fileName;
    emit Changed();
}

void MoveDocument::MarkSaved() {
    undo_->setClean();
}

move::MoveEdit MoveDocument::ApplyEdit(const move::MoveEdit& edit) {
    return move::Apply(move_, edit);
}

void MoveDocument::Announce(edit::Selection selection) {
    emit Changed();
    emit SelectionRestored(selection);
}

} // namespace orv::gui
