#pragma once
// Reading and writing moves: move files, the clipboard text and the search for the newest
// file of the move folder. Messages are handed back for the caller to show.

#include "core/move/move_list.h"

#include <optional>
#include <string>
#include <string_view>

namespace orv::move {

inline constexpr std::string_view NoBeginMessage = "Error in file: no BEGIN found!";
inline constexpr std::string_view NoPlainTextMessage = "Clipboard contains no plain text!";
inline constexpr std::string_view NoFileFoundMessage = "No file found.";
inline constexpr std::string_view ConfirmNewMessage = "Are you sure you want to clear this form?";
inline constexpr std::string_view ConfirmReloadMessage =
    "Really want to discard your edits and reload the move?";
inline constexpr std::string_view ConfirmOverwriteMessage =
    "File exists already!\r\nDo you want to overwrite?";

enum class LoadStatus {
    Loaded,
    NotFound,     // the file does not exist; nothing changed but the folder
    ReadError,    // the file could not be read (or is too large); nothing changed but the folder
    NoBegin,      // no BEGIN line before the last line; nothing changed but the folder
    Unrecognized, // a line is no order; nothing changed but the folder
};

enum class MessageKind { None, Error, Warning, Information };

struct MoveResult {
    LoadStatus status = LoadStatus::Loaded;
    MessageKind kind = MessageKind::None;
    report::Message message; // to show when kind is not None
    std::size_t line = 0;    // the line of the file or text the message is about; 0 for none

    bool Ok() const { return status == LoadStatus::Loaded; }
};

// Reads a move file: lines before the first line whose first word is BEGIN are skipped.
// The move is replaced only when the whole file was read and every line before the end
// line is an order; on success the file becomes the move file. Whatever happens, the
// file's folder becomes the move folder.
MoveResult LoadMove(MoveList& move, const std::filesystem::path& path);

// Reads clipboard text: a text whose first line is no BEGIN line is searched for one as a
// file is, and without one a BEGIN line is put before its first line. The file name stays.
MoveResult LoadMoveFromText(MoveList& move, std::string_view text);

struct SaveResult {
    bool ok = true;
    report::Message message; // error text when not ok
};

// Writes the raw lines with CR LF to the move file, so that the old file stays whole when
// the write fails.
SaveResult SaveMove(const MoveList& move);
// The same to another path, leaving the move's name as it is. A failure names the system's
// reason on a second line when there is one ("No space left on the device").
SaveResult SaveMoveTo(const MoveList& move, const std::filesystem::path& path);

// The same, to a chosen path, which becomes the move file name when the write succeeded
// ("Save As..."); after a failure the move keeps its old name.
SaveResult SaveMoveAs(MoveList& move, const std::filesystem::path& path);

// The text "Put to Clipboard" places on the clipboard: raw lines, each followed by CR LF.
std::string MoveClipboardText(const MoveList& move);

// "Load Most Recent File": loads the newest entry of the move folder or warns
// "No file found.".
MoveResult LoadMostRecentFile(MoveList& move);

} // namespace orv::move
