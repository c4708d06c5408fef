#pragma once
// The conversion of one move line between its raw order text and its natural sentence.
// Used by every rebuild of the move list and by the check report to quote orders.

#include "core/move/display_form.h"

#include <string>
#include <string_view>

namespace orv::move {

// toNatural: raw to natural, otherwise natural to raw. BEGIN and END come back upper-cased;
// a line whose first word the direction does not know gives the empty text.
std::string ConvertLine(std::string_view line, bool toNatural);

inline std::string ConvertLine(std::string_view line, DisplayForm target) {
    return ConvertLine(line, target == DisplayForm::Natural);
}

} // namespace orv::move
