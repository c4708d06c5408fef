#include "cli_runner.h"
#include "core/cli/cli_app.h"
#include "orv_version.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace orv::cli {
namespace {

using testing::CliRun;
using testing::RunWith;

const std::string Example = ORV_EXAMPLES_DIR "/turn12.txt";
const std::string Move = ORV_EXAMPLES_DIR "/turn12.cmd";

TEST(ReportCommands, TribesListsEveryRowWithTabs) {
    const CliRun r = RunWith({"tribes", Example});
    EXPECT_EQ(r.code, ExitDone);
    EXPECT_EQ(r.err, "");
    // The rows themselves are the report reader's.
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 5);
    EXPECT_TRUE(r.out.starts_with("1\tBlack Company\t2150\t380\t940\n2\t"));
}

TEST(ReportCommands, OptionsAndMapEndEveryLineWithLf) {
    const CliRun options = RunWith({"options", Example});
    EXPECT_EQ(options.code, ExitDone);
    EXPECT_EQ(std::count(options.out.begin(), options.out.end(), '\n'), 14);
    EXPECT_EQ(options.out.find('\r'), std::string::npos);

    // The map text itself is the view's.
    const CliRun map = RunWith({"map", Example});
    EXPECT_EQ(map.code, ExitDone);
    EXPECT_TRUE(map.out.starts_with("            1          2") && map.out.ends_with("   \n"));
    EXPECT_EQ(map.out.find('\r'), std::string::npos);
}

TEST(ReportCommands, MissingReportEndsTheWork) {
    const CliRun r = RunWith({"tribes", "/nonexistent/turn1.txt"});
    EXPECT_EQ(r.code, ExitFailure);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "File /nonexistent/turn1.txt not found!\n");
}

TEST(ReportCommands, ReportWithoutTableWarnsAndGoesOn) {
    const CliRun r = RunWith({"options", ORV_TEST_DATA_DIR "/no_general_report.txt"});
    EXPECT_EQ(r.code, ExitDone);
    EXPECT_EQ(r.err, "Section \"General Report\" not found!\n");
    EXPECT_TRUE(r.out.starts_with("Ships can be bought with gold: YES\n"));
}

// Every command refuses arguments it cannot use before it reads any file. The error names
// the argument it is about (said, where a row gives it), before the usage of its command (of
// all of them when there is none).
TEST(Arguments, WrongArgumentsAreNamedBeforeTheUsage) {
    const std::pair<std::vector<std::string>, std::string> rows[] = {
        {{}, ""},
        {{"tribes"}, ""},
        {{"map", Example, "extra"}, " map: The following argument was not expected: extra"},
        {{"frobnicate", Example}, ": unknown command \"frobnicate\""},
        {{"--version", "x"}, ": --version takes no argument: \"x\""},
        {{"goods", Example, Move}, " goods: --tribe is required"},
        {{"goods", Example, "--tribe", "Vikings"}, ""},
        {{"goods", Example, "--tribe", "Vikings", Move, "--line", "x"}, ""},
        {{"goods", Example, "--tribe=Vikings", Move, "--line=-1"},
         " goods: --line: \"-1\" is no line number (0 for BEGIN, 1, 2, ...)"},
        {{"goods", Example, "--tribe", "Vikings", Move, "--form", "Raw"}, ""},
        {{"goods", Example, "--tribe", "Vikings", Move, Move}, ""},
        {{"check", Example, "--tribe", "Vikings", Move, "--line", "1"}, ""},
        {{"check", "--tribe", "Vikings", Move}, ""},
        {{"check", Example, "--tribe", "Vikings", Move, "--format", "xml"}, ""},
        {{"check", Example, "--tribe", "Vikings", Move, "--format=xml"},
         " check: --format: xml not in {text,gnu,json}"},
        {{"check", Example, "--tribe", "Vikings", "-", "-"},
         " check: MOVE: standard input \"-\" can be read only once"},
        {{"convert"}, ""},
        {{"convert", "--to"}, ""},
        {{"convert", "--to", "latin", "x"}, ""},
        {{"convert", "a", "b"}, ""},
    };
    for (const auto& [args, said] : rows) {
        const CliRun r = RunWith(args);
        EXPECT_EQ(r.code, ExitFailure) << ::testing::PrintToString(args);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("usage:"), std::string::npos);
        if (!said.empty()) {
            const std::string command = said.starts_with(" ") ? args.front() : "tribes";
            EXPECT_TRUE(r.err.starts_with("orvmove-cli" + said + "\nusage: orvmove-cli " + command +
                                          " REPORT"))
                << r.err;
        }
    }
    const CliRun help = RunWith({"--help"});
    EXPECT_EQ(help.code, ExitDone);
    EXPECT_TRUE(help.out.starts_with("usage: orvmove-cli tribes REPORT\n"));
    EXPECT_EQ(RunWith({"--version"}).out, "orvmove-cli " ORV_VERSION "\n");
}

// Every command has its own help, on standard output, wherever --help stands.
TEST(Arguments, EachCommandHasItsHelp) {
    for (const char* command : {"tribes", "options", "map", "convert", "goods", "check"}) {
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{command, "--help"}, {command, Example, "-h"}}) {
            const CliRun r = RunWith(args);
            EXPECT_EQ(r.code, ExitDone) << command;
            EXPECT_NE(r.out.find(std::string("Usage: orvmove-cli ") + command + " "),
                      std::string::npos)
                << r.out;
            EXPECT_EQ(r.err, "");
        }
    }
}

// A report saved from a mail reads as the report itself.
TEST(ReportCommands, MailReportReadsAsItsText) {
    EXPECT_EQ(RunWith({"tribes", ORV_TEST_DATA_DIR "/turn12-base64.eml"}).out,
              RunWith({"tribes", Example}).out);
}

} // namespace
} // namespace orv::cli
