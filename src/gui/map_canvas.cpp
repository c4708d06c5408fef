#include "gui/map_paint.h"
#include "gui/map_window.h"
#include "gui/text_codec.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>
#include <array>

namespace orv::gui {

namespace {

const QColor RulerBackground(224, 224, 216);
const QColor RulerTick(150, 150, 140);
// The steps of numbers a ruler shows when not every number fits beside the next.
constexpr std::array<int, 4> NumberSteps{1, 2, 5, 10};

// Repaints a ruler whenever the canvas moves below it (scrolling) or changes its size.
class RulerFollower final : public QObject {
  public:
    RulerFollower(QWidget* ruler) : QObject(ruler), ruler_(ruler) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Move || event->type() == QEvent::Resize) {
            ruler_->update();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QWidget* ruler_;
};

} // namespace

MapRuler::MapRuler(Qt::Orientation orientation, const MapCanvas* canvas, QWidget* parent)
    : QWidget(parent), orientation_(orientation), canvas_(canvas) {
    setObjectName(orientation == Qt::Horizontal ? QStringLiteral("RulerColumns")
                                                : QStringLiteral("RulerRows"));
    const_cast<MapCanvas*>(canvas)->installEventFilter(new RulerFollower(this));
}

int MapRuler::Thickness() const {
    const QFontMetrics metrics = fontMetrics();
    return orientation_ == Qt::Horizontal
               ? metrics.height() + 4
               : metrics.horizontalAdvance(QStringLiteral("00")) + metrics.averageCharWidth() * 2;
}

QString MapRuler::NumberAt(int pos) const {
    const mapview::Geometry& g = canvas_->Geometry();
    const bool columns = orientation_ == Qt::Horizontal;
    const int along = pos - (columns ? canvas_->x() : canvas_->y());
    const int count = columns ? g.width : g.height;
    if (g.tile <= 0 || along < g.margin) {
        return {};
    }
    const int number = (along - g.margin) / g.tile + 1;
    return number <= count ? QString::number(number) : QString();
}

void MapRuler::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), RulerBackground);
    const mapview::Geometry& g = canvas_->Geometry();
    if (g.tile <= 0) {
        return;
    }
    const bool columns = orientation_ == Qt::Horizontal;
    const int offset = columns ? canvas_->x() : canvas_->y();
    const int count = columns ? g.width : g.height;
    const int length = columns ? width() : height();
    // Every number when they fit, else every second, fifth or tenth.
    const int needed = columns ? fontMetrics().horizontalAdvance(QStringLiteral("00")) + 4
                               : fontMetrics().height();
    int step = NumberSteps.back();
    for (const int candidate : NumberSteps) {
        if (candidate * g.tile >= needed) {
            step = candidate;
            break;
        }
    }
    const int first = std::max(1, (-offset - g.margin) / g.tile + 1);
    for (int n = first; n <= count; ++n) {
        const int start = offset + g.margin + (n - 1) * g.tile;
        if (start > length) {
            break;
        }
        const QRect cell =
            columns ? QRect(start, 0, g.tile, height()) : QRect(0, start, width(), g.tile);
        painter.setPen(RulerTick);
        if (columns) {
            painter.drawLine(start, height() - 4, start, height());
        } else {
            painter.drawLine(width() - 4, start, width(), start);
        }
        if (n % step == 0 || step == 1) {
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(cell, Qt::AlignCenter, QString::number(n));
        }
    }
}

MapCanvas::MapCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MapCanvas"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MapCanvas::SetDrawing(mapview::Drawing drawing) {
    if (!SameReportLayer(drawing, drawing_)) {
        cache_.DropLayers();
    }
    drawing_ = std::move(drawing);
    geometry_.width = drawing_.width;
    geometry_.height = drawing_.height;
    resize(geometry_.PixelWidth(), geometry_.PixelHeight());
    update();
}

void MapCanvas::SetSelectedLine(std::optional<std::size_t> line) {
    if (line != selectedLine_) {
        selectedLine_ = line;
        update();
    }
}

void MapCanvas::SetTileSize(int tile) {
    geometry_.tile = tile;
    resize(geometry_.PixelWidth(), geometry_.PixelHeight());
    update();
}

QPoint MapCanvas::CentreOf(int x, int y) const {
    return QPoint(geometry_.Left(x) + geometry_.tile / 2, geometry_.Top(y) + geometry_.tile / 2);
}

void MapCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    PaintMap(painter, drawing_, geometry_, event->rect(), selectedLine_, cache_, &plan_);
}

std::optional<std::size_t> MapCanvas::PathEndingIn(int x, int y) const {
    std::optional<std::size_t> found;
    for (const mapview::Arrow& arrow : drawing_.arrows) {
        const check::MapPoint end = arrow.points.back();
        if (arrow.points.size() > 1 && end.x == x && end.y == y) {
            if (arrow.line == selectedLine_) {
                return arrow.line;
            }
            found = found ? found : arrow.line;
        }
    }
    return found;
}

QString MapCanvas::FindingsAt(int x, int y) const {
    QStringList lines;
    for (const FindingMark& finding : plan_.findings) {
        if (finding.at.x == x && finding.at.y == y) {
            lines.append(FromText(finding.text));
        }
    }
    return lines.join(QLatin1Char('\n'));
}

void MapCanvas::Hover(std::optional<check::MapPoint> at) {
    const check::MapPoint now = at.value_or(check::MapPoint{0, 0});
    if (now.x != hovered_.x || now.y != hovered_.y) {
        hovered_ = now;
        emit ProvinceHovered(now.x, now.y);
    }
}

bool MapCanvas::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const std::optional<check::MapPoint> at =
            geometry_.ProvinceAt(help->pos().x(), help->pos().y());
        QString details =
            at ? FromText(mapview::ProvinceDetails(drawing_, at->x, at->y)) : QString();
        if (at && !details.isEmpty()) {
            const QString findings = FindingsAt(at->x, at->y);
            if (!findings.isEmpty()) {
                details += QLatin1Char('\n') + findings;
            }
            if (plan_.threats) {
                const std::span<const std::uint16_t> armies = plan_.threats->ArmiesAt(at->x, at->y);
                QStringList from;
                for (const std::uint16_t i : armies) {
                    const plan::Army& army = plan_.threats->Armies()[i];
                    from.append(QStringLiteral("%1/%2").arg(army.at.x).arg(army.at.y));
                }
                if (!from.isEmpty()) {
                    details += QStringLiteral("\nWithin reach of %1 foreign land units from %2")
                                   .arg(plan_.threats->TroopsAt(at->x, at->y))
                                   .arg(from.join(QStringLiteral(", ")));
                }
            }
        }
        if (details.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(help->globalPos(), details, this);
        }
        return true;
    }
    return QWidget::event(event);
}

void MapCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    dragFrom_ = event->globalPosition().toPoint();
    pressedAt_ = event->position().toPoint();
    dragged_ = false;
    const std::optional<check::MapPoint> at = geometry_.ProvinceAt(pressedAt_.x(), pressedAt_.y());
    pathDragged_ = at ? PathEndingIn(at->x, at->y) : std::nullopt;
}

void MapCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    Hover(geometry_.ProvinceAt(pos.x(), pos.y()));
    if ((event->buttons() & Qt::LeftButton) == 0) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    if (!dragged_ && (pos - pressedAt_).manhattanLength() < QApplication::startDragDistance()) {
        return;
    }
    dragged_ = true;
    // Dragging a path's end moves the end; dragging elsewhere moves the map.
    if (pathDragged_) {
        if (cursor().shape() != Qt::ClosedHandCursor) {
            cursorBefore_ = cursor(); // the pick mode's cross, say
            setCursor(Qt::ClosedHandCursor);
        }
        return;
    }
    const QPoint now = event->globalPosition().toPoint();
    emit Dragged(now - dragFrom_);
    dragFrom_ = now;
}

void MapCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const QPoint pos = event->position().toPoint();
    const std::optional<check::MapPoint> at = geometry_.ProvinceAt(pos.x(), pos.y());
    const std::optional<std::size_t> line = std::exchange(pathDragged_, std::nullopt);
    const std::optional<check::MapPoint> from =
        geometry_.ProvinceAt(pressedAt_.x(), pressedAt_.y());
    if (line && dragged_) {
        setCursor(cursorBefore_);
        if (at && from && (at->x != from->x || at->y != from->y)) {
            emit PathEndDropped(*line, at->x, at->y);
        }
        return;
    }
    if (dragged_ || !at) {
        return;
    }
    for (const FindingMark& finding : plan_.findings) {
        if (finding.at.x == at->x && finding.at.y == at->y &&
            FindingMarkRect(geometry_, drawing_, finding.at).contains(pos)) {
            emit FindingClicked(finding.line);
            return;
        }
    }
    emit ProvinceClicked(at->x, at->y);
}

void MapCanvas::contextMenuEvent(QContextMenuEvent* event) {
    if (const std::optional<check::MapPoint> at =
            geometry_.ProvinceAt(event->pos().x(), event->pos().y())) {
        emit ProvinceMenuRequested(at->x, at->y, event->globalPos());
        event->accept();
    }
}

void MapCanvas::leaveEvent(QEvent* event) {
    Hover(std::nullopt);
    QWidget::leaveEvent(event);
}

void MapCanvas::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 120;
    if (steps == 0) {
        event->ignore();
        return;
    }
    emit ZoomRequested(steps, event->position().toPoint());
    event->accept();
}

} // namespace orv::gui
