#include "core/report/report_reader.h"

#include "core/report/mail_text.h"
#include "core/report/map_parser.h"
#include "core/report/text_file.h"
#include "core/report/tokenizer.h"

#include <limits>
#include <memory>
#include <new>

namespace orv::report {

namespace {

bool IsGeneralReportHeading(std::string_view line) {
    const std::vector<std::size_t> starts = WordStarts(line);
    return starts.size() >= 2 && RunAt(line, starts[0]) == "General" &&
           RunAt(line, starts[1]) == "Report";
}

// The text after the first occurrence of key in the upper-cased line, taken from the
// line as it stands; npos when the key does not occur.
std::size_t AfterKey(const std::string& upper, std::string_view key) {
    const std::size_t at = upper.find(key);
    return at == std::string::npos ? std::string::npos : at + key.size();
}

void ReadOptionsWord(GameOptions& options, std::string_view word) {
    const auto has = [word](char letter) { return word.find(letter) != std::string_view::npos; };
    options.shipPlacementSetsSeaFlag = has('e');
    options.pincerOnlyWithHorsemen = has('P');
    options.placeInHomeProvincesOnly = has('H');
    options.emptyProvincesKeepOwner = has('L');
    options.anyProvinceCanBecomeHome = has('A');
    options.buildOrderActive = has('B');
    options.shipsBuyableWithGold = has('S');
    options.shipsOnlyWithGold = has('s');
    options.generalsBuyableWithGold = has('G');
    options.tabulatedBattleReport = has('T');
    options.witchcraftAllowed = has('h');
    options.troopPlacementSetsLandSeaFlag = has('E');
    options.shipsHaveCrew = has('M');
}

void ReadSettingsLine(GameOptions& options, std::string_view line) {
    const std::string upper = UpperAscii(line);
    if (upper.find("ORDERS PER TURN:") != std::string::npos ||
        upper.find("ORDERS P. TURN:") != std::string::npos) {
        const std::size_t after = AfterKey(upper, "TURN:");
        const std::int32_t value = WordAsNumber(std::string_view(line).substr(after), 1);
        options.maxOrdersPerMove = value == NotANumber ? DefaultMaxOrdersPerMove : value;
    }
    const std::size_t options_at = AfterKey(upper, "OPTIONS:");
    if (options_at != std::string::npos) {
        ReadOptionsWord(options, WordAt(std::string_view(line).substr(options_at), 1));
    }
}

std::int32_t Saturate(std::uint64_t value, bool negative) {
    if (negative) {
        constexpr std::uint64_t limit = std::uint64_t{std::numeric_limits<std::int32_t>::max()} + 1;
        return value >= limit ? std::numeric_limits<std::int32_t>::min()
                              : -static_cast<std::int32_t>(value);
    }
    return value >= std::numeric_limits<std::int32_t>::max()
               ? std::numeric_limits<std::int32_t>::max()
               : static_cast<std::int32_t>(value);
}

std::string JoinWords(std::string_view line, const std::vector<std::size_t>& starts,
                      std::size_t first, std::size_t last) {
    std::string name;
    for (std::size_t i = first; i <= last && i < starts.size(); ++i) {
        if (!name.empty() || i > first) {
            name += ' ';
        }
        name += RunAt(line, starts[i]);
    }
    return name;
}

} // namespace

Message ReportTitle(const std::filesystem::path& fileName) {
    return Message().Text("OrvMove (report loaded: ").Name(fileName).Text(")");
}

std::int32_t FigureValue(std::string_view word) {
    if (IsNumber(word)) {
        return TextAsNumber(word);
    }
    std::size_t p = 0;
    while (p < word.size() && word[p] == ' ') {
        ++p;
    }
    bool negative = false;
    if (p < word.size() && (word[p] == '+' || word[p] == '-')) {
        negative = word[p] == '-';
        ++p;
    }
    std::uint64_t value = 0;
    std::size_t digits_end = p;
    while (digits_end < word.size() && word[digits_end] >= '0' && word[digits_end] <= '9') {
        if (value <= std::numeric_limits<std::uint32_t>::max()) {
            value = value * 10 + static_cast<std::uint64_t>(word[digits_end] - '0');
        }
        ++digits_end;
    }
    // Only a decimal number too long for 32 bits keeps its sign, saturated; any other
    // column that is no number gives its leading digits without a sign.
    const bool only_digits = digits_end == word.size() && digits_end > p;
    return Saturate(value, only_digits && negative);
}

void ClearTribeList(Game& game) {
    game.tribes.clear();
    game.currentTribe.reset();
}

namespace {

// AddTribeRow with the row's words already found.
void AddTribeWords(Game& game, std::string_view line, const std::vector<std::size_t>& starts) {
    const std::size_t w = starts.size();
    TribeElem tribe;
    tribe.number = w > 0 ? TextAsNumber(RunAt(line, starts[0])) : NotANumber;
    // A full row: number, the name's words, the eleven figure columns.
    constexpr std::size_t columns = 11;
    if (w >= columns + 2) {
        const std::size_t first = w - columns; // index of the gold column in starts[]
        tribe.name = JoinWords(line, starts, 1, first - 1);
        for (std::size_t f = 0; f < FoodFigure; ++f) {
            tribe.figures[f] = FigureValue(RunAt(line, starts[first + f]));
        }
        // The rank column before the food is passed over.
        tribe.figures[FoodFigure] = FigureValue(RunAt(line, starts[w - 2]));
        tribe.figures[ScoreFigure] = FigureValue(RunAt(line, starts[w - 1]));
    } else if (w == 2) {
        tribe.name = std::string(RunAt(line, starts[1]));
    } else if (w > 2) {
        tribe.name = JoinWords(line, starts, 1, w - 2);
    }
    game.tribes.push_back(std::move(tribe));
}

} // namespace

void AddTribeRow(Game& game, std::string_view line) {
    AddTribeWords(game, line, WordStarts(line));
}

bool SelectCurrentTribe(Game& game) {
    game.currentTribe.reset();
    for (std::size_t i = 0; i < game.tribes.size(); ++i) {
        if (game.tribes[i].name == game.tribeName) {
            game.currentTribe = i;
            return true;
        }
    }
    return false;
}

bool ReadReportSections(Game& game, std::string_view text) {
    LineCursor lines(text);
    bool found = false;
    while (!lines.AtEnd()) {
        const std::string_view line = lines.Next();
        if (UpperAscii(line).find("GAME SPECIFICATION") != std::string::npos) {
            // The line after the heading is passed over; the block runs to the first
            // empty line.
            lines.Next();
            for (std::string_view setting = lines.Next(); !setting.empty();
                 setting = lines.Next()) {
                ReadSettingsLine(game.options, setting);
            }
            while (!lines.AtEnd() && !found) {
                found = IsGeneralReportHeading(lines.Next());
            }
            break;
        }
        if (IsGeneralReportHeading(line)) {
            found = true;
            break;
        }
    }
    if (!found) {
        return false;
    }
    // Three lines of table heading follow the section heading.
    for (int skip = 0; skip < 3; ++skip) {
        lines.Next();
    }
    // One list of word places serves every row.
    std::vector<std::size_t> starts;
    while (!lines.AtEnd()) {
        const std::string_view line = lines.Next();
        WordStarts(line, starts);
        if (starts.empty() || !IsNumber(RunAt(line, starts[0]))) {
            break;
        }
        AddTribeWords(game, line, starts);
    }
    return true;
}

ReportLoadResult LoadReportText(Game& game, std::string_view text) {
    ReportLoadResult result;
    // Read into a new game first: a file that is no report leaves the shown one as it was.
    const auto read = std::make_unique<Game>();
    read->tribeName = game.tribeName;
    bool tribes = false;
    // Reads the settings and the tribe table of a text that may be the report; true when
    // it holds one, a General Report table or a map.
    const auto readSections = [&](std::string_view report) {
        read->options = game.options;
        read->tribes.clear();
        tribes = ReadReportSections(*read, report);
        return tribes || HasMapFrame(report);
    };
    // A mail saved with its header is read as the decoded text of its report part. A
    // mailbox holds its mails oldest first, so the last message that holds a report is the
    // newest turn; within a message the first part that holds one (the text, or an
    // attachment after a covering note).
    std::optional<MailTextPart> part;
    bool holdsReport = false;
    if (LooksLikeMail(text)) {
        part = FindMailTextPart(text, [&](const MailTextPart& p) { return readSections(p.text); });
        holdsReport = part.has_value();
    } else {
        holdsReport = readSections(text);
    }
    if (!holdsReport) {
        result.status = ReportLoadStatus::NoReport;
        return result;
    }
    if (part) {
        text = part->text;
        read->gameMasterAddress = std::move(part->replyAddress);
    }
    LoadMapFromText(read->map, text);
    if (!tribes) {
        result.status = ReportLoadStatus::NoGeneralReport;
        result.message = "Section \"General Report\" not found!";
    }
    game = std::move(*read);
    return result;
}

ReportLoadResult LoadReport(Game& game, const std::filesystem::path& fileName) {
    ReportLoadResult result;
    std::string bytes;
    const auto fileMessage = [&fileName](std::string_view before, std::string_view after) {
        return Message().Text(before).Name(fileName).Text(after);
    };
    switch (ReadFileBytes(fileName, bytes)) {
    case FileStatus::Ok:
        try {
            result = LoadReportText(game, bytes);
        } catch (const std::bad_alloc&) {
            result.status = ReportLoadStatus::ReadError;
        }
        if (result.status == ReportLoadStatus::NoReport) {
            result.message = fileMessage("File ", " is no turn report!");
        } else if (result.status == ReportLoadStatus::ReadError) {
            result.message = fileMessage("Cannot read file ", ".");
        }
        break;
    case FileStatus::NotFound:
        result.status = ReportLoadStatus::FileNotFound;
        result.message = fileMessage("File ", " not found!");
        break;
    case FileStatus::TooLarge:
        result.status = ReportLoadStatus::ReadError;
        result.message = fileMessage("File ", TooLargeMessage);
        break;
    case FileStatus::ReadError:
        result.status = ReportLoadStatus::ReadError;
        result.message = fileMessage("Cannot read file ", ".");
        break;
    }
    // The title says a report is loaded only when its file was read.
    switch (result.status) {
    case ReportLoadStatus::Loaded:
    case ReportLoadStatus::NoGeneralReport:
        result.title = ReportTitle(fileName);
        break;
    case ReportLoadStatus::FileNotFound:
        result.title = Message().Text("OrvMove (report not found: ").Name(fileName).Text(")");
        break;
    case ReportLoadStatus::ReadError:
    case ReportLoadStatus::NoReport:
        result.title = Message().Text("OrvMove (report not read: ").Name(fileName).Text(")");
        break;
    }
    return result;
}

} // namespace orv::report
