#pragma once
// The frame of a move check: walks the raw order lines between "BEGIN" and "END", hands
// each to the rules of its keyword, adds the order-limit and goods entries and returns the
// check report. The map model's move state is restored on every path.

#include "core/check/check_state.h"
#include "core/check/goods.h"
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

// Index of the last line that is exactly "END", searched from the end down to index 1;
// 0 when there is none.
std::size_t EndLineIndex(const std::vector<std::string>& lines);

// Dispatches one raw order line to the rules of its keyword (compared case-sensitively).
void CheckOrder(std::string_view rawLine, CheckState& state, Messages& messages);

// Checks raw lines against the game state. Leaves no move deltas or placed counters in
// the map; the earmarks are cleared first and left as the movements set them.
CheckResult CheckRawMove(const std::vector<std::string>& rawLines, report::Game& game,
                         const ShownLine& shownLine);

} // namespace orv::check
