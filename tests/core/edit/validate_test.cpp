#include "core/edit/validate.h"
#include "edit_fixtures.h"

#include <gtest/gtest.h>

namespace orv::edit {
namespace {

using move::CommandKind;
using namespace testing;
using enum FieldName;

constexpr CommandKind Land = CommandKind::MoveThroughLand;
constexpr CommandKind Raid = CommandKind::RaidProvince;
constexpr CommandKind Place = CommandKind::PlaceUnits;
constexpr CommandKind Defend = CommandKind::GiveDefensiveOrders;
constexpr CommandKind Spy = CommandKind::EspionageEnemyProvince;

// The first failed check gives its message and the field it is about (in troop or group
// `index`); nullptr: the fields are accepted. The dialog's own checks come first; then what
// the move check would call malformed in the composed order is refused with the check's
// words, on the field it is about. Three tribes; the user plays the second.
TEST(ValidateOrderFields, GivesTheFirstFailedCheckAndItsField) {
    ValidationContext context;
    context.grammar = {3, 2, false};
    const char* const troopAndNumber = "You have to enter a troop type AND a number!";
    const char* const coordinates = "The X- and Y-coordinate of the provinces has to be a number!";
    const Troop Bowmen{"5", "Bowman"};
    const struct {
        CommandKind kind;
        OrderFields fields;
        const char* message;
        FieldName field = X;
        int index = 0;
    } cases[] = {
        {Raid, Movement("3", "4", "", {{"", "All"}}, "n no e"), nullptr},
        {Land, Movement("3", "", "", {Bowmen}, ""), "You have to enter a province!", Y},
        {Land, Movement("3", "4", "", {Bowmen}, ""), "You have to enter a direction!", Direction},
        {Land, Movement("3", "4", "", {{"5", ""}}, "N"), troopAndNumber, TroopType},
        {Land, Movement("3", "4", "", {{"", "Bowman"}}, "N"), troopAndNumber, TroopNumber},
        {Land, Movement("3", "4", "", {Bowmen, {}, {"", "Ship"}}, "N"), troopAndNumber, TroopNumber,
         2},
        {Land, Movement("3", "4", "", {{}, Bowmen}, "N"), troopAndNumber, TroopNumber},
        {Land, Movement("3", "4", "", {}, "N"), "You have to enter at least one troop type!",
         TroopType},
        {Land, Movement("3", "4a", "", {Bowmen}, "N"),
         "The X- and Y-coordinate of the province has to be a number!", Y},
        {Land, Movement("3", "4", "", {Bowmen}, "N NE"), "Direction string is invalid!", Direction},
        {Land, Movement("3", "4", "", {{"5", "All"}}, "N"),
         "Do not specify a number, if you select \"ALL\" as a troop type!", TroopNumber},
        {Place, Groups({{"1", "1", "Bowman"}, {}, {"3", "3", "Ship"}}), nullptr},
        {Spy, Groups({{"1", "", ""}, {"2", "2", ""}}), "You have to enter at least one province!",
         Y},
        {Spy, Groups({{"1", "y", ""}}), coordinates, Y},
        {Spy, Groups({{"1", "1", ""}, {"4a", "2", ""}}), coordinates, X, 1},
        {Spy, Groups({{"1", "1", ""}, {"4", "", ""}}),
         "You have to specify an X-coordinate AND an Y-coordinate for province 2!", Y, 1},
        {Place, Groups({{"1", "1", ""}, {"2", "2", "Ship"}}),
         "You have to enter at least one troop type!", Choice},
        {Place, Groups({{"1", "1", "Ship"}, {"2", "2", ""}}),
         "You have to specify an X-coordinate AND an Y-coordinate AND a troop type for "
         "unit 2!",
         Choice, 1},
        {Place, Groups({{"1", "1", "Ship"}, {}, {"3", "", "Castle"}}),
         "You have to specify an X-coordinate AND an Y-coordinate AND a troop type for "
         "unit 3!",
         Y, 2},
        {Defend, Groups({{"1", "1", ""}, {"2", "2", "Outflank"}}),
         "You have to enter at least one tactic!", Choice},
        {Defend, Groups({{"1", "1", "Outflank"}, {"", "2", "Outflank"}}),
         "You have to specify an X-coordinate AND an Y-coordinate AND a tactic for "
         "order 2!",
         X, 1},
        {CommandKind::NameProvince, NamingFields{"1", "", "Keep"}, "You have to enter a province!",
         Y},
        {CommandKind::NameProvince, NamingFields{"x", "1", "Keep"}, coordinates, X},
        {CommandKind::NameProvince, NamingFields{"1", "1", ""},
         "You have to enter a new name for the province!", Name},
        {CommandKind::AlterAllianceStatus, AllianceFields{"3", ""},
         "You have to enter a player number AND a status!", Status},
        {CommandKind::AlterAllianceStatus, AllianceFields{"3 - Vikings", "2"},
         "Player number is no number!", Player},
        {CommandKind::AlterAllianceStatus, AllianceFields{"12", "x"}, "Status has to be a number!",
         Status},
        {CommandKind::CedeProvince, ProvinceFields{"1", "1", ""},
         "You have to enter a player number to cede the province to!", Player},
        {CommandKind::CedeProvince, ProvinceFields{"1", "1", "x"},
         "The player number is no number!", Player},
        {CommandKind::ChangeTerrainType, ProvinceFields{"1", "1b", ""}, coordinates, Y},
        {CommandKind::NameKing, King(""), "You have to enter a name for the queen/king!", Name},
        {CommandKind::SendMessages, MessageFields{""}, "You have to enter a message!", Text},
        {Land, Movement("3", "4", "", {{"two", "Bowman"}}, "N"),
         "Troop count two is not a positive number!", TroopNumber},
        {Raid, Movement("3", "4", "", {{"1", "Bowman"}, {"0", "Horseman"}}, "N"),
         "Troop count 0 is not a positive number!", TroopNumber, 1},
        {Land, Movement("3", "4", "", {{"2.5", "Bowman"}}, "N"),
         "Troop count 2.5 is not a positive number!", TroopNumber},
        {Land, Movement("3", "4", "", {{"1", "Bowman"}}, "  "), "You have to enter a direction!",
         Direction},
        {CommandKind::NameKing, King("  "), "You have to enter a name for the queen/king!", Name},
        {CommandKind::NameKing, King("12 Keeps"),
         "The name of the queen/king cannot begin with a number!", Name},
        {CommandKind::NameProvince, NamingFields{"1", "1", " "},
         "You have to enter a new name for the province!", Name},
        {CommandKind::AlterAllianceStatus, AllianceFields{"4", "2"}, "There is no player 4!",
         Player},
        {CommandKind::AlterAllianceStatus, AllianceFields{"2", "2"}, "Player 2 is your own tribe!",
         Player},
        {CommandKind::CedeProvince, ProvinceFields{"1", "1", "0"}, "There is no player 0!", Player},
        // BUILD forbidden by the options is warned about when the dialog opens, not refused.
        {CommandKind::ChangeTerrainType, ProvinceFields{"1", "1", ""}, nullptr},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ValidateOrderFields(c.kind, c.fields, context),
                  c.message ? std::optional(FieldError{c.message, {c.field, c.index}})
                            : std::nullopt)
            << ComposeLine(c.kind, c.fields, move::DisplayForm::Raw);
    }
}

// Every combination of field values the dialogs accept composes, in both forms, an order
// the move check finds nothing malformed in.
TEST(ValidateOrderFields, WhatTheDialogsAcceptIsWellFormed) {
    ValidationContext context;
    context.grammar = {3, 2, true};
    const std::vector<std::string> numbers{"", "1", "AT", "0", "x", " 2", "+3"};
    const std::vector<std::string> types{"", "All", "Bowman", "General", "Ship", "Castle"};
    const std::vector<std::string> directions{"", "N", "n e", "north  West", " ", "x"};
    std::vector<std::pair<CommandKind, OrderFields>> accepted;
    const auto tryFields = [&](CommandKind kind, const OrderFields& fields) {
        for (const move::DisplayForm form : {move::DisplayForm::Raw, move::DisplayForm::Natural}) {
            context.form = form;
            if (ValidateOrderFields(kind, fields, context)) {
                continue;
            }
            const move::Order order(ComposeOrder(kind, fields, form).raw);
            EXPECT_EQ(move::GrammarFindings(order, context.grammar).size(), 0U) << order.Line();
            EXPECT_EQ(order.Kind(), kind) << order.Line();
            accepted.emplace_back(kind, fields);
        }
    };
    for (const CommandKind kind : {Land, Raid, CommandKind::MoveThroughSea}) {
        for (const std::string& n1 : numbers) {
            for (const std::string& t1 : types) {
                for (const std::string& n2 : numbers) {
                    for (const std::string& d : directions) {
                        const char* tactic = kind == Land && n1 == "1" ? "Outflank" : "";
                        tryFields(kind, Movement("3", "4", tactic,
                                                 {{n1, t1}, {n2, n2.empty() ? "" : "Horseman"}},
                                                 d.c_str()));
                    }
                }
            }
        }
    }
    for (const CommandKind kind : {Place, Defend, Spy}) {
        const std::string choice = kind == Place ? "Ship" : kind == Defend ? "Outflank" : "";
        for (const std::string x2 : {"", "2", "x"}) {
            for (const std::string y3 : {"", "3"}) {
                tryFields(kind, Groups({{"1", "1", choice}, {x2, x2, choice}, {"3", y3, choice}}));
            }
        }
    }
    for (const std::string name : {"Bob", "the 2nd", "2 Bobs", "  ", "\"Old Keep\""}) {
        tryFields(CommandKind::NameKing, King(name.c_str()));
        tryFields(CommandKind::NameProvince, NamingFields{"1", "2", name});
    }
    for (const std::string player : {"1", "2", "3", "4", "x"}) {
        tryFields(CommandKind::AlterAllianceStatus, AllianceFields{player, "5"});
        tryFields(CommandKind::CedeProvince, ProvinceFields{"1", "1", player});
    }
    tryFields(CommandKind::ChangeTerrainType, ProvinceFields{"1", "1", ""});
    EXPECT_GT(accepted.size(), 200U);
}

} // namespace
} // namespace orv::edit
