#pragma once
// The move check: walks the raw orders between "BEGIN" and "END", hands each to the rules
// of its keyword, adds the order-limit and goods entries, and returns what it found as
// values. The game and the move are only read, so checks can run on every edit and side by
// side. The check report text, the problem list, the map picture and the command line's
// formats are all made from the one result.

#include "core/check/check_state.h"
#include "core/check/goods.h"
#include "core/check/move_map.h"
#include "core/check/walk_path.h"
#include "core/move/move_list.h"
#include "core/report/game.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orv::check {

enum class CheckOutcome : std::uint8_t {
    NothingToCheck,   // fewer than three lines
    MoveSeemsCorrect, // no entry
    ErrorsFound,      // findings hold the entries
};

enum class FindingKind : std::uint8_t {
    OrderLimit, // more orders than the game allows
    Order,      // what the rules of one order found
    Goods,      // gold or wood ran short at this order
};

// One entry of the check report.
struct Finding {
    FindingKind kind = FindingKind::Order;
    std::size_t line = 0; // the list line of the order; for the order limit, the END line
    std::string order;    // the order as the list shows it; empty for the order limit
    // As the report prints them: each begins with its three-blank indent (the order-limit
    // entry with "Error: ").
    std::vector<std::string> messages;

    bool operator==(const Finding&) const = default;
};

struct CheckResult {
    CheckOutcome outcome = CheckOutcome::NothingToCheck;
    std::vector<Finding> findings; // in the order of the report
    std::vector<PathTrace> traces; // every walk of a movement, in line order
    MoveChanges changes;           // what the orders did to the provinces
    Goods goods;                   // gold and wood left after the last order

    bool Correct() const { return outcome != CheckOutcome::ErrorsFound; }
};

inline constexpr std::string_view NothingToCheckText = "Nothing to check.";
inline constexpr std::string_view MoveSeemsCorrectText = "Move seems to be correct.";

// The shown line in double quotes, cut to its first 72 characters and "..." when it is
// longer than 74.
std::string QuotedOrderLine(std::string_view shownLine);

// Dispatches one order to the rules of its keyword (compared case-sensitively).
void CheckOrder(const move::Order& order, CheckState& state, Messages& messages);

// What of the game the grammar of an order needs: the tribe list, the user's place in it and
// whether BUILD is allowed.
move::GrammarContext GrammarContextOf(const report::Game& game);

// The messages of what in the order does not fit its command, in the order of its words.
Messages GrammarMessages(const move::Order& order, const move::GrammarContext& context);

// "Check Move": checks the move's raw orders against the game and quotes each line in the
// form the move is shown in.
CheckResult CheckMove(const move::MoveList& move, const report::Game& game);

// The check's working state when it reaches a line of the move: what the orders above it
// have booked and earmarked.
struct LineState {
    MoveChanges changes;
    PlacedLandUnits placedLandUnits;
};

// Checks the orders above line as CheckMove does (every order when line lies at or after
// "END") and returns the state they leave for it.
LineState StateAtLine(const move::MoveList& move, const report::Game& game, std::size_t line);

// The text of the check report: one entry per message, each headed by its line and order;
// empty when there is nothing to report.
std::string CheckReportText(const CheckResult& result);

// A message without its three-blank indent (also after each line break inside it).
std::string WithoutIndent(std::string_view message);

// A message on one line: without its indent, its line breaks as blanks, and without the
// "Error: " the order-limit message begins with.
std::string OneLineMessage(std::string_view message);

// One row of the problem list: the list line it is about and what is wrong there.
struct Problem {
    std::size_t line = 0;
    std::string text;

    bool operator==(const Problem&) const = default;
};

// One row per message of the report, in its order: "Line 14: Province 1/1 is a sea
// province!"; the order-limit entry, which has no line of its own, points at "END".
std::vector<Problem> Problems(const CheckResult& result);

} // namespace orv::check
