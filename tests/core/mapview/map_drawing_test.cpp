#include "../check/test_world.h"
#include "../move/move_builder.h"
#include "core/mapview/map_drawing.h"

#include <gtest/gtest.h>
#include <tuple>
#include <utility>

namespace orv::mapview {
namespace {

using check::MapPoint;
using check::testing::World;
using report::FootSoldiers;
using report::Horsemen;
using report::Ships;

// Sea along the top and the left, a city at 6/2, own provinces 2/2 (home, coast) and 4/3,
// foreign 5/4, isolated 3/4. Sea 1/3 holds ships.
World MakeWorld() {
    World w({"~~~~~~", "~....C", "~.....", "~.....", "~....."});
    w.Own(2, 2, true).Own(4, 3).Own(3, 4).Foreign(5, 4).Isolate(3, 4);
    w.Troops(2, 2, FootSoldiers, 3).Troops(2, 2, Horsemen, 1);
    w.Troops(4, 3, FootSoldiers, 4).Troops(4, 3, Horsemen, 2).Troops(4, 3, report::Castles, 1);
    w.Troops(1, 3, Ships, 3).Troops(3, 4, FootSoldiers, 2);
    return w;
}

// A raw move of the given orders inside its frame.
move::MoveList Framed(std::vector<std::string> orders) {
    orders.insert(orders.begin(), "BEGIN");
    orders.emplace_back("END");
    return move::testing::RawMove(std::move(orders));
}

Drawing Draw(const report::Game& game, const move::MoveList& move) {
    return BuildDrawing(game, move, check::CheckMove(move, game));
}

// The walk itself, its kind and points are the check's; an arrow adds how its end is shown.
TEST(MapDrawing, ArrowsFollowTheWalkOfTheCheck) {
    const struct {
        const char* order;
        PathEnd end;
        const char* stop;
    } rows[] = {
        {"LAND 2 2 FO 1 E E", PathEnd::Arrived, ""},
        {"LAND 2 2 FO 1 N", PathEnd::Stopped,
         "The troops end in this sea province (a sea movement can carry them on)."},
        {"SEA 1 3 SH 1 N N N", PathEnd::Failed, "Ship moves beyond map boundaries!"},
    };
    for (const auto& row : rows) {
        const Drawing drawing = Draw(MakeWorld().game, Framed({row.order}));
        ASSERT_EQ(drawing.arrows.size(), 1U) << row.order;
        const Arrow& arrow = drawing.arrows[0];
        EXPECT_EQ(arrow.line, 1U);
        EXPECT_EQ(arrow.end, row.end) << row.order;
        EXPECT_EQ(arrow.stop, row.stop) << row.order;
    }
}

TEST(MapDrawing, OrdersRefusedBeforeTheirWalkDrawNoPathButKeepTheirMessages) {
    const Drawing drawing = Draw(MakeWorld().game, Framed({"LAND 9 9 FO 1 E"}));
    EXPECT_TRUE(drawing.arrows.empty());
    EXPECT_EQ(drawing.lineMessages,
              (std::vector<std::string>{"", "   Illegal province coordinates!\n", ""}));
}

TEST(MapDrawing, MarksEveryProvinceAnOrderNames) {
    const Drawing drawing = Draw(
        MakeWorld().game, Framed({"PLA 2 2 FO 3 2 SH 9 99 CA", "DEF 4 3 T", "ESP 5 4 5 5",
                                  "NAME 4 3 Oslo", "NAME Harald", "CEDE 4 3 Olaf", "BUILD 4 2"}));
    std::vector<std::tuple<std::size_t, int, int, std::string>> marks;
    for (const Mark& m : drawing.marks) {
        marks.emplace_back(m.line, m.at.x, m.at.y, m.label);
    }
    const std::vector<std::tuple<std::size_t, int, int, std::string>> expected{
        {1, 2, 2, "+FO"}, {1, 3, 2, "+SH"},  {2, 4, 3, "DT"},   {3, 5, 4, "ESP"},
        {3, 5, 5, "ESP"}, {4, 4, 3, "NAME"}, {6, 4, 3, "CEDE"}, {7, 4, 2, "BUILD"}};
    EXPECT_EQ(marks, expected);
    EXPECT_EQ(drawing.marks[0].kind, MarkKind::Placement);
}

TEST(MapDrawing, TilesCarryTheReportAndWhoseTheyAre) {
    const Drawing drawing = Draw(MakeWorld().game, Framed({}));
    ASSERT_EQ(drawing.tiles.size(), 30U);
    const Tile& home = *drawing.TileAt(2, 2);
    EXPECT_TRUE(home.own && home.home && !home.sea && !home.town);
    EXPECT_EQ(home.initials, "HAR");
    EXPECT_TRUE(drawing.TileAt(3, 4)->isolated);
    EXPECT_FALSE(drawing.TileAt(5, 4)->own);
    EXPECT_TRUE(drawing.TileAt(6, 2)->town);
    EXPECT_TRUE(drawing.TileAt(1, 1)->sea);
    EXPECT_EQ(drawing.TileAt(0, 1), nullptr);
    EXPECT_EQ(drawing.TileAt(7, 1), nullptr);
}

TEST(MapDrawing, HostileInputStaysInsideTheGrid) {
    World w = MakeWorld();
    w.game.map.width = 400;
    w.game.map.height = -3;
    const Drawing drawing =
        Draw(w.game, move::testing::RawMove({"BEGIN", "LAND 2 2 FO 1 E", "PLA 2147483647 2 FO"}));
    EXPECT_EQ(drawing.width, 50);
    EXPECT_EQ(drawing.height, 0);
    EXPECT_TRUE(drawing.tiles.empty());
    EXPECT_EQ(ProvinceDetails(drawing, 2, 2), "");
}

// Counts in the order foot, bowmen, horsemen, castles, generals, ships.
TEST(MapDrawing, TroopLinesAndOwnerInitials) {
    const std::pair<TroopCounts, std::array<std::string, 2>> troops[] = {
        {{3, 2, 1, 1, 1, 4}, {"3F 2B", "1H 4S G C"}},
        {{-2, 0, 0, 0, 0, 0}, {"-2F", ""}}, // after an overdrawn move
    };
    for (const auto& [counts, lines] : troops) {
        EXPECT_EQ(TroopLines(counts), lines) << lines[0] << "|" << lines[1];
    }
    const std::pair<const char*, const char*> names[] = {
        {"Black Company", "BC"}, {"picts", "PIC"}, {"a b c d", "ABC"}, {"  ", ""}};
    for (const auto& [name, initials] : names) {
        EXPECT_EQ(OwnerInitials(name), initials) << name;
    }
}

TEST(MapDrawing, PreviewTakesTheLineOfTheCheckedCopyAlone) {
    const move::MoveList copy = Framed({"LAND 2 2 FO 1 E", "LAND 4 3 FO 1 W N N", "RAID 9 9 X"});
    Drawing drawing = Draw(MakeWorld().game, Framed({}));
    SetPreview(drawing, check::CheckMove(copy, MakeWorld().game), 2);
    ASSERT_EQ(drawing.preview.size(), 1U);
    EXPECT_EQ(drawing.preview[0].line, 2U);
    EXPECT_EQ(drawing.previewMessages, "   Move points exceeded!\n");
    SetPreview(drawing, check::CheckMove(copy, MakeWorld().game), 3);
    EXPECT_TRUE(drawing.preview.empty());
    EXPECT_EQ(drawing.previewMessages, "   Unknown troop type X!\n   Order is incomplete!\n"
                                       "   Illegal province coordinates!\n");
}

TEST(MapDrawing, DetailsTellTheProvinceAndTheFailuresThere) {
    World w = MakeWorld();
    w.game.tribes.push_back({"Olafsson of Trondheim", 2, {}});
    w.Cell(5, 4).owner = "OLAFSSON"; // the report cuts the name to nine characters
    w.Cell(4, 3).nameLine = "Dun Eidyn";
    // The report fills the cells of the sea with '~', and of land no one holds.
    w.Cell(1, 1).nameLine = "~~~~~~~~~";
    w.Cell(1, 1).owner = "~~~~";
    const Drawing drawing = Draw(w.game, Framed({"LAND 4 3 HO 1 E E E", "LAND 4 3 FO 2 W",
                                                 "PLA 4 3 FO", "DEF 4 3 F", "PLA 4 3 FO"}));
    EXPECT_EQ(ProvinceDetails(drawing, 5, 4),
              "Plains 5/4\nOwner: Olafsson of Trondheim\nTroops: none");
    EXPECT_EQ(ProvinceDetails(drawing, 6, 3), "Plains 6/3\nOwner: none\nTroops: none\n"
                                              "Line 1: Moves beyond map boundaries not allowed!");
    EXPECT_EQ(ProvinceDetails(drawing, 2, 2),
              "Plains 2/2\nOwner: HARALD\nHome province\nTroops: 3F 1H");
    EXPECT_EQ(ProvinceDetails(drawing, 4, 3),
              "Plains 4/3 \"Dun Eidyn\"\nOwner: Harald\nTroops: 4F 2H C\n"
              "After the move: 4F 1H C\nOrders: +FO (2), DF");
    EXPECT_EQ(ProvinceDetails(drawing, 1, 1), "Sea 1/1\nOwner: none\nTroops: none");
    EXPECT_EQ(drawing.TileAt(1, 1)->initials, "");
}

} // namespace
} // namespace orv::mapview
