#include "core/move/codes.h"

#include "core/move/words.h"
#include "core/report/tokenizer.h"

#include <array>

namespace orv::move {

namespace {

char FirstUpper(std::string_view text) {
    return text.empty() ? '\0' : report::UpperAscii(text.front());
}

// One row of a code table: the first letter that selects it and its texts.
struct Row {
    char letter;
    std::string_view text;
    std::string_view second = {}; // a troop's plural, a tactic's code, a direction's letter
    int words = 0;
};

constexpr std::array<Row, 6> TroopRows{{{'B', "Bowman", "Bowmen", 1},
                                        {'C', "Castle", "Castles", 1},
                                        {'F', "Foot soldier", "Foot soldiers", 2},
                                        {'G', "General", "Generals", 1},
                                        {'H', "Horseman", "Horsemen", 1},
                                        {'S', "Ship", "Ships", 1}}};
constexpr std::array<Row, 6> TroopCodes{
    {{'B', "BO"}, {'C', "CA"}, {'F', "FO"}, {'G', "GE"}, {'H', "HO"}, {'S', "SH"}}};
// Tactics by the letter of the raw code, and by the initial of the name.
constexpr std::array<Row, 5> TacticByCode{{{'C', "Counter attack"},
                                           {'F', "Frontal assault"},
                                           {'P', "Pincer attack"},
                                           {'T', "Standard attack"},
                                           {'U', "Outflank"}}};
constexpr std::array<Row, 5> TacticByInitial{{{'C', "Counter attack", "C", 2},
                                              {'F', "Frontal assault", "F", 2},
                                              {'O', "Outflank", "U", 1},
                                              {'P', "Pincer attack", "P", 2},
                                              {'S', "Standard attack", "T", 2}}};
constexpr std::array<Row, 4> DirectionRows{
    {{'E', "east", "E"}, {'N', "north", "N"}, {'S', "south", "S"}, {'W', "west", "W"}}};

template <std::size_t N> const Row* Find(const std::array<Row, N>& table, std::string_view text) {
    const char letter = FirstUpper(text);
    for (const Row& row : table) {
        if (row.letter == letter) {
            return &row;
        }
    }
    return nullptr;
}

// Maps every word and joins the results with single blanks; "?" for a text without words.
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

bool IsTacticWord(std::string_view word) {
    return word.size() == 1;
}

std::string TacticName(std::string_view code) {
    const Row* row = code.size() == 1 ? Find(TacticByCode, code) : nullptr;
    return std::string(row ? row->text : "?");
}

std::string TacticNameFromText(std::string_view text) {
    const Row* row = Find(TacticByInitial, text);
    return std::string(row ? row->text : "?");
}

std::string TacticCode(std::string_view name) {
    const Row* row = Find(TacticByInitial, name);
    return std::string(row ? row->second : "?");
}

int TacticWordCount(std::string_view name) {
    const Row* row = Find(TacticByInitial, name);
    return row ? row->words : 0;
}

std::string TroopName(std::string_view code, bool plural) {
    const Row* row = Find(TroopRows, code);
    return std::string(row ? (plural ? row->second : row->text) : "?");
}

std::string TroopCode(std::string_view name) {
    const Row* row = Find(TroopCodes, name);
    return std::string(row ? row->text : "?");
}

int TroopWordCount(std::string_view name) {
    const Row* row = Find(TroopRows, name);
    return row ? row->words : 0;
}

std::string DirectionName(std::string_view word) {
    const Row* row = Find(DirectionRows, word);
    return std::string(row ? row->text : "?");
}

std::string DirectionWords(std::string_view text) {
    return MapWords(text, [](std::string_view word) { return DirectionName(word); });
}

std::string DirectionLetters(std::string_view text) {
    return MapWords(text, [](std::string_view word) {
        const Row* row = Find(DirectionRows, word);
        return std::string(row ? row->second : "?");
    });
}

bool IsDirectionWord(std::string_view word) {
    // Longer than NORTH and SOUTH, it is none; a long word is not upper-cased for nothing.
    constexpr std::size_t Longest = 5;
    if (word.empty() || word.size() > Longest) {
        return false;
    }
    const std::string upper = report::UpperAscii(word);
    return IsInitialPart(upper, "NORTH") || IsInitialPart(upper, "EAST") ||
           IsInitialPart(upper, "SOUTH") || IsInitialPart(upper, "WEST");
}

bool AreDirections(std::string_view text) {
    const LineWords words(text);
    for (int n = 1; n <= words.Count(); ++n) {
        if (!IsDirectionWord(words.At(n))) {
            return false;
        }
    }
    return true;
}

std::string CountText(std::string_view word) {
    return report::IsUpperAsciiOf(word, "AT") ? std::string("all") : std::string(word);
}

bool IsCountOrAll(std::string_view word) {
    return report::IsUpperAsciiOf(word, "AT") || report::IsNumber(word);
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
