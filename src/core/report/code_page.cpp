#include "core/report/code_page.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace orv::report {

namespace {

// The code points and the UTF-8 bit patterns below are the encodings' own figures.
// NOLINTBEGIN(readability-magic-numbers)

constexpr unsigned char FirstHigh = 0x80; // the bytes that differ from Latin-1
constexpr char32_t Replacement = 0xFFFD;
// What NextCodePoint gives for a byte that starts no well-formed sequence.
constexpr char32_t NoCharacter = 0x110000;

// The code points of the bytes 0x80 to 0x9F.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The character that starts at bytes[i], with i moved past it. A byte that starts no
// well-formed sequence (overlong, surrogate, above U+10FFFF or cut) is one NoCharacter.
char32_t NextCodePoint(std::string_view bytes, std::size_t& i) {
    const auto u = static_cast<unsigned char>(bytes[i++]);
    if (u < 0x80) {
        return u;
    }
    std::size_t follow = 0;
    char32_t c = 0;
    if (u >= 0xC2 && u < 0xE0) {
        follow = 1;
        c = u & 0x1F;
    } else if (u >= 0xE0 && u < 0xF0) {
        follow = 2;
        c = u & 0x0F;
    } else if (u >= 0xF0 && u <= 0xF4) {
        follow = 3;
        c = u & 0x07;
    } else {
        return NoCharacter;
    }
    // The range of the first continuation byte; the others run from 80 to BF.
    const unsigned char low = u == 0xE0 ? 0xA0 : u == 0xF0 ? 0x90 : 0x80;
    const unsigned char high = u == 0xED ? 0x9F : u == 0xF4 ? 0x8F : 0xBF;
    for (std::size_t k = 0; k < follow; ++k) {
        const std::size_t at = i + k;
        if (at >= bytes.size()) {
            return NoCharacter;
        }
        const auto b = static_cast<unsigned char>(bytes[at]);
        if (b < (k == 0 ? low : 0x80) || b > (k == 0 ? high : 0xBF)) {
            return NoCharacter;
        }
        c = (c << 6) | (b & 0x3F);
    }
    i += follow;
    return c;
}

// The byte of a character in the code page; false when it has none.
bool ByteOf(char32_t c, char& byte) {
    if (c < FirstHigh || (c >= 0xA0 && c <= 0xFF)) {
        byte = static_cast<char>(c);
        return true;
    }
    const auto* found = std::find(HighControls.begin(), HighControls.end(), c);
    if (c == Replacement || found == HighControls.end()) {
        return false;
    }
    byte = static_cast<char>(FirstHigh + (found - HighControls.begin()));
    return true;
}

std::string CodeName(char32_t c) {
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "U+%04X", static_cast<unsigned>(c));
    return text.data();
}

// NOLINTEND(readability-magic-numbers)

} // namespace

std::string Utf8FromWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        const bool high =
            u >= FirstHigh && static_cast<std::size_t>(u - FirstHigh) < HighControls.size();
        AppendUtf8(out, high ? HighControls[u - FirstHigh] : char32_t{u});
    }
    return out;
}

bool IsUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        if (NextCodePoint(bytes, i) == NoCharacter) {
            return false;
        }
    }
    return true;
}

std::string Windows1252FromUtf8(std::string_view utf8, std::vector<LostCharacter>* lost) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t line = 1;
    std::size_t column = 1;
    bool afterCr = false;
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t c = NextCodePoint(utf8, i);
        char byte = 0;
        if (!ByteOf(c, byte)) {
            byte = '?';
            if (lost != nullptr) {
                lost->push_back({line, column, c == NoCharacter ? Replacement : c});
            }
        }
        out += byte;
        if (c == '\n' && afterCr) {
            // The LF of a CR LF: the line was counted at the CR.
        } else if (c == '\n' || c == '\r') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
        afterCr = c == '\r';
    }
    return out;
}

std::string LostCharactersQuestion(const std::vector<LostCharacter>& lost, bool byLine) {
    std::string text = "The text holds characters that a move file cannot hold. They would "
                       "become \"?\":\r\n";
    const std::size_t listed = std::min(lost.size(), MaxListedCharacters);
    for (std::size_t k = 0; k < listed; ++k) {
        const LostCharacter& c = lost[k];
        if (byLine) {
            text += "line ";
            text += std::to_string(c.line);
            text += ", ";
        }
        text += "column ";
        text += std::to_string(c.column);
        text += ": ";
        if (c.codePoint != Replacement && c.codePoint >= ' ') {
            text += '"';
            AppendUtf8(text, c.codePoint);
            text += "\" ";
        }
        text += '(';
        text += CodeName(c.codePoint);
        text += ")\r\n";
    }
    if (lost.size() > listed) {
        text += "and ";
        text += std::to_string(lost.size() - listed);
        text += " more\r\n";
    }
    text += "Go on?";
    return text;
}

} // namespace orv::report
