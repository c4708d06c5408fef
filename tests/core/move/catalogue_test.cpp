#include "core/move/catalogue.h"
#include "core/move/codes.h"

#include <gtest/gtest.h>

namespace orv::move {
namespace {

using Entries = std::vector<std::string>;

// Each form orders the commands list by its own position column.
TEST(Catalogue, ListsFollowTheirPositionColumns) {
    const Entries raw = CommandCaptions(DisplayForm::Raw);
    EXPECT_EQ(raw[1], "BUILD (Change Terrain Type)");
    EXPECT_EQ(raw[11], "      (Send Message(s))");
    EXPECT_EQ(CommandCaptions(DisplayForm::Natural)[1], "Cede Province");
    EXPECT_EQ(CommandAtPosition(DisplayForm::Natural, 1), CommandKind::CedeProvince);
    EXPECT_EQ(CommandAtPosition(DisplayForm::Natural, 6), CommandKind::MoveThroughSea);
    EXPECT_EQ(CommandAtPosition(DisplayForm::Natural, 12), std::nullopt);
}

TEST(Codes, TranslateWithCaseAndUnknownCodes) {
    const std::pair<std::string, const char*> cases[] = {
        {TroopName("XX", true), "?"},   {TacticName("TT"), "?"},
        {TacticNameFromText("T"), "?"}, // by the whole name, not by the initial
        {DirectionWords(" "), "?"},     {DirectionLetters("west x"), "W ?"},
        {CountText("at"), "all"},       {StripComma("4,,"), "4,"},
    };
    for (const auto& [got, want] : cases) {
        EXPECT_EQ(got, want);
    }
    EXPECT_TRUE(AreDirections("N No Nor we SOUTH"));
    EXPECT_TRUE(AreDirections(""));
    EXPECT_FALSE(AreDirections("northeast"));
    EXPECT_TRUE(IsCountOrAll("At"));
    EXPECT_FALSE(IsCountOrAll("N"));
    EXPECT_EQ(TacticWordCount("?"), 0);
}

// The tribe list is numbered by position, not by the tribe's own number. (The troop lists
// are the dialog setup test's.)
TEST(Codes, TribesAreListedByPosition) {
    Entries list{"kept"};
    std::vector<report::TribeElem> tribes(2);
    tribes[0].name = "Vikings";
    tribes[1].name = "Saxons";
    tribes[1].number = 17;
    FillTribeChoices(list, tribes);
    EXPECT_EQ(list, (Entries{"1 - Vikings", "2 - Saxons"}));
}

} // namespace
} // namespace orv::move
