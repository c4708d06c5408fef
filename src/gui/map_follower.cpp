#include "gui/map_follower.h"

#include "core/check/check_driver.h"
#include "core/edit/compose.h"
#include "core/mapview/map_drawing.h"
#include "core/plan/planned_order.h"
#include "core/plan/problem_places.h"
#include "core/plan/threat.h"
#include "gui/map_window.h"
#include "gui/move_document.h"
#include "gui/problem_panel.h"
#include "gui/text_codec.h"

#include <QDialog>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <chrono>

namespace orv::gui {

namespace {

// Time a window manager takes to frame and place a new window.
constexpr std::chrono::milliseconds PlacedAfter(100);

// Shows the map as a window of owner, where it keeps its place and size; a window of a
// modal dialog takes input while the dialog is open.
void ShowMapOver(MapWindow& map, QWidget* owner) {
    if (map.parentWidget() == owner) {
        map.show();
        return;
    }
    const bool placed = map.isVisible();
    const QPoint place = map.pos(); // of the frame, as move() takes it
    const QSize size = map.size();
    map.setParent(owner, Qt::Window);
    map.resize(size);
    map.show();
    if (placed) {
        // A window manager places the new window of a dialog by its own rule once it has
        // framed it; then it goes back where it was.
        auto* later = new QTimer(&map);
        later->setSingleShot(true);
        QObject::connect(later, &QTimer::timeout, &map, [&map, later, place] {
            if (map.pos() != place) {
                map.move(place);
            }
            later->deleteLater();
        });
        later->start(PlacedAfter);
    }
}

// What the check says about the planned order whatever its path, on one line.
QString SaidAbout(const plan::Reach& reach) {
    QStringList said;
    for (const std::string& message : reach.orderMessages) {
        said.append(FromText(message).trimmed());
    }
    return said.join(QLatin1Char(' '));
}

} // namespace

MapFollower::MapFollower(QWidget* owner, const MoveDocument& document, const report::Game& game,
                         const ProblemPanel& problems)
    : QObject(owner), owner_(owner), document_(document), game_(game), problems_(problems) {}

MapWindow& MapFollower::Made() {
    if (map_ == nullptr) {
        map_ = new MapWindow(owner_);
        Connect(*map_);
    }
    return *map_;
}

void MapFollower::Show() {
    ShowMapOver(Made(), owner_); // back from a dialog's pick
    Refresh();
    map_->raise();
    map_->activateWindow();
}

void MapFollower::Pick(std::function<void(int x, int y)> done, QWidget* over) {
    ShowMapOver(Made(), over != nullptr ? over : owner_);
    Refresh();
    // A dialog closed while its pick is open takes the pick mode with it.
    if (auto* dialog = qobject_cast<QDialog*>(over)) {
        connect(dialog, &QDialog::finished, map_, &MapWindow::CancelPick, Qt::UniqueConnection);
    }
    // After the click the dialog comes back to the front, its fields filled.
    map_->PickProvince([done = std::move(done), dialog = QPointer<QWidget>(over)](int x, int y) {
        done(x, y);
        if (dialog) {
            dialog->raise();
            dialog->activateWindow();
        }
    });
}

// Only an open map is drawn anew; its picture comes from the live check's result.
void MapFollower::Refresh() {
    if (map_ != nullptr && map_->isVisible()) {
        mapview::Drawing drawing =
            mapview::BuildDrawing(game_, document_.Move(), problems_.Result());
        AddPreview(drawing);
        map_->SetDrawing(std::move(drawing));
        UpdateFindings();
        ShowSelection(); // and the plan with it
    }
}

void MapFollower::Preview(move::CommandKind kind, const edit::OrderFields& fields) {
    // Nothing to walk before the start province is given.
    const auto* movement = std::get_if<edit::MovementFields>(&fields);
    const bool none = std::holds_alternative<std::monostate>(fields) ||
                      kind == move::CommandKind::SendMessages ||
                      (movement != nullptr && (movement->x.empty() || movement->y.empty()));
    if (none && !preview_) {
        return;
    }
    if (none) {
        preview_.reset();
    } else {
        preview_.emplace(kind, fields);
    }
    Refresh();
}

void MapFollower::AddPreview(mapview::Drawing& drawing) const {
    if (!preview_) {
        return;
    }
    move::MoveList copy = document_.Move();
    edit::Selection line = document_.CurrentLine();
    // Composed raw whatever the move's form: the check reads the raw order alone, and a
    // half-written order still has a raw line, if not a sentence.
    static_cast<void>(edit::PlaceOrderLine(
        copy, line, document_.InsertMode(),
        edit::ComposeOrder(preview_->first, preview_->second, move::DisplayForm::Raw)));
    if (line) {
        mapview::SetPreview(drawing, check::CheckMove(copy, game_), *line);
    }
}

void MapFollower::ShowSelection() {
    if (map_ == nullptr) {
        return;
    }
    const edit::Selection line = document_.CurrentLine();
    map_->SetSelectedLine(line);
    if (!map_->isVisible()) {
        return;
    }
    // A selected movement is planned with its own troops; a plan of another line ends.
    const std::optional<plan::MovementLine> read =
        line ? plan::MovementAtLine(document_.Move(), *line) : std::nullopt;
    if (read) {
        // Planned anew when the order itself changed, not when only its path did or the
        // troops were chosen anew beside the map.
        PlanChoice ordered{read->kind, read->fields};
        ordered.fields.direction.clear();
        if (!plan_ || plan_->order != line || plan_->ordered.kind != ordered.kind ||
            plan_->ordered.fields != ordered.fields) {
            StartPlan(ordered, line);
        } else {
            UpdatePlan();
        }
    } else {
        if (plan_ && plan_->order) {
            EndPlan();
        }
        UpdatePlan(); // a new order would go elsewhere now
    }
}

void MapFollower::GameChanged() {
    EndPlan();
    if (threatsShown_) {
        ShowThreats(true);
    }
}

void MapFollower::Connect(MapWindow& map) {
    MapCanvas* canvas = map.Canvas();
    connect(&map, &MapWindow::ProvinceChosen, this, &MapFollower::ProvinceChosen);
    connect(&map, &MapWindow::PlanChoiceChanged, this, [this] {
        if (plan_) {
            plan_->choice = map_->Choice();
            UpdatePlan();
        }
    });
    connect(&map, &MapWindow::PlanClosed, this, &MapFollower::EndPlan);
    connect(&map, &MapWindow::ThreatsToggled, this, &MapFollower::ShowThreats);
    connect(canvas, &MapCanvas::ProvinceHovered, this, &MapFollower::ProvinceHovered);
    connect(canvas, &MapCanvas::ProvinceMenuRequested, this, &MapFollower::ProvinceMenu);
    connect(canvas, &MapCanvas::PathEndDropped, this, &MapFollower::PathEndDropped);
    connect(canvas, &MapCanvas::FindingClicked, this, [this](std::size_t line) {
        if (actions_.selectLine) {
            actions_.selectLine(line);
        }
    });
}

// Where the plan's order stands, or where a new order would go: below the current line.
std::size_t MapFollower::PlanLine() const {
    if (plan_ && plan_->order) {
        return *plan_->order;
    }
    const move::MoveList& move = document_.Move();
    const edit::Selection line = document_.CurrentLine();
    return line ? std::clamp<std::size_t>(*line + 1, 1, move.EndLineIndex()) : move.EndLineIndex();
}

void MapFollower::StartPlan(const PlanChoice& choice, std::optional<std::size_t> order) {
    plan_ = Plan{choice, order, {}, choice};
    mapview::TroopCounts available{};
    if (const std::optional<plan::Movement> movement = plan::MovementOf(choice.kind, choice.fields);
        movement && game_.map.IsOnMap(movement->x, movement->y)) {
        available = game_.map.At(movement->x, movement->y).troops;
    }
    map_->ShowPlanBar(choice, available);
    plan_->choice = map_->Choice();
    UpdatePlan();
}

void MapFollower::EndPlan() {
    plan_.reset();
    if (map_ == nullptr) {
        return;
    }
    map_->HidePlanBar();
    PlanPicture& picture = map_->Canvas()->EditPlan();
    picture.reach.reset();
    picture.path.reset();
    map_->Canvas()->update();
}

// The findings of the live check on their provinces, a province's in the order of the list.
void MapFollower::UpdateFindings() {
    PlanPicture& picture = map_->Canvas()->EditPlan();
    const move::MoveList& move = document_.Move();
    const check::CheckResult& result = problems_.Result();
    const std::vector<check::Problem> problems = check::Problems(result);
    const std::vector<std::optional<check::MapPoint>> places =
        plan::ProblemProvinces(game_, move, result);
    picture.findings.clear();
    for (std::size_t i = 0; i < problems.size() && i < places.size(); ++i) {
        if (places[i]) {
            picture.findings.push_back({*places[i], problems[i].line, problems[i].text});
        }
    }
    std::stable_sort(picture.findings.begin(), picture.findings.end(),
                     [](const FindingMark& a, const FindingMark& b) {
                         return std::pair(a.at.y, a.at.x) < std::pair(b.at.y, b.at.x);
                     });
}

void MapFollower::UpdatePlan() {
    if (map_ == nullptr || !map_->isVisible()) {
        return;
    }
    PlanPicture& picture = map_->Canvas()->EditPlan();
    picture.path.reset();
    const std::optional<plan::Movement> movement =
        plan_ ? plan::MovementOf(plan_->choice.kind, plan_->choice.fields) : std::nullopt;
    if (movement) {
        plan_->reach = plan::ReachOf(game_, document_.Move(), PlanLine(), *movement);
        picture.reach = plan_->reach;
        map_->SetPlanStatus(SaidAbout(plan_->reach));
    } else {
        picture.reach.reset();
    }
    map_->Canvas()->update();
}

void MapFollower::ProvinceChosen(int x, int y) {
    if (plan_ && plan_->reach.walks) {
        check::MapPoint target{x, y};
        for (const plan::Landing& landing : plan_->reach.landings) {
            if (landing.at.x == x && landing.at.y == y && !plan_->reach.Reachable(x, y)) {
                target = landing.from; // the ships go where the troops can land from
            }
        }
        const std::optional<plan::PlannedPath> path =
            plan::CheapestPath(plan_->reach, target.x, target.y);
        if (path && path->steps > 0 && actions_.openDialog) {
            edit::MovementFields fields = plan_->choice.fields;
            fields.direction = path->directions;
            const move::CommandKind kind = plan_->choice.kind;
            const edit::InsertMode mode =
                plan_->order ? edit::InsertMode::Replace : edit::InsertMode::Below;
            actions_.openDialog(kind, fields, mode);
            return;
        }
    }
    const std::vector<move::CommandKind> commands = plan::ProvinceCommands(game_, x, y);
    const auto offers = [&commands](move::CommandKind kind) {
        return std::find(commands.begin(), commands.end(), kind) != commands.end();
    };
    const move::CommandKind kind = offers(move::CommandKind::MoveThroughLand)
                                       ? move::CommandKind::MoveThroughLand
                                       : move::CommandKind::MoveThroughSea;
    if (offers(kind)) {
        edit::MovementFields fields;
        fields.x = std::to_string(x);
        fields.y = std::to_string(y);
        // All land units over land; by sea, all the ships there, which carry no land units.
        if (kind == move::CommandKind::MoveThroughLand) {
            fields.troops[0].type = "All";
        } else {
            fields.troops[0] = {std::to_string(game_.map.Troops(x, y, report::Ships)), "Ship"};
        }
        StartPlan({kind, fields}, std::nullopt);
    } else if (plan_) {
        map_->SetPlanStatus(QStringLiteral("%1/%2 is out of reach.").arg(x).arg(y));
    }
}

void MapFollower::ProvinceHovered(int x, int y) {
    if (map_ == nullptr) {
        return;
    }
    PlanPicture& picture = map_->Canvas()->EditPlan();
    const bool had = picture.path.has_value();
    picture.path.reset();
    QString status;
    // While a path's end is dragged, its order's new path; else the plan's.
    const std::optional<std::size_t> dragged = map_->Canvas()->DraggedPath();
    std::optional<plan::Reach> draggedReach;
    if (const std::optional<plan::MovementLine> order =
            dragged ? plan::MovementAtLine(document_.Move(), *dragged) : std::nullopt) {
        draggedReach = plan::ReachOf(game_, document_.Move(), *dragged, order->movement);
    }
    const plan::Reach* reach = draggedReach ? &*draggedReach : plan_ ? &plan_->reach : nullptr;
    if (reach != nullptr && reach->walks && (x != 0 || y != 0)) {
        const std::optional<plan::PlannedPath> path = plan::CheapestPath(*reach, x, y);
        if (path && path->steps > 0) {
            status = QStringLiteral("Path to %1/%2: %3 (%4 move points, %5 steps)")
                         .arg(x)
                         .arg(y)
                         .arg(FromText(path->directions))
                         .arg(path->cost)
                         .arg(path->steps);
            picture.path = mapview::Arrow{0, reach->kind, path->points, {}, {}, {}, {}};
            picture.pathCost = path->cost;
        } else if (!path) {
            status = QStringLiteral("%1/%2 is out of reach.").arg(x).arg(y);
        }
    }
    if (status.isEmpty() && plan_) {
        status = SaidAbout(plan_->reach);
    }
    if (plan_ || dragged) {
        map_->SetPlanStatus(status);
    }
    if (had || picture.path) {
        map_->Canvas()->update();
    }
}

void MapFollower::ProvinceMenu(int x, int y, QPoint globalPos) {
    const std::vector<move::CommandKind> commands = plan::ProvinceCommands(game_, x, y);
    if (commands.empty() || !actions_.openDialog) {
        return;
    }
    QMenu menu(map_);
    menu.setObjectName(QStringLiteral("PopupMenuProvince"));
    menu.addSection(QStringLiteral("Province %1/%2").arg(x).arg(y));
    const std::string at[] = {std::to_string(x), std::to_string(y)};
    for (const move::CommandKind kind : commands) {
        QAction* action = menu.addAction(QString::fromLatin1(move::InfoOf(kind).naturalCaption) +
                                         QStringLiteral("..."));
        connect(action, &QAction::triggered, this, [this, kind, &at] {
            edit::OrderFields fields;
            switch (move::InfoOf(kind).dialog) {
            case move::CommandDialog::Movement: {
                edit::MovementFields f{at[0], at[1], {}, {}, {}};
                f.troops[0].type = "All";
                fields = f;
                break;
            }
            case move::CommandDialog::ProvinceGroups: {
                edit::ProvinceGroups f;
                f.groups[0] = {at[0], at[1], {}};
                fields = f;
                break;
            }
            case move::CommandDialog::NameProvince:
                fields = edit::NamingFields{at[0], at[1], {}};
                break;
            default:
                fields = edit::ProvinceFields{at[0], at[1], {}};
                break;
            }
            actions_.openDialog(kind, fields, edit::InsertMode::Below);
        });
    }
    menu.exec(globalPos);
}

void MapFollower::PathEndDropped(std::size_t line, int x, int y) {
    if (const std::optional<std::string> raw =
            plan::Repathed(game_, document_.Move(), line, x, y)) {
        if (actions_.rewriteOrder) {
            actions_.rewriteOrder(line, *raw);
        }
    } else if (map_ != nullptr) {
        map_->SetPlanStatus(QStringLiteral("%1/%2 is out of reach of this order.").arg(x).arg(y));
    }
}

void MapFollower::ShowThreats(bool shown) {
    threatsShown_ = shown;
    if (map_ == nullptr) {
        return;
    }
    PlanPicture& picture = map_->Canvas()->EditPlan();
    if (shown) {
        picture.threats = plan::Threats(game_);
    } else {
        picture.threats.reset();
    }
    map_->Canvas()->update();
}

} // namespace orv::gui
