#pragma once
// The open move as the window edits it: the move list with its file name and the stamp of
// the file it was read from, the current line, the insert mode of the next dialog, whether
// it holds edits that are not saved, and the undo history. Every change goes through here
// and is announced by the one Changed signal, which names what changed; the move list, the
// goods, the problem list, the map and the draft follow it, so no caller has to remember
// what to show anew.

#include "core/edit/order_fields.h"
#include "core/move/move_edit.h"
#include "core/move/move_file.h"
#include "core/move/move_list.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QUndoStack;

namespace orv::gui {

class MoveDocument : public QObject {
    Q_OBJECT
  public:
    // What a change touched; Changed carries them or-ed together.
    enum Aspect : unsigned {
        Orders = 1,   // the lines of the move, or the form they are shown in
        Current = 2,  // the current line
        Identity = 4, // the file name or the stamp of the file
        Modified = 8, // whether there are unsaved edits
    };

    explicit MoveDocument(QObject* parent = nullptr);

    const move::MoveList& Move() const { return move_; }
    QUndoStack* UndoStack() const { return undo_; }
    // Edits since the last save or load; undoing back to that point clears it.
    bool IsModified() const;

    // The current line of the move list; none when no line is chosen.
    edit::Selection CurrentLine() const { return current_; }
    // A line past the end of the move is taken as none.
    void SetCurrentLine(edit::Selection line);
    // Where the next order from a command dialog goes: above, below or over the current line.
    edit::InsertMode InsertMode() const { return insertMode_; }
    void SetInsertMode(edit::InsertMode mode) { insertMode_ = mode; }

    // The file as it was when the move was read from it or last saved to it; none for a
    // move that has no file, or one pasted.
    const std::optional<move::FileStamp>& Stamp() const { return stamp_; }
    void SetStamp(std::optional<move::FileStamp> stamp);

    // A change made by the core on the move, from the current line: it returns the edit
    // that takes it back, or none when it changed nothing, and may move the line. Recorded
    // as one step named `text`; undo and redo restore the current line before and after it.
    using Change = std::function<std::optional<move::MoveEdit>(move::MoveList&, edit::Selection&)>;
    void Apply(const QString& text, const Change& change);

    // One step that puts a whole move in place (New, Load, Reload, Get from Clipboard);
    // `saved` when it is what its file holds. No line is current afterwards.
    void ReplaceMove(const QString& text, move::MoveList move, bool saved);

    // Not edits of the orders: none of these is undone.
    void SetForm(move::DisplayForm form);
    void SetFolder(const std::string& folder);
    void SetFileName(const std::string& fileName);
    void MarkSaved();

    // Carries out an edit for the undo history and makes `line` current.
    move::MoveEdit Restore(const move::MoveEdit& edit, edit::Selection line);

  signals:
    void Changed(unsigned aspects);

  private:
    // The line when the move has it, else none.
    edit::Selection WithinMove(edit::Selection line) const;

    move::MoveList move_;
    QUndoStack* undo_;
    edit::Selection current_;
    edit::InsertMode insertMode_ = edit::InsertMode::Below;
    std::optional<move::FileStamp> stamp_;
};

} // namespace orv::gui
