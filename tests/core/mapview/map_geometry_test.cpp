#include "core/mapview/map_geometry.h"

#include <gtest/gtest.h>
#include <limits>

namespace orv::mapview {
namespace {

constexpr int IntMax = std::numeric_limits<int>::max();
constexpr int IntMin = std::numeric_limits<int>::min();

// Tiles of 10 pixels after a margin of 5, 3 provinces across and 2 down.
TEST(MapGeometry, ProvinceAtFindsTheSquareUnderThePixel) {
    const Geometry g{10, 5, 3, 2};
    const struct {
        int px, py;
        std::optional<check::MapPoint> province;
    } rows[] = {
        {5, 5, check::MapPoint{1, 1}},   {14, 14, check::MapPoint{1, 1}},
        {15, 14, check::MapPoint{2, 1}}, {34, 24, check::MapPoint{3, 2}},
        {4, 10, std::nullopt},           {35, 10, std::nullopt},
        {10, 25, std::nullopt},          {-7, -7, std::nullopt},
        {IntMax, 10, std::nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(g.ProvinceAt(row.px, row.py), row.province) << row.px << "," << row.py;
    }
}

TEST(MapGeometry, ZoomStepsStayWithinTheLimitsAndAlwaysMove) {
    EXPECT_EQ(ZoomedTileSize(56, 1), 70);
    EXPECT_EQ(ZoomedTileSize(56, -1), 44);
    EXPECT_EQ(ZoomedTileSize(MinTileSize, 1), 15);
    EXPECT_EQ(ZoomedTileSize(13, -1), MinTileSize);
    EXPECT_EQ(ZoomedTileSize(56, IntMax), MaxTileSize);
    EXPECT_EQ(ZoomedTileSize(56, IntMin), MinTileSize);
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
