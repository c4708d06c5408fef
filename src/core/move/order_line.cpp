#include "core/move/order_line.h"

#include "core/move/codes.h"
#include "core/move/convert.h"
#include "core/move/words.h"
#include "core/report/tokenizer.h"

#include <array>

namespace orv::move {

namespace {

using report::UpperAscii;

constexpr std::array<std::string_view, 10> OrderKeywords = {"ALL",  "BUILD", "CEDE", "DEF",  "ESP",
                                                            "LAND", "NAME",  "PLA",  "RAID", "SEA"};

std::string_view Trimmed(std::string_view line) {
    while (!line.empty() && report::IsSeparator(line.front())) {
        line.remove_prefix(1);
    }
    while (!line.empty() && report::IsSeparator(line.back())) {
        line.remove_suffix(1);
    }
    return line;
}

bool IsDirectionInitial(std::string_view word) {
    return word == "N" || word == "E" || word == "S" || word == "W";
}

bool SameWord(std::string_view a, std::string_view b) {
    if (a == b) {
        return true;
    }
    const std::string upperA = UpperAscii(a);
    if (upperA == UpperAscii(b)) {
        return true;
    }
    // A direction step written out ("north", "Ea") and its initial are the same step.
    return IsDirectionInitial(b) && !a.empty() && upperA.front() == b.front() && AreDirections(a);
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
    const std::string keyword = UpperAscii(LineWords(line).At(1));
    for (const std::string_view known : OrderKeywords) {
        if (keyword == known) {
            return true;
        }
    }
    return false;
}

bool IsEndLine(std::string_view line) {
    const std::string_view trimmed = Trimmed(line);
    return trimmed.size() == 3 && UpperAscii(trimmed) == "END";
}

bool IsBeginLine(std::string_view line) {
    const std::string_view trimmed = Trimmed(line);
    return trimmed.size() == 5 && UpperAscii(trimmed) == "BEGIN";
}

bool SameOrderWords(std::string_view a, std::string_view b) {
    const LineWords wordsA(a);
    const LineWords wordsB(b);
    if (wordsA.Count() != wordsB.Count()) {
        return false;
    }
    for (int n = 1; n <= wordsA.Count(); ++n) {
        if (!SameWord(wordsA.At(n), wordsB.At(n))) {
            return false;
        }
    }
    return true;
}

OrderLine OrderFromFile(std::string_view raw) {
    std::string canonical = ConvertLine(ConvertLine(raw, DisplayForm::Natural), DisplayForm::Raw);
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
