#pragma once
// One raw order line read once into the parts of its command, by the reading rules of the
// raw order format: the keyword, the province, LAND's tactic, the troop pairs, the direction
// words, the province groups, the player and status, the name. This is the one place that
// splits an order line into words: the conversions, the dialog prefill, the check, the
// goods and the map take their parts from here. Reading never fails; words that do not
// make a well-formed order of the command are kept as findings on the order.

#include "core/move/catalogue.h"
#include "core/report/tokenizer.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv::move {

// The keyword of an order line, recognised as the loader recognises it: word 1 upper-cased.
enum class Keyword : std::uint8_t { None, All, Build, Cede, Def, Esp, Land, Name, Pla, Raid, Sea };

// What in an order's words does not fit its command.
enum class GrammarIssue : std::uint8_t {
    Incomplete,       // a word the order needs is missing
    CountNotPositive, // a troop count that is neither AT nor a number above 0
    UnknownTroop,     // a troop code other than FO, BO, HO, GE, SH, CA (or AT for all troops)
    UnknownTactic,    // a tactic other than F, P, T, U, C
    UnknownDirection, // a step that is no initial part of NORTH, EAST, SOUTH or WEST
    NoDirection,      // a movement without steps
    StatusOutOfRange, // an alliance status other than 0 to 5
    NoSuchPlayer,     // a player outside the report's tribe list
    OwnTribe,         // the player is the user's own tribe
    WordsIgnored,     // words after the order, or from a group whose x is no number
    BuildDisallowed,  // BUILD while the game's options do not allow it
};

// A finding about word `word` of the line (from 1); a missing word is named by the place it
// would stand at.
struct GrammarFinding {
    GrammarIssue issue = GrammarIssue::Incomplete;
    int word = 0;

    bool operator==(const GrammarFinding&) const = default;
};

// What of the game a few findings need: the number of tribes in the report's list, the
// place of the user's tribe in it (from 1, 0 for none), and whether BUILD is allowed.
struct GrammarContext {
    std::size_t tribes = 0;
    std::size_t ownPlace = 0;
    bool buildAllowed = true;
};

class Order {
  public:
    // A group of DEF, ESP or PLA, by the word numbers of its x and its choice (the tactic or
    // the unit code; 0 for ESP); y is the word after x.
    struct Group {
        int x = 0;
        int choice = 0;
    };

    Order() = default;
    explicit Order(std::string line);
    explicit Order(std::string_view line) : Order(std::string(line)) {}
    explicit Order(const char* line) : Order(std::string(line)) {}

    // Reads another line into this order, keeping the room of the one before: a loop over
    // many lines reads them without allocating.
    void Read(std::string_view line);

    const std::string& Line() const { return line_; }
    Keyword GetKeyword() const { return keyword_; }
    // Whether word 1 is the keyword exactly as the editor writes it, in capitals.
    bool KeywordInCapitals() const;
    // The command the line names; none for a line that is no order. NAME names a province
    // when word 2 is a number, else the king.
    std::optional<CommandKind> Kind() const;

    // The number of words, counted as the tokenizer counts them: a quoted span is one. Words
    // are numbered from 1.
    int Size() const;
    // Word n as WordAt gives it: the run of word characters from its first character (n
    // below 2 gives the first); empty past the last word.
    std::string_view Word(int n) const;
    // Word n as written: a quoted span whole, with its quotes.
    std::string_view Written(int n) const;
    // The line from the first character of word n to its end; empty past the last word.
    std::string_view RestFrom(int n) const;
    // Word n as a number in the tokenizer's notation, or NotANumber.
    std::int32_t Number(int n) const;

    // LAND, SEA and RAID. The tactic is LAND's word 4 when it is a single character.
    int TacticWord() const { return tactic_; }
    // The troop part: "AT" (any case) for all troops, then pairs of code and count; pair i
    // has its code at PairsBegin() + 2 i and its count one word later (past the last word
    // when the line ends after the code).
    bool AllTroops() const { return allTroops_; }
    int TroopsBegin() const { return troops_; }
    int PairsBegin() const { return allTroops_ ? troops_ + 1 : troops_; }
    int PairCount() const { return pairs_; }
    // Every word from here to the last is a step of the path.
    int DirectionsBegin() const { return directions_; }

    // DEF, ESP and PLA: up to three groups; the second and third are there when the line has
    // words enough for them (more than 4 and 7 words, ESP more than 3 and 5).
    int GroupCount() const { return groupCount_; }
    Group GroupAt(int g) const;

    // NAME: a province's name from word 4 to the end of the line, or the king's name, the
    // line from its sixth character without blanks at either end.
    std::string_view Name() const;

    // ALL's player and status, CEDE's player: their word numbers (0 for other orders).
    int PlayerWord() const;
    int StatusWord() const { return keyword_ == Keyword::All ? 3 : 0; }

    // What does not fit the grammar of the command, by the line alone, in the order of the
    // words found.
    const std::vector<GrammarFinding>& Findings() const { return findings_; }

    // The words as written, joined by single blanks: the line's words, quotes included.
    std::string WrittenBack() const;

  private:
    void ReadParts();
    void ReadMovement();
    void ReadTroopPart(int first);
    void ReadGroups(int width);
    void ReadNaming();
    void ReadPlayerOrder();
    void Find(GrammarIssue issue, int word) { findings_.push_back({issue, word}); }
    const report::WordSpan* Span(int n) const;

    std::string line_;
    std::vector<report::WordSpan> words_;
    std::vector<GrammarFinding> findings_;
    Keyword keyword_ = Keyword::None;
    int tactic_ = 0;
    int troops_ = 0;
    bool allTroops_ = false;
    int pairs_ = 0;
    int directions_ = 0;
    int groupCount_ = 0;
    int groupWidth_ = 0;
};

// Whether the word is an order keyword's: ALL, BUILD, CEDE, DEF, ESP, LAND, NAME, PLA, RAID
// or SEA, in any case.
Keyword KeywordOf(std::string_view word);

// Every finding of the order: the line's own and those that need the game, in the order of
// the words they name.
std::vector<GrammarFinding> GrammarFindings(const Order& order, const GrammarContext& context);

// A finding as the check report writes it, with its three-blank indent; the word as written,
// cut in the middle when it is very long.
std::string GrammarMessage(const Order& order, const GrammarFinding& finding);

// A land movement that stepped into the sea at (x, y) with steps left.
std::string SeaEndMessage(int x, int y);

// Whether two raw lines give the game master the same order: word for word the same, every
// word as written (a quoted span whole), apart from letter case, blanks between words, and
// a direction word (an initial part of NORTH, EAST, SOUTH or WEST) written as its initial.
bool SameOrderWords(std::string_view a, std::string_view b);

} // namespace orv::move
