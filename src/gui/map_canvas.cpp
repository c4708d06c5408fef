#include "gui/map_paint.h"
#include "gui/map_window.h"
#include "gui/text_codec.h"

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
    PaintMap(painter, drawing_, geometry_, event->rect(), selectedLine_, cache_);
}

bool MapCanvas::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const std::optional<check::MapPoint> at =
            geometry_.ProvinceAt(help->pos().x(), help->pos().y());
        const std::string details = at ? mapview::ProvinceDetails(drawing_, at->x, at->y) : "";
        if (details.empty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(help->globalPos(), FromText(details), this);
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
    const QPoint pos = event->position().toPoint();
    if (const std::optional<check::MapPoint> at = geometry_.ProvinceAt(pos.x(), pos.y())) {
        emit ProvinceClicked(at->x, at->y);
    }
}

void MapCanvas::mouseMoveEvent(QMouseEvent* event) {
    if ((event->buttons() & Qt::LeftButton) == 0) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const QPoint now = event->globalPosition().toPoint();
    emit Dragged(now - dragFrom_);
    dragFrom_ = now;
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
