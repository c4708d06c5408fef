#include "gui/map_follower.h"

#include "core/check/check_driver.h"
#include "core/edit/compose.h"
#include "core/mapview/map_drawing.h"
#include "gui/map_window.h"
#include "gui/move_document.h"
#include "gui/problem_panel.h"

#include <QDialog>
#include <QPointer>
#include <QTimer>
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

} // namespace

MapFollower::MapFollower(QWidget* owner, const MoveDocument& document, const report::Game& game,
                         const ProblemPanel& problems)
    : QObject(owner), owner_(owner), document_(document), game_(game), problems_(problems) {}

MapWindow& MapFollower::Made() {
    if (map_ == nullptr) {
        map_ = new MapWindow(owner_);
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
        ShowSelection();
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
    if (map_ != nullptr) {
        map_->SetSelectedLine(document_.CurrentLine());
    }
}

} // namespace orv::gui
