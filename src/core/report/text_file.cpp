#include "core/report/text_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace orv::report {

namespace {

namespace fs = std::filesystem;

// A name beside the target that nothing has yet, not even a dangling link.
std::string TemporaryNameFor(const std::string& target) {
    std::error_code ec;
    for (int n = 0;; ++n) {
        std::string name = target + ".~orv" + std::to_string(n);
        if (!fs::exists(fs::symlink_status(name, ec)) || n == 999) {
            return name;
        }
    }
}

// The file a write replaces: the target itself, or the file a link names, so that the
// link stays a link. Empty when there is no such file to write: only a regular file is
// replaced, since renaming over a directory, a device such as /dev/full or a pipe would
// put a file where something else belongs.
std::string FileToReplace(const std::string& target) {
    std::error_code ec;
    // A name with a NUL byte would be cut short by the system and could name another file.
    if (target.empty() || target.find('\0') != std::string::npos) {
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

} // namespace

bool WriteFileReplacing(const std::string& fileName, std::string_view bytes) {
    std::error_code ec;
    const std::string target = FileToReplace(fileName);
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

bool FileExists(const std::string& fileName) {
    std::error_code ec;
    // A name with a NUL byte would be cut short by the system and could name another file.
    return !fileName.empty() && fileName.find('\0') == std::string::npos &&
           std::filesystem::is_regular_file(fileName, ec);
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t p = 0;
    while (p < text.size()) {
        const char c = text[p];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text.substr(start, p - start));
            p += (c == '\r' && p + 1 < text.size() && text[p + 1] == '\n') ? 2 : 1;
            start = p;
        } else {
            ++p;
        }
    }
    if (start < text.size()) {
        lines.emplace_back(text.substr(start));
    }
    return lines;
}

bool ReadFileBytes(const std::string& fileName, std::string& bytes) {
    if (!FileExists(fileName)) {
        return false;
    }
    std::ifstream in(fileName, std::ios::binary);
    if (!in) {
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

TextFile ReadTextFile(const std::string& fileName) {
    TextFile file;
    if (!FileExists(fileName)) {
        file.status = FileStatus::NotFound;
        return file;
    }
    std::string bytes;
    if (!ReadFileBytes(fileName, bytes)) {
        file.status = FileStatus::ReadError;
        return file;
    }
    file.lines = SplitLines(bytes);
    return file;
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

} // namespace orv::report
