#include "core/report/text_file.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <new>
#include <pwd.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace orv::report {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t MessageNameLength = 200;

bool HasNul(const fs::path& name) {
    return name.native().find('\0') != std::string::npos;
}

// A named pipe, or a process's output given as a file (`<(...)` in a shell): read as a
// stream, once.
bool IsPipe(const fs::path& fileName) {
    std::error_code ec;
    return !fileName.empty() && !HasNul(fileName) && fs::is_fifo(fileName, ec);
}

// Where a link points, read one step at a time: a relative target is taken from the
// link's folder. Empty for a loop or a chain longer than the system follows.
fs::path FollowLinks(fs::path file) {
    constexpr int MaxLinks = 40; // the system's own limit (ELOOP)
    for (int hop = 0; hop < MaxLinks; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(file, ec))) {
            return file;
        }
        const fs::path next = fs::read_symlink(file, ec);
        if (ec) {
            return {};
        }
        file = next.is_absolute() ? next : file.parent_path() / next;
    }
    return {};
}

// The file a write replaces: the target itself, or the file a link names (also one that
// does not exist yet), so that the link stays a link. Empty when there is no such file to
// write: only a regular file is replaced, since renaming over a directory, a device such
// as /dev/full or a pipe would put a file where something else belongs.
std::string FileToReplace(const fs::path& target) {
    std::error_code ec;
    // A name with a NUL byte would be cut short by the system and could name another file.
    if (target.empty() || HasNul(target)) {
        return {};
    }
    const fs::path file = FollowLinks(target);
    if (file.empty()) {
        return {};
    }
    const fs::file_status status = fs::status(file, ec);
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        return {};
    }
    return file.string();
}

// The folder a file lies in, for the temporary file and the sync after the rename.
std::string FolderFor(const std::string& file) {
    const fs::path parent = fs::path(file).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

// A save's temporary file: ".orv-", twelve random letters and digits, ".tmp". Short, so
// that any name the file system accepts for the target leaves room for it, and not to be
// guessed by someone who plants a link.
constexpr std::string_view TempHead = ".orv-";
constexpr std::string_view TempTail = ".tmp";
constexpr std::string_view TempLetters =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr std::size_t TempRandomLength = 12;

std::string RandomPart() {
    std::random_device device;
    std::uniform_int_distribution<std::size_t> pick(0, TempLetters.size() - 1);
    std::string part(TempRandomLength, ' ');
    for (char& c : part) {
        c = TempLetters[pick(device)];
    }
    return part;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// A name a save's temporary file could have.
bool IsTemporaryName(std::string_view name) {
    if (name.size() != TempHead.size() + TempRandomLength + TempTail.size() ||
        !name.starts_with(TempHead) || !name.ends_with(TempTail)) {
        return false;
    }
    return name.substr(TempHead.size(), TempRandomLength).find_first_not_of(TempLetters) ==
           std::string_view::npos;
}

// Removes the temporary files that killed saves left in the folder, once they are older
// than a day: a save running in another window at this moment is never touched.
void RemoveLeftTemporaries(const std::string& folder) {
    const auto dayAgo = fs::file_time_type::clock::now() - std::chrono::hours(24);
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    for (const fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
        std::error_code entryError;
        if (!IsTemporaryName(it->path().filename().native()) || !it->is_regular_file(entryError) ||
            it->is_symlink(entryError)) {
            continue;
        }
        const fs::file_time_type written = it->last_write_time(entryError);
        if (!entryError && written < dayAgo) {
            fs::remove(it->path(), entryError);
        }
    }
}

// The system's reason for a failed write, as a message shows it.
std::string Reason(int error) {
    if (error == ENOSPC) {
        return "No space left on the device";
    }
    return std::strerror(error);
}

// Creates the temporary file exclusively: a link or file planted under its name makes the
// open fail instead of being written through.
int CreateTemporary(const std::string& folder, std::string& name) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        name = folder + "/" + std::string(TempHead) + RandomPart() + std::string(TempTail);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                              S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

std::string CutInTheMiddle(std::string_view text, std::size_t keepFront, std::size_t keepBack,
                           std::string_view ellipsis) {
    std::string cut(text.substr(0, keepFront));
    cut += ellipsis;
    cut += text.substr(text.size() - keepBack);
    return cut;
}

// A byte that continues a character of UTF-8: 10xxxxxx.
bool IsUtf8Continuation(char c) {
    constexpr unsigned char TopTwoBits = 0xC0;
    constexpr unsigned char Continuation = 0x80;
    return (static_cast<unsigned char>(c) & TopTwoBits) == Continuation;
}

} // namespace

bool FileExists(const fs::path& fileName) {
    std::error_code ec;
    return !fileName.empty() && !HasNul(fileName) && fs::is_regular_file(fileName, ec);
}

std::string_view LineCursor::Next() {
    const std::size_t start = next_;
    std::size_t p = start;
    while (p < text_.size() && text_[p] != '\r' && text_[p] != '\n') {
        ++p;
    }
    const std::string_view line = text_.substr(start, p - start);
    if (p < text_.size()) {
        const std::string_view rest = text_.substr(p);
        if (rest.starts_with("\r\r\n")) {
            p += 3;
        } else if (rest.starts_with("\r\n")) {
            p += 2;
        } else {
            p += 1;
        }
    }
    next_ = p;
    return line;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    for (LineCursor cursor(text); !cursor.AtEnd();) {
        lines.emplace_back(cursor.Next());
    }
    return lines;
}

FileStatus ReadStreamBytes(std::istream& in, std::string& bytes, std::uintmax_t limit) {
    bytes.clear();
    constexpr std::size_t ChunkSize = 65536;
    char buffer[ChunkSize];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > limit) {
            bytes.clear();
            bytes.shrink_to_fit();
            return FileStatus::TooLarge;
        }
    }
    return in.bad() ? FileStatus::ReadError : FileStatus::Ok;
}

FileStatus ReadFileBytes(const fs::path& fileName, std::string& bytes, std::uintmax_t limit) {
    bytes.clear();
    if (!FileExists(fileName) && !IsPipe(fileName)) {
        return FileStatus::NotFound;
    }
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(fileName, ec);
    if (!ec && size > limit) {
        return FileStatus::TooLarge;
    }
    try {
        std::ifstream in(fileName, std::ios::binary);
        if (!in) {
            return FileStatus::ReadError;
        }
        if (!ec) {
            bytes.reserve(static_cast<std::size_t>(size));
        }
        // Files that report no size (such as those under /proc) are read up to the limit.
        const FileStatus status = ReadStreamBytes(in, bytes, limit);
        if (status != FileStatus::Ok) {
            bytes.clear();
        }
        return status;
    } catch (const std::bad_alloc&) {
        bytes.clear();
        bytes.shrink_to_fit();
        return FileStatus::ReadError;
    }
}

TextFile ReadTextFile(const fs::path& fileName) {
    TextFile file;
    std::string bytes;
    file.status = ReadFileBytes(fileName, bytes);
    if (file.status == FileStatus::Ok) {
        file.lines = SplitLines(bytes);
    }
    return file;
}

bool WriteFileReplacing(const fs::path& fileName, std::string_view bytes, std::string* reason) {
    const auto fail = [reason](int error) {
        if (reason != nullptr && error != 0) {
            *reason = Reason(error);
        }
        return false;
    };
    const std::string target = FileToReplace(fileName);
    if (target.empty()) {
        return fail(0);
    }
    mode_t mode = 0;
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists) {
        mode = existing.st_mode & (S_ISUID | S_ISGID | S_ISVTX | S_IRWXU | S_IRWXG | S_IRWXO);
        // The write bits decide even for the superuser, whom access() lets write anything.
        if ((mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(target.c_str(), W_OK) != 0) {
            return fail(EACCES);
        }
    }
    const std::string folder = FolderFor(target);
    RemoveLeftTemporaries(folder);
    std::string temp;
    const int fd = CreateTemporary(folder, temp);
    if (fd < 0) {
        return fail(errno);
    }
    bool written = WriteAll(fd, bytes) && (!exists || ::fchmod(fd, mode) == 0) && ::fsync(fd) == 0;
    int error = written ? 0 : errno;
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && ::rename(temp.c_str(), target.c_str()) != 0) {
        written = false;
        error = errno;
    }
    if (!written) {
        ::unlink(temp.c_str());
        return fail(error);
    }
    SyncFolder(folder);
    return true;
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const std::string& line : lines) {
        size += line.size() + 2;
    }
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string ShortName(std::string_view fileName) {
    // Offsets of the characters' first bytes.
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < fileName.size(); ++i) {
        if (!IsUtf8Continuation(fileName[i])) {
            starts.push_back(i);
            if (starts.size() > MessageNameLength + 1 && fileName.size() > 4 * MessageNameLength) {
                break; // long enough to know it has to be cut; the end is found from behind
            }
        }
    }
    if (starts.size() <= MessageNameLength) {
        return std::string(fileName);
    }
    constexpr std::size_t front = (MessageNameLength - 1) / 2;
    constexpr std::size_t back = MessageNameLength - 1 - front;
    std::size_t backStart = fileName.size();
    for (std::size_t kept = 0; kept < back && backStart > 0;) {
        --backStart;
        if (!IsUtf8Continuation(fileName[backStart])) {
            ++kept;
        }
    }
    return CutInTheMiddle(fileName, starts[front], fileName.size() - backStart, "\xE2\x80\xA6");
}

std::string ShortLine(std::string_view line) {
    if (line.size() <= MessageNameLength) {
        return std::string(line);
    }
    constexpr std::size_t front = (MessageNameLength - 1) / 2;
    return CutInTheMiddle(line, front, MessageNameLength - 1 - front, "\x85");
}

std::string UserFolder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') {
        return home;
    }
    // A record of the user list is small; the system says how much room one may need.
    const long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
    constexpr std::size_t UsualRoom = 16384;
    std::vector<char> room(suggested > 0 ? static_cast<std::size_t>(suggested) : UsualRoom);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, room.data(), room.size(), &found) != 0 || found == nullptr ||
        found->pw_dir == nullptr || found->pw_dir[0] != '/') {
        return {};
    }
    return found->pw_dir;
}

} // namespace orv::report
