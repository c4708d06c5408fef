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
}

TEST(Codes, TranslateWithCaseAndUnknownCodes) {
    const std::pair<std::string, const char*> cases[] = {
        {TroopName("ho", true), "Horsemen"},
        {TroopName("BO", false), "Bowman"},
        {TroopName("XX", true), "?"},
        {TroopName("", false), "?"},
        {TacticName("TT"), "?"},
        {TacticNameFromText("T"), "?"}, // by the whole name, not by the initial
        {TacticCode("Outflank"), "U"},
        {DirectionWords("N e S"), "north east south"},
        {DirectionWords(" "), "?"},
        {DirectionLetters("west x"), "W ?"},
        {CountText("at"), "all"},
        {StripComma("4,,"), "4,"},
    };
    for (const auto& [got, want] : cases) {
        EXPECT_EQ(got, want);
    }
}

TEST(Codes, PredicatesAndWordCounts) {
    EXPECT_TRUE(AreDirections("N No Nor we SOUTH"));
    EXPECT_TRUE(AreDirections(""));
    EXPECT_FALSE(AreDirections("N Q"));
    EXPECT_FALSE(AreDirections("northeast"));
    EXPECT_TRUE(IsCountOrAll("At"));
    EXPECT_FALSE(IsCountOrAll("N"));
    EXPECT_TRUE(IsEmptyOrNumber(""));
    EXPECT_FALSE(IsEmptyOrNumber("7a"));
    EXPECT_EQ(TroopWordCount("Foot"), 2);
    EXPECT_EQ(TacticWordCount("?"), 0);
}

TEST(Codes, FillersAppendTroopsAndListTribesByPosition) {
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
