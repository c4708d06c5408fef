#include "core/move/move_file.h"

#include "core/report/text_file.h"
#include "core/report/tokenizer.h"

#include <filesystem>
#include <new>

namespace orv::move {

namespace {

namespace fs = std::filesystem;

MoveResult Failure(LoadStatus status, report::Message message) {
    return {status, MessageKind::Error, std::move(message)};
}

bool StartsWithBegin(std::string_view line) {
    return report::IsUpperAsciiOf(report::WordAt(line, 1), "BEGIN");
}

// Reads the lines after the BEGIN line into `read`: orders up to the end line, then the
// message lines as they stand. A missing end line is added, so no order is ever taken for
// a message.
MoveResult ReadOrders(report::LineCursor& cursor, MoveList& read) {
    for (std::size_t number = read.beginLine + 1; !cursor.AtEnd(); ++number) {
        const std::string_view line = cursor.Next();
        if (IsEndLine(line)) {
            TextLines messages;
            // Measured first: a growing buffer would hold twice the block for a moment.
            std::size_t count = 0;
            std::size_t bytes = 0;
            for (report::LineCursor ahead = cursor; !ahead.AtEnd(); ++count) {
                bytes += ahead.Next().size();
            }
            messages.reserve(bytes, count);
            while (!cursor.AtEnd()) {
                messages.push_back(cursor.Next());
            }
            read.ReplaceMessages(std::move(messages));
            break;
        }
        if (IsBeginLine(line)) {
            read.InsertOrder(read.EndLineIndex(), OrderLine{"BEGIN", "BEGIN"});
        } else if (IsOrderKeyword(line)) {
            read.InsertOrder(read.EndLineIndex(), OrderFromFile(line));
        } else {
            std::string message(UnrecognizedCommandMessage);
            message += ' ';
            message += std::to_string(number);
            message += "\r\n";
            message += report::ShortLine(line);
            MoveResult refused = Failure(LoadStatus::Unrecognized, message);
            refused.line = number;
            return refused;
        }
    }
    return {};
}

// Builds the move from the lines at the cursor, which stands on the line after the BEGIN
// line; `move` is replaced, named fileName, only when every line was read.
MoveResult TakeMove(MoveList& move, report::LineCursor cursor, const fs::path& fileName,
                    std::size_t beginLine) {
    try {
        MoveList read;
        read.form = move.form;
        read.folder = move.folder;
        read.fileName = fileName;
        read.beginLine = beginLine;
        MoveResult result = ReadOrders(cursor, read);
        if (result.Ok()) {
            move = std::move(read);
        }
        return result;
    } catch (const std::bad_alloc&) {
        return Failure(LoadStatus::ReadError, "There is not enough memory to read the move.");
    }
}

// Moves the cursor past the first line whose first word is BEGIN; the number of that line
// (from 1), or 0 when there is none.
std::size_t SkipPastBegin(report::LineCursor& cursor) {
    for (std::size_t line = 1; !cursor.AtEnd(); ++line) {
        if (StartsWithBegin(cursor.Next())) {
            return line;
        }
    }
    return 0;
}

report::Message FileMessage(const fs::path& path, std::string_view what) {
    return report::Message().Text("File ").Name(path).Text(what);
}

} // namespace

MoveResult LoadMove(MoveList& move, const fs::path& path) {
    move.folder = FolderOf(path.native());
    std::string bytes;
    switch (report::ReadFileBytes(path, bytes)) {
    case report::FileStatus::Ok:
        break;
    case report::FileStatus::NotFound:
        return Failure(LoadStatus::NotFound, FileMessage(path, " not found!"));
    case report::FileStatus::TooLarge:
        return Failure(LoadStatus::ReadError, FileMessage(path, report::TooLargeMessage));
    case report::FileStatus::ReadError:
        return Failure(LoadStatus::ReadError, FileMessage(path, " could not be read!"));
    }
    report::LineCursor cursor(bytes);
    const std::size_t beginLine = SkipPastBegin(cursor);
    // A BEGIN on the last line is never found: the file ends before that line is looked at.
    if (beginLine == 0 || cursor.AtEnd()) {
        return Failure(LoadStatus::NoBegin, NoBeginMessage);
    }
    return TakeMove(move, cursor, path, beginLine);
}

MoveResult LoadMoveFromText(MoveList& move, std::string_view text) {
    report::LineCursor cursor(text);
    const std::size_t beginLine = SkipPastBegin(cursor);
    // Without a BEGIN line the text is taken as orders from its first line: a pasted order
    // must not be swallowed as the frame.
    if (beginLine == 0) {
        cursor = report::LineCursor(text);
    }
    return TakeMove(move, cursor, move.fileName, beginLine);
}

SaveResult SaveMove(const MoveList& move) {
    return SaveMoveTo(move, move.fileName);
}

SaveResult SaveMoveTo(const MoveList& move, const fs::path& path) {
    std::string reason;
    if (!report::WriteFileReplacing(path, move.RawText(), &reason)) {
        report::Message message = FileMessage(path, " could not be written!");
        if (!reason.empty()) {
            message.Text("\r\n").Text(reason);
        }
        return {false, std::move(message)};
    }
    return {};
}

SaveResult SaveMoveAs(MoveList& move, const fs::path& path) {
    SaveResult result = SaveMoveTo(move, path);
    if (!result.ok) {
        return result;
    }
    move.fileName = path;
    return {};
}

std::string MoveClipboardText(const MoveList& move) {
    return move.RawText();
}

namespace {

// The newest entry of the folder by its last write; none for an empty or unreadable folder.
std::optional<fs::path> FindMostRecentFile(const fs::path& folder) {
    if (folder.empty()) {
        return std::nullopt;
    }
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    std::optional<fs::path> newest;
    fs::file_time_type newestTime{};
    for (const fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
        std::error_code timeError;
        const fs::file_time_type time = it->last_write_time(timeError);
        if (!timeError && (!newest || time > newestTime)) {
            newest = it->path();
            newestTime = time;
        }
    }
    return newest;
}

} // namespace

MoveResult LoadMostRecentFile(MoveList& move) {
    const std::optional<fs::path> newest = FindMostRecentFile(move.folder);
    if (!newest) {
        return {LoadStatus::NotFound, MessageKind::Warning, NoFileFoundMessage};
    }
    return LoadMove(move, *newest);
}

} // namespace orv::move
