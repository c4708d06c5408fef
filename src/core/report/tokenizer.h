#pragma once
// Splits report lines and raw order lines into blank-separated words and reads numbers.
// Every other unit addresses the words of a line through these functions, by number from 1.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orv::report {

// Returned where a number was asked for and the word is not one. A word that really
// reads -2147483647 gives the same value.
inline constexpr std::int32_t NotANumber = -2147483647;

// Characters below 33 (the blank and the control characters) and the non-breaking space
// (160) separate words.
constexpr bool IsSeparator(char c) {
    constexpr unsigned char FirstPrinted = 33;
    constexpr unsigned char NoBreakSpace = 160;
    const auto u = static_cast<unsigned char>(c);
    return u < FirstPrinted || u == NoBreakSpace;
}

// The text without blanks and control characters (below 33) at either end; other
// separators, such as the non-breaking space, stay.
std::string_view TrimmedBlanks(std::string_view text);

// The n-th word (n below 2 gives the first); empty when the line has fewer words.
// Words before the n-th that begin with a double quote run to the closing quote.
std::string WordAt(std::string_view line, int n);

// Position (from 1) of the first character of the n-th word; -1 when there is none.
int WordPos(std::string_view line, int n);

// Number of words; a quoted span counts as one.
int WordCount(std::string_view line);

// Whether the whole text is a 32-bit whole number: optional leading blanks, then a signed
// decimal number, or a hexadecimal one of up to eight digits after "$", "x", "X", "0x", "0X".
bool IsNumber(std::string_view text);

// The n-th word read as IsNumber reads it, or NotANumber.
std::int32_t WordAsNumber(std::string_view line, int n);

// The text read as IsNumber reads it, or NotANumber.
std::int32_t TextAsNumber(std::string_view text);

// Zero-based offsets of the first character of every word, in one pass over the line,
// counted as WordAt counts them: element k is where WordAt(line, k + 1) begins.
std::vector<std::size_t> WordStarts(std::string_view line);
// The same into starts, which keeps its room for the next line.
void WordStarts(std::string_view line, std::vector<std::size_t>& starts);

// Where one word stands in its line, as zero-based offsets: the word begins at start; the
// run of word characters WordAt gives ends at runEnd; the word as counted (a quoted span
// through its closing quote) ends at spanEnd. Lines are split only within their first
// 4 GiB, far beyond anything the editor reads.
struct WordSpan {
    std::uint32_t start = 0;
    std::uint32_t runEnd = 0;
    std::uint32_t spanEnd = 0;

    bool operator==(const WordSpan&) const = default;
};

// Every word of the line in one pass, in time linear in the line's length also for long
// runs of quotes.
std::vector<WordSpan> WordSpans(std::string_view line);
// The same into spans, which keeps its room for the next line.
void WordSpans(std::string_view line, std::vector<WordSpan>& spans);

// The run of word characters that begins at a zero-based offset.
std::string_view RunAt(std::string_view line, std::size_t start);

// The rest of the line from its n-th word on; empty when there is no such word.
std::string RestFromWord(std::string_view line, int n);

// Letters a to z in upper case; every other byte as it stands.
constexpr char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
std::string UpperAscii(std::string_view text);

// Whether the text, upper-cased as UpperAscii does, is `upper`; nothing is copied, so a long
// word costs no more than its first characters.
bool IsUpperAsciiOf(std::string_view text, std::string_view upper);

} // namespace orv::report
