#pragma once
// Where the texts and marks of one province go inside its square on the graphical map, so
// that none covers another and none leaves the square at any zoom. The painter measures the
// texts in its fonts; this decides, from those sizes alone, which of them are shown and where.
//
// From the top: the home and town marks in the corners, the owner between them, the troop
// lines, the province's name; the order badges along the bottom edge. When room is short
// the troop lines come first, then the move points left of the order being written, then
// the owner, then the name; the badges take what is left, and those that do not fit are
// counted in one badge at the end. A text that is wider than its room gets a box as wide as
// the room: the painter shortens it to that.

#include <array>
#include <cstddef>
#include <vector>

namespace orv::mapview {

// A rectangle in a tile's own pixels, from its top left corner.
struct Box {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool Empty() const { return width <= 0 || height <= 0; }
    int Right() const { return x + width; }
    int Bottom() const { return y + height; }
    bool Overlaps(const Box& other) const;
    bool operator==(const Box&) const = default;
};

// What one province shows, in pixels. A width of 0 is a text the province does not have.
struct TileContent {
    int side = 0;   // of the tile's square
    int inset = 0;  // the band along the edges that stays clear (the outline of an own province)
    int corner = 0; // side of the home and town marks
    bool home = false;
    bool town = false;
    int ownerWidth = 0;
    int initialsWidth = 0; // the owner's initials, for a tile too narrow for the name
    int ownerHeight = 0;
    std::array<int, 2> troopWidths{};
    int troopHeight = 0;
    int nameWidth = 0;
    int nameHeight = 0;
    int noteWidth = 0; // the move points left of the order being written
    int noteHeight = 0;
    std::vector<int> badgeWidths; // the order badges, in the order of the move
    int badgeHeight = 0;
    int countWidth = 0; // the badge that counts those left out, at its widest
};

struct TileLayout {
    Box home;
    Box town;
    Box owner;
    bool initials = false; // the owner box holds the initials
    std::array<Box, 2> troops;
    Box name;
    Box note;
    // The owner or name box, as laid out without the note, that the note takes the place of:
    // the last room left after the troop lines.
    Box noteReplaces;
    std::vector<Box> badges; // for the first badges of the content; the rest are counted
    Box count;               // the badge that counts them

    std::size_t Counted(const TileContent& content) const {
        return content.badgeWidths.size() - badges.size();
    }
};

TileLayout LayOutTile(const TileContent& content);

} // namespace orv::mapview
