#include "gui/map_window.h"

#include "core/move/codes.h"
#include "gui/map_export.h"
#include "gui/map_paint.h"
#include "gui/placement.h"
#include "gui/text_codec.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
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
const QString PlanHint = QStringLiteral(
    "Click a shaded province for the order, or another province of yours; Escape ends the plan.");

// The troops the plan bar counts, in the order of its spin boxes, by their codes and the
// kinds of the report's troop counts.
constexpr std::array<std::string_view, 5> PlanCodes{"FO", "BO", "HO", "GE", "SH"};
constexpr std::array<int, 5> PlanKinds{report::FootSoldiers, report::Bowmen, report::Horsemen,
                                       report::Generals, report::Ships};
constexpr std::array<move::CommandKind, 3> PlanCommands{move::CommandKind::MoveThroughLand,
                                                        move::CommandKind::RaidProvince,
                                                        move::CommandKind::MoveThroughSea};
// An order names three groups of troops at most.
constexpr int MostGroups = 3;

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

} // namespace

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
    QLayout* bar = BuildButtons();
    auto* legend = new QLabel(
        QStringLiteral("Land: black line \u00b7 Sea: white line \u00b7 Raid: dashed purple "
                       "\u00b7 red circle: path fails \u00b7 blue i: troops end there "
                       "\u00b7 eye: espionage \u00b7 orange dashes: order being written "
                       "\u00b7 red frame: yours \u00b7 house: home \u00b7 hatched: isolated "
                       "\u00b7 dark square: town \u00b7 red corner: findings \u00b7 blue (white "
                       "at sea): reach of the planned troops \u00b7 green: where they land"),
        this);
    legend->setObjectName(QStringLiteral("LabelLegend"));
    legend->setWordWrap(true);
    legend->setContentsMargins(6, 2, 6, 2);
    // Below the map, as wide as the window: beside the buttons it took many lines at a
    // large font.
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
    layout->addWidget(BuildPlanBar());
    layout->addWidget(scroll_, 1);
    layout->addWidget(legend);
    layout->addWidget(messages_);
    layout->addWidget(status_);
    constexpr QSize StartSize(900, 700);
    ResizeWithinScreen(this, StartSize);
    connect(canvas_, &MapCanvas::ProvinceClicked, this, &MapWindow::ProvinceClick);
    connect(canvas_, &MapCanvas::ZoomRequested, this, &MapWindow::Zoom);
    connect(canvas_, &MapCanvas::Dragged, this, &MapWindow::ScrollBy);
}

// The buttons above the map, and the keys of the window.
QLayout* MapWindow::BuildButtons() {
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
    button("ButtonPrint", "Print Map...", &MapWindow::PrintClick);
    button("ButtonExport", "Export Map as SVG/PNG...", &MapWindow::ExportClick);
    threats_ = new QToolButton(this);
    threats_->setObjectName(QStringLiteral("ButtonThreats"));
    threats_->setText(QStringLiteral("Threats"));
    threats_->setToolTip(
        QStringLiteral("Hatches in red where foreign troops could strike next turn, boldly "
                       "where they could strike yours"));
    threats_->setCheckable(true);
    threats_->setFocusPolicy(Qt::NoFocus);
    connect(threats_, &QToolButton::toggled, this, &MapWindow::ThreatsToggled);
    bar->addWidget(threats_);
    const auto key = [this](const QKeySequence& sequence, auto slot) {
        auto* shortcut = new QShortcut(sequence, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    key(QKeySequence::Print, &MapWindow::PrintClick);
    key(QKeySequence(Qt::CTRL | Qt::Key_E), &MapWindow::ExportClick);
    key(QKeySequence(Qt::CTRL | Qt::Key_W), &QWidget::close);
    key(QKeySequence::ZoomIn, &MapWindow::ZoomIn);
    key(QKeySequence::ZoomOut, &MapWindow::ZoomOut);
    bar->addStretch(1);
    return bar;
}

QWidget* MapWindow::BuildPlanBar() {
    planBar_ = new QWidget(this);
    planBar_->setObjectName(QStringLiteral("PanelPlan"));
    // Two rows, so that the bar needs no more width than the map's own buttons.
    auto* rows = new QVBoxLayout(planBar_);
    rows->setContentsMargins(6, 2, 4, 2);
    rows->setSpacing(2);
    auto* row = new QHBoxLayout;
    auto* counts = new QHBoxLayout;
    rows->addLayout(row);
    rows->addLayout(counts);
    planStart_ = new QLabel(planBar_);
    planStart_->setObjectName(QStringLiteral("LabelPlanStart"));
    row->addWidget(planStart_);
    planKind_ = new QComboBox(planBar_);
    planKind_->setObjectName(QStringLiteral("ComboBoxPlanKind"));
    for (const move::CommandKind kind : PlanCommands) {
        planKind_->addItem(QString::fromLatin1(move::InfoOf(kind).naturalCaption));
    }
    row->addWidget(planKind_);
    planAll_ = new QCheckBox(QStringLiteral("&All troops"), planBar_);
    planAll_->setObjectName(QStringLiteral("CheckBoxPlanAll"));
    row->addWidget(planAll_);
    for (std::size_t i = 0; i < PlanCodes.size(); ++i) {
        auto* spin = new QSpinBox(planBar_);
        spin->setObjectName(QStringLiteral("SpinPlan") + QString::fromLatin1(PlanCodes[i]));
        spin->setPrefix(QString::fromLatin1(move::TroopName(PlanCodes[i], true)) +
                        QStringLiteral(": "));
        counts->addWidget(spin);
        planTroops_[i] = spin;
        connect(spin, &QSpinBox::valueChanged, this, &MapWindow::PlanTroopsEdited);
    }
    counts->addStretch(1);
    row->addStretch(1);
    auto* close = new QToolButton(planBar_);
    close->setObjectName(QStringLiteral("ButtonPlanClose"));
    close->setText(QStringLiteral("End Plan"));
    close->setFocusPolicy(Qt::NoFocus);
    connect(close, &QToolButton::clicked, this, &MapWindow::PlanClosed);
    row->addWidget(close);
    connect(planKind_, &QComboBox::currentIndexChanged, this, &MapWindow::PlanTroopsEdited);
    connect(planAll_, &QCheckBox::toggled, this, &MapWindow::PlanTroopsEdited);
    for (QWidget* control : planBar_->findChildren<QWidget*>()) {
        QSizePolicy policy = control->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        control->setSizePolicy(policy);
    }
    SetPlanning(false);
    return planBar_;
}

void MapWindow::ShowPlanBar(const PlanChoice& choice, const mapview::TroopCounts& available) {
    choice_ = choice;
    const edit::MovementFields& f = choice.fields;
    planStart_->setText(QStringLiteral("Troops of %1/%2:").arg(FromText(f.x), FromText(f.y)));
    const auto* kind = std::find(PlanCommands.begin(), PlanCommands.end(), choice.kind);
    {
        const QSignalBlocker blockKind(planKind_);
        const QSignalBlocker blockAll(planAll_);
        planKind_->setCurrentIndex(
            kind == PlanCommands.end() ? 0 : static_cast<int>(kind - PlanCommands.begin()));
        planAll_->setChecked(f.troops[0].type == "All");
        for (std::size_t i = 0; i < PlanCodes.size(); ++i) {
            const QSignalBlocker blockSpin(planTroops_[i]);
            int named = 0;
            for (const edit::Troop& troop : f.troops) {
                if (troop.type != "All" && move::TroopCode(troop.type) == PlanCodes[i]) {
                    named = FromText(troop.number).trimmed().toInt();
                }
            }
            planTroops_[i]->setRange(
                0, std::max(named, available[static_cast<std::size_t>(PlanKinds[i])]));
            planTroops_[i]->setValue(named);
        }
    }
    // The spin boxes' states, without a signal: the caller has the choice.
    filling_ = true;
    PlanTroopsEdited();
    filling_ = false;
    SetPlanning(true);
}

void MapWindow::HidePlanBar() {
    SetPlanning(false);
    planStatus_.clear();
    ShowStatus();
}

// The bar stays in its place when nothing is planned, so that the map does not move under
// the pointer when a plan starts or ends; its controls wait for a plan.
void MapWindow::SetPlanning(bool planning) {
    planning_ = planning;
    if (!planning) {
        planStart_->setText(QStringLiteral("Click a province of yours to plan its troops."));
    }
    for (QWidget* control : planBar_->findChildren<QWidget*>()) {
        if (control != planStart_) {
            control->setVisible(planning);
        }
    }
}

PlanChoice MapWindow::Choice() const {
    return choice_;
}

void MapWindow::SetPlanStatus(const QString& text) {
    planStatus_ = text;
    ShowStatus();
}

// The choice read from the bar: all troops, or the first three kinds counted.
void MapWindow::PlanTroopsEdited() {
    const move::CommandKind kind = PlanCommands[static_cast<std::size_t>(
        std::clamp<int>(planKind_->currentIndex(), 0, static_cast<int>(PlanCommands.size()) - 1))];
    QSpinBox* ships = planTroops_.back();
    // Ships carry a sea movement: turning to the sea takes them all unless some are counted.
    if (kind == move::CommandKind::MoveThroughSea && choice_.kind != kind && ships->value() == 0) {
        const QSignalBlocker block(ships);
        ships->setValue(ships->maximum());
    }
    choice_.kind = kind;
    const bool all = planAll_->isChecked();
    edit::MovementFields& f = choice_.fields;
    f.troops = {};
    int groups = 0;
    if (all) {
        f.troops[0].type = "All";
        ++groups;
    }
    for (std::size_t i = 0; i < PlanCodes.size(); ++i) {
        QSpinBox* spin = planTroops_[i];
        // All troops leave room for the ships that carry them by sea.
        const bool counted = !all || PlanCodes[i] == "SH";
        spin->setEnabled(counted && (groups < MostGroups || spin->value() > 0));
        if (counted && spin->value() > 0 && groups < MostGroups) {
            f.troops[static_cast<std::size_t>(groups++)] = {std::to_string(spin->value()),
                                                            move::TroopName(PlanCodes[i], false)};
        }
    }
    if (!filling_) {
        emit PlanChoiceChanged();
    }
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
    } else if (canvas_->Drawing().preview.empty() && (Planning() || !planStatus_.isEmpty())) {
        text = planStatus_.isEmpty() ? PlanHint : planStatus_;
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
        emit ProvinceChosen(x, y);
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
    KeepOnScreen(this, parentWidget());
}

void MapWindow::PrintClick() {
    QPrinter printer;
    printer.setPageOrientation(canvas_->width() > canvas_->height() ? QPageLayout::Landscape
                                                                    : QPageLayout::Portrait);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Print Map"));
    if (dialog.exec() == QDialog::Accepted &&
        !PrintMap(canvas_->Drawing(), canvas_->SelectedLine(), printer)) {
        QMessageBox::warning(this, QStringLiteral("OrvMove"),
                             QStringLiteral("The map could not be printed."));
    }
}

void MapWindow::ExportClick() {
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Export Map"), QStringLiteral("map.svg"),
                                     QStringLiteral("SVG images (*.svg);;PNG images (*.png)"));
    if (!path.isEmpty() && !ExportMap(canvas_->Drawing(), canvas_->SelectedLine(), path)) {
        QMessageBox::warning(this, QStringLiteral("OrvMove"),
                             QStringLiteral("The map could not be written to ") + path +
                                 QStringLiteral("."));
    }
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
        // Escape ends a pick first, then a plan, and closes the map when neither is on.
        if (pickDone_) {
            CancelPick();
        } else if (Planning()) {
            emit PlanClosed();
        } else {
            close();
        }
        return;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

} // namespace orv::gui
