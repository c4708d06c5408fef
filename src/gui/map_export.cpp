#include "gui/map_export.h"

#include "gui/map_paint.h"

#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>

namespace orv::gui {

namespace {

// The usual zoom: large enough for the texts of every province and a row of badges.
constexpr int ExportTileSize = mapview::DefaultTileSize;

mapview::Geometry ExportGeometry(const mapview::Drawing& drawing) {
    mapview::Geometry geometry;
    geometry.tile = std::max(ExportTileSize, TextTileSize);
    geometry.width = drawing.width;
    geometry.height = drawing.height;
    return geometry;
}

// Painted once, straight onto the device: an SVG file or a printer gets shapes and text, and
// no image keeps blocks that are never drawn again.
void Paint(QPainter& painter, const mapview::Drawing& drawing,
           std::optional<std::size_t> selectedLine, const mapview::Geometry& geometry) {
    PaintCache cache(false);
    const QRect all(0, 0, geometry.PixelWidth(), geometry.PixelHeight());
    painter.fillRect(all, Qt::white);
    PaintMap(painter, drawing, geometry, all, selectedLine, cache);
}

} // namespace

bool ExportMap(const mapview::Drawing& drawing, std::optional<std::size_t> selectedLine,
               const QString& path) {
    const mapview::Geometry geometry = ExportGeometry(drawing);
    const QSize size(geometry.PixelWidth(), geometry.PixelHeight());
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(QStringLiteral("Graphical Map"));
        QPainter painter;
        if (!painter.begin(&svg)) {
            return false;
        }
        Paint(painter, drawing, selectedLine, geometry);
        return painter.end();
    }
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    Paint(painter, drawing, selectedLine, geometry);
    painter.end();
    return image.save(path, "PNG");
}

bool PrintMap(const mapview::Drawing& drawing, std::optional<std::size_t> selectedLine,
              QPagedPaintDevice& device) {
    const mapview::Geometry geometry = ExportGeometry(drawing);
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const QRect page = painter.viewport();
    const double scale = std::min(static_cast<double>(page.width()) / geometry.PixelWidth(),
                                  static_cast<double>(page.height()) / geometry.PixelHeight());
    painter.scale(scale, scale);
    Paint(painter, drawing, selectedLine, geometry);
    return painter.end();
}

} // namespace orv::gui
