#include "core/edit/list_editing.h"
#include "edit_fixtures.h"

#include <gtest/gtest.h>

namespace orv::edit {
namespace {

using testing::Lines;
using testing::Move;

struct Click {
    const char* name;
    Lines lines;
    Selection clicked;
    Selection selected;
};

class ClickTable : public ::testing::TestWithParam<Click> {};

TEST_P(ClickTable, MovesTheSelectionOffFrameAndBlock) {
    const Click& c = GetParam();
    EXPECT_EQ(SelectionAfterClick(Move(c.lines), c.clicked), c.selected);
}

const Lines Full{"BEGIN", "A", "B", "C", "END", "Send message(s):", "M1", "M2"};

INSTANTIATE_TEST_SUITE_P(
    Rule, ClickTable,
    ::testing::Values(Click{"BeginSelectsFirstOrder", Full, 0, 1},
                      Click{"EndSelectsLastOrder", Full, 4, 3}, Click{"OrderStays", Full, 2, 2},
                      Click{"BlockHeadingStays", Full, 5, 5},
                      Click{"ThirdMessageLineSelectsBlock", Full, 7, 5},
                      Click{"NothingClicked", Full, std::nullopt, std::nullopt},
                      Click{"EmptyMoveKeepsNoSelection", {"BEGIN", "END"}, 1, std::nullopt},
                      Click{"BlockOnlyEndStepsOnceToBegin", {"BEGIN", "END", "M"}, 1, 0},
                      Click{"BlockOnlyBeginStepsOnceToEnd", {"BEGIN", "END", "M"}, 0, 1},
                      Click{"BeginAsLastLineStaysInTheList", {"BEGIN", "END", "x", "BEGIN"}, 3, 3},
                      Click{"ClickPastTheList", Full, 8, std::nullopt}),
    [](const ::testing::TestParamInfo<Click>& info) { return info.param.name; });

enum class Action { Up, Down, Delete };

struct Edit {
    const char* name;
    Action action;
    Lines lines;
    Selection selected;
    Lines after;         // the lines afterwards; the same lines when empty
    Selection selection; // the selection afterwards
    const char* message = nullptr;
};

class EditTable : public ::testing::TestWithParam<Edit> {};

TEST_P(EditTable, MovesOrDeletesAndSelects) {
    const Edit& e = GetParam();
    auto move = Move(e.lines);
    Selection selected = e.selected;
    ListEditOutcome outcome;
    switch (e.action) {
    case Action::Up:
        outcome = MoveOrderUp(move, selected);
        break;
    case Action::Down:
        outcome = MoveOrderDown(move, selected);
        break;
    case Action::Delete:
        outcome = DeleteCommand(move, selected);
        break;
    }
    const bool unchanged = e.after.empty();
    EXPECT_EQ(move.lines, unchanged ? e.lines : e.after);
    EXPECT_EQ(selected, e.selection);
    EXPECT_EQ(outcome.changed, !unchanged);
    EXPECT_EQ(outcome.updateGoods, !unchanged);
    if (e.message) {
        ASSERT_TRUE(outcome.message);
        EXPECT_EQ(outcome.message->kind, move::MessageKind::Error);
        EXPECT_EQ(outcome.message->text, e.message);
    } else {
        EXPECT_EQ(outcome.message, std::nullopt);
    }
}

const Lines Three{"BEGIN", "A", "B", "C", "END", "M"};
const Lines Natural{"BEGIN", "A", "B", "END", "Send message(s):", "M1", "M2"};
const char* const NoLine = "You have to select a line in the 'Your Move' section first!";
const char* const BlockFixed = "You can't change the position of the \"Send message(s)\" command!";

INSTANTIATE_TEST_SUITE_P(
    UpAndDown, EditTable,
    ::testing::Values(
        Edit{"UpFirstWrapsAboveEnd", Action::Up, Three, 1, {"BEGIN", "B", "C", "A", "END", "M"}, 3},
        Edit{"UpSecond", Action::Up, Three, 2, {"BEGIN", "B", "A", "C", "END", "M"}, 1},
        Edit{"DownSecond", Action::Down, Three, 2, {"BEGIN", "A", "C", "B", "END", "M"}, 3},
        Edit{"DownLastWrapsBelowBegin",
             Action::Down,
             Three,
             3,
             {"BEGIN", "C", "A", "B", "END", "M"},
             1},
        Edit{"UpOnlyOrderStays", Action::Up, {"BEGIN", "A", "END"}, 1, {"BEGIN", "A", "END"}, 1},
        Edit{"UpWithoutSelection", Action::Up, Three, std::nullopt, {}, std::nullopt, NoLine},
        Edit{"DownWithoutSelection", Action::Down, Three, std::nullopt, {}, std::nullopt, NoLine},
        Edit{"UpMessageBlock", Action::Up, Three, 5, {}, 5, BlockFixed},
        Edit{"DownMessageBlock", Action::Down, Natural, 4, {}, 4, BlockFixed},
        Edit{"DownBeginKeepsFrame", Action::Down, Three, 0, {}, 0},
        Edit{"UpEndKeepsFrame", Action::Up, Three, 4, {}, 4}),
    [](const ::testing::TestParamInfo<Edit>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Delete, EditTable,
    ::testing::Values(
        Edit{"MiddleOrderSelectsTheNext",
             Action::Delete,
             Three,
             2,
             {"BEGIN", "A", "C", "END", "M"},
             2},
        Edit{"LastOrderSelectsNewLast",
             Action::Delete,
             Three,
             3,
             {"BEGIN", "A", "B", "END", "M"},
             2},
        Edit{"OnlyOrderLeavesNoSelection",
             Action::Delete,
             {"BEGIN", "A", "END"},
             1,
             {"BEGIN", "END"},
             std::nullopt},
        Edit{"MessageBlockWhole", Action::Delete, Natural, 4, {"BEGIN", "A", "B", "END"}, 2},
        Edit{"RawMessageBlock", Action::Delete, Three, 5, {"BEGIN", "A", "B", "C", "END"}, 3},
        Edit{"BlockWithoutOrders",
             Action::Delete,
             {"BEGIN", "END", "Send message(s):", "M"},
             2,
             {"BEGIN", "END"},
             std::nullopt},
        Edit{"WithoutSelection", Action::Delete, Three, std::nullopt, {}, std::nullopt, NoLine},
        Edit{"BeginSurvives", Action::Delete, Three, 0, {}, 0},
        Edit{"EndSurvives", Action::Delete, Three, 4, {}, 4},
        Edit{"SelectionPastTheList", Action::Delete, Three, 9, {}, 9, NoLine}),
    [](const ::testing::TestParamInfo<Edit>& info) { return info.param.name; });

} // namespace
} // namespace orv::edit
