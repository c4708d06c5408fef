#include "core/move/move_edit.h"

#include <utility>

namespace orv::move {

MoveEdit MoveEdit::Insert(std::size_t at, OrderLine order) {
    MoveEdit edit;
    edit.kind = Kind::InsertOrder;
    edit.at = at;
    edit.order = std::move(order);
    return edit;
}

MoveEdit MoveEdit::Remove(std::size_t at) {
    MoveEdit edit;
    edit.kind = Kind::RemoveOrder;
    edit.at = at;
    return edit;
}

MoveEdit MoveEdit::Replace(std::size_t at, OrderLine order) {
    MoveEdit edit = Insert(at, std::move(order));
    edit.kind = Kind::ReplaceOrder;
    return edit;
}

MoveEdit MoveEdit::Move(std::size_t from, std::size_t to) {
    MoveEdit edit;
    edit.kind = Kind::MoveOrder;
    edit.at = from;
    edit.to = to;
    return edit;
}

MoveEdit MoveEdit::Messages(TextLines messages) {
    MoveEdit edit;
    edit.kind = Kind::ReplaceMessages;
    edit.messages = std::move(messages);
    return edit;
}

MoveEdit MoveEdit::WholeMove(MoveList move) {
    MoveEdit edit;
    edit.kind = Kind::ReplaceMove;
    edit.move = std::make_shared<const MoveList>(std::move(move));
    return edit;
}

MoveEdit Apply(MoveList& move, const MoveEdit& edit) {
    switch (edit.kind) {
    case MoveEdit::Kind::InsertOrder:
        move.InsertOrder(edit.at, edit.order);
        return MoveEdit::Remove(edit.at);
    case MoveEdit::Kind::RemoveOrder:
        return MoveEdit::Insert(edit.at, move.TakeOrder(edit.at));
    case MoveEdit::Kind::ReplaceOrder:
        return MoveEdit::Replace(edit.at, move.ReplaceOrder(edit.at, edit.order));
    case MoveEdit::Kind::MoveOrder:
        move.MoveOrder(edit.at, edit.to);
        return MoveEdit::Move(edit.to, edit.at);
    case MoveEdit::Kind::ReplaceMessages:
        return MoveEdit::Messages(move.ReplaceMessages(edit.messages));
    case MoveEdit::Kind::ReplaceMove:
        break;
    }
    return PutWholeMove(move, *edit.move);
}

MoveEdit PutWholeMove(MoveList& move, MoveList next) {
    next.form = move.form;
    next.folder = move.folder;
    std::swap(move, next);
    return MoveEdit::WholeMove(std::move(next));
}

} // namespace orv::move
