#pragma once
// Reading and writing moves: move files, the clipboard text and the search for the newest
// file of the move folder. Messages are handed back for the caller to show.

#include "core/move/move_list.h"

#include <cstdint>
#include <filesystem>
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

// What a file was when the move was read from it or saved to it: its name, size, time of
// last write and a hash of its bytes, so that a save can tell whether someone else wrote
// it meanwhile (another window, another program).
struct FileStamp {
    std::filesystem::path file;
    std::uintmax_t size = 0;
    std::int64_t written = 0; // nanoseconds of the file clock
    std::uint64_t hash = 0;
    bool operator==(const FileStamp&) const = default;
};

// True when the file is no longer what the stamp says: changed, replaced or removed. The
// bytes are hashed only when the size agrees and the time does not.
bool ChangedSince(const FileStamp& stamp);

struct MoveResult {
    LoadStatus status = LoadStatus::Loaded;
    MessageKind kind = MessageKind::None;
    report::Message message; // to show when kind is not None
    std::size_t line = 0;    // the line of the file or text the message is about; 0 for none
    std::optional<FileStamp> stamp = std::nullopt; // of the file read, after a load from a file

    bool Ok() const { return status == LoadStatus::Loaded; }
};

// Reads a move file: lines before the first line whose first word is BEGIN are skipped.
// The move is replaced only when the whole file was read and every line before the end
// line is an order; on success the file, by its absolute name, becomes the move file.
// Whatever happens, the file's folder becomes the move folder.
MoveResult LoadMove(MoveList& move, const std::filesystem::path& path);

// Whether a file given to the program is a move rather than a report: a regular file whose
// first line that is not blank starts with the word BEGIN. Pipes are never taken for moves,
// since looking would use up what they hold.
bool LooksLikeMoveFile(const std::filesystem::path& path);

// The file Save As proposes: the move's own name, except for the move of an earlier turn of
// the report's series (turn11.cmd while turn12.txt is read), which would be written over;
// then, as for a move without a name, the report's name with ".cmd" (the move answering
// it), in the move's folder, else the report's. "move.cmd" without a report.
std::string ProposedMoveName(const std::string& moveFileName, const std::string& moveFolder,
                             const std::string& reportFileName);

// Reads clipboard text: a text whose first line is no BEGIN line is searched for one as a
// file is, and without one a BEGIN line is put before its first line. The move read has no
// file name: pasted orders are saved only where the user says.
MoveResult LoadMoveFromText(MoveList& move, std::string_view text);

struct SaveResult {
    bool ok = true;
    report::Message message;                       // error text when not ok
    std::optional<FileStamp> stamp = std::nullopt; // of the file written, when ok
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

// The question before a save over a file that ChangedSince says was changed.
report::Message ChangedOnDiskMessage(const std::filesystem::path& file);

// The text "Put to Clipboard" places on the clipboard: raw lines, each followed by CR LF.
std::string MoveClipboardText(const MoveList& move);

// "Load Most Recent File": loads the newest entry of the move folder or warns
// "No file found.".
MoveResult LoadMostRecentFile(MoveList& move);

} // namespace orv::move
