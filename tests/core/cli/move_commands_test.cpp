#include "../report/temp_folder.h"
#include "cli_runner.h"
#include "core/cli/cli_app.h"

#include <gtest/gtest.h>

namespace orv::cli {
namespace {

using testing::CliRun;
using testing::RunWith;

using ConvertCommand = report::fixtures::TempFolder;

TEST_F(ConvertCommand, PrintsTheListInEitherForm) {
    const std::string path = Write("m.cmd", "BEGIN\r\nsea 20 5 sh at e\r\nEND\r\n");
    const CliRun natural = RunWith({"convert", path});
    EXPECT_EQ(natural.code, ExitDone);
    EXPECT_EQ(natural.out,
              "BEGIN\nMove through sea with all Ships from province 20 / 5 to east \nEND\n");
    EXPECT_EQ(natural.err, "");
    EXPECT_EQ(RunWith({"convert", "--to", "natural", path}).out, natural.out);

    const CliRun raw = RunWith({"convert", path, "--to", "raw"});
    EXPECT_EQ(raw.code, ExitDone);
    EXPECT_EQ(raw.out, "BEGIN\nSEA 20 5 SH AT E\nEND\n");
}

// Header lines, a missing BEGIN and the editor's messages are the move file's; the command
// reads standard input and ends with status 1 on a refused move.
TEST_F(ConvertCommand, StandardInputIsReadLikeTheClipboard) {
    EXPECT_EQ(RunWith({"convert", "--to", "raw", "-"}, "BEGIN\rraid 1 2 at n\r\nEND").out,
              "BEGIN\nRAID 1 2 AT N\nEND\n");
    // A last piece of one byte is read too: "x" is no order.
    EXPECT_EQ(RunWith({"convert", "-"}, "x").code, ExitFailure);
}

TEST_F(ConvertCommand, EditorMessagesEndTheWork) {
    const std::string move = Write("a.cmd", "LAND 1 2 AT N\r\n");
    const CliRun noBegin = RunWith({"convert", move});
    EXPECT_EQ(noBegin.code, ExitFailure);
    EXPECT_EQ(noBegin.out, "");
    EXPECT_EQ(noBegin.err, move + ": Error in file: no BEGIN found!\n");
}

} // namespace
} // namespace orv::cli
