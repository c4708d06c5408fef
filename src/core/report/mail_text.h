#pragma once
// Turn reports saved from a mail client: one message (.eml) or a mailbox of them (.mbox). A
// report is the text of a message's plain-text part, decoded from its transfer encoding and
// its character set into the Windows-1252 bytes the rest of the core reads.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace orv::report {

// True when the bytes begin as a saved mail does: header fields from the first line (or
// from the line after a mailbox's "From " line) up to an empty line, among them a field
// that mails carry (From, To, Subject, Date, MIME-Version, Content-Type, ...). A report
// begins with a title line, never with such a block, and only its first line is looked at
// when it is no header field.
bool LooksLikeMail(std::string_view bytes);

// One plain-text part of a mail.
struct MailTextPart {
    std::size_t message = 0; // the message of the mailbox it lies in, from 0
    std::string text;        // decoded, as Windows-1252 bytes
    // Where answers go: the address of the Reply-To field of the message it lies in, else
    // of its From field; empty when neither names one.
    std::string replyAddress;
};

// The first plain-text part that `wanted` accepts, with the messages of a mailbox taken
// newest (last) first and the parts of each in their order: text/plain parts, parts
// without a type, and attachments named *.txt, within multipart parts and attached
// messages. A part is decoded only when its turn comes, and the walk stops at the one
// accepted; nothing when none is. A part whose base64 cannot be decoded is passed over.
std::optional<MailTextPart>
FindMailTextPart(std::string_view bytes, const std::function<bool(const MailTextPart&)>& wanted);

// Quoted-printable: soft line breaks ("=" at a line's end) removed, "=XX" (either case)
// as its byte; an "=" that starts neither stays as it is.
std::string DecodeQuotedPrintable(std::string_view encoded);

// Base64, line breaks and blanks passed over, the padding optional; nothing for any other
// character, for data after the padding and for a final group of one character.
std::optional<std::string> DecodeBase64(std::string_view encoded);

// A part's text in Windows-1252: UTF-8 converted (characters the code page lacks become
// "?"), ISO-8859-15's eight own characters mapped; Latin-1, ASCII, Windows-1252, text that
// is not the UTF-8 it claims to be and unknown character sets keep their bytes.
std::string Windows1252FromCharset(std::string_view bytes, std::string_view charset);

// The address of an address field: the one in angle brackets, else the first word with
// an "@" outside comments; empty when there is none.
std::string MailAddress(std::string_view fieldValue);

} // namespace orv::report
