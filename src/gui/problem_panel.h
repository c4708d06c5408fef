#pragma once
// The live check and the problem panel below the move list: the check runs whenever the
// move, the report or the tribe changes, its findings are listed one a row, and choosing
// one chooses the line it is about.

#include "core/check/check_driver.h"
#include "core/move/move_list.h"
#include "core/report/game.h"

#include <QWidget>
#include <cstddef>

namespace orv::gui {

class ProblemListModel;
class RowListView;

class ProblemPanel : public QWidget {
    Q_OBJECT
  public:
    explicit ProblemPanel(QWidget* parent);

    // Checks the move against the game and lists what the check found.
    void Check(const move::MoveList& move, const report::Game& game);
    const check::CheckResult& Result() const { return result_; }
    // The next (1) or previous (-1) problem, round the list; the first or the last one when
    // none is chosen.
    void Step(int direction);
    RowListView* List() const { return list_; }

  signals:
    // The user chose a problem (a click, the arrow keys, Step) on this line of the move.
    void LineChosen(std::size_t line);
    // The user pressed Enter on a problem or double-clicked it.
    void LineActivated(std::size_t line);

  private:
    RowListView* list_;
    ProblemListModel* model_;
    check::CheckResult result_;
    // Set while the list is filled anew, so that its selection signals are not taken for
    // the user's choice.
    bool following_ = false;
};

} // namespace orv::gui
