#include "core/mapview/tile_layout.h"

#include <algorithm>

namespace orv::mapview {

namespace {

// Between badges and between their rows.
constexpr int BadgeGap = 1;
// Beside a corner mark.
constexpr int CornerGap = 1;

// The inner square of a tile and what its top corners hold.
struct Frame {
    int left = 0;
    int top = 0;
    int right = 0;  // one past the last column
    int bottom = 0; // one past the last row
    int cornerBottom = 0;
    int cornerRoom = 0; // the width between the corner marks

    int Width() const { return right - left; }
    // The width a row from y of height h may take, centred.
    int RoomAt(int y, int h) const { return y < cornerBottom && h > 0 ? cornerRoom : Width(); }
    bool Fits(int y, int h) const { return h >= 0 && y <= bottom && h <= bottom - y; }
    // A box of a text width w centred in a row from y of height h.
    Box Centred(int y, int w, int h) const {
        const int width = std::min(w, RoomAt(y, h));
        return {left + (Width() - width) / 2, y, width, h};
    }
};

Frame FrameOf(const TileContent& c, TileLayout& layout) {
    Frame f;
    const int inset = std::max(0, c.inset);
    f.left = inset;
    f.top = inset;
    f.right = std::max(inset, c.side - inset);
    f.bottom = f.right;
    f.cornerBottom = f.top;
    f.cornerRoom = f.Width();
    const int corner = std::min(std::max(0, c.corner), f.Width() / 2);
    if ((c.home || c.town) && corner > 0) {
        if (c.home) {
            layout.home = {f.left, f.top, corner, corner};
        }
        if (c.town) {
            layout.town = {f.right - corner, f.top, corner, corner};
        }
        f.cornerBottom = f.top + corner;
        // Centred texts keep clear of both corners, so that they stay centred.
        f.cornerRoom = std::max(0, f.Width() - 2 * (corner + CornerGap));
    }
    return f;
}

// Which of the texts are shown; the troop lines by their place.
struct Shown {
    bool owner = false;
    std::array<bool, 2> troops{};
    bool name = false;
};

// Lays the shown texts out from the top; false when they do not all fit. A text too wide
// for a row beside the corner marks goes below them; the owner tries its initials first.
bool Stack(const TileContent& c, const Frame& f, const Shown& shown, TileLayout& layout,
           int& bottom) {
    int y = f.top;
    const auto below = [&](int width, int h) {
        if (width > f.RoomAt(y, h)) {
            y = std::max(y, f.cornerBottom);
        }
    };
    layout.owner = {};
    layout.initials = false;
    if (shown.owner) {
        // The whole name where it fits, else the initials; below the corner marks when
        // neither fits beside them.
        const int h = c.ownerHeight;
        const auto fits = [&](int width) { return width > 0 && width <= f.RoomAt(y, h); };
        if (!fits(c.ownerWidth) && !fits(c.initialsWidth)) {
            y = std::max(y, f.cornerBottom);
        }
        layout.initials = !fits(c.ownerWidth) && c.initialsWidth > 0;
        if (!f.Fits(y, h)) {
            return false;
        }
        layout.owner = f.Centred(y, layout.initials ? c.initialsWidth : c.ownerWidth, h);
        y += h;
    }
    for (std::size_t i = 0; i < 2; ++i) {
        layout.troops[i] = {};
        if (shown.troops[i]) {
            below(c.troopWidths[i], c.troopHeight);
            if (!f.Fits(y, c.troopHeight)) {
                return false;
            }
            layout.troops[i] = f.Centred(y, c.troopWidths[i], c.troopHeight);
            y += c.troopHeight;
        }
    }
    layout.name = {};
    if (shown.name) {
        below(c.nameWidth, c.nameHeight);
        if (!f.Fits(y, c.nameHeight)) {
            return false;
        }
        layout.name = f.Centred(y, c.nameWidth, c.nameHeight);
        y += c.nameHeight;
    }
    bottom = y;
    return true;
}

// The texts by their rank, each kept only when it fits with those before it; returns the
// row below the last one.
int LayOutTexts(const TileContent& c, const Frame& f, TileLayout& layout) {
    Shown shown;
    int bottom = f.top;
    const auto keep = [&](bool& flag) {
        flag = true;
        if (!Stack(c, f, shown, layout, bottom)) {
            flag = false;
        }
    };
    for (std::size_t i = 0; i < 2; ++i) {
        if (c.troopWidths[i] > 0 && c.troopHeight > 0) {
            keep(shown.troops[i]);
        }
    }
    if (c.ownerWidth > 0 && c.ownerHeight > 0) {
        keep(shown.owner);
    }
    if (c.nameWidth > 0 && c.nameHeight > 0) {
        keep(shown.name);
    }
    Stack(c, f, shown, layout, bottom);
    // What follows is not centred: it keeps below the corner marks.
    return std::max(bottom, f.cornerBottom);
}

// The note below the texts; where there is no room, in the place of the name or else the
// owner, which rank below it; the troop lines it never takes. Returns the row below it.
int LayOutNote(const TileContent& c, const Frame& f, TileLayout& layout, int top) {
    if (c.noteWidth <= 0 || c.noteHeight <= 0) {
        return top;
    }
    Box room{f.left, top, f.Width(), f.bottom - top};
    if (room.height < c.noteHeight) {
        // The name is the lowest text; the owner is the highest, and only the troop lines
        // follow it when there is no name.
        if (!layout.name.Empty()) {
            room = {f.left, layout.name.y, f.Width(), f.bottom - layout.name.y};
            layout.noteReplaces = layout.name;
            layout.name = {};
        } else if (!layout.owner.Empty()) {
            room = {f.left, layout.owner.y, f.Width(), layout.owner.height};
            layout.noteReplaces = layout.owner;
            layout.owner = {};
        }
    }
    // Smaller than half its height, the note could not be read.
    const int h = std::min(c.noteHeight, room.height);
    if (h <= 0 || 2 * h < c.noteHeight) {
        return top;
    }
    layout.note = f.Centred(room.y, std::max(c.noteWidth, h), h);
    return std::max(top, layout.note.Bottom());
}

// Where the next badge of the rows along the bottom edge goes: rows fill from the left,
// the lowest first.
struct BadgeFlow {
    const Frame* f;
    int height;
    int rows;
    int row = 0;
    int x = 0;

    BadgeFlow(const Frame& frame, int h, int top)
        : f(&frame), height(h),
          rows(h > 0 && top <= frame.bottom ? (frame.bottom - top + BadgeGap) / (h + BadgeGap) : 0),
          x(frame.left) {}

    // The box for a badge of width w, or an empty one when the rows are full.
    Box Place(int w) {
        w = std::min(w, f->Width());
        if (x > f->left && w > f->right - x) {
            ++row;
            x = f->left;
        }
        if (row >= rows || w <= 0) {
            return {};
        }
        const Box box{x, f->bottom - (row + 1) * height - row * BadgeGap, w, height};
        x += w + BadgeGap;
        return box;
    }
};

void LayOutBadges(const TileContent& c, const Frame& f, TileLayout& layout, int top) {
    BadgeFlow flow(f, c.badgeHeight, top);
    const std::size_t n = c.badgeWidths.size();
    layout.badges.reserve(std::min<std::size_t>(n, 16));
    for (std::size_t i = 0; i < n; ++i) {
        BadgeFlow after = flow;
        const Box box = after.Place(c.badgeWidths[i]);
        // Room is left for the count unless this is the last badge.
        BadgeFlow withCount = after;
        if (box.Empty() || (i + 1 < n && withCount.Place(c.countWidth).Empty())) {
            layout.count = flow.Place(c.countWidth);
            return;
        }
        layout.badges.push_back(box);
        flow = after;
    }
}

} // namespace

bool Box::Overlaps(const Box& other) const {
    return !Empty() && !other.Empty() && x < other.Right() && other.x < Right() &&
           y < other.Bottom() && other.y < Bottom();
}

TileLayout LayOutTile(const TileContent& content) {
    TileLayout layout;
    const Frame frame = FrameOf(content, layout);
    if (frame.Width() <= 0) {
        return layout;
    }
    const int textBottom = LayOutTexts(content, frame, layout);
    const int noteBottom = LayOutNote(content, frame, layout, textBottom);
    LayOutBadges(content, frame, layout, noteBottom);
    return layout;
}

} // namespace orv::mapview
