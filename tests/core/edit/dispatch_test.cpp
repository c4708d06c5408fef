#include "core/edit/compose.h"
#include "core/edit/dispatch.h"
#include "edit_fixtures.h"

#include <gtest/gtest.h>

namespace orv::edit {
namespace {

using move::CommandKind;
using move::DisplayForm;
using move::MessageKind;
using testing::King;
using testing::Lines;
using testing::Move;

constexpr int NaturalChangeTerrain = 2;
constexpr int RawChangeTerrain = 1;
constexpr int NaturalMoveThroughLand = 5;
constexpr int NaturalSendMessages = 11;

DialogDecision NewOrder(CommandsListState commands, const Lines& lines = {"BEGIN", "END"},
                        bool buildOrderActive = true) {
    return DecideCommandDialog(true, commands, buildOrderActive, Move(lines), std::nullopt);
}

DialogDecision Edit(const Lines& lines, Selection selected,
                    CommandsListState commands = {DisplayForm::Natural, std::nullopt},
                    bool buildOrderActive = true) {
    return DecideCommandDialog(false, commands, buildOrderActive, Move(lines), selected);
}

UserMessage Error(const char* text) {
    return {MessageKind::Error, text};
}

TEST(NewOrder, NeedsASelectedCommand) {
    EXPECT_EQ(NewOrder({DisplayForm::Natural, std::nullopt}).message,
              Error("Please select a command from the 'Commands'-list first"));
    EXPECT_EQ(NewOrder({DisplayForm::Raw, 12}).message,
              Error("Please select a command from the 'Commands'-list first"));
}

TEST(NewOrder, RefusesTerrainChangeWhileTheGameForbidsIt) {
    const UserMessage refused = Error("Global GM option disallow the use of the BUILD command!");
    for (CommandsListState commands :
         {CommandsListState{DisplayForm::Natural, NaturalChangeTerrain},
          CommandsListState{DisplayForm::Raw, RawChangeTerrain}}) {
        const DialogDecision decision = NewOrder(commands, {"BEGIN", "END"}, false);
        EXPECT_EQ(decision.message, refused);
        EXPECT_EQ(decision.dialog, std::nullopt);
    }
    EXPECT_EQ(NewOrder({DisplayForm::Raw, RawChangeTerrain}).dialog,
              (DialogRequest{CommandKind::ChangeTerrainType, DisplayForm::Raw, {}}));
}

TEST(NewOrder, AllowsOneMessageBlock) {
    const CommandsListState messages{DisplayForm::Natural, NaturalSendMessages};
    const DialogDecision second = NewOrder(messages, {"BEGIN", "END", "Send message(s):", "Hi"});
    EXPECT_EQ(second.message,
              Error("There exists a \"Send message(s)\" command already.\r\n"
                    "Only one \"Send message(s)\" command is allowed in a move.\r\n"
                    "Select the \"Send message(s)\" command in the move and press\r\n"
                    "the \"Edit command\" button to add a message."));
    EXPECT_EQ(second.dialog, std::nullopt);

    const DialogDecision first = NewOrder(messages, {"BEGIN", "A", "END"});
    EXPECT_EQ(first.message, std::nullopt);
    EXPECT_EQ(first.dialog, (DialogRequest{CommandKind::SendMessages, DisplayForm::Natural, {}}));
}

TEST(EditOrder, NeedsASelectedLine) {
    EXPECT_EQ(Edit({"BEGIN", "A", "END"}, std::nullopt).message,
              Error("Please select a command in the 'Your Move'-section first"));
}

TEST(EditOrder, WarnsAboutAForbiddenTerrainChangeAndGoesOn) {
    const DialogDecision decision = Edit({"BEGIN", "Name king Bob", "END"}, 1,
                                         {DisplayForm::Natural, NaturalChangeTerrain}, false);
    EXPECT_EQ(decision.message,
              (UserMessage{MessageKind::Warning,
                           "Global GM option disallow the use of the BUILD command!"}));
    EXPECT_EQ(decision.dialog,
              (DialogRequest{CommandKind::NameKing, DisplayForm::Natural, King("Bob")}));
}

TEST(EditOrder, OpensTheMessageBlockAsOneText) {
    const Lines lines{"BEGIN", "END", "Send message(s):", "Hello", "", "Bye"};
    const DialogDecision decision = Edit(lines, 2, {DisplayForm::Raw, std::nullopt});
    EXPECT_EQ(decision.message, std::nullopt);
    EXPECT_EQ(decision.dialog, (DialogRequest{CommandKind::SendMessages, DisplayForm::Raw,
                                              MessageFields{"Hello\r\n\r\nBye\r\n"}}));
}

TEST(EditOrder, LineWithoutOrderOpensNothing) {
    EXPECT_EQ(Edit({"BEGIN", "END"}, 0), DialogDecision{});
    EXPECT_EQ(Edit({"BEGIN", "hello", "END"}, 1), DialogDecision{});
}

// The road of one order: chosen in the commands list, composed below the current line,
// switched to raw form, then opened again for editing with its fields in either form.
TEST(OrderRoad, NewLandMovementIsShownInBothFormsAndEditedWithItsFields) {
    move::MoveList move;
    Selection selected;
    const CommandsListState commands{DisplayForm::Natural, NaturalMoveThroughLand};

    const DialogDecision opened = DecideCommandDialog(true, commands, true, move, selected);
    ASSERT_TRUE(opened.dialog);
    EXPECT_EQ(move::InfoOf(opened.dialog->kind).dialog, move::CommandDialog::Movement);

    const OrderFields entered =
        testing::Movement("3", "4", "Outflank", {{"5", "Foot soldier"}, {"3", "Bowman"}}, "N E");
    ComposeOrderLine(move, selected, InsertMode::Below, opened.dialog->kind, entered);
    EXPECT_EQ(selected, 1U);

    move.form = DisplayForm::Raw;
    EXPECT_EQ(move.Lines(), (Lines{"BEGIN", "LAND 3 4 U FO 5 BO 3 N E", "END"}));

    for (DisplayForm form : {DisplayForm::Raw, DisplayForm::Natural}) {
        move.form = form;
        const DialogDecision edit = DecideCommandDialog(false, commands, true, move, selected);
        EXPECT_EQ(edit.message, std::nullopt);
        EXPECT_EQ(edit.dialog,
                  (DialogRequest{CommandKind::MoveThroughLand, DisplayForm::Natural, entered}));
    }
}

} // namespace
} // namespace orv::edit
