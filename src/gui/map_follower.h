#pragma once
// The graphical map as the main window keeps it: opened on demand, drawn anew from the
// live check's result whenever the game state is shown anew, the document's current line
// marked, the order a command dialog is writing previewed, and clicks picked for a dialog.
// Moves are planned on it: the reach of the troops of a province or of the selected
// movement, a click on a reached province for the order, a path's end dragged to another
// province, a province's own commands on its menu, where foreign troops could strike, and
// the check's findings on their provinces.

#include "core/edit/order_fields.h"
#include "core/move/catalogue.h"
#include "core/plan/reach.h"
#include "core/report/game.h"
#include "gui/map_window.h"

#include <QObject>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>

class QWidget;

namespace orv::mapview {
struct Drawing;
} // namespace orv::mapview

namespace orv::gui {

class MoveDocument;
class ProblemPanel;

// What the map asks of the main window.
struct MapActions {
    // Opens the command's dialog with the fields for an order placed as mode says.
    std::function<void(move::CommandKind, const edit::OrderFields&, edit::InsertMode)> openDialog;
    // Puts the raw text in place of the order at the line, as one step that can be undone.
    std::function<void(std::size_t line, const std::string& raw)> rewriteOrder;
    std::function<void(std::size_t line)> selectLine;
};

class MapFollower : public QObject {
    Q_OBJECT
  public:
    // owner: the main window, which the map belongs to when no dialog has it.
    MapFollower(QWidget* owner, const MoveDocument& document, const report::Game& game,
                const ProblemPanel& problems);

    // The map window; nullptr until it was first opened.
    MapWindow* Window() const { return map_; }
    // Makes the window (hidden) when there is none yet, and gives it.
    MapWindow& Made();
    // Shows the map above the main window and brings it to the front.
    void Show();
    // Opens the map for the user to click one province; done receives its x and y. over: a
    // modal dialog the map then belongs to, so that it takes clicks while the dialog is open.
    void Pick(std::function<void(int x, int y)> done, QWidget* over);
    // The order a command dialog is writing, drawn as it would go into the move; fields of
    // no command (the dialog closed) take the preview away.
    void Preview(move::CommandKind kind, const edit::OrderFields& fields);
    // An open map drawn anew.
    void Refresh();
    // The document's current line marked on the map; a selected movement is planned.
    void ShowSelection();
    void SetActions(MapActions actions) { actions_ = std::move(actions); }
    // Another report or tribe: what was worked out from the last one goes.
    void GameChanged();

  private:
    // A movement planned on the map: its choice of troops, the order it comes from (a
    // selected movement) and the reach at the line the order stands or would go.
    struct Plan {
        PlanChoice choice;
        std::optional<std::size_t> order;
        plan::Reach reach;
        PlanChoice ordered; // the order's own choice, when planned from an order
    };

    void Connect(MapWindow& map);
    void StartPlan(const PlanChoice& choice, std::optional<std::size_t> order);
    void EndPlan();
    // The reach of the plan and the findings of the move as it stands, on the canvas.
    void UpdatePlan();
    void UpdateFindings();
    std::size_t PlanLine() const;
    void ProvinceChosen(int x, int y);
    void ProvinceHovered(int x, int y);
    void ProvinceMenu(int x, int y, QPoint globalPos);
    void PathEndDropped(std::size_t line, int x, int y);
    void ShowThreats(bool shown);

    // The preview's paths, walked by the check in a copy of the move with the order put
    // where OK would put it.
    void AddPreview(mapview::Drawing& drawing) const;

    QWidget* owner_;
    const MoveDocument& document_;
    const report::Game& game_;
    const ProblemPanel& problems_;
    MapWindow* map_ = nullptr;
    std::optional<std::pair<move::CommandKind, edit::OrderFields>> preview_;
    MapActions actions_;
    std::optional<Plan> plan_;
    bool threatsShown_ = false;
};

} // namespace orv::gui
