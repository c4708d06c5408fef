#pragma once
// One raw order line split into its words once, so the rules can look at any word, its
// number value or the rest of the line from it without scanning the line again.

#include <cstdint>
#include <string_view>
#include <vector>

namespace orv::check {

class LineWords {
  public:
    // The line must outlive this object: words are views into it.
    explicit LineWords(std::string_view line);

    int Count() const { return static_cast<int>(starts_.size()); }

    // The n-th word as WordAt gives it (n below 2 gives the first); empty when missing.
    std::string_view At(int n) const;

    // The n-th word as WordAsNumber reads it: NotANumber when it is missing or no number.
    std::int32_t Number(int n) const;

    // The line from the first character of word n to its end; empty when there is none.
    std::string_view RestFrom(int n) const;

  private:
    std::string_view line_;
    std::vector<std::size_t> starts_;
};

} // namespace orv::check
