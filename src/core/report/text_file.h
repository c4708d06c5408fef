#pragma once
// Reading and writing the 8-bit text files of the game: reports, moves and settings.
// Lines may end in CR LF, LF or CR; written lines end in CR LF.

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace orv::report {

// Reports and moves are a few hundred kilobytes at most; anything bigger is refused before
// it is read, so a wrong choice in a file dialog cannot exhaust the memory.
inline constexpr std::uintmax_t MaxTextFileSize = std::uintmax_t{64} << 20;

// Completes "File X" in the message for a file above the limit.
inline constexpr std::string_view TooLargeMessage = " is larger than 64 MiB and was not read!";

enum class FileStatus { Ok, NotFound, ReadError, TooLarge };

struct TextFile {
    FileStatus status = FileStatus::Ok;
    std::vector<std::string> lines;
};

// True when a regular file (not a directory) of that name exists.
bool FileExists(const std::filesystem::path& fileName);

// Walks the lines of a text without copying them. A line ends at CR LF, LF or CR; a CR
// directly before a CR LF belongs to that line end (a mail relay that converts line ends
// twice leaves CR CR LF). A final line end does not start another line.
class LineCursor {
  public:
    explicit LineCursor(std::string_view text) : text_(text) {}
    bool AtEnd() const { return next_ >= text_.size(); }
    // The next line; empty once the text is used up.
    std::string_view Next();
    // Where the next line begins, from the start of the text.
    std::size_t Offset() const { return next_; }

  private:
    std::string_view text_;
    std::size_t next_ = 0;
};

// The lines of a text, as LineCursor finds them.
std::vector<std::string> SplitLines(std::string_view text);

// Reads a stream to its end in chunks; TooLarge (and nothing kept) once it passes the
// limit, ReadError when the stream fails.
FileStatus ReadStreamBytes(std::istream& in, std::string& bytes,
                           std::uintmax_t limit = MaxTextFileSize);

// Reads a whole file or pipe as bytes; NotFound for a missing file or a directory, TooLarge
// above the limit (nothing is read then).
FileStatus ReadFileBytes(const std::filesystem::path& fileName, std::string& bytes,
                         std::uintmax_t limit = MaxTextFileSize);

// Reads a whole file as bytes and splits it into lines.
TextFile ReadTextFile(const std::filesystem::path& fileName);

// Writes the bytes so that the target is either the old file or the complete new one, also
// after a power cut: a temporary file made exclusively under an unguessable name in the
// target's folder, its data synced, renamed over the target, then the folder synced. The
// target keeps its permission bits; a read-only target, and anything that is not a regular
// file, is refused. Through a link, the file it names is written (created when the link
// dangles) and the link stays. Temporary files of killed saves older than a day are removed
// from the folder. False when the bytes could not be written, with the target as it was;
// `reason` then receives the system's reason when it gave one.
bool WriteFileReplacing(const std::filesystem::path& fileName, std::string_view bytes,
                        std::string* reason = nullptr);

// Joins lines with CR LF after every line.
std::string JoinCrLf(const std::vector<std::string>& lines);

// A file name or a line cut in the middle to at most 200 characters for a message, with an
// ellipsis where the cut was: names are UTF-8 (cut between characters), lines are
// Windows-1252 text.
std::string ShortName(std::string_view fileName);
std::string ShortLine(std::string_view line);

// The user's home folder: HOME when it names an absolute folder, else the one the system's
// user list gives for the user running the program, else empty (settings and drafts then
// have no folder of the user's).
std::string UserFolder();

inline constexpr std::string_view NoUserFolderMessage =
    "No home folder is known (HOME is not set): settings and drafts cannot be kept in it.";

} // namespace orv::report
