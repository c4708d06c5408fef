#include "cli_runner.h"
#include "core/cli/cli_app.h"

#include <gtest/gtest.h>

namespace orv::cli {
namespace {

const std::string report = ORV_EXAMPLES_DIR "/turn12.txt";
const std::string moveFile = ORV_EXAMPLES_DIR "/turn12.cmd";

using testing::CliRun;
using testing::RunWith;

TEST(GoodsCommand, ShowsTheGoodsAtTheSelectedLine) {
    struct Row {
        std::vector<std::string> args;
        const char* out;
        const char* input = "";
        const char* err = "";
    };
    // Vikings start with 2400 gold and 520 wood; line 1 buys a foot soldier, a ship and a
    // castle. An unknown tribe, when allowed, starts from nothing.
    for (const Row& row :
         {Row{{"Vikings", moveFile}, "2382 510\n"},
          Row{{"Vikings", moveFile, "--line", "0"}, "2400 520\n"},
          Row{{"Vikings", moveFile, "--form", "natural", "--line", "3"}, "2382 510\n"},
          Row{{"Vikings", moveFile, "--line=0", "--form=raw"}, "2400 520\n"},
          Row{{"Picts", "-", "--line", "2"},
              "972 250\n",
              "BEGIN\r\nPLA 5 1 HO\r\nPLA 5 2 SH 6 2 BO\r\nEND\r\n"},
          Row{{"vikings", moveFile, "--allow-unknown-tribe"},
              "-18 -10\n",
              "",
              "Warning: no tribe named \"vikings\" in the report; the goods start from 0 gold "
              "and 0 wood.\n"}}) {
        std::vector<std::string> args{"goods", report, "--tribe"};
        args.insert(args.end(), row.args.begin(), row.args.end());
        const CliRun run = RunWith(args, row.input);
        EXPECT_EQ(run.code, ExitDone) << ::testing::PrintToString(args);
        EXPECT_EQ(run.out, row.out) << ::testing::PrintToString(args);
        EXPECT_EQ(run.err, row.err);
    }
    // One past the last line of the move.
    const CliRun beyond =
        RunWith({"goods", report, "--tribe", "Vikings", moveFile, "--line", "17"});
    EXPECT_EQ(beyond.code, ExitFailure);
    EXPECT_EQ(beyond.out, "");
    EXPECT_EQ(beyond.err, "The move has no line 17 (lines 0 to 16).\n");
}

// A mistyped tribe would check against nobody's goods; a report without a tribe table
// names no tribe, so there the work goes on.
TEST(CheckCommand, UnknownTribeEndsTheWork) {
    const CliRun unknown = RunWith({"check", report, "--tribe=vikings", moveFile});
    EXPECT_EQ(unknown.code, ExitFailure);
    EXPECT_EQ(unknown.out, "");
    EXPECT_EQ(unknown.err, "orvmove-cli check: --tribe: no tribe named \"vikings\" in the report "
                           "(--allow-unknown-tribe starts the goods from 0 gold and 0 wood)\n");
    const CliRun noTable =
        RunWith({"check", ORV_TEST_DATA_DIR "/no_general_report.txt", "--tribe", "Vikings", "-"},
                "BEGIN\nEND\n");
    EXPECT_EQ(noTable.code, ExitDone);
    EXPECT_EQ(noTable.err, "Section \"General Report\" not found!\nWarning: no tribe named "
                           "\"Vikings\" in the report; the goods start from 0 gold and 0 wood.\n");
}

// The report text itself is the check's; the command writes it with LF line ends.
TEST(CheckCommand, PrintsTheReportAndExitsWithOne) {
    const CliRun raw = RunWith({"check", report, "--tribe", "Vikings", "-", "--form", "raw"},
                               "BEGIN\r\nPLA 99 9 FO\r\nEND\r\n");
    EXPECT_EQ(raw.code, ExitCheckFoundErrors);
    EXPECT_EQ(raw.out, "Error in line 1 \"PLA 99 9 FO \":\n   Illegal province coordinates!\n");
}

// A correct move's line is shown among several moves (check formats test).
TEST(CheckCommand, EmptyMoveExitsWithZero) {
    const CliRun empty = RunWith({"check", report, "--tribe", "Vikings", "-"}, "BEGIN\nEND\n");
    EXPECT_EQ(empty.code, ExitDone);
    EXPECT_EQ(empty.out, "Nothing to check.\n");
}

TEST(CheckCommand, FailedReportLoadEndsTheWork) {
    const CliRun missing = RunWith({"check", "no-such-report.txt", "--tribe", "Vikings", moveFile});
    EXPECT_EQ(missing.code, ExitFailure);
    EXPECT_EQ(missing.out, "");
}

} // namespace
} // namespace orv::cli
