#include "core/move/move_list.h"
#include "move_builder.h"

#include <gtest/gtest.h>

namespace orv::move {
namespace {

using Lines = std::vector<std::string>;

using testing::RawMove;

TEST(MoveList, RebuildAddsTheMessageHeadingOnlyBeforeMessages) {
    MoveList move = RawMove({"BEGIN", "PLA 13 7 CA", "END", "Greetings", "LAND 1 1 AT N"});
    EXPECT_EQ(move.Rebuild(DisplayForm::Natural), "");
    EXPECT_EQ(move.lines, (Lines{"BEGIN", "Place one Castle into province 13 / 7", "END",
                                 "Send message(s):", "Greetings", "LAND 1 1 AT N"}));
    EXPECT_EQ(move.Rebuild(DisplayForm::Raw), "");
    EXPECT_EQ(move.lines, (Lines{"BEGIN", "PLA 13 7 CA ", "END", "Greetings", "LAND 1 1 AT N"}));

    MoveList bare = RawMove({"begin", "ALL 3 2", "END"});
    EXPECT_EQ(bare.Rebuild(DisplayForm::Natural), "");
    EXPECT_EQ(bare.lines, (Lines{"BEGIN", "Alter alliance status to player 3 to 2", "END"}));
}

TEST(MoveList, UnrecognizedLineMakesANewUnnamedMove) {
    MoveList move = RawMove({"BEGIN", "ALL 3 2", "hello world", "END"});
    move.fileName = "/games/turn12.cmd";
    move.folder = "/games";
    EXPECT_EQ(move.Rebuild(DisplayForm::Natural),
              "Error in file: unrecognized command in line\r\nhello world");
    EXPECT_EQ(move.lines, (Lines{"BEGIN", "END"}));
    EXPECT_EQ(move.fileName, "");
    EXPECT_EQ(move.LabelText(), "Your Move:");
    EXPECT_EQ(move.folder, "/games");
}

// A rebuild into the form the list is already in would drop the first message line.
TEST(MoveList, SwitchToTheSameFormChangesNothing) {
    MoveList move = RawMove({"BEGIN", "ALL 3 2", "END", "first message", "second"});
    const Lines before = move.lines;
    EXPECT_EQ(move.SwitchDisplay(DisplayForm::Raw), "");
    EXPECT_EQ(move.lines, before);
    EXPECT_EQ(move.SwitchDisplay(DisplayForm::Natural), "");
    EXPECT_EQ(move.SwitchDisplay(DisplayForm::Natural), "");
    EXPECT_EQ(move.SwitchDisplay(DisplayForm::Raw), "");
    EXPECT_EQ(move.lines, before);
}

TEST(MoveList, EndLineIndexFindsTheLastExactEndAboveTheFirstLine) {
    struct Case {
        const char* name;
        Lines lines;
        std::size_t want;
    };
    const Case cases[] = {
        {"frame", {"BEGIN", "END"}, 1},
        {"last of two", {"BEGIN", "END", "text", "END", "more"}, 3},
        {"first line not searched", {"END", "x"}, 0},
        {"case and blanks matter", {"BEGIN", "end", "END "}, 0},
        {"empty list", {}, 0},
    };
    for (const Case& c : cases) {
        MoveList move;
        move.lines = c.lines;
        EXPECT_EQ(move.EndLineIndex(), c.want) << c.name;
    }
}

TEST(MoveList, LabelShowsTheFileNameWithoutFolder) {
    MoveList move;
    move.fileName = "/home/me/moves/turn12.cmd";
    EXPECT_EQ(move.LabelText(), "Your Move (turn12.cmd):");
    move.fileName = "C:\\games\\turn 13.mov";
    EXPECT_EQ(move.LabelText(), "Your Move (turn 13.mov):");
    EXPECT_EQ(FolderOf("C:\\games\\turn 13.mov"), "C:\\games");
    EXPECT_EQ(FolderOf("/turn.cmd"), "/");
    EXPECT_EQ(FolderOf("turn.cmd"), "");
}

} // namespace
} // namespace orv::move
