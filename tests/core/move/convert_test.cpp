#include "core/move/convert.h"

#include <gtest/gtest.h>

namespace orv::move {
namespace {

// raw converts to natural, and natural converts back to back (raw unless given).
struct Example {
    const char* name;
    const char* raw;
    const char* natural;
    const char* back = nullptr;
};

class WorkedExample : public testing::TestWithParam<Example> {};

TEST_P(WorkedExample, ConvertsBothWays) {
    const Example& e = GetParam();
    EXPECT_EQ(ConvertLine(e.raw, true), e.natural);
    EXPECT_EQ(ConvertLine(e.natural, false), e.back ? e.back : e.raw);
}

INSTANTIATE_TEST_SUITE_P(
    Table, WorkedExample,
    testing::Values(
        Example{"All", "ALL 3 2", "Alter alliance status to player 3 to 2"},
        Example{"Build", "BUILD 12 7", "Change terrain type of province 12 / 7"},
        Example{"Cede", "CEDE 12 7 4", "Cede province 12 / 7 to player 4"},
        Example{"Def1", "DEF 12 7 F",
                "Give defensive orders for province 12 / 7 to Frontal assault", "DEF 12 7 F "},
        Example{"Def3", "DEF 12 7 F 13 7 U 14 8 C",
                "Give defensive orders for province 12 / 7 to Frontal assault, for province 13 / "
                "7 to Outflank and for province 14 / 8 to Counter attack"},
        Example{"Esp1", "ESP 12 7", "Espionage enemy province 12 / 7"},
        Example{"Esp2", "ESP 12 7 13 8", "Espionage enemy provinces 12 / 7 and 13 / 8"},
        Example{"Esp3", "ESP 12 7 13 8 14 9",
                "Espionage enemy provinces 12 / 7, 13 / 8 and 14 / 9"},
        Example{"LandTwoGroups", "LAND 12 7 FO 10 BO 5 N E",
                "Move through land with 10 Foot soldiers and 5 Bowmen from province 12 / 7 to "
                "north east "},
        Example{"LandTactic", "LAND 12 7 P HO 4 GE 1 S",
                "Move through land with 4 Horsemen and 1 General and tactic Pincer attack from "
                "province 12 / 7 to south "},
        Example{"LandAll", "LAND 12 7 AT W W",
                "Move through land with all troops from province 12 / 7 to west west "},
        Example{"SeaAllShips", "SEA 20 5 SH AT E",
                "Move through sea with all Ships from province 20 / 5 to east "},
        Example{"SeaTwoGroups", "SEA 20 5 SH 2 FO 30 E E S",
                "Move through sea with 2 Ships and 30 Foot soldiers from province 20 / 5 to east "
                "east south "},
        Example{"Raid", "RAID 12 7 HO 6 N",
                "Conduct a raid from province 12 / 7 with 6 Horsemen to north "},
        Example{"RaidAll", "RAID 12 7 AT N N",
                "Conduct a raid from province 12 / 7 with all troops to north north "},
        Example{"RaidAllHorsemen", "RAID 12 7 HO AT N",
                "Conduct a raid from province 12 / 7 with all Horsemen to north "},
        Example{"LandSecondGroupAll", "LAND 3 4 FO 5 BO AT N",
                "Move through land with 5 Foot soldiers and all Bowmen from province 3 / 4 to "
                "north "},
        Example{"NameProvince", "NAME 12 7 New Haven", "Name province 12 / 7 New Haven"},
        Example{"NameKing", "NAME Harald", "Name king Harald"},
        Example{"NameKingWithSlash", "NAME Eric the Red/Bold", "Name king Eric the Red/Bold"},
        Example{"Pla1", "PLA 12 7 FO", "Place one Foot soldier into province 12 / 7",
                "PLA 12 7 FO "},
        Example{"Pla3", "PLA 12 7 FO 13 7 CA 14 8 SH",
                "Place one Foot soldier into province 12 / 7, one Castle into province 13 / 7 and "
                "one Ship into province 14 / 8",
                "PLA 12 7 FO 13 7 CA 14 8 SH "},
        Example{"Begin", "begin", "BEGIN", "BEGIN"}, Example{"End", "end", "END", "END"}),
    [](const testing::TestParamInfo<Example>& info) { return std::string(info.param.name); });

struct OneWay {
    const char* name;
    const char* line;
    bool toNatural;
    const char* want;
};

class Reading : public testing::TestWithParam<OneWay> {};

TEST_P(Reading, Converts) {
    EXPECT_EQ(ConvertLine(GetParam().line, GetParam().toNatural), GetParam().want);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Reading,
    testing::Values(
        OneWay{"LowerCaseKeywordAndAt", "land 12 7 at n", true,
               "Move through land with all troops from province 12 / 7 to north "},
        OneWay{"TacticWhenWordFiveIsNoNumber", "LAND 12 7 F FO 10 N", true,
               "Move through land with 10 Foot soldiers and tactic Frontal assault from province "
               "12 / 7 to north "},
        OneWay{"FourPairsAreRead", "LAND 12 7 FO 10 BO 5 HO 3 GE 1 N", true,
               "Move through land with 10 Foot soldiers and 5 Bowmen and 3 Horsemen and 1 General "
               "from province 12 / 7 to north "},
        OneWay{"PairAfterAllTroops", "LAND 12 7 AT FO 5 N", true,
               "Move through land with all troops and 5 Foot soldiers from province 12 / 7 to "
               "north "},
        OneWay{"LeadingZeroCountIsPlural", "RAID 1 1 GE 01", true,
               "Conduct a raid from province 1 / 1 with 01 Generals to "},
        OneWay{"NameKingTrimmed", "NAME   Harald \t", true, "Name king Harald"},
        OneWay{"NameProvinceWithoutName", "NAME 12 7", true, "Name province 12 / 7 "},
        OneWay{"NameBare", "NAME", true, "Name king "},
        OneWay{"NameQuoted", "NAME 12 7 \"Old  Harbour\"", true,
               "Name province 12 / 7 \"Old  Harbour\""},
        OneWay{"EspFourProvincesKeepsThree", "ESP 12 7 13 8 14 9 15 10", true,
               "Espionage enemy provinces 12 / 7, 13 / 8 and 14 / 9"},
        OneWay{"DefTwoLetterTactic", "DEF 12 7 FF", true,
               "Give defensive orders for province 12 / 7 to ?"},
        OneWay{"BuildOneCoordinate", "BUILD 5", true, "Change terrain type of province 5 / "},
        OneWay{"UnknownRaw", "hello world", true, ""},
        OneWay{"RawKeywordNotNatural", "LAND 12 7 AT N", false, ""},
        OneWay{"NameProvinceWithSlashInName", "Name province 3 / 4 Up/Down", false,
               "NAME 3 4 Up/Down"},
        OneWay{"NaturalNameProvinceWithoutName", "Name province 3 / 4", false, "NAME 3 4 "},
        OneWay{"MoveFourGroupsKeepsThree",
               "Move through land with 1 Foot soldier and 2 Bowmen and 3 Horsemen and 4 Generals "
               "from province 1 / 2 to north",
               false, "LAND 1 2 FO 1 BO 2 HO 3 N"},
        OneWay{"RaidKeepsAllGroups",
               "Conduct a raid from province 1 / 2 with 1 Foot soldier and 2 Bowmen and 3 "
               "Horsemen and 4 Generals  to north",
               false, "RAID 1 2 FO 1 BO 2 HO 3 GE 4 N"},
        OneWay{"ComposedMoveWithoutTrailingBlank",
               "Move through land with all troops and tactic Outflank from province 4 / 5 to "
               "north east",
               false, "LAND 4 5 U AT N E"},
        OneWay{"MoveWithoutProvinceOrTo", "Move", false, "SEA   ? "}),
    [](const testing::TestParamInfo<OneWay>& info) { return std::string(info.param.name); });

// Long lines convert in one pass: 25,000 groups and steps each way.
TEST(ConvertLine, LongLinesKeepEveryGroupAndStep) {
    std::string raw = "RAID 1 2 FO 1";
    std::string groups;
    std::string steps;
    for (int i = 0; i < 25000; ++i) {
        raw += " BO 7";
        groups += " and 7 Bowmen";
    }
    for (int i = 0; i < 25000; ++i) {
        raw += " W";
        steps += " west";
    }
    const std::string natural = ConvertLine(raw, true);
    EXPECT_EQ(natural, "Conduct a raid from province 1 / 2 with 1 Foot soldier" + groups + " to" +
                           steps + " ");
    EXPECT_EQ(ConvertLine(natural, false), raw);

    const std::string sentence =
        "Move through land with 2 Ships" + groups + " from province 1 / 2 to" + steps;
    EXPECT_EQ(ConvertLine(sentence, false).size(),
              std::string("LAND 1 2 SH 2 BO 7 BO 7").size() + 2 * 25000);
}

} // namespace
} // namespace orv::move
