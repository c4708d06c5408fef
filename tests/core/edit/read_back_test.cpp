#include "core/edit/read_back.h"
#include "edit_fixtures.h"

#include <gtest/gtest.h>

namespace orv::edit {
namespace {

using move::CommandKind;
using namespace testing;

// Lines as a hand or an older move wrote them, not as composed here, fill the dialog
// fields; no word after the troops is dropped from the direction.
TEST(ReadOrderLine, FillsTheDialogFields) {
    const struct {
        const char* line;
        CommandKind kind;
        OrderFields fields;
    } cases[] = {
        {"SEA 1 1 SH 2", CommandKind::MoveThroughSea, Movement("1", "1", "", {{"2", "Ship"}}, "")},
        {"raid 12 7 HO AT BO AT N N ", CommandKind::RaidProvince,
         Movement("12", "7", "", {{"AT", "Horseman"}, {"AT", "Bowman"}}, "N N")},
        {"LAND 1 1 C AT FO 2 N", CommandKind::MoveThroughLand,
         Movement("1", "1", "Counter attack", {{"", "All"}, {"2", "Foot soldier"}}, "N")},
        {"LAND 1 1 FO 5 HO AT N", CommandKind::MoveThroughLand,
         Movement("1", "1", "", {{"5", "Foot soldier"}, {"AT", "Horseman"}}, "N")},
        {"LAND 1 1 FO 5 x E S W", CommandKind::MoveThroughLand,
         Movement("1", "1", "", {{"5", "Foot soldier"}}, "x E S W")},
        {"SEA 2 5 SH 5 FO 1 BO 2 HO 3 E", CommandKind::MoveThroughSea, // three groups at most
         Movement("2", "5", "", {{"5", "Ship"}, {"1", "Foot soldier"}, {"2", "Bowman"}}, "E")},
        {"NAME 12 7 Old  Keep ", CommandKind::NameProvince, NamingFields{"12", "7", "Old  Keep"}},
        {"NAME 12 7", CommandKind::NameProvince, NamingFields{"12", "7", ""}},
        {"NAME Lord of the province  ", CommandKind::NameKing, King("Lord of the province")},
        {"NAME    ", CommandKind::NameKing, King("")},
        {"PLA 12 7 XX 13 7 YY", CommandKind::PlaceUnits,
         Groups({{"12", "7", "?"}, {"13", "7", ""}})},
        {"DEF 12 7 FF", CommandKind::GiveDefensiveOrders, Groups({{"12", "7", "?"}})},
        {"ESP 1 2 3 4 5 6 7 8", CommandKind::EspionageEnemyProvince,
         Groups({{"1", "2", ""}, {"3", "4", ""}, {"5", "6", ""}})},
        {"CEDE 3 4 7", CommandKind::CedeProvince, ProvinceFields{"3", "4", "7"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadOrderLine(c.line), (EditedOrder{c.kind, c.fields})) << c.line;
    }
}

TEST(ReadOrderLine, LinesWithoutAKeywordHoldNoOrder) {
    for (const char* line :
         {"BEGIN", "END", "", "   ", "hello world", "Move through land with", "Send message(s):"}) {
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
