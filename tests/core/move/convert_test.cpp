#include "core/move/convert.h"

#include <gtest/gtest.h>

namespace orv::move {
namespace {

// A raw line converts to its sentence, and the sentence back to the raw line (or to `back`).
// The composing tests convert a line of every command both ways, and the order line test
// shows all of one troop type; these are the rest.
TEST(ConvertLine, WorkedExamplesConvertBothWays) {
    const struct {
        const char* raw;
        const char* natural;
        const char* back = nullptr;
    } cases[] = {
        {"DEF 12 7 F", "Give defensive orders for province 12 / 7 to Frontal assault",
         "DEF 12 7 F "},
        {"PLA 12 7 FO", "Place one Foot soldier into province 12 / 7", "PLA 12 7 FO "},
        {"begin", "BEGIN", "BEGIN"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ConvertLine(c.raw, true), c.natural) << c.raw;
        EXPECT_EQ(ConvertLine(c.natural, false), c.back ? c.back : c.raw) << c.natural;
    }
}

// Lines read one way only: odd words, missing parts, more groups than a sentence holds.
TEST(ConvertLine, OddLinesOneWay) {
    const std::pair<const char*, const char*> toNatural[] = {
        {"RAID 1 1 GE 01", "Conduct a raid from province 1 / 1 with 01 Generals to "},
        {"NAME   Harald \t", "Name king Harald"},
        {"NAME", "Name king "},
        {"PLA 1 2 FO 3", "Place one Foot soldier into province 1 / 2 and one ? into province 3 / "},
        {"ESP 12 7 13 8 14 9 15 10", "Espionage enemy provinces 12 / 7, 13 / 8 and 14 / 9"},
        {"hello world", ""},
    };
    for (const auto& [line, want] : toNatural) {
        EXPECT_EQ(ConvertLine(line, true), want) << line;
    }
    const std::pair<const char*, const char*> toRaw[] = {
        {"LAND 12 7 AT N", ""},
        {"Name province 3 / 4", "NAME 3 4 "},
        {"Move through land with 1 Foot soldier and 2 Bowmen and 3 Horsemen and 4 Generals from "
         "province 1 / 2 to north",
         "LAND 1 2 FO 1 BO 2 HO 3 N"},
        {"Conduct a raid from province 1 / 2 with 1 Foot soldier and 2 Bowmen and 3 Horsemen "
         "and 4 Generals  to north",
         "RAID 1 2 FO 1 BO 2 HO 3 GE 4 N"},
        {"Move", "SEA   ? "},
    };
    for (const auto& [line, want] : toRaw) {
        EXPECT_EQ(ConvertLine(line, false), want) << line;
    }
}

// Long lines convert in one pass: 25,000 groups and steps each way.
TEST(ConvertLine, LongLinesKeepEveryGroupAndStep) {
    std::string raw = "RAID 1 2 FO 1";
    std::string groups;
    std::string steps;
    for (int i = 0; i < 25000; ++i) {
        raw += " BO 7";
        groups += " and 7 Bowmen";
    }
    for (int i = 0; i < 25000; ++i) {
        raw += " W";
        steps += " west";
    }
    const std::string natural = ConvertLine(raw, true);
    EXPECT_EQ(natural, "Conduct a raid from province 1 / 2 with 1 Foot soldier" + groups + " to" +
                           steps + " ");
    EXPECT_EQ(ConvertLine(natural, false), raw);
}

} // namespace
} // namespace orv::move
