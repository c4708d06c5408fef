#pragma once
// Keeps a copy of a move with unsaved edits in the user's data folder, a few seconds behind
// the edits, so that a crash or a power cut loses little; at the next start the window
// offers it back. The copy goes once the move is saved or its edits are discarded.

#include "core/move/move_list.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>

namespace orv::gui {

class MoveDocument;

class DraftKeeper : public QObject {
    Q_OBJECT
  public:
    // folder: the user's data folder; without one nothing is kept.
    DraftKeeper(const MoveDocument& document, const QString& folder, QObject* parent = nullptr);

    QString Path() const { return path_; }

    // Writes the draft at once, or removes it when the move has nothing unsaved.
    void WriteNow();
    void Discard();

    // The move a draft of an earlier run holds, named as its move file, when it is newer
    // than that file; an older draft is removed.
    std::optional<move::MoveList> Left() const;

  private:
    void DocumentChanged();

    const MoveDocument& document_;
    QString path_;
    QTimer timer_;
};

} // namespace orv::gui
