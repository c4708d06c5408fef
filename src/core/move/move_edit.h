#pragma once
// One change of the move as a value: what the list editing, the command dialogs and the
// loading commands do to the move. Applying an edit gives back the edit that takes it
// back, so the window can undo and redo every change without knowing how it was made.

#include "core/move/move_list.h"
#include "core/move/order_line.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace orv::move {

struct MoveEdit {
    enum class Kind {
        InsertOrder,     // order goes in at line `at`
        RemoveOrder,     // the order at line `at` goes
        ReplaceOrder,    // the order at line `at` becomes `order`
        MoveOrder,       // the order at line `at` moves to line `to`
        ReplaceMessages, // the message block becomes `messages`
        ReplaceMove,     // orders, messages and file name become those of `move`
    };
    Kind kind = Kind::InsertOrder;
    std::size_t at = 0;
    std::size_t to = 0;
    OrderLine order;
    TextLines messages;
    std::shared_ptr<const MoveList> move;

    static MoveEdit Insert(std::size_t at, OrderLine order);
    static MoveEdit Remove(std::size_t at);
    static MoveEdit Replace(std::size_t at, OrderLine order);
    static MoveEdit Move(std::size_t from, std::size_t to);
    static MoveEdit Messages(TextLines messages);
    // The whole move, as a load or "New" makes it; the display form and the move folder
    // are no part of it.
    static MoveEdit WholeMove(MoveList move);
};

// Carries the edit out and returns the edit that undoes it.
MoveEdit Apply(MoveList& move, const MoveEdit& edit);

// The ReplaceMove edit with a move the caller gives away, so that a large move read from a
// file is never copied on its way in; the display form and the folder stay the open move's.
MoveEdit PutWholeMove(MoveList& move, MoveList next);

} // namespace orv::move
