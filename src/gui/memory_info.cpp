#include "gui/memory_info.h"

#include <sys/sysinfo.h>

namespace orv::gui {

MemoryInfo ReadMemoryInfo() {
    MemoryInfo info;
    struct sysinfo si {};
    if (sysinfo(&si) != 0 || si.totalram == 0) {
        return info;
    }
    const std::uint64_t unit = si.mem_unit == 0 ? 1 : si.mem_unit;
    const std::uint64_t total = static_cast<std::uint64_t>(si.totalram) * unit;
    const std::uint64_t free =
        (static_cast<std::uint64_t>(si.freeram) + static_cast<std::uint64_t>(si.bufferram)) * unit;
    info.totalKilobytes = total / 1024;
    const std::uint64_t used = free < total ? total - free : 0;
    constexpr unsigned long long Percent = 100;
    info.percentInUse = static_cast<int>(used * Percent / total);
    return info;
}

} // namespace orv::gui
