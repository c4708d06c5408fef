#pragma once
// The graphical map: a picture of the report's provinces with the current move's paths and
// marks, zoomable and scrollable under column and row numbers that stay at the edges, with
// province details under the pointer, the preview of the order a dialog is writing and a
// pick mode in which one click hands a province's coordinates back.

#include "core/mapview/map_drawing.h"
#include "core/mapview/map_geometry.h"
#include "gui/map_paint.h"

#include <QWidget>
#include <cstddef>
#include <functional>
#include <optional>

class QLabel;
class QScrollArea;
class QSettings;

namespace orv::gui {

// The painted map inside the window's scroll area.
class MapCanvas : public QWidget {
    Q_OBJECT
  public:
    explicit MapCanvas(QWidget* parent = nullptr);

    // Shows the drawing; the report's layer is painted anew only when it looks different.
    void SetDrawing(mapview::Drawing drawing);
    const mapview::Drawing& Drawing() const { return drawing_; }
    // The move line whose orders stand out; none when nothing is selected.
    void SetSelectedLine(std::optional<std::size_t> line);
    std::optional<std::size_t> SelectedLine() const { return selectedLine_; }
    void SetTileSize(int tile);
    const mapview::Geometry& Geometry() const { return geometry_; }

    // The centre of a province's square, in canvas pixels.
    QPoint CentreOf(int x, int y) const;

  signals:
    void ProvinceClicked(int x, int y);
    void ZoomRequested(int steps, QPoint anchor);
    // The pointer was dragged with the left button held, by delta pixels.
    void Dragged(QPoint delta);

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    mapview::Drawing drawing_;
    mapview::Geometry geometry_;
    std::optional<std::size_t> selectedLine_;
    QPoint dragFrom_; // global position of the last drag step
    PaintCache cache_;
};

// The column numbers above the map or the row numbers beside it, fixed to the edge of the
// view while the map scrolls below them.
class MapRuler : public QWidget {
  public:
    MapRuler(Qt::Orientation orientation, const MapCanvas* canvas, QWidget* parent);

    // The number shown at a pixel along the ruler; empty beside the map.
    QString NumberAt(int pos) const;
    // Width of the row ruler, height of the column ruler.
    int Thickness() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Qt::Orientation orientation_;
    const MapCanvas* canvas_;
};

// The graphical map (first built as TFormMap).
class MapWindow : public QWidget {
    Q_OBJECT
  public:
    explicit MapWindow(QWidget* parent = nullptr);

    // The drawing's preview, if any, shows in the status line too.
    void SetDrawing(mapview::Drawing drawing);
    void SetSelectedLine(std::optional<std::size_t> line);

    // The next click on a province calls done with its coordinates and ends the pick mode,
    // shown by a cross cursor and the status line; Escape ends it without a call.
    void PickProvince(std::function<void(int x, int y)> done);
    bool Picking() const { return static_cast<bool>(pickDone_); }
    // Ends the pick mode without a call.
    void CancelPick();

    // The window's place and size, kept in the settings from one run to the next.
    void SaveGeometry(QSettings& settings) const;
    void RestoreGeometry(const QSettings& settings);

    void ZoomIn();
    void ZoomOut();
    void FitToWindow();
    // "Print Map..." and "Export Map as SVG/PNG...": the whole map, as the window shows it.
    void PrintClick();
    void ExportClick();

    MapCanvas* Canvas() const { return canvas_; }
    // The check's messages for the selected line, below the map.
    QLabel* MessagesLabel() const { return messages_; }
    // The pick mode's hint or what the preview's walk found, at the bottom.
    QLabel* StatusLabel() const { return status_; }
    MapRuler* ColumnRuler() const { return columns_; }
    MapRuler* RowRuler() const { return rows_; }
    QScrollArea* ScrollArea() const { return scroll_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Zoom(int steps, QPoint anchor);
    void ScrollBy(QPoint delta);
    void ProvinceClick(int x, int y);
    void ShowCaption();
    void ShowLineMessages();
    void ShowStatus();

    QScrollArea* scroll_ = nullptr;
    MapCanvas* canvas_ = nullptr;
    MapRuler* columns_ = nullptr;
    MapRuler* rows_ = nullptr;
    QLabel* messages_ = nullptr;
    QLabel* status_ = nullptr;
    std::function<void(int, int)> pickDone_;
};

} // namespace orv::gui
