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
    return {UserMessage{kind, text}, std::nullopt};
}

DialogDecision Open(CommandKind kind, DisplayForm form, OrderFields fields = {}) {
    return {std::nullopt, DialogRequest{kind, form, std::move(fields)}};
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

} // namespace
} // namespace orv::edit
