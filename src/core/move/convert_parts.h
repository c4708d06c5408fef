#pragma once
// The two directions of the line conversion and what they share; callers use ConvertLine.

#include <initializer_list>
#include <string>
#include <string_view>

namespace orv::move {

std::string RawToNatural(std::string_view line);
std::string NaturalToRaw(std::string_view line);

// The line from its character `from` (counted from 1) to its end, without leading and
// trailing blanks and control characters; empty when the line is shorter.
std::string TrimmedFrom(std::string_view line, std::size_t from);

// The pieces joined with nothing in between.
inline std::string Join(std::initializer_list<std::string_view> pieces) {
    std::size_t size = 0;
    for (const std::string_view piece : pieces) {
        size += piece.size();
    }
    std::string out;
    out.reserve(size);
    for (const std::string_view piece : pieces) {
        out += piece;
    }
    return out;
}

} // namespace orv::move
