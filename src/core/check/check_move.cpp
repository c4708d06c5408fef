#include "core/check/check_move.h"

#include "core/move/convert.h"

namespace orv::check {

CheckResult CheckMove(const move::MoveList& move, report::Game& game) {
    if (move.lines.size() < 3) {
        return CheckRawMove(move.lines, game, [](std::size_t) { return std::string(); });
    }
    // A copy takes the rebuild, so a line that does not convert leaves the move alone.
    move::MoveList raw = move;
    if (raw.form != move::DisplayForm::Raw) {
        std::string message = raw.Rebuild(move::DisplayForm::Raw);
        if (!message.empty()) {
            game.map.ClearMoveMarks();
            return {CheckOutcome::NotConvertible, std::move(message)};
        }
    }
    const bool natural = move.form == move::DisplayForm::Natural;
    const auto shown = [&raw, natural](std::size_t index) {
        return natural ? move::ConvertLine(raw.lines[index], move::DisplayForm::Natural)
                       : raw.lines[index];
    };
    return CheckRawMove(raw.lines, game, shown);
}

} // namespace orv::check
