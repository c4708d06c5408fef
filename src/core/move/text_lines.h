#pragma once
// The message lines of a move, kept compactly: one buffer of the lines, each followed by
// LF, and the place of every sixteenth line. A block of a million empty lines takes about
// 1.5 MB, not the 32 MB a string per line would; a line is found by skipping at most
// fifteen line ends, and walking the lines in order touches each byte once.

#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace orv::move {

class TextLines {
  public:
    TextLines() = default;
    TextLines(std::initializer_list<std::string_view> lines);
    explicit TextLines(const std::vector<std::string>& lines);

    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    // Line i, which must exist.
    std::string_view operator[](std::size_t i) const;
    // Adds a line; a line holds no LF (every reader splits the text at its line ends).
    void push_back(std::string_view line);
    // Room for lines of this many bytes in all, without their ends.
    void reserve(std::size_t bytes, std::size_t lines);
    // Keeps the first n lines (n at most size()).
    void truncate(std::size_t n);
    std::vector<std::string> ToVector() const;

    // The lines in order.
    class const_iterator {
      public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = const std::string_view*;
        using reference = std::string_view;

        const_iterator() = default;
        const_iterator(const std::string* text, std::size_t at) : text_(text), at_(at) {}
        std::string_view operator*() const;
        const_iterator& operator++();
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const const_iterator& other) const { return at_ == other.at_; }

      private:
        const std::string* text_ = nullptr;
        std::size_t at_ = 0;
    };
    const_iterator begin() const { return {&text_, 0}; }
    const_iterator end() const { return {&text_, text_.size()}; }

    bool operator==(const TextLines& other) const {
        return count_ == other.count_ && text_ == other.text_;
    }

  private:
    static constexpr std::size_t Stride = 16;
    // Where line i starts in text_.
    std::size_t Start(std::size_t i) const;

    std::string text_;
    std::vector<std::size_t> marks_; // the start of lines 0, 16, 32, ...
    std::size_t count_ = 0;
};

} // namespace orv::move
