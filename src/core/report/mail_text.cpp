#include "core/report/mail_text.h"

#include "core/report/code_page.h"
#include "core/report/text_file.h"
#include "core/report/tokenizer.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace orv::report {

namespace {

constexpr std::size_t None = std::string_view::npos;

// Multipart parts and attached messages nest a few levels in real mails; deeper ones are
// passed over, so that each level's scan of its body keeps the reading linear.
constexpr int MaxDepth = 8;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The length of the field name that begins the line ("Subject" of "Subject: x"); 0 when
// the line is no header field.
std::size_t FieldNameLength(std::string_view line) {
    constexpr char Last = '~';
    std::size_t n = 0;
    while (n < line.size() && line[n] > ' ' && line[n] <= Last && line[n] != ':') {
        ++n;
    }
    return n < line.size() && line[n] == ':' ? n : 0;
}

bool IsKnownField(std::string_view name) {
    constexpr std::array<std::string_view, 13> Known = {
        "FROM",         "TO",           "CC",          "SUBJECT",  "DATE",
        "MIME-VERSION", "CONTENT-TYPE", "MESSAGE-ID",  "RECEIVED", "RETURN-PATH",
        "REPLY-TO",     "SENDER",       "DELIVERED-TO"};
    return std::any_of(Known.begin(), Known.end(),
                       [name](std::string_view known) { return IsUpperAsciiOf(name, known); });
}

struct Field {
    std::string_view name; // as the header spells it
    std::string value;
};

// A message or a part: its header fields, unfolded, and its body.
struct Entity {
    std::vector<Field> fields;
    std::string_view body;
    bool headerClosed = false; // the header ended at an empty line

    // The value of the first field of that name, given in upper case.
    std::string_view Value(std::string_view upperName) const {
        for (const Field& field : fields) {
            if (IsUpperAsciiOf(field.name, upperName)) {
                return field.value;
            }
        }
        return {};
    }
};

// The header ends at the first empty line. A line that is neither a field nor the
// continuation of one ends it too and starts the body, so no text is lost to a broken
// header; a part without any header field is all body.
Entity ReadEntity(std::string_view bytes) {
    Entity entity;
    LineCursor lines(bytes);
    std::size_t bodyStart = 0;
    while (!lines.AtEnd()) {
        const std::string_view line = lines.Next();
        if (line.empty()) {
            bodyStart = lines.Offset();
            entity.headerClosed = true;
            break;
        }
        if (IsBlank(line.front()) && !entity.fields.empty()) {
            entity.fields.back().value += line;
        } else if (const std::size_t n = FieldNameLength(line); n > 0) {
            entity.fields.push_back({line.substr(0, n), std::string(line.substr(n + 1))});
        } else {
            break;
        }
        bodyStart = lines.Offset();
    }
    for (Field& field : entity.fields) {
        field.value = std::string(TrimmedBlanks(field.value));
    }
    entity.body = bytes.substr(bodyStart);
    return entity;
}

// "TEXT/PLAIN" of "Text/Plain; charset=utf-8".
std::string MediaType(std::string_view contentType) {
    return UpperAscii(TrimmedBlanks(contentType.substr(0, contentType.find(';'))));
}

// A parameter's value ("b1" of "multipart/mixed; boundary=\"b1\"" for "BOUNDARY"),
// unquoted; empty when the field has none.
std::string Parameter(std::string_view field, std::string_view upperName) {
    std::size_t at = field.find(';');
    while (at != None) {
        ++at;
        const std::size_t eq = field.find_first_of("=;", at);
        if (eq == None || field[eq] == ';') {
            at = eq;
            continue;
        }
        const std::string_view name = TrimmedBlanks(field.substr(at, eq - at));
        at = eq + 1;
        while (at < field.size() && IsBlank(field[at])) {
            ++at;
        }
        std::string value;
        if (at < field.size() && field[at] == '"') {
            for (++at; at < field.size() && field[at] != '"'; ++at) {
                if (field[at] == '\\' && at + 1 < field.size()) {
                    ++at;
                }
                value += field[at];
            }
            at = field.find(';', at);
        } else {
            const std::size_t end = field.find(';', at);
            value = TrimmedBlanks(field.substr(at, end == None ? None : end - at));
            at = end;
        }
        if (IsUpperAsciiOf(name, upperName)) {
            return value;
        }
    }
    return {};
}

// Reports come as the mail's text, as a text attachment, or as a file attached without a
// type of its own.
bool IsTextPart(const Entity& entity, std::string_view type) {
    if (type.empty() || type == "TEXT/PLAIN") {
        return true;
    }
    if (type != "APPLICATION/OCTET-STREAM") {
        return false;
    }
    std::string name = Parameter(entity.Value("CONTENT-TYPE"), "NAME");
    if (name.empty()) {
        name = Parameter(entity.Value("CONTENT-DISPOSITION"), "FILENAME");
    }
    constexpr std::string_view Tail = ".TXT";
    return name.size() >= Tail.size() &&
           IsUpperAsciiOf(std::string_view(name).substr(name.size() - Tail.size()), Tail);
}

// The parts of a multipart body, each from after its boundary line to before the line end
// of the next; the preamble and the epilogue are dropped, and a body cut before its closing
// boundary keeps its last part.
std::vector<std::string_view> BodyParts(std::string_view body, std::string_view boundary) {
    std::vector<std::string_view> parts;
    std::size_t partStart = None;
    std::size_t partEnd = 0; // where the text of the last line before a boundary ends
    for (LineCursor lines(body); !lines.AtEnd();) {
        const std::size_t lineStart = lines.Offset();
        const std::string_view line = lines.Next();
        if (!line.starts_with("--") || !line.substr(2).starts_with(boundary)) {
            partEnd = lineStart + line.size();
            continue;
        }
        std::string_view after = line.substr(2 + boundary.size());
        const bool closing = after.starts_with("--");
        if (closing) {
            after.remove_prefix(2);
        }
        if (!TrimmedBlanks(after).empty()) {
            partEnd = lineStart + line.size();
            continue; // a longer boundary, of another level
        }
        if (partStart != None) {
            parts.push_back(body.substr(partStart, partEnd - partStart));
        }
        if (closing) {
            return parts;
        }
        partStart = lines.Offset();
        partEnd = partStart;
    }
    if (partStart != None && partStart < body.size()) {
        parts.push_back(body.substr(partStart));
    }
    return parts;
}

// Text sent as format=flowed (RFC 3676, the default of some mail clients) had its long
// lines wrapped after a blank: a line that ends in a blank goes on in the next one, and with
// delsp=yes that blank was added by the wrap and goes too. A line that began with a blank
// had another put before it, lest it read as a quote or a mailbox's "From " line. The
// signature separator "-- " keeps its blank and its line end.
std::string Unflowed(std::string_view text, bool deleteSpace) {
    std::string out;
    out.reserve(text.size());
    for (LineCursor lines(text); !lines.AtEnd();) {
        const std::size_t start = lines.Offset();
        const std::string_view sent = lines.Next();
        std::string_view line = sent.substr(sent.starts_with(' ') ? 1 : 0);
        const bool wrapped = line.ends_with(' ') && line != "-- ";
        if (wrapped && deleteSpace) {
            line.remove_suffix(1);
        }
        out += line;
        if (!wrapped) {
            out += text.substr(start + sent.size(), lines.Offset() - start - sent.size());
        }
    }
    return out;
}

// The walk through one message; Message and Part give true once a part is accepted, which
// ends the walk.
struct Walk {
    const std::function<bool(const MailTextPart&)>& wanted;
    std::size_t message;
    std::optional<MailTextPart> found;

    bool Message(std::string_view bytes, const std::string& outerAddress, int depth);
    bool Part(const Entity& entity, const std::string& address, int depth);
};

bool Walk::Message(std::string_view bytes, const std::string& outerAddress, int depth) {
    const Entity entity = ReadEntity(bytes);
    std::string address = MailAddress(entity.Value("REPLY-TO"));
    if (address.empty()) {
        address = MailAddress(entity.Value("FROM"));
    }
    return Part(entity, address.empty() ? outerAddress : address, depth);
}

bool Walk::Part(const Entity& entity, const std::string& address, int depth) {
    const std::string_view contentType = entity.Value("CONTENT-TYPE");
    const std::string type = MediaType(contentType);
    if (type.starts_with("MULTIPART/")) {
        const std::string boundary = Parameter(contentType, "BOUNDARY");
        if (depth < MaxDepth && !boundary.empty()) {
            for (const std::string_view part : BodyParts(entity.body, boundary)) {
                if (Part(ReadEntity(part), address, depth + 1)) {
                    return true;
                }
            }
        }
        return false;
    }
    if (type == "MESSAGE/RFC822") {
        // A forwarded report answers to the one who sent it first.
        return depth < MaxDepth && Message(entity.body, address, depth + 1);
    }
    if (!IsTextPart(entity, type)) {
        return false;
    }
    const std::string_view encoding = TrimmedBlanks(entity.Value("CONTENT-TRANSFER-ENCODING"));
    std::string decoded;
    if (IsUpperAsciiOf(encoding, "BASE64")) {
        std::optional<std::string> bytes = DecodeBase64(entity.body);
        if (!bytes) {
            return false;
        }
        decoded = std::move(*bytes);
    } else if (IsUpperAsciiOf(encoding, "QUOTED-PRINTABLE")) {
        decoded = DecodeQuotedPrintable(entity.body);
    } else {
        decoded = entity.body;
    }
    if (IsUpperAsciiOf(Parameter(contentType, "FORMAT"), "FLOWED")) {
        decoded = Unflowed(decoded, IsUpperAsciiOf(Parameter(contentType, "DELSP"), "YES"));
    }
    MailTextPart part{message, Windows1252FromCharset(decoded, Parameter(contentType, "CHARSET")),
                      address};
    if (!wanted(part)) {
        return false;
    }
    found = std::move(part);
    return true;
}

// A mailbox separates its messages by "From " lines at its start or after an empty line;
// a body line "From ..." that the mail client left unquoted is told apart by the header
// field that has to follow a separator, on the line where the cursor stands.
bool IsMessageSeparator(std::string_view line, LineCursor after) {
    return line.starts_with("From ") && FieldNameLength(after.Next()) > 0;
}

// The messages of a mailbox without their "From " lines; a single message is itself.
std::vector<std::string_view> Messages(std::string_view bytes) {
    if (!bytes.starts_with("From ")) {
        return {bytes};
    }
    std::vector<std::string_view> messages;
    std::size_t start = None;
    bool afterEmpty = true;
    for (LineCursor lines(bytes); !lines.AtEnd();) {
        const std::size_t lineStart = lines.Offset();
        const std::string_view line = lines.Next();
        if (afterEmpty && IsMessageSeparator(line, lines)) {
            if (start != None) {
                messages.push_back(bytes.substr(start, lineStart - start));
            }
            start = lines.Offset();
        }
        afterEmpty = line.empty();
    }
    if (start != None) {
        messages.push_back(bytes.substr(start));
    }
    return messages;
}

// The value of each byte as a digit of an alphabet, -1 for a byte outside it; folding also
// takes the lower-case letters for the upper-case ones.
constexpr std::array<signed char, 256> DigitValues(std::string_view alphabet, bool folding) {
    std::array<signed char, 256> values{};
    values.fill(-1);
    for (std::size_t i = 0; i < alphabet.size(); ++i) {
        const char c = alphabet[i];
        values[static_cast<unsigned char>(c)] = static_cast<signed char>(i);
        if (folding && c >= 'A' && c <= 'Z') {
            values[static_cast<unsigned char>(c - 'A' + 'a')] = static_cast<signed char>(i);
        }
    }
    return values;
}

constexpr auto HexDigits = DigitValues("0123456789ABCDEF", true);
constexpr auto Base64Digits =
    DigitValues("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/", false);

int HexValue(char c) {
    return HexDigits[static_cast<unsigned char>(c)];
}

int Base64Value(char c) {
    return Base64Digits[static_cast<unsigned char>(c)];
}

// ISO-8859-15 differs from Latin-1 in eight places, all of them characters that
// Windows-1252 has elsewhere.
// NOLINTBEGIN(readability-magic-numbers)
constexpr std::array<std::pair<unsigned char, unsigned char>, 8> Latin9Moves = {{
    {0xA4, 0x80}, // euro sign
    {0xA6, 0x8A}, // S with caron
    {0xA8, 0x9A}, // s with caron
    {0xB4, 0x8E}, // Z with caron
    {0xB8, 0x9E}, // z with caron
    {0xBC, 0x8C}, // ligature OE
    {0xBD, 0x9C}, // ligature oe
    {0xBE, 0x9F}, // Y with diaeresis
}};
// NOLINTEND(readability-magic-numbers)

} // namespace

bool LooksLikeMail(std::string_view bytes) {
    LineCursor lines(bytes);
    if (bytes.starts_with("From ")) {
        lines.Next();
    }
    const Entity entity = ReadEntity(bytes.substr(lines.Offset()));
    return entity.headerClosed &&
           std::any_of(entity.fields.begin(), entity.fields.end(),
                       [](const Field& field) { return IsKnownField(field.name); });
}

std::optional<MailTextPart>
FindMailTextPart(std::string_view bytes, const std::function<bool(const MailTextPart&)>& wanted) {
    const std::vector<std::string_view> messages = Messages(bytes);
    for (std::size_t m = messages.size(); m-- > 0;) {
        Walk walk{wanted, m, std::nullopt};
        if (walk.Message(messages[m], {}, 0)) {
            return std::move(walk.found);
        }
    }
    return std::nullopt;
}

std::string DecodeQuotedPrintable(std::string_view encoded) {
    std::string out;
    out.reserve(encoded.size());
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        if (encoded[i] != '=') {
            out += encoded[i];
            continue;
        }
        // A soft line break may carry blanks that the mail's way added before its line end.
        std::size_t j = i + 1;
        while (j < encoded.size() && IsBlank(encoded[j])) {
            ++j;
        }
        if (j == encoded.size() || encoded[j] == '\r' || encoded[j] == '\n') {
            while (j < encoded.size() && encoded[j] == '\r') {
                ++j;
            }
            if (j < encoded.size() && encoded[j] == '\n') {
                ++j;
            }
            i = j - 1;
            continue;
        }
        constexpr int Sixteen = 16;
        const int high = i + 2 < encoded.size() ? HexValue(encoded[i + 1]) : -1;
        const int low = high >= 0 ? HexValue(encoded[i + 2]) : -1;
        if (low >= 0) {
            out += static_cast<char>(high * Sixteen + low);
            i += 2;
        } else {
            out += '=';
        }
    }
    return out;
}

std::optional<std::string> DecodeBase64(std::string_view encoded) {
    std::string out;
    out.reserve(encoded.size() / 4 * 3 + 2);
    constexpr unsigned Byte = 0xFF;
    std::uint32_t bits = 0;
    int count = 0;
    bool padded = false;
    for (const char c : encoded) {
        if (IsBlank(c) || c == '\r' || c == '\n') {
            continue;
        }
        if (c == '=') {
            padded = true;
            continue;
        }
        const int value = Base64Value(c);
        if (value < 0 || padded) {
            return std::nullopt;
        }
        bits = (bits << 6) | static_cast<std::uint32_t>(value);
        if (++count == 4) {
            out += static_cast<char>((bits >> 16) & Byte);
            out += static_cast<char>((bits >> 8) & Byte);
            out += static_cast<char>(bits & Byte);
            bits = 0;
            count = 0;
        }
    }
    if (count == 1) {
        return std::nullopt;
    }
    if (count == 2) {
        out += static_cast<char>((bits >> 4) & Byte);
    } else if (count == 3) {
        out += static_cast<char>((bits >> 10) & Byte);
        out += static_cast<char>((bits >> 2) & Byte);
    }
    return out;
}

std::string Windows1252FromCharset(std::string_view bytes, std::string_view charset) {
    const std::string name = UpperAscii(TrimmedBlanks(charset));
    if (name == "UTF-8" || name == "UTF8") {
        std::string_view text = bytes;
        if (text.starts_with("\xEF\xBB\xBF")) {
            text.remove_prefix(3);
        }
        return IsUtf8(text) ? Windows1252FromUtf8(text) : std::string(bytes);
    }
    std::string out(bytes);
    if (name == "ISO-8859-15" || name == "ISO8859-15" || name == "LATIN-9" || name == "LATIN9") {
        for (char& c : out) {
            for (const auto& [from, to] : Latin9Moves) {
                if (static_cast<unsigned char>(c) == from) {
                    c = static_cast<char>(to);
                }
            }
        }
    }
    return out;
}

std::string MailAddress(std::string_view fieldValue) {
    // Display names and comments may hold anything, angle brackets and "@" included.
    std::string plain;
    int comments = 0;
    bool quoted = false;
    for (std::size_t i = 0; i < fieldValue.size(); ++i) {
        const char c = fieldValue[i];
        if ((quoted || comments > 0) && c == '\\') {
            ++i;
        } else if (quoted) {
            quoted = c != '"';
        } else if (c == '(') {
            ++comments;
        } else if (c == ')' && comments > 0) {
            --comments;
        } else if (comments == 0) {
            quoted = c == '"';
            plain += quoted ? ' ' : c;
        }
    }
    std::string_view address;
    const std::size_t open = plain.find('<');
    const std::size_t close = open == None ? None : plain.find('>', open);
    if (close != None) {
        address = TrimmedBlanks(std::string_view(plain).substr(open + 1, close - open - 1));
    } else {
        const std::string_view words = plain;
        for (std::size_t at = 0; at < words.size();) {
            const std::size_t start = words.find_first_not_of(" \t,;:", at);
            const std::size_t end = words.find_first_of(" \t,;:", start);
            const std::string_view word = words.substr(start == None ? words.size() : start,
                                                       end == None ? None : end - start);
            if (word.find('@') != None) {
                address = word;
                break;
            }
            at = end;
        }
    }
    constexpr char Delete = 0x7F;
    const bool plainAddress =
        address.find('@') != None && std::all_of(address.begin(), address.end(), [](char c) {
            return static_cast<unsigned char>(c) > ' ' && c != '<' && c != '>' && c != Delete;
        });
    return plainAddress ? std::string(address) : std::string();
}

} // namespace orv::report
