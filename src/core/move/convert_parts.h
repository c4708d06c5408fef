#pragma once
// The two directions of the line conversion and what they share; callers use ConvertLine.

#include <string>
#include <string_view>

namespace orv::move {

std::string RawToNatural(std::string_view line);
std::string NaturalToRaw(std::string_view line);

// The line from its character `from` (counted from 1) to its end, without leading and
// trailing blanks and control characters; empty when the line is shorter.
std::string TrimmedFrom(std::string_view line, std::size_t from);

} // namespace orv::move
