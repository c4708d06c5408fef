#include "core/report/map_parser.h"
#include "core/report/report_reader.h"
#include "core/report/text_file.h"
#include "core/report/views.h"
#include "report_builder.h"

#include <gtest/gtest.h>

namespace orv::report {
namespace {

using testing::Land;
using testing::Sea;
using testing::StripLines;

TEST(Views, EmptyMap) {
    EXPECT_EQ(ShowMapText(TMap{}), "      \r\n      +\r\n      ");
}

TEST(Views, TerrainTextFillsToTenCharacters) {
    EXPECT_EQ(TerrainText(Terrain::Swamp, '\''), "Swamps''''");
    EXPECT_EQ(TerrainText(Terrain::Metropolis, '~'), "Metropolis");
}

// One sea cell, one marked cell with troops, one plain owned cell.
TEST(Views, MapTextCellByCell) {
    TMap map;
    auto marked = Land("Forest''", "Picts", "5B'''''''", "2S G");
    marked.name = "Dun";
    LoadMapFromText(map, testing::Text(StripLines(
                             {{Sea(), marked, Land("City", "VIKINGS", "2F      f", "C")}})));
    const std::string text = ShowMapText(map);
    const std::vector<std::string> lines = SplitLines(text);
    ASSERT_EQ(lines.size(), 9U);
    EXPECT_EQ(lines[0], "            1          2          3    ");
    EXPECT_EQ(lines[1], "      +----------+----------+----------!");
    EXPECT_EQ(lines[2], "      !~~~~~~~~~~!Forest''''!City      !");
    EXPECT_EQ(lines[3], "      !~~~~~~~~~~!'Dun''''''!          !");
    EXPECT_EQ(lines[4], "   1  !~~~~~~~~~~! 5B'''''t'!     2F f !  1");
    EXPECT_EQ(lines[5], "      !~~~~~~~~~~!'''' 2S'G'!         C!");
    EXPECT_EQ(lines[6], "      !~~~~~~~~~~!Picts'''''!VIKINGS   !");
    EXPECT_EQ(lines[7], "      +----------+----------+----------+");
    EXPECT_EQ(lines[8], "            1          2          3    ");
}

TEST(Views, TwoDigitCountsAndWideRowNumbers) {
    TMap map;
    LoadMapFromText(map, testing::Text(StripLines({{Land("Plains")}})));
    map.Cell(1, 1)->troops[Bowmen] = 5;
    map.Cell(1, 1)->troops[FootSoldiers] = 12;
    map.Cell(1, 1)->troops[Horsemen] = 100;
    const std::vector<std::string> lines = SplitLines(ShowMapText(map));
    EXPECT_EQ(lines[4], "   1  ! 5B 12F   !  1");
    EXPECT_EQ(lines[5], "      !100H       !");
}

TEST(Views, GlobalOptionsOfEphb) {
    Game game;
    testing::LoadLines(game, testing::ReportLines({"Options: ePHB", "Orders per turn: 25"}, {}));
    const std::vector<std::string> lines = SplitLines(ShowGlobalOptionsText(game.options));
    ASSERT_EQ(lines.size(), 14U);
    for (std::size_t i = 0; i < 13; ++i) {
        const bool yes = i == 5 || i == 7 || i == 9 || i == 11;
        EXPECT_EQ(lines[i].substr(lines[i].rfind(": ") + 2), yes ? "YES" : "NO") << lines[i];
    }
    EXPECT_EQ(lines[0], "Ships can be bought with gold: NO");
    EXPECT_EQ(lines[8], "Empty (Left) provinces remain in possession of last owner: NO");
    EXPECT_EQ(lines[13], "Maximum orders per move: 25");
}

// A file name in a message is cut in the middle to 200 characters (counted in UTF-8), an
// order line to 200 bytes.
TEST(ShortTexts, CutInTheMiddleTo200Characters) {
    const auto times = [](std::string_view text, int n) {
        std::string out;
        for (int i = 0; i < n; ++i) {
            out += text;
        }
        return out;
    };
    const std::string e = "\xC3\xA9"; // one character, two bytes
    EXPECT_EQ(ShortName(times(e, 200)), times(e, 200));
    EXPECT_EQ(ShortName(times(e, 201)), times(e, 99) + "\xE2\x80\xA6" + times(e, 100));
    EXPECT_EQ(ShortName(times("a", 1000)), times("a", 99) + "\xE2\x80\xA6" + times("a", 100));
    EXPECT_EQ(ShortLine(times("x", 200)), times("x", 200));
    EXPECT_EQ(ShortLine(times("x", 201)), times("x", 99) + "\x85" + times("x", 100));
}

} // namespace
} // namespace orv::report
