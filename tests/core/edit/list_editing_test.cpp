#include "core/edit/list_editing.h"
#include "edit_fixtures.h"

#include <gtest/gtest.h>

namespace orv::edit {
namespace {

using testing::Split;

// A click on BEGIN or END selects the order next to it, a click into the message block its
// heading; a click past the list or on an empty move selects nothing.
TEST(SelectionAfterClick, MovesTheSelectionOffFrameAndBlock) {
    const char* const full = "BEGIN|A|B|C|END|Send message(s):|M1|M2";
    const struct {
        const char* lines;
        Selection clicked;
        Selection selected;
    } cases[] = {
        {full, 0, 1},
        {full, 4, 3},
        {full, 5, 5},
        {full, 7, 5},
        {full, std::nullopt, std::nullopt},
        {full, 8, std::nullopt},
        {"BEGIN|END", 1, std::nullopt},
        {"BEGIN|END|M", 1, 0},
        {"BEGIN|END|x|BEGIN", 4, 2}, // a message that reads BEGIN is a message
        {"BEGIN|BEGIN|END", 1, 1},   // an order that reads BEGIN is an order
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SelectionAfterClick(testing::Move(Split(c.lines)), c.clicked), c.selected)
            << c.lines << " " << c.clicked.value_or(99);
    }
}

enum class Action { Up, Down, Delete };
using enum Action;

// "-", "+" and "Delete": the orders wrap round between BEGIN and END, the frame stays, the
// message block moves never and is deleted whole; every change is undone by its undo edit.
TEST(ListEditing, MovesOrDeletesAndSelects) {
    const char* const three = "BEGIN|A|B|C|END|M";
    const char* const natural = "BEGIN|A|B|END|Send message(s):|M1|M2";
    const char* const noLine = "You have to select a line in the 'Your Move' section first!";
    const char* const blockFixed =
        "You can't change the position of the \"Send message(s)\" command!";
    constexpr std::nullopt_t none = std::nullopt;
    const struct {
        Action action;
        const char* lines;
        Selection selected;
        const char* after;   // the lines afterwards; nullptr when unchanged
        Selection selection; // the selection afterwards
        const char* message = nullptr;
    } cases[] = {
        {Up, three, 1, "BEGIN|B|C|A|END|M", 3},
        {Up, three, 2, "BEGIN|B|A|C|END|M", 1},
        {Down, three, 2, "BEGIN|A|C|B|END|M", 3},
        {Down, three, 3, "BEGIN|C|A|B|END|M", 1},
        {Up, three, none, nullptr, none, noLine},
        {Down, three, 6, nullptr, 6, noLine},
        {Up, three, 5, nullptr, 5, blockFixed},
        {Down, three, 0, nullptr, 0},
        {Up, three, 4, nullptr, 4},
        {Delete, three, 2, "BEGIN|A|C|END|M", 2},
        {Delete, three, 3, "BEGIN|A|B|END|M", 2},
        {Delete, "BEGIN|A|END", 1, "BEGIN|END", none},
        {Delete, "BEGIN|BEGIN|A|END", 1, "BEGIN|A|END", 1},
        {Delete, natural, 4, "BEGIN|A|B|END", 2},
        {Delete, three, 5, "BEGIN|A|B|C|END", 3},
        {Delete, natural, 6, "BEGIN|A|B|END|Send message(s):|M1", 5},
        {Delete, three, 4, nullptr, 4},
        {Delete, three, 6, nullptr, 6, noLine},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("row " + std::to_string(&c - cases));
        const std::string lines = c.lines;
        auto move = testing::Move(Split(lines), lines.find("Send message(s):") == std::string::npos
                                                    ? move::DisplayForm::Raw
                                                    : move::DisplayForm::Natural);
        Selection selected = c.selected;
        const ListEditOutcome outcome = c.action == Up     ? MoveOrderUp(move, selected)
                                        : c.action == Down ? MoveOrderDown(move, selected)
                                                           : DeleteCommand(move, selected);
        EXPECT_EQ(move.Lines(), Split(c.after ? c.after : c.lines));
        EXPECT_EQ(selected, c.selection);
        EXPECT_EQ(outcome.Changed(), c.after != nullptr);
        EXPECT_EQ(outcome.message,
                  c.message ? std::optional(UserMessage{move::MessageKind::Error, c.message})
                            : std::nullopt);
        if (outcome.undo) {
            move::Apply(move, *outcome.undo);
            EXPECT_EQ(move.Lines(), Split(c.lines)) << "undone";
        }
    }
}

} // namespace
} // namespace orv::edit
