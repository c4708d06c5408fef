#pragma once
// The graphical map: a picture of the report's provinces with the current move's paths and
// marks, zoomable and scrollable, with province details under the pointer and a pick mode
// in which one click hands a province's coordinates back.

#include "core/mapview/map_drawing.h"
#include "core/mapview/map_geometry.h"
#include "gui/map_paint.h"

#include <QWidget>
#include <cstddef>
#include <functional>
#include <optional>

class QLabel;
class QScrollArea;

namespace orv::gui {

// The painted map inside the window's scroll area.
class MapCanvas : public QWidget {
    Q_OBJECT
  public:
    explicit MapCanvas(QWidget* parent = nullptr);

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

// The graphical map (first built as TFormMap).
class MapWindow : public QWidget {
    Q_OBJECT
  public:
    explicit MapWindow(QWidget* parent = nullptr);

    void SetDrawing(mapview::Drawing drawing);
    void SetSelectedLine(std::optional<std::size_t> line);

    // The next click on a province calls done with its coordinates and ends the pick mode;
    // Escape ends it without a call.
    void PickProvince(std::function<void(int x, int y)> done);
    bool Picking() const { return static_cast<bool>(pickDone_); }

    void ZoomIn();
    void ZoomOut();
    void FitToWindow();

    MapCanvas* Canvas() const { return canvas_; }
    // The check's messages for the selected line, below the map.
    QLabel* MessagesLabel() const { return messages_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Zoom(int steps, QPoint anchor);
    void ScrollBy(QPoint delta);
    void ProvinceClick(int x, int y);
    void ShowCaption();
    void ShowLineMessages();

    QScrollArea* scroll_ = nullptr;
    MapCanvas* canvas_ = nullptr;
    QLabel* messages_ = nullptr;
    std::function<void(int, int)> pickDone_;
};

} // namespace orv::gui
