#include "core/edit/read_back.h"

#include "core/edit/read_parts.h"
#include "core/move/codes.h"
#include "core/move/move_list.h"
#include "core/move/word_places.h"
#include "core/report/tokenizer.h"

namespace orv::edit {

std::string_view AfterWord(const move::LineWords& words, int n) {
    const std::string_view rest = words.RestFrom(n);
    return rest.empty() ? rest : rest.substr(words.At(n).size());
}

std::string TroopType(std::string_view word) {
    return NameOf(word, [](std::string_view w) { return move::TroopName(w, false); });
}

std::optional<EditedOrder> ReadOrderLine(std::string_view line) {
    if (auto order = ReadNaturalLine(line)) {
        return order;
    }
    return ReadRawLine(line);
}

std::optional<EditedOrder> ReadMoveOrder(const move::MoveList& move, std::size_t i) {
    const move::OrderLine& order = move.Order(i);
    if (move.form == move::DisplayForm::Natural && order.natural != order.raw) {
        return ReadOrderLine(order.natural);
    }
    // A raw order kept as written may have its keyword in any case.
    const move::LineWords words(order.raw);
    return ReadRawLine(report::UpperAscii(words.At(move::raw::Keyword)) +
                       std::string(AfterWord(words, move::raw::Keyword)));
}

std::string MessageBlockText(const move::MoveList& move, std::size_t first) {
    const std::vector<std::string>& messages = move.Messages();
    std::string text;
    for (std::size_t i = move.MessageIndex(first); i < messages.size(); ++i) {
        text += messages[i];
        text += "\r\n";
    }
    return text;
}

} // namespace orv::edit
