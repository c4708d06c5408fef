#include "gui/map_window.h"

#include "gui/map_paint.h"
#include "gui/placement.h"
#include "gui/text_codec.h"

#include <QEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <array>
#include <utility>

namespace orv::gui {

namespace {

const QString MapCaption = QStringLiteral("Graphical Map");
const QString PickCaption = QStringLiteral("Graphical Map - click a province (Esc cancels)");
const QString PickHint = QStringLiteral("Click a province for the dialog; Escape cancels.");
const QString GeometryKey = QStringLiteral("graphicalMap");
const QColor RulerBackground(224, 224, 216);
const QColor RulerTick(150, 150, 140);
// The steps of numbers a ruler shows when not every number fits beside the next.
constexpr std::array<int, 4> NumberSteps{1, 2, 5, 10};

// A scroll area with room at its top and left edge for the rulers, which follow the view
// whenever it changes its size (also when a scroll bar comes or goes).
class RuledScrollArea final : public QScrollArea {
  public:
    using QScrollArea::QScrollArea;

    void SetRulers(MapRuler* columns, MapRuler* rows) {
        columns_ = columns;
        rows_ = rows;
        setViewportMargins(rows->Thickness(), columns->Thickness(), 0, 0);
        PlaceRulers();
    }

  protected:
    bool viewportEvent(QEvent* event) override {
        if (event->type() == QEvent::Resize) {
            PlaceRulers();
        }
        return QScrollArea::viewportEvent(event);
    }

  private:
    void PlaceRulers() {
        if (columns_ == nullptr || rows_ == nullptr) {
            return;
        }
        const QRect view = viewport()->geometry();
        columns_->setGeometry(view.left(), view.top() - columns_->Thickness(), view.width(),
                              columns_->Thickness());
        rows_->setGeometry(view.left() - rows_->Thickness(), view.top(), rows_->Thickness(),
                           view.height());
    }

    MapRuler* columns_ = nullptr;
    MapRuler* rows_ = nullptr;
};

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

MapWindow::MapWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("FormMap"));
    ShowCaption();
    auto* scroll = new RuledScrollArea(this);
    scroll_ = scroll;
    scroll_->setObjectName(QStringLiteral("ScrollBoxMap"));
    scroll_->setWidgetResizable(false);
    canvas_ = new MapCanvas;
    scroll_->setWidget(canvas_);
    columns_ = new MapRuler(Qt::Horizontal, canvas_, scroll_);
    rows_ = new MapRuler(Qt::Vertical, canvas_, scroll_);
    scroll->SetRulers(columns_, rows_);
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(4, 2, 4, 2);
    bar->setSpacing(4);
    const auto button = [this, bar](const char* name, const char* caption, auto slot) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(QString::fromLatin1(caption));
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, this, slot);
        bar->addWidget(b);
    };
    button("ButtonZoomIn", "Zoom In (+)", &MapWindow::ZoomIn);
    button("ButtonZoomOut", "Zoom Out (-)", &MapWindow::ZoomOut);
    button("ButtonFit", "Fit (0)", &MapWindow::FitToWindow);
    auto* legend = new QLabel(
        QStringLiteral("Land: black line \u00b7 Sea: white line \u00b7 Raid: dashed purple "
                       "\u00b7 red circle: path fails \u00b7 blue i: troops end there "
                       "\u00b7 eye: espionage \u00b7 orange dashes: order being written "
                       "\u00b7 red frame: yours \u00b7 house: home \u00b7 hatched: isolated "
                       "\u00b7 dark square: town"),
        this);
    legend->setObjectName(QStringLiteral("LabelLegend"));
    legend->setWordWrap(true);
    constexpr int LegendWidth = 120;
    legend->setMinimumWidth(LegendWidth);
    bar->addWidget(legend, 1);
    messages_ = new QLabel(this);
    messages_->setObjectName(QStringLiteral("LabelMapMessages"));
    messages_->setStyleSheet(QStringLiteral("color: #c00000;"));
    messages_->setContentsMargins(6, 2, 6, 2);
    messages_->hide();
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("LabelMapStatus"));
    status_->setContentsMargins(6, 2, 6, 2);
    status_->setWordWrap(true);
    status_->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(bar);
    layout->addWidget(scroll_, 1);
    layout->addWidget(messages_);
    layout->addWidget(status_);
    constexpr QSize StartSize(900, 700);
    ResizeWithinScreen(this, StartSize);
    connect(canvas_, &MapCanvas::ProvinceClicked, this, &MapWindow::ProvinceClick);
    connect(canvas_, &MapCanvas::ZoomRequested, this, &MapWindow::Zoom);
    connect(canvas_, &MapCanvas::Dragged, this, &MapWindow::ScrollBy);
}

void MapWindow::SetDrawing(mapview::Drawing drawing) {
    canvas_->SetDrawing(std::move(drawing));
    ShowLineMessages();
    ShowStatus();
}

void MapWindow::SetSelectedLine(std::optional<std::size_t> line) {
    canvas_->SetSelectedLine(line);
    ShowLineMessages();
}

void MapWindow::ShowLineMessages() {
    const std::optional<std::size_t> line = canvas_->SelectedLine();
    const std::vector<std::string>& all = canvas_->Drawing().lineMessages;
    QStringList lines;
    if (line && *line < all.size()) {
        for (const QString& message : FromText(all[*line]).split(QLatin1Char('\n'))) {
            if (!message.trimmed().isEmpty()) {
                lines.append(message.trimmed());
            }
        }
    }
    const QString text = lines.join(QLatin1Char('\n'));
    messages_->setText(text);
    messages_->setVisible(!text.isEmpty());
}

// The pick mode's hint, else where and why the order being written would stop.
void MapWindow::ShowStatus() {
    QString text;
    if (pickDone_) {
        text = PickHint;
    } else {
        const mapview::Drawing& drawing = canvas_->Drawing();
        QStringList parts;
        for (const mapview::Arrow& arrow : drawing.preview) {
            const check::MapPoint end = arrow.points.back();
            const QString at = QStringLiteral("%1/%2").arg(end.x).arg(end.y);
            parts.append(arrow.stop.empty()
                             ? QStringLiteral("ends at %1 with %2 move points left")
                                   .arg(at)
                                   .arg(arrow.pointsLeft.empty() ? 0 : arrow.pointsLeft.back())
                             : QStringLiteral("stops at %1: %2").arg(at, FromText(arrow.stop)));
        }
        for (const QString& message :
             FromText(drawing.previewMessages).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QString said = message.trimmed();
            if (!said.isEmpty() && !parts.join(QLatin1Char(' ')).contains(said)) {
                parts.append(said);
            }
        }
        if (!parts.isEmpty()) {
            text = QStringLiteral("Order being written: ") + parts.join(QStringLiteral("; "));
        }
    }
    status_->setText(text);
    status_->setVisible(!text.isEmpty());
}

void MapWindow::PickProvince(std::function<void(int x, int y)> done) {
    pickDone_ = std::move(done);
    canvas_->setCursor(Qt::CrossCursor);
    ShowCaption();
    ShowStatus();
    show();
    raise();
    activateWindow();
}

void MapWindow::CancelPick() {
    if (!pickDone_) {
        return;
    }
    pickDone_ = nullptr;
    canvas_->unsetCursor();
    ShowCaption();
    ShowStatus();
}

void MapWindow::ProvinceClick(int x, int y) {
    if (!pickDone_) {
        return;
    }
    // Taken out first, so that the call may start another pick.
    const std::function<void(int, int)> done = std::exchange(pickDone_, nullptr);
    canvas_->unsetCursor();
    ShowCaption();
    ShowStatus();
    done(x, y);
}

void MapWindow::ShowCaption() {
    setWindowTitle(pickDone_ ? PickCaption : MapCaption);
}

void MapWindow::SaveGeometry(QSettings& settings) const {
    settings.setValue(GeometryKey, saveGeometry());
}

void MapWindow::RestoreGeometry(const QSettings& settings) {
    restoreGeometry(settings.value(GeometryKey).toByteArray());
}

void MapWindow::ZoomIn() {
    Zoom(1, canvas_->mapFromParent(scroll_->viewport()->rect().center()));
}

void MapWindow::ZoomOut() {
    Zoom(-1, canvas_->mapFromParent(scroll_->viewport()->rect().center()));
}

void MapWindow::FitToWindow() {
    const mapview::Geometry& g = canvas_->Geometry();
    const QSize view = scroll_->viewport()->size();
    canvas_->SetTileSize(
        mapview::FitTileSize(view.width(), view.height(), g.width, g.height, g.margin));
}

// Zooms so that the point of the map under anchor (canvas pixels) stays where it is.
void MapWindow::Zoom(int steps, QPoint anchor) {
    const int before = canvas_->Geometry().tile;
    const int after = mapview::ZoomedTileSize(before, steps);
    if (after == before) {
        return;
    }
    const QPoint inView = anchor - QPoint(scroll_->horizontalScrollBar()->value(),
                                          scroll_->verticalScrollBar()->value());
    canvas_->SetTileSize(after);
    const double factor = static_cast<double>(after) / before;
    scroll_->horizontalScrollBar()->setValue(static_cast<int>(anchor.x() * factor) - inView.x());
    scroll_->verticalScrollBar()->setValue(static_cast<int>(anchor.y() * factor) - inView.y());
}

// Dragging moves the map with the pointer.
void MapWindow::ScrollBy(QPoint delta) {
    scroll_->horizontalScrollBar()->setValue(scroll_->horizontalScrollBar()->value() - delta.x());
    scroll_->verticalScrollBar()->setValue(scroll_->verticalScrollBar()->value() - delta.y());
}

void MapWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        ZoomIn();
        return;
    case Qt::Key_Minus:
        ZoomOut();
        return;
    case Qt::Key_0:
        FitToWindow();
        return;
    case Qt::Key_Escape:
        if (pickDone_) {
            CancelPick();
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

} // namespace orv::gui
