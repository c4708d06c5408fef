// Peak heap memory of reading a 40 MB file of short lines, per byte of the file: as a
// report, as a move file that is refused (no BEGIN), and as a move whose message block
// holds every line (short lines, and empty ones). The counters to watch are "per_byte" (peak heap /
// file size) and "above_text" ((peak heap - the lines' own text) / file size). Run on its own: it
// counts every allocation of the process.
#include "core/move/move_file.h"
#include "core/report/report_reader.h"

#include <atomic>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <memory>
#include <new>
#include <string>
#include <unistd.h>

namespace {

std::atomic<std::size_t> heapNow{0};
std::atomic<std::size_t> heapPeak{0};

void Count(void* p) {
    if (p != nullptr) {
        const std::size_t now = heapNow += malloc_usable_size(p);
        std::size_t peak = heapPeak.load();
        while (now > peak && !heapPeak.compare_exchange_weak(peak, now)) {
        }
    }
}

} // namespace

void* operator new(std::size_t size) {
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr) {
        throw std::bad_alloc();
    }
    Count(p);
    return p;
}

void operator delete(void* p) noexcept {
    if (p != nullptr) {
        heapNow -= malloc_usable_size(p);
        std::free(p);
    }
}

void operator delete(void* p, std::size_t) noexcept {
    operator delete(p);
}

namespace {

constexpr std::size_t FileSize = 40'000'000;
constexpr std::string_view ShortLine = "Line 12345\r\n"; // ten characters of text per line

struct TestFile {
    std::string path;
    std::size_t textBytes = 0; // without the line ends

    explicit TestFile(std::string_view head, std::string_view line = ShortLine) {
        path = (std::filesystem::temp_directory_path() /
                ("orv_memory_" + std::to_string(::getpid()) + ".txt"))
                   .string();
        std::ofstream out(path, std::ios::binary);
        out << head;
        std::size_t written = head.size();
        const std::size_t ends = line.ends_with("\r\n") ? 2 : 1;
        while (written + line.size() <= FileSize) {
            out << line;
            written += line.size();
            textBytes += line.size() - ends;
        }
    }
    ~TestFile() { std::filesystem::remove(path); }
    TestFile(const TestFile&) = delete;
    TestFile& operator=(const TestFile&) = delete;
};

template <typename Read>
void MeasurePeak(benchmark::State& state, const TestFile& file, Read read) {
    for (auto _ : state) {
        heapPeak = heapNow.load();
        const std::size_t before = heapNow.load();
        read(file.path);
        const auto peak = static_cast<double>(heapPeak.load() - before);
        state.counters["per_byte"] = peak / FileSize;
        state.counters["above_text"] = (peak - static_cast<double>(file.textBytes)) / FileSize;
    }
}

void BM_PeakReadingReport(benchmark::State& state) {
    const TestFile file("GAME SPECIFICATION\r\n-\r\nOptions: S\r\n\r\n");
    MeasurePeak(state, file, [](const std::string& path) {
        const auto game = std::make_unique<orv::report::Game>();
        benchmark::DoNotOptimize(orv::report::LoadReport(*game, path));
    });
}
BENCHMARK(BM_PeakReadingReport)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_PeakReadingRefusedMove(benchmark::State& state) {
    const TestFile file("no move here\r\n");
    MeasurePeak(state, file, [](const std::string& path) {
        orv::move::MoveList move;
        benchmark::DoNotOptimize(orv::move::LoadMove(move, path));
    });
}
BENCHMARK(BM_PeakReadingRefusedMove)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_PeakReadingMessageBlock(benchmark::State& state) {
    const TestFile file("BEGIN\r\nEND\r\n");
    MeasurePeak(state, file, [](const std::string& path) {
        orv::move::MoveList move;
        benchmark::DoNotOptimize(orv::move::LoadMove(move, path));
    });
}
BENCHMARK(BM_PeakReadingMessageBlock)->Iterations(1)->Unit(benchmark::kMillisecond);

// A message block of nothing but empty lines, with CR LF and with LF line ends: the move
// must stay within 5 bytes per byte of the file, the file's own bytes included.
void BM_PeakReadingEmptyMessageLines(benchmark::State& state) {
    const TestFile file("BEGIN\r\nEND\r\n", state.range(0) == 2 ? "\r\n" : "\n");
    MeasurePeak(state, file, [](const std::string& path) {
        orv::move::MoveList move;
        benchmark::DoNotOptimize(orv::move::LoadMove(move, path));
    });
}
BENCHMARK(BM_PeakReadingEmptyMessageLines)
    ->Arg(2)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
