#pragma once
// The graphical map: a picture of the report's provinces with the current move's paths and
// marks, zoomable and scrollable under column and row numbers that stay at the edges, with
// province details under the pointer, the preview of the order a dialog is writing and a
// pick mode in which one click hands a province's coordinates back.

#include "core/edit/order_fields.h"
#include "core/mapview/map_drawing.h"
#include "core/mapview/map_geometry.h"
#include "core/move/catalogue.h"
#include "gui/map_paint.h"
#include "gui/map_paint_plan.h"

#include <QCursor>
#include <QWidget>
#include <array>
#include <cstddef>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLayout;
class QSpinBox;
class QToolButton;
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

    // What is planned on the map, drawn above the move; update() after editing it.
    const PlanPicture& Plan() const { return plan_; }
    PlanPicture& EditPlan() { return plan_; }
    // The line whose path's end is being dragged, if any.
    std::optional<std::size_t> DraggedPath() const {
        return dragged_ ? pathDragged_ : std::nullopt;
    }

    // The centre of a province's square, in canvas pixels.
    QPoint CentreOf(int x, int y) const;

  signals:
    // A click that dragged nothing, on a province and not on its findings mark.
    void ProvinceClicked(int x, int y);
    // The pointer came over another province; 0 and 0 when it left the map.
    void ProvinceHovered(int x, int y);
    void ProvinceMenuRequested(int x, int y, QPoint globalPos);
    // The end of the path of the order at line was dragged onto another province.
    void PathEndDropped(std::size_t line, int x, int y);
    // The findings mark of a province was clicked: the first of them is of line.
    void FindingClicked(std::size_t line);
    void ZoomRequested(int steps, QPoint anchor);
    // The pointer was dragged with the left button held, by delta pixels.
    void Dragged(QPoint delta);

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    // The line of the movement whose drawn path ends in the province, the selected line's
    // first; none when no path ends there.
    std::optional<std::size_t> PathEndingIn(int x, int y) const;
    void Hover(std::optional<check::MapPoint> at);
    QString FindingsAt(int x, int y) const;

    mapview::Drawing drawing_;
    mapview::Geometry geometry_;
    std::optional<std::size_t> selectedLine_;
    PlanPicture plan_;
    QPoint dragFrom_;  // global position of the last drag step
    QPoint pressedAt_; // where the left button went down
    bool dragged_ = false;
    std::optional<std::size_t> pathDragged_; // the line whose path end is being dragged
    QCursor cursorBefore_;                   // the cursor to go back to after that drag
    check::MapPoint hovered_{0, 0};
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

// The movement planned on the map: its kind and its fields without a path.
struct PlanChoice {
    move::CommandKind kind = move::CommandKind::MoveThroughLand;
    edit::MovementFields fields;
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
    // The plan bar above the map: the start province, the kind of movement and the troops
    // whose reach the map shows, each count up to what the province holds (or the order
    // names); a hint alone when nothing is planned.
    void ShowPlanBar(const PlanChoice& choice, const mapview::TroopCounts& available);
    void HidePlanBar();
    bool Planning() const { return planning_; }
    PlanChoice Choice() const;
    // What the plan under the pointer would give, in the status line.
    void SetPlanStatus(const QString& text);
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
    QCheckBox* PlanAllTroops() const { return planAll_; }
    // The counts of foot soldiers, bowmen, horsemen, generals and ships.
    QSpinBox* PlanTroops(std::size_t i) const { return planTroops_.at(i); }
    QToolButton* ThreatsButton() const { return threats_; }
    MapRuler* ColumnRuler() const { return columns_; }
    MapRuler* RowRuler() const { return rows_; }
    QScrollArea* ScrollArea() const { return scroll_; }

  signals:
    // A click on a province outside the pick mode.
    void ProvinceChosen(int x, int y);
    void PlanChoiceChanged();
    // Escape or the plan bar's close button: the plan is to go.
    void PlanClosed();
    void ThreatsToggled(bool shown);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QLayout* BuildButtons();
    QWidget* BuildPlanBar();
    void SetPlanning(bool planning);
    void PlanTroopsEdited();
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
    QWidget* planBar_ = nullptr;
    QLabel* planStart_ = nullptr;
    QComboBox* planKind_ = nullptr;
    QCheckBox* planAll_ = nullptr;
    std::array<QSpinBox*, 5> planTroops_{};
    QToolButton* threats_ = nullptr;
    PlanChoice choice_;
    bool filling_ = false; // the bar is being set from a choice
    bool planning_ = false;
    QString planStatus_;
    std::function<void(int, int)> pickDone_;
};

} // namespace orv::gui
