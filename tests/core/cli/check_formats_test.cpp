// The check results for other tools: GNU error lines and JSON, for several moves at once.
#include "cli_runner.h"
#include "core/cli/check_formats.h"

#include <gtest/gtest.h>

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

// One object per move on one line; the order as shown, its text in UTF-8.
TEST(CheckFormats, JsonHoldsEveryFinding) {
    const CliRun run =
        RunWith({"check", report, "--tribe", "Vikings", "-", "--format", "json"}, hostile);
    EXPECT_EQ(run.code, ExitCheckFoundErrors);
    EXPECT_EQ(run.out,
              "{\"move\":\"-\",\"tribe\":\"Vikings\",\"findings\":[{\"line\":4,\"index\":1,"
              "\"order\":\"Move through land with 2 Foot soldiers and 1 Bowman from province 3 / 4 "
              "to east east \",\"messages\":[\"Not enough bowmen in province!\",\"Move points "
              "exceeded!\"]},{\"line\":5,\"index\":2,\"order\":\"PLA 99 9 \\\"x\\\\\xC3\xA9\","
              "\"messages\":[\"Illegal province coordinates!\"]}],\"correct\":false,"
              "\"goods\":{\"gold\":2400,\"wood\":520}}\n");
    EXPECT_EQ(Utf8FromWindows1252("\x80\xE9\x81"), "\xE2\x82\xAC\xC3\xA9\xC2\x81");
}

// A game master checks a folder of moves at once: a result per move, the worst status.
TEST(CheckFormats, SeveralMovesInOneCall) {
    const CliRun mixed = RunWith(
        {"check", report, "--tribe", "Vikings", exampleMove, "-", "--format", "json"}, hostile);
    EXPECT_EQ(mixed.code, ExitCheckFoundErrors);
    const std::size_t split = mixed.out.find('\n');
    EXPECT_NE(mixed.out.substr(0, split).find("\"correct\":true"), std::string::npos);
    EXPECT_NE(mixed.out.substr(split + 1).find("\"correct\":false"), std::string::npos);

    const CliRun text =
        RunWith({"check", report, "--tribe", "Vikings", exampleMove, "-"}, "BEGIN\nhello\nEND\n");
    EXPECT_EQ(text.code, ExitFailure);
    EXPECT_EQ(text.out, exampleMove + ":\nMove seems to be correct.\n");
    EXPECT_EQ(text.err, "Error in file: unrecognized command in line\nhello\n");
}

} // namespace
} // namespace orv::cli
