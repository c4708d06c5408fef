#include "core/move/codes.h"

#include "core/move/words.h"
#include "core/report/tokenizer.h"

namespace orv::move {

namespace {

char FirstUpper(std::string_view text) {
    if (text.empty()) {
        return '\0';
    }
    const char c = text.front();
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Maps the first letter of every word and joins the results with single blanks.
template <typename Map> std::string MapWords(std::string_view text, Map map) {
    const LineWords words(text);
    if (words.Count() == 0) {
        return "?";
    }
    std::string out;
    for (int n = 1; n <= words.Count(); ++n) {
        if (n > 1) {
            out += ' ';
        }
        out += map(words.At(n));
    }
    return out;
}

bool IsInitialPart(std::string_view word, std::string_view full) {
    return word.size() <= full.size() && full.substr(0, word.size()) == word;
}

} // namespace

std::string TacticName(std::string_view code) {
    if (code.size() != 1) {
        return "?";
    }
    switch (FirstUpper(code)) {
    case 'C':
        return "Counter attack";
    case 'F':
        return "Frontal assault";
    case 'P':
        return "Pincer attack";
    case 'T':
        return "Standard attack";
    case 'U':
        return "Outflank";
    default:
        return "?";
    }
}

std::string TacticNameFromText(std::string_view text) {
    switch (FirstUpper(text)) {
    case 'C':
        return "Counter attack";
    case 'F':
        return "Frontal assault";
    case 'O':
        return "Outflank";
    case 'P':
        return "Pincer attack";
    case 'S':
        return "Standard attack";
    default:
        return "?";
    }
}

std::string TacticCode(std::string_view name) {
    switch (FirstUpper(name)) {
    case 'C':
        return "C";
    case 'F':
        return "F";
    case 'O':
        return "U";
    case 'P':
        return "P";
    case 'S':
        return "T";
    default:
        return "?";
    }
}

int TacticWordCount(std::string_view name) {
    switch (FirstUpper(name)) {
    case 'C':
    case 'F':
    case 'P':
    case 'S':
        return 2;
    case 'O':
        return 1;
    default:
        return 0;
    }
}

std::string TroopName(std::string_view code, bool plural) {
    switch (FirstUpper(code)) {
    case 'B':
        return plural ? "Bowmen" : "Bowman";
    case 'C':
        return plural ? "Castles" : "Castle";
    case 'F':
        return plural ? "Foot soldiers" : "Foot soldier";
    case 'G':
        return plural ? "Generals" : "General";
    case 'H':
        return plural ? "Horsemen" : "Horseman";
    case 'S':
        return plural ? "Ships" : "Ship";
    default:
        return "?";
    }
}

std::string TroopCode(std::string_view name) {
    switch (FirstUpper(name)) {
    case 'B':
        return "BO";
    case 'C':
        return "CA";
    case 'F':
        return "FO";
    case 'G':
        return "GE";
    case 'H':
        return "HO";
    case 'S':
        return "SH";
    default:
        return "?";
    }
}

int TroopWordCount(std::string_view name) {
    switch (FirstUpper(name)) {
    case 'F':
        return 2;
    case 'B':
    case 'C':
    case 'G':
    case 'H':
    case 'S':
        return 1;
    default:
        return 0;
    }
}

std::string DirectionName(std::string_view word) {
    switch (FirstUpper(word)) {
    case 'E':
        return "east";
    case 'N':
        return "north";
    case 'S':
        return "south";
    case 'W':
        return "west";
    default:
        return "?";
    }
}

std::string DirectionWords(std::string_view text) {
    return MapWords(text, [](std::string_view word) { return DirectionName(word); });
}

std::string DirectionLetters(std::string_view text) {
    return MapWords(text, [](std::string_view word) {
        switch (FirstUpper(word)) {
        case 'E':
        case 'N':
        case 'S':
        case 'W':
            return std::string(1, FirstUpper(word));
        default:
            return std::string("?");
        }
    });
}

bool AreDirections(std::string_view text) {
    const LineWords words(text);
    for (int n = 1; n <= words.Count(); ++n) {
        const std::string word = report::UpperAscii(words.At(n));
        if (!IsInitialPart(word, "NORTH") && !IsInitialPart(word, "EAST") &&
            !IsInitialPart(word, "SOUTH") && !IsInitialPart(word, "WEST")) {
            return false;
        }
    }
    return true;
}

std::string CountText(std::string_view word) {
    return report::UpperAscii(word) == "AT" ? std::string("all") : std::string(word);
}

bool IsCountOrAll(std::string_view word) {
    return report::UpperAscii(word) == "AT" || report::IsNumber(word);
}

bool IsEmptyOrNumber(std::string_view text) {
    return text.empty() || report::IsNumber(text);
}

std::string StripComma(std::string_view word) {
    if (!word.empty() && word.back() == ',') {
        word.remove_suffix(1);
    }
    return std::string(word);
}

void FillTroopTypes(std::vector<std::string>& list, bool withGeneral) {
    list.insert(list.end(), {"Bowman", "Castle", "Foot soldier"});
    if (withGeneral) {
        list.emplace_back("General");
    }
    list.insert(list.end(), {"Horseman", "Ship"});
}

void FillTactics(std::vector<std::string>& list) {
    list.insert(list.end(), {"Frontal assault", "Pincer attack", "Standard attack", "Outflank",
                             "Counter attack"});
}

void FillDirections(std::vector<std::string>& list) {
    list.insert(list.end(), {"North", "East", "South", "West"});
}

void FillTribeChoices(std::vector<std::string>& list,
                      const std::vector<report::TribeElem>& tribes) {
    list.clear();
    std::size_t number = 1;
    for (const report::TribeElem& tribe : tribes) {
        list.push_back(std::to_string(number) + " - " + tribe.name);
        ++number;
    }
}

} // namespace orv::move
