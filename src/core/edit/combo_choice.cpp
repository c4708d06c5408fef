#include "core/edit/combo_choice.h"

#include <algorithm>

namespace orv::edit {

std::optional<std::size_t> SelectComboItem(const std::vector<std::string>& entries,
                                           std::string_view text) {
    const auto found = std::find(entries.begin(), entries.end(), text);
    if (found == entries.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - entries.begin());
}

} // namespace orv::edit
