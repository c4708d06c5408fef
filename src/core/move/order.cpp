#include "core/move/order.h"

#include "core/move/codes.h"
#include "core/move/convert_parts.h"
#include "core/report/text_file.h"

#include <algorithm>
#include <array>
#include <utility>

namespace orv::move {

namespace {

using report::UpperAscii;

struct KeywordName {
    std::string_view text;
    Keyword keyword;
};

constexpr std::array<KeywordName, 10> Keywords{{{"ALL", Keyword::All},
                                                {"BUILD", Keyword::Build},
                                                {"CEDE", Keyword::Cede},
                                                {"DEF", Keyword::Def},
                                                {"ESP", Keyword::Esp},
                                                {"LAND", Keyword::Land},
                                                {"NAME", Keyword::Name},
                                                {"PLA", Keyword::Pla},
                                                {"RAID", Keyword::Raid},
                                                {"SEA", Keyword::Sea}}};

// The places of the words that end each command's order, and of its groups.
constexpr int MovementTroops = 4; // the troop part, or LAND's tactic
constexpr int CessionPlayer = 4;
constexpr int TripleGroups = 3; // DEF and PLA: x, y and a choice
constexpr int PairGroups = 2;   // ESP: x and y
constexpr int MaxGroups = 3;
// A NAME line's king's name starts at its sixth character: after "NAME" and one blank.
constexpr std::size_t KingNameStart = 6;

bool IsTroopCode(std::string_view word) {
    return word == "FO" || word == "BO" || word == "HO" || word == "GE" || word == "SH" ||
           word == "CA";
}

bool IsTacticCode(std::string_view word) {
    return word == "F" || word == "P" || word == "T" || word == "U" || word == "C";
}

bool IsCountWord(std::string_view word, std::int32_t number) {
    return word == "AT" || number > 0;
}

std::string_view IssueText(GrammarIssue issue, std::string_view& after) {
    switch (issue) {
    case GrammarIssue::Incomplete:
        return "   Order is incomplete!";
    case GrammarIssue::CountNotPositive:
        after = " is not a positive number!";
        return "   Troop count ";
    case GrammarIssue::UnknownTroop:
        after = "!";
        return "   Unknown troop type ";
    case GrammarIssue::UnknownTactic:
        after = "!";
        return "   Unknown tactic ";
    case GrammarIssue::UnknownDirection:
        after = "!";
        return "   Unknown direction ";
    case GrammarIssue::NoDirection:
        return "   No direction given!";
    case GrammarIssue::StatusOutOfRange:
        after = " is not a number from 0 to 5!";
        return "   Alliance status ";
    case GrammarIssue::NoSuchPlayer:
        after = "!";
        return "   There is no player ";
    case GrammarIssue::OwnTribe:
        after = " is your own tribe!";
        return "   Player ";
    case GrammarIssue::WordsIgnored:
        after = " on are ignored!";
        return "   Words from ";
    case GrammarIssue::BuildDisallowed:
        return "   Global GM option disallow the use of the BUILD command!";
    }
    return {};
}

} // namespace

Keyword KeywordOf(std::string_view word) {
    if (word.size() > 5) {
        return Keyword::None;
    }
    const std::string upper = UpperAscii(word);
    for (const KeywordName& known : Keywords) {
        if (upper == known.text) {
            return known.keyword;
        }
    }
    return Keyword::None;
}

Order::Order(std::string line) : line_(std::move(line)), words_(report::WordSpans(line_)) {
    ReadParts();
}

void Order::Read(std::string_view line) {
    line_.assign(line);
    report::WordSpans(line_, words_);
    findings_.clear();
    tactic_ = 0;
    troops_ = 0;
    allTroops_ = false;
    pairs_ = 0;
    directions_ = 0;
    groupCount_ = 0;
    groupWidth_ = 0;
    ReadParts();
}

void Order::ReadParts() {
    keyword_ = KeywordOf(Word(1));
    switch (keyword_) {
    case Keyword::Land:
    case Keyword::Sea:
    case Keyword::Raid:
        ReadMovement();
        break;
    case Keyword::Def:
    case Keyword::Pla:
        ReadGroups(TripleGroups);
        break;
    case Keyword::Esp:
        ReadGroups(PairGroups);
        break;
    case Keyword::Name:
        ReadNaming();
        break;
    case Keyword::All:
    case Keyword::Cede:
        ReadPlayerOrder();
        break;
    case Keyword::Build:
        if (Size() > 3) {
            Find(GrammarIssue::WordsIgnored, 4);
        }
        break;
    case Keyword::None:
        break;
    }
}

const report::WordSpan* Order::Span(int n) const {
    const std::size_t i = n < 2 ? 0 : static_cast<std::size_t>(n) - 1;
    return i < words_.size() ? &words_[i] : nullptr;
}

int Order::Size() const {
    constexpr std::size_t limit = 1'000'000'000; // word numbers plus offsets never overflow
    return static_cast<int>(std::min(words_.size(), limit));
}

std::string_view Order::Word(int n) const {
    const report::WordSpan* span = Span(n);
    return span ? std::string_view(line_).substr(span->start, span->runEnd - span->start)
                : std::string_view();
}

std::string_view Order::Written(int n) const {
    const report::WordSpan* span = Span(n);
    return span ? std::string_view(line_).substr(span->start, span->spanEnd - span->start)
                : std::string_view();
}

std::string_view Order::RestFrom(int n) const {
    const report::WordSpan* span = Span(n);
    return span ? std::string_view(line_).substr(span->start) : std::string_view();
}

std::int32_t Order::Number(int n) const {
    return Span(n) ? report::TextAsNumber(Word(n)) : report::NotANumber;
}

bool Order::KeywordInCapitals() const {
    return keyword_ != Keyword::None && Word(1) == UpperAscii(Word(1));
}

std::optional<CommandKind> Order::Kind() const {
    switch (keyword_) {
    case Keyword::All:
        return CommandKind::AlterAllianceStatus;
    case Keyword::Build:
        return CommandKind::ChangeTerrainType;
    case Keyword::Cede:
        return CommandKind::CedeProvince;
    case Keyword::Def:
        return CommandKind::GiveDefensiveOrders;
    case Keyword::Esp:
        return CommandKind::EspionageEnemyProvince;
    case Keyword::Land:
        return CommandKind::MoveThroughLand;
    case Keyword::Name:
        return report::IsNumber(Word(2)) ? CommandKind::NameProvince : CommandKind::NameKing;
    case Keyword::Pla:
        return CommandKind::PlaceUnits;
    case Keyword::Raid:
        return CommandKind::RaidProvince;
    case Keyword::Sea:
        return CommandKind::MoveThroughSea;
    case Keyword::None:
        break;
    }
    return std::nullopt;
}

// LAND x y [tactic] troops directions, SEA and RAID without the tactic.
void Order::ReadMovement() {
    int first = MovementTroops;
    if (keyword_ == Keyword::Land && IsTacticWord(Word(MovementTroops))) {
        tactic_ = MovementTroops;
        if (!IsTacticCode(Word(tactic_))) {
            Find(GrammarIssue::UnknownTactic, tactic_);
        }
        ++first;
    }
    ReadTroopPart(first);
}

void Order::ReadTroopPart(int first) {
    troops_ = first;
    directions_ = first;
    if (Size() < first) {
        Find(GrammarIssue::Incomplete, first);
        return;
    }
    int k = first;
    if (report::IsUpperAsciiOf(Word(first), "AT")) {
        allTroops_ = true;
        if (Word(first) != "AT") {
            Find(GrammarIssue::UnknownTroop, first);
        }
        k = first + 1;
    } else {
        pairs_ = 1;
        k = first + 2;
    }
    // Further pairs while the word after a code is a count.
    while (k < Size() && IsCountOrAll(Word(k + 1))) {
        ++pairs_;
        k += 2;
    }
    for (int i = 0; i < pairs_; ++i) {
        const int code = PairsBegin() + 2 * i;
        if (!IsTroopCode(Word(code))) {
            Find(GrammarIssue::UnknownTroop, code);
        }
        if (code + 1 > Size()) {
            Find(GrammarIssue::Incomplete, code + 1);
            directions_ = code + 2;
            return;
        }
        if (!IsCountWord(Word(code + 1), Number(code + 1))) {
            Find(GrammarIssue::CountNotPositive, code + 1);
        }
    }
    directions_ = k;
    if (k > Size()) {
        Find(GrammarIssue::NoDirection, k);
    }
    for (int n = k; n <= Size(); ++n) {
        if (!IsDirectionWord(Word(n))) {
            Find(GrammarIssue::UnknownDirection, n);
        }
    }
}

// DEF and PLA: groups of x, y and a choice; ESP: groups of x and y. A group whose x is no
// number ends the order: the check reads no further.
void Order::ReadGroups(int width) {
    groupWidth_ = width;
    const int words = Size();
    groupCount_ = 1 + (words > 1 + width ? 1 : 0) + (words > 1 + 2 * width ? 1 : 0);
    for (int g = 0; g < groupCount_; ++g) {
        const int x = 2 + g * width;
        if (x > words) {
            Find(GrammarIssue::Incomplete, x);
            return;
        }
        if (!report::IsNumber(Word(x))) {
            Find(GrammarIssue::WordsIgnored, x);
            return;
        }
        if (x + width - 1 > words) {
            Find(GrammarIssue::Incomplete, words + 1);
            return;
        }
        const int choice = x + 2;
        if (width == TripleGroups) {
            const std::string_view word = Word(choice);
            const bool known = keyword_ == Keyword::Pla ? IsTroopCode(word) : IsTacticCode(word);
            if (!known) {
                Find(keyword_ == Keyword::Pla ? GrammarIssue::UnknownTroop
                                              : GrammarIssue::UnknownTactic,
                     choice);
            }
        }
    }
    const int after = 2 + MaxGroups * width;
    if (words >= after) {
        Find(GrammarIssue::WordsIgnored, after);
    }
}

void Order::ReadNaming() {
    if (Kind() == CommandKind::NameProvince) {
        if (Size() < MovementTroops) {
            Find(GrammarIssue::Incomplete, Size() + 1);
        }
    } else if (Name().empty()) {
        Find(GrammarIssue::Incomplete, 2);
    }
}

// ALL player status, CEDE x y player: the player and status are checked against the game.
void Order::ReadPlayerOrder() {
    const int last = keyword_ == Keyword::All ? 3 : CessionPlayer;
    if (Size() < last) {
        Find(GrammarIssue::Incomplete, Size() + 1);
        return;
    }
    if (keyword_ == Keyword::All) {
        const std::int32_t status = Number(StatusWord());
        constexpr std::int32_t HighestStatus = 5;
        if (status < 0 || status > HighestStatus) {
            Find(GrammarIssue::StatusOutOfRange, StatusWord());
        }
    }
    if (Size() > last) {
        Find(GrammarIssue::WordsIgnored, last + 1);
    }
}

Order::Group Order::GroupAt(int g) const {
    const int x = 2 + g * groupWidth_;
    return {x, groupWidth_ == TripleGroups ? x + 2 : 0};
}

std::string_view Order::Name() const {
    if (keyword_ != Keyword::Name) {
        return {};
    }
    if (Kind() == CommandKind::NameProvince) {
        return RestFrom(MovementTroops);
    }
    if (line_.size() < KingNameStart) {
        return {};
    }
    return report::TrimmedBlanks(std::string_view(line_).substr(KingNameStart - 1));
}

int Order::PlayerWord() const {
    switch (keyword_) {
    case Keyword::All:
        return 2;
    case Keyword::Cede:
        return CessionPlayer;
    default:
        return 0;
    }
}

std::string Order::WrittenBack() const {
    std::string out;
    out.reserve(line_.size());
    for (int n = 1; n <= Size(); ++n) {
        if (n > 1) {
            out += ' ';
        }
        out += Written(n);
    }
    return out;
}

std::vector<GrammarFinding> GrammarFindings(const Order& order, const GrammarContext& context) {
    std::vector<GrammarFinding> findings = order.Findings();
    if (order.GetKeyword() == Keyword::Build && !context.buildAllowed) {
        findings.push_back({GrammarIssue::BuildDisallowed, 1});
    }
    const int player = order.PlayerWord();
    if (player != 0 && player <= order.Size()) {
        const std::int32_t number = order.Number(player);
        if (context.tribes > 0 &&
            (number < 1 || static_cast<std::size_t>(number) > context.tribes)) {
            findings.push_back({GrammarIssue::NoSuchPlayer, player});
        } else if (context.ownPlace > 0 && number > 0 &&
                   static_cast<std::size_t>(number) == context.ownPlace) {
            findings.push_back({GrammarIssue::OwnTribe, player});
        }
    }
    std::stable_sort(
        findings.begin(), findings.end(),
        [](const GrammarFinding& a, const GrammarFinding& b) { return a.word < b.word; });
    return findings;
}

std::string GrammarMessage(const Order& order, const GrammarFinding& finding) {
    std::string_view after;
    const std::string_view before = IssueText(finding.issue, after);
    if (after.empty()) {
        return std::string(before);
    }
    return Join({before, report::ShortLine(order.Written(finding.word)), after});
}

std::string SeaEndMessage(int x, int y) {
    return "   Move ends in sea province " + std::to_string(x) + "/" + std::to_string(y) +
           ", the steps after it are not walked!";
}

namespace {

bool IsDirectionInitial(std::string_view word) {
    return word == "N" || word == "E" || word == "S" || word == "W";
}

bool SameWord(std::string_view a, std::string_view b) {
    if (a == b) {
        return true;
    }
    if (a.size() == b.size() && UpperAscii(a) == UpperAscii(b)) {
        return true;
    }
    // A direction step written out ("north", "Ea") and its initial are the same step.
    return IsDirectionInitial(b) && !a.empty() && UpperAscii(a.front()) == b.front() &&
           IsDirectionWord(a);
}

} // namespace

bool SameOrderWords(std::string_view a, std::string_view b) {
    const std::vector<report::WordSpan> wordsA = report::WordSpans(a);
    const std::vector<report::WordSpan> wordsB = report::WordSpans(b);
    if (wordsA.size() != wordsB.size()) {
        return false;
    }
    for (std::size_t n = 0; n < wordsA.size(); ++n) {
        const report::WordSpan& x = wordsA[n];
        const report::WordSpan& y = wordsB[n];
        if (!SameWord(a.substr(x.start, x.spanEnd - x.start),
                      b.substr(y.start, y.spanEnd - y.start))) {
            return false;
        }
    }
    return true;
}

} // namespace orv::move
