// The check results for other tools: GNU error lines and JSON, for several moves at once.
#include "cli_runner.h"
#include "core/cli/check_formats.h"

#include <cctype>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <variant>
#include <vector>

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

// Just enough JSON to read back what the command writes.
struct Json {
    std::variant<std::nullptr_t, bool, double, std::string, std::vector<Json>,
                 std::map<std::string, Json>>
        value;
    const Json& operator[](const std::string& key) const {
        return std::get<std::map<std::string, Json>>(value).at(key);
    }
    const Json& operator[](std::size_t i) const { return std::get<std::vector<Json>>(value).at(i); }
    std::size_t Size() const { return std::get<std::vector<Json>>(value).size(); }
    const std::string& Text() const { return std::get<std::string>(value); }
    double Number() const { return std::get<double>(value); }
};

class JsonReader {
  public:
    explicit JsonReader(std::string_view text) : text_(text) {}
    Json Read() {
        Json json = Value();
        Blanks();
        if (p_ != text_.size()) {
            throw std::runtime_error("text after the document");
        }
        return json;
    }

  private:
    void Blanks() {
        while (p_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[p_]))) {
            ++p_;
        }
    }
    char Take() {
        if (p_ >= text_.size()) {
            throw std::runtime_error("the document ends early");
        }
        return text_[p_++];
    }
    void Expect(char c) {
        Blanks();
        if (Take() != c) {
            throw std::runtime_error(std::string("expected ") + c);
        }
    }
    std::string String() {
        Expect('"');
        std::string out;
        for (char c = Take(); c != '"'; c = Take()) {
            if (static_cast<unsigned char>(c) < 0x20) {
                throw std::runtime_error("control character in a string");
            }
            if (c != '\\') {
                out += c;
                continue;
            }
            c = Take();
            if (c == 'u') {
                const unsigned code = std::stoul(std::string(text_.substr(p_, 4)), nullptr, 16);
                p_ += 4;
                out += code < 0x80 ? static_cast<char>(code) : '?';
            } else {
                out += c == 'n' ? '\n' : c;
            }
        }
        return out;
    }
    Json Value() {
        Blanks();
        const char c = text_.at(p_);
        if (c == '{') {
            ++p_;
            std::map<std::string, Json> object;
            for (Blanks(); text_.at(p_) != '}';) {
                std::string key = String();
                Expect(':');
                object[key] = Value();
                Blanks();
                if (text_.at(p_) == ',') {
                    ++p_;
                }
            }
            ++p_;
            return {object};
        }
        if (c == '[') {
            ++p_;
            std::vector<Json> array;
            for (Blanks(); text_.at(p_) != ']';) {
                array.push_back(Value());
                Blanks();
                if (text_.at(p_) == ',') {
                    ++p_;
                }
            }
            ++p_;
            return {array};
        }
        if (c == '"') {
            return {String()};
        }
        for (const auto& [word, json] :
             {std::pair{"true", Json{true}}, {"false", Json{false}}, {"null", Json{nullptr}}}) {
            if (text_.substr(p_).starts_with(word)) {
                p_ += std::string_view(word).size();
                return json;
            }
        }
        std::size_t used = 0;
        const double number = std::stod(std::string(text_.substr(p_)), &used);
        p_ += used;
        return {number};
    }

    std::string_view text_;
    std::size_t p_ = 0;
};

TEST(CheckFormats, GnuLinesPointAtTheLinesOfTheFile) {
    const CliRun run =
        RunWith({"check", report, "--tribe", "Vikings", "-", "--format", "gnu"}, hostile);
    EXPECT_EQ(run.code, ExitCheckFoundErrors);
    EXPECT_EQ(run.out, "-:4: error: Not enough bowmen in province!\n"
                       "-:4: error: Move points exceeded!\n"
                       "-:5: error: Illegal province coordinates!\n");
    // The goods entry points at END.
    const CliRun goods = RunWith({"check", report, "--tribe", "nobody", "-", "--format", "gnu"},
                                 "x\nBEGIN\nPLA 5 1 SH\nEND\n");
    EXPECT_EQ(goods.out, "-:3: error: You don't own province 5/1!\n-:4: error: Not enough wood!\n");
}

TEST(CheckFormats, JsonReadsBackWithEveryFinding) {
    const CliRun run =
        RunWith({"check", report, "--tribe", "Vikings", "-", "--format", "json"}, hostile);
    EXPECT_EQ(run.code, ExitCheckFoundErrors);
    const Json json = JsonReader(run.out).Read();
    EXPECT_EQ(json["move"].Text(), "-");
    EXPECT_EQ(json["tribe"].Text(), "Vikings");
    EXPECT_FALSE(std::get<bool>(json["correct"].value));
    EXPECT_EQ(json["goods"]["gold"].Number(), 2400);
    ASSERT_EQ(json["findings"].Size(), 2U);
    const Json& placement = json["findings"][1];
    EXPECT_EQ(placement["line"].Number(), 5);
    EXPECT_EQ(placement["index"].Number(), 2);
    EXPECT_EQ(placement["order"].Text(), "PLA 99 9 \"x\\\xC3\xA9");
    EXPECT_EQ(placement["messages"][0].Text(), "Illegal province coordinates!");
    EXPECT_EQ(json["findings"][0]["messages"].Size(), 2U);
    EXPECT_EQ(Utf8FromWindows1252("\x80\xE9\x81"), "\xE2\x82\xAC\xC3\xA9\xC2\x81");
}

// A game master checks a folder of moves at once: a result per move, the worst status.
TEST(CheckFormats, SeveralMovesInOneCall) {
    const CliRun mixed = RunWith(
        {"check", report, "--tribe", "Vikings", exampleMove, "-", "--format", "json"}, hostile);
    EXPECT_EQ(mixed.code, ExitCheckFoundErrors);
    const std::size_t split = mixed.out.find('\n');
    EXPECT_TRUE(std::get<bool>(JsonReader(mixed.out.substr(0, split)).Read()["correct"].value));
    EXPECT_FALSE(std::get<bool>(JsonReader(mixed.out.substr(split + 1)).Read()["correct"].value));

    const CliRun text =
        RunWith({"check", report, "--tribe", "Vikings", exampleMove, "-"}, "BEGIN\nhello\nEND\n");
    EXPECT_EQ(text.code, ExitFailure);
    EXPECT_EQ(text.out, exampleMove + ":\nMove seems to be correct.\n");
    EXPECT_EQ(text.err, "Error in file: unrecognized command in line\nhello\n");
}

} // namespace
} // namespace orv::cli
