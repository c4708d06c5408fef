#include "core/edit/read_back.h"
#include "edit_fixtures.h"

#include <gtest/gtest.h>

namespace orv::edit {
namespace {

using move::CommandKind;
using namespace testing;

// Lines as the conversion, a hand or an older move wrote them, not as composed here, fill
// the dialog fields.
TEST(ReadOrderLine, FillsTheDialogFields) {
    const struct {
        const char* line;
        CommandKind kind;
        OrderFields fields;
    } cases[] = {
        {"Move through sea with 2 Ships from province 1 / 1 to ", CommandKind::MoveThroughSea,
         Movement("1", "1", "", {{"2", "Ship"}}, "")},
        {"Conduct a raid from province 12 / 7 with all Horsemen and all Bowmen to north "
         "north ",
         CommandKind::RaidProvince,
         Movement("12", "7", "", {{"AT", "Horseman"}, {"AT", "Bowman"}}, "N N")},
        {"Name province 3 / 4 The king of hills", CommandKind::NameProvince,
         NamingFields{"3", "4", "The king of hills"}},
        {"Name king Lord of the province  ", CommandKind::NameKing, King("Lord of the province")},
        {"Name king", CommandKind::NameKing, King("")},
        {"Name province 3 / 4", CommandKind::NameProvince, NamingFields{"3", "4", ""}},
        {"LAND 1 1 FO 5 HO AT N", CommandKind::MoveThroughLand,
         Movement("1", "1", "", {{"5", "Foot soldier"}, {"AT", "Horseman"}}, "N")},
        {"LAND 1 1 FO 5 x E S W", CommandKind::MoveThroughLand,
         Movement("1", "1", "", {{"5", "Foot soldier"}}, "E S W")},
        {"SEA 20 5 SH 5", CommandKind::MoveThroughSea,
         Movement("20", "5", "", {{"5", "Ship"}}, "")},
        {"SEA 2 5 SH 5 FO 1 BO 2 HO 3 E", CommandKind::MoveThroughSea, // three groups at most
         Movement("2", "5", "", {{"5", "Ship"}, {"1", "Foot soldier"}, {"2", "Bowman"}}, "E")},
        {"Give defensive orders for province 1 / 7 to Outflank and for province 3 / 7 to Outflank",
         CommandKind::GiveDefensiveOrders,
         Groups({{"1", "7", "Outflank"}, {"3", "7", "Outflank"}})},
        {"NAME 12 7 Old  Keep ", CommandKind::NameProvince, NamingFields{"12", "7", "Old  Keep"}},
        {"NAME 12 7", CommandKind::NameProvince, NamingFields{"12", "7", ""}},
        {"NAME    ", CommandKind::NameKing, King("")},
        {"PLA 12 7 XX 13 7 YY", CommandKind::PlaceUnits,
         Groups({{"12", "7", "?"}, {"13", "7", ""}})},
        {"DEF 12 7 FF", CommandKind::GiveDefensiveOrders, Groups({{"12", "7", "?"}})},
        {"ESP 1 2 3 4 5 6 7 8", CommandKind::EspionageEnemyProvince,
         Groups({{"1", "2", ""}, {"3", "4", ""}, {"5", "6", ""}})},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadOrderLine(c.line), (EditedOrder{c.kind, c.fields})) << c.line;
    }
}

TEST(ReadOrderLine, LinesWithoutAKeyHoldNoOrder) {
    for (const char* line : {"BEGIN", "END", "", "   ", "hello world", "land 12 7 FO 10 N",
                             "Move quickly", "Name the dog", "Send message(s):"}) {
        EXPECT_EQ(ReadOrderLine(line), std::nullopt) << line;
    }
}

TEST(MessageBlockText, JoinsFromTheSelectedLineWithoutTheHeading) {
    const move::MoveList move =
        testing::Move({"BEGIN", "END", "Send message(s):", "Hello", "", "Bye"});
    EXPECT_EQ(MessageBlockText(move, 3), "Hello\r\n\r\nBye\r\n");
    EXPECT_EQ(MessageBlockText(move, 5), "Bye\r\n");
    EXPECT_EQ(MessageBlockText(move, 6), "");
}

} // namespace
} // namespace orv::edit
