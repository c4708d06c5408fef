#include "core/cli/check_formats.h"

#include <cstdio>

namespace orv::cli {

namespace {

using report::IsUtf8;

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
