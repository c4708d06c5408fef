#include "core/report/text_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace orv::report {

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
