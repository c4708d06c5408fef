// The map's picture of the example turn painted on an image at every zoom: the badges of a
// crowded province and the move points of the order being written stay where the
// province's layout puts them; the SVG export holds shapes and text, no images.

#include "core/check/check_driver.h"
#include "core/mapview/map_drawing.h"
#include "core/move/move_file.h"
#include "core/report/report_reader.h"
#include "gui/map_export.h"
#include "gui/map_paint.h"
#include "gui/map_paint_move.h"
#include "gui/map_paint_parts.h"
#include "gui_tests.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <string>

namespace {

using namespace orv;

constexpr int Tiles[] = {12, 20, 28, 40, 48, 56, 87, 160};

report::Game ExampleGame() {
    report::Game game;
    report::LoadReport(game, ORV_EXAMPLES_DIR "/turn12.txt");
    game.tribeName = "Vikings";
    report::SelectCurrentTribe(game);
    return game;
}

move::MoveList Move(const std::string& orders) {
    move::MoveList move;
    move::LoadMoveFromText(move, "BEGIN\r\n" + orders + "END\r\n");
    return move;
}

mapview::Drawing Draw(const report::Game& game, const std::string& orders) {
    const move::MoveList move = Move(orders);
    return mapview::BuildDrawing(game, move, check::CheckMove(move, game));
}

mapview::Geometry GeometryOf(const mapview::Drawing& drawing, int tile) {
    return {tile, mapview::DefaultMargin, drawing.width, drawing.height};
}

QImage Painted(const mapview::Drawing& drawing, int tile) {
    const mapview::Geometry g = GeometryOf(drawing, tile);
    QImage image(g.PixelWidth(), g.PixelHeight(), QImage::Format_RGB32);
    gui::PaintCache cache;
    QPainter painter(&image);
    gui::PaintMap(painter, drawing, g, image.rect(), std::nullopt, cache);
    return image;
}

// How many pixels differ outside the allowed rectangles.
int DifferOutside(const QImage& a, const QImage& b, const std::vector<QRect>& allowed) {
    int differ = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const bool inside = std::any_of(allowed.begin(), allowed.end(),
                                            [x, y](const QRect& r) { return r.contains(x, y); });
            differ += !inside && a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
        }
    }
    return differ;
}

class MapPaintTest : public QObject {
    Q_OBJECT
  private slots:
    // Sixty placements, an espionage and a defence on Jomsborg: at no zoom does anything
    // of them show outside its square.
    void crowdedProvinceKeepsItsBadges() {
        const report::Game game = ExampleGame();
        std::string orders;
        for (int i = 0; i < 60; ++i) {
            orders += "PLA 3 3 SH 1\r\n";
        }
        orders += "ESP 3 3\r\nDEF 3 3 F\r\n";
        const mapview::Drawing plain = Draw(game, "");
        const mapview::Drawing crowded = Draw(game, orders);
        for (const int tile : Tiles) {
            const QRect square = gui::paint::TileRect(GeometryOf(plain, tile), 3, 3);
            QCOMPARE(DifferOutside(Painted(plain, tile), Painted(crowded, tile), {square}), 0);
        }
    }

    // The move points of the order being written show in their bubbles alone, never over
    // the troop figures.
    void movePointsStayInTheirPlace() {
        const report::Game game = ExampleGame();
        mapview::Drawing drawing = Draw(game, "");
        mapview::SetPreview(drawing, check::CheckMove(Move("LAND 3 3 HO 2 FO 3 E E\r\n"), game), 1);
        mapview::Drawing withoutPoints = drawing;
        for (mapview::Arrow& arrow : withoutPoints.preview) {
            arrow.pointsLeft.clear();
        }
        for (const int tile : Tiles) {
            const mapview::Geometry g = GeometryOf(drawing, tile);
            gui::PaintCache cache;
            std::vector<QRect> bubbles;
            for (const gui::paint::MoveLabel& label :
                 gui::paint::LayOutMoveLabels(drawing, g, QRect(0, 0, 9999, 9999), {}, cache)) {
                // Smaller, a home or town leaves too little room beside its troops.
                QVERIFY(!label.layout.note.Empty() || tile < 40);
                for (const mapview::Box& troops : label.layout.troops) {
                    QVERIFY(!troops.Overlaps(label.layout.note));
                }
                bubbles.push_back(gui::paint::ToRect(label.layout.note, label.rect.topLeft()));
                bubbles.push_back(
                    gui::paint::ToRect(label.layout.noteReplaces, label.rect.topLeft()));
            }
            QCOMPARE(bubbles.size(), std::size_t{6});
            QCOMPARE(DifferOutside(Painted(withoutPoints, tile), Painted(drawing, tile), bubbles),
                     0);
        }
    }

    void svgHoldsShapesAndText() {
        const mapview::Drawing drawing = Draw(ExampleGame(), "PLA 3 3 FO\r\nLAND 3 4 FO 2 E\r\n");
        QTemporaryDir out;
        const QString path = out.filePath(QStringLiteral("map.svg"));
        QVERIFY(gui::ExportMap(drawing, 1, path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray svg = file.readAll();
        QVERIFY(!svg.contains("<image"));
        // The troops and the owner of Jomsborg, its name and the placement's badge.
        for (const char* text : {">6F 4B<", ">3H G C<", ">Vikings<", ">Jomsborg<", ">+FO<"}) {
            QVERIFY2(svg.contains(text), text);
        }
    }
};

ORV_GUI_TEST_CLASS(MapPaintTest);

} // namespace

#include "map_paint_test.moc"
