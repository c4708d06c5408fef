#include "core/move/move_list.h"
#include "move_builder.h"

#include <gtest/gtest.h>

namespace orv::move {
namespace {

using Lines = std::vector<std::string>;

using testing::RawMove;

TEST(MoveList, ShowsEachFormWithTheHeadingOnlyBeforeNaturalMessages) {
    MoveList move = RawMove({"BEGIN", "PLA 13 7 CA", "END", "Greetings", "LAND 1 1 AT N"});
    EXPECT_EQ(move.Lines(), (Lines{"BEGIN", "PLA 13 7 CA", "END", "Greetings", "LAND 1 1 AT N"}));
    EXPECT_EQ(move.RawLine(3), "Greetings");
    move.form = DisplayForm::Natural;
    EXPECT_EQ(move.Lines(), (Lines{"BEGIN", "Place one Castle into province 13 / 7", "END",
                                   "Send message(s):", "Greetings", "LAND 1 1 AT N"}));
    EXPECT_EQ(move.RawLine(1), "PLA 13 7 CA");
    EXPECT_EQ(move.RawLine(3), "");
    EXPECT_EQ(move.RawLine(4), "Greetings");
    EXPECT_EQ(move.MessageIndex(3), 0U);
    EXPECT_EQ(move.MessageIndex(5), 1U);
    EXPECT_EQ(move.Line(6), "");
}

// Moving, taking, replacing and inserting orders are checked through the edits that use
// them (move_edit_test, list_editing_test); a new move is the bare frame.
TEST(MoveList, NewMoveIsTheBareFrame) {
    MoveList move = RawMove({"BEGIN", "ALL 3 2", "END", "hi"});
    move.NewMove();
    EXPECT_EQ(move.Lines(), (Lines{"BEGIN", "END"}));
}

TEST(MoveList, LabelShowsTheFileNameWithoutFolder) {
    MoveList move;
    EXPECT_EQ(move.LabelText().Bytes(), "Your Move:");
    move.fileName = "/home/me/moves/turn12.cmd";
    EXPECT_EQ(move.LabelText().Bytes(), "Your Move (turn12.cmd):");
    move.fileName = "C:\\games\\turn 13.mov";
    EXPECT_EQ(move.LabelText().Bytes(), "Your Move (turn 13.mov):");
    EXPECT_EQ(FolderOf("C:\\games\\turn 13.mov"), "C:\\games");
    EXPECT_EQ(FolderOf("/turn.cmd"), "/");
    EXPECT_EQ(FolderOf("turn.cmd"), "");
}

} // namespace
} // namespace orv::move
