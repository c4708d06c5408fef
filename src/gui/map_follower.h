#pragma once
// The graphical map as the main window keeps it: opened on demand, drawn anew from the
// live check's result whenever the game state is shown anew, the document's current line
// marked, the order a command dialog is writing previewed, and clicks picked for a dialog.

#include "core/edit/order_fields.h"
#include "core/move/catalogue.h"
#include "core/report/game.h"

#include <QObject>
#include <functional>
#include <optional>
#include <utility>

class QWidget;

namespace orv::mapview {
struct Drawing;
} // namespace orv::mapview

namespace orv::gui {

class MapWindow;
class MoveDocument;
class ProblemPanel;

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
    // The document's current line marked on the map.
    void ShowSelection();

  private:
    // The preview's paths, walked by the check in a copy of the move with the order put
    // where OK would put it.
    void AddPreview(mapview::Drawing& drawing) const;

    QWidget* owner_;
    const MoveDocument& document_;
    const report::Game& game_;
    const ProblemPanel& problems_;
    MapWindow* map_ = nullptr;
    std::optional<std::pair<move::CommandKind, edit::OrderFields>> preview_;
};

} // namespace orv::gui
