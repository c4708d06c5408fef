#pragma once
// Where the values stand in an order's two forms, as word numbers from 1: in the raw line
// (the order grammar) and in the sentence the conversion to natural form writes. The
// conversions and the readers of orders into dialog fields find values by these names.

namespace orv::move::raw {

inline constexpr int Keyword = 1;
inline constexpr int X = 2; // the province of an order that names one
inline constexpr int Y = 3;
inline constexpr int AfterProvince = 4; // LAND's tactic, the troop list, CEDE's player, a name
inline constexpr int AlliancePlayer = 2;
inline constexpr int AllianceStatus = 3;

} // namespace orv::move::raw

namespace orv::move::sentence {

// "Alter alliance status to player P to S"
inline constexpr int AlliancePlayer = 6;
inline constexpr int AllianceStatus = 8;
// "Cede province X / Y to player P"
inline constexpr int CessionX = 3;
inline constexpr int CessionY = 5;
inline constexpr int CessionPlayer = 8;
// "Change terrain type of province X / Y"
inline constexpr int BuildX = 6;
inline constexpr int BuildY = 8;
// "Espionage enemy province[s] X / Y[,] [and] X / Y [and X / Y]"
inline constexpr int EspionageX = 4;
inline constexpr int EspionageY = 6;
inline constexpr int EspionageThirdX = 11; // after "Y2 and", three provinces
inline constexpr int EspionageThirdY = 13;
// "Give defensive orders for province X / Y to TACTIC"
inline constexpr int DefenceX = 6;
inline constexpr int DefenceY = 8;
inline constexpr int DefenceTactic = 10;
// "Move through land with N TROOPS ..."
inline constexpr int MovementCount = 5;
inline constexpr int MovementTroop = 6;
// "Conduct a raid from province X / Y with N TROOPS ..."
inline constexpr int RaidX = 6;
inline constexpr int RaidY = 8;
inline constexpr int RaidCount = 10;
inline constexpr int RaidTroop = 11;
// "Place one TROOP into province ...": the troop's first word
inline constexpr int PlacementTroop = 3;
// "Name king NAME" and "Name province X / Y NAME": the word that tells which
inline constexpr int NamingKind = 2;
inline constexpr int NamedX = 3;
inline constexpr int NamedY = 5;
inline constexpr int NamedName = 6;

} // namespace orv::move::sentence
