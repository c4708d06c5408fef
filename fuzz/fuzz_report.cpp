// Feeds any bytes to the report reader and the map parser, then draws both views. A text
// the reader refuses must leave the game as it was.
#include "core/report/report_reader.h"
#include "core/report/views.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto game = std::make_unique<orv::report::Game>();
    game->tribeName = "kept";
    game->tribes.resize(1);
    const auto status = orv::report::LoadReportText(*game, bytes).status;
    if (status == orv::report::ReportLoadStatus::NoReport &&
        (game->tribes.size() != 1 || game->tribeName != "kept" || game->map.width != 0)) {
        std::abort();
    }
    const orv::report::TMap& map = game->map;
    if (map.width < 0 || map.width > orv::report::MaxMapSize || map.height < 0 ||
        map.height > orv::report::MaxMapSize) {
        std::abort();
    }
    const std::string text = orv::report::ShowMapText(map);
    // Every grid line of the map view is at least six characters plus eleven per column.
    if (text.size() < static_cast<std::size_t>(6 + 11 * map.width)) {
        std::abort();
    }
    (void)orv::report::ShowGlobalOptionsText(game->options);
    return 0;
}
