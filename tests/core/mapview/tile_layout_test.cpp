#include "core/mapview/tile_layout.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace orv::mapview {
namespace {

// A province as the painter measures it at the usual zoom: 56 pixels, texts of 10 and 9
// rows, badges of 8.
TileContent Usual() {
    TileContent c;
    c.side = 56;
    c.inset = 4;
    c.corner = 9;
    c.ownerWidth = 37;
    c.initialsWidth = 20;
    c.ownerHeight = 10;
    c.troopWidths = {37, 30};
    c.troopHeight = 9;
    c.nameWidth = 46;
    c.nameHeight = 9;
    c.badgeHeight = 8;
    c.countWidth = 14;
    return c;
}

// Nothing leaves the square inside the inset and nothing covers anything else, for every
// zoom and every mix of texts, however many badges and however wide the texts.
TEST(TileLayout, NothingLeavesTheTileOrCoversAnother) {
    constexpr int Huge = std::numeric_limits<int>::max();
    for (int side = 0; side <= 160; side += 3) {
        for (int mix = 0; mix < 64; ++mix) {
            TileContent c = Usual();
            c.side = side;
            c.inset = std::max(2, side / 16) + 1;
            c.corner = std::max(4, side / 6);
            c.home = (mix & 1) != 0;
            c.town = (mix & 2) != 0;
            c.ownerWidth = (mix & 4) != 0 ? Huge : 0;
            c.troopWidths = {(mix & 8) != 0 ? side : 0, 12};
            c.nameWidth = (mix & 16) != 0 ? 40 : 0;
            c.noteWidth = (mix & 32) != 0 ? 12 : 0;
            c.noteHeight = 9;
            c.badgeWidths.assign(static_cast<std::size_t>(mix % 7 * 10), 22);
            const TileLayout l = LayOutTile(c);
            std::vector<Box> boxes{l.home,      l.town, l.owner, l.troops[0],
                                   l.troops[1], l.name, l.note,  l.count};
            boxes.insert(boxes.end(), l.badges.begin(), l.badges.end());
            const std::string at = std::to_string(side) + "/" + std::to_string(mix);
            for (std::size_t i = 0; i < boxes.size(); ++i) {
                const Box& b = boxes[i];
                if (b.Empty()) {
                    continue;
                }
                EXPECT_TRUE(b.x >= c.inset && b.y >= c.inset && b.Right() <= side - c.inset &&
                            b.Bottom() <= side - c.inset)
                    << at << " box " << i;
                for (std::size_t j = i + 1; j < boxes.size(); ++j) {
                    EXPECT_FALSE(b.Overlaps(boxes[j])) << at << " boxes " << i << ", " << j;
                }
            }
        }
    }
}

// Short of room, the troop lines come first, then the owner, then the name; the badges
// take what is left.
TEST(TileLayout, RoomGoesByRank) {
    const struct {
        int side;
        bool owner, troop2, name;
        std::size_t badges;
    } rows[] = {
        {56, true, true, true, 2},   {46, true, true, true, 0},    {44, true, true, false, 1},
        {32, false, true, false, 0}, {24, false, false, false, 0},
    };
    for (const auto& row : rows) {
        TileContent c = Usual();
        c.side = row.side;
        c.badgeWidths = {20, 20};
        const TileLayout l = LayOutTile(c);
        EXPECT_FALSE(l.troops[0].Empty()) << row.side;
        EXPECT_EQ(!l.troops[1].Empty(), row.troop2) << row.side;
        EXPECT_EQ(!l.owner.Empty(), row.owner) << row.side;
        EXPECT_EQ(!l.name.Empty(), row.name) << row.side;
        EXPECT_EQ(l.badges.size(), row.badges) << row.side;
    }
}

// Centred from the top, narrowed to their room; beside the corner marks the owner shows
// its initials, and what fits there neither goes below them.
TEST(TileLayout, TextsNarrowToTheirRoomAndKeepClearOfTheCorners) {
    const struct {
        bool town;
        int ownerWidth, initialsWidth;
        Box owner;
        bool initials;
        int troopsY;
    } rows[] = {
        {false, 37, 20, {9, 4, 37, 10}, false, 14}, {true, 37, 20, {18, 4, 20, 10}, true, 14},
        {true, 28, 20, {14, 4, 28, 10}, false, 14}, {true, 37, 29, {9, 13, 37, 10}, false, 23},
        {true, 60, 29, {13, 13, 29, 10}, true, 23}, {true, 0, 0, {}, false, 13},
    };
    for (const auto& row : rows) {
        TileContent c = Usual();
        c.town = row.town;
        c.ownerWidth = row.ownerWidth;
        c.initialsWidth = row.initialsWidth;
        c.nameWidth = 500;
        const TileLayout l = LayOutTile(c);
        EXPECT_EQ(l.owner, row.owner) << row.ownerWidth;
        EXPECT_EQ(l.initials, row.initials) << row.ownerWidth;
        EXPECT_EQ(l.troops[0], (Box{9, row.troopsY, 37, 9})) << row.ownerWidth;
        EXPECT_EQ(l.name.width, 48) << row.ownerWidth; // shortened by the painter
    }
}

// The owner, troops and name are painted with the report, before the move is known: the
// note and the badges never move them. The note takes the name's place, or the owner's,
// only where no room is left.
TEST(TileLayout, TheMoveNeverMovesTheTexts) {
    TileContent c = Usual();
    TileContent texts = c;
    c.badgeWidths.assign(60, 22);
    c.noteWidth = 12;
    c.noteHeight = 11; // just the room left
    for (const int side : {56, 48, 40}) {
        c.side = texts.side = side;
        c.nameWidth = texts.nameWidth = side == 40 ? 0 : 46;
        const TileLayout plain = LayOutTile(texts);
        const TileLayout moved = LayOutTile(c);
        EXPECT_EQ(moved.troops, plain.troops);
        const Box& replaced = side == 56 ? Box{} : side == 48 ? plain.name : plain.owner;
        EXPECT_EQ(moved.noteReplaces, replaced) << side;
        EXPECT_EQ(moved.name, side == 48 ? Box{} : plain.name) << side;
        EXPECT_EQ(moved.owner, side == 40 ? Box{} : plain.owner) << side;
    }
    EXPECT_EQ(LayOutTile(c).note, (Box{14, 4, 12, 10})); // in the owner's row
}

// Badges fill rows from the bottom left, a row to its last pixel; those that do not fit
// are counted in one badge that follows the last one shown.
TEST(TileLayout, BadgesThatDoNotFitAreCounted) {
    TileContent c = Usual();
    c.badgeWidths = {23, 24};
    EXPECT_EQ(LayOutTile(c).badges, (std::vector<Box>{{4, 44, 23, 8}, {28, 44, 24, 8}}));
    c.ownerWidth = 0;
    c.nameWidth = 0;
    c.badgeWidths.assign(60, 22);
    const TileLayout l = LayOutTile(c);
    // Three rows below the troop lines, two badges in each but the highest, where the
    // count follows the fifth.
    ASSERT_EQ(l.badges.size(), 5U);
    EXPECT_EQ(l.Counted(c), 55U);
    EXPECT_EQ(l.badges[2], (Box{4, 35, 22, 8}));
    EXPECT_EQ(l.count, (Box{27, 26, 14, 8}));
}

} // namespace
} // namespace orv::mapview
