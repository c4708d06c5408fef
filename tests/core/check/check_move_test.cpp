#include "core/check/check_move.h"
#include "core/move/convert.h"

#include <gtest/gtest.h>

namespace orv::check {
namespace {

report::Game PoorTribe() {
    report::Game game;
    report::AddTribeRow(game, "1 Harald 5 0 0 0 0 0 0 0 0 0 0");
    game.tribeName = "Harald";
    report::SelectCurrentTribe(game);
    return game;
}

move::MoveList MoveIn(move::DisplayForm form, std::vector<std::string> rawLines) {
    move::MoveList list;
    list.lines = std::move(rawLines);
    list.form = move::DisplayForm::Raw;
    if (form == move::DisplayForm::Natural) {
        EXPECT_EQ(list.Rebuild(move::DisplayForm::Natural), "");
    }
    return list;
}

TEST(CheckMove, BothDisplayFormsFindTheSameShortageQuotedAsShown) {
    const std::string order = "PLA 1 1 CA";
    for (const auto form : {move::DisplayForm::Raw, move::DisplayForm::Natural}) {
        report::Game game = PoorTribe();
        const move::MoveList list = MoveIn(form, {"BEGIN", order, "END"});
        const std::vector<std::string> before = list.lines;
        const CheckResult result = CheckMove(list, game);
        ASSERT_EQ(result.outcome, CheckOutcome::ErrorsFound);
        const std::string shown = form == move::DisplayForm::Raw
                                      ? order
                                      : move::ConvertLine(order, move::DisplayForm::Natural);
        EXPECT_NE(result.report.find("Error in line 2 \"" + shown + "\":\r\n   Not enough gold!"),
                  std::string::npos)
            << result.report;
        EXPECT_EQ(list.lines, before);
    }
}

TEST(CheckMove, ALineWithoutRawFormLeavesTheMoveAsItWas) {
    report::Game game = PoorTribe();
    move::MoveList list;
    list.lines = {"BEGIN", "gibberish here", "END"};
    list.form = move::DisplayForm::Natural;
    list.fileName = "/m/turn12.cmd";
    const CheckResult result = CheckMove(list, game);
    EXPECT_EQ(result.outcome, CheckOutcome::NotConvertible);
    EXPECT_EQ(result.report, "Error in file: unrecognized command in line\r\ngibberish here");
    EXPECT_EQ(list.lines, (std::vector<std::string>{"BEGIN", "gibberish here", "END"}));
}

TEST(CheckMove, ShortMovesHaveNothingToCheckAndCorrectOnesSaySo) {
    report::Game game = PoorTribe();
    EXPECT_EQ(CheckMove(MoveIn(move::DisplayForm::Natural, {"BEGIN", "END"}), game).outcome,
              CheckOutcome::NothingToCheck);
    EXPECT_EQ(
        CheckMove(MoveIn(move::DisplayForm::Natural, {"BEGIN", "END", "hello"}), game).outcome,
        CheckOutcome::MoveSeemsCorrect);
}

} // namespace
} // namespace orv::check
