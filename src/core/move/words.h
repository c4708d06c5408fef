#pragma once
// The words of one line found in a single pass, addressed by number from 1 as WordAt
// addresses them, so conversions look up many words without rescanning the line.

#include "core/report/tokenizer.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace orv::move {

class LineWords {
  public:
    explicit LineWords(std::string_view line) : line_(line), starts_(report::WordStarts(line)) {}

    // Counts stop at a billion words, far beyond any real line, so that word numbers plus
    // small offsets never overflow.
    int Count() const {
        constexpr std::size_t limit = 1'000'000'000;
        return static_cast<int>(std::min(starts_.size(), limit));
    }

    // Word n (n below 2 gives the first); empty past the last word.
    std::string_view At(int n) const {
        const std::size_t i = n < 2 ? 0 : static_cast<std::size_t>(n) - 1;
        return i < starts_.size() ? report::RunAt(line_, starts_[i]) : std::string_view();
    }

    // The line from the first character of word n to its end; empty past the last word.
    std::string_view RestFrom(int n) const {
        const std::size_t i = n < 2 ? 0 : static_cast<std::size_t>(n) - 1;
        return i < starts_.size() ? line_.substr(starts_[i]) : std::string_view();
    }

  private:
    std::string_view line_;
    std::vector<std::size_t> starts_;
};

} // namespace orv::move
