#include "core/edit/list_editing.h"

#include <algorithm>

namespace orv::edit {

namespace {

using move::MessageKind;

ListEditOutcome Refused(std::string_view text) {
    return {UserMessage{MessageKind::Error, std::string(text)}, std::nullopt};
}

ListEditOutcome Changed(move::MoveEdit undo) {
    return {std::nullopt, std::move(undo)};
}

// "BEGIN" and "END" are known by their place, not their text: an order that reads "BEGIN"
// (a move pasted twice) can be selected and deleted like any other.
bool IsFrameLine(const move::MoveList& move, std::size_t i) {
    return !move.IsOrderLine(i);
}

// The checks "-" and "+" share; an index to move, or the outcome to stop with.
std::optional<ListEditOutcome> CheckMovable(const move::MoveList& move, Selection selected) {
    if (!selected || *selected >= move.Size()) {
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

} // namespace

Selection SelectionAfterClick(const move::MoveList& move, Selection clicked) {
    const std::size_t size = move.Size();
    if (size < 3 || !clicked || *clicked >= size) {
        return std::nullopt;
    }
    const std::size_t i = *clicked;
    const std::size_t end = move.EndLineIndex();
    std::size_t target = i;
    if (i == 0) {
        target = i + 1;
    } else if (i == end) {
        target = i - 1;
    } else if (i > end + 1) {
        target = end + 1;
    }
    return target;
}

ListEditOutcome MoveOrderUp(move::MoveList& move, Selection& selected) {
    if (auto stop = CheckMovable(move, selected)) {
        return *stop;
    }
    const std::size_t i = *selected;
    const std::size_t end = move.EndLineIndex();
    // The first order wraps round to the place directly above "END".
    const std::size_t to = i == 1 ? end - 1 : i - 1;
    selected = to;
    return Changed(move::Apply(move, move::MoveEdit::Move(i, to)));
}

ListEditOutcome MoveOrderDown(move::MoveList& move, Selection& selected) {
    if (auto stop = CheckMovable(move, selected)) {
        return *stop;
    }
    const std::size_t i = *selected;
    // The last order wraps round to the place directly below "BEGIN".
    const std::size_t to = i + 1 == move.EndLineIndex() ? 1 : i + 1;
    selected = to;
    return Changed(move::Apply(move, move::MoveEdit::Move(i, to)));
}

ListEditOutcome DeleteCommand(move::MoveList& move, Selection& selected) {
    if (!selected || *selected >= move.Size()) {
        return Refused(SelectLineFirstMessage);
    }
    const std::size_t i = *selected;
    const std::size_t end = move.EndLineIndex();
    std::size_t s = i;
    move::MoveEdit undo;
    if (i <= end) {
        if (IsFrameLine(move, i)) {
            return {};
        }
        undo = move::Apply(move, move::MoveEdit::Remove(i));
    } else {
        move::TextLines messages = move.Messages();
        messages.truncate(move.MessageIndex(i));
        undo = move::Apply(move, move::MoveEdit::Messages(std::move(messages)));
        s = i - 1;
    }
    s = std::min(s, move.Size() - 1);
    if (s == move.EndLineIndex() && s > 0) {
        --s;
    }
    if (s == 0) {
        selected.reset();
    } else {
        selected = s;
    }
    return Changed(std::move(undo));
}

} // namespace orv::edit
