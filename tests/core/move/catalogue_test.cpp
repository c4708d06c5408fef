#include "core/move/catalogue.h"
#include "core/move/codes.h"

#include <gtest/gtest.h>

namespace orv::move {
namespace {

TEST(Catalogue, ListsFollowTheirPositionColumns) {
    const std::vector<std::string> raw = CommandCaptions(DisplayForm::Raw);
    const std::vector<std::string> natural = CommandCaptions(DisplayForm::Natural);
    ASSERT_EQ(raw.size(), 12U);
    EXPECT_EQ(raw[0], "ALL   (Alter Alliance Status)");
    EXPECT_EQ(raw[1], "BUILD (Change Terrain Type)");
    EXPECT_EQ(raw[10], "SEA   (Move Through Sea)");
    EXPECT_EQ(raw[11], "      (Send Message(s))");
    EXPECT_EQ(natural[0], "Alter Alliance Status");
    EXPECT_EQ(natural[1], "Cede Province");
    EXPECT_EQ(natural[2], "Change Terrain Type");
    EXPECT_EQ(natural[6], "Move Through Sea");

    EXPECT_EQ(CommandAtPosition(DisplayForm::Raw, 1), CommandKind::ChangeTerrainType);
    EXPECT_EQ(CommandAtPosition(DisplayForm::Natural, 1), CommandKind::CedeProvince);
    EXPECT_EQ(CommandAtPosition(DisplayForm::Natural, 12), std::nullopt);
    EXPECT_EQ(CommandAtPosition(DisplayForm::Raw, -1), std::nullopt);
}

TEST(Catalogue, RawCaptionIsKeywordPaddedToSixThenNaturalCaption) {
    for (const CommandInfo& info : CommandCatalogue()) {
        std::string keyword(info.keyword);
        keyword.resize(6, ' ');
        EXPECT_EQ(info.rawCaption, keyword + "(" + std::string(info.naturalCaption) + ")");
        EXPECT_EQ(&InfoOf(info.kind), &info);
    }
    EXPECT_EQ(InfoOf(CommandKind::NameKing).keyword, InfoOf(CommandKind::NameProvince).keyword);
    EXPECT_EQ(InfoOf(CommandKind::MoveThroughSea).helpTopic, 200);
    EXPECT_EQ(InfoOf(CommandKind::SendMessages).dialog, CommandDialog::TFormMoveC7);
}

struct CodeCase {
    const char* name;
    std::string got;
    const char* want;
};

class Codes : public testing::TestWithParam<CodeCase> {};

TEST_P(Codes, Translate) {
    EXPECT_EQ(GetParam().got, GetParam().want);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Codes,
    testing::Values(CodeCase{"TroopFoPlural", TroopName("FO", true), "Foot soldiers"},
                    CodeCase{"TroopHoLowerPlural", TroopName("ho", true), "Horsemen"},
                    CodeCase{"TroopBoSingular", TroopName("BO", false), "Bowman"},
                    CodeCase{"TroopBoPlural", TroopName("BO", true), "Bowmen"},
                    CodeCase{"TroopUnknownPlural", TroopName("XX", true), "?"},
                    CodeCase{"TroopEmpty", TroopName("", false), "?"},
                    CodeCase{"TroopCodeFromName", TroopCode("General"), "GE"},
                    CodeCase{"TroopCodeUnknown", TroopCode("all"), "?"},
                    CodeCase{"TacticT", TacticName("T"), "Standard attack"},
                    CodeCase{"TacticLowerU", TacticName("u"), "Outflank"},
                    CodeCase{"TacticTwoLetters", TacticName("TT"), "?"},
                    CodeCase{"TacticEmpty", TacticName(""), "?"},
                    CodeCase{"TacticFromText", TacticNameFromText("out"), "Outflank"},
                    CodeCase{"TacticFromTextUnknown", TacticNameFromText("T"), "?"},
                    CodeCase{"TacticCodeStandard", TacticCode("Standard attack"), "T"},
                    CodeCase{"TacticCodeOutflank", TacticCode("Outflank"), "U"},
                    CodeCase{"TacticCodeUnknown", TacticCode("?"), "?"},
                    CodeCase{"DirectionWords", DirectionWords("N e S"), "north east south"},
                    CodeCase{"DirectionWordsFromWords", DirectionWords("North  East"),
                             "north east"},
                    CodeCase{"DirectionWordsEmpty", DirectionWords(""), "?"},
                    CodeCase{"DirectionLetters", DirectionLetters("west x"), "W ?"},
                    CodeCase{"DirectionLettersLower", DirectionLetters("north east"), "N E"},
                    CodeCase{"DirectionName8Bit", DirectionName("\xE9st"), "?"},
                    CodeCase{"CountAt", CountText("at"), "all"},
                    CodeCase{"CountNumber", CountText("12"), "12"},
                    CodeCase{"StripOneComma", StripComma("4,"), "4"},
                    CodeCase{"StripOnlyLastComma", StripComma("4,,"), "4,"},
                    CodeCase{"StripEmpty", StripComma(""), ""}),
    [](const testing::TestParamInfo<CodeCase>& info) { return std::string(info.param.name); });

TEST(Codes, WordCountsAndPredicates) {
    EXPECT_EQ(TroopWordCount("Foot"), 2);
    EXPECT_EQ(TroopWordCount("ship"), 1);
    EXPECT_EQ(TroopWordCount("?"), 0);
    EXPECT_EQ(TacticWordCount("Outflank"), 1);
    EXPECT_EQ(TacticWordCount("counter"), 2);
    EXPECT_EQ(TacticWordCount(""), 0);

    EXPECT_TRUE(AreDirections("N No Nor"));
    EXPECT_TRUE(AreDirections("we SOUTH"));
    EXPECT_TRUE(AreDirections(""));
    EXPECT_FALSE(AreDirections("N Q"));
    EXPECT_FALSE(AreDirections("northeast"));

    EXPECT_TRUE(IsCountOrAll("At"));
    EXPECT_TRUE(IsCountOrAll("12"));
    EXPECT_FALSE(IsCountOrAll("N"));
    EXPECT_FALSE(IsCountOrAll(""));
    EXPECT_TRUE(IsEmptyOrNumber(""));
    EXPECT_TRUE(IsEmptyOrNumber("7"));
    EXPECT_FALSE(IsEmptyOrNumber("7a"));
}

TEST(Codes, FillersAppendTheirEntries) {
    std::vector<std::string> list{"kept"};
    FillTroopTypes(list, false);
    EXPECT_EQ(list, (std::vector<std::string>{"kept", "Bowman", "Castle", "Foot soldier",
                                              "Horseman", "Ship"}));
    list.clear();
    FillTroopTypes(list, true);
    EXPECT_EQ(list[3], "General");
    list.clear();
    FillTactics(list);
    FillDirections(list);
    EXPECT_EQ(list, (std::vector<std::string>{"Frontal assault", "Pincer attack", "Standard attack",
                                              "Outflank", "Counter attack", "North", "East",
                                              "South", "West"}));

    std::vector<report::TribeElem> tribes(3);
    tribes[0].name = "Vikings";
    tribes[2].name = "Saxons";
    tribes[2].number = 17;
    list = {"old"};
    FillTribeChoices(list, tribes);
    EXPECT_EQ(list, (std::vector<std::string>{"1 - Vikings", "2 - ", "3 - Saxons"}));
}

} // namespace
} // namespace orv::move
