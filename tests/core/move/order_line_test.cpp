#include "core/move/order_line.h"

#include <gtest/gtest.h>

namespace orv::move {
namespace {

// What the natural display shows of a raw order line read from a file: the sentence when it
// gives the same words back (in any case, with blanks and direction words as written), the
// line as written when it would not. What the line is saved
// as is asserted by the move file table, which loads these lines.
TEST(OrderLine, ReadFromAFileKeepsEveryWord) {
    const std::pair<const char*, const char*> cases[] = {
        {"land 12 7 fo 10 north e",
         "Move through land with 10 Foot soldiers from province 12 / 7 to north east "},
        {"LAND 3 3 HO AT E", "Move through land with all Horsemen from province 3 / 3 to east "},
        {"PLA 3 3 CA", "Place one Castle into province 3 / 3"},
        {"LAND 3 3 FO 1 BO 2 HO 3 GE 1 E", nullptr},
        {"PLA 3 3 FO 4 4 FO 5 5 FO 6 6 FO", nullptr},
        {"CEDE 2 5 Black Company", nullptr},
        {"ALL Sons of Odin 1", nullptr},
        {"DEF 3 3 X 3 2 T", nullptr},
        {"LAND 3 3 FO 2147483648 E",
         "Move through land with 2147483648 Foot soldiers from province 3 / 3 to east "},
        {"LAND 3 3 FO 1 Nowhere", nullptr},
        {"NAME Eric the Red/Bold", "Name king Eric the Red/Bold"},
    };
    for (const auto& [line, shown] : cases) {
        EXPECT_EQ(OrderFromFile(line).natural, shown ? shown : line) << line;
    }
}

TEST(OrderLine, ComposedSentenceIsShownInTheWordsOfItsRawLine) {
    // A composed sentence is shown in the words its raw line gives.
    EXPECT_EQ(OrderFromSentence("Conduct a raid from province 1 / 2 with 5 Bowmen  to north"),
              (OrderLine{"RAID 1 2 BO 5 N", "Conduct a raid from province 1 / 2 with 5 Bowmen to "
                                            "north "}));
}

TEST(OrderLine, FrameAndKeywordLines) {
    EXPECT_FALSE(IsBeginLine("BEGIN again"));
    EXPECT_FALSE(IsOrderKeyword("Move through land with all troops"));
    EXPECT_FALSE(IsOrderKeyword(""));
}

} // namespace
} // namespace orv::move
