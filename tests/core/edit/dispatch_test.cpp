#include "core/edit/dispatch.h"
#include "edit_fixtures.h"

#include <gtest/gtest.h>

namespace orv::edit {
namespace {

using move::CommandKind;
using move::DisplayForm;
using move::MessageKind;
using testing::King;

constexpr DisplayForm Raw = DisplayForm::Raw;
constexpr DisplayForm Natural = DisplayForm::Natural;
// Places in the commands list: Change Terrain Type is 1 in raw and 2 in natural form.
constexpr int RawChangeTerrain = 1;
constexpr int NaturalChangeTerrain = 2;
constexpr int NaturalSendMessages = 11;
constexpr const char* BuildForbidden = "Global GM option disallow the use of the BUILD command!";

DialogDecision New(CommandsListState commands, const char* lines = "BEGIN|END",
                   bool buildOrderActive = true) {
    return DecideCommandDialog(true, commands, buildOrderActive,
                               testing::Move(testing::Split(lines)), std::nullopt);
}

DialogDecision Edit(const char* lines, Selection selected,
                    CommandsListState commands = {Natural, std::nullopt},
                    bool buildOrderActive = true) {
    return DecideCommandDialog(false, commands, buildOrderActive,
                               testing::Move(testing::Split(lines)), selected);
}

DialogDecision Say(MessageKind kind, const char* text) {
    return {UserMessage{kind, text}, std::nullopt, std::nullopt};
}

DialogDecision Open(CommandKind kind, DisplayForm form, OrderFields fields = {}) {
    return {std::nullopt, DialogRequest{kind, form, std::move(fields)}, std::nullopt};
}

TEST(DecideCommandDialog, NewOrderNeedsACommandTheGameAllows) {
    const DialogDecision selectFirst =
        Say(MessageKind::Error, "Please select a command from the 'Commands'-list first");
    EXPECT_EQ(New({Natural, std::nullopt}), selectFirst);
    EXPECT_EQ(New({Raw, RawChangeTerrain}, "BEGIN|END", false),
              Say(MessageKind::Error, BuildForbidden));
    EXPECT_EQ(New({Raw, RawChangeTerrain}), Open(CommandKind::ChangeTerrainType, Raw));
    // Only one message block.
    EXPECT_EQ(New({Natural, NaturalSendMessages}, "BEGIN|END|Send message(s):|Hi"),
              Say(MessageKind::Error,
                  "There exists a \"Send message(s)\" command already.\r\n"
                  "Only one \"Send message(s)\" command is allowed in a move.\r\n"
                  "Select the \"Send message(s)\" command in the move and press\r\n"
                  "the \"Edit command\" button to add a message."));
    EXPECT_EQ(New({Natural, NaturalSendMessages}, "BEGIN|A|END"),
              Open(CommandKind::SendMessages, Natural));
}

// Editing opens the dialog of the selected line with its fields, in the form of the
// commands list; a forbidden terrain change only warns.
TEST(DecideCommandDialog, EditOpensTheSelectedLine) {
    const DialogDecision selectFirst =
        Say(MessageKind::Error, "Please select a command in the 'Your Move'-section first");
    EXPECT_EQ(Edit("BEGIN|A|END", std::nullopt), selectFirst);
    EXPECT_EQ(Edit("BEGIN|A|END", 3), selectFirst);
    DialogDecision warned = Open(CommandKind::NameKing, Natural, King("Bob"));
    warned.message = UserMessage{MessageKind::Warning, BuildForbidden};
    EXPECT_EQ(Edit("BEGIN|Name king Bob|END", 1, {Natural, NaturalChangeTerrain}, false), warned);
    EXPECT_EQ(Edit("BEGIN|ALL 3 2|END", 1, {Raw, std::nullopt}),
              Open(CommandKind::AlterAllianceStatus, Raw, AllianceFields{"3", "2"}));
    EXPECT_EQ(Edit("BEGIN|END|Send message(s):|Hello||Bye", 2, {Raw, std::nullopt}),
              Open(CommandKind::SendMessages, Raw, MessageFields{"Hello\r\n\r\nBye\r\n"}));
    EXPECT_EQ(Edit("BEGIN|END|Send message(s):|M", 1), DialogDecision{});
    EXPECT_EQ(Edit("BEGIN|hello|END", 1), DialogDecision{});
}

// A line with words its dialog has no field for opens in the order text editor; one the
// dialog writes back word for word (in other letter case or with other blanks) opens the
// dialog.
TEST(DecideCommandDialog, LinesTheDialogCannotHoldOpenAsText) {
    for (const char* line :
         {"BEGIN|LAND 1 1 FO 1 BO 1 HO 1 GE 1 N|END", "BEGIN|ALL 1 2 3|END", "BEGIN|DEF 1 1 Z|END",
          "BEGIN|PLA 1 1 FO 2 2 HO 3 3 CA 4|END", "BEGIN|BUILD 1 1 2|END"}) {
        DialogDecision text;
        text.orderText = 1;
        EXPECT_EQ(Edit(line, 1), text) << line;
    }
    EXPECT_EQ(Edit("BEGIN|LAND  1 1  fo 5 north|END", 1, {Raw, std::nullopt}).dialog->kind,
              CommandKind::MoveThroughLand);
}

} // namespace
} // namespace orv::edit
