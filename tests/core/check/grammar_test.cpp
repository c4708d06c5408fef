// What in an order line does not fit its command: one line for each kind of finding, with
// every entry the check writes for it, the findings before those of the order's rules and
// the sea end last.
#include "../move/move_builder.h"
#include "core/check/check_driver.h"
#include "test_world.h"

#include <gtest/gtest.h>

namespace orv::check {
namespace {

using report::FootSoldiers;

// Sea along the top and the left; 2/2 and 3/2 own with foot soldiers, 4/4 foreign. Three
// tribes; the user plays the first.
testing::World MakeWorld() {
    testing::World w({"~~~~~", "~....", "~....", "~...."});
    w.Own(2, 2, true).Own(3, 2, true).Foreign(4, 4);
    w.Troops(2, 2, FootSoldiers, 5).Troops(3, 2, FootSoldiers, 5);
    w.game.tribes.resize(3);
    w.game.currentTribe = 0;
    return w;
}

struct GrammarRow {
    const char* line;
    Messages expected;
    bool buildAllowed = true;
};

TEST(OrderGrammar, EachFindingOfTheTableInTheCheck) {
    const GrammarRow rows[] = {
        {"NAME 3 2", {"   Order is incomplete!"}},
        {"CEDE 3 2", {"   Order is incomplete!"}},
        {"PLA 3 2 FO 2 2", {"   Order is incomplete!"}},
        {"RAID 3 2", {"   Order is incomplete!"}},
        {"LAND 3 2 FO two S", {"   Troop count two is not a positive number!"}},
        {"SEA 3 2 SH -1 FO 0 W",
         {"   Troop count -1 is not a positive number!",
          "   Troop count 0 is not a positive number!", "   Land province blocks the way!"}},
        {"PLA 4 4 XX", {"   Unknown troop type XX!", "   You don't own province 4/4!"}},
        {"LAND 3 2 at S", {"   Unknown troop type at!"}},
        {"LAND 3 2 Z FO 1 S", {"   Unknown tactic Z!"}},
        {"DEF 3 2 Z", {"   Unknown tactic Z!"}},
        {"LAND 3 2 FO 1 X", {"   Unknown direction X!"}},
        {"LAND 3 2 FO 1 NE", {"   Unknown direction NE!"}},
        {"LAND 3 2 FO 1", {"   No direction given!"}},
        {"ALL 2 9", {"   Alliance status 9 is not a number from 0 to 5!"}},
        {"ALL 4 1", {"   There is no player 4!"}},
        {"CEDE 3 2 \"Black Company\"", {"   There is no player \"Black Company\"!"}},
        {"ALL 1 1", {"   Player 1 is your own tribe!"}},
        {"BUILD 3 2 x", {"   Words from x on are ignored!"}},
        {"PLA 3 2 FO X 2 HO", {"   Words from X on are ignored!"}},
        {"ESP 4 4 1 1 1 1 9 9", {"   Words from 9 on are ignored!"}},
        {"BUILD 3 2", {"   Global GM option disallow the use of the BUILD command!"}, false},
        {"LAND 2 2 FO 9 W E",
         {"   Not enough foot soldiers in province!",
          "   Move ends in sea province 1/2, the steps after it are not walked!"}},
        // The last step into the sea leaves no step out: the troops wait there for a ship.
        {"LAND 3 2 FO 1 W W", {}},
    };
    for (const GrammarRow& row : rows) {
        testing::World w = MakeWorld();
        w.game.options.buildOrderActive = row.buildAllowed;
        const CheckResult result =
            CheckMove(move::testing::RawMove({"BEGIN", row.line, "END"}), w.game);
        const Messages found = result.findings.empty() ? Messages{} : result.findings[0].messages;
        EXPECT_EQ(found, row.expected) << row.line;
    }
}

} // namespace
} // namespace orv::check
