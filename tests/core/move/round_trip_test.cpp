// Every raw line the editor writes, taken to natural form and back, is the same raw line.
#include "core/move/convert.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orv::move {
namespace {

struct Generated {
    std::string raw;
    std::string canonical; // raw, or raw with the trailing blank DEF and PLA sentences leave
};

const std::array<const char*, 5> MovableCodes = {"FO", "BO", "HO", "GE", "SH"};
const std::array<const char*, 5> PlacedCodes = {"FO", "BO", "HO", "CA", "SH"};
const std::array<const char*, 5> Tactics = {"F", "P", "T", "U", "C"};
const std::array<const char*, 3> Counts = {"1", "10", "AT"};
const std::array<const char*, 4> Directions = {"N", "E", "S", "W"};

std::string Coordinates(int i) {
    return std::to_string(1 + i % 50) + " " + std::to_string(50 - (i * 7) % 50);
}

std::string DirectionPart(int steps, int seed) {
    std::string out;
    for (int i = 0; i < steps; ++i) {
        out += " ";
        out += Directions[static_cast<std::size_t>(seed + i * 3) % Directions.size()];
    }
    return out;
}

// Troop parts: "AT" alone, or one to three pairs with counts that include "AT".
std::vector<std::string> TroopParts(bool firstCountMayBeAt) {
    std::vector<std::string> parts{"AT"};
    for (int groups = 1; groups <= 3; ++groups) {
        for (std::size_t c = 0; c < MovableCodes.size(); ++c) {
            for (std::size_t n = 0; n < Counts.size(); ++n) {
                if (!firstCountMayBeAt && std::string(Counts[n]) == "AT") {
                    continue;
                }
                std::string part;
                for (int g = 0; g < groups; ++g) {
                    const std::size_t shift = static_cast<std::size_t>(g);
                    part += std::string(part.empty() ? "" : " ") +
                            MovableCodes[(c + shift) % MovableCodes.size()] + " " +
                            Counts[(n + shift) % Counts.size()];
                }
                parts.push_back(part);
            }
        }
    }
    return parts;
}

void AddMovements(std::vector<Generated>& out) {
    int seed = 0;
    for (const char* keyword : {"LAND", "SEA", "RAID"}) {
        const std::string key(keyword);
        std::vector<std::string> tactics{""};
        if (key == "LAND") {
            tactics.insert(tactics.end(), Tactics.begin(), Tactics.end());
        }
        for (const std::string& tactic : tactics) {
            // A LAND line without tactic whose first count is AT reads its troop code as a
            // tactic; the dialogs' lines with a tactic do not have that problem.
            for (const std::string& troops : TroopParts(key != "LAND" || !tactic.empty())) {
                for (int steps = 0; steps <= 10; ++steps, ++seed) {
                    std::string line = key + " " + Coordinates(seed);
                    if (!tactic.empty()) {
                        line += " " + tactic;
                    }
                    line += " " + troops + DirectionPart(steps, seed);
                    out.push_back({line, line});
                }
            }
        }
    }
}

// DEF, PLA and ESP with one to three groups.
void AddGroupOrders(std::vector<Generated>& out) {
    for (int groups = 1; groups <= 3; ++groups) {
        for (std::size_t v = 0; v < Tactics.size(); ++v) {
            std::string def = "DEF";
            std::string pla = "PLA";
            std::string esp = "ESP";
            for (int g = 0; g < groups; ++g) {
                const std::size_t k = v + static_cast<std::size_t>(g);
                const std::string at = " " + Coordinates(static_cast<int>(k * 11));
                def += at + " " + Tactics[k % Tactics.size()];
                pla += at + " " + PlacedCodes[k % PlacedCodes.size()];
                esp += at;
            }
            out.push_back({def, groups < 3 ? def + " " : def});
            out.push_back({pla, pla + " "});
            out.push_back({esp, esp});
        }
    }
}

std::vector<Generated> AllLines() {
    std::vector<Generated> out;
    AddMovements(out);
    AddGroupOrders(out);
    for (int status = 0; status <= 5; ++status) {
        const std::string all = "ALL " + std::to_string(status + 3) + " " + std::to_string(status);
        out.push_back({all, all});
    }
    for (const std::string line :
         {"BUILD 12 7", "CEDE 1 50 12", "NAME 12 7 New Haven upon Trent", "NAME 3 4 Up/Down",
          "NAME 3 4 \"Old  Harbour\"", "NAME Harald", "NAME Eric the Red/Bold",
          "NAME Harald of 12 Keeps", "BEGIN", "END"}) {
        out.push_back({line, line});
    }
    return out;
}

TEST(RoundTrip, EveryWrittenLineSurvivesNaturalAndBack) {
    const std::vector<Generated> lines = AllLines();
    ASSERT_GT(lines.size(), 3000U);
    int failures = 0;
    for (const Generated& g : lines) {
        const std::string natural = ConvertLine(g.raw, true);
        const std::string back = ConvertLine(natural, false);
        if (back != g.canonical && ++failures <= 10) {
            ADD_FAILURE() << "raw \"" << g.raw << "\"\nnatural \"" << natural << "\"\nback \""
                          << back << "\"";
        }
    }
    EXPECT_EQ(failures, 0);
}

TEST(RoundTrip, LowerCaseAndExtraBlanksBecomeCanonical) {
    EXPECT_EQ(ConvertLine(ConvertLine("land  12 7 p ho 4\tge 1 s north", true), false),
              "LAND 12 7 P HO 4 GE 1 S N");
    EXPECT_EQ(ConvertLine(ConvertLine("sea 20 5 sh at e", true), false), "SEA 20 5 SH AT E");
    EXPECT_EQ(ConvertLine(ConvertLine("raid 12 7 at n n", true), false), "RAID 12 7 AT N N");
    EXPECT_EQ(ConvertLine(ConvertLine("def 12 7 u", true), false), "DEF 12 7 U ");
}

} // namespace
} // namespace orv::move
