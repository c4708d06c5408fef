#include "core/move/move_file.h"

#include "core/report/text_file.h"
#include "core/report/tokenizer.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace orv::move {

namespace {

namespace fs = std::filesystem;

MoveResult Failure(LoadStatus status, std::string message) {
    return {status, MessageKind::Error, std::move(message)};
}

// Turns freshly read raw lines into the move. The move is touched only when the lines
// convert, or, when one does not, made a new move as every failed rebuild does.
MoveResult TakeRawLines(MoveList& move, std::vector<std::string> lines) {
    MoveList read;
    read.lines = std::move(lines);
    read.form = DisplayForm::Raw;
    std::string message = read.Rebuild(DisplayForm::Natural);
    if (message.empty()) {
        // Without its END every order would count as a message line. An END that stands
        // first already ends the (empty) order part: another one after the message lines
        // would make them orders on the next load.
        if (std::find(read.lines.begin(), read.lines.end(), "END") == read.lines.end()) {
            read.lines.emplace_back("END");
        }
        if (move.form == DisplayForm::Raw) {
            message = read.Rebuild(DisplayForm::Raw);
        }
    }
    if (!message.empty()) {
        const DisplayForm shown = move.form;
        move.NewMove();
        move.form = shown;
        return Failure(LoadStatus::Unrecognized, std::move(message));
    }
    move.lines = std::move(read.lines);
    return {};
}

// A name beside the target that no file has yet.
std::string TemporaryNameFor(const std::string& target) {
    std::error_code ec;
    for (int n = 0;; ++n) {
        std::string name = target + ".~orv" + std::to_string(n);
        if (!fs::exists(name, ec) || n == 999) {
            return name;
        }
    }
}

// The file a save replaces: the target itself, or the file a link names, so that the
// link stays a link. Empty when there is no such file to write: only a regular file is
// replaced, since renaming over a directory, a device such as /dev/full or a pipe would
// put a move file where something else belongs.
std::string FileToReplace(const std::string& target) {
    std::error_code ec;
    if (target.empty()) {
        return {};
    }
    fs::path file = target;
    if (fs::is_symlink(file, ec)) {
        file = fs::weakly_canonical(file, ec);
        if (ec) {
            return {};
        }
    }
    const fs::file_status status = fs::status(file, ec);
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        return {};
    }
    return file.string();
}

// Writes the bytes to a temporary file in the target's folder and renames it over the
// target, so the target is either the old file or the complete new one.
bool WriteFileReplacing(const std::string& name, const std::string& bytes) {
    std::error_code ec;
    const std::string target = FileToReplace(name);
    if (target.empty()) {
        return false;
    }
    const std::string temp = TemporaryNameFor(target);
    bool written = false;
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (out) {
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            out.close();
            written = !out.fail();
        }
    }
    if (written) {
        fs::rename(temp, target, ec);
        written = !ec;
    }
    if (!written) {
        fs::remove(temp, ec);
    }
    return written;
}

} // namespace

MoveResult LoadMove(MoveList& move, const std::string& path) {
    move.folder = FolderOf(path);
    if (!report::FileExists(path)) {
        return Failure(LoadStatus::NotFound, "File " + path + " not found!");
    }
    std::string bytes;
    if (!report::ReadFileBytes(path, bytes)) {
        return Failure(LoadStatus::ReadError, "File " + path + " could not be read!");
    }
    std::vector<std::string> lines = report::SplitLines(bytes);
    bytes.clear();
    std::size_t begin = 0;
    while (begin < lines.size() && report::UpperAscii(report::WordAt(lines[begin], 1)) != "BEGIN") {
        ++begin;
    }
    // The file ends right after a BEGIN on its last line, before that line is looked at.
    if (begin + 1 >= lines.size()) {
        return Failure(LoadStatus::NoBegin, std::string(NoBeginMessage));
    }
    lines.erase(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(begin));
    MoveResult result = TakeRawLines(move, std::move(lines));
    if (result.Ok()) {
        move.fileName = path;
    }
    return result;
}

MoveResult LoadMoveFromText(MoveList& move, std::string_view text) {
    return TakeRawLines(move, report::SplitLines(text));
}

SaveResult SaveMove(MoveList& move) {
    const bool natural = move.form == DisplayForm::Natural;
    if (natural) {
        std::string message = move.Rebuild(DisplayForm::Raw);
        if (!message.empty()) {
            move.form = DisplayForm::Natural;
            return {false, std::move(message)};
        }
    }
    const bool written = WriteFileReplacing(move.fileName, report::JoinCrLf(move.lines));
    if (natural) {
        move.Rebuild(DisplayForm::Natural);
    }
    if (!written) {
        return {false, "File " + move.fileName + " could not be written!"};
    }
    return {};
}

SaveResult SaveMoveAs(MoveList& move, const std::string& path) {
    move.fileName = path;
    return SaveMove(move);
}

ClipboardText MoveClipboardText(MoveList& move) {
    ClipboardText result;
    const bool natural = move.form == DisplayForm::Natural;
    if (natural) {
        result.message = move.Rebuild(DisplayForm::Raw);
    }
    if (result.message.empty()) {
        result.text = report::JoinCrLf(move.lines);
    }
    if (natural) {
        move.Rebuild(DisplayForm::Natural);
    }
    return result;
}

std::optional<std::string> FindMostRecentFile(const std::string& folder) {
    if (folder.empty()) {
        return std::nullopt;
    }
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    std::optional<std::string> newest;
    fs::file_time_type newestTime{};
    for (const fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
        std::error_code timeError;
        const fs::file_time_type time = it->last_write_time(timeError);
        if (!timeError && (!newest || time > newestTime)) {
            newest = it->path().string();
            newestTime = time;
        }
    }
    return newest;
}

MoveResult LoadMostRecentFile(MoveList& move) {
    const std::optional<std::string> newest = FindMostRecentFile(move.folder);
    if (!newest) {
        return {LoadStatus::NotFound, MessageKind::Warning, std::string(NoFileFoundMessage)};
    }
    return LoadMove(move, *newest);
}

} // namespace orv::move
