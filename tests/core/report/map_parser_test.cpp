#include "core/report/map_parser.h"
#include "report_builder.h"

#include <gtest/gtest.h>

namespace orv::report {
namespace {

using testing::CellText;
using testing::Land;
using testing::Sea;
using testing::StripLines;
using testing::Text;

// A strip after the first goes on to the right of it, after any lines between them.
TEST(MapParser, StripsContinueToTheRight) {
    const auto strip =
        StripLines({{Land("Hills"), Land("Forest"), Sea()}, {Sea(), Land("Town"), Land("City")}});
    const auto third = StripLines({{Land("Marsh")}, {Land("Swamp")}});
    TMap map;
    LoadMapFromText(map, Text({"head"}) + Text(strip) + Text({"", "between"}) + Text(strip) +
                             Text(third));
    EXPECT_EQ(map.width, 7);
    EXPECT_EQ(map.height, 2);
    // The first and last column of each strip.
    EXPECT_EQ(map.GetTerrain(1, 1), Terrain::Hills);
    EXPECT_EQ(map.GetTerrain(3, 2), Terrain::City);
    EXPECT_EQ(map.GetTerrain(4, 1), Terrain::Hills);
    EXPECT_EQ(map.GetTerrain(6, 2), Terrain::City);
    EXPECT_EQ(map.GetTerrain(7, 2), Terrain::Swamp);
}

// A count is the last digit before a letter, carried over letters within one line.
TEST(MapParser, TroopLinesInTheReportsNotation) {
    using Troops = std::array<std::int32_t, TroopKinds>; // F B H C G S
    const struct {
        const char *line3, *line4;
        Troops troops;
    } rows[] = {
        {"3F2B", "1G", {3, 2, 0, 0, 1, 0}},     {"12F", "", {2, 0, 0, 0, 0, 0}},
        {"2H", "H", {0, 0, 0, 0, 0, 0}}, // the count starts from 0 on each line
        {"4F B", "2S H C", {4, 4, 2, 1, 0, 2}}, {"3f2b", "g c", {0, 0, 0, 0, 0, 0}},
    };
    for (const auto& row : rows) {
        TMap map;
        LoadMapFromText(map, Text(StripLines({{Land("Plains", "Picts", row.line3, row.line4)}})));
        EXPECT_EQ(map.At(1, 1).troops, row.troops) << row.line3 << "|" << row.line4;
    }
}

// Apostrophes after a word mark the cell; a letter at the end of the first troop line is
// the status letter; the terrain name cut to the cell's width still reads.
TEST(MapParser, StatusLetterApostrophesAndTruncatedMetropolis) {
    CellText marked = Land("Hills''''", "Vikings", "3F'''''''", "");
    CellText status = Land("Metropoli", "Vikings", "1F      u");
    TMap map;
    LoadMapFromText(map, Text(StripLines({{marked, status}})));
    EXPECT_TRUE(map.At(1, 1).apostropheMark);
    EXPECT_EQ(map.GetTerrain(1, 1), Terrain::Hills);
    EXPECT_EQ(map.Troops(1, 1, FootSoldiers), 3);
    EXPECT_EQ(map.At(2, 1).statusLetter, 3);
    EXPECT_EQ(map.GetTerrain(2, 1), Terrain::Metropolis);
    EXPECT_EQ(map.At(1, 1).statusLetter, StatusLetterNone);
}

// Blanks, control characters and apostrophes at either end of a cell are no part of what it
// says; apostrophes between its words read as blanks. Only the terrain and troop lines mark.
// An owner with no lower-case letter is a home province; a cell of tildes has no owner.
TEST(MapParser, CellPaddingAndApostrophes) {
    using enum Terrain;
    const struct {
        CellText cell;
        const char *name, *owner;
        bool home;
        Terrain terrain;
        std::int32_t foot;
        bool marked;
    } cases[] = {
        {{"'Hills'", "'Birka'", "'3F'", "", "'PICTS'"}, "Birka", "PICTS", true, Hills, 3, true},
        {{"Hi'lls", "Old'Birka", "", "3'F", "PICT'a"}, "Old Birka", "PICT a", false, Sea, 3, true},
        // \177 is no control character below 33: it stays.
        {{"\1Forest", "\177Bir\1", "", "", "PICTz\1"}, "\177Bir", "PICTz", false, Forest, 0, false},
        {{"Plains", "", "2F", "'", ""}, "", "", true, Plains, 2, true},
        {{"Plains", "\1", "", "", "~~~~'~~~~"}, "", "~~~~ ~~~~", true, Plains, 0, false},
        {Land("Plains"), "", "", false, Plains, 0, false},
        {Land("Plains", "Picts"), "", "Picts", false, Plains, 0, false},
    };
    TMap map;
    for (const auto& c : cases) {
        LoadMapFromText(map, Text(StripLines({{c.cell}})));
        const Province& p = map.At(1, 1);
        EXPECT_EQ(p.nameLine, c.name) << c.cell.name;
        EXPECT_EQ(p.owner, c.owner) << c.cell.owner;
        EXPECT_EQ(p.homeProvince, c.home) << c.cell.owner;
        EXPECT_EQ(p.terrain, c.terrain) << c.cell.terrain;
        EXPECT_EQ(p.troops[FootSoldiers], c.foot) << c.cell.troops1 << "|" << c.cell.troops2;
        EXPECT_EQ(p.apostropheMark, c.marked) << c.cell.terrain;
    }
    EXPECT_EQ(map.GetOwner(1, 1), "PICTS"); // the last row's owner, compared upper-cased
}

// Isolation lines before the map mark provinces; free text about isolation, provinces off the
// grid and lines after the map are passed over. A report without a frame gives an empty map.
TEST(MapParser, IsolationLinesBeforeTheMapAndNoMap) {
    TMap map;
    LoadMapFromText(
        map, Text({"In the isolated province 12 / 7 troops starve.", "Province 9/19 is isolated.",
                   "Your town Birka is isolated by the storm."}) +
                 Text(StripLines({{Land("Plains")}})) + Text({"Province 1/1 is isolated."}));
    EXPECT_TRUE(map.IsIsolated(12, 7));
    EXPECT_TRUE(map.IsIsolated(9, 19));
    EXPECT_FALSE(map.IsIsolated(1, 1));
    EXPECT_EQ(map.width, 1);
    EXPECT_EQ(map.GetTerrain(1, 1), Terrain::Plains);
    LoadMapFromText(map, Text({"no map in this report"}));
    EXPECT_EQ(map.width, 0);
    EXPECT_EQ(map.height, 0);
}

// An empty line after a bottom frame is the first cell line of another row, not the end.
TEST(MapParser, EmptyLineAfterTheBottomFrameStartsAnotherRow) {
    auto lines = StripLines({{Land("Plains")}});
    lines.back() = "";
    lines.insert(lines.end(), {"     !         !", "     !         !", "     !         !",
                               "     !PICTS    !", "     +---------+", "          1"});
    TMap map;
    LoadMapFromText(map, Text(lines));
    EXPECT_EQ(map.height, 2);
    EXPECT_EQ(map.GetOwner(1, 2), "PICTS");
    EXPECT_EQ(map.GetTerrain(1, 2), Terrain::Sea);
}

// A map larger than the grid is read as far as the grid goes, and the player is told.
TEST(MapParser, OversizedMapsStayInsideTheGrid) {
    std::vector<std::vector<CellText>> rows(
        60, std::vector<CellText>(60, Land("Forest", "PICTS", "9F9B", "9S G C")));
    const auto strip = StripLines(rows);
    TMap map;
    LoadMapFromText(map, Text(strip) + Text(strip));
    EXPECT_EQ(map.width, 50);
    EXPECT_EQ(map.height, 50);
    EXPECT_EQ(map.GetTerrain(50, 50), Terrain::Forest);
    EXPECT_FALSE(map.IsOnMap(51, 50));
    EXPECT_EQ(MapCutMessage(map),
              "The report's map is 120 x 60 provinces; only 50 x 50 of them are read.");
    LoadMapFromText(map, Text(StripLines({std::vector<CellText>(50, Land("Forest", "", "", ""))})));
    EXPECT_EQ(MapCutMessage(map), "");
}

// Cell lines that end before the cell, or hold control characters, read as empty cells.
TEST(MapParser, ShortAndOddLinesReadAsEmptyCells) {
    const std::vector<std::string> lines = {
        "+---------+---------+", "Plains", "", "1F      ", "\x01", "", "+---------+---------+"};
    TMap map;
    LoadMapFromText(map, Text(lines));
    EXPECT_EQ(map.width, 2);
    EXPECT_EQ(map.GetTerrain(1, 1), Terrain::Plains);
    EXPECT_EQ(map.Troops(1, 1, FootSoldiers), 1);
    EXPECT_EQ(map.At(1, 1).statusLetter, StatusLetterNone);
    EXPECT_EQ(map.GetTerrain(2, 1), Terrain::Sea);
}

// A land province is coastal with sea beside it, not diagonally; nothing is off the map.
TEST(MapModel, CoastsAndBoundsLookInsideTheMap) {
    TMap map;
    EXPECT_FALSE(map.IsOnMap(1, 1));
    LoadMapFromText(map, Text(StripLines({{Land("Plains"), Land("Plains"), Sea()},
                                          {Land("Plains"), Land("Plains"), Land("Plains")}})));
    EXPECT_FALSE(map.IsCoastal(1, 1)); // the edge of the map is no sea
    EXPECT_TRUE(map.IsCoastal(2, 1));
    EXPECT_TRUE(map.IsCoastal(3, 2));
    EXPECT_FALSE(map.IsCoastal(2, 2)); // diagonal sea does not count
    EXPECT_TRUE(map.IsOnMap(3, 2));
    EXPECT_FALSE(map.IsOnMap(0, 1));
    EXPECT_FALSE(map.IsOnMap(4, 1));
    EXPECT_FALSE(map.IsOnMap(3, 3));
    EXPECT_EQ(map.Troops(0, 51, FootSoldiers), 0);
    EXPECT_EQ(map.GetTerrain(-1, 1), Terrain::Sea);
    map.width = 2;
    EXPECT_FALSE(map.IsCoastal(2, 1)); // column 3 lies outside the map now
}

} // namespace
} // namespace orv::report
