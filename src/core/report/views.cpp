#include "core/report/views.h"

#include <array>
#include <string_view>

namespace orv::report {

namespace {

constexpr std::string_view StatusLetters = "fptuc";
constexpr std::string_view Eol = "\r\n";

// A number right-aligned in two places; wider numbers take the room they need.
std::string TwoPlaces(std::int64_t value) {
    std::string text = std::to_string(value);
    if (text.size() < 2) {
        text.insert(0, 2 - text.size(), ' ');
    }
    return text;
}

// "nnL" and fill, or four fill characters when there are none of that kind.
std::string TroopPart(std::int32_t count, char letter, char fill) {
    if (count == 0) {
        return std::string(4, fill);
    }
    return TwoPlaces(count) + letter + fill;
}

std::string Padded(std::string_view text, std::size_t width, char fill) {
    std::string out(text);
    if (out.size() < width) {
        out.append(width - out.size(), fill);
    }
    return out;
}

void AppendColumnNumbers(std::string& text, int width) {
    text += "      ";
    for (int x = 1; x <= width; ++x) {
        text += "     " + TwoPlaces(x) + "    ";
    }
}

void AppendFrame(std::string& text, int width, char end) {
    text += "      ";
    for (int x = 1; x <= width; ++x) {
        text += "+----------";
    }
    text += end;
    text += Eol;
}

char FillOf(const Province& p, bool first_line) {
    if (p.apostropheMark) {
        return '\'';
    }
    if (p.terrain == Terrain::Sea && !first_line) {
        return '~';
    }
    return ' ';
}

} // namespace

std::string TerrainText(Terrain terrain, char fill) {
    // The view draws the sea as a row of waves.
    return terrain == Terrain::Sea ? std::string(10, '~') : Padded(InfoOf(terrain).name, 10, fill);
}

std::string ShowMapText(const TMap& map) {
    const int w = map.width < MaxMapSize ? map.width : MaxMapSize;
    const int h = map.height < MaxMapSize ? map.height : MaxMapSize;
    std::string text;
    AppendColumnNumbers(text, w);
    text += Eol;
    for (int y = 1; y <= h; ++y) {
        AppendFrame(text, w, '!');
        std::string lines[5];
        lines[0] = lines[1] = lines[3] = lines[4] = "      ";
        lines[2] = "  " + TwoPlaces(y) + "  ";
        for (int x = 1; x <= w; ++x) {
            const Province& p = map.At(x, y);
            const char fill = FillOf(p, false);
            lines[0] += '!' + TerrainText(p.terrain, FillOf(p, true));
            lines[1] += '!' + std::string(1, fill) + Padded(p.nameLine, 9, fill);
            lines[2] += '!' + TroopPart(p.troops[Bowmen], 'B', fill) +
                        TroopPart(p.troops[FootSoldiers], 'F', fill);
            if (!p.owner.empty() && p.statusLetter < StatusLetters.size()) {
                lines[2] += StatusLetters[p.statusLetter];
                lines[2] += fill;
            } else {
                lines[2] += std::string(2, fill);
            }
            lines[3] += '!' + TroopPart(p.troops[Horsemen], 'H', fill) +
                        TroopPart(p.troops[Ships], 'S', fill);
            lines[3] += p.troops[Generals] > 0 ? 'G' : fill;
            lines[3] += p.troops[Castles] > 0 ? 'C' : fill;
            lines[4] += '!' + Padded(p.owner, 10, fill);
        }
        lines[2] += "!  " + std::to_string(y);
        for (int k = 0; k < 5; ++k) {
            if (k != 2) {
                lines[k] += '!';
            }
            text += lines[k];
            text += Eol;
        }
    }
    AppendFrame(text, w, '+');
    AppendColumnNumbers(text, w);
    return text;
}

std::string ShowGlobalOptionsText(const GameOptions& o) {
    const std::array<std::pair<std::string_view, bool>, 13> rows = {{
        {"Ships can be bought with gold: ", o.shipsBuyableWithGold},
        {"Ships can be bought with gold only: ", o.shipsOnlyWithGold},
        {"Generals can be bought with gold: ", o.generalsBuyableWithGold},
        {"Tabulated battle report: ", o.tabulatedBattleReport},
        {"Witchcraft allowed: ", o.witchcraftAllowed},
        {"Placement of ships sets sea movement flag: ", o.shipPlacementSetsSeaFlag},
        {"Placement of troops sets land and sea movement flag: ", o.troopPlacementSetsLandSeaFlag},
        {"Pincer attack tactics only with horsemen: ", o.pincerOnlyWithHorsemen},
        {"Empty (Left) provinces remain in possession of last owner: ", o.emptyProvincesKeepOwner},
        {"Place new units in Home provinces only: ", o.placeInHomeProvincesOnly},
        {"Ships have a crew: ", o.shipsHaveCrew},
        {"BUILD order activated: ", o.buildOrderActive},
        {"Each controlled province can become a home province: ", o.anyProvinceCanBecomeHome},
    }};
    std::string text;
    for (const auto& [caption, flag] : rows) {
        text += caption;
        text += flag ? "YES" : "NO";
        text += Eol;
    }
    text += "Maximum orders per move: " + std::to_string(o.maxOrdersPerMove);
    return text;
}

} // namespace orv::report
