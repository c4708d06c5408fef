#include "core/report/report_reader.h"
#include "report_builder.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace orv::report {
namespace {

using testing::ReportLines;

const std::string VikingsRow = "3 Vikings 2400 520 80 55 40 9 3 45 1 880 131";

TEST(ReportReader, OrdersPerTurnInAnyCaseAndShortForm) {
    const std::pair<const char*, std::int32_t> rows[] = {
        {"Orders Per Turn:   12", 12}, {"orders p. turn: many", 9999}, {"ORDERS P. TURN:$1F", 31}};
    for (const auto& [line, orders] : rows) {
        Game game;
        testing::LoadLines(game, ReportLines({line}, {VikingsRow}));
        EXPECT_EQ(game.options.maxOrdersPerMove, orders) << line;
    }
}

// The options word sets exactly its letters (ePHB: the options view test); both keywords may
// share a line, a later line overrides, and the block ends at the first empty line, not at a
// line of blanks.
TEST(ReportReader, OptionsWordSetsExactlyItsLetters) {
    Game game;
    testing::LoadLines(game, ReportLines({"Options: LASsGThEM"}, {VikingsRow}));
    EXPECT_EQ(game.options, (GameOptions{.emptyProvincesKeepOwner = true,
                                         .anyProvinceCanBecomeHome = true,
                                         .buildOrderActive = false,
                                         .shipsBuyableWithGold = true,
                                         .shipsOnlyWithGold = true,
                                         .generalsBuyableWithGold = true,
                                         .tabulatedBattleReport = true,
                                         .witchcraftAllowed = true,
                                         .troopPlacementSetsLandSeaFlag = true,
                                         .shipsHaveCrew = true}));
    testing::LoadLines(game, ReportLines({"   ", "Options: S  Orders per turn: 7", "Options: G", "",
                                          "Orders per turn: 6"},
                                         {VikingsRow}));
    EXPECT_EQ(game.options, (GameOptions{.buildOrderActive = false,
                                         .generalsBuyableWithGold = true,
                                         .maxOrdersPerMove = 7}));
}

// The name lies between the number and the eleven figures at the row's end.
TEST(ReportReader, TribeRowsTakeNameAndFiguresFromTheRowsEnd) {
    const struct {
        const char* row;
        const char* tribe;
        std::int32_t number, gold, wood, food;
    } rows[] = {
        {"1   Black   Company 10 20 3 4 5 6 7 8 99 30 11", "Black Company", 1, 10, 20, 30},
        {"4", "", 4, 0, 0, 0},
        {"6 Red Fox", "Red", 6, 0, 0, 0}, // the last word stands in the figures' place
        {"5 Iron Wolves 1 2 3 4 5", "Iron Wolves 1 2 3 4", 5, 0, 0, 0},
        {"2 Odin -15 -3 0 0 0 0 0 0 0 -7 0", "Odin", 2, -15, -3, -7},
        {"2 Odin -12a 3k x 0 0 0 0 0 0 $10 0", "Odin", 2, 12, 3, 16}, // leading digits only
        {"2 Odin 99999999999999999999 -99999999999999999999 0 0 0 0 0 0 0 4294967296 0", "Odin", 2,
         2147483647, -2147483647 - 1, 2147483647},
    };
    for (const auto& r : rows) {
        Game game;
        AddTribeRow(game, r.row);
        ASSERT_EQ(game.tribes.size(), 1U);
        const TribeElem& t = game.tribes[0];
        EXPECT_EQ(t.name, r.tribe) << r.row;
        EXPECT_EQ((std::array{t.number, t.Gold(), t.Wood(), t.Food()}),
                  (std::array{r.number, r.gold, r.wood, r.food}))
            << r.row;
    }
}

// The table ends at the first row without a number or at the text's end; a settings block
// after it is not read, and a heading in the last line gives an empty list.
TEST(ReportReader, TableEndsAtFirstRowWithoutANumber) {
    Game game;
    game.options.shipsHaveCrew = true;
    const ReportLoadResult r = testing::LoadLines(
        game, {"General Report", "=", "h", "-", "1 A 1 2 3 4 5 6 7 8 9 10 11", "2 B", "x 3 C",
               "4 D", "GAME SPECIFICATION", "-", "Options: S", "Orders per turn: 3"});
    EXPECT_EQ(r.status, ReportLoadStatus::Loaded);
    ASSERT_EQ(game.tribes.size(), 2U);
    EXPECT_EQ(game.tribes[1].name, "B");
    EXPECT_EQ(game.options.maxOrdersPerMove, 9999);
    EXPECT_TRUE(game.options.shipsHaveCrew);
    EXPECT_FALSE(game.options.shipsBuyableWithGold);

    EXPECT_EQ(testing::LoadLines(game, {"General Report", "=", "h", "-", "1 A", "2 B"}).status,
              ReportLoadStatus::Loaded);
    EXPECT_EQ(game.tribes.size(), 2U);
    const ReportLoadResult last = testing::LoadLines(game, {"Turn 1", "General  Report"});
    EXPECT_EQ(last.status, ReportLoadStatus::Loaded);
    EXPECT_TRUE(last.message.Empty());
    EXPECT_TRUE(game.tribes.empty());
}

TEST(ReportReader, MissingHeadingKeepsMapAndOptionsAndEmptiesTheList) {
    Game game;
    AddTribeRow(game, VikingsRow);
    game.currentTribe = 0;
    std::vector<std::string> lines = testing::StripLines({{testing::Land("Hills", "Picts")}});
    lines.insert(lines.begin(), {"GAME SPECIFICATION", "-", "Options: T", "", "general report"});
    const ReportLoadResult r = testing::LoadLines(game, lines);
    EXPECT_EQ(r.status, ReportLoadStatus::NoGeneralReport);
    EXPECT_EQ(r.message.Bytes(), "Section \"General Report\" not found!");
    EXPECT_TRUE(game.tribes.empty());
    EXPECT_EQ(game.CurrentTribe(), nullptr);
    EXPECT_TRUE(game.options.tabulatedBattleReport);
    EXPECT_EQ(game.map.GetTerrain(1, 1), Terrain::Hills);
}

TEST(ReportReader, FirstOfTwoEqualNamesBecomesCurrent) {
    Game game;
    AddTribeRow(game, "1 Picts 1 2 3 4 5 6 7 8 9 10 11");
    AddTribeRow(game, "2 Picts 9 2 3 4 5 6 7 8 9 10 11");
    game.tribeName = "Picts";
    ASSERT_TRUE(SelectCurrentTribe(game));
    EXPECT_EQ(game.CurrentTribe()->number, 1);
    game.tribeName = "picts";
    EXPECT_FALSE(SelectCurrentTribe(game));
    EXPECT_EQ(game.CurrentTribe(), nullptr);
}

using ReportFileTest = fixtures::TempFolder;

// A NUL byte would cut the name short and could name a file that exists. The title says
// the report was not found, never that it was loaded.
TEST_F(ReportFileTest, MissingFileChangesOnlyTheTitle) {
    Game game;
    AddTribeRow(game, VikingsRow);
    game.options.maxOrdersPerMove = 17;
    const std::string real = Write("turn1.txt", "General Report\n=\nh\n-\n1 A\n");
    for (const std::string& name :
         {(dir / "nothing.txt").string(), dir.string(), real + std::string(1, '\0') + "x"}) {
        const ReportLoadResult r = LoadReport(game, name);
        EXPECT_EQ(r.status, ReportLoadStatus::FileNotFound);
        EXPECT_EQ(r.message.Bytes(), "File " + name + " not found!");
        EXPECT_EQ(r.title.Bytes(), "OrvMove (report not found: " + name + ")");
        EXPECT_EQ(game.tribes.size(), 1U);
        EXPECT_EQ(game.options.maxOrdersPerMove, 17);
    }
}

// A file with neither a General Report table nor a map is refused, and the report that was
// loaded stays.
TEST_F(ReportFileTest, FileThatIsNoReportChangesNothing) {
    Game game;
    AddTribeRow(game, VikingsRow);
    game.currentTribe = 0;
    game.map.width = 1;
    // Any other bytes are the fuzz target's; it also asserts that the game stays.
    const std::string path = Write("notes.txt", "Turn 12\r\n");
    const ReportLoadResult r = LoadReport(game, path);
    EXPECT_EQ(r.status, ReportLoadStatus::NoReport);
    EXPECT_EQ(r.message.Bytes(), "File " + path + " is no turn report!");
    EXPECT_EQ(game.tribes.size(), 1U);
    EXPECT_EQ(game.currentTribe, 0U);
    EXPECT_EQ(game.map.width, 1);
}

} // namespace
} // namespace orv::report
