#pragma once
// The words of one line found in a single pass, addressed by number from 1 as WordAt
// addresses them, so the readers of sentences and direction texts look up many words
// without rescanning the line.

#include "core/report/tokenizer.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace orv::move {

class LineWords {
  public:
    explicit LineWords(std::string_view line) : line_(line), spans_(report::WordSpans(line)) {}

    // Counts stop at a billion words, far beyond any real line, so that word numbers plus
    // small offsets never overflow.
    int Count() const {
        constexpr std::size_t limit = 1'000'000'000;
        return static_cast<int>(std::min(spans_.size(), limit));
    }

    // Word n as WordAt gives it (n below 2 gives the first); empty past the last word.
    std::string_view At(int n) const {
        const report::WordSpan* span = Span(n);
        return span ? line_.substr(span->start, span->runEnd - span->start) : std::string_view();
    }

    // Word n as written: a quoted span whole, with its quotes; empty past the last word.
    std::string_view Written(int n) const {
        const report::WordSpan* span = Span(n);
        return span ? line_.substr(span->start, span->spanEnd - span->start) : std::string_view();
    }

    // The line from the first character of word n to its end; empty past the last word.
    std::string_view RestFrom(int n) const {
        const report::WordSpan* span = Span(n);
        return span ? line_.substr(span->start) : std::string_view();
    }

  private:
    const report::WordSpan* Span(int n) const {
        const std::size_t i = n < 2 ? 0 : static_cast<std::size_t>(n) - 1;
        return i < spans_.size() ? &spans_[i] : nullptr;
    }

    std::string_view line_;
    std::vector<report::WordSpan> spans_;
};

} // namespace orv::move
