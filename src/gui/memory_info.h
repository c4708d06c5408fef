#pragma once
// The machine's physical memory and how much of it is in use, for the About window.

#include <cstdint>

namespace orv::gui {

struct MemoryInfo {
    std::uint64_t totalKilobytes = 0;
    int percentInUse = 0;
};

// Measured now; zeros when the system does not tell.
MemoryInfo ReadMemoryInfo();

} // namespace orv::gui
