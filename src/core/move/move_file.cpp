#include "core/move/move_file.h"

#include "core/report/text_file.h"
#include "core/report/tokenizer.h"

#include <algorithm>
#include <filesystem>

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
    const bool written = report::WriteFileReplacing(move.fileName, report::JoinCrLf(move.lines));
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
