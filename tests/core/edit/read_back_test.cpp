#include "core/edit/read_back.h"
#include "edit_fixtures.h"

#include <gtest/gtest.h>

namespace orv::edit {
namespace {

using move::CommandKind;
using namespace testing;

struct ReadBack {
    const char* name;
    const char* line;
    CommandKind kind;
    OrderFields fields;
};

class ReadBackTable : public ::testing::TestWithParam<ReadBack> {};

TEST_P(ReadBackTable, FillsTheDialogFields) {
    const ReadBack& r = GetParam();
    EXPECT_EQ(ReadOrderLine(r.line), (EditedOrder{r.kind, r.fields}));
}

// Lines as the conversion, a hand or an older move wrote them, not as composed here.
INSTANTIATE_TEST_SUITE_P(
    Natural, ReadBackTable,
    ::testing::Values(
        ReadBack{"LandTwoTroopsWithTactic",
                 "Move through land with 5 Bowmen and 3 Horsemen and tactic Outflank from "
                 "province 3 / 4 to north east ",
                 CommandKind::MoveThroughLand,
                 Movement("3", "4", "Outflank", {{"5", "Bowman"}, {"3", "Horseman"}}, "N E")},
        ReadBack{"SeaAllOfOneType", "Move through sea with all Ships from province 20 / 5 to east ",
                 CommandKind::MoveThroughSea, Movement("20", "5", "", {{"AT", "Ship"}}, "E")},
        ReadBack{"SeaWithoutDirection", "Move through sea with 2 Ships from province 1 / 1 to ",
                 CommandKind::MoveThroughSea, Movement("1", "1", "", {{"2", "Ship"}}, "")},
        ReadBack{"RaidAllCountsOfTypes",
                 "Conduct a raid from province 12 / 7 with all Horsemen and all Bowmen to north "
                 "north ",
                 CommandKind::RaidProvince,
                 Movement("12", "7", "", {{"AT", "Horseman"}, {"AT", "Bowman"}}, "N N")},
        ReadBack{"ProvinceNameHoldingKing", "Name province 3 / 4 The king of hills",
                 CommandKind::NameProvince, NamingFields{"3", "4", "The king of hills"}},
        ReadBack{"KingNameHoldingProvince", "Name king Lord of the province  ",
                 CommandKind::NameKing, King("Lord of the province")},
        ReadBack{"KingWithoutName", "Name king", CommandKind::NameKing, King("")},
        ReadBack{"ProvinceWithoutName", "Name province 3 / 4", CommandKind::NameProvince,
                 NamingFields{"3", "4", ""}}),
    [](const ::testing::TestParamInfo<ReadBack>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Raw, ReadBackTable,
    ::testing::Values(
        ReadBack{"LandAllOfOneTypeInSecondGroup", "LAND 1 1 FO 5 HO AT N",
                 CommandKind::MoveThroughLand,
                 Movement("1", "1", "", {{"5", "Foot soldier"}, {"AT", "Horseman"}}, "N")},
        ReadBack{"LandTrailingWordsOnlyCapitalDirections", "LAND 1 1 FO 5 x N E",
                 CommandKind::MoveThroughLand,
                 Movement("1", "1", "", {{"5", "Foot soldier"}}, "N E")},
        ReadBack{"RaidAllTroops", "RAID 7 8 AT N", CommandKind::RaidProvince,
                 Movement("7", "8", "", {{"", "All"}}, "N")},
        ReadBack{
            "RaidDirectionIsTheRest", "RAID 7 8 HO 5 BO 2 GE 1 n x", CommandKind::RaidProvince,
            Movement("7", "8", "", {{"5", "Horseman"}, {"2", "Bowman"}, {"1", "General"}}, "n x")},
        ReadBack{"SeaAllThenAPair", "SEA 20 5 AT FO 5 E", CommandKind::MoveThroughSea,
                 Movement("20", "5", "", {{"", "All"}, {"5", "Foot soldier"}}, "E")},
        ReadBack{"SeaWithoutDirectionsTakesNoCode", "SEA 20 5 SH 5", CommandKind::MoveThroughSea,
                 Movement("20", "5", "", {{"5", "Ship"}}, "")},
        ReadBack{"ProvinceNameOfSeveralWords", "NAME 12 7 Old  Keep ", CommandKind::NameProvince,
                 NamingFields{"12", "7", "Old  Keep"}},
        ReadBack{"ProvinceWithoutName", "NAME 12 7", CommandKind::NameProvince,
                 NamingFields{"12", "7", ""}},
        ReadBack{"King", "NAME Harald the Bold", CommandKind::NameKing, King("Harald the Bold")},
        ReadBack{"BareName", "NAME", CommandKind::NameKing, King("")},
        ReadBack{"NameOfBlanks", "NAME    ", CommandKind::NameKing, King("")},
        ReadBack{"PlaceUnknownTypes", "PLA 12 7 XX 13 7 YY", CommandKind::PlaceUnits,
                 Groups({{"12", "7", "?"}, {"13", "7", ""}})},
        ReadBack{"DefenceTacticOfTwoLetters", "DEF 12 7 FF", CommandKind::GiveDefensiveOrders,
                 Groups({{"12", "7", "?"}})},
        ReadBack{"EspionageExtraWordsIgnored", "ESP 1 2 3 4 5 6 7 8",
                 CommandKind::EspionageEnemyProvince,
                 Groups({{"1", "2", ""}, {"3", "4", ""}, {"5", "6", ""}})}),
    [](const ::testing::TestParamInfo<ReadBack>& info) { return info.param.name; });

TEST(ReadOrderLine, LinesWithoutAKeyHoldNoOrder) {
    for (const char* line : {"BEGIN", "END", "", "   ", "hello world", "land 12 7 FO 10 N",
                             "Move quickly", "Name the dog", "Send message(s):"}) {
        EXPECT_EQ(ReadOrderLine(line), std::nullopt) << line;
    }
}

TEST(MessageBlockText, JoinsFromTheSelectedLineWithoutTheHeading) {
    const move::MoveList move =
        testing::Move({"BEGIN", "END", "Send message(s):", "Hello", "", "Bye"});
    EXPECT_EQ(MessageBlockText(move, 2), "Hello\r\n\r\nBye\r\n");
    EXPECT_EQ(MessageBlockText(move, 3), "Hello\r\n\r\nBye\r\n");
    EXPECT_EQ(MessageBlockText(move, 5), "Bye\r\n");
    EXPECT_EQ(MessageBlockText(move, 6), "");
}

} // namespace
} // namespace orv::edit
