#pragma once
// The open move as the window edits it: the move list with its file name, whether it holds
// edits that are not saved, and the undo history. Every change goes through here and is
// announced by Changed(), which the move list, the goods, the problem list and the map
// follow; no caller has to remember what to show anew.

#include "core/edit/order_fields.h"
#include "core/move/move_edit.h"
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
    explicit MoveDocument(QObject* parent = nullptr);

    const move::MoveList& Move() const { return move_; }
    QUndoStack* UndoStack() const { return undo_; }
    // Edits since the last save or load; undoing back to that point clears it.
    bool IsModified() const;

    // A change made by the core on the move: it returns the edit that takes it back, or
    // none when it changed nothing. Recorded as one step named `text`. `selection` is the
    // move list's selection, which the change may move; undo and redo restore the one
    // before and after it.
    using Change = std::function<std::optional<move::MoveEdit>(move::MoveList&, edit::Selection&)>;
    void Apply(const QString& text, edit::Selection& selection, const Change& change);

    // One step that puts a whole move in place (New, Load, Reload, Get from Clipboard);
    // `saved` when it is what its file holds.
    void ReplaceMove(const QString& text, move::MoveList move, bool saved);

    // Not edits of the orders: none of these is undone.
    void SetForm(move::DisplayForm form);
    void SetFolder(const std::string& folder);
    void SetFileName(const std::string& fileName);
    void MarkSaved();

    // Carries out an edit for the undo history; returns the edit that takes it back.
    move::MoveEdit ApplyEdit(const move::MoveEdit& edit);
    void Announce(edit::Selection selection);

  signals:
    // The move, its form or its name changed.
    void Changed();
    // An undo or redo, or a whole move put in place, left this line of the move list
    // selected (none: no line).
    void SelectionRestored(edit::Selection line);
    void ModifiedChanged(bool modified);

  private:
    move::MoveList move_;
    QUndoStack* undo_;
};

} // namespace orv::gui
