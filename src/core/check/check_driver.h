#pragma once
// The frame of a move check: walks the raw order lines between "BEGIN" and "END", hands
// each to the rules of its keyword, adds the order-limit and goods entries and returns the
// check report. The map model's move state is restored on every path.

#include "core/check/check_state.h"
#include "core/check/goods.h"
#include "core/move/move_list.h"
#include "core/report/game.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orv::check {

enum class CheckOutcome : std::uint8_t {
    NothingToCheck,   // fewer than three lines
    MoveSeemsCorrect, // no entry
    ErrorsFound,      // report holds the entries
    NotConvertible,   // a line has no raw form; report holds the message
};

struct CheckResult {
    CheckOutcome outcome = CheckOutcome::NothingToCheck;
    std::string report;
};

inline constexpr std::string_view NothingToCheckText = "Nothing to check.";
inline constexpr std::string_view MoveSeemsCorrectText = "Move seems to be correct.";
inline constexpr std::string_view CheckResultCaption = "Check move result";

// Gives the text an entry quotes for the line at an index: the line as the user sees it.
using ShownLine = std::function<std::string(std::size_t index)>;

// The shown line in double quotes, cut to its first 72 characters and "..." when it is
// longer than 74.
std::string QuotedOrderLine(std::string_view shownLine);

// Dispatches one raw order line to the rules of its keyword (compared case-sensitively).
void CheckOrder(std::string_view rawLine, CheckState& state, Messages& messages);

// Checks a move held in raw form against the game state; shownLine gives the text each
// entry quotes. Leaves no move deltas or placed counters in the map, also when it throws;
// the earmarks are cleared first and left as the movements set them.
CheckResult CheckRawMove(const move::MoveList& rawMove, report::Game& game,
                         const ShownLine& shownLine);

// "Check Move": checks the move in raw form and quotes its lines in the form the move is
// shown in. A move shown in natural form afterwards holds each line in the wording the
// conversion back from raw form gives. When a line has no raw form, the move stays exactly
// as it was and the outcome is NotConvertible, with the message in the report.
CheckResult CheckMove(move::MoveList& move, report::Game& game);

} // namespace orv::check
