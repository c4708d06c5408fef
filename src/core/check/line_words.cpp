#include "core/check/line_words.h"

#include "core/report/tokenizer.h"

#include <limits>

namespace orv::check {

LineWords::LineWords(std::string_view line) : line_(line), starts_(report::WordStarts(line)) {
    // Word numbers are ints; a line with more words than that is cut, never wrapped.
    if (starts_.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        starts_.resize(static_cast<std::size_t>(std::numeric_limits<int>::max()));
    }
}

std::string_view LineWords::At(int n) const {
    const int index = n < 2 ? 0 : n - 1;
    if (index >= Count()) {
        return {};
    }
    return report::RunAt(line_, starts_[static_cast<std::size_t>(index)]);
}

std::int32_t LineWords::Number(int n) const {
    const std::string_view word = At(n);
    return word.empty() ? report::NotANumber : report::TextAsNumber(word);
}

std::string_view LineWords::RestFrom(int n) const {
    const int index = n < 2 ? 0 : n - 1;
    if (index >= Count()) {
        return {};
    }
    return line_.substr(starts_[static_cast<std::size_t>(index)]);
}

} // namespace orv::check
