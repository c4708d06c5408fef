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
        const char* name;
        std::vector<std::string> extra;
        const char* out;
    };
    // Vikings start with 2400 gold and 520 wood; line 1 buys a foot soldier, a ship and a
    // castle.
    for (const Row& row :
         {Row{"LastLine", {}, "2382 510\n"}, Row{"Begin", {"--line", "0"}, "2400 520\n"},
          Row{"FirstOrder", {"--line", "1", "--form", "raw"}, "2382 510\n"},
          Row{"NaturalForm", {"--form", "natural", "--line", "3"}, "2382 510\n"}}) {
        std::vector<std::string> args{"goods", report, "--tribe", "Vikings", moveFile};
        args.insert(args.end(), row.extra.begin(), row.extra.end());
        const CliRun run = RunWith(args);
        EXPECT_EQ(run.code, ExitDone) << row.name;
        EXPECT_EQ(run.out, row.out) << row.name;
        EXPECT_EQ(run.err, "") << row.name;
    }
}

TEST(GoodsCommand, UnknownTribeWarnsAndStartsFromNothing) {
    const CliRun run = RunWith({"goods", report, "--tribe", "vikings", moveFile});
    EXPECT_EQ(run.code, ExitDone);
    EXPECT_EQ(run.out, "-18 -10\n");
    EXPECT_NE(run.err.find("vikings"), std::string::npos);
}

TEST(GoodsCommand, ReadsTheMoveFromStandardInput) {
    const CliRun run = RunWith({"goods", report, "--tribe", "Picts", "-", "--line", "2"},
                               "BEGIN\r\nPLA 5 1 HO\r\nPLA 5 2 SH 6 2 BO\r\nEND\r\n");
    EXPECT_EQ(run.code, ExitDone);
    EXPECT_EQ(run.out, "972 250\n");
}

TEST(GoodsCommand, RefusesWrongArguments) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"goods", report, moveFile},
             {"goods", report, "--tribe", "Vikings"},
             {"goods", report, "--tribe", "Vikings", moveFile, "--line", "x"},
             {"goods", report, "--tribe", "Vikings", moveFile, "--form", "Raw"},
             {"check", report, "--tribe", "Vikings", moveFile, "--line", "1"},
             {"check", "--tribe", "Vikings", moveFile}}) {
        const CliRun run = RunWith(args);
        EXPECT_EQ(run.code, ExitFailure) << args.back();
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("usage:"), std::string::npos);
    }
    const CliRun beyond =
        RunWith({"goods", report, "--tribe", "Vikings", moveFile, "--line", "99"});
    EXPECT_EQ(beyond.code, ExitFailure);
    EXPECT_EQ(beyond.out, "");
}

TEST(CheckCommand, PrintsTheReportAndExitsWithOne) {
    const std::string move = "BEGIN\r\nLAND 3 4 FO 2 BO 1 E E\r\nEND\r\n";
    const std::string entries = "   Not enough bowmen in province!\n"
                                "Error in line 1 ";
    const CliRun natural = RunWith({"check", report, "--tribe", "Vikings", "-"}, move);
    EXPECT_EQ(natural.code, ExitCheckFoundErrors);
    EXPECT_EQ(natural.out, "Error in line 1 \"Move through land with 2 Foot soldiers and 1 Bowman "
                           "from province 3 / 4 ...\":\n" +
                               entries +
                               "\"Move through land with 2 Foot soldiers and 1 Bowman from "
                               "province 3 / 4 ...\":\n   Move points exceeded!\n");
    const CliRun raw = RunWith({"check", report, "--tribe", "Vikings", "-", "--form", "raw"}, move);
    EXPECT_EQ(raw.code, ExitCheckFoundErrors);
    EXPECT_EQ(raw.out, "Error in line 1 \"LAND 3 4 FO 2 BO 1 E E\":\n" + entries +
                           "\"LAND 3 4 FO 2 BO 1 E E\":\n   Move points exceeded!\n");
}

TEST(CheckCommand, CorrectAndEmptyMovesExitWithZero) {
    struct Row {
        const char* move;
        const char* out;
    };
    const CliRun example = RunWith({"check", report, "--tribe", "Vikings", moveFile});
    EXPECT_EQ(example.code, ExitDone);
    EXPECT_EQ(example.out, "Move seems to be correct.\n");
    for (const Row& row : {Row{"BEGIN\nDEF 3 3 F\nEND\n", "Move seems to be correct.\n"},
                           Row{"BEGIN\nEND\nhello\n", "Move seems to be correct.\n"},
                           Row{"BEGIN\nEND\n", "Nothing to check.\n"}}) {
        const CliRun run = RunWith({"check", report, "--tribe", "Vikings", "-"}, row.move);
        EXPECT_EQ(run.code, ExitDone) << row.move;
        EXPECT_EQ(run.out, row.out) << row.move;
    }
}

TEST(CheckCommand, FailedLoadsEndTheWork) {
    const CliRun missing = RunWith({"check", "no-such-report.txt", "--tribe", "Vikings", moveFile});
    EXPECT_EQ(missing.code, ExitFailure);
    EXPECT_EQ(missing.err, "File no-such-report.txt not found!\n");
    const CliRun unknown =
        RunWith({"check", report, "--tribe", "Vikings", "-"}, "BEGIN\r\nhello world\r\nEND\r\n");
    EXPECT_EQ(unknown.code, ExitFailure);
    EXPECT_EQ(unknown.err, "Error in file: unrecognized command in line\nhello world\n");
    EXPECT_EQ(unknown.out, "");
}

} // namespace
} // namespace orv::cli
