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

std::vector<Box> AllBoxes(const TileLayout& l) {
    std::vector<Box> boxes{l.home,      l.town, l.owner, l.troops[0],
                           l.troops[1], l.name, l.note,  l.count};
    boxes.insert(boxes.end(), l.badges.begin(), l.badges.end());
    return boxes;
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
            const std::vector<Box> boxes = AllBoxes(l);
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
            // A count stands for badges left out, and shown badges are never left
            // without one.
            EXPECT_TRUE(l.count.Empty() || l.Counted(c) > 0) << at;
            EXPECT_TRUE(l.badges.empty() || l.Counted(c) == 0 || !l.count.Empty()) << at;
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

TEST(TileLayout, TextsStackFromTheTopAndNarrowToTheirRoom) {
    TileContent c = Usual();
    c.nameWidth = 500;
    TileLayout l = LayOutTile(c);
    EXPECT_EQ(l.owner, (Box{9, 4, 37, 10}));
    EXPECT_FALSE(l.initials);
    EXPECT_EQ(l.troops[0], (Box{9, 14, 37, 9}));
    EXPECT_EQ(l.troops[1], (Box{13, 23, 30, 9}));
    EXPECT_EQ(l.name, (Box{4, 32, 48, 9})); // shortened by the painter
    // Beside the corner marks the owner shows its initials, and a troop line too wide for
    // that room goes below them.
    c.home = true;
    c.ownerWidth = 0;
    l = LayOutTile(c);
    EXPECT_EQ(l.home, (Box{4, 4, 9, 9}));
    EXPECT_EQ(l.troops[0], (Box{9, 13, 37, 9}));
    c.ownerWidth = 37;
    l = LayOutTile(c);
    EXPECT_TRUE(l.initials);
    EXPECT_EQ(l.owner, (Box{18, 4, 20, 10}));
}

// The owner, troops and name are painted with the report, before the move is known: the
// note and the badges never move them. The note takes the name's place, or the owner's,
// only where no room is left.
TEST(TileLayout, TheMoveNeverMovesTheTexts) {
    TileContent c = Usual();
    const TileLayout plain = LayOutTile(c);
    c.badgeWidths.assign(60, 22);
    c.noteWidth = 12;
    c.noteHeight = 9;
    const TileLayout moved = LayOutTile(c);
    EXPECT_EQ(moved.owner, plain.owner);
    EXPECT_EQ(moved.troops, plain.troops);
    EXPECT_EQ(moved.name, plain.name);
    EXPECT_EQ(moved.note, (Box{22, 41, 12, 9}));
    EXPECT_TRUE(moved.noteReplaces.Empty());

    c.side = 48;
    TileContent texts = c;
    texts.noteWidth = 0;
    texts.badgeWidths.clear();
    const TileLayout tight = LayOutTile(texts);
    const TileLayout noted = LayOutTile(c);
    EXPECT_EQ(noted.noteReplaces, tight.name);
    EXPECT_TRUE(noted.name.Empty());
    EXPECT_EQ(noted.note.y, tight.name.y);
    EXPECT_EQ(noted.troops, tight.troops);
    // Without a name, in a tile where owner and troops leave no row.
    c.nameWidth = 0;
    c.side = texts.side = 40;
    EXPECT_EQ(LayOutTile(c).noteReplaces, LayOutTile(texts).owner);
}

// Badges fill rows from the bottom left; those that do not fit are counted in one badge
// that follows the last one shown.
TEST(TileLayout, BadgesThatDoNotFitAreCounted) {
    TileContent c = Usual();
    c.ownerWidth = 0;
    c.nameWidth = 0;
    c.badgeWidths = {22, 22};
    TileLayout l = LayOutTile(c);
    EXPECT_EQ(l.badges, (std::vector<Box>{{4, 44, 22, 8}, {27, 44, 22, 8}}));
    EXPECT_TRUE(l.count.Empty());
    c.badgeWidths.assign(60, 22);
    l = LayOutTile(c);
    // Three rows below the troop lines, two badges in each but the highest, where the
    // count follows the fifth.
    ASSERT_EQ(l.badges.size(), 5U);
    EXPECT_EQ(l.Counted(c), 55U);
    EXPECT_EQ(l.badges[2], (Box{4, 35, 22, 8}));
    EXPECT_EQ(l.badges[4], (Box{4, 26, 22, 8}));
    EXPECT_EQ(l.count, (Box{27, 26, 14, 8}));
}

// What fits exactly is kept: badges that fill a row, badge rows and a note that fill the
// room left, a note shrunk to half its height; the owner goes below the corner marks when
// not even its initials fit beside them.
TEST(TileLayout, WhatFitsExactlyIsKept) {
    TileContent c = Usual(); // texts end at 41, the inner square at 52, 48 wide
    c.badgeWidths = {23, 24};
    EXPECT_EQ(LayOutTile(c).badges, (std::vector<Box>{{4, 44, 23, 8}, {28, 44, 24, 8}}));
    c.badgeHeight = 5; // two rows and the gap between them fill the 11 rows left
    c.badgeWidths = {48, 48};
    EXPECT_EQ(LayOutTile(c).badges, (std::vector<Box>{{4, 47, 48, 5}, {4, 41, 48, 5}}));

    c.badgeWidths.clear();
    c.noteWidth = 12;
    c.noteHeight = 11;
    TileLayout l = LayOutTile(c);
    EXPECT_EQ(l.note, (Box{22, 41, 12, 11}));
    EXPECT_TRUE(l.noteReplaces.Empty());
    c.nameWidth = 0;
    c.ownerWidth = 0;
    c.noteHeight = 2 * (52 - 22); // below the troop lines: half of it
    EXPECT_EQ(LayOutTile(c).note.height, 30);
    ++c.noteHeight;
    EXPECT_TRUE(LayOutTile(c).note.Empty());

    c = Usual();
    c.town = true;
    c.initialsWidth = 29; // 28 between the corners
    l = LayOutTile(c);
    EXPECT_FALSE(l.initials);
    EXPECT_EQ(l.owner, (Box{9, 13, 37, 10}));
    c.ownerWidth = 28;
    EXPECT_EQ(LayOutTile(c).owner, (Box{14, 4, 28, 10}));
    c.ownerWidth = 60;
    l = LayOutTile(c);
    EXPECT_TRUE(l.initials);
    EXPECT_EQ(l.owner, (Box{13, 13, 29, 10}));
}

} // namespace
} // namespace orv::mapview
