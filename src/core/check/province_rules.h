#pragma once
// The rules for the orders that name provinces but move no troops: placement (which books
// the new units for later orders), defensive orders, naming, cession, espionage and
// terrain change. Each appends its findings about one raw order line to messages.

#include "core/check/check_state.h"
#include "core/move/order.h"

namespace orv::check {

void CheckPlacement(const move::Order& order, CheckState& state, Messages& messages);
void CheckDefence(const move::Order& order, const CheckState& state, Messages& messages);
void CheckNaming(const move::Order& order, const CheckState& state, Messages& messages);
// CEDE and BUILD: one province that must be the user's and not isolated.
void CheckOwnProvince(const move::Order& order, const CheckState& state, Messages& messages);
void CheckEspionage(const move::Order& order, const CheckState& state, Messages& messages);

} // namespace orv::check
