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
                      Click{"BeginAsLastLineStaysInTheList", {"BEGIN", "END", "x", "BEGIN"}, 4, 4},
                      Click{"ClickPastTheList", Full, 8, std::nullopt}),
    [](const ::testing::TestParamInfo<Click>& info) { return info.param.name; });

enum class Action { Up, Down, Delete };

struct Edit {
    const char* name;
    Action action;
    const char* lines;
    Selection selected;
    const char* after;   // the lines afterwards; nullptr when unchanged
    Selection selection; // the selection afterwards
    const char* message = nullptr;
};

class EditTable : public ::testing::TestWithParam<Edit> {};

TEST_P(EditTable, MovesOrDeletesAndSelects) {
    const Edit& e = GetParam();
    const std::string lines = e.lines;
    auto move = Move(testing::Split(lines), lines.find("Send message(s):") == std::string::npos
                                                ? move::DisplayForm::Raw
                                                : move::DisplayForm::Natural);
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
    EXPECT_EQ(move.Lines(), testing::Split(e.after ? e.after : e.lines));
    if (outcome.undo) {
        move::Apply(move, *outcome.undo);
        EXPECT_EQ(move.Lines(), testing::Split(e.lines)) << "undone";
    }
    EXPECT_EQ(selected, e.selection);
    EXPECT_EQ(outcome.Changed(), e.after != nullptr);
    EXPECT_EQ(outcome.updateGoods, e.after != nullptr);
    if (e.message) {
        ASSERT_TRUE(outcome.message);
        EXPECT_EQ(outcome.message->kind, move::MessageKind::Error);
        EXPECT_EQ(outcome.message->text, e.message);
    } else {
        EXPECT_EQ(outcome.message, std::nullopt);
    }
}

const char* const Three = "BEGIN|A|B|C|END|M";
const char* const Natural = "BEGIN|A|B|END|Send message(s):|M1|M2";
const char* const NoLine = "You have to select a line in the 'Your Move' section first!";
const char* const BlockFixed = "You can't change the position of the \"Send message(s)\" command!";
constexpr std::nullopt_t None = std::nullopt;
using enum Action;

INSTANTIATE_TEST_SUITE_P(
    UpAndDown, EditTable,
    ::testing::Values(Edit{"UpFirstWrapsAboveEnd", Up, Three, 1, "BEGIN|B|C|A|END|M", 3},
                      Edit{"UpSecond", Up, Three, 2, "BEGIN|B|A|C|END|M", 1},
                      Edit{"DownSecond", Down, Three, 2, "BEGIN|A|C|B|END|M", 3},
                      Edit{"DownLastWrapsBelowBegin", Down, Three, 3, "BEGIN|C|A|B|END|M", 1},
                      Edit{"UpOnlyOrderStays", Up, "BEGIN|A|END", 1, "BEGIN|A|END", 1},
                      Edit{"UpWithoutSelection", Up, Three, None, nullptr, None, NoLine},
                      Edit{"DownWithoutSelection", Down, Three, None, nullptr, None, NoLine},
                      Edit{"UpMessageBlock", Up, Three, 5, nullptr, 5, BlockFixed},
                      Edit{"DownMessageBlock", Down, Natural, 4, nullptr, 4, BlockFixed},
                      Edit{"DownBeginKeepsFrame", Down, Three, 0, nullptr, 0},
                      Edit{"UpEndKeepsFrame", Up, Three, 4, nullptr, 4}),
    [](const ::testing::TestParamInfo<Edit>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Delete, EditTable,
    ::testing::Values(
        Edit{"MiddleOrderSelectsTheNext", Delete, Three, 2, "BEGIN|A|C|END|M", 2},
        Edit{"LastOrderSelectsNewLast", Delete, Three, 3, "BEGIN|A|B|END|M", 2},
        Edit{"OnlyOrderLeavesNoSelection", Delete, "BEGIN|A|END", 1, "BEGIN|END", None},
        Edit{"MessageBlockWhole", Delete, Natural, 4, "BEGIN|A|B|END", 2},
        Edit{"RawMessageBlock", Delete, Three, 5, "BEGIN|A|B|C|END", 3},
        Edit{"BlockWithoutOrders", Delete, "BEGIN|END|Send message(s):|M", 2, "BEGIN|END", None},
        Edit{"WithoutSelection", Delete, Three, None, nullptr, None, NoLine},
        Edit{"BeginSurvives", Delete, Three, 0, nullptr, 0},
        Edit{"EndSurvives", Delete, Three, 4, nullptr, 4},
        Edit{"SelectionPastTheList", Delete, Three, 9, nullptr, 9, NoLine}),
    [](const ::testing::TestParamInfo<Edit>& info) { return info.param.name; });

} // namespace
} // namespace orv::edit
