// The movement of a dialog's fields, and an order given the cheapest path to another province.
#include "../check/test_world.h"
#include "../move/move_builder.h"
#include "core/plan/planned_order.h"

#include <gtest/gtest.h>

namespace orv::plan {
namespace {

using move::CommandKind;

TEST(PlannedOrder, MovementOfTheFieldsListsTheTroopsAsTheOrderDoes) {
    using T = edit::Troop;
    const auto fields = [](std::string x, std::array<T, 3> troops, std::string tactic = "") {
        return edit::MovementFields{std::move(x), " 3 ", std::move(tactic), troops, "N"};
    };
    const auto order = [](CommandKind kind, const edit::MovementFields& f) {
        const std::optional<Movement> m = MovementOf(kind, f);
        return m ? MovementOrder(*m, "N") : std::string("none");
    };
    EXPECT_EQ(order(CommandKind::MoveThroughLand,
                    fields("2", {T{"", "All"}, T{"", ""}, T{"", ""}}, "Frontal assault")),
              "LAND 2 3 F AT N");
    // A raid takes no tactic.
    EXPECT_EQ(order(CommandKind::RaidProvince,
                    fields("2", {T{"4", "Horseman"}, T{"", "Bowman"}, T{"1", "General"}},
                           "Frontal assault")),
              "RAID 2 3 HO 4 GE 1 N");
    EXPECT_EQ(order(CommandKind::MoveThroughSea,
                    fields("2", {T{"1", "Ship"}, T{"", "All"}, T{"2", "Foot Soldier"}})),
              "SEA 2 3 SH 1 FO 2 N");
    EXPECT_EQ(order(CommandKind::MoveThroughLand, fields("x", {})), "none");
    EXPECT_EQ(order(CommandKind::MoveThroughLand, fields("2", {T{"4a", "Horseman"}})), "none");
    EXPECT_EQ(order(CommandKind::PlaceUnits, fields("2", {})), "none");
}

TEST(PlannedOrder, RepathedTakesTheCheapestPathFromTheStateAtItsLine) {
    check::testing::World w({"....", ".f..", "...."});
    w.Own(1, 1).Troops(1, 1, report::FootSoldiers, 3);
    const move::MoveList move = move::testing::RawMove({
        "BEGIN",
        "LAND 1 1 F FO 2 E",
        "LAND 1 1 FO 1 S", // one foot soldier is left for it
        "PLA 1 1 FO",
        "END",
    });
    EXPECT_EQ(Repathed(w.game, move, 1, 3, 1), "LAND 1 1 F FO 2 E E");
    EXPECT_EQ(Repathed(w.game, move, 2, 2, 1), "LAND 1 1 FO 1 E");
    // Its own start, out of reach, no movement, no order.
    for (const auto& [line, x, y] : std::vector<std::tuple<std::size_t, int, int>>{
             {1, 1, 1}, {1, 4, 3}, {3, 2, 1}, {0, 2, 1}, {4, 2, 1}, {9, 2, 1}}) {
        EXPECT_EQ(Repathed(w.game, move, line, x, y), std::nullopt) << line << ' ' << x;
    }
    // The new path passes the check with nothing said about the order.
    const std::string line = *Repathed(w.game, move, 1, 2, 2);
    const move::MoveList repathed = move::testing::RawMove({"BEGIN", line, "END"});
    for (const check::Finding& finding : check::CheckMove(repathed, w.game).findings) {
        EXPECT_NE(finding.line, 1U) << line;
    }
}

TEST(PlannedOrder, AProvincesMenuOffersTheCommandsThatFitIt) {
    using C = CommandKind;
    check::testing::World w({"~..", "..."});
    w.Own(2, 1).Troops(2, 1, report::Bowmen, 1).Troops(2, 1, report::Ships, 1);
    w.Own(3, 1).Troops(3, 1, report::Ships, 2).Foreign(1, 2).Troops(1, 2, report::Horsemen, 4);
    w.Troops(1, 1, report::Ships, 3);
    const std::vector<C> ownLand{C::PlaceUnits, C::GiveDefensiveOrders, C::NameProvince,
                                 C::ChangeTerrainType, C::CedeProvince};
    std::vector<C> armed{C::MoveThroughLand, C::RaidProvince, C::MoveThroughSea};
    armed.insert(armed.end(), ownLand.begin(), ownLand.end());
    std::vector<C> fleet{C::MoveThroughSea};
    fleet.insert(fleet.end(), ownLand.begin(), ownLand.end());
    EXPECT_EQ(ProvinceCommands(w.game, 2, 1), armed);
    EXPECT_EQ(ProvinceCommands(w.game, 3, 1), fleet);
    EXPECT_EQ(ProvinceCommands(w.game, 1, 2), std::vector<C>{C::EspionageEnemyProvince});
    EXPECT_EQ(ProvinceCommands(w.game, 2, 2), std::vector<C>{C::EspionageEnemyProvince});
    EXPECT_EQ(ProvinceCommands(w.game, 1, 1), std::vector<C>{}); // nobody's sea
    EXPECT_EQ(ProvinceCommands(w.game, 4, 1), std::vector<C>{});
    w.game.options.buildOrderActive = false;
    EXPECT_EQ(ProvinceCommands(w.game, 3, 1).size(), fleet.size() - 1);
}

} // namespace
} // namespace orv::plan
