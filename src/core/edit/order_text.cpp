#include "core/edit/order_text.h"

#include "core/move/order_line.h"
#include "core/report/tokenizer.h"

namespace orv::edit {

OrderTextCheck CheckOrderText(std::string_view text, const move::GrammarContext& context) {
    OrderTextCheck check;
    if (text.find_first_of("\r\n") != std::string_view::npos) {
        check.messages.emplace_back(OneLineMessage);
        return check;
    }
    const move::Order order(text);
    if (order.GetKeyword() == move::Keyword::None) {
        check.messages.emplace_back(NotAnOrderMessage);
        return check;
    }
    check.order = true;
    for (const move::GrammarFinding& finding : move::GrammarFindings(order, context)) {
        check.messages.emplace_back(report::TrimmedBlanks(move::GrammarMessage(order, finding)));
    }
    return check;
}

move::MoveEdit ReplaceOrderText(move::MoveList& move, std::size_t i, std::string_view text) {
    return move::Apply(move, move::MoveEdit::Replace(i, move::OrderFromFile(text)));
}

} // namespace orv::edit
