// Every raw line the editor writes is shown as a sentence, and that sentence taken back to
// raw form is the same raw line.
#include "core/move/convert.h"
#include "core/move/order_line.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orv::move {
namespace {

const char* const Movable[] = {"FO", "BO", "HO", "GE", "SH"};
const char* const Placed[] = {"FO", "BO", "HO", "CA", "SH"};
const char* const Tactics[] = {"F", "P", "T", "U", "C"};
const char* const Counts[] = {"1", "10", "AT"};

std::string Coordinates(std::size_t i) {
    return std::to_string(1 + i % 50) + " " + std::to_string(50 - (i * 7) % 50);
}

// Lines paired with what comes back: DEF with one or two groups and PLA keep a final blank.
std::vector<std::pair<std::string, std::string>> AllLines() {
    // Troop parts: "AT" alone, or one to three pairs whose counts include "AT".
    std::vector<std::string> troops{"AT"};
    for (std::size_t groups = 1; groups <= 3; ++groups) {
        for (std::size_t c = 0; c < 5; ++c) {
            for (std::size_t n = 0; n < 3; ++n) {
                std::string part;
                for (std::size_t g = 0; g < groups; ++g) {
                    part += g ? " " : "";
                    part += std::string(Movable[(c + g) % 5]) + " " + Counts[(n + g) % 3];
                }
                troops.push_back(part);
            }
        }
    }
    std::vector<std::pair<std::string, std::string>> out;
    std::size_t seed = 0;
    for (const std::string keyword : {"LAND", "SEA", "RAID"}) {
        for (int t = -1; t < (keyword == "LAND" ? 5 : 0); ++t) {
            for (const std::string& part : troops) {
                for (int steps = 0; steps <= 10; ++steps, ++seed) {
                    std::string line = keyword + " " + Coordinates(seed) + " ";
                    line += (t >= 0 ? std::string(Tactics[t]) + " " : "") + part;
                    for (int i = 0; i < steps; ++i) {
                        line += std::string(" ") + "NESW"[(seed + 3 * i) % 4];
                    }
                    out.emplace_back(line, line);
                }
            }
        }
    }
    for (std::size_t groups = 1; groups <= 3; ++groups) {
        for (std::size_t v = 0; v < 5; ++v) {
            std::string def = "DEF", pla = "PLA", esp = "ESP";
            for (std::size_t k = v; k < v + groups; ++k) {
                std::string at = " ";
                at += Coordinates(k * 11);
                def += at + " " + Tactics[k % 5];
                pla += at + " " + Placed[k % 5];
                esp += at;
            }
            out.emplace_back(def, groups < 3 ? def + " " : def);
            out.emplace_back(pla, pla + " ");
            out.emplace_back(esp, esp);
        }
    }
    for (const std::string line :
         {"ALL 3 0", "ALL 12 5", "BUILD 12 7", "CEDE 1 50 12", "NAME 12 7 New Haven upon Trent",
          "NAME 3 4 Up/Down", "NAME 3 4 \"Old  Harbour\"", "NAME Harald", "NAME Eric the Red/Bold",
          "NAME Harald of 12 Keeps", "BEGIN", "END"}) {
        out.emplace_back(line, line);
    }
    return out;
}

TEST(RoundTrip, EveryWrittenLineSurvivesNaturalAndBack) {
    const auto lines = AllLines();
    ASSERT_GT(lines.size(), 3000U);
    int failures = 0;
    for (const auto& [raw, canonical] : lines) {
        const std::string natural = ConvertLine(raw, true);
        const std::string back = ConvertLine(natural, false);
        const bool shown = OrderFromRaw(raw).natural == natural;
        if ((back != canonical || !shown) && ++failures <= 10) {
            ADD_FAILURE() << raw << "\n" << natural << "\n" << back;
        }
    }
    EXPECT_EQ(failures, 0);
}

} // namespace
} // namespace orv::move
