// Time of one redraw of the graphical map for a full 50 x 50 report, every province the
// user's, with a long move of 400 orders: the whole map fitted into a window, the part a
// window shows at the usual zoom, and the whole map at that zoom. A redraw after an edit
// finds the report's layers kept from the one before; the first redraw after a zoom or a new
// report paints them too. Also the time of building the picture's model from the game and
// the move. The example report with its move of every kind of order, fitted and at the usual
// zoom, as the README's run command shows it.
#include "../full_size_game.h"
#include "core/mapview/map_drawing.h"
#include "core/mapview/map_geometry.h"
#include "core/move/move_file.h"
#include "core/report/report_reader.h"
#include "gui/map_paint.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>

namespace {

using orv::bench::FullSizeGame;
using orv::bench::LongMove;

orv::mapview::Drawing Draw(const orv::report::Game& game, const orv::move::MoveList& move) {
    return orv::mapview::BuildDrawing(game, move, orv::check::CheckMove(move, game));
}

const orv::mapview::Drawing& Picture() {
    static const orv::mapview::Drawing drawing = Draw(FullSizeGame(), LongMove(400));
    return drawing;
}

// The report alone, without the move.
const orv::mapview::Drawing& ReportOnly() {
    static const orv::mapview::Drawing drawing = Draw(FullSizeGame(), orv::move::MoveList{});
    return drawing;
}

// The example turn with the move that walks every kind of path.
const orv::mapview::Drawing& Example() {
    static const orv::mapview::Drawing drawing = [] {
        orv::report::Game game;
        orv::report::LoadReport(game, ORV_EXAMPLES_DIR "/turn12.txt");
        game.tribeName = "Vikings";
        orv::report::SelectCurrentTribe(game);
        orv::move::MoveList move;
        orv::move::LoadMove(move, ORV_EXAMPLES_DIR "/turn12-paths.cmd");
        return Draw(game, move);
    }();
    return drawing;
}

enum class Layers : std::uint8_t { Kept, Repainted };

void Redraw(benchmark::State& state, int tile, QSize view,
            const orv::mapview::Drawing& drawing = Picture(), Layers layers = Layers::Kept) {
    const orv::mapview::Geometry geometry{tile, 24, drawing.width, drawing.height};
    if (view.isEmpty()) {
        view = QSize(geometry.PixelWidth(), geometry.PixelHeight());
    }
    QImage image(view, QImage::Format_ARGB32_Premultiplied);
    orv::gui::PaintCache cache;
    for (auto _ : state) {
        if (layers == Layers::Repainted) {
            cache.DropLayers();
        }
        QPainter painter(&image);
        orv::gui::PaintMap(painter, drawing, geometry, QRect(QPoint(0, 0), view), 5, cache);
    }
    state.counters["arrows"] = static_cast<double>(drawing.arrows.size());
}

void BM_RedrawFittedMap(benchmark::State& state) {
    Redraw(state, 17, QSize(900, 900));
}
BENCHMARK(BM_RedrawFittedMap)->Unit(benchmark::kMillisecond);

void BM_RedrawFittedMapAfterZoom(benchmark::State& state) {
    Redraw(state, 17, QSize(900, 900), Picture(), Layers::Repainted);
}
BENCHMARK(BM_RedrawFittedMapAfterZoom)->Unit(benchmark::kMillisecond);

void BM_RedrawFittedReportOnly(benchmark::State& state) {
    Redraw(state, 17, QSize(900, 900), ReportOnly());
}
BENCHMARK(BM_RedrawFittedReportOnly)->Unit(benchmark::kMillisecond);

void BM_RedrawWindowAtUsualZoom(benchmark::State& state) {
    Redraw(state, 56, QSize(900, 700));
}
BENCHMARK(BM_RedrawWindowAtUsualZoom)->Unit(benchmark::kMillisecond);

void BM_RedrawWindowAtUsualZoomAfterZoom(benchmark::State& state) {
    Redraw(state, 56, QSize(900, 700), Picture(), Layers::Repainted);
}
BENCHMARK(BM_RedrawWindowAtUsualZoomAfterZoom)->Unit(benchmark::kMillisecond);

void BM_RedrawWholeMapAtUsualZoom(benchmark::State& state) {
    Redraw(state, 56, QSize());
}
BENCHMARK(BM_RedrawWholeMapAtUsualZoom)->Unit(benchmark::kMillisecond);

// The example's 12 x 8 provinces fitted into the window: large tiles, every text shown.
void BM_RedrawExampleFittedAfterZoom(benchmark::State& state) {
    const orv::mapview::Drawing& drawing = Example();
    Redraw(state, orv::mapview::FitTileSize(900, 900, drawing.width, drawing.height, 24),
           QSize(900, 900), drawing, Layers::Repainted);
}
BENCHMARK(BM_RedrawExampleFittedAfterZoom)->Unit(benchmark::kMillisecond);

void BM_RedrawExampleAtUsualZoomAfterZoom(benchmark::State& state) {
    Redraw(state, 56, QSize(900, 700), Example(), Layers::Repainted);
}
BENCHMARK(BM_RedrawExampleAtUsualZoomAfterZoom)->Unit(benchmark::kMillisecond);

void BM_BuildDrawing(benchmark::State& state) {
    const orv::report::Game game = FullSizeGame();
    const orv::move::MoveList move = LongMove(400);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Draw(game, move));
    }
}
BENCHMARK(BM_BuildDrawing)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
