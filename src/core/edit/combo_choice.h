#pragma once
// Which entry of a drop-down list shows a value of an order being edited.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv::edit {

// The first entry equal to the text (whole text, case counts); none when no entry is, in
// which case the list keeps its current selection.
std::optional<std::size_t> SelectComboItem(const std::vector<std::string>& entries,
                                           std::string_view text);

} // namespace orv::edit
