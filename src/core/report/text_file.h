#pragma once
// Reading and writing the 8-bit text files of the game: reports, moves and settings.
// Lines may end in CR LF, LF or CR; written lines end in CR LF.

#include <string>
#include <string_view>
#include <vector>

namespace orv::report {

enum class FileStatus { Ok, NotFound, ReadError, WriteError };

struct TextFile {
    FileStatus status = FileStatus::Ok;
    std::vector<std::string> lines;
};

// True when a regular file (not a directory) of that name exists.
bool FileExists(const std::string& fileName);

// Splits text into lines at CR LF, LF or CR. A final line break does not start another line.
std::vector<std::string> SplitLines(std::string_view text);

// Reads a whole file as bytes and splits it into lines.
TextFile ReadTextFile(const std::string& fileName);

// Reads a whole file as bytes; false when it cannot be opened or read.
bool ReadFileBytes(const std::string& fileName, std::string& bytes);

// Writes the bytes to a temporary file beside the target and renames it over the target,
// so the target is either the old file or the complete new one. Only a regular file, or
// one that does not exist yet, is replaced; through a link, the file it names. False when
// the bytes could not be written, with the target as it was.
bool WriteFileReplacing(const std::string& fileName, std::string_view bytes);

// Joins lines with CR LF after every line.
std::string JoinCrLf(const std::vector<std::string>& lines);

} // namespace orv::report
