#include "core/report/mail_text.h"
#include "core/report/report_reader.h"
#include "core/report/text_file.h"
#include "core/report/views.h"

#include <gtest/gtest.h>
#include <optional>

namespace orv::report {
namespace {

const std::string Example = ORV_EXAMPLES_DIR "/turn12.txt";

std::string ExampleBytes() {
    std::string bytes;
    EXPECT_EQ(ReadFileBytes(Example, bytes), FileStatus::Ok);
    return bytes;
}

// Every text part, in the order the walk looks at them.
std::vector<MailTextPart> AllParts(std::string_view bytes) {
    std::vector<MailTextPart> parts;
    EXPECT_FALSE(FindMailTextPart(bytes, [&parts](const MailTextPart& part) {
        parts.push_back(part);
        return false;
    }));
    return parts;
}

TEST(MailText, QuotedPrintable) {
    const struct {
        const char *encoded, *decoded;
    } rows[] = {
        {"Dead=\r\nline\r\nnext", "Deadline\r\nnext"}, // soft break; hard breaks stay
        {"a= \t\nb=", "ab"},                           // blanks before the break, one at the end
        {"caf=E9 caf=e9 =3D=0A", "caf\xE9 caf\xE9 =\n"},
        {"=G1 x==41 =4", "=G1 x=A =4"}, // no escape: the "=" stays
    };
    for (const auto& row : rows) {
        EXPECT_EQ(DecodeQuotedPrintable(row.encoded), row.decoded) << row.encoded;
    }
}

TEST(MailText, Base64) {
    const struct {
        const char* encoded;
        std::optional<std::string> decoded;
    } rows[] = {
        {"TWFu\r\nTWFu \t", "ManMan"},
        {"TWE", "Ma"},
        {"TQ=", "M"},
        {"TQ==\r\n", "M"},
        {"TW*u", std::nullopt},
        {"TQ==TQ", std::nullopt},
        {"TWFuT", std::nullopt},
        {"+/+/", "\xFB\xFF\xBF"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(DecodeBase64(row.encoded), row.decoded) << row.encoded;
    }
}

TEST(MailText, CharsetsBecomeWindows1252) {
    const struct {
        const char *bytes, *charset, *text;
    } rows[] = {
        {"caf\xC3\xA9 \xE2\x82\xAC", " UTF-8", "caf\xE9 \x80"},
        {"\xEF\xBB\xBFto \xE2\x86\x92 x", "utf-8", "to ? x"}, // no arrow in the code page
        {"caf\xE9", "utf-8", "caf\xE9"},                      // no UTF-8 after all
        {"\xA4\xBD\xE9", "ISO-8859-15", "\x80\x9C\xE9"},
        {"\xA4\x85", "iso-8859-1", "\xA4\x85"},
        {"\xC1\xD2", "koi8-r", "\xC1\xD2"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Windows1252FromCharset(row.bytes, row.charset), row.text) << row.bytes;
    }
}

TEST(MailText, Addresses) {
    const std::pair<const char*, const char*> rows[] = {
        {"\"Game <Master>\" <gm@north.example>", "gm@north.example"},
        {"(Game \\) a@b) gm@north.example", "gm@north.example"},
        {"Masters: moves@north.example, gm@north.example;", "moves@north.example"},
        {"Game Master", ""},
        {"<not an address>", ""},
    };
    for (const auto& [field, address] : rows) {
        EXPECT_EQ(MailAddress(field), address) << field;
    }
}

TEST(MailText, OnlyAHeaderBlockMakesAMail) {
    const std::pair<std::string, bool> rows[] = {
        {"From: gm@x\r\nSubject: turn\r\n 12\r\n\r\nbody", true},
        {"From gm@x Fri Dec  4 18:00:00 2026\nX-Note: a\nDate: today\n\n", true},
        {"From: gm@x\rSubject: turn\r\rbody", true}, // lines that end in CR alone
        {"X-Note: a\n\nbody", false},                // no field of a mail
        {"From the game master\nGeneral Report\n", false},
        {"Subject: turn 12\nGeneral Report\n", false},
        {" From: gm@x\n\n", false},
        {ExampleBytes(), false},
    };
    for (const auto& [bytes, mail] : rows) {
        EXPECT_EQ(LooksLikeMail(bytes), mail) << bytes.substr(0, 40);
    }
}

// Text parts are found at any depth, also after a lost closing line; other types and base64
// that is no base64 are not.
TEST(MailText, TextPartsOfNestedMultiparts) {
    const std::string mail = "From: gm@x\nContent-Type: multipart/mixed;\n boundary=\"b1\"\n\n"
                             "preamble\n--b1\nContent-Type: multipart/alternative; boundary=b2\n\n"
                             "--b2\n\nnote\n--b2\nContent-Type: text/html\n\n<p>note</p>\n--b2--\n"
                             "--b1\nContent-Type: application/octet-stream; name=\"R.TXT\"\n"
                             "Content-Transfer-Encoding: base64\n\naGVs\nbG8\n"
                             "--b1\nContent-Type: text/plain\nContent-Transfer-Encoding: base64\n\n"
                             "no base64!\n--b1 \nContent-Type: image/png\n\nxx\n--b1\n\ncut short";
    const std::vector<MailTextPart> parts = AllParts(mail);
    ASSERT_EQ(parts.size(), 3U);
    EXPECT_EQ(parts[0].text, "note");
    EXPECT_EQ(parts[1].text, "hello");
    EXPECT_EQ(parts[2].text, "cut short");
    EXPECT_EQ(parts[1].replyAddress, "gm@x");
}

// Flowed text reads as it was before its lines were wrapped, so that a wrapped table row
// stays one row; a text that is not flowed keeps its blanks.
TEST(MailText, FlowedTextIsUnwrapped) {
    const std::string flowed = " \r\n  3 Northmen \r\n   120   40\r\n  4 Sea\r\n-- \r\nGM\r\n";
    const struct {
        std::string type, body, text;
    } rows[] = {
        {"text/plain; format=flowed", flowed,
         "\r\n 3 Northmen   120   40\r\n 4 Sea\r\n-- \r\nGM\r\n"},
        {"Text/Plain; Format=\"Flowed\"; DelSp=Yes", "North \nmen 12 \n0\n", "Northmen 120\n"},
        {"text/plain; format=fixed", flowed, flowed},
    };
    for (const auto& row : rows) {
        const std::vector<MailTextPart> parts =
            AllParts("Content-Type: " + row.type + "\r\n\r\n" + row.body);
        ASSERT_EQ(parts.size(), 1U) << row.type;
        EXPECT_EQ(parts[0].text, row.text) << row.type;
    }
}

// A body line "From ..." after an empty line separates messages only when a header follows.
// The newest message is looked at first, and the walk ends at the part taken.
TEST(MailText, MailboxMessages) {
    const std::string_view mailbox =
        "From a Fri\nFrom: a@x\nReply-To: <r@x>\n\none\n\nFrom here on\ntwo\n\n"
        "From b Sat\nFrom: b@x\nContent-Type: message/rfc822\n\nFrom: c@x\n\nthree\n";
    const std::vector<MailTextPart> parts = AllParts(mailbox);
    ASSERT_EQ(parts.size(), 2U);
    EXPECT_EQ(parts[0].message, 1U);
    EXPECT_EQ(parts[0].text, "three\n");
    EXPECT_EQ(parts[0].replyAddress, "c@x"); // the forwarded mail's sender
    EXPECT_EQ(parts[1].text, "one\n\nFrom here on\ntwo\n\n");
    EXPECT_EQ(parts[1].replyAddress, "r@x");
    int looked = 0;
    const std::optional<MailTextPart> first =
        FindMailTextPart(mailbox, [&looked](const MailTextPart&) { return ++looked > 0; });
    ASSERT_TRUE(first);
    EXPECT_EQ(first->text, "three\n");
    EXPECT_EQ(looked, 1);
}

// The saved mails read as the example report itself; the mailbox's newest turn is taken.
TEST(MailText, SavedMailsReadAsTheReport) {
    Game plain;
    ASSERT_EQ(LoadReport(plain, Example).status, ReportLoadStatus::Loaded);
    EXPECT_EQ(plain.gameMasterAddress, "");
    const std::pair<const char*, const char*> rows[] = {
        {ORV_TEST_DATA_DIR "/turn12-base64.eml", "moves@northmarch.example"},
        {ORV_TEST_DATA_DIR "/turn11-12-qp.mbox", "gm@northmarch.example"},
    };
    for (const auto& [file, address] : rows) {
        Game game;
        EXPECT_EQ(LoadReport(game, file).status, ReportLoadStatus::Loaded) << file;
        ASSERT_EQ(game.tribes.size(), plain.tribes.size()) << file;
        EXPECT_EQ(game.tribes[2].Gold(), plain.tribes[2].Gold()) << file;
        EXPECT_EQ(game.options, plain.options) << file;
        EXPECT_EQ(ShowMapText(game.map), ShowMapText(plain.map)) << file;
        EXPECT_EQ(game.gameMasterAddress, address);
    }
    // A report that begins with "From" is no mail; a mail without a text part is no report.
    Game game;
    EXPECT_EQ(LoadReportText(game, "From the game master\r\n" + ExampleBytes()).status,
              ReportLoadStatus::Loaded);
    EXPECT_EQ(game.tribes.size(), plain.tribes.size());
    EXPECT_EQ(
        LoadReportText(game, "Subject: r\nContent-Type: text/html\n\n" + ExampleBytes()).status,
        ReportLoadStatus::NoReport);
}

} // namespace
} // namespace orv::report
