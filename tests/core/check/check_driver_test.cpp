#include "core/check/check_driver.h"
#include "core/move/convert.h"
#include "test_world.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace orv::check {
namespace {

using testing::World;

// 2/2 and 3/2 own coast, 4/4 foreign, sea along the top.
World MakeWorld(std::int32_t gold = 100, std::int32_t wood = 100) {
    World w({"~~~~~", //
             "~....", //
             "~....", //
             "~...."});
    w.Own(2, 2, true).Own(3, 2, true).Foreign(4, 4);
    report::TribeElem tribe;
    tribe.name = "Harald";
    tribe.figures[0] = gold;
    tribe.figures[1] = wood;
    w.game.tribes.push_back(tribe);
    w.game.currentTribe = 0;
    return w;
}

move::MoveList RawMove(std::vector<std::string> lines) {
    move::MoveList m;
    m.form = move::DisplayForm::Raw;
    m.lines = std::move(lines);
    return m;
}

TEST(CheckDriver, FewerThanThreeLinesAreNothingToCheck) {
    World w = MakeWorld();
    move::MoveList m = RawMove({"BEGIN", "END"});
    EXPECT_EQ(CheckMove(m, w.game).outcome, CheckOutcome::NothingToCheck);
    m.lines = {"BEGIN", "ALL 3 2", "END"};
    EXPECT_EQ(CheckMove(m, w.game).outcome, CheckOutcome::MoveSeemsCorrect);
    m.form = move::DisplayForm::Natural;
    m.lines = {"BEGIN", "END"};
    EXPECT_EQ(CheckMove(m, w.game).outcome, CheckOutcome::NothingToCheck);
}

TEST(CheckDriver, EntriesNameTheLineAndQuoteIt) {
    World w = MakeWorld();
    move::MoveList m = RawMove(
        {"BEGIN", "ALL 3 2", "PLA 4 4 FO 0 1 CA", "DEF 2 2 F", "ESP 2 2", "END", "PLA 0 0 FO"});
    const CheckResult r = CheckMove(m, w.game);
    EXPECT_EQ(r.outcome, CheckOutcome::ErrorsFound);
    EXPECT_EQ(r.report, "Error in line 2 \"PLA 4 4 FO 0 1 CA\":\r\n"
                        "   You don't own province 4/4!\r\n"
                        "Error in line 2 \"PLA 4 4 FO 0 1 CA\":\r\n"
                        "   Illegal province coordinates!\r\n"
                        "Error in line 4 \"ESP 2 2\":\r\n"
                        "   You own province 2/2!\r\n");
}

TEST(CheckDriver, AMessageLineENDMovesTheEndOfTheOrders) {
    World w = MakeWorld();
    move::MoveList m = RawMove({"BEGIN", "END", "PLA 0 0 FO", "END"});
    EXPECT_EQ(CheckMove(m, w.game).report,
              "Error in line 2 \"PLA 0 0 FO\":\r\n   Illegal province coordinates!\r\n");
}

TEST(CheckDriver, WithoutENDNothingIsChecked) {
    World w = MakeWorld();
    w.game.options.maxOrdersPerMove = 0;
    move::MoveList m = RawMove({"BEGIN", "PLA 0 0 FO", "PLA 0 0 FO", "end"});
    EXPECT_EQ(CheckMove(m, w.game).outcome, CheckOutcome::MoveSeemsCorrect);
}

TEST(CheckDriver, OrderLimitComesFirstAndAllOrdersAreStillChecked) {
    World w = MakeWorld();
    w.game.options.maxOrdersPerMove = 2;
    move::MoveList m = RawMove({"BEGIN", "DEF 2 2 F", "DEF 3 2 F", "DEF 2 2 F", "END"});
    const std::string limit = "Error: Maximal number of orders exceeded (Maximal number of orders "
                              "is limited to 2)!\r\n";
    EXPECT_EQ(CheckMove(m, w.game).report, limit);
    m.lines[3] = "DEF 4 4 F";
    EXPECT_EQ(CheckMove(m, w.game).report,
              limit + "Error in line 3 \"DEF 4 4 F\":\r\n   You don't own province 4/4!\r\n");
    m.lines.erase(m.lines.begin() + 3);
    EXPECT_EQ(CheckMove(m, w.game).outcome, CheckOutcome::MoveSeemsCorrect);
}

TEST(CheckDriver, LongLinesAreCutAfter72Characters) {
    struct Row {
        std::size_t length;
        std::string quoted;
    };
    const std::string letters(80, 'x');
    for (const Row& row : {Row{74, '"' + letters.substr(0, 74) + '"'},
                           Row{75, '"' + letters.substr(0, 72) + "...\""}, Row{0, "\"\""}}) {
        EXPECT_EQ(QuotedOrderLine(letters.substr(0, row.length)), row.quoted) << row.length;
    }
    World w = MakeWorld();
    const std::string order = "PLA 0 0 FO " + std::string(64, 'y'); // 75 characters
    move::MoveList m = RawMove({"BEGIN", order, "END"});
    EXPECT_EQ(CheckMove(m, w.game).report, "Error in line 1 \"" + order.substr(0, 72) +
                                               "...\":\r\n   Illegal province coordinates!\r\n");
}

TEST(CheckDriver, GoodsEntryNamesTheNextLineAndQuotesTheShortOne) {
    struct Row {
        const char* name;
        std::int32_t gold, wood;
        std::string goodsEntry;
    };
    const std::string order = " \"PLA 3 2 CA 4 4 SH\":\r\n";
    const std::string foreign = "Error in line 3" + order + "   You don't own province 4/4!\r\n";
    for (const Row& row :
         {Row{"Enough", 18, 10, ""},
          Row{"Gold", 17, 10, "Error in line 4" + order + "   Not enough gold!\r\n"},
          Row{"Wood", 18, 9, "Error in line 4" + order + "   Not enough wood!\r\n"},
          Row{"Both", 17, 9, "Error in line 4" + order + "   Not enough gold and wood!\r\n"},
          Row{"ShortFromTheStart", -1, 0,
              "Error in line 2 \"DEF 2 2 F\":\r\n   Not enough gold!\r\n"}}) {
        World w = MakeWorld(row.gold, row.wood);
        // The message line after END costs nothing: it lies below the last order.
        move::MoveList m =
            RawMove({"BEGIN", "DEF 2 2 F", "PLA 2 2 FO", "PLA 3 2 CA 4 4 SH", "END", "PLA 2 2 CA"});
        EXPECT_EQ(CheckMove(m, w.game).report, foreign + row.goodsEntry) << row.name;
    }
}

TEST(CheckDriver, GoodsCheckAgreesWithComputeCurrentGoodsLineByLine) {
    // Costs of 0, 6, 12 or 10 wood per unit in many mixes: the first line at which the
    // recomputation from the top runs short is the one the entry names.
    const std::vector<std::string> orders{"PLA 2 2 FO", "PLA 2 2 SH 3 2 HO", "DEF 2 2 F",
                                          "PLA 2 2 GE 3 2 CA 2 2 BO", "PLA 2 2 SH 2 2 SH"};
    for (std::int32_t gold = -1; gold < 60; gold += 7) {
        for (std::int32_t wood = 0; wood < 40; wood += 9) {
            move::MoveList m = RawMove({"BEGIN"});
            for (int i = 0; i < 12; ++i) {
                m.lines.push_back(orders[static_cast<std::size_t>(i * 7 % 5)]);
            }
            m.lines.emplace_back("END");
            World w = MakeWorld(gold, wood);
            std::string expected;
            for (std::size_t i = 1; i + 1 < m.lines.size(); ++i) {
                const Goods g = ComputeCurrentGoods(m.lines, static_cast<std::int64_t>(i),
                                                    move::DisplayForm::Raw, {gold, wood});
                if (g.gold < 0 || g.wood < 0) {
                    expected = "Error in line " + std::to_string(i + 1);
                    break;
                }
            }
            const std::string report = CheckMove(m, w.game).report;
            const std::size_t goods = report.rfind("Error in line ");
            const std::string found =
                goods == std::string::npos || report.find("Not enough", goods) == std::string::npos
                    ? ""
                    : report.substr(goods, report.find(' ', goods + 14) - goods);
            EXPECT_EQ(found, expected) << gold << " " << wood;
        }
    }
}

// Drops the quoted text of every heading: "Error in line 3 ...:" becomes "Error in line 3".
std::string WithoutQuotes(const std::string& report) {
    std::string out;
    std::size_t p = 0;
    while (p < report.size()) {
        std::size_t end = report.find("\r\n", p);
        end = end == std::string::npos ? report.size() : end;
        std::string line = report.substr(p, end - p);
        if (line.rfind("Error in line ", 0) == 0) {
            line = line.substr(0, line.find('"'));
        }
        out += line + "\n";
        p = end + 2;
    }
    return out;
}

TEST(CheckDriver, NaturalAndRawDisplayGiveTheSameEntries) {
    const std::vector<std::string> raw{"BEGIN",
                                       "PLA 2 2 FO 4 4 SH",
                                       "LAND 2 2 FO 1 E",
                                       "LAND 3 2 FO 2 E",
                                       "SEA 2 2 FO 1 W",
                                       "RAID 4 4 AT N",
                                       "NAME Eric",
                                       "NAME 4 4 Keep",
                                       "ESP 2 2 4 4",
                                       "PLA 3 2 CA",
                                       "END",
                                       "greetings",
                                       "END"};
    World rawWorld = MakeWorld(10, 0);
    move::MoveList rawMove = RawMove(raw);
    const CheckResult rawResult = CheckMove(rawMove, rawWorld.game);

    World naturalWorld = MakeWorld(10, 0);
    move::MoveList natural = RawMove(raw);
    ASSERT_EQ(natural.Rebuild(move::DisplayForm::Natural), "");
    const std::vector<std::string> shown = natural.lines;
    const CheckResult naturalResult = CheckMove(natural, naturalWorld.game);

    EXPECT_EQ(rawResult.outcome, CheckOutcome::ErrorsFound);
    EXPECT_EQ(WithoutQuotes(naturalResult.report), WithoutQuotes(rawResult.report));
    EXPECT_NE(naturalResult.report, rawResult.report);
    EXPECT_NE(naturalResult.report.find(
                  "Error in line 3 \"" +
                  QuotedOrderLine(move::ConvertLine(raw[3], move::DisplayForm::Natural)).substr(1)),
              std::string::npos);
    // The message line "greetings" stands between the two ENDs and is no order.
    EXPECT_EQ(rawResult.report.find("greetings"), std::string::npos);
    EXPECT_EQ(natural.lines, shown);
    EXPECT_EQ(natural.form, move::DisplayForm::Natural);
    EXPECT_EQ(rawMove.lines, raw);
}

TEST(CheckDriver, ALineWithoutRawFormLeavesTheMoveAsItWas) {
    World w = MakeWorld();
    move::MoveList m;
    m.lines = {"BEGIN", "Change terrain type of province 2 / 2", "hello world", "END"};
    m.fileName = "/moves/turn12.cmd";
    const move::MoveList before = m;
    const CheckResult r = CheckMove(m, w.game);
    EXPECT_EQ(r.outcome, CheckOutcome::NotConvertible);
    EXPECT_EQ(r.report, "Error in file: unrecognized command in line\r\nhello world");
    EXPECT_EQ(m.lines, before.lines);
    EXPECT_EQ(m.fileName, before.fileName);
    EXPECT_EQ(m.form, move::DisplayForm::Natural);
}

TEST(CheckDriver, MapHoldsNoMoveStateAfterTheCheck) {
    World w = MakeWorld();
    w.game.map.SetSeaMark(4, 2, true); // left from an earlier check
    w.game.map.AddFootSoldiers(4, 3, 7, true);
    move::MoveList m = RawMove({"BEGIN", "PLA 2 2 FO", "LAND 2 2 FO 1 E", "END"});
    EXPECT_EQ(CheckMove(m, w.game).outcome, CheckOutcome::MoveSeemsCorrect);
    EXPECT_FALSE(w.game.map.IsSeaMarked(4, 2));
    EXPECT_TRUE(w.game.map.IsLandMarked(3, 2)); // the earmark stays until the next check
    for (int x = 1; x <= 5; ++x) {
        for (int y = 1; y <= 4; ++y) {
            EXPECT_EQ(w.Cell(x, y).moveDelta, (std::array<std::int32_t, 6>{}));
            EXPECT_EQ(w.Cell(x, y).placed, (std::array<std::int32_t, 6>{}));
        }
    }
}

TEST(CheckDriver, AFailureDuringTheCheckStillClearsTheMoveState) {
    World w = MakeWorld();
    move::MoveList m = RawMove({"BEGIN", "PLA 2 2 FO", "PLA 0 0 FO", "END"});
    const auto failing = [](std::size_t) -> std::string { throw std::runtime_error("quote"); };
    EXPECT_THROW(CheckRawMove(m, w.game, failing), std::runtime_error);
    EXPECT_EQ(w.game.map.GetFootSoldiers(2, 2), 0);
    EXPECT_EQ(w.Cell(2, 2).placed[report::FootSoldiers], 0);
}

TEST(CheckDriver, NoCurrentTribeStartsFromNoGoods) {
    World w = MakeWorld();
    w.game.currentTribe.reset();
    move::MoveList m = RawMove({"BEGIN", "DEF 2 2 F", "PLA 2 2 SH", "END"});
    EXPECT_EQ(CheckMove(m, w.game).report,
              "Error in line 3 \"PLA 2 2 SH\":\r\n   Not enough wood!\r\n");
}

} // namespace
} // namespace orv::check
