#include "core/move/catalogue.h"
#include "core/move/codes.h"

#include <gtest/gtest.h>

namespace orv::move {
namespace {

TEST(Catalogue, ListsFollowTheirPositionColumns) {
    const std::vector<std::string> raw = CommandCaptions(DisplayForm::Raw);
    const std::vector<std::string> natural = CommandCaptions(DisplayForm::Natural);
    EXPECT_EQ(
        std::vector<std::string>(raw.begin(), raw.begin() + 2),
        (std::vector<std::string>{"ALL   (Alter Alliance Status)", "BUILD (Change Terrain Type)"}));
    EXPECT_EQ(raw[10], "SEA   (Move Through Sea)");
    EXPECT_EQ(raw[11], "      (Send Message(s))");
    EXPECT_EQ(std::vector<std::string>(natural.begin(), natural.begin() + 3),
              (std::vector<std::string>{"Alter Alliance Status", "Cede Province",
                                        "Change Terrain Type"}));
    EXPECT_EQ(natural[6], "Move Through Sea");
    EXPECT_EQ(CommandAtPosition(DisplayForm::Raw, 1), CommandKind::ChangeTerrainType);
    EXPECT_EQ(CommandAtPosition(DisplayForm::Natural, 1), CommandKind::CedeProvince);
    EXPECT_EQ(CommandAtPosition(DisplayForm::Natural, 12), std::nullopt);
    // A raw caption is the keyword padded to six characters, then the natural caption.
    for (const CommandInfo& info : CommandCatalogue()) {
        std::string keyword(info.keyword);
        keyword.resize(6, ' ');
        EXPECT_EQ(info.rawCaption, keyword + "(" + std::string(info.naturalCaption) + ")");
    }
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
                    CodeCase{"TroopUnknownPlural", TroopName("XX", true), "?"},
                    CodeCase{"TroopEmpty", TroopName("", false), "?"},
                    CodeCase{"TacticT", TacticName("T"), "Standard attack"},
                    CodeCase{"TacticTwoLetters", TacticName("TT"), "?"},
                    CodeCase{"TacticFromTextIsByInitial", TacticNameFromText("T"), "?"},
                    CodeCase{"TacticCodeStandard", TacticCode("Standard attack"), "T"},
                    CodeCase{"TacticCodeOutflank", TacticCode("Outflank"), "U"},
                    CodeCase{"DirectionWords", DirectionWords("N e S"), "north east south"},
                    CodeCase{"DirectionWordsEmpty", DirectionWords(" "), "?"},
                    CodeCase{"DirectionLetters", DirectionLetters("west x"), "W ?"},
                    CodeCase{"CountAt", CountText("at"), "all"},
                    CodeCase{"StripOnlyLastComma", StripComma("4,,"), "4,"}),
    [](const testing::TestParamInfo<CodeCase>& info) { return std::string(info.param.name); });

TEST(Codes, PredicatesAndWordCounts) {
    EXPECT_TRUE(AreDirections("N No Nor we SOUTH"));
    EXPECT_TRUE(AreDirections(""));
    EXPECT_FALSE(AreDirections("N Q"));
    EXPECT_FALSE(AreDirections("northeast"));
    EXPECT_TRUE(IsCountOrAll("At"));
    EXPECT_TRUE(IsCountOrAll("12"));
    EXPECT_FALSE(IsCountOrAll("N"));
    EXPECT_TRUE(IsEmptyOrNumber(""));
    EXPECT_FALSE(IsEmptyOrNumber("7a"));
    EXPECT_EQ(TroopWordCount("Foot"), 2);
    EXPECT_EQ(TacticWordCount("Outflank"), 1);
    EXPECT_EQ(TacticWordCount("?"), 0);
}

TEST(Codes, FillersAppendTheirEntries) {
    std::vector<std::string> list{"kept"};
    FillTroopTypes(list, false);
    EXPECT_EQ(list, (std::vector<std::string>{"kept", "Bowman", "Castle", "Foot soldier",
                                              "Horseman", "Ship"}));
    std::vector<report::TribeElem> tribes(2);
    tribes[0].name = "Vikings";
    tribes[1].name = "Saxons";
    tribes[1].number = 17;
    FillTribeChoices(list, tribes);
    EXPECT_EQ(list, (std::vector<std::string>{"1 - Vikings", "2 - Saxons"}));
}

} // namespace
} // namespace orv::move
