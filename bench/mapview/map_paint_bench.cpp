// Time of one redraw of the graphical map for a full 50 x 50 report with a long move: the
// whole map fitted into a window, the part a window shows at the usual zoom, and the whole
// map at that zoom. Also the time of building the picture's model from the game and move.
#include "core/mapview/map_drawing.h"
#include "gui/map_paint.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <string>

namespace {

using orv::report::TroopKind;

// 50 x 50 provinces of every terrain, owners and troops everywhere, sea in every fifth
// column, so that every tile carries text.
orv::report::Game FullSizeGame() {
    orv::report::Game game;
    game.tribeName = "Vikings";
    orv::report::TMap& map = game.map;
    map.ClearMap();
    map.width = 50;
    map.height = 50;
    for (int x = 1; x <= 50; ++x) {
        for (int y = 1; y <= 50; ++y) {
            orv::report::Province& p = *map.Cell(x, y);
            p.terrain = x % 5 == 0 ? orv::report::SeaTerrain : static_cast<std::uint8_t>(y % 13);
            p.owner = (x + y) % 3 == 0 ? "VIKINGS" : "Black Com";
            p.homeProvince = (x * y) % 7 == 0;
            p.isolated = (x * y) % 17 == 0;
            for (const TroopKind kind : {orv::report::FootSoldiers, orv::report::Bowmen,
                                         orv::report::Horsemen, orv::report::Ships}) {
                p.troops[kind] = 20;
            }
            p.troops[orv::report::Generals] = 1;
            p.troops[orv::report::Castles] = 1;
        }
    }
    return game;
}

// 300 movements of the three kinds and 100 placements spread over the map.
orv::move::MoveList LongMove() {
    orv::move::MoveList move;
    move.form = orv::move::DisplayForm::Raw;
    move.lines = {"BEGIN"};
    for (int i = 0; i < 400; ++i) {
        const std::string at =
            std::to_string(1 + i * 7 % 50) + " " + std::to_string(1 + i * 11 % 50);
        switch (i % 4) {
        case 0:
            move.lines.push_back("LAND " + at + " HO 2 E S E");
            break;
        case 1:
            move.lines.push_back("SEA " + at + " SH 1 N N");
            break;
        case 2:
            move.lines.push_back("RAID " + at + " HO 1 W W");
            break;
        default:
            move.lines.push_back("PLA " + at + " FO");
            break;
        }
    }
    move.lines.emplace_back("END");
    return move;
}

const orv::mapview::Drawing& Picture() {
    static const orv::mapview::Drawing drawing =
        orv::mapview::BuildDrawing(FullSizeGame(), LongMove());
    return drawing;
}

// The report alone, without the move.
const orv::mapview::Drawing& ReportOnly() {
    static const orv::mapview::Drawing drawing =
        orv::mapview::BuildDrawing(FullSizeGame(), orv::move::MoveList{});
    return drawing;
}

void Redraw(benchmark::State& state, int tile, QSize view,
            const orv::mapview::Drawing& drawing = Picture()) {
    const orv::mapview::Geometry geometry{tile, 24, drawing.width, drawing.height};
    if (view.isEmpty()) {
        view = QSize(geometry.PixelWidth(), geometry.PixelHeight());
    }
    QImage image(view, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        orv::gui::PaintMap(painter, drawing, geometry, QRect(QPoint(0, 0), view), 5);
    }
    state.counters["arrows"] = static_cast<double>(drawing.arrows.size());
}

void BM_RedrawFittedMap(benchmark::State& state) {
    Redraw(state, 17, QSize(900, 900));
}
BENCHMARK(BM_RedrawFittedMap)->Unit(benchmark::kMillisecond);

void BM_RedrawFittedReportOnly(benchmark::State& state) {
    Redraw(state, 17, QSize(900, 900), ReportOnly());
}
BENCHMARK(BM_RedrawFittedReportOnly)->Unit(benchmark::kMillisecond);

void BM_RedrawWindowAtUsualZoom(benchmark::State& state) {
    Redraw(state, 56, QSize(900, 700));
}
BENCHMARK(BM_RedrawWindowAtUsualZoom)->Unit(benchmark::kMillisecond);

void BM_RedrawWholeMapAtUsualZoom(benchmark::State& state) {
    Redraw(state, 56, QSize());
}
BENCHMARK(BM_RedrawWholeMapAtUsualZoom)->Unit(benchmark::kMillisecond);

void BM_BuildDrawing(benchmark::State& state) {
    const orv::report::Game game = FullSizeGame();
    const orv::move::MoveList move = LongMove();
    for (auto _ : state) {
        benchmark::DoNotOptimize(orv::mapview::BuildDrawing(game, move));
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
