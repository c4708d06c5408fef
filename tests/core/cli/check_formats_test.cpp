// The check results for other tools: GNU error lines and JSON, for several moves at once.
#include "cli_runner.h"
#include "core/cli/check_formats.h"

#include <gtest/gtest.h>
#include <map>
#include <stdexcept>
#include <string_view>

namespace orv::cli {
namespace {

const std::string report = ORV_EXAMPLES_DIR "/turn12.txt";
const std::string exampleMove = ORV_EXAMPLES_DIR "/turn12.cmd";

// A mail header before BEGIN, so the file line of an order is not its list line; an order
// with a quote, a backslash and an 8-bit character.
const std::string hostile = "From: gm\r\n\r\nBEGIN\r\nLAND 3 4 FO 2 BO 1 E E\r\n"
                            "PLA 99 9 \"x\\\xE9\r\nEND\r\n";

using testing::CliRun;
using testing::RunWith;

// Just enough JSON to read back what the command writes: one document on one line, each
// value under its path ("findings.1.line") as written; anything else throws. The writer puts
// no blanks between tokens and escapes nothing but quotes and backslashes here.
class FlatJson {
  public:
    explicit FlatJson(std::string_view text) : s_(text) {
        Value("");
        if (s_.substr(p_) != "\n") {
            throw std::runtime_error("text after the document");
        }
    }
    const std::string& operator[](const std::string& path) const { return values_.at(path); }
    bool Has(const std::string& path) const { return values_.contains(path); }

  private:
    void Expect(char c) {
        if (s_.at(p_++) != c) {
            throw std::runtime_error(std::string("expected ") + c);
        }
    }
    std::string String() {
        Expect('"');
        std::string out;
        for (char c = s_.at(p_++); c != '"'; c = s_.at(p_++)) {
            if (static_cast<unsigned char>(c) < 0x20 ||
                (c == '\\' && (c = s_.at(p_++)) != '"' && c != '\\')) {
                throw std::runtime_error("control character or unknown escape in a string");
            }
            out += c;
        }
        return out;
    }
    void Value(const std::string& path) {
        const char open = s_.at(p_);
        if (open == '"') {
            values_[path] = String();
        } else if (open == '{' || open == '[') {
            ++p_;
            for (int i = 0; s_.at(p_) != (open == '{' ? '}' : ']'); ++i) {
                if (i > 0) {
                    Expect(',');
                }
                const std::string key = open == '{' ? String() : std::to_string(i);
                if (open == '{') {
                    Expect(':');
                }
                Value(path.empty() ? key : path + "." + key);
            }
            ++p_;
        } else {
            const std::size_t end = s_.find_first_of(",]}\n", p_);
            const std::string word(s_.substr(p_, end - p_));
            std::size_t used = 0;
            if (word != "true" && word != "false" && word != "null" &&
                (std::stod(word, &used), used != word.size())) {
                throw std::runtime_error("no value: " + word);
            }
            values_[path] = word;
            p_ = end;
        }
    }

    std::string_view s_;
    std::size_t p_ = 0;
    std::map<std::string, std::string> values_;
};

TEST(CheckFormats, GnuLinesPointAtTheLinesOfTheFile) {
    const CliRun run =
        RunWith({"check", report, "--tribe", "Vikings", "-", "--format", "gnu"}, hostile);
    EXPECT_EQ(run.code, ExitCheckFoundErrors);
    EXPECT_EQ(run.out, "-:4: error: Not enough bowmen in province!\n"
                       "-:4: error: Move points exceeded!\n"
                       "-:5: error: Unknown troop type \"x\\\xE9!\n"
                       "-:5: error: Illegal province coordinates!\n");
    // The goods entry points at END.
    const CliRun goods = RunWith(
        {"check", report, "--tribe", "nobody", "-", "--format=gnu", "--allow-unknown-tribe"},
        "x\nBEGIN\nPLA 5 1 SH\nEND\n");
    EXPECT_EQ(goods.out, "-:3: error: You don't own province 5/1!\n-:4: error: Not enough wood!\n");
}

TEST(CheckFormats, JsonReadsBackWithEveryFinding) {
    const CliRun run =
        RunWith({"check", report, "--tribe", "Vikings", "-", "--format", "json"}, hostile);
    EXPECT_EQ(run.code, ExitCheckFoundErrors);
    const FlatJson json(run.out);
    EXPECT_EQ(json["move"], "-");
    EXPECT_EQ(json["tribe"], "Vikings");
    EXPECT_EQ(json["correct"], "false");
    EXPECT_EQ(json["goods.gold"], "2400");
    EXPECT_EQ(json["findings.1.line"], "5");
    EXPECT_EQ(json["findings.1.index"], "2");
    EXPECT_EQ(json["findings.1.order"], "PLA 99 9 \"x\\\xC3\xA9");
    EXPECT_EQ(json["findings.1.messages.0"], "Unknown troop type \"x\\\xC3\xA9!");
    EXPECT_EQ(json["findings.1.messages.1"], "Illegal province coordinates!");
    EXPECT_TRUE(json.Has("findings.0.messages.1"));
    EXPECT_FALSE(json.Has("findings.0.messages.2") || json.Has("findings.1.messages.2") ||
                 json.Has("findings.2.line"));
}

// A move name that is well-formed UTF-8 is copied as it is; any other is read as Windows-1252:
// the smallest three- and four-byte forms and the last code point against an overlong form,
// a surrogate and a code point above U+10FFFF.
TEST(CheckFormats, JsonMoveNameIsWellFormedUtf8) {
    for (const std::string name : {"\xE0\xA0\x80", "\xF0\x90\x80\x80", "\xF4\x8F\xBF\xBF"}) {
        EXPECT_EQ(FlatJson(JsonDocument(name, "T", {}, {}))["move"], name);
    }
    for (const std::string name : {"\xE0\x80\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80"}) {
        EXPECT_EQ(FlatJson(JsonDocument(name, "T", {}, {}))["move"], Utf8FromWindows1252(name));
    }
}

// A game master checks a folder of moves at once: a result per move, the worst status.
TEST(CheckFormats, SeveralMovesInOneCall) {
    const CliRun mixed = RunWith(
        {"check", report, "--tribe", "Vikings", exampleMove, "-", "--format", "json"}, hostile);
    EXPECT_EQ(mixed.code, ExitCheckFoundErrors);
    const std::size_t split = mixed.out.find('\n');
    EXPECT_EQ(FlatJson(mixed.out.substr(0, split + 1))["correct"], "true");
    EXPECT_EQ(FlatJson(mixed.out.substr(split + 1))["correct"], "false");

    const CliRun text =
        RunWith({"check", report, "--tribe", "Vikings", exampleMove, "-"}, "BEGIN\nhello\nEND\n");
    EXPECT_EQ(text.code, ExitFailure);
    EXPECT_EQ(text.out, exampleMove + ":\nMove seems to be correct.\n");
    EXPECT_EQ(text.err, "-: Error in file: unrecognized command in line 2\nhello\n");

    // A move that cannot be read names its file and line in every format; the others are
    // still checked.
    const std::string missing = exampleMove + ".gone";
    const CliRun gnu = RunWith(
        {"check", report, "--tribe", "Vikings", "-", missing, exampleMove, "--format", "gnu"},
        "From: gm\nBEGIN\nALL 1 1\nhello\nEND\n");
    EXPECT_EQ(gnu.code, ExitFailure);
    EXPECT_EQ(gnu.out, "-:4: error: Error in file: unrecognized command in line 4 hello\n" +
                           missing + ":1: error: File " + missing + " not found!\n");
    EXPECT_EQ(gnu.err, "");
    const CliRun json = RunWith(
        {"check", report, "--tribe", "Vikings", "-", exampleMove, "--format", "json"}, "x\n");
    const std::size_t end = json.out.find('\n');
    EXPECT_EQ(json.out.substr(0, end + 1),
              "{\"move\":\"-\",\"error\":\"Error in file: unrecognized command in line "
              "1\\u000ax\",\"line\":1}\n");
    EXPECT_EQ(FlatJson(json.out.substr(end + 1))["correct"], "true");
}

} // namespace
} // namespace orv::cli
