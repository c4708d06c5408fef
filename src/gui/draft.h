#pragma once
// Keeps a copy of a move with unsaved edits in the user's data folder, a few seconds behind
// the edits, so that a crash or a power cut loses little; at the next start the window
// offers it back. The copy goes once the move is saved or its edits are discarded.
// Each running copy of the program keeps its draft under a name of its own, held by a lock
// file, so two copies never overwrite or remove each other's draft; the lock of a copy that
// crashed is stale, and the next start takes its name over and offers its draft.

#include "core/move/move_list.h"

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>
#include <string>

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

  signals:
    // A draft could not be written; said once a run.
    void Failed(const QString& message);

  private:
    void DocumentChanged();
    // Says once a run that drafts cannot be written, with the system's reason if any.
    void TellFailure(const std::string& reason);

    const MoveDocument& document_;
    std::unique_ptr<QLockFile> lock_;
    QString folder_; // where drafts go; empty when none are kept
    bool failureTold_ = false;
    QString path_;
    QTimer timer_;
};

} // namespace orv::gui
