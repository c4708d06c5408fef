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

// Both forms hold the same order: the sentence converts to the composed raw line, and the
// raw line converts to the sentence (without its final blank, and with one blank where a
// composed raid writes two). Editing either line opens its dialog with the fields it was
// composed from, or with `back` when that differs (fields the command does not use, a gap
// in the groups).
TEST(ComposeLine, BuildsBothFormsAndReadsBack) {
    const struct {
        CommandKind kind;
        OrderFields fields;
        const char* raw;
        const char* natural;
        std::optional<OrderFields> back = std::nullopt;
    } cases[] = {
        {CommandKind::MoveThroughLand,
         Movement("3", "4", "Outflank", {{"5", "Foot soldier"}, {"3", "Bowman"}}, "N E"),
         "LAND 3 4 U FO 5 BO 3 N E",
         "Move through land with 5 Foot soldiers and 3 Bowmen and tactic Outflank "
         "from province 3 / 4 to north east"},
        {CommandKind::MoveThroughLand,
         Movement("1", "2", "", {{"1", "General"}, {"2", "Horseman"}, {"01", "Bowman"}}, "S"),
         "LAND 1 2 GE 1 HO 2 BO 01 S",
         "Move through land with 1 General and 2 Horsemen and 01 Bowmen from "
         "province 1 / 2 to south"},
        {CommandKind::MoveThroughSea,
         Movement("20", "5", "Outflank", {{"2", "Ship"}, {"30", "Foot soldier"}}, "E E S"),
         "SEA 20 5 SH 2 FO 30 E E S",
         "Move through sea with 2 Ships and 30 Foot soldiers from province 20 / 5 to "
         "east east south",
         Movement("20", "5", "", {{"2", "Ship"}, {"30", "Foot soldier"}}, "E E S")},
        {CommandKind::RaidProvince, Movement("12", "7", "", {{"", "All"}, {"4", "Bowman"}}, "N N"),
         "RAID 12 7 AT BO 4 N N",
         "Conduct a raid from province 12 / 7 with all troops and 4 Bowmen  to north "
         "north"},
        {CommandKind::PlaceUnits,
         Groups({{"12", "7", "Foot soldier"}, {"13", "7", "Castle"}, {"14", "8", "Ship"}}),
         "PLA 12 7 FO 13 7 CA 14 8 SH",
         "Place one Foot soldier into province 12 / 7, one Castle into province 13 / 7 "
         "and one Ship into province 14 / 8"},
        {CommandKind::GiveDefensiveOrders,
         Groups({{"12", "7", "Frontal assault"},
                 {"13", "7", "Outflank"},
                 {"14", "8", "Counter attack"}}),
         "DEF 12 7 F 13 7 U 14 8 C",
         "Give defensive orders for province 12 / 7 to Frontal assault, for province "
         "13 / 7 to Outflank and for province 14 / 8 to Counter attack"},
        {CommandKind::EspionageEnemyProvince, Groups({{"1", "2", ""}}), "ESP 1 2",
         "Espionage enemy province 1 / 2"},
        {CommandKind::EspionageEnemyProvince,
         Groups({{"1", "2", ""}, {"3", "4", ""}, {"5", "6", ""}}), "ESP 1 2 3 4 5 6",
         "Espionage enemy provinces 1 / 2, 3 / 4 and 5 / 6"},
        {CommandKind::EspionageEnemyProvince, Groups({{"1", "2", ""}, {}, {"5", "6", ""}}),
         "ESP 1 2 5 6", "Espionage enemy provinces 1 / 2 and 5 / 6",
         Groups({{"1", "2", ""}, {"5", "6", ""}})},
        {CommandKind::NameProvince, NamingFields{"12", "7", "New Haven"}, "NAME 12 7 New Haven",
         "Name province 12 / 7 New Haven"},
        {CommandKind::NameKing, King("Eric the Red/Bold"), "NAME Eric the Red/Bold",
         "Name king Eric the Red/Bold"},
        {CommandKind::AlterAllianceStatus, AllianceFields{"3", "2"}, "ALL 3 2",
         "Alter alliance status to player 3 to 2"},
        {CommandKind::ChangeTerrainType, ProvinceFields{"12", "7", "4"}, "BUILD 12 7",
         "Change terrain type of province 12 / 7", ProvinceFields{"12", "7", ""}},
        {CommandKind::CedeProvince, ProvinceFields{"12", "7", "4"}, "CEDE 12 7 4",
         "Cede province 12 / 7 to player 4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.raw);
        EXPECT_EQ(ComposeLine(c.kind, c.fields, DisplayForm::Raw), c.raw);
        EXPECT_EQ(ComposeLine(c.kind, c.fields, DisplayForm::Natural), c.natural);
        const std::string converted = move::ConvertLine(c.natural, DisplayForm::Raw);
        EXPECT_EQ(converted.substr(0, converted.find_last_not_of(' ') + 1), c.raw);
        const std::string shown = move::ConvertLine(c.raw, DisplayForm::Natural);
        std::string composed = c.natural;
        if (const auto gap = composed.find("  "); gap != std::string::npos) {
            composed.erase(gap, 1);
        }
        EXPECT_EQ(shown.substr(0, shown.find_last_not_of(' ') + 1), composed);
        EXPECT_EQ(ReadOrderLine(c.raw), (EditedOrder{c.kind, c.back.value_or(c.fields)}));
    }
}

// Message text splits at CR LF, LF or CR alone; blank lines stay, a final line end adds
// none. (CR LF, a blank line and a final line end are in the composing test of messages.)
TEST(MessageLines, KeepBlankLines) {
    EXPECT_EQ(MessageLines("Hello\r\rBye").ToVector(), (Lines{"Hello", "", "Bye"}));
    EXPECT_EQ(MessageLines("a\n\rb").ToVector(), (Lines{"a", "", "b"}));
}

using enum InsertMode;

// A new line goes to the selected place, clamped between BEGIN and END, and is selected;
// it never replaces a frame line or a message.
TEST(PlaceOrderLine, PutsTheLineAndSelectsIt) {
    const char* const aboveEnd = "BEGIN|A|B|X|END|Send message(s):|M";
    const struct {
        Selection selected;
        InsertMode mode;
        const char* lines;
        Selection after;
    } cases[] = {
        {std::nullopt, Below, aboveEnd, 3},
        {0, Above, "BEGIN|X|A|B|END|Send message(s):|M", 1},
        {1, Below, "BEGIN|A|X|B|END|Send message(s):|M", 2},
        {2, Replace, "BEGIN|A|X|END|Send message(s):|M", 2},
        {3, Replace, aboveEnd, 3},
        {5, Replace, aboveEnd, 3},
    };
    for (const auto& c : cases) {
        auto move = Move({"BEGIN", "A", "B", "END", "Send message(s):", "M"});
        Selection selected = c.selected;
        PlaceOrderLine(move, selected, c.mode, move::OrderLine{"X", "X"});
        EXPECT_EQ(move.Lines(), Split(c.lines)) << c.lines;
        EXPECT_EQ(selected, c.after) << c.lines;
    }
}

// A cancelled dialog changes nothing; an order is written in the display form of the move.
TEST(ComposeOrderLine, WritesInTheMoveDisplayForm) {
    auto move = Move({"BEGIN", "END"}, DisplayForm::Raw);
    Selection selected;
    EXPECT_FALSE(ComposeOrderLine(move, selected, Replace, CommandKind::PlaceUnits, OrderFields{})
                     .Changed());
    EXPECT_EQ(selected, std::nullopt);
    EXPECT_TRUE(ComposeOrderLine(move, selected, Below, CommandKind::PlaceUnits,
                                 Groups({{"1", "1", "Castle"}}))
                    .Changed());
    ComposeOrderLine(move, selected, Below, CommandKind::NameKing, King("Bob"));
    EXPECT_EQ(move.Lines(), (Lines{"BEGIN", "PLA 1 1 CA", "NAME Bob", "END"}));
    EXPECT_EQ(selected, 2U);
}

// Messages replace the whole block and leave the selection, unless the shorter block no
// longer has the selected line. The dialog shows the block as one text; confirming it
// unchanged writes the same block.
TEST(ComposeOrderLine, MessagesReplaceTheBlock) {
    const Lines lines{"BEGIN", "A", "END", "Send message(s):", "Hello", "", "Bye"};
    auto move = Move(lines);
    Selection selected = 1;
    const auto outcome = ComposeOrderLine(move, selected, Above, CommandKind::SendMessages,
                                          MessageFields{MessageBlockText(move, 3)});
    EXPECT_TRUE(outcome.Changed());
    EXPECT_EQ(move.Lines(), lines);
    EXPECT_EQ(selected, 1U);

    selected = 5;
    ComposeOrderLine(move, selected, Replace, CommandKind::SendMessages, MessageFields{"Hi"});
    EXPECT_EQ(move.Lines(), (Lines{"BEGIN", "A", "END", "Send message(s):", "Hi"}));
    EXPECT_EQ(selected, std::nullopt);
}

} // namespace
} // namespace orv::edit
