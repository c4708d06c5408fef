#include "core/move/text_lines.h"

#include <cstring>

namespace orv::move {

TextLines::TextLines(std::initializer_list<std::string_view> lines) {
    for (const std::string_view line : lines) {
        push_back(line);
    }
}

TextLines::TextLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        push_back(line);
    }
}

std::size_t TextLines::Start(std::size_t i) const {
    std::size_t at = marks_[i / Stride];
    for (std::size_t skip = i % Stride; skip > 0; --skip) {
        const void* end = std::memchr(text_.data() + at, '\n', text_.size() - at);
        at = static_cast<std::size_t>(static_cast<const char*>(end) - text_.data()) + 1;
    }
    return at;
}

std::string_view TextLines::operator[](std::size_t i) const {
    return *const_iterator(&text_, Start(i));
}

void TextLines::push_back(std::string_view line) {
    if (count_ % Stride == 0) {
        marks_.push_back(text_.size());
    }
    text_ += line;
    text_ += '\n';
    ++count_;
}

void TextLines::reserve(std::size_t bytes, std::size_t lines) {
    text_.reserve(bytes + lines);
    marks_.reserve(lines / Stride + 1);
}

void TextLines::truncate(std::size_t n) {
    if (n >= count_) {
        return;
    }
    text_.resize(Start(n));
    marks_.resize((n + Stride - 1) / Stride);
    count_ = n;
}

std::vector<std::string> TextLines::ToVector() const {
    std::vector<std::string> lines;
    lines.reserve(count_);
    for (const std::string_view line : *this) {
        lines.emplace_back(line);
    }
    return lines;
}

std::string_view TextLines::const_iterator::operator*() const {
    const std::string_view rest = std::string_view(*text_).substr(at_);
    return rest.substr(0, rest.find('\n'));
}

TextLines::const_iterator& TextLines::const_iterator::operator++() {
    const std::size_t end = text_->find('\n', at_);
    at_ = end == std::string::npos ? text_->size() : end + 1;
    return *this;
}

} // namespace orv::move
