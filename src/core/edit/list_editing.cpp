#include "core/edit/list_editing.h"

#include <algorithm>

namespace orv::edit {

namespace {

using move::MessageKind;

ListEditOutcome Refused(std::string_view text) {
    return {UserMessage{MessageKind::Error, std::string(text)}, false, false};
}

bool IsFrameLine(const move::MoveList& move, std::size_t i) {
    return i == 0 || i == move.EndLineIndex() || move.lines[i] == "BEGIN" || move.lines[i] == "END";
}

// The checks "-" and "+" share; an index to move, or the outcome to stop with.
std::optional<ListEditOutcome> CheckMovable(const move::MoveList& move, Selection selected) {
    if (!selected || *selected >= move.lines.size()) {
        return Refused(SelectLineFirstMessage);
    }
    if (*selected > move.EndLineIndex()) {
        return Refused(MessagePositionMessage);
    }
    if (IsFrameLine(move, *selected)) {
        return ListEditOutcome{};
    }
    return std::nullopt;
}

// Moves line `from` so that it ends up at index `to`; both between the frame lines.
void MoveLine(std::vector<std::string>& lines, std::size_t from, std::size_t to) {
    const auto first = lines.begin();
    if (from < to) {
        std::rotate(first + static_cast<std::ptrdiff_t>(from),
                    first + static_cast<std::ptrdiff_t>(from) + 1,
                    first + static_cast<std::ptrdiff_t>(to) + 1);
    } else {
        std::rotate(first + static_cast<std::ptrdiff_t>(to),
                    first + static_cast<std::ptrdiff_t>(from),
                    first + static_cast<std::ptrdiff_t>(from) + 1);
    }
}

} // namespace

Selection SelectionAfterClick(const move::MoveList& move, Selection clicked) {
    const auto& lines = move.lines;
    if (lines.size() < 3 || !clicked || *clicked >= lines.size()) {
        return std::nullopt;
    }
    const std::size_t i = *clicked;
    const std::size_t end = move.EndLineIndex();
    std::size_t target = i;
    if (lines[i] == "BEGIN") {
        target = i + 1;
    } else if (lines[i] == "END") {
        target = i == 0 ? 0 : i - 1;
    } else if (i > end + 1) {
        target = end + 1;
    }
    return std::min(target, lines.size() - 1);
}

ListEditOutcome MoveOrderUp(move::MoveList& move, Selection& selected) {
    if (auto stop = CheckMovable(move, selected)) {
        return *stop;
    }
    const std::size_t i = *selected;
    const std::size_t end = move.EndLineIndex();
    // The first order wraps round to the place directly above "END".
    const std::size_t to = i == 1 ? end - 1 : i - 1;
    MoveLine(move.lines, i, to);
    selected = to;
    return {std::nullopt, true, true};
}

ListEditOutcome MoveOrderDown(move::MoveList& move, Selection& selected) {
    if (auto stop = CheckMovable(move, selected)) {
        return *stop;
    }
    const std::size_t i = *selected;
    // The last order wraps round to the place directly below "BEGIN".
    const std::size_t to = move.lines[i + 1] == "END" ? 1 : i + 1;
    MoveLine(move.lines, i, to);
    selected = to;
    return {std::nullopt, true, true};
}

ListEditOutcome DeleteCommand(move::MoveList& move, Selection& selected) {
    auto& lines = move.lines;
    if (!selected || *selected >= lines.size()) {
        return Refused(SelectLineFirstMessage);
    }
    const std::size_t i = *selected;
    const std::size_t end = move.EndLineIndex();
    std::size_t s = i;
    if (i <= end) {
        if (IsFrameLine(move, i)) {
            return {};
        }
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
    } else {
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i), lines.end());
        s = i - 1;
    }
    if (lines[s] == "END" && s > 0) {
        --s;
    }
    if (lines[s] == "BEGIN") {
        selected.reset();
    } else {
        selected = s;
    }
    return {std::nullopt, true, true};
}

} // namespace orv::edit
