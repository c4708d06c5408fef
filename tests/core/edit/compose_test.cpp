#include "core/check/goods.h"
#include "core/edit/compose.h"
#include "core/edit/read_back.h"
#include "core/move/convert.h"
#include "edit_fixtures.h"

#include <gtest/gtest.h>
#include <optional>

namespace orv::edit {
namespace {

using move::CommandKind;
using move::DisplayForm;
using namespace testing;

// One composed order in both forms. `back` is what reading either line gives back when it
// differs from the fields (fields the command does not use, a gap in the groups).
struct Composition {
    const char* name;
    CommandKind kind;
    OrderFields fields;
    const char* raw;
    const char* natural;
    std::optional<OrderFields> back = std::nullopt;
};

class ComposeTable : public ::testing::TestWithParam<Composition> {};

// Both forms hold the same order (the sentence converts to the composed raw line), and
// editing either line opens its dialog with the fields it was composed from.
TEST_P(ComposeTable, BuildsBothFormsAndReadsBack) {
    const Composition& c = GetParam();
    EXPECT_EQ(ComposeLine(c.kind, c.fields, DisplayForm::Raw), c.raw);
    EXPECT_EQ(ComposeLine(c.kind, c.fields, DisplayForm::Natural), c.natural);
    const std::string converted = move::ConvertLine(c.natural, DisplayForm::Raw);
    EXPECT_EQ(converted.substr(0, converted.find_last_not_of(' ') + 1), c.raw);
    const EditedOrder expected{c.kind, c.back ? *c.back : c.fields};
    EXPECT_EQ(ReadOrderLine(c.raw), expected);
    EXPECT_EQ(ReadOrderLine(c.natural), expected);
}

const Troop Bowmen3{"3", "Bowman"};
const Troop AllTroops{"", "All"};

INSTANTIATE_TEST_SUITE_P(
    EveryKind, ComposeTable,
    ::testing::Values(
        Composition{"LandWorkedExample", CommandKind::MoveThroughLand,
                    Movement("3", "4", "Outflank", {{"5", "Foot soldier"}, Bowmen3}, "N E"),
                    "LAND 3 4 U FO 5 BO 3 N E",
                    "Move through land with 5 Foot soldiers and 3 Bowmen and tactic Outflank "
                    "from province 3 / 4 to north east"},
        Composition{"LandAllTroops", CommandKind::MoveThroughLand,
                    Movement("12", "7", "", {AllTroops}, "N"), "LAND 12 7 AT N",
                    "Move through land with all troops from province 12 / 7 to north"},
        Composition{
            "LandThreeGroupsSingularAndPlural", CommandKind::MoveThroughLand,
            Movement("1", "2", "", {{"1", "General"}, {"2", "Horseman"}, {"01", "Bowman"}}, "S"),
            "LAND 1 2 GE 1 HO 2 BO 01 S",
            "Move through land with 1 General and 2 Horsemen and 01 Bowmen from "
            "province 1 / 2 to south"},
        Composition{
            "SeaNeverWritesATactic", CommandKind::MoveThroughSea,
            Movement("20", "5", "Outflank", {{"2", "Ship"}, {"30", "Foot soldier"}}, "E E S"),
            "SEA 20 5 SH 2 FO 30 E E S",
            "Move through sea with 2 Ships and 30 Foot soldiers from province 20 / 5 to "
            "east east south",
            Movement("20", "5", "", {{"2", "Ship"}, {"30", "Foot soldier"}}, "E E S")},
        Composition{"RaidTwoBlanksBeforeTo", CommandKind::RaidProvince,
                    Movement("12", "7", "", {{"6", "Horseman"}}, "N"), "RAID 12 7 HO 6 N",
                    "Conduct a raid from province 12 / 7 with 6 Horsemen  to north"},
        Composition{"RaidAllTroopsTwoGroups", CommandKind::RaidProvince,
                    Movement("12", "7", "", {AllTroops, {"4", "Bowman"}}, "N N"),
                    "RAID 12 7 AT BO 4 N N",
                    "Conduct a raid from province 12 / 7 with all troops and 4 Bowmen  to north "
                    "north"},
        Composition{"PlaceOne", CommandKind::PlaceUnits, Groups({{"12", "7", "Foot soldier"}}),
                    "PLA 12 7 FO", "Place one Foot soldier into province 12 / 7"},
        Composition{
            "PlaceThree", CommandKind::PlaceUnits,
            Groups({{"12", "7", "Foot soldier"}, {"13", "7", "Castle"}, {"14", "8", "Ship"}}),
            "PLA 12 7 FO 13 7 CA 14 8 SH",
            "Place one Foot soldier into province 12 / 7, one Castle into province 13 / 7 "
            "and one Ship into province 14 / 8"},
        Composition{"PlaceThirdWithoutSecond", CommandKind::PlaceUnits,
                    Groups({{"1", "1", "Bowman"}, {}, {"3", "3", "Horseman"}}), "PLA 1 1 BO 3 3 HO",
                    "Place one Bowman into province 1 / 1 and one Horseman into province 3 / 3",
                    Groups({{"1", "1", "Bowman"}, {"3", "3", "Horseman"}})},
        Composition{"DefendOne", CommandKind::GiveDefensiveOrders,
                    Groups({{"12", "7", "Frontal assault"}}), "DEF 12 7 F",
                    "Give defensive orders for province 12 / 7 to Frontal assault"},
        Composition{"DefendThree", CommandKind::GiveDefensiveOrders,
                    Groups({{"12", "7", "Frontal assault"},
                            {"13", "7", "Outflank"},
                            {"14", "8", "Counter attack"}}),
                    "DEF 12 7 F 13 7 U 14 8 C",
                    "Give defensive orders for province 12 / 7 to Frontal assault, for province "
                    "13 / 7 to Outflank and for province 14 / 8 to Counter attack"},
        Composition{"DefendThirdWithoutSecond", CommandKind::GiveDefensiveOrders,
                    Groups({{"1", "2", "Standard attack"}, {}, {"5", "6", "Outflank"}}),
                    "DEF 1 2 T 5 6 U",
                    "Give defensive orders for province 1 / 2 to Standard attack and for province "
                    "5 / 6 to Outflank",
                    Groups({{"1", "2", "Standard attack"}, {"5", "6", "Outflank"}})},
        Composition{"SpyOne", CommandKind::EspionageEnemyProvince, Groups({{"1", "2", ""}}),
                    "ESP 1 2", "Espionage enemy province 1 / 2"},
        Composition{"SpyThree", CommandKind::EspionageEnemyProvince,
                    Groups({{"1", "2", ""}, {"3", "4", ""}, {"5", "6", ""}}), "ESP 1 2 3 4 5 6",
                    "Espionage enemy provinces 1 / 2, 3 / 4 and 5 / 6"},
        Composition{"SpyThirdWithoutSecond", CommandKind::EspionageEnemyProvince,
                    Groups({{"1", "2", ""}, {}, {"5", "6", ""}}), "ESP 1 2 5 6",
                    "Espionage enemy provinces 1 / 2 and 5 / 6",
                    Groups({{"1", "2", ""}, {"5", "6", ""}})},
        Composition{"NameProvince", CommandKind::NameProvince, NamingFields{"12", "7", "New Haven"},
                    "NAME 12 7 New Haven", "Name province 12 / 7 New Haven"},
        Composition{"NameKingWithSlash", CommandKind::NameKing, King("Eric the Red/Bold"),
                    "NAME Eric the Red/Bold", "Name king Eric the Red/Bold"},
        Composition{"Alliance", CommandKind::AlterAllianceStatus, AllianceFields{"3", "2"},
                    "ALL 3 2", "Alter alliance status to player 3 to 2"},
        Composition{"BuildIgnoresPlayer", CommandKind::ChangeTerrainType,
                    ProvinceFields{"12", "7", "4"}, "BUILD 12 7",
                    "Change terrain type of province 12 / 7", ProvinceFields{"12", "7", ""}},
        Composition{"Cede", CommandKind::CedeProvince, ProvinceFields{"12", "7", "4"},
                    "CEDE 12 7 4", "Cede province 12 / 7 to player 4"}),
    [](const ::testing::TestParamInfo<Composition>& info) { return info.param.name; });

struct Split {
    const char* name;
    const char* text;
    Lines lines;
};

class MessageSplit : public ::testing::TestWithParam<Split> {};

TEST_P(MessageSplit, KeepsBlankLines) {
    EXPECT_EQ(MessageLines(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(LineEnds, MessageSplit,
                         ::testing::Values(Split{"CrLf", "Hello\r\n\r\nBye", {"Hello", "", "Bye"}},
                                           Split{"Lf", "Hello\n\nBye", {"Hello", "", "Bye"}},
                                           Split{"Cr", "Hello\r\rBye", {"Hello", "", "Bye"}},
                                           Split{"LfThenCrIsTwoEnds", "a\n\rb", {"a", "", "b"}},
                                           Split{"FinalEndAddsNoLine", "Hello\r\n", {"Hello"}},
                                           Split{"Empty", "", {}}),
                         [](const ::testing::TestParamInfo<Split>& info) {
                             return info.param.name;
                         });

TEST(RewriteMessageBlock, WritesNoHeadingInRawForm) {
    auto move = Move({"BEGIN", "END", "old"}, DisplayForm::Raw);
    RewriteMessageBlock(move, "Hello\r\n\r\nBye\r\n");
    EXPECT_EQ(move.Lines(), (Lines{"BEGIN", "END", "Hello", "", "Bye"}));
}

struct Placement {
    const char* name;
    Selection selected;
    InsertMode mode;
    const char* lines;
    Selection after;
};

class PlaceTable : public ::testing::TestWithParam<Placement> {};

TEST_P(PlaceTable, PutsTheLineAndSelectsIt) {
    const Placement& p = GetParam();
    auto move = Move({"BEGIN", "A", "B", "END", "Send message(s):", "M"});
    Selection selected = p.selected;
    PlaceOrderLine(move, selected, p.mode, move::OrderLine{"X", "X"});
    EXPECT_EQ(move.Lines(), testing::Split(p.lines));
    EXPECT_EQ(selected, p.after);
}

const char* const XAboveEnd = "BEGIN|A|B|X|END|Send message(s):|M";
const char* const XFirst = "BEGIN|X|A|B|END|Send message(s):|M";
using enum InsertMode;

INSTANTIATE_TEST_SUITE_P(
    ByMode, PlaceTable,
    ::testing::Values(
        Placement{"NoSelectionGoesAboveEnd", std::nullopt, Below, XAboveEnd, 3},
        Placement{"AboveFirstOrder", 1, Above, XFirst, 1},
        Placement{"BelowFirstOrder", 1, Below, "BEGIN|A|X|B|END|Send message(s):|M", 2},
        Placement{"ReplaceKeepsThePlace", 2, Replace, "BEGIN|A|X|END|Send message(s):|M", 2},
        Placement{"BelowHeadingStaysOutOfMessages", 4, Below, XAboveEnd, 3},
        Placement{"AboveMessageStaysOutOfMessages", 5, Above, XAboveEnd, 3},
        Placement{"BelowEndStaysOutOfMessages", 3, Below, XAboveEnd, 3},
        Placement{"AboveEnd", 3, Above, XAboveEnd, 3},
        Placement{"AboveBeginStaysBelowIt", 0, Above, XFirst, 1},
        Placement{"ReplaceNeverRemovesAFrameLine", 3, Replace, XAboveEnd, 3},
        Placement{"ReplaceNeverRemovesAMessage", 5, Replace, XAboveEnd, 3},
        Placement{"SelectionPastTheEndCountsAsNone", 17, Above, XAboveEnd, 3}),
    [](const ::testing::TestParamInfo<Placement>& info) { return info.param.name; });

TEST(ComposeOrderLine, CancelChangesNothing) {
    auto move = Move({"BEGIN", "A", "END"});
    Selection selected = 1;
    const auto outcome =
        ComposeOrderLine(move, selected, Replace, CommandKind::PlaceUnits, OrderFields{});
    EXPECT_FALSE(outcome.Changed());
    EXPECT_FALSE(outcome.updateGoods);
    EXPECT_EQ(move.Lines(), (Lines{"BEGIN", "A", "END"}));
    EXPECT_EQ(selected, 1U);
}

TEST(ComposeOrderLine, WritesInTheMoveDisplayFormAndAsksForGoodsAfterPlacements) {
    auto move = Move({"BEGIN", "END"}, DisplayForm::Raw);
    Selection selected;
    auto outcome = ComposeOrderLine(move, selected, Below, CommandKind::PlaceUnits,
                                    Groups({{"1", "1", "Castle"}}));
    EXPECT_TRUE(outcome.Changed());
    EXPECT_TRUE(outcome.updateGoods);
    outcome = ComposeOrderLine(move, selected, Below, CommandKind::NameKing, King("Bob"));
    EXPECT_TRUE(outcome.Changed());
    EXPECT_FALSE(outcome.updateGoods);
    EXPECT_EQ(move.Lines(), (Lines{"BEGIN", "PLA 1 1 CA", "NAME Bob", "END"}));
    EXPECT_EQ(selected, 2U);
}

TEST(ComposeOrderLine, MessagesReplaceTheBlockAndLeaveTheSelection) {
    auto move = Move({"BEGIN", "A", "END", "Send message(s):", "one", "two", "three"});
    Selection selected = 1;
    const auto outcome =
        ComposeOrderLine(move, selected, Above, CommandKind::SendMessages, MessageFields{"Hi"});
    EXPECT_TRUE(outcome.Changed());
    EXPECT_FALSE(outcome.updateGoods);
    EXPECT_EQ(move.Lines(), (Lines{"BEGIN", "A", "END", "Send message(s):", "Hi"}));
    EXPECT_EQ(selected, 1U);

    selected = 6; // a line the shorter block no longer has
    ComposeOrderLine(move, selected, Replace, CommandKind::SendMessages, MessageFields{"Hi"});
    EXPECT_EQ(selected, std::nullopt);
}

// The message dialog shows the block as one text; confirming it unchanged writes it back.
TEST(ComposeOrderLine, UnchangedMessageTextWritesTheSameBlock) {
    const Lines lines{"BEGIN", "END", "Send message(s):", "Hello", "", "Bye"};
    auto move = Move(lines);
    Selection selected = 2;
    const std::string text = MessageBlockText(move, 2);
    ComposeOrderLine(move, selected, Replace, CommandKind::SendMessages, MessageFields{text});
    EXPECT_EQ(move.Lines(), lines);
}

} // namespace
} // namespace orv::edit
