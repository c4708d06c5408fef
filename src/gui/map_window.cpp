#include "gui/map_window.h"

#include "gui/map_paint.h"
#include "gui/text_codec.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <utility>

namespace orv::gui {

namespace {

const QString MapCaption = QStringLiteral("Graphical Map");
const QString PickCaption = QStringLiteral("Graphical Map - click a province (Esc cancels)");

} // namespace

MapCanvas::MapCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MapCanvas"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MapCanvas::SetDrawing(mapview::Drawing drawing) {
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
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("ScrollBoxMap"));
    scroll_->setWidgetResizable(false);
    canvas_ = new MapCanvas;
    scroll_->setWidget(canvas_);
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
                       "\u00b7 red circle: path fails \u00b7 red frame: yours \u00b7 house: "
                       "home \u00b7 hatched: isolated \u00b7 dark square: town"),
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
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(bar);
    layout->addWidget(scroll_, 1);
    layout->addWidget(messages_);
    constexpr QSize StartSize(900, 700);
    resize(StartSize);
    connect(canvas_, &MapCanvas::ProvinceClicked, this, &MapWindow::ProvinceClick);
    connect(canvas_, &MapCanvas::ZoomRequested, this, &MapWindow::Zoom);
    connect(canvas_, &MapCanvas::Dragged, this, &MapWindow::ScrollBy);
}

void MapWindow::SetDrawing(mapview::Drawing drawing) {
    canvas_->SetDrawing(std::move(drawing));
    ShowLineMessages();
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

void MapWindow::PickProvince(std::function<void(int x, int y)> done) {
    pickDone_ = std::move(done);
    canvas_->setCursor(Qt::CrossCursor);
    ShowCaption();
    show();
    raise();
    activateWindow();
}

void MapWindow::ProvinceClick(int x, int y) {
    if (!pickDone_) {
        return;
    }
    // Taken out first, so that the call may start another pick.
    const std::function<void(int, int)> done = std::exchange(pickDone_, nullptr);
    canvas_->unsetCursor();
    ShowCaption();
    done(x, y);
}

void MapWindow::ShowCaption() {
    setWindowTitle(pickDone_ ? PickCaption : MapCaption);
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
            pickDone_ = nullptr;
            canvas_->unsetCursor();
            ShowCaption();
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

} // namespace orv::gui
