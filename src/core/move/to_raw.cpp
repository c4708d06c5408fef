// Natural sentence to raw order line.
#include "core/move/codes.h"
#include "core/move/convert_parts.h"
#include "core/move/word_places.h"
#include "core/move/words.h"
#include "core/report/tokenizer.h"

#include <algorithm>

namespace orv::move {

namespace {

using report::UpperAscii;
using report::WordAt;

constexpr auto npos = std::string_view::npos;

// The phrases the sentences are searched for, as they stand in the upper-cased sentence.
constexpr std::string_view And = " AND ";
constexpr std::string_view AndTactic = " AND TACTIC ";
constexpr std::string_view One = " ONE ";
constexpr std::string_view To = " TO ";
constexpr std::string_view Province = " PROVINCE ";
constexpr std::string_view Tactic = " TACTIC ";

using namespace sentence; // the word places of the sentences read here

// "Name king " is ten characters: the king's name starts at the eleventh.
constexpr std::size_t KingNameStart = 10;

// A count as the sentence writes it back as the raw line writes it: "all" is "AT".
std::string RawCount(std::string_view count) {
    return count == "all" ? std::string("AT") : std::string(count);
}

// The first group when its count is "all": all troops, or all troops of one type, which
// must not turn into all troops.
std::string FirstGroupOfAll(std::string_view troop) {
    return report::IsUpperAsciiOf(troop, "TROOPS") ? std::string(" AT")
                                                   : Join({" ", TroopCode(troop), " AT"});
}

// A line and its upper-cased copy, cut together so searches and words stay aligned.
struct Cut {
    std::string_view line;
    std::string_view upper;

    std::size_t Find(std::string_view what) const { return upper.find(what); }
    void DropFront(std::size_t n) {
        n = std::min(n, line.size());
        line.remove_prefix(n);
        upper.remove_prefix(n);
    }
};

// " N E" from the words of the text after its first word.
std::string DirectionInitials(std::string_view rest, int firstWord) {
    const LineWords words(rest);
    std::string out;
    for (int n = firstWord; n <= words.Count(); ++n) {
        out += ' ';
        out += UpperAscii(words.At(n).substr(0, 1));
    }
    return out;
}

std::string Espionage(const LineWords& w) {
    const int wc = w.Count();
    std::string out = Join({"ESP ", w.At(EspionageX), " ", StripComma(w.At(EspionageY))});
    // "Y1, X2 / Y2 and X3 / Y3" (eleven words or more) or "Y1 and X2 / Y2": the second
    // province follows the first at once or after "and".
    const int andWords = wc >= EspionageThirdX ? 0 : 1;
    const int secondX = EspionageY + 1 + andWords;
    if (wc > EspionageY) {
        out += Join({" ", w.At(secondX), " ", w.At(secondX + 2)});
    }
    if (wc > EspionageThirdX - 1 + andWords) {
        out += Join({" ", w.At(EspionageThirdX), " ", w.At(EspionageThirdY)});
    }
    return out;
}

// A further province of a defensive sentence: "for province X / Y to TACTIC", its words from
// `forWord` (the word "for") on.
constexpr int ForToX = 2;
constexpr int ForToY = 4;
constexpr int ForToTactic = 6;

std::string Defence(const LineWords& w) {
    const int wc = w.Count();
    const int firstTacticWords = TacticWordCount(w.At(DefenceTactic));
    std::string out = Join(
        {"DEF ", w.At(DefenceX), " ", w.At(DefenceY), " ", TacticCode(w.At(DefenceTactic)), " "});
    const int firstEnd = DefenceTactic + firstTacticWords - 1; // the last word of the tactic
    if (wc <= firstEnd) {
        return out;
    }
    // "TACTIC and for province" (two provinces) or "TACTIC, for province" (three): the second
    // "for" comes one word later when "and" stands before it.
    int shift = wc < firstEnd + 10 ? firstTacticWords + 1 : firstTacticWords;
    const int secondFor = DefenceTactic + shift;
    out += Join({w.At(secondFor + ForToX), " ", w.At(secondFor + ForToY), " ",
                 TacticCode(w.At(secondFor + ForToTactic)), " "});
    // "TACTIC and for province X / Y to TACTIC" closes the sentence.
    if (wc > secondFor + ForToTactic + 2) {
        shift = TacticWordCount(w.At(secondFor + ForToTactic)) + shift - 1;
        const int thirdFor = DefenceTactic + shift + ForToTactic + 2;
        out += Join({w.At(thirdFor + ForToX), " ", w.At(thirdFor + ForToY), " ",
                     TacticCode(w.At(thirdFor + ForToTactic))});
    }
    return out;
}

// A NAME sentence names a province or the king by its second word; other sentences fall
// back on whether they contain "/".
std::string Name(std::string_view line, const LineWords& w) {
    const std::string_view second = w.At(NamingKind);
    const bool province = report::IsUpperAsciiOf(second, "PROVINCE") ||
                          (!report::IsUpperAsciiOf(second, "KING") && line.find('/') != npos);
    if (province) {
        return Join({"NAME ", w.At(NamedX), " ", w.At(NamedY), " ", w.RestFrom(NamedName)});
    }
    return Join({"NAME ", TrimmedFrom(line, KingNameStart)});
}

std::string Movement(std::string_view line, const std::string& upper, const LineWords& w) {
    std::string out = upper.find("LAND") != npos ? "LAND " : "SEA ";
    // " province X / Y": x and y are words 2 and 4 from the phrase on.
    const std::size_t province = upper.find(Province);
    const std::string_view from = province == npos ? std::string_view() : line.substr(province);
    out += Join({WordAt(from, 2), " ", WordAt(from, 4)});

    // " tactic NAME": the name is word 2 from the phrase on.
    const std::size_t tactic = upper.find(Tactic);
    if (tactic != npos) {
        out += Join({" ", TacticCode(WordAt(line.substr(tactic), 2))});
    }

    if (w.At(MovementCount) == "all") {
        out += FirstGroupOfAll(w.At(MovementTroop));
    } else {
        out += Join({" ", TroopCode(w.At(MovementTroop)), " ", w.At(MovementCount)});
    }

    // " and N TROOPS": count and troop are words 2 and 3 from the phrase on.
    Cut cut{line, upper};
    for (int group = 0; group < 2; ++group) {
        const std::size_t p = cut.Find(And);
        if (p == npos || cut.upper.substr(p, AndTactic.size()) == AndTactic) {
            break;
        }
        cut.DropFront(p);
        out += Join({" ", TroopCode(WordAt(cut.line, 3)), " ", RawCount(WordAt(cut.line, 2))});
        // Past " and" and one character more, so the next search finds the next group.
        if (group == 0) {
            cut.DropFront(And.size() + 1);
        }
    }

    const std::size_t to = cut.Find(To);
    if (to != npos) {
        out += DirectionInitials(cut.line.substr(to), 2);
    }
    return out;
}

std::string Placement(std::string_view line, const std::string& upper) {
    std::string out = "PLA ";
    Cut cut{line, upper};
    // " one TROOP into province X / Y": after the troop's words come "into province", x, "/"
    // and y.
    constexpr int IntoProvinceX = 4;
    constexpr int IntoProvinceY = 6;
    for (int round = 0; round < 3; ++round) {
        const std::size_t p = cut.Find(One);
        if (p == npos) {
            break;
        }
        cut.DropFront(p);
        const std::string troop = WordAt(cut.line, 2);
        const int n = TroopWordCount(troop);
        out += Join({WordAt(cut.line, n + IntoProvinceX), " ",
                     StripComma(WordAt(cut.line, n + IntoProvinceY)), " ", TroopCode(troop), " "});
        cut.DropFront(One.size() - 1); // past " one", so the next search finds the next group
    }
    return out;
}

std::string Raid(std::string_view line, const std::string& upper, const LineWords& w) {
    std::string out = Join({"RAID ", w.At(RaidX), " ", w.At(RaidY)});
    if (w.At(RaidCount) == "all") {
        out += FirstGroupOfAll(w.At(RaidTroop));
    } else {
        out += Join({" ", TroopCode(w.At(RaidTroop)), " ", w.At(RaidCount)});
    }
    // "and N TROOPS" after each " and ": count and troop are its words 1 and 2.
    Cut cut{line, upper};
    for (std::size_t p = cut.Find(And); p != npos; p = cut.Find(And)) {
        cut.DropFront(p + And.size());
        out += Join({" ", TroopCode(WordAt(cut.line, 2)), " ", RawCount(WordAt(cut.line, 1))});
    }
    const std::size_t to = cut.Find(To);
    if (to != npos) {
        out += DirectionInitials(cut.line.substr(to + To.size()), 1);
    }
    return out;
}

} // namespace

std::string NaturalToRaw(std::string_view line) {
    const LineWords w(line);
    std::string keyword = UpperAscii(w.At(raw::Keyword));
    if (keyword == "BEGIN" || keyword == "END") {
        return keyword;
    }
    if (keyword == "ALTER") {
        return Join({"ALL ", w.At(AlliancePlayer), " ", w.At(AllianceStatus)});
    }
    if (keyword == "CEDE") {
        return Join({"CEDE ", w.At(CessionX), " ", w.At(CessionY), " ", w.At(CessionPlayer)});
    }
    if (keyword == "CHANGE") {
        return Join({"BUILD ", w.At(BuildX), " ", w.At(BuildY)});
    }
    if (keyword == "ESPIONAGE") {
        return Espionage(w);
    }
    if (keyword == "GIVE") {
        return Defence(w);
    }
    if (keyword == "NAME") {
        return Name(line, w);
    }
    const std::string upper = UpperAscii(line);
    if (keyword == "MOVE") {
        return Movement(line, upper, w);
    }
    if (keyword == "PLACE") {
        return Placement(line, upper);
    }
    if (keyword == "CONDUCT") {
        return Raid(line, upper, w);
    }
    return {};
}

} // namespace orv::move
