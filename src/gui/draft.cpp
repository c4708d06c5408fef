#include "gui/draft.h"

#include "core/move/move_file.h"
#include "core/report/text_file.h"
#include "gui/move_document.h"
#include "gui/text_codec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace orv::gui {

namespace {

// The draft's first line names the move file; a reader of move files skips it as it skips
// every line before BEGIN.
constexpr std::string_view Heading = "OrvMove draft of: ";
constexpr int DelayMs = 2000;
// Copies running at the same time, at most; a copy beyond them keeps no draft.
constexpr int DraftNames = 8;

} // namespace

DraftKeeper::DraftKeeper(const MoveDocument& document, const QString& folder, QObject* parent)
    : QObject(parent), document_(document) {
    const QDir drafts(QDir(folder).filePath(QStringLiteral("drafts")));
    if (!folder.isEmpty()) {
        folder_ = drafts.path();
    }
    if (!folder.isEmpty() && QDir().mkpath(drafts.path())) {
        for (int n = 1; n <= DraftNames && path_.isEmpty(); ++n) {
            const QString name =
                n == 1 ? QStringLiteral("draft") : QStringLiteral("draft-%1").arg(n);
            auto lock =
                std::make_unique<QLockFile>(drafts.filePath(name + QStringLiteral(".lock")));
            lock->setStaleLockTime(0); // held for the whole run; only a dead holder frees it
            if (lock->tryLock(0)) {
                lock_ = std::move(lock);
                path_ = drafts.filePath(name + QStringLiteral(".cmd"));
            }
        }
    }
    timer_.setSingleShot(true);
    timer_.setInterval(DelayMs);
    connect(&timer_, &QTimer::timeout, this, &DraftKeeper::WriteNow);
    connect(&document, &MoveDocument::Changed, this, [this](unsigned aspects) {
        if ((aspects & (MoveDocument::Orders | MoveDocument::Identity | MoveDocument::Modified)) !=
            0) {
            DocumentChanged();
        }
    });
}

void DraftKeeper::DocumentChanged() {
    if (!document_.IsModified()) {
        Discard();
    } else if (!timer_.isActive()) {
        timer_.start();
    }
}

void DraftKeeper::WriteNow() {
    timer_.stop();
    if (path_.isEmpty()) {
        // The folder could not be made, or every draft name is held by another copy.
        if (!folder_.isEmpty() && document_.IsModified()) {
            TellFailure({});
        }
        return;
    }
    if (!document_.IsModified()) {
        Discard();
        return;
    }
    QDir().mkpath(QFileInfo(path_).absolutePath()); // in case the folder went meanwhile
    const move::MoveList& move = document_.Move();
    std::string text(Heading);
    text += move.fileName;
    text += "\r\n";
    text += move.RawText();
    std::string reason;
    if (!report::WriteFileReplacing(ToPath(path_), text, &reason)) {
        TellFailure(reason);
    }
}

void DraftKeeper::TellFailure(const std::string& reason) {
    if (failureTold_) {
        return;
    }
    failureTold_ = true;
    emit Failed(QStringLiteral("Unsaved edits cannot be kept in ") +
                QDir::toNativeSeparators(folder_) +
                (reason.empty() ? QString() : QStringLiteral(": ") + FromText(reason)));
}

void DraftKeeper::Discard() {
    timer_.stop();
    if (!path_.isEmpty()) {
        QFile::remove(path_);
    }
}

std::optional<move::MoveList> DraftKeeper::Left() const {
    if (path_.isEmpty() || !QFileInfo::exists(path_)) {
        return std::nullopt;
    }
    std::string bytes;
    if (report::ReadFileBytes(ToPath(path_), bytes) != report::FileStatus::Ok) {
        return std::nullopt;
    }
    report::LineCursor lines(bytes);
    const std::string_view first = lines.Next();
    move::MoveList move;
    move.form = document_.Move().form;
    if (!first.starts_with(Heading) || !move::LoadMoveFromText(move, bytes).Ok()) {
        return std::nullopt;
    }
    move.fileName = std::string(first.substr(Heading.size()));
    // A relative name (a draft of an older version) would name another file from another
    // working folder: the restored move is then unnamed, and saving asks where.
    if (move.fileName.is_relative()) {
        move.fileName.clear();
    }
    const QFileInfo draft(path_);
    const QFileInfo file(FromPath(move.fileName));
    if (!move.fileName.empty() && file.exists() && file.lastModified() >= draft.lastModified()) {
        QFile::remove(path_); // the move was saved after the draft was written
        return std::nullopt;
    }
    return move;
}

} // namespace orv::gui
