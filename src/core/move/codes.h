#pragma once
// The code tables for troop types, tactics and directions and the functions that turn raw
// codes into readable words and back, plus the entries of the drop-down lists built on them.
// Where a function looks at a first letter it upper-cases it in the ASCII range only.

#include "core/report/game.h"

#include <string>
#include <string_view>
#include <vector>

namespace orv::move {

// Word 4 of a LAND line is its tactic only when it is a single character; otherwise the troop
// list begins there ("LAND 3 3 HO AT N" moves all Horsemen).
bool IsTacticWord(std::string_view word);

std::string TacticName(std::string_view code);
std::string TacticNameFromText(std::string_view text);
std::string TacticCode(std::string_view name);
int TacticWordCount(std::string_view name);

std::string TroopName(std::string_view code, bool plural);
std::string TroopCode(std::string_view name);
int TroopWordCount(std::string_view name);

std::string DirectionName(std::string_view word);
// Every word of the text as a direction name (or letter), joined with single blanks;
// "?" for a text without words.
std::string DirectionWords(std::string_view text);
std::string DirectionLetters(std::string_view text);
// True when the word is an initial part of NORTH, EAST, SOUTH or WEST (any case).
bool IsDirectionWord(std::string_view word);
// True when every word is.
bool AreDirections(std::string_view text);

// "all" for the word AT (any case), otherwise the word.
std::string CountText(std::string_view word);
bool IsCountOrAll(std::string_view word);
bool IsEmptyOrNumber(std::string_view text);
// The word without one trailing comma.
std::string StripComma(std::string_view word);

// Drop-down list contents, appended to list.
void FillTroopTypes(std::vector<std::string>& list, bool withGeneral);
void FillTactics(std::vector<std::string>& list);
void FillDirections(std::vector<std::string>& list);
// Clears the list, then adds "N - name" for every tribe, N counting from 1.
void FillTribeChoices(std::vector<std::string>& list, const std::vector<report::TribeElem>& tribes);

} // namespace orv::move
