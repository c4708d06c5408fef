#include "core/report/tokenizer.h"

#include <algorithm>
#include <limits>

namespace orv::report {

namespace {

// Advances past the span that begins at p (a word, or a quoted span), p being on a
// word character; returns the offset after it.
std::size_t SkipSpan(std::string_view line, std::size_t p) {
    if (line[p] == '"') {
        const std::size_t close = line.find('"', p + 1);
        return close == std::string_view::npos ? line.size() : close + 1;
    }
    while (p < line.size() && !IsSeparator(line[p])) {
        ++p;
    }
    return p;
}

std::size_t SkipSeparators(std::string_view line, std::size_t p) {
    while (p < line.size() && IsSeparator(line[p])) {
        ++p;
    }
    return p;
}

// Offset of the n-th word's first character, or npos.
std::size_t FindWord(std::string_view line, int n) {
    std::size_t p = 0;
    for (int passed = 0; p < line.size() && passed < n - 1; ++passed) {
        p = SkipSeparators(line, p);
        if (p >= line.size()) {
            return std::string_view::npos;
        }
        p = SkipSpan(line, p);
    }
    p = SkipSeparators(line, p);
    return p < line.size() ? p : std::string_view::npos;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Parses text in the accepted notation; false when it is not a number.
bool ParseNumber(std::string_view text, std::int32_t& value) {
    std::size_t p = 0;
    while (p < text.size() && text[p] == ' ') {
        ++p;
    }
    if (p >= text.size()) {
        return false;
    }
    std::string_view rest = text.substr(p);
    std::size_t prefix = 0;
    if (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X') {
        prefix = 1;
    } else if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
        prefix = 2;
    }
    if (prefix > 0) {
        const std::string_view digits = rest.substr(prefix);
        if (digits.empty() || digits.size() > 8) {
            return false;
        }
        std::uint32_t v = 0;
        for (const char c : digits) {
            const int h = HexValue(c);
            if (h < 0) {
                return false;
            }
            v = v * 16 + static_cast<std::uint32_t>(h);
        }
        value = static_cast<std::int32_t>(v);
        return true;
    }
    bool negative = false;
    if (rest[0] == '+' || rest[0] == '-') {
        negative = rest[0] == '-';
        rest.remove_prefix(1);
    }
    if (rest.empty()) {
        return false;
    }
    const std::int64_t limit = negative ? std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1
                                        : std::numeric_limits<std::int32_t>::max();
    std::int64_t v = 0;
    for (const char c : rest) {
        if (c < '0' || c > '9') {
            return false;
        }
        v = v * 10 + (c - '0');
        if (v > limit) {
            return false;
        }
    }
    value = static_cast<std::int32_t>(negative ? -v : v);
    return true;
}

} // namespace

std::string_view TrimmedBlanks(std::string_view text) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string WordAt(std::string_view line, int n) {
    const std::size_t p = FindWord(line, n);
    if (p == std::string_view::npos) {
        return {};
    }
    return std::string(RunAt(line, p));
}

int WordPos(std::string_view line, int n) {
    const std::size_t p = FindWord(line, n);
    if (p == std::string_view::npos ||
        p >= static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return -1;
    }
    return static_cast<int>(p) + 1;
}

int WordCount(std::string_view line) {
    // WordAt(n) is non-empty exactly while n spans exist, so counting spans in one pass
    // gives the same number as asking for word 1, 2, 3, ... in turn.
    const std::size_t count = WordStarts(line).size();
    return count > static_cast<std::size_t>(std::numeric_limits<int>::max())
               ? std::numeric_limits<int>::max()
               : static_cast<int>(count);
}

std::vector<std::size_t> WordStarts(std::string_view line) {
    std::vector<std::size_t> starts;
    WordStarts(line, starts);
    return starts;
}

void WordStarts(std::string_view line, std::vector<std::size_t>& starts) {
    starts.clear();
    std::size_t p = SkipSeparators(line, 0);
    while (p < line.size()) {
        starts.push_back(p);
        p = SkipSeparators(line, SkipSpan(line, p));
    }
}

std::vector<WordSpan> WordSpans(std::string_view line) {
    std::vector<WordSpan> spans;
    constexpr std::size_t UsualWords = 16; // an order rarely has more
    spans.reserve(UsualWords);
    WordSpans(line, spans);
    return spans;
}

void WordSpans(std::string_view line, std::vector<WordSpan>& spans) {
    constexpr std::size_t limit = std::numeric_limits<std::uint32_t>::max();
    line = line.substr(0, std::min(line.size(), limit));
    spans.clear();
    // Runs end in the order their words begin, so one forward pointer finds every run's end
    // (a line of quotes has as many words as runs reaching to its end).
    std::size_t runEnd = 0;
    std::size_t p = SkipSeparators(line, 0);
    while (p < line.size()) {
        std::size_t spanEnd = 0;
        if (line[p] == '"') {
            spanEnd = SkipSpan(line, p);
            runEnd = std::max(runEnd, p);
            while (runEnd < line.size() && !IsSeparator(line[runEnd])) {
                ++runEnd;
            }
        } else {
            spanEnd = SkipSpan(line, p);
            runEnd = spanEnd;
        }
        spans.push_back({static_cast<std::uint32_t>(p), static_cast<std::uint32_t>(runEnd),
                         static_cast<std::uint32_t>(spanEnd)});
        p = SkipSeparators(line, spanEnd);
    }
}

std::string_view RunAt(std::string_view line, std::size_t start) {
    std::size_t end = start;
    while (end < line.size() && !IsSeparator(line[end])) {
        ++end;
    }
    return line.substr(start, end - start);
}

std::string RestFromWord(std::string_view line, int n) {
    const std::size_t p = FindWord(line, n);
    return p == std::string_view::npos ? std::string() : std::string(line.substr(p));
}

bool IsNumber(std::string_view text) {
    std::int32_t v = 0;
    return ParseNumber(text, v);
}

std::int32_t TextAsNumber(std::string_view text) {
    std::int32_t v = 0;
    return ParseNumber(text, v) ? v : NotANumber;
}

std::int32_t WordAsNumber(std::string_view line, int n) {
    const std::size_t p = FindWord(line, n);
    if (p == std::string_view::npos) {
        return NotANumber;
    }
    return TextAsNumber(RunAt(line, p));
}

std::string UpperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = UpperAscii(c);
    }
    return out;
}

bool IsUpperAsciiOf(std::string_view text, std::string_view upper) {
    if (text.size() != upper.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (UpperAscii(text[i]) != upper[i]) {
            return false;
        }
    }
    return true;
}

} // namespace orv::report
