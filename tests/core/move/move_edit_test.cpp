#include "core/move/move_edit.h"
#include "move_builder.h"

#include <gtest/gtest.h>

namespace orv::move {
namespace {

// Every edit, applied and then taken back by the edit it returns, leaves the move as it was;
// applying the returned edit once more does the edit again. A whole move brings its lines
// and file name; the display form and folder stay.
TEST(MoveEdit, EveryEditUndoesAndRedoes) {
    MoveList other = testing::RawMove({"BEGIN", "ESP 9 9", "END", "bye"});
    other.fileName = "/theirs/other.cmd";
    other.folder = "/theirs";
    const MoveEdit edits[] = {
        MoveEdit::Insert(2, OrderFromRaw("BUILD 4 4")),   MoveEdit::Remove(1),
        MoveEdit::Replace(2, OrderFromRaw("CEDE 1 1 2")), MoveEdit::Move(1, 2),
        MoveEdit::Messages({"one", "", "two"}),           MoveEdit::WholeMove(other),
    };
    for (const MoveEdit& edit : edits) {
        MoveList move = testing::RawMove({"BEGIN", "ALL 3 2", "PLA 1 1 FO", "END", "hi"});
        move.fileName = "/moves/turn12.cmd";
        move.folder = "/moves";
        move.form = DisplayForm::Natural;
        const MoveList before = move;
        const MoveEdit undo = Apply(move, edit);
        const MoveList done = move;
        EXPECT_NE(done, before) << static_cast<int>(edit.kind);
        EXPECT_EQ(done.form, DisplayForm::Natural);
        EXPECT_EQ(done.folder, "/moves");
        EXPECT_EQ(done.fileName, &edit == &edits[5] ? other.fileName : before.fileName);
        const MoveEdit redo = Apply(move, undo);
        EXPECT_EQ(move, before) << static_cast<int>(edit.kind);
        Apply(move, redo);
        EXPECT_EQ(move, done) << static_cast<int>(edit.kind);
    }
}

} // namespace
} // namespace orv::move
