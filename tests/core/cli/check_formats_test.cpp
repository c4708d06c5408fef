// The check results for other tools: GNU error lines and JSON, for several moves at once.
#include "cli_runner.h"
#include "core/cli/check_formats.h"

#include <gtest/gtest.h>
#include <string>

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

// The JSON document of a move without findings; its name is written as it is.
std::string CorrectDocument(const std::string& move, const char* tribe, const char* goods) {
    return R"({"move":")" + move + R"(","tribe":")" + tribe +
           R"(","findings":[],"correct":true,"goods":)" + goods + "}\n";
}

// The JSON document of `hostile`: its orders in the natural form they are shown in, quote
// and backslash escaped, the 8-bit character decoded.
const std::string hostileJson =
    R"({"move":"-","tribe":"Vikings","findings":[{"line":4,"index":1,)"
    R"("order":"Move through land with 2 Foot soldiers and 1 Bowman from province 3 / 4 to )"
    R"(east east ","messages":["Not enough bowmen in province!",)"
    R"("Move points exceeded!"]},{"line":5,"index":2,"order":"PLA 99 9 \"x\\)"
    "\xC3\xA9"
    R"(","messages":["Unknown troop type \"x\\)"
    "\xC3\xA9"
    R"(!","Illegal province coordinates!"]}],"correct":false,"goods":{"gold":2400,"wood":520}})"
    "\n";
const std::string exampleJson =
    CorrectDocument(exampleMove, "Vikings", R"({"gold":2382,"wood":510})");

// Each message is one line that names the line of the file as written.
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

// One document holds every finding: file line, list index, order and messages, and the goods.
TEST(CheckFormats, JsonHoldsEveryFinding) {
    const CliRun run =
        RunWith({"check", report, "--tribe", "Vikings", "-", "--format", "json"}, hostile);
    EXPECT_EQ(run.code, ExitCheckFoundErrors);
    EXPECT_EQ(run.out, hostileJson);
}

// A move name that is well-formed UTF-8 is copied as it is; any other is read as Windows-1252:
// the smallest three- and four-byte forms and the last code point against an overlong form,
// a surrogate and a code point above U+10FFFF.
TEST(CheckFormats, JsonMoveNameIsWellFormedUtf8) {
    const char* const zero = R"({"gold":0,"wood":0})";
    for (const std::string name : {"\xE0\xA0\x80", "\xF0\x90\x80\x80", "\xF4\x8F\xBF\xBF"}) {
        EXPECT_EQ(JsonDocument(name, "T", {}, {}), CorrectDocument(name, "T", zero));
    }
    for (const std::string name : {"\xE0\x80\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80"}) {
        EXPECT_EQ(JsonDocument(name, "T", {}, {}),
                  CorrectDocument(Utf8FromWindows1252(name), "T", zero));
    }
}

// A game master checks a folder of moves at once: a result per move, the worst status.
TEST(CheckFormats, SeveralMovesInOneCall) {
    const CliRun mixed = RunWith(
        {"check", report, "--tribe", "Vikings", exampleMove, "-", "--format", "json"}, hostile);
    EXPECT_EQ(mixed.code, ExitCheckFoundErrors);
    EXPECT_EQ(mixed.out, exampleJson + hostileJson);

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
    EXPECT_EQ(json.out, R"({"move":"-","error":"Error in file: unrecognized command in line )"
                        R"(1\u000ax","line":1})"
                        "\n" +
                            exampleJson);
}

} // namespace
} // namespace orv::cli
