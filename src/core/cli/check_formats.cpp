#include "core/cli/check_formats.h"

#include <array>
#include <cstdio>

namespace orv::cli {

namespace {

// The code points and the UTF-8 bit patterns below are the encodings' own figures.
// NOLINTBEGIN(readability-magic-numbers)

// The code points of the bytes 0x80 to 0x9F in Windows-1252.
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
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Well-formed UTF-8 only: no overlong forms, no surrogates, nothing above U+10FFFF, so a
// name copied as it is leaves the JSON valid.
bool IsUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto u = static_cast<unsigned char>(bytes[i]);
        if (u < 0x80) {
            continue;
        }
        std::size_t follow = 0;
        if (u >= 0xC2 && u < 0xE0) {
            follow = 1;
        } else if (u >= 0xE0 && u < 0xF0) {
            follow = 2;
        } else if (u >= 0xF0 && u <= 0xF4) {
            follow = 3;
        } else {
            return false;
        }
        // The range of the first continuation byte; the others run from 80 to BF.
        const unsigned char low = u == 0xE0 ? 0xA0 : u == 0xF0 ? 0x90 : 0x80;
        const unsigned char high = u == 0xED ? 0x9F : u == 0xF4 ? 0x8F : 0xBF;
        for (std::size_t k = 0; k < follow; ++k) {
            if (++i >= bytes.size()) {
                return false;
            }
            const auto c = static_cast<unsigned char>(bytes[i]);
            if (c < (k == 0 ? low : 0x80) || c > (k == 0 ? high : 0xBF)) {
                return false;
            }
        }
    }
    return true;
}

// NOLINTEND(readability-magic-numbers)

constexpr unsigned char Delete = 0x7F;

// A JSON string of UTF-8 text.
std::string Quoted(std::string_view utf8) {
    std::string out = "\"";
    for (const char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < ' ' || u == Delete) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
            out += escaped;
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}

std::string MoveName(std::string_view moveName) {
    return Quoted(IsUtf8(moveName) ? std::string(moveName) : Utf8FromWindows1252(moveName));
}

// A message's texts decoded from Windows-1252, its file names kept when they are UTF-8.
std::string MessageUtf8(const report::Message& message) {
    std::string out;
    for (const report::Message::Part& part : message.Parts()) {
        out += part.fileName && IsUtf8(part.bytes) ? part.bytes : Utf8FromWindows1252(part.bytes);
    }
    return out;
}

std::size_t FailureLine(const move::MoveResult& failure) {
    return failure.line == 0 ? 1 : failure.line;
}

std::size_t FileLine(const move::MoveList& move, const check::Finding& finding) {
    const bool atEnd = finding.kind != check::FindingKind::Order;
    return move.beginLine + (atEnd ? move.EndLineIndex() : finding.line);
}

} // namespace

std::string Utf8FromWindows1252(std::string_view bytes) {
    constexpr unsigned char FirstHigh = 0x80; // the bytes that differ from Latin-1
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

std::string GnuLines(std::string_view moveName, const move::MoveList& move,
                     const check::CheckResult& result) {
    std::string out;
    for (const check::Finding& finding : result.findings) {
        for (const std::string& message : finding.messages) {
            out += moveName;
            out += ':';
            out += std::to_string(FileLine(move, finding));
            out += ": error: ";
            out += check::OneLineMessage(message);
            out += '\n';
        }
    }
    return out;
}

std::string GnuFailure(std::string_view moveName, const move::MoveResult& failure) {
    std::string out(moveName);
    out += ':';
    out += std::to_string(FailureLine(failure));
    out += ": error: ";
    out += check::OneLineMessage(failure.message.Bytes());
    out += '\n';
    return out;
}

std::string JsonFailure(std::string_view moveName, const move::MoveResult& failure) {
    std::string out = "{\"move\":";
    out += MoveName(moveName);
    out += ",\"error\":";
    out += Quoted(check::WithoutIndent(MessageUtf8(failure.message)));
    out += ",\"line\":" + std::to_string(FailureLine(failure)) + "}\n";
    return out;
}

std::string JsonDocument(std::string_view moveName, std::string_view tribe,
                         const move::MoveList& move, const check::CheckResult& result) {
    std::string out = "{\"move\":";
    out += MoveName(moveName);
    out += ",\"tribe\":";
    out += Quoted(Utf8FromWindows1252(tribe));
    out += ",\"findings\":[";
    for (std::size_t f = 0; f < result.findings.size(); ++f) {
        const check::Finding& finding = result.findings[f];
        out += f == 0 ? "{" : ",{";
        out += "\"line\":" + std::to_string(FileLine(move, finding));
        out += ",\"index\":" + std::to_string(finding.line);
        out += ",\"order\":" + Quoted(Utf8FromWindows1252(finding.order));
        out += ",\"messages\":[";
        for (std::size_t m = 0; m < finding.messages.size(); ++m) {
            out += m == 0 ? "" : ",";
            out += Quoted(Utf8FromWindows1252(check::OneLineMessage(finding.messages[m])));
        }
        out += "]}";
    }
    out += "],\"correct\":";
    out += result.Correct() ? "true" : "false";
    out += ",\"goods\":{\"gold\":" + std::to_string(result.goods.gold);
    out += ",\"wood\":" + std::to_string(result.goods.wood) + "}}\n";
    return out;
}

} // namespace orv::cli
