#include "core/move/move_file.h"

#include "core/report/report_series.h"
#include "core/report/text_file.h"
#include "core/report/tokenizer.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
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

// The name a move keeps: absolute and without "." or "..", the folders' links resolved, so
// that it names the same file from any working folder (a draft restored elsewhere, a
// recent entry). The file's own link is kept, so that saving writes through it.
fs::path AbsoluteName(const fs::path& path) {
    std::error_code ec;
    const fs::path absolute = fs::absolute(path, ec);
    if (ec || absolute.filename().empty()) {
        return path;
    }
    const fs::path folder = fs::weakly_canonical(absolute.parent_path(), ec);
    return ec ? absolute.lexically_normal() : folder / absolute.filename();
}

// FNV-1a over the bytes: a change of any byte changes it.
std::uint64_t HashOf(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    return hash;
}

// Size and time of last write, without the bytes.
std::optional<FileStamp> OutlineOf(const fs::path& file) {
    std::error_code ec;
    FileStamp stamp;
    stamp.file = file;
    stamp.size = fs::file_size(file, ec);
    if (ec) {
        return std::nullopt;
    }
    const fs::file_time_type time = fs::last_write_time(file, ec);
    if (ec) {
        return std::nullopt;
    }
    stamp.written =
        std::chrono::duration_cast<std::chrono::nanoseconds>(time.time_since_epoch()).count();
    return stamp;
}

// The stamp of a file whose bytes were just read or written.
std::optional<FileStamp> StampFor(const fs::path& file, std::string_view bytes) {
    std::optional<FileStamp> stamp = OutlineOf(file);
    if (stamp) {
        stamp->hash = HashOf(bytes);
    }
    return stamp;
}

report::Message FileMessage(const fs::path& path, std::string_view what) {
    return report::Message().Text("File ").Name(path).Text(what);
}

} // namespace

bool LooksLikeMoveFile(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        return false;
    }
    // The first line that is not blank lies near the start of any move file.
    constexpr std::size_t Look = 4096;
    std::ifstream in(path, std::ios::binary);
    std::string head(Look, '\0');
    in.read(head.data(), static_cast<std::streamsize>(Look));
    head.resize(static_cast<std::size_t>(in.gcount()));
    for (report::LineCursor cursor(head); !cursor.AtEnd();) {
        const std::string_view line = cursor.Next();
        if (!report::WordAt(line, 1).empty()) {
            return StartsWithBegin(line);
        }
    }
    return false;
}

std::string ProposedMoveName(const std::string& moveFileName, const std::string& moveFolder,
                             const std::string& reportFileName) {
    const report::ReportSeries reports = report::SplitReportName(reportFileName);
    const report::ReportSeries moves = report::SplitReportName(moveFileName);
    const bool earlierTurn =
        reports.IsSeries() && moves.IsSeries() &&
        FileNameOnly(moves.prefix) == FileNameOnly(reports.prefix) &&
        report::TurnNumber(moves, moveFileName) < report::TurnNumber(reports, reportFileName);
    if (!moveFileName.empty() && !earlierTurn) {
        return moveFileName;
    }
    if (reportFileName.empty()) {
        return "move.cmd";
    }
    const std::string_view reportName = FileNameOnly(reportFileName);
    std::string name(reportName.substr(0, std::min(reportName.size(), reportName.rfind('.'))));
    name += ".cmd";
    const std::string folder = moveFolder.empty() ? FolderOf(reportFileName) : moveFolder;
    return folder.empty() ? name : (fs::path(folder) / name).string();
}

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
    MoveResult result = TakeMove(move, cursor, AbsoluteName(path), beginLine);
    if (result.Ok()) {
        result.stamp = StampFor(move.fileName, bytes);
    }
    return result;
}

MoveResult LoadMoveFromText(MoveList& move, std::string_view text) {
    report::LineCursor cursor(text);
    const std::size_t beginLine = SkipPastBegin(cursor);
    // Without a BEGIN line the text is taken as orders from its first line: a pasted order
    // must not be swallowed as the frame.
    if (beginLine == 0) {
        cursor = report::LineCursor(text);
    }
    // Pasted orders are nobody's file: a save must ask where they go.
    return TakeMove(move, cursor, fs::path(), beginLine);
}

SaveResult SaveMove(const MoveList& move) {
    return SaveMoveTo(move, move.fileName);
}

SaveResult SaveMoveTo(const MoveList& move, const fs::path& path) {
    std::string reason;
    const std::string bytes = move.RawText();
    if (!report::WriteFileReplacing(path, bytes, &reason)) {
        report::Message message = FileMessage(path, " could not be written!");
        if (!reason.empty()) {
            message.Text("\r\n").Text(reason);
        }
        return {false, std::move(message)};
    }
    return {true, {}, StampFor(AbsoluteName(path), bytes)};
}

SaveResult SaveMoveAs(MoveList& move, const fs::path& path) {
    SaveResult result = SaveMoveTo(move, path);
    if (!result.ok) {
        return result;
    }
    move.fileName = AbsoluteName(path);
    return result;
}

bool ChangedSince(const FileStamp& stamp) {
    const std::optional<FileStamp> now = OutlineOf(stamp.file);
    if (!now || now->size != stamp.size) {
        return true;
    }
    if (now->written == stamp.written) {
        return false;
    }
    // Touched: the same bytes written again are no change.
    std::string bytes;
    return report::ReadFileBytes(stamp.file, bytes) != report::FileStatus::Ok ||
           HashOf(bytes) != stamp.hash;
}

report::Message ChangedOnDiskMessage(const fs::path& file) {
    return FileMessage(file, " was changed on disk since this move was read or saved.\r\n"
                             "Save over it anyway?");
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
