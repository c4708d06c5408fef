#include "core/mapview/map_geometry.h"

#include <gtest/gtest.h>
#include <limits>

namespace orv::mapview {
namespace {

struct PixelCase {
    const char* name;
    int px, py;
    std::optional<check::MapPoint> province;
};

class ProvinceAtTest : public ::testing::TestWithParam<PixelCase> {};

// Tiles of 10 pixels after a margin of 5, 3 provinces across and 2 down.
TEST_P(ProvinceAtTest, FindsTheSquareUnderThePixel) {
    const Geometry g{10, 5, 3, 2};
    EXPECT_EQ(g.ProvinceAt(GetParam().px, GetParam().py), GetParam().province);
}

INSTANTIATE_TEST_SUITE_P(
    Pixels, ProvinceAtTest,
    ::testing::Values(PixelCase{"FirstPixel", 5, 5, check::MapPoint{1, 1}},
                      PixelCase{"LastPixelOfFirst", 14, 14, check::MapPoint{1, 1}},
                      PixelCase{"Second", 15, 14, check::MapPoint{2, 1}},
                      PixelCase{"LastProvince", 34, 24, check::MapPoint{3, 2}},
                      PixelCase{"LeftMargin", 4, 10, std::nullopt},
                      PixelCase{"RightMargin", 35, 10, std::nullopt},
                      PixelCase{"BottomMargin", 10, 25, std::nullopt},
                      PixelCase{"Negative", -7, -7, std::nullopt},
                      PixelCase{"Huge", std::numeric_limits<int>::max(), 10, std::nullopt}),
    [](const ::testing::TestParamInfo<PixelCase>& info) { return info.param.name; });

TEST(MapGeometry, ZoomStepsStayWithinTheLimitsAndAlwaysMove) {
    EXPECT_EQ(ZoomedTileSize(56, 1), 70);
    EXPECT_EQ(ZoomedTileSize(56, -1), 44);
    EXPECT_EQ(ZoomedTileSize(MinTileSize, 1), 15);
    EXPECT_EQ(ZoomedTileSize(13, -1), MinTileSize);
    EXPECT_EQ(ZoomedTileSize(56, std::numeric_limits<int>::max()), MaxTileSize);
    EXPECT_EQ(ZoomedTileSize(56, std::numeric_limits<int>::min()), MinTileSize);
    EXPECT_EQ(ZoomedTileSize(-5, 0), MinTileSize);
}

TEST(MapGeometry, FitTakesTheTighterSide) {
    EXPECT_EQ(FitTileSize(1048, 648, 50, 50, 24), 12); // 600 / 50
    EXPECT_EQ(FitTileSize(848, 548, 8, 10, 24), 50);   // 500 / 10
    EXPECT_EQ(FitTileSize(10000, 10000, 2, 2, 24), MaxTileSize);
    EXPECT_EQ(FitTileSize(800, 600, 0, 0, 24), DefaultTileSize);
    EXPECT_EQ(FitTileSize(-1, -1, 50, 50, 24), MinTileSize);
}

} // namespace
} // namespace orv::mapview
