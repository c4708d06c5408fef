// The map's picture of the example turn painted on an image at every zoom: the badges of a
// crowded province and the move points of the order being written stay where the
// province's layout puts them; the SVG export holds shapes and text, no images.

#include "core/move/move_file.h"
#include "core/report/report_reader.h"
#include "gui/map_export.h"
#include "gui/map_paint_move.h"
#include "gui/map_paint_parts.h"
#include "gui_tests.h"

#include <QTemporaryDir>
#include <QTest>

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

QImage Painted(const mapview::Drawing& drawing, int tile) {
    const mapview::Geometry g{tile, mapview::DefaultMargin, drawing.width, drawing.height};
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
            differ += a.pixel(x, y) != b.pixel(x, y) &&
                      std::none_of(allowed.begin(), allowed.end(),
                                   [x, y](const QRect& r) { return r.contains(x, y); });
        }
    }
    return differ;
}

class MapPaintTest : public QObject {
    Q_OBJECT
  private slots:
    // Sixty placements, an espionage and a defence on Jomsborg show nowhere outside its
    // square; the move points of an order being written from there show in their bubbles
    // alone, never over the troop figures (where badges are, they take room from those).
    void labelsStayInTheirPlace() {
        const report::Game game = ExampleGame();
        std::string orders = "ESP 3 3\r\nDEF 3 3 F\r\n";
        for (int i = 0; i < 60; ++i) {
            orders += "PLA 3 3 SH 1\r\n";
        }
        const mapview::Drawing plain = Draw(game, "");
        const mapview::Drawing crowded = Draw(game, orders);
        mapview::Drawing noted = plain;
        mapview::SetPreview(noted, check::CheckMove(Move("LAND 3 3 HO 2 FO 3 E E\r\n"), game), 1);
        mapview::Drawing unnoted = noted;
        unnoted.preview.at(0).pointsLeft.clear();
        for (const int tile : Tiles) {
            const mapview::Geometry g{tile, mapview::DefaultMargin, plain.width, plain.height};
            const QRect square = gui::paint::TileRect(g, 3, 3);
            QCOMPARE(DifferOutside(Painted(plain, tile), Painted(crowded, tile), {square}), 0);
            gui::PaintCache cache;
            std::vector<QRect> bubbles;
            for (const auto& label :
                 gui::paint::LayOutMoveLabels(noted, g, {0, 0, 9999, 9999}, {}, cache)) {
                // Smaller, a home or town leaves too little room beside its troops.
                QVERIFY(!label.layout.note.Empty() || tile < 40);
                for (const mapview::Box& box : {label.layout.note, label.layout.noteReplaces}) {
                    bubbles.push_back(gui::paint::ToRect(box, label.rect.topLeft()));
                }
            }
            QCOMPARE(bubbles.size(), std::size_t{6});
            QCOMPARE(DifferOutside(Painted(unnoted, tile), Painted(noted, tile), bubbles), 0);
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
