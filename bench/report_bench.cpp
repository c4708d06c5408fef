// Loading a full-size report (50 x 50 map, 100 tribes) against merely reading its lines.
#include "core/report/report_reader.h"
#include "core/report/text_file.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

const char* const Terrains[] = {"Cultivate", "Plains", "Grassland", "Desert",   "Steppes",
                                "Forest",    "Hills",  "Mountains", "Marsh",    "Swamp",
                                "City",      "Town",   "Metropoli", "Sea      "};

std::string Cell(const std::string& text) {
    return text.size() >= 9 ? text.substr(0, 9) : text + std::string(9 - text.size(), ' ');
}

// A report as the game master writes it: specification, tribe table, isolation lines and
// the map in two strips of 25 columns.
std::string GenerateReport() {
    std::string r =
        "GAME SPECIFICATION\r\n------\r\nOrders per turn: 40\r\nOptions: ePHBSG\r\n\r\n";
    r += "General Report\r\n==============\r\n No Tribe Gold ...\r\n---\r\n";
    for (int t = 1; t <= 100; ++t) {
        r += std::to_string(t) + " Tribe Number " + std::to_string(t) +
             " 2150 380 120 45 60 7 2 31 2 940 118\r\n";
    }
    r += "\r\n";
    for (int i = 1; i <= 50; ++i) {
        r += "Province " + std::to_string(i) + "/" + std::to_string(51 - i) + " is isolated.\r\n";
    }
    for (int strip = 0; strip < 2; ++strip) {
        std::string frame = "     +";
        for (int x = 0; x < 25; ++x) {
            frame += "---------+";
        }
        r += frame + "\r\n";
        for (int y = 1; y <= 50; ++y) {
            std::string lines[5];
            for (int x = 1; x <= 25; ++x) {
                const int k = (x * 7 + y * 3) % 14;
                const std::string owner =
                    k == 13 ? "~~~~~~~~~" : ((x + y) % 5 == 0 ? "TRIBE NUM" : "Tribe Num");
                lines[0] += Cell(Terrains[k]) + "!";
                lines[1] += Cell(k == 13 ? "~~~~~~~~~" : "Name") + "!";
                lines[2] += Cell(k == 13 ? "~~~~~~~~~" : "3F2B    t") + "!";
                lines[3] += Cell(k == 13 ? "~~~~~~~~~" : "1H2S G C") + "!";
                lines[4] += Cell(owner) + "!";
            }
            r += (y < 10 ? "  " : " ") + std::to_string(y) + "  !" + lines[0] + "\r\n";
            for (int k = 1; k < 5; ++k) {
                r += "     !" + lines[k] + "\r\n";
            }
            r += frame + "\r\n";
        }
        r += "          1         2\r\n\r\n";
    }
    return r;
}

const std::string& ReportPath() {
    static const std::string path = [] {
        const auto p = std::filesystem::temp_directory_path() / "orvbench_report.txt";
        std::ofstream(p, std::ios::binary) << GenerateReport();
        return p.string();
    }();
    return path;
}

void BM_ReadReportLines(benchmark::State& state) {
    for (auto _ : state) {
        const orv::report::TextFile file = orv::report::ReadTextFile(ReportPath());
        benchmark::DoNotOptimize(file.lines.data());
    }
}
BENCHMARK(BM_ReadReportLines)->Unit(benchmark::kMicrosecond);

void BM_LoadReport(benchmark::State& state) {
    auto game = std::make_unique<orv::report::Game>();
    for (auto _ : state) {
        const auto result = orv::report::LoadReport(*game, ReportPath());
        benchmark::DoNotOptimize(result.status);
    }
    state.counters["tribes"] = static_cast<double>(game->tribes.size());
    state.counters["width"] = game->map.width;
    state.counters["height"] = game->map.height;
}
BENCHMARK(BM_LoadReport)->Unit(benchmark::kMicrosecond);

} // namespace

namespace {

// Both operations timed side by side in each iteration; "ratio" is load time / read time.
void BM_LoadReportToReadRatio(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    auto game = std::make_unique<orv::report::Game>();
    Clock::duration read{};
    Clock::duration load{};
    for (auto _ : state) {
        const auto t0 = Clock::now();
        const orv::report::TextFile file = orv::report::ReadTextFile(ReportPath());
        benchmark::DoNotOptimize(file.lines.data());
        const auto t1 = Clock::now();
        const auto result = orv::report::LoadReport(*game, ReportPath());
        benchmark::DoNotOptimize(result.status);
        const auto t2 = Clock::now();
        read += t1 - t0;
        load += t2 - t1;
    }
    state.counters["ratio"] =
        std::chrono::duration<double>(load).count() / std::chrono::duration<double>(read).count();
}
BENCHMARK(BM_LoadReportToReadRatio)->Unit(benchmark::kMicrosecond);

} // namespace
