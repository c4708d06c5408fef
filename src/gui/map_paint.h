#pragma once
// Paints the graphical map's picture in three layers: the report below (terrain, the marks of
// a province, owners and names, the grid), the move above it (paths, order badges, the
// preview of the order being written) and the troop figures on top, each on a pale backing
// so that no path hides them. Within a province the texts and badges keep to the places its
// layout gives them, so that none hides another. The report and the figures change only with the
// report, the tribe or the zoom, so they are kept as images in blocks, and a redraw after an edit
// paints the move alone. Kept apart from the window so that it can also be timed and tested on a
// plain image.

#include "core/mapview/map_drawing.h"
#include "core/mapview/map_geometry.h"

#include <QImage>
#include <QRect>
#include <QStaticText>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

class QPainter;

namespace orv::gui {

// The tile size from which provinces show their owner and troops as text and orders as
// labelled badges; smaller tiles show colours and small squares only.
inline constexpr int TextTileSize = 28;

enum class TextStyle : std::uint8_t { Plain, Name, Bold };

// The fonts of one zoom and the heights of the rows the texts of a province take.
struct TileFonts {
    int tile = -1;
    int plainSize = 0; // owner and troops
    int smallSize = 0; // name, badges and move points
    int ownerHeight = 0;
    // Troop lines and badges hold capitals and digits only: their rows are as high as
    // those, the text's top (its ascent above the line) drawn at textTop from the row's.
    int troopHeight = 0;
    int troopTextTop = 0;
    int nameHeight = 0;
    int badgeHeight = 0;
    int badgeTextTop = 0;
};

// What one redraw leaves for the next: the report and figure layers in blocks for the zoom
// they were made at, tile texts laid out once (many tiles share the same owner and troop
// texts) and the home mark drawn once. A cache made not to keep blocks paints the layers
// straight onto the device, so that an SVG file holds shapes and text rather than images.
class PaintCache {
  public:
    enum class Layer : std::uint8_t { Report, Figures };

    explicit PaintCache(bool inBlocks = true) : inBlocks_(inBlocks) {}

    // The text laid out in a font of pixelSize; the texts of a style are dropped when its
    // size changes.
    const QStaticText& Text(const std::string& bytes, int pixelSize,
                            TextStyle style = TextStyle::Plain);
    // The text shortened with an ellipsis to at most width pixels.
    const QStaticText& Fitted(const std::string& bytes, int pixelSize, TextStyle style, int width);
    // The home mark of the given side.
    const QImage& HomeMark(int side);
    const TileFonts& Fonts(int tile);
    bool InBlocks() const { return inBlocks_; }

    // Counts the redraws, so that past the limit the blocks of the last one stay.
    void StartRedraw() { ++redraws_; }
    // Draws the part of a layer inside area from its blocks, painting the blocks it lacks, at
    // the device pixel ratio of the painter's device; without blocks, paints it there.
    void DrawLayer(QPainter& painter, Layer layer, const mapview::Drawing& drawing,
                   const mapview::Geometry& geometry, const QRect& area);
    // The layers are painted anew at the next redraw: the report or the tribe changed. A
    // change of the zoom is noticed without it.
    void DropLayers();

  private:
    struct Block {
        QImage image;
        std::uint64_t used = 0; // the redraw that last drew it
    };
    struct Texts {
        int pixelSize = -1;
        std::unordered_map<std::string, QStaticText> whole;
        std::unordered_map<std::string, QStaticText> fitted; // by width and text
    };
    Texts& TextsOf(int pixelSize, TextStyle style);
    const QImage& BlockImage(Layer layer, int column, int row, const mapview::Drawing& drawing,
                             const mapview::Geometry& geometry);

    bool inBlocks_ = true;
    std::array<Texts, 3> texts_;
    TileFonts fonts_;
    QImage homeMark_;
    mapview::Geometry layerGeometry_{0, 0, 0, 0}; // the geometry the blocks were made for
    qreal layerRatio_ = 1.0;                      // and the device pixels per pixel
    std::unordered_map<std::uint64_t, Block> blocks_;
    std::uint64_t redraws_ = 0;
};

struct PlanPicture;

// Paints the part of the map inside area; selectedLine's orders stand out, the drawing's
// preview above all; what is planned on the map, if given, in its layers.
void PaintMap(QPainter& painter, const mapview::Drawing& drawing, const mapview::Geometry& geometry,
              const QRect& area, std::optional<std::size_t> selectedLine, PaintCache& cache,
              const PlanPicture* plan = nullptr);

// Whether two drawings show the same report layer: their tiles look the same.
bool SameReportLayer(const mapview::Drawing& a, const mapview::Drawing& b);

} // namespace orv::gui
