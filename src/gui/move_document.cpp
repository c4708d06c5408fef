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

    void undo() override { edit_ = document_.Restore(edit_, before_); }

    void redo() override {
        if (done_) {
            done_ = false;
            return;
        }
        edit_ = document_.Restore(edit_, after_);
    }

  private:
    MoveDocument& document_;
    move::MoveEdit edit_;
    edit::Selection before_;
    edit::Selection after_;
    bool done_ = true;
};

} // namespace

edit::Selection MoveDocument::WithinMove(edit::Selection line) const {
    return line && *line < move_.Size() ? line : edit::Selection();
}

MoveDocument::MoveDocument(QObject* parent) : QObject(parent), undo_(new QUndoStack(this)) {
    // A long history of whole moves (every load is one step) must not eat the memory.
    constexpr int Steps = 500;
    undo_->setUndoLimit(Steps);
    connect(undo_, &QUndoStack::cleanChanged, this, [this] { emit Changed(Modified); });
}

bool MoveDocument::IsModified() const {
    return !undo_->isClean();
}

void MoveDocument::SetCurrentLine(edit::Selection line) {
    line = WithinMove(line);
    if (line != current_) {
        current_ = line;
        emit Changed(Current);
    }
}

void MoveDocument::SetStamp(std::optional<move::FileStamp> stamp) {
    stamp_ = stamp;
    emit Changed(Identity);
}

void MoveDocument::Apply(const QString& text, const Change& change) {
    const edit::Selection before = current_;
    edit::Selection after = current_;
    std::optional<move::MoveEdit> undo = change(move_, after);
    if (!undo) {
        return;
    }
    current_ = WithinMove(after);
    undo_->push(new EditCommand(*this, text, std::move(*undo), before, current_));
    emit Changed(Orders | Current);
}

void MoveDocument::ReplaceMove(const QString& text, move::MoveList move, bool saved) {
    const std::filesystem::path before = move_.fileName;
    Apply(text, [&move](move::MoveList& open, edit::Selection& line) {
        // A row number of the move before means nothing in this one.
        line.reset();
        return std::optional<move::MoveEdit>(move::PutWholeMove(open, std::move(move)));
    });
    if (saved) {
        undo_->setClean();
    }
    if (move_.fileName != before) {
        emit Changed(Identity);
    }
}

void MoveDocument::SetForm(move::DisplayForm form) {
    if (move_.form != form) {
        move_.form = form;
        // The natural form has one line more (the message heading) when there are messages.
        SetCurrentLine(current_);
        emit Changed(Orders);
    }
}

void MoveDocument::SetFolder(const std::string& folder) {
    move_.folder = folder;
}

void MoveDocument::SetFileName(const std::string& fileName) {
    move_.fileName = fileName;
    emit Changed(Identity);
}

void MoveDocument::MarkSaved() {
    undo_->setClean();
}

move::MoveEdit MoveDocument::Restore(const move::MoveEdit& edit, edit::Selection line) {
    const std::filesystem::path before = move_.fileName;
    move::MoveEdit back = move::Apply(move_, edit);
    current_ = WithinMove(line);
    emit Changed(Orders | Current | (move_.fileName != before ? Identity : 0U));
    return back;
}

} // namespace orv::gui
