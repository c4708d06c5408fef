#pragma once
// Windows-1252, the code page of reports and move files, to and from UTF-8. Every byte has
// a character: the five the code page leaves free keep their value (U+0081 and so on), so
// that bytes read and written back are the same bytes.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orv::report {

// Windows-1252 bytes as UTF-8.
std::string Utf8FromWindows1252(std::string_view bytes);

// Well-formed UTF-8 only: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsUtf8(std::string_view bytes);

// A character of a text that Windows-1252 cannot hold, and where it stands: the line and the
// column within it, counted in characters from 1. Lines end at CR LF, LF or CR.
struct LostCharacter {
    std::size_t line = 0;
    std::size_t column = 0;
    char32_t codePoint = 0; // U+FFFD for bytes that are no UTF-8
};

// UTF-8 text as Windows-1252 bytes; each character the code page cannot hold becomes "?" and
// is listed in lost when lost is given.
std::string Windows1252FromUtf8(std::string_view utf8, std::vector<LostCharacter>* lost = nullptr);

// What the user is asked before such characters become "?", in UTF-8 so that it can show
// them: where each stands (at most MaxListedCharacters of them, then how many more), and
// "Go on?". byLine: the text has lines, and each place names its line.
inline constexpr std::size_t MaxListedCharacters = 10;
std::string LostCharactersQuestion(const std::vector<LostCharacter>& lost, bool byLine);

} // namespace orv::report
