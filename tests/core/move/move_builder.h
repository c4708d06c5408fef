#pragma once
// Builds a move list from its lines for the tests of the move, the checker and the editing
// operations, in the display form the lines are written in: "BEGIN", orders, "END", then
// the message lines (after the "Send message(s):" heading in natural form).

#include "core/move/convert.h"
#include "core/move/move_list.h"

#include <string>
#include <utility>
#include <vector>

namespace orv::move::testing {

inline MoveList Move(const std::vector<std::string>& lines,
                     DisplayForm form = DisplayForm::Natural) {
    MoveList move;
    move.form = form;
    std::size_t i = lines.empty() || lines.front() != "BEGIN" ? 0 : 1;
    for (; i < lines.size() && lines[i] != "END"; ++i) {
        // A line that is no order (a placeholder such as "A") stands for itself in both forms.
        const std::string& line = lines[i];
        const bool sentence =
            form == DisplayForm::Natural && !ConvertLine(line, DisplayForm::Raw).empty();
        OrderLine order = line == "BEGIN" ? OrderLine{line, line}
                          : sentence      ? OrderFromSentence(line)
                                          : OrderFromRaw(line);
        move.InsertOrder(move.EndLineIndex(), std::move(order));
    }
    std::vector<std::string> messages;
    for (++i; i < lines.size(); ++i) {
        if (form == DisplayForm::Raw || messages.size() > 0 || lines[i] != MessageHeading) {
            messages.push_back(lines[i]);
        }
    }
    move.ReplaceMessages(TextLines(messages));
    return move;
}

inline MoveList RawMove(const std::vector<std::string>& lines) {
    return Move(lines, DisplayForm::Raw);
}

} // namespace orv::move::testing
