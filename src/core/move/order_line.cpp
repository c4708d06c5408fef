#include "core/move/order_line.h"

#include "core/move/convert.h"
#include "core/report/tokenizer.h"

namespace orv::move {

namespace {

using report::UpperAscii;

std::string_view Trimmed(std::string_view line) {
    while (!line.empty() && report::IsSeparator(line.front())) {
        line.remove_prefix(1);
    }
    while (!line.empty() && report::IsSeparator(line.back())) {
        line.remove_suffix(1);
    }
    return line;
}

OrderLine Shown(std::string raw) {
    std::string sentence = ConvertLine(raw, DisplayForm::Natural);
    if (SameOrderWords(raw, ConvertLine(sentence, DisplayForm::Raw))) {
        return {std::move(raw), std::move(sentence)};
    }
    std::string natural = raw;
    return {std::move(raw), std::move(natural)};
}

} // namespace

bool IsOrderKeyword(std::string_view line) {
    return KeywordOf(report::WordAt(line, 1)) != Keyword::None;
}

bool IsEndLine(std::string_view line) {
    const std::string_view trimmed = Trimmed(line);
    return trimmed.size() == 3 && UpperAscii(trimmed) == "END";
}

bool IsBeginLine(std::string_view line) {
    const std::string_view trimmed = Trimmed(line);
    return trimmed.size() == 5 && UpperAscii(trimmed) == "BEGIN";
}

OrderLine OrderFromFile(std::string_view raw) {
    std::string sentence = ConvertLine(raw, DisplayForm::Natural);
    std::string canonical = ConvertLine(sentence, DisplayForm::Raw);
    // A line already written as the editor writes it is shown by the sentence just made.
    if (canonical == raw) {
        return {std::move(canonical), std::move(sentence)};
    }
    if (SameOrderWords(raw, canonical)) {
        return Shown(std::move(canonical));
    }
    return Shown(std::string(raw));
}

OrderLine OrderFromRaw(std::string_view raw) {
    return Shown(std::string(raw));
}

OrderLine OrderFromSentence(std::string_view sentence) {
    return Shown(ConvertLine(sentence, DisplayForm::Raw));
}

} // namespace orv::move
